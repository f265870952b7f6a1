#include "shell/DbShortcuts.h"

#include "shell/Errors.h"
#include "shell/Logs.h"
#include "shell/SqlLiterals.h"

#include <QComboBox>

namespace {
std::unique_ptr<TLangQuery> build(const QString &database, const QString &table, const QString &columns,
                                  const QString &where)
{
    auto q = std::make_unique<TLangQuery>();
    q->setDatabaseName(database);
    q->setColumns(columns);
    q->setFromClause(table);
    q->setWhereClause(where);
    return q;
}

QVariant firstValue(const QString &database, const QString &table, const QString &columns,
                    const QString &where, const QString &fieldName = {})
{
    auto q = build(database, table, columns, where);
    q->Select();
    if (q->NoRows())
        return QVariant();
    Field *f = fieldName.isEmpty() ? q->fields().value(0) : q->fieldByName(fieldName);
    return f ? f->value() : QVariant();
}

QDateTime toDateTime(const QVariant &v)
{
    if (v.isNull())
        return QDateTime();
    return Field::convert(v, FieldType::DateTime, QString()).toDateTime();
}
} // namespace

QString LookupString(const QString &database, const QString &table, const QString &column,
                     const QString &where)
{
    auto q = build(database, table, column, where);
    q->Select();
    if (q->NoRows())
        return QString();
    return q->fields().value(0) ? q->fields().value(0)->asString() : QString();
}

qint64 LookupInteger(const QString &database, const QString &table, const QString &column,
                     const QString &where)
{
    const QVariant v = firstValue(database, table, column, where);
    return v.isNull() ? 0 : Field::convert(v, FieldType::LargeInt, column).toLongLong();
}

qint64 LookupIntegerOf(const QString &database, const QString &table, const QString &fieldName,
                       const QString &columns, const QString &where)
{
    const QVariant v = firstValue(database, table, columns, where, fieldName);
    return v.isNull() ? 0 : Field::convert(v, FieldType::LargeInt, fieldName).toLongLong();
}

QDateTime LookupDateTime(const QString &database, const QString &table, const QString &column,
                         const QString &where)
{
    return toDateTime(firstValue(database, table, column, where));
}

QDateTime MaxDate(const QString &database, const QString &table, const QString &column, const QString &where)
{
    return toDateTime(firstValue(database, table,
                                 QStringLiteral("Max(") + column + QStringLiteral(") as MaxDatexy"), where,
                                 QStringLiteral("MaxDatexy")));
}

QDateTime MinDate(const QString &database, const QString &table, const QString &column, const QString &where)
{
    return toDateTime(firstValue(database, table,
                                 QStringLiteral("Min(") + column + QStringLiteral(") as MaxDatexy"), where,
                                 QStringLiteral("MaxDatexy")));
}

std::unique_ptr<TLangQuery> OpenQuery(const QString &database, const QString &table, const QString &columns,
                                      const QString &where)
{
    auto q = build(database, table, columns, where);
    q->Select();
    return q;
}

std::unique_ptr<TLangQuery> OpenQueryOrdered(const QString &database, const QString &table,
                                             const QString &columns, const QString &where,
                                             const QString &orderBy)
{
    auto q = build(database, table, columns, where);
    q->setOrderByClause(orderBy);
    q->Select();
    return q;
}

std::unique_ptr<TLangQuery> NewTableQuery(const QString &table)
{
    auto q = std::make_unique<TLangQuery>();
    q->setColumns(QStringLiteral("*"));
    q->setFromClause(table);
    q->setTables(table);
    return q;
}

std::unique_ptr<TLangQuery> OpenSelect(const QString &columns, const QString &from, const QString &where,
                                       const QString &orderBy, const QString &groupBy, const QString &having)
{
    auto q = build(QStringLiteral("LB"), from, columns, where);
    q->setOrderByClause(orderBy);
    q->setGroupByClause(groupBy);
    q->setHavingClause(having);
    try {
        q->Select();
    } catch (const std::exception &e) {
        LogError(e);
        return nullptr;
    }
    return q;
}

bool UpdateColumn(const QString &table, const QString &column, const QString &value, const QString &where,
                  bool quoted)
{
    try {
        TLangQuery q;
        q.setTables(table);
        q.setWhereClause(where);
        q.AddField(column, value, quoted);
        q.ExecUpdate();
    } catch (const std::exception &e) {
        LogError(e);
        return false;
    }
    return true;
}

void FillComboFromTable(QComboBox *combo, const QString &table, const QString &codeColumn,
                        const QString &textColumn, const QString &orderBy, const QString &where)
{
    auto q = build(QStringLiteral("LB"), table, codeColumn + QLatin1Char(',') + textColumn, where);
    q->setOrderByClause(orderBy);
    q->Select();
    for (; !q->eof(); q->next())
        combo->addItem(q->fields().at(1)->asString(), q->fields().at(0)->asString());
}

std::optional<QStringList> QueryToLines(DataSet &dataSet, const QString &separator, bool flatten)
{
    if (dataSet.isEmpty())
        return std::nullopt;
    QStringList lines;
    QStringList names;
    for (Field *f : dataSet.fields())
        names.append(f->fieldName());
    lines.append(names.join(separator));
    for (dataSet.first(); !dataSet.eof(); dataSet.next()) {
        QStringList values;
        for (Field *f : dataSet.fields()) {
            QString v = f->asString();
            if (flatten) {
                v.replace(QLatin1Char('\r'), QLatin1Char(' '));
                v.remove(QLatin1Char('\n'));
            }
            values.append(v);
        }
        lines.append(values.join(separator));
    }
    return lines;
}

QString NextKey(const QString &name, bool increment)
{
    auto q = NewTableQuery(QStringLiteral("s_kljuci"));
    const QString literal = SqlEscape(name);
    q->AddCondition(QString(), QStringLiteral("idkljuc"), QLatin1Char('S'), literal);
    q->Select();
    if (q->NoRows()) {
        q->ClearFields();
        q->AddField(QStringLiteral("idKljuc"), literal, true);
        q->AddField(QStringLiteral("stevec"), increment ? QStringLiteral("2") : QStringLiteral("1"), false);
        q->AddField(QStringLiteral("Tip"), QStringLiteral("1"), true);
        q->AddField(QStringLiteral("Viden"), QStringLiteral("0"), false);
        q->ExecInsert();
        return QStringLiteral("1");
    }
    const qint64 number = q->fieldByName(QStringLiteral("stevec"))->asInteger();
    const auto text = [&](const char *column) {
        const Field *f = q->findField(QLatin1String(column));
        return f ? f->asString() : QString();
    };
    const QString key = text("Predpona") + QString::number(number) + text("Pripona");
    if (increment) {
        q->ClearFields();
        q->AddField(QStringLiteral("stevec"), QString::number(number + 1), false);
        q->ExecUpdate();
    }
    return key;
}
