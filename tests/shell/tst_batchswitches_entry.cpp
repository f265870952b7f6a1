#include "tests/support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

// The program started headless with batch switches from a program folder
// holding the demo installation. The two unattended runs end without a
// window and without waiting for anybody.
class TestBatchEntry : public QObject
{
    Q_OBJECT
private slots:
    void unattendedRuns_data();
    void unattendedRuns();
};

void TestBatchEntry::unattendedRuns_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<QString>("line"); // the one line the run leaves on standard error

    const QString automatic =
        QStringLiteral("Avtomatska priprava izpisov v tej različici programa še ni na voljo.");
    const QString stored =
        QStringLiteral("Odpiranje shranjenega poročila v tej različici programa še ni na voljo.");
    QTest::newRow("automatic preparation")
        << QStringList{"/AUTO", "/IDREPORT", "5", "/DAN", "31.13.2004"} << automatic;
    QTest::newRow("stored report") << QStringList{"/RPTHST", "3"} << stored;
    QTest::newRow("automatic wins over the stored report")
        << QStringList{"/RPTHST", "3", "/AUTO", "/IDREPORT", "5"} << automatic;
    QTest::newRow("/AUTO without a kind goes to the stored report")
        << QStringList{"/AUTO", "/IDREPORT", "", "/RPTHST", "3"} << stored;
}

void TestBatchEntry::unattendedRuns()
{
    QFETCH(QStringList, switches);
    QFETCH(QString, line);

    TestProgramFolder folder(TestProgramFolder::Demo);
    const QString program = folder.file(QStringLiteral("porocila"));
    QVERIFY(QFile::copy(QStringLiteral(OVO_PROGRAM), program));
    folder.writeFile(QStringLiteral("Report.ini"), QStringLiteral("[VALUES]\nX=1\n"));

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(QDir::tempPath());
    p.start(program,
            QStringList{"/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"} + switches);
    QVERIFY2(p.waitForFinished(60000), "the program waited for something");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(line + QLatin1Char('\n')), qPrintable(err));
    QVERIFY2(!err.contains(QStringLiteral("Napaka")), qPrintable(err));
    // The catalogue window existed and was destroyed: its per-run defaults are gone.
    QVERIFY(!folder.readFile(QStringLiteral("Report.ini")).contains(QStringLiteral("X=1")));
}

QTEST_GUILESS_MAIN(TestBatchEntry)
#include "tst_batchswitches_entry.moc"
