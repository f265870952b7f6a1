#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The program itself, started headless from a program folder of its own.
class TestProgram : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void withoutArgumentsShowsUsage_data();
    void withoutArgumentsShowsUsage();
    void databaseThatDoesNotOpen();

private:
    QString run(const QStringList &args, int &exitCode, const QString &name = QStringLiteral("porocila"));
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProgram::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

QString TestProgram::run(const QStringList &args, int &exitCode, const QString &name)
{
    if (!QFile::exists(m_dir->filePath(name)) &&
        !QFile::copy(QStringLiteral(OVO_PROGRAM), m_dir->filePath(name)))
        return QStringLiteral("cannot copy the program");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(QDir::tempPath());
    p.start(m_dir->filePath(name), args);
    if (!p.waitForFinished(60000))
        return QStringLiteral("timed out");
    exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardError());
}

void TestProgram::withoutArgumentsShowsUsage_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("the program") << "porocila";
    // Whatever its file is called, the program reads its switches.
    QTest::newRow("a renamed copy") << "izpisi-kopija";
}

void TestProgram::withoutArgumentsShowsUsage()
{
    QFETCH(QString, name);
    int exitCode = -1;
    const QString err = run({}, exitCode, name);
    QCOMPARE(exitCode, 0);
    QVERIFY2(
        err.contains(
            "Napaka: Program je treba startati s parametri /LOG UPORABNIK DBUSER DBPASS /PRG IDENTSTRING /CR "
            "DRIVERNAME SERVERNAME [/AUTO /IDREPORT IdReport] [/DAN Datum] [/DJV Dejavnosti]  | DRIVER= | "
            "SERVERNAME= | DATABASE=\n"),
        qPrintable(err));
    QFile log(m_dir->filePath("Log/Mavlit.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()), m_dir->filePath(name) + "\n");
}

void TestProgram::databaseThatDoesNotOpen()
{
    QFile aliases(m_dir->filePath("Aliases.ini"));
    QVERIFY(aliases.open(QIODevice::WriteOnly));
    aliases.write("[LB]\nDRIVER=QSQLITE\nDATABASE=nowhere.db\n");
    aliases.close();
    int exitCode = -1;
    const QString err =
        run({"/LOG", "ADMIN", "ovo", "geslo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"}, exitCode);
    QCOMPARE(exitCode, 0);
    QVERIFY2(
        err.contains("Napaka: Napaka pri odpiranju podatkovne povezave:  |  |  | Datoteka podatkovne baze ne "
                     "obstaja:"),
        qPrintable(err));
    QFile errors(m_dir->filePath("Crerror.log"));
    QVERIFY(errors.open(QIODevice::ReadOnly));
    QVERIFY(errors.readAll().contains("nowhere.db"));
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
