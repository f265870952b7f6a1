#pragma once

#include "printengine/FormulaValue.h"
#include "shell/Errors.h"

#include <QString>
#include <memory>
#include <vector>

// A failure while a formula runs (a type mismatch, a division by zero). The
// message names the formula's character position of the failing operation.
OVO_DECLARE_ERROR(EFormulaError, EError)

// Where a compiled formula takes its values from while it runs: the current
// record, the other named formulas, the parameter fields and the page state.
class FormulaContext
{
public:
    virtual ~FormulaContext() = default;
    // "TABLE.FIELD" as written between braces.
    virtual FormulaValue fieldValue(const QString &name) = 0;
    virtual FormulaValue formulaValue(const QString &name) = 0;
    virtual FormulaValue parameterValue(const QString &name) = 0;
    // PageNumber, TotalPageCount, RecordNumber, PrintDate.
    virtual FormulaValue specialValue(const QString &name) = 0;
    // Sum, Count, Average, Minimum or Maximum (lower case) of a field
    // ("ALIAS.FIELD" or "@formula") over the group of groupField, or over the
    // whole report when groupField is empty.
    virtual FormulaValue summaryValue(const QString &op, const QString &field, const QString &groupField)
    {
        Q_UNUSED(op);
        Q_UNUSED(groupField);
        throw EFormulaError(QStringLiteral("no summary of %1 is available here").arg(field));
    }
};

// One node of a parsed formula. position is the 1-based character position
// of the token the node was built from. The parser keeps trees below its
// depth limit, so the recursive walks over them cannot run out of stack.
struct FormulaNode
{
    enum Kind { Literal, Field, FormulaRef, Parameter, Special, Unary, Binary, If, Call, List, RangeExpr };

    FormulaNode(Kind k, int pos) : kind(k), position(pos) {}
    FormulaNode(const FormulaNode &) = delete;
    FormulaNode &operator=(const FormulaNode &) = delete;

    Kind kind;
    int position;
    int height = 1; // levels of the subtree, this node included
    QString name;   // field, formula, parameter, special or function name; operator of Unary and Binary
    FormulaValue value;
    std::vector<std::unique_ptr<FormulaNode>> children;
};
