#include "tests/support/TestProgramFolder.h"

#include <QProcess>
#include <QSet>
#include <QSqlQuery>
#include <QTest>

// Two programs take ids for the same name from one database file at the same time.
class TestGetNewIdConcurrent : public QObject
{
    Q_OBJECT
private slots:
    void noIdTwiceNoneLost_data();
    void noIdTwiceNoneLost();
};

void TestGetNewIdConcurrent::noIdTwiceNoneLost_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("check"); // the counter after the run
    QTest::newRow("counter in table ID") << "IdRptPog"
                                         << "SELECT IdRptPog - 14 FROM ID WHERE Id = 1";
    QTest::newRow("sequence") << "IdAct"
                              << "SELECT VALUE FROM OVO_SEQUENCES WHERE NAME = 'ACT_IDACT_SEQ'";
}

void TestGetNewIdConcurrent::noIdTwiceNoneLost()
{
    QFETCH(QString, name);
    QFETCH(QString, check);
    TestProgramFolder folder(TestProgramFolder::Demo);
    constexpr int perWorker = 150;
    QProcess workers[2];
    for (QProcess &w : workers)
        w.start(QStringLiteral(OVO_WORKER), {folder.path(), name, QString::number(perWorker)});
    QSet<qint64> ids;
    for (QProcess &w : workers) {
        QVERIFY(w.waitForFinished(120000));
        QVERIFY2(w.exitCode() == 0, w.readAllStandardError().constData());
        const QList<QByteArray> lines = w.readAllStandardOutput().split('\n');
        int taken = 0;
        for (const QByteArray &line : lines) {
            if (line.isEmpty())
                continue;
            ++taken;
            const qint64 id = line.toLongLong();
            QVERIFY2(!ids.contains(id), qPrintable(QStringLiteral("id %1 handed out twice").arg(id)));
            ids.insert(id);
        }
        QCOMPARE(taken, perWorker);
    }
    QSqlQuery q = folder.openDatabase().execute(check);
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2 * perWorker); // no id was lost either
}

QTEST_GUILESS_MAIN(TestGetNewIdConcurrent)
#include "tst_getnewid_concurrent.moc"
