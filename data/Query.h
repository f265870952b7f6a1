#pragma once

#include "data/DataSet.h"
#include "data/Database.h"

#include <QStringList>

// A statement over a database found by its database name ("LB"), with named
// parameters (":New") collected from the text, an open result or a count of
// affected rows.
class Query : public DataSet
{
    Q_OBJECT
public:
    explicit Query(QObject *parent = nullptr);

    const QString &databaseName() const { return m_databaseName; }
    void setDatabaseName(const QString &name) { m_databaseName = name; }
    Database *database() const; // throws when no such database exists

    QString sqlText() const { return m_sql.join(QLatin1Char('\n')); }
    const QStringList &sql() const { return m_sql; }
    void setSql(const QString &text);
    void setSqlLines(const QStringList &lines);

    // Parameters named in the text, in order of first appearance.
    DbParams &params() { return m_params; }
    const DbParams &params() const { return m_params; }
    DbParam &paramByName(const QString &name); // throws when the text has no such parameter
    void setParam(const QString &name, const QVariant &value) { paramByName(name).value = value; }

    void open();
    void execSql();
    int rowsAffected() const { return m_rowsAffected; }

protected:
    virtual void beforeOpen() {}

private:
    void run(bool wantResult);

    QString m_databaseName = QStringLiteral("LB");
    QStringList m_sql;
    DbParams m_params;
    int m_rowsAffected = -1;
};

// Reads the field definitions and every row of an executed statement.
void readResult(Database &db, QSqlQuery &query, QList<FieldDef> &defs, QList<QVector<QVariant>> &rows);
