#include "shell/BatchSwitches.h"

#include <QTest>

using Run = BatchSwitches::Run;
Q_DECLARE_METATYPE(BatchSwitches::Run)

class TestBatchSwitches : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void processingDay();
};

void TestBatchSwitches::read_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program and the start-up switches
    QTest::addColumn<bool>("autoMode");
    QTest::addColumn<QString>("idReport");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("activities");
    QTest::addColumn<QString>("idRptHst");
    QTest::addColumn<Run>("run");

    QTest::newRow("no batch switches")
        << QStringList{} << false << QString() << QDate() << QString() << QString() << Run::Interactive;
    QTest::newRow("automatic run with every value")
        << QStringList{"/AUTO", "/IDREPORT", "5", "/DAN", "7.5.2004", "/DJV", "ABC"} << true << "5"
        << QDate(2004, 5, 7) << "ABC" << QString() << Run::AutomaticPreparation;
    QTest::newRow("lower-case /auto is not the switch")
        << QStringList{"/auto", "/IDREPORT", "5"} << false << "5" << QDate() << QString() << QString()
        << Run::Interactive;
    QTest::newRow("/AUTO is compared untrimmed") << QStringList{" /AUTO", "/IDREPORT", "5"} << false << "5"
                                                 << QDate() << QString() << QString() << Run::Interactive;
    QTest::newRow("value switches are trimmed")
        << QStringList{"/AUTO", "  /DAN ", "1.2.2024", " /IDREPORT", "7"} << true << "7" << QDate(2024, 2, 1)
        << QString() << QString() << Run::AutomaticPreparation;
    QTest::newRow("lower-case /dan is not the date switch")
        << QStringList{"/dan", "1.2.2024"} << false << QString() << QDate() << QString() << QString()
        << Run::Interactive;
    QTest::newRow("a date that does not convert is ignored")
        << QStringList{"/AUTO", "/IDREPORT", "5", "/DAN", "31.13.2004"} << true << "5" << QDate() << QString()
        << QString() << Run::AutomaticPreparation;
    QTest::newRow("a bad later date keeps the good one")
        << QStringList{"/DAN", "3.4.2020", "/DAN", "x"} << false << QString() << QDate(2020, 4, 3)
        << QString() << QString() << Run::Interactive;
    QTest::newRow("the last occurrence wins") << QStringList{"/DJV", "A", "/DJV", "B"} << false << QString()
                                              << QDate() << "B" << QString() << Run::Interactive;
    QTest::newRow("/AUTO without a report kind goes on to the archive")
        << QStringList{"/AUTO", "/RPTHST", "12"} << true << QString() << QDate() << QString() << "12"
        << Run::StoredReportExtraction;
    QTest::newRow("automatic switches win over the archive")
        << QStringList{"/RPTHST", "12", "/AUTO", "/IDREPORT", "5"} << true << "5" << QDate() << QString()
        << "12" << Run::AutomaticPreparation;
    // Values are not consumed: the value /AUTO after /DJV is also the switch.
    QTest::newRow("a value that equals a switch is that switch too")
        << QStringList{"/DJV", "/AUTO", "/IDREPORT", "3"} << true << "3" << QDate() << "/AUTO" << QString()
        << Run::AutomaticPreparation;
    QTest::newRow("a switch at the end reads an empty value")
        << QStringList{"/AUTO", "/IDREPORT"} << true << QString() << QDate() << QString() << QString()
        << Run::Interactive;
}

void TestBatchSwitches::read()
{
    QFETCH(QStringList, arguments);
    const QStringList commandLine =
        QStringList{"porocila", "/LOG", "ADMIN", "ovo", "ovo", "/PRG", "POROCILA", "/CR", "ORACLE", "LB"} +
        arguments;

    const BatchSwitches s = BatchSwitches::read(commandLine);
    QTEST(s.AutoMode, "autoMode");
    QTEST(s.IdReport, "idReport");
    QTEST(s.Day, "day");
    QTEST(s.Activities, "activities");
    QTEST(s.IdRptHst, "idRptHst");
    QTEST(s.run(), "run");
}

void TestBatchSwitches::processingDay()
{
    const QDate today(2026, 12, 10);
    BatchSwitches s = BatchSwitches::read({"porocila", "/AUTO", "/IDREPORT", "5"});
    QCOMPARE(s.processingDay(today), today);
    s = BatchSwitches::read({"porocila", "/AUTO", "/IDREPORT", "5", "/DAN", "31.13.2004"});
    QCOMPARE(s.processingDay(today), today);
    s = BatchSwitches::read({"porocila", "/DAN", "07.05.2004"});
    QCOMPARE(s.processingDay(today), QDate(2004, 5, 7));
}

QTEST_MAIN(TestBatchSwitches)
#include "tst_batchswitches.moc"
