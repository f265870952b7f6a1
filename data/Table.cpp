#include "data/Table.h"

#include "shell/Errors.h"

#include <QSqlQuery>

Table::Table(QObject *parent) : DataSet(parent) {}

void Table::open()
{
    if (active())
        close();
    Database *db = &Database::require(m_databaseName);
    QString sql = QStringLiteral("SELECT * FROM ") + m_tableName;
    if (m_filtered && !m_filter.trimmed().isEmpty())
        sql += QStringLiteral(" WHERE (") + m_filter + QLatin1Char(')');
    QSqlQuery q = db->execute(sql);
    QList<FieldDef> defs;
    QList<QVector<QVariant>> rows;
    readResult(*db, q, defs, rows);
    q.finish();
    setResult(defs, std::move(rows));
}

void Table::append()
{
    if (!active())
        throw EDatabaseError(QStringLiteral("Tabela %1 ni odprta.").arg(m_tableName));
    beginInsert();
}

void Table::cancel()
{
    endInsert();
}

void Table::post()
{
    if (!inserting())
        throw EDatabaseError(QStringLiteral("Tabela %1 nima novega zapisa.").arg(m_tableName));
    QStringList names, markers;
    DbParams params;
    const QList<Field *> list = fields();
    for (Field *f : list) {
        const QVariant v = currentValue(f->index()); // a table's fields are its columns in order
        if (v.isNull() || !v.isValid())
            continue;
        const QString marker = QStringLiteral("p%1").arg(names.size());
        names.append(f->fieldName());
        markers.append(QLatin1Char(':') + marker);
        params.append({marker, v});
    }
    Database *db = &Database::require(m_databaseName);
    const QString sql =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(m_tableName, names.join(QStringLiteral(", ")), markers.join(QStringLiteral(", ")));
    try {
        db->execute(sql, params);
    } catch (...) {
        endInsert();
        throw;
    }
    endInsert();
}
