#pragma once

#include "printengine/Formula.h"
#include "printengine/ReportDefinition.h"

#include <QHash>
#include <QSet>
#include <functional>
#include <optional>

// The statement that reads a report's records, and the part of the record
// selection that could not be written into its WHERE clause. A condition
// goes into the WHERE clause only when the database gives exactly the answer
// the formula gives (same three-valued logic), so the records selected are
// the same either way; the rest is evaluated per record.
struct QueryPlan
{
    QString sql;
    QStringList columns;                 // "ALIAS.FIELD" of each selected column, in order
    QList<const FormulaNode *> residual; // conjuncts of the selection left for per-record evaluation
    QStringList pushed;                  // SQL of the conjuncts in the WHERE clause
    bool explicitSql = false;
};

class QueryPlanner
{
public:
    // Values of formulas without fields ({?param}, Date(...), literals) are
    // computed while planning; the evaluator throws for a field reference.
    using ConstantEvaluator = std::function<bool(const FormulaNode *, FormulaValue *)>;

    // fields: every "ALIAS.FIELD" the report uses; links: extra equality
    // conditions ("ALIAS.FIELD" = value) of a subreport's link.
    static QueryPlan plan(const ReportDefinition &report, const QStringList &fields,
                          const FormulaNode *selection, const QList<QPair<QString, FormulaValue>> &links,
                          const ConstantEvaluator &constant, QString *error);

    // One formula node as an SQL condition or value; false when it does not
    // translate exactly.
    static bool toSql(const ReportDefinition &report, const FormulaNode *node,
                      const ConstantEvaluator &constant, QString *sql);
    static QString literal(const FormulaValue &v, bool *ok);
    // A table's name as the statement may hold it: "POG" or "OWNER.POG".
    // Names of the report file and of the entry points reach the statement's
    // text as they are, so each must be a plain name.
    static bool isTableName(const QString &name);
    static void splitConjuncts(const FormulaNode *node, QList<const FormulaNode *> *out);
};

// Checks the fields a report names against the columns its tables really
// have, before any of the names goes into a statement. Each table's columns
// are listed once.
class FieldCheck
{
public:
    // The column names of a table; nullopt when they cannot be listed.
    using ColumnLister = std::function<std::optional<QStringList>(const ReportTable &)>;

    FieldCheck(const ReportDefinition &report, ColumnLister lister);
    // Empty, or "Formula error at position n: ..." for the first field of the
    // formula that is not a column of its table.
    QString checkFormula(const FormulaNode *root);
    // Empty, or what is wrong with a field ("ALIAS.FIELD") of the report.
    QString checkField(const QString &field);

private:
    QString fault(const QString &field);

    const ReportDefinition &m_report;
    ColumnLister m_lister;
    QHash<int, std::optional<QSet<QString>>> m_columns; // by table index, upper case
};
