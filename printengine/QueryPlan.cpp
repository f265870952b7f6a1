#include "printengine/QueryPlan.h"

#include "printengine/FormulaParser.h"

#include <cmath>

namespace {

bool hasNoRecordReference(const FormulaNode *node)
{
    if (node->kind == FormulaNode::Field || node->kind == FormulaNode::FormulaRef ||
        node->kind == FormulaNode::Special)
        return false;
    for (const auto &c : node->children) {
        if (!hasNoRecordReference(c.get()))
            return false;
    }
    return true;
}

QString columnRef(const ReportDefinition &report, const QString &field, bool *ok)
{
    const int dot = field.lastIndexOf(u'.');
    *ok = dot > 0 && report.tableIndex(field.left(dot)) >= 0 &&
          FormulaParser::isIdentifier(QStringView(field).mid(dot + 1));
    if (!*ok)
        return {};
    const ReportTable &t = report.tables[report.tableIndex(field.left(dot))];
    *ok = FormulaParser::isIdentifier(t.alias);
    if (!*ok)
        return {};
    return t.alias + u'.' + field.mid(dot + 1);
}

// A column of the report's own statement, by its name without the alias.
QString resultColumn(const QString &field, bool *ok)
{
    const QString name = field.mid(field.lastIndexOf(u'.') + 1);
    *ok = FormulaParser::isIdentifier(name);
    return *ok ? name : QString();
}

// A value side of a comparison: a field column or a constant.
bool operand(const ReportDefinition &report, const FormulaNode *node,
             const QueryPlanner::ConstantEvaluator &constant, QString *sql, bool *isField,
             FormulaValue *value)
{
    if (node->kind == FormulaNode::Field) {
        bool ok = false;
        *sql = columnRef(report, node->name, &ok);
        *isField = true;
        return ok;
    }
    *isField = false;
    if (!hasNoRecordReference(node) || !constant(node, value))
        return false;
    bool ok = false;
    *sql = QueryPlanner::literal(*value, &ok);
    return ok;
}

QString membership(const QString &column, const FormulaValue &item, bool *ok)
{
    *ok = true;
    if (item.type() == FormulaValue::Range) {
        QStringList parts;
        const FormulaValue &from = item.items().at(0);
        const FormulaValue &to = item.items().at(1);
        if (!from.isNull())
            parts << column + (item.includeFrom() ? QStringLiteral(" >= ") : QStringLiteral(" > ")) +
                         QueryPlanner::literal(from, ok);
        if (*ok && !to.isNull())
            parts << column + (item.includeTo() ? QStringLiteral(" <= ") : QStringLiteral(" < ")) +
                         QueryPlanner::literal(to, ok);
        if (parts.isEmpty())
            parts << column + QStringLiteral(" IS NOT NULL");
        return QStringLiteral("(") + parts.join(QStringLiteral(" AND ")) + QStringLiteral(")");
    }
    return column + QStringLiteral(" = ") + QueryPlanner::literal(item, ok);
}

} // namespace

bool QueryPlanner::isTableName(const QString &name)
{
    return FormulaParser::isIdentifier(name) || FormulaParser::isFieldName(name);
}

QString QueryPlanner::literal(const FormulaValue &v, bool *ok)
{
    *ok = true;
    switch (v.type()) {
    case FormulaValue::Number:
        // "inf" or "nan" would read as a column name.
        *ok = std::isfinite(v.toNumber());
        return *ok ? QString::number(v.toNumber(), 'g', 17) : QString();
    case FormulaValue::String: {
        QString s = v.toStringValue();
        s.replace(u'\'', QStringLiteral("''"));
        return u'\'' + s + u'\'';
    }
    // Dates are kept as ISO text, which also reads as a date literal on the servers.
    case FormulaValue::Date:
        return v.toDate().toString(QStringLiteral("''yyyy-MM-dd''"));
    case FormulaValue::DateTime:
        return v.toDateTime().toString(QStringLiteral("''yyyy-MM-dd HH:mm:ss''"));
    default:
        *ok = false;
        return {};
    }
}

void QueryPlanner::splitConjuncts(const FormulaNode *node, QList<const FormulaNode *> *out)
{
    if (!node)
        return;
    if (node->kind == FormulaNode::Binary && node->name == QLatin1String("and")) {
        splitConjuncts(node->children[0].get(), out);
        splitConjuncts(node->children[1].get(), out);
        return;
    }
    out->append(node);
}

bool QueryPlanner::toSql(const ReportDefinition &report, const FormulaNode *node,
                         const ConstantEvaluator &constant, QString *sql)
{
    switch (node->kind) {
    case FormulaNode::Unary:
        if (node->name == QLatin1String("not")) {
            QString inner;
            if (!toSql(report, node->children[0].get(), constant, &inner))
                return false;
            *sql = QStringLiteral("NOT (") + inner + u')';
            return true;
        }
        return false;
    case FormulaNode::Call:
        if (node->name == QLatin1String("isnull") && node->children[0]->kind == FormulaNode::Field) {
            bool ok = false;
            const QString col = columnRef(report, node->children[0]->name, &ok);
            if (!ok)
                return false;
            *sql = col + QStringLiteral(" IS NULL");
            return true;
        }
        return false;
    case FormulaNode::Binary: {
        const QString &op = node->name;
        if (op == QLatin1String("and") || op == QLatin1String("or")) {
            QString l, r;
            if (!toSql(report, node->children[0].get(), constant, &l) ||
                !toSql(report, node->children[1].get(), constant, &r))
                return false;
            *sql = u'(' + l +
                   (op == QLatin1String("and") ? QStringLiteral(" AND ") : QStringLiteral(" OR ")) + r + u')';
            return true;
        }
        if (op == QLatin1String("in")) {
            if (node->children[0]->kind != FormulaNode::Field)
                return false;
            bool ok = false;
            const QString col = columnRef(report, node->children[0]->name, &ok);
            FormulaValue set;
            if (!ok || !hasNoRecordReference(node->children[1].get()) ||
                !constant(node->children[1].get(), &set))
                return false;
            const QList<FormulaValue> items =
                set.type() == FormulaValue::Array ? set.items() : QList<FormulaValue>{set};
            if (items.isEmpty()) {
                *sql = QStringLiteral("1 = 0");
                return true;
            }
            QStringList parts;
            for (const FormulaValue &item : items) {
                // A Null in the list makes the formula answer unknown where SQL says false.
                if (item.isNull())
                    return false;
                parts << membership(col, item, &ok);
                if (!ok)
                    return false;
            }
            *sql = u'(' + parts.join(QStringLiteral(" OR ")) + u')';
            return true;
        }
        static const QStringList comparisons = {QStringLiteral("="),  QStringLiteral("<>"),
                                                QStringLiteral("<"),  QStringLiteral(">"),
                                                QStringLiteral("<="), QStringLiteral(">=")};
        if (!comparisons.contains(op))
            return false;
        QString l, r;
        bool lField = false, rField = false;
        FormulaValue lv, rv;
        if (!operand(report, node->children[0].get(), constant, &l, &lField, &lv) ||
            !operand(report, node->children[1].get(), constant, &r, &rField, &rv))
            return false;
        if (!lField && !rField)
            return false;
        *sql = l + u' ' + op + u' ' + r;
        return true;
    }
    default:
        return false;
    }
}

QueryPlan QueryPlanner::plan(const ReportDefinition &report, const QStringList &fields,
                             const FormulaNode *selection, const QList<QPair<QString, FormulaValue>> &links,
                             const ConstantEvaluator &constant, QString *error)
{
    QueryPlan plan;
    QList<const FormulaNode *> conjuncts;
    splitConjuncts(selection, &conjuncts);

    QStringList orderBy;
    auto addOrder = [&](const QString &field, bool descending) -> bool {
        if (field.startsWith(u'@')) {
            *error = QStringLiteral("Sorting or grouping on formula %1 is not available in this engine; sort "
                                    "on a database field")
                         .arg(field);
            return false;
        }
        bool ok = false;
        const QString col = plan.explicitSql ? resultColumn(field, &ok) : columnRef(report, field, &ok);
        if (!ok) {
            *error =
                plan.explicitSql
                    ? QStringLiteral("Sort or group field %1 is not a column name").arg(field)
                    : QStringLiteral("Sort or group field %1 does not name a field of a table of the report")
                          .arg(field);
            return false;
        }
        orderBy << col + (descending ? QStringLiteral(" DESC") : QString());
        return true;
    };

    if (!report.sql.trimmed().isEmpty()) {
        // The report's own statement: its columns are what it returns, and
        // the whole selection is evaluated per record.
        plan.explicitSql = true;
        plan.residual = conjuncts;
        QString sql = report.sql.trimmed();
        if (sql.endsWith(u';'))
            sql.chop(1);
        for (const GroupDef &g : report.groups) {
            if (!addOrder(g.field, g.descending))
                return {};
        }
        for (const SortFieldDef &s : report.sortFields) {
            if (!addOrder(s.field, s.descending))
                return {};
        }
        QStringList where;
        for (const auto &l : links) {
            bool ok = false;
            const QString col = resultColumn(l.first, &ok);
            if (!ok) {
                *error = QStringLiteral("Subreport link field %1 is not a column name").arg(l.first);
                return {};
            }
            // A link value without an exact literal (Null, a list) links no record.
            const QString value = literal(l.second, &ok);
            where << (ok ? col + QStringLiteral(" = ") + value : QStringLiteral("1 = 0"));
        }
        if (orderBy.isEmpty() && where.isEmpty())
            plan.sql = sql;
        else
            plan.sql =
                QStringLiteral("SELECT * FROM (") + sql + QStringLiteral(") Q") +
                (where.isEmpty() ? QString()
                                 : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "))) +
                (orderBy.isEmpty() ? QString()
                                   : QStringLiteral(" ORDER BY ") + orderBy.join(QStringLiteral(", ")));
        return plan;
    }

    if (report.tables.isEmpty()) {
        *error = QStringLiteral("The report has no tables and no SQL query");
        return {};
    }
    for (const ReportTable &t : report.tables) {
        if (!isTableName(t.name) || !FormulaParser::isIdentifier(t.alias)) {
            *error = QStringLiteral("Table %1 (alias %2) is not a table name").arg(t.name, t.alias);
            return {};
        }
    }
    QStringList select;
    for (const QString &f : fields) {
        bool ok = false;
        const QString col = columnRef(report, f, &ok);
        if (!ok) {
            *error = QStringLiteral("Field {%1} is not a field of a table of the report").arg(f);
            return {};
        }
        select << col;
        plan.columns << f.toUpper();
    }
    if (select.isEmpty())
        select << QStringLiteral("1");

    // FROM: the first table, then every table reached through a link; tables
    // without a link are listed after a comma.
    QStringList joined{report.tables.first().alias.toUpper()};
    QString from = report.tables.first().name + u' ' + report.tables.first().alias;
    bool progress = true;
    QList<ReportLink> pending = report.links;
    while (progress && !pending.isEmpty()) {
        progress = false;
        for (int i = 0; i < pending.size(); ++i) {
            const ReportLink &l = pending[i];
            const QString fa = l.from.left(l.from.lastIndexOf(u'.')).toUpper();
            const QString ta = l.to.left(l.to.lastIndexOf(u'.')).toUpper();
            QString newAlias;
            if (joined.contains(fa) && !joined.contains(ta))
                newAlias = ta;
            else if (joined.contains(ta) && !joined.contains(fa))
                newAlias = fa;
            else if (joined.contains(ta) && joined.contains(fa)) {
                pending.removeAt(i--);
                continue;
            } else
                continue;
            const int ti = report.tableIndex(newAlias);
            if (ti < 0) {
                *error =
                    QStringLiteral("Link %1 = %2 names a table the report does not have").arg(l.from, l.to);
                return {};
            }
            bool ok1 = false, ok2 = false;
            const QString c1 = columnRef(report, l.from, &ok1);
            const QString c2 = columnRef(report, l.to, &ok2);
            if (!ok1 || !ok2) {
                *error = QStringLiteral("Link %1 = %2 does not join two fields of tables of the report")
                             .arg(l.from, l.to);
                return {};
            }
            from += (l.outer ? QStringLiteral(" LEFT JOIN ") : QStringLiteral(" JOIN ")) +
                    report.tables[ti].name + u' ' + report.tables[ti].alias + QStringLiteral(" ON ") + c1 +
                    QStringLiteral(" = ") + c2;
            joined << newAlias;
            pending.removeAt(i--);
            progress = true;
        }
    }
    for (const ReportTable &t : report.tables) {
        if (!joined.contains(t.alias.toUpper())) {
            from += QStringLiteral(", ") + t.name + u' ' + t.alias;
            joined << t.alias.toUpper();
        }
    }

    QStringList where;
    for (const auto &l : links) {
        bool ok = false;
        const QString col = columnRef(report, l.first, &ok);
        if (!ok) {
            *error = QStringLiteral("Subreport link field %1 does not belong to a table of the subreport")
                         .arg(l.first);
            return {};
        }
        const QString value = literal(l.second, &ok);
        where << (ok ? col + QStringLiteral(" = ") + value : QStringLiteral("1 = 0"));
    }
    for (const FormulaNode *c : conjuncts) {
        QString sql;
        if (toSql(report, c, constant, &sql)) {
            where << sql;
            plan.pushed << sql;
        } else {
            plan.residual << c;
        }
    }
    for (const GroupDef &g : report.groups) {
        if (!addOrder(g.field, g.descending))
            return {};
    }
    for (const SortFieldDef &s : report.sortFields) {
        if (!addOrder(s.field, s.descending))
            return {};
    }
    plan.sql =
        QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + from;
    if (!where.isEmpty())
        plan.sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    if (!orderBy.isEmpty())
        plan.sql += QStringLiteral(" ORDER BY ") + orderBy.join(QStringLiteral(", "));
    return plan;
}

FieldCheck::FieldCheck(const ReportDefinition &report, ColumnLister lister)
    : m_report(report), m_lister(std::move(lister))
{
}

QString FieldCheck::fault(const QString &field)
{
    const int dot = field.lastIndexOf(u'.');
    const QString table = field.left(qMax(0, dot));
    const int index = m_report.tableIndex(table);
    if (index < 0)
        return QStringLiteral("the report has no table %1").arg(table);
    const ReportTable &t = m_report.tables[index];
    if (!QueryPlanner::isTableName(t.name))
        return QStringLiteral("table %1 is not a table name").arg(t.name);
    auto it = m_columns.find(index);
    if (it == m_columns.end()) {
        std::optional<QSet<QString>> upper;
        if (const std::optional<QStringList> listed = m_lister(t)) {
            upper.emplace();
            for (const QString &c : *listed)
                upper->insert(c.toUpper());
        }
        it = m_columns.insert(index, upper);
    }
    const QString column = field.mid(dot + 1);
    if (!FormulaParser::isIdentifier(column))
        return QStringLiteral("\"%1\" is not a field name").arg(column);
    if (it.value() && !it.value()->contains(column.toUpper()))
        return QStringLiteral("table %1 has no field %2").arg(table, column);
    return {};
}

QString FieldCheck::checkFormula(const FormulaNode *root)
{
    if (!root)
        return {};
    if (root->kind == FormulaNode::Field) {
        const QString f = fault(root->name);
        if (!f.isEmpty())
            return QStringLiteral("Formula error at position %1: %2").arg(root->position).arg(f);
    }
    for (const auto &c : root->children) {
        const QString f = checkFormula(c.get());
        if (!f.isEmpty())
            return f;
    }
    return {};
}

QString FieldCheck::checkField(const QString &field)
{
    const QString f = fault(field);
    return f.isEmpty() ? QString() : QStringLiteral("Field {%1}: %2").arg(field, f);
}
