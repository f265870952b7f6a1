#include "tests/support/TestProgramFolder.h"

#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

TestProgramFolder::TestProgramFolder(Content content)
{
    ProgramFolder::setPath(m_dir.path());
    writeFile(QStringLiteral("Aliases.ini"), QStringLiteral("[LB]\nDRIVER=QSQLITE\nDATABASE=test.db\n"));
    Database::createEmbedded(databaseFile());
    if (content == Empty)
        return;
    Database db(QStringLiteral("TESTSETUP"));
    db.setAliasName(QStringLiteral("LB"));
    db.open();
    db.startTransaction();
    const auto run = [&](const QString &script) {
        QFile f(sourceFile(script));
        if (!f.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(f.fileName()));
        db.executeScript(QString::fromUtf8(f.readAll()));
    };
    run(QStringLiteral("db/schema.sql"));
    if (content == Demo)
        run(QStringLiteral("db/demo.sql"));
    db.commit();
}

TestProgramFolder::~TestProgramFolder()
{
    m_db.reset();
    ProgramFolder::reset();
}

QString TestProgramFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

void TestProgramFolder::writeFile(const QString &name, const QString &text) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(f.fileName()));
    f.write(text.toUtf8());
}

QString TestProgramFolder::readFile(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

Database &TestProgramFolder::openDatabase()
{
    if (!m_db) {
        m_db = std::make_unique<Database>(QStringLiteral("LB"));
        m_db->open();
    }
    return *m_db;
}

QString TestProgramFolder::sourceFile(const QString &relative)
{
    return QStringLiteral(OVO_SOURCE_DIR "/") + relative;
}

bool TestProgramFolder::copyDemoReports(const QStringList &nameFilters) const
{
    if (!QDir(path()).mkpath(QStringLiteral("Report")))
        return false;
    const QDir source(sourceFile(QStringLiteral("db/program/Report")));
    for (const QString &name : source.entryList(nameFilters, QDir::Files))
        if (!QFile::copy(source.filePath(name), file(QStringLiteral("Report/") + name)))
            return false;
    return true;
}
