#pragma once

#include <QString>

// Splits a parameter value into the pieces that may stand for a value in a
// statement or a selection formula: numbers, texts between apostrophes (an
// apostrophe inside doubled) and the commas between them. Everything else (a
// name, an operator, a bracket, a double quote, a comment mark) comes out as
// a token of its own kind, so that a check can refuse it.
class ValueLexer
{
public:
    enum class Kind { Number, Text, Comma, Name, Other, End };
    struct Token
    {
        Kind kind = Kind::End;
        QString text;
        qsizetype position = 0;
    };

    explicit ValueLexer(QString text);
    Token next();

    // A comma list of literals, one at least: numbers when numbers is set,
    // texts when texts is set. Blanks between the pieces are allowed.
    static bool isLiteralList(const QString &text, bool numbers, bool texts);

private:
    QString m_text;
    qsizetype m_pos = 0;
};
