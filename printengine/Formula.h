#pragma once

#include "printengine/FormulaNode.h"

#include <QStringList>
#include <memory>

// A syntax error: the 1-based character position and what was expected there.
struct FormulaSyntaxError
{
    int position = 0;
    QString message;
    bool isError() const { return position > 0; }
    QString text() const;
};

// A compiled formula of the report language. An empty text compiles to an
// empty formula, which evaluates to Null (and, as a selection, selects all).
class Formula
{
public:
    Formula() = default;
    static Formula compile(const QString &text, FormulaSyntaxError *error);

    bool isEmpty() const { return !m_root; }
    const FormulaNode *root() const { return m_root.get(); }
    FormulaValue evaluate(FormulaContext &context) const; // throws EFormulaError
    // Evaluates one subtree, such as a conjunct of a selection.
    static FormulaValue evaluateNode(const FormulaNode *node, FormulaContext &context);

    // Names used by the formula, each once, in the order met.
    QStringList fields() const;
    QStringList formulas() const;
    QStringList parameters() const;
    QStringList specials() const;
    // Summary calls: the function (lower case) and its field and group arguments.
    QList<QPair<QString, QStringList>> summaries() const;

private:
    std::shared_ptr<const FormulaNode> m_root;
};
