#pragma once

#include "data/SqlRewriter.h"

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>

struct DbParam
{
    QString name;
    QVariant value;
};
using DbParams = QList<DbParam>;

// A database connection opened through an alias of the aliases file in the
// program folder ("Aliases.ini": one section per alias with DRIVER, DATABASE,
// HOST, PORT and OPTIONS). Queries find it by its database name ("LB"). On the
// embedded driver it installs the server functions and sequences so that the
// statements written for the server dialects run unchanged.
class Database : public QObject
{
    Q_OBJECT
public:
    explicit Database(const QString &databaseName = QStringLiteral("LB"), QObject *parent = nullptr);
    ~Database() override;
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    static QString aliasFileName(); // program folder + "Aliases.ini"
    // A new, empty embedded database file, which open() takes (it refuses a
    // file of 0 bytes). Throws EDatabaseError, also when the file exists.
    static void createEmbedded(const QString &file);
    static Database *find(const QString &databaseName);
    // The database of that name; throws EDatabaseError when there is none.
    static Database &require(const QString &databaseName);

    const QString &databaseName() const { return m_databaseName; }
    const QString &aliasName() const { return m_aliasName; }
    void setAliasName(const QString &alias) { m_aliasName = alias; }
    // "USER NAME=..." and "PASSWORD=..." lines, as given to the open call.
    const QStringList &params() const { return m_params; }
    void setParams(const QStringList &params) { m_params = params; }

    void open(); // throws EDatabaseError
    void close();
    bool connected() const;

    // The alias's driver name as configured (QSQLITE, QPSQL, ...), empty when
    // the alias is unknown.
    QString driverName() const;
    // The alias's parameters as configured, "KEY=value" each.
    QStringList aliasParameters() const;
    bool embedded() const { return driverName() == QLatin1String("QSQLITE"); }

    void startTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    QSqlDatabase connection() const;

    // Runs one statement with its named parameters; the query is positioned
    // before the first row of a result.
    QSqlQuery execute(const QString &sql, const DbParams &params = {});
    // Runs every statement of a script (separated by ';'); an error names the
    // statement's number.
    void executeScript(const QString &script);
    qint64 nextSequenceValue(const QString &name);
    QStringList columnNames(const QString &table);

private:
    QString m_databaseName;
    QString m_aliasName;
    QStringList m_params;
    QString m_connectionName;
    bool m_inTransaction = false;
};
