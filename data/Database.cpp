#include "data/Database.h"

#include "data/DateText.h"
#include "data/SqlLexer.h"
#include "data/SqliteFunctions.h"
#include "shell/Errors.h"
#include "shell/IniFile.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <sqlite3.h>

namespace {
QHash<QString, Database *> &registry()
{
    static QHash<QString, Database *> databases;
    return databases;
}

int &connectionCounter()
{
    static int counter = 0;
    return counter;
}

// The server's own text says what went wrong; Qt's driver text ("Unable to
// execute statement") only says that something did, and is the fallback.
QString errorText(const QSqlError &error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.driverText().trimmed() : text;
}

QString paramValue(const QStringList &params, const QString &key)
{
    for (const QString &line : params) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1);
    }
    return QString();
}

QString sequenceTableStatement()
{
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (NAME VARCHAR(128) PRIMARY KEY, "
                          "VALUE INTEGER NOT NULL, INCREMENT INTEGER NOT NULL)")
        .arg(SqlRewriter::sequenceTable());
}

QVariant bindable(const QVariant &value, bool embedded)
{
    if (!embedded || value.isNull())
        return value;
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return DateText::fromDate(value.toDate());
    case QMetaType::QDateTime:
        return DateText::fromDateTime(value.toDateTime());
    default:
        return value;
    }
}
} // namespace

Database::Database(const QString &databaseName, QObject *parent)
    : QObject(parent), m_databaseName(databaseName), m_aliasName(databaseName),
      m_connectionName(QStringLiteral("ovo-%1-%2").arg(databaseName).arg(++connectionCounter()))
{
    registry().insert(m_databaseName.toUpper(), this);
}

Database::~Database()
{
    close();
    QSqlDatabase::removeDatabase(m_connectionName);
    auto &r = registry();
    const QString key = m_databaseName.toUpper();
    if (r.value(key) == this)
        r.remove(key);
}

QString Database::aliasFileName()
{
    return ProgramFolder::file(QStringLiteral("Aliases.ini"));
}

Database *Database::find(const QString &databaseName)
{
    return registry().value(databaseName.toUpper(), nullptr);
}

Database &Database::require(const QString &databaseName)
{
    if (Database *db = find(databaseName))
        return *db;
    throw EDatabaseError(QStringLiteral("Podatkovna baza %1 ne obstaja.").arg(databaseName));
}

// Asked for with nearly every statement; an open connection answers with the
// driver it was opened with instead of reading the aliases file again.
QString Database::driverName() const
{
    if (connected())
        return QSqlDatabase::database(m_connectionName, false).driverName();
    return IniFile(aliasFileName()).readString(m_aliasName, QStringLiteral("DRIVER")).trimmed();
}

QStringList Database::aliasParameters() const
{
    return IniFile(aliasFileName()).sectionLines(m_aliasName);
}

void Database::createEmbedded(const QString &file)
{
    if (QFileInfo::exists(file))
        throw EDatabaseError(QStringLiteral("Datoteka podatkovne baze že obstaja: %1").arg(file));
    sqlite3 *raw = nullptr;
    const QByteArray name = QFile::encodeName(file);
    int rc = sqlite3_open_v2(name.constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    QString error;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(raw, sequenceTableStatement().toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        error = raw ? QString::fromUtf8(sqlite3_errmsg(raw)) : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_close(raw);
    if (!error.isEmpty()) {
        QFile::remove(file);
        throw EDatabaseError(QStringLiteral("Ne morem ustvariti podatkovne baze %1: %2").arg(file, error));
    }
}

bool Database::connected() const
{
    return QSqlDatabase::contains(m_connectionName) &&
           QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    if (!connected())
        throw EDatabaseError(QStringLiteral("Povezava s podatkovno bazo %1 ni odprta.").arg(m_databaseName));
    return QSqlDatabase::database(m_connectionName, false);
}

void Database::open()
{
    if (connected())
        return;
    const IniFile aliases(aliasFileName());
    if (!aliases.sectionExists(m_aliasName))
        throw EDatabaseError(
            QStringLiteral("Neznan vzdevek podatkovne baze: %1 (%2)").arg(m_aliasName, aliasFileName()));
    const QString driver = aliases.readString(m_aliasName, QStringLiteral("DRIVER")).trimmed();
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw EDatabaseError(QStringLiteral("Gonilnik %1 ni na voljo.").arg(driver));

    QString name = aliases.readString(m_aliasName, QStringLiteral("DATABASE")).trimmed();
    QString options = aliases.readString(m_aliasName, QStringLiteral("OPTIONS")).trimmed();
    if (driver == QLatin1String("QSQLITE")) {
        name.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (QFileInfo(name).isRelative())
            name = ProgramFolder::file(name);
        // Opening a missing file would silently create an empty database.
        if (!QFileInfo::exists(name))
            throw EDatabaseError(QStringLiteral("Datoteka podatkovne baze ne obstaja: %1").arg(name));
        // An empty file is no database either; opening it would write the
        // sequence table and a journal into it before anything could fail.
        if (QFileInfo(name).size() == 0)
            throw EDatabaseError(QStringLiteral("Datoteka podatkovne baze je prazna: %1").arg(name));
        if (!options.contains(QLatin1String("QSQLITE_BUSY_TIMEOUT")))
            options += (options.isEmpty() ? QString() : QStringLiteral(";")) +
                       QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000");
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(driver, m_connectionName);
    db.setDatabaseName(name);
    db.setHostName(aliases.readString(m_aliasName, QStringLiteral("HOST")).trimmed());
    const int port = aliases.readString(m_aliasName, QStringLiteral("PORT")).trimmed().toInt();
    if (port > 0)
        db.setPort(port);
    db.setUserName(paramValue(m_params, QStringLiteral("USER NAME")));
    db.setPassword(paramValue(m_params, QStringLiteral("PASSWORD")));
    db.setConnectOptions(options);
    if (!db.open()) {
        const QString text = errorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw EDatabaseError(text);
    }
    if (driver == QLatin1String("QSQLITE")) {
        const QVariant handle = db.driver()->handle();
        sqlite3 *raw = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
                           ? *static_cast<sqlite3 *const *>(handle.data())
                           : nullptr;
        if (!raw || !SqliteFunctions::install(raw)) {
            db.close();
            throw EDatabaseError(QStringLiteral("Ne morem pripraviti vgrajene podatkovne baze."));
        }
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        // Readers never wait for a writer, and a commit needs no sync of its own:
        // a power cut can lose the last commits but never corrupts the file.
        q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
        if (!q.exec(sequenceTableStatement())) {
            const QString text = errorText(q.lastError());
            db.close();
            throw EDatabaseError(text);
        }
    }
}

void Database::close()
{
    m_inTransaction = false;
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::database(m_connectionName, false).close();
}

void Database::startTransaction()
{
    QSqlDatabase db = connection();
    if (!db.transaction())
        throw EDatabaseError(errorText(db.lastError()));
    m_inTransaction = true;
}

void Database::commit()
{
    QSqlDatabase db = connection();
    m_inTransaction = false;
    if (!db.commit())
        throw EDatabaseError(errorText(db.lastError()));
}

void Database::rollback()
{
    QSqlDatabase db = connection();
    m_inTransaction = false;
    if (!db.rollback())
        throw EDatabaseError(errorText(db.lastError()));
}

qint64 Database::nextSequenceValue(const QString &name)
{
    if (!embedded()) {
        QSqlQuery q(connection());
        const QString sql = QStringLiteral("SELECT nextval('%1')")
                                .arg(QString(name).replace(QLatin1Char('\''), QLatin1String("''")));
        if (!q.exec(sql) || !q.next())
            throw EDatabaseError(errorText(q.lastError()));
        return q.value(0).toLongLong();
    }
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("UPDATE %1 SET VALUE = VALUE + INCREMENT WHERE NAME = ? RETURNING VALUE")
                  .arg(SqlRewriter::sequenceTable()));
    q.addBindValue(name.toUpper());
    if (!q.exec())
        throw EDatabaseError(errorText(q.lastError()));
    if (!q.next())
        throw EDatabaseError(QStringLiteral("Sekvenca %1 ne obstaja.").arg(name));
    const qint64 value = q.value(0).toLongLong();
    q.finish();
    return value;
}

QSqlQuery Database::execute(const QString &sql, const DbParams &params)
{
    QSqlDatabase db = connection();
    const bool embeddedDb = embedded();
    const SqlRewriter::Result rewritten = SqlRewriter::rewrite(
        sql, embeddedDb, [this](const QString &sequence) { return nextSequenceValue(sequence); });
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(rewritten.text))
        throw EDatabaseError(errorText(q.lastError()));
    for (const QString &name : rewritten.parameterNames) {
        auto it = std::find_if(params.cbegin(), params.cend(), [&](const DbParam &p) {
            return p.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (it == params.cend())
            throw EDatabaseError(QStringLiteral("Parameter %1 nima vrednosti.").arg(name));
        q.addBindValue(bindable(it->value, embeddedDb));
    }
    if (!q.exec())
        throw EDatabaseError(errorText(q.lastError()));
    return q;
}

QStringList Database::columnNames(const QString &table)
{
    const QSqlRecord record = connection().record(table);
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

void Database::executeScript(const QString &script)
{
    int number = 0;
    for (const QString &statement : SqlLexer::splitStatements(script)) {
        ++number;
        try {
            execute(statement);
        } catch (const EDatabaseError &e) {
            throw EDatabaseError(QStringLiteral("Stavek %1: %2").arg(number).arg(e.message()));
        }
    }
}
