#include "data/Query.h"

#include "shell/Errors.h"

#include <QRegularExpression>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <sqlite3.h>

namespace {
FieldType typeFromDeclared(const QString &declared)
{
    const QString t = declared.trimmed().toUpper();
    if (t.isEmpty())
        return FieldType::Unknown;
    if (t.contains(QLatin1String("INT")))
        return FieldType::Integer;
    if (t.startsWith(QLatin1String("NUMERIC")) || t.startsWith(QLatin1String("DECIMAL")) ||
        t.startsWith(QLatin1String("NUMBER"))) {
        static const QRegularExpression args(QStringLiteral("\\(\\s*(\\d+)\\s*(?:,\\s*(\\d+)\\s*)?\\)"));
        const QRegularExpressionMatch m = args.match(t);
        if (m.hasMatch() && m.captured(2).toInt() == 0)
            return m.captured(1).toInt() > 9 ? FieldType::LargeInt : FieldType::Integer;
        return FieldType::Float;
    }
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) ||
        t.contains(QLatin1String("DOUB")))
        return FieldType::Float;
    if (t.startsWith(QLatin1String("TIMESTAMP")) || t.startsWith(QLatin1String("DATETIME")))
        return FieldType::DateTime;
    if (t.startsWith(QLatin1String("DATE")))
        return FieldType::Date;
    if (t.startsWith(QLatin1String("TIME")))
        return FieldType::Time;
    if (t.startsWith(QLatin1String("BOOL")))
        return FieldType::Boolean;
    if (t.contains(QLatin1String("BLOB")) || t.contains(QLatin1String("BYTEA")))
        return FieldType::Blob;
    if (t.contains(QLatin1String("TEXT")) || t.contains(QLatin1String("CLOB")))
        return FieldType::Memo;
    if (t.startsWith(QLatin1String("CHAR")) || t.startsWith(QLatin1String("NCHAR")))
        return FieldType::FixedChar;
    return FieldType::String;
}

FieldType typeFromMeta(int metaType)
{
    switch (metaType) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return FieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldType::Float;
    case QMetaType::QDate:
        return FieldType::Date;
    case QMetaType::QDateTime:
        return FieldType::DateTime;
    case QMetaType::QTime:
        return FieldType::Time;
    case QMetaType::Bool:
        return FieldType::Boolean;
    case QMetaType::QByteArray:
        return FieldType::Blob;
    default:
        return FieldType::String;
    }
}

int declaredSize(const QString &declared)
{
    static const QRegularExpression size(QStringLiteral("\\(\\s*(\\d+)"));
    const QRegularExpressionMatch m = size.match(declared);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}
} // namespace

void readResult(Database &db, QSqlQuery &query, QList<FieldDef> &defs, QList<QVector<QVariant>> &rows)
{
    const QSqlRecord record = query.record();
    const int count = record.count();
    defs.clear();
    rows.clear();
    QStringList declared;
    if (db.embedded()) {
        const QVariant handle = query.result()->handle();
        sqlite3_stmt *stmt = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3_stmt*") == 0
                                 ? *static_cast<sqlite3_stmt *const *>(handle.data())
                                 : nullptr;
        for (int i = 0; i < count; ++i) {
            const char *d = stmt ? sqlite3_column_decltype(stmt, i) : nullptr;
            declared.append(d ? QString::fromUtf8(d) : QString());
        }
    }
    for (int i = 0; i < count; ++i) {
        FieldDef def;
        def.name = record.fieldName(i);
        if (db.embedded()) {
            def.type = typeFromDeclared(declared.at(i));
            def.size = declaredSize(declared.at(i));
        } else {
            def.type = typeFromMeta(record.field(i).metaType().id());
            def.size = std::max(0, record.field(i).length());
        }
        defs.append(def);
    }
    while (query.next()) {
        QVector<QVariant> row(count);
        for (int i = 0; i < count; ++i)
            row[i] = query.value(i);
        rows.append(std::move(row));
    }
    // Columns computed by an expression have no declared type; the values tell.
    for (int i = 0; i < count; ++i) {
        if (defs.at(i).type != FieldType::Unknown)
            continue;
        FieldType type = FieldType::String;
        for (const auto &row : rows) {
            if (!row.at(i).isNull()) {
                type = typeFromMeta(row.at(i).metaType().id());
                break;
            }
        }
        defs[i].type = type;
    }
}

Query::Query(QObject *parent) : DataSet(parent) {}

Database *Query::database() const
{
    return &Database::require(m_databaseName);
}

void Query::setSql(const QString &text)
{
    setSqlLines(text.split(QLatin1Char('\n')));
}

void Query::setSqlLines(const QStringList &lines)
{
    if (active())
        close();
    m_sql = lines;
    // Values of parameters that keep their names survive a new text.
    DbParams params;
    for (const QString &name : SqlRewriter::parameterNames(sqlText())) {
        const bool seen = std::any_of(params.cbegin(), params.cend(), [&](const DbParam &p) {
            return p.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (seen)
            continue;
        DbParam p{name, QVariant()};
        for (const DbParam &old : m_params)
            if (old.name.compare(name, Qt::CaseInsensitive) == 0)
                p.value = old.value;
        params.append(p);
    }
    m_params = params;
}

DbParam &Query::paramByName(const QString &name)
{
    for (DbParam &p : m_params)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return p;
    throw EDatabaseError(QStringLiteral("Parameter %1 ne obstaja.").arg(name));
}

void Query::open()
{
    beforeOpen();
    run(true);
}

void Query::execSql()
{
    run(false);
}

void Query::run(bool wantResult)
{
    if (active())
        close();
    Database *db = database();
    QSqlQuery q = db->execute(sqlText(), m_params);
    m_rowsAffected = q.numRowsAffected();
    if (!wantResult)
        return;
    if (!q.isSelect())
        throw EDatabaseError(QStringLiteral("Stavek ne vrne podatkov."));
    QList<FieldDef> defs;
    QList<QVector<QVariant>> rows;
    readResult(*db, q, defs, rows);
    q.finish();
    setResult(defs, std::move(rows));
}
