#pragma once

#include "printengine/Formula.h"

// Recursive-descent parser of the report formula language (see docs). Lower
// precedence first: if-then-else, or, and, not, comparison and "in", "to",
// + -, * / mod, unary minus, primary.
class FormulaParser
{
public:
    // Operations a value may sit under: brackets, parentheses, function
    // calls, if, not and signs, and the operators of a chain such as
    // 1 + 1 + ... Deeper input (typed or from a file) would exhaust the stack
    // of the parser, the evaluator or the statement builder.
    static constexpr int MaxDepth = 256;

    explicit FormulaParser(const QString &text);
    std::unique_ptr<FormulaNode> parse(FormulaSyntaxError *error);

    static bool isKnownFunction(const QString &name, int *minArgs = nullptr, int *maxArgs = nullptr);
    static bool isSpecialName(const QString &name);
    static bool isSummaryFunction(const QString &lowerName);
    // A name that may stand in a statement as it is: a letter or '_', then
    // letters, digits and '_'.
    static bool isIdentifier(QStringView name);
    // "ALIAS.FIELD" (or "OWNER.TABLE.FIELD"): identifiers joined by points.
    static bool isFieldName(QStringView name);

private:
    enum TokenType {
        End,
        NumberTok,
        StringTok,
        FieldTok,
        Ident,
        Op,
        LParen,
        RParen,
        LBracket,
        RBracket,
        Comma
    };
    struct Token
    {
        TokenType type = End;
        QString text;
        double number = 0;
        int position = 0;
    };
    struct SyntaxFailure
    {
        int position;
        QString message;
    };
    // One construct nested in another, for the time it is being read.
    class Nested
    {
    public:
        explicit Nested(FormulaParser &parser);
        ~Nested() { --m_parser.m_depth; }
        Nested(const Nested &) = delete;
        Nested &operator=(const Nested &) = delete;

    private:
        FormulaParser &m_parser;
    };

    void next();
    Token lex();
    bool isKeyword(const char *word) const;
    bool isOp(const char *op) const;
    [[noreturn]] void fail(const QString &expected) const;
    [[noreturn]] void failAt(int position, const QString &message) const;
    QString describe(const Token &t) const;

    std::unique_ptr<FormulaNode> expression();
    std::unique_ptr<FormulaNode> orExpr();
    std::unique_ptr<FormulaNode> andExpr();
    std::unique_ptr<FormulaNode> notExpr();
    std::unique_ptr<FormulaNode> comparison();
    std::unique_ptr<FormulaNode> rangeExpr();
    std::unique_ptr<FormulaNode> additive();
    std::unique_ptr<FormulaNode> multiplicative();
    std::unique_ptr<FormulaNode> unary();
    std::unique_ptr<FormulaNode> primary();
    std::unique_ptr<FormulaNode> binary(const QString &op, int pos, std::unique_ptr<FormulaNode> l,
                                        std::unique_ptr<FormulaNode> r);
    void attach(FormulaNode *parent, std::unique_ptr<FormulaNode> child) const;
    [[noreturn]] void failTooDeep(int position) const;

    QString m_text;
    int m_pos = 0;
    int m_depth = 0;
    Token m_tok;
};
