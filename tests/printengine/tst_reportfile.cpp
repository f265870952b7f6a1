// Report files: faults are reported with their line and column, and a report
// written back reads as the same report.
#include "printengine/ReportFile.h"
#include "tests/support/TestProgramFolder.h"

#include <QTest>

class TestReportFile : public QObject
{
    Q_OBJECT

private slots:
    void faults_data();
    void faults();
    void writesWhatItReads_data();
    void writesWhatItReads();
};

void TestReportFile::faults_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("message"); // the column is where the reader stood: the end of the faulty tag

    QTest::newRow("not XML") << "<report><tables>"
                             << "r.rpt, line 1, column 16: Premature end of document.";
    QTest::newRow("another root") << "<porocilo/>"
                                  << "r.rpt, line 1, column 11: expected the root element <report>";
    QTest::newRow("unknown element") << "<report>\n<tabels/>\n</report>"
                                     << "r.rpt, line 2, column 9: unknown element <tabels> in <report>";
    QTest::newRow("number attribute with a comma")
        << "<report><sections><section area=\"D\" height=\"12,5\"/></sections></report>"
        << "r.rpt, line 1, column 51: attribute height of <section> is not a number: \"12,5\"";
    QTest::newRow("flag that is not true or false")
        << "<report><sections><section area=\"D\" suppress=\"da\"/></sections></report>"
        << "r.rpt, line 1, column 51: attribute suppress of <section> must be true or false, not \"da\"";
    QTest::newRow("group section without a group number")
        << "<report><sections><section area=\"GH\"/></sections></report>"
        << "r.rpt, line 1, column 38: a GH section needs a group number from 1";
    QTest::newRow("group section beyond the groups")
        << "<report><groups><group field=\"A.B\"/></groups>\n<sections><section area=\"GF\" "
           "group=\"2\"/></sections></report>"
        << "r.rpt, line 2, column 60: section GF2 belongs to group 2, but the report has 1 group(s)";
    QTest::newRow("field without a table")
        << "<report><sections><section area=\"D\"><field source=\"IDPOG\"/></section></sections></report>"
        << "r.rpt, line 1, column 59: a <field> needs source written as ALIAS.FIELD";
    QTest::newRow("kept-together group")
        << "<report><groups><group field=\"A.B\" keeptogether=\"true\"/></groups></report>"
        << "r.rpt, line 1, column 56: keeping a whole group on one page (keeptogether) is not available in "
           "this engine";
}

void TestReportFile::faults()
{
    QFETCH(QString, xml);
    QFETCH(QString, message);
    ReportFileError error;
    QVERIFY(!ReportFile::parse(xml.toUtf8(), QStringLiteral("/tmp/r.rpt"), &error));
    QCOMPARE(error.text(QStringLiteral("/tmp/r.rpt")), QStringLiteral("Report file ") + message);
}

void TestReportFile::writesWhatItReads_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("groups, summaries, parameters") << "pogodbe_org.rpt";
    QTest::newRow("subreport and pictures") << "potrdilo_nrc.rpt";
}

void TestReportFile::writesWhatItReads()
{
    QFETCH(QString, file);
    ReportFileError error;
    const auto first =
        ReportFile::read(TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/") + file), &error);
    QVERIFY2(first, qPrintable(error.message));
    const QByteArray xml = ReportFile::toXml(*first);
    const auto second = ReportFile::parse(xml, first->fileName, &error);
    QVERIFY2(second, qPrintable(error.message + QString::fromUtf8(xml)));
    // Writing the second gives the same text: nothing was lost on the way.
    QCOMPARE(QString::fromUtf8(ReportFile::toXml(*second)), QString::fromUtf8(xml));
    QCOMPARE(second->sections.size(), first->sections.size());
    QCOMPARE(second->selection, first->selection);
    QCOMPARE(second->subreportOrder, first->subreportOrder);
    QCOMPARE(second->parameters.size(), first->parameters.size());
}

QTEST_GUILESS_MAIN(TestReportFile)
#include "tst_reportfile.moc"
