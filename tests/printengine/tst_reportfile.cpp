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
    // Numbers beyond what their use allows were cast to int with no defined result.
    QTest::newRow("position of 1E20 points")
        << "<report><sections><section area=\"D\">\n<text x=\"1e20\">a</text></section></sections></report>"
        << "r.rpt, line 2, column 15: attribute x of <text> must lie between -14400 and 14400, not \"1e20\"";
    QTest::newRow("font size of a billion points")
        << "<report><sections><section area=\"D\"><field source=\"A.B\" size=\"1e9\"/></section></sections>"
           "</report>"
        << "r.rpt, line 1, column 68: attribute size of <field> must lie between 1 and 1000, not \"1e9\"";
    QTest::newRow("group number beyond int")
        << "<report><sections><section area=\"GH\" group=\"4294967297\"/></sections></report>"
        << "r.rpt, line 1, column 57: attribute group of <section> must lie between 0 and 1000, not "
           "\"4294967297\"";
    QTest::newRow("decimals that are not whole")
        << "<report><sections><section area=\"D\"><field source=\"A.B\" decimals=\"2.5\"/></section>"
           "</sections></report>"
        << "r.rpt, line 1, column 72: attribute decimals of <field> must be a whole number, not \"2.5\"";
    QTest::newRow("infinite page width")
        << "<report><page size=\"custom\" width=\"inf\"/></report>"
        << "r.rpt, line 1, column 41: attribute width of <page> must lie between 1 and 14400, not \"inf\"";
    QTest::newRow("saved number that is not a number")
        << "<report><saveddata><row><v type=\"n\">12a</v></row></saveddata></report>"
        << "r.rpt, line 1, column 43: the saved value \"12a\" is not a number";
    // Each level was read recursively: 6000 of them overflowed the stack.
    QTest::newRow("6000 nested subreports")
        << "<report>" + QString(QStringLiteral("<subreports><subreport name=\"S\">")).repeated(6000)
        << "r.rpt, line 1, column 1064: subreports are nested more than 32 levels deep";
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
