// Every demo report file opens and runs on the demo database, shows its
// values whole once its preparatory script has filled the work table, and
// the per-contract confirmation prints its orders and the unit's signatures.
#include "run/SqlScript.h"
#include "tests/printengine/RpeTestSupport.h"
#include "tests/support/DemoRunValues.h"
#include "tests/support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>
#include <cstring>

namespace {
using DemoRunValues::computer;
} // namespace

class TestDemoReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyReportRuns_data();
    void everyReportRuns();
    void valuesShowWhole_data();
    void valuesShowWhole();
    void contractConfirmationWithSignatures();
    void excelShowsTheReportsColumns_data();
    void excelShowsTheReportsColumns();

private:
    bool runToPdf(int16_t job, const QString &pdf);
    QList<SqlScriptParameter> scriptParameters(int report, int batchKind, const QString &script);
    std::unique_ptr<TestProgramFolder> m_folder;
    QString m_reports;
};

void TestDemoReports::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    m_folder->writeFile(QStringLiteral("Aliases.ini"),
                        QStringLiteral("[LB]\nDRIVER=QSQLITE\nDATABASE=test.db\n"));
    // The report folder as the program stages it, with the signatures of unit 1 prepared.
    m_reports = m_folder->file(QStringLiteral("Report/"));
    QVERIFY(m_folder->copyDemoReports());
    QVERIFY(QFile::copy(m_reports + QStringLiteral("PodpisnikL_1.bmp"),
                        m_reports + QStringLiteral("Podpisnik_levi.bmp")));
    QVERIFY(QFile::copy(m_reports + QStringLiteral("PodpisnikD_1.bmp"),
                        m_reports + QStringLiteral("Podpisnik_desni.bmp")));
    QVERIFY(RpeOpenEngine());
}

void TestDemoReports::cleanupTestCase()
{
    RpeCloseEngine();
    m_folder.reset();
}

bool TestDemoReports::runToPdf(int16_t job, const QString &pdf)
{
    const QByteArray name = pdf.toUtf8();
    RpeDiskOptions disk{sizeof(RpeDiskOptions), name.constData()};
    RpeExportOptions o{};
    o.StructSize = sizeof(RpeExportOptions);
    std::strcpy(o.FormatDLLName, "rxf_pdf.dll");
    std::strcpy(o.DestinationDLLName, "rxddisk.dll");
    o.DestinationOptions = &disk;
    o.NDestinationOptionsBytes = sizeof disk;
    return RpeExportTo(job, &o) && RpeStartPrintJob(job, 1);
}

void TestDemoReports::everyReportRuns_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    // Catalogue reports and report kinds of the demo installation.
    QSqlQuery q = m_folder->openDatabase().execute(
        QStringLiteral("SELECT DATOTEKA_POR, NASLOV_POR FROM POROCILA WHERE DATOTEKA_POR LIKE '%.rpt' UNION "
                       "SELECT RPT_FILE, OPIS FROM RPT_OBDELAVE"));
    QStringList seen;
    while (q.next()) {
        const QString file = q.value(0).toString();
        if (seen.contains(file))
            continue;
        seen << file;
        QTest::newRow(qPrintable(file)) << file << q.value(1).toString();
    }
    QVERIFY(seen.size() >= 18);
}

void TestDemoReports::everyReportRuns()
{
    QFETCH(QString, file);
    QFETCH(QString, title);
    const QString path = m_reports + file;
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const int16_t job = RpeOpenPrintJob(path.toUtf8().constData());
    QVERIFY2(job > 0, qPrintable(RpeTest::errorText(0)));
    for (int16_t i = 0; i < RpeGetNTables(job); ++i) {
        RpeLogOnInfo logon{};
        logon.StructSize = sizeof logon;
        RPE_VERIFY(RpeGetNthTableLogOnInfo(job, i, &logon), job);
        QCOMPARE(QString::fromUtf8(logon.ServerName), QStringLiteral("LB"));
        RPE_VERIFY(RpeTestNthTableConnectivity(job, i), job);
    }
    const QString pdf = m_folder->file(QStringLiteral("demo.pdf"));
    const bool ok = runToPdf(job, pdf);
    const QString error = RpeTest::errorText(job);
    RpeClosePrintJob(job);
    QVERIFY2(ok, qPrintable(error));
    const QString text = RpeTest::pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("OVO finance d.d.")),
             qPrintable(QStringLiteral("%1 bytes: %2").arg(QFileInfo(pdf).size()).arg(text)));
    Q_UNUSED(title);
}

QList<SqlScriptParameter> TestDemoReports::scriptParameters(int report, int batchKind, const QString &script)
{
    if (batchKind > 0)
        return DemoRunValues::batchParameters(DemoRunValues::batchValues().value(batchKind));
    return DemoRunValues::reportParameters(m_folder->openDatabase(), report,
                                           DemoRunValues::reportValues().value(script));
}

void TestDemoReports::valuesShowWhole_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("report");
    QTest::addColumn<int>("batchKind");
    QTest::addColumn<QString>("filter");
    QSqlQuery q = m_folder->openDatabase().execute(
        QStringLiteral("SELECT ID_POROCILA, DATOTEKA_POR, OPIS_POROCILA, FILTER_POROCILA FROM POROCILA WHERE "
                       "DATOTEKA_POR LIKE '%.rpt' ORDER BY ID_POROCILA"));
    while (q.next())
        QTest::addRow("report %d %s", q.value(0).toInt(), qPrintable(q.value(1).toString()))
            << q.value(1).toString() << q.value(2).toString() << q.value(0).toInt() << 0
            << q.value(3).toString();
    QSqlQuery kinds = m_folder->openDatabase().execute(
        QStringLiteral("SELECT IDREPORT, RPT_FILE, SQL_FILE FROM RPT_OBDELAVE ORDER BY IDREPORT"));
    while (kinds.next())
        QTest::addRow("kind %d %s", kinds.value(0).toInt(), qPrintable(kinds.value(1).toString()))
            << kinds.value(1).toString() << kinds.value(2).toString() << 0 << kinds.value(0).toInt()
            << QStringLiteral("{REPORT_SQL.COMPUTER} = '|COMPUTER|'");
}

// A value cut to fit its box would be misread: numbers that do not fit
// show "#" and texts end in an ellipsis; a demo report shows neither.
void TestDemoReports::valuesShowWhole()
{
    QFETCH(QString, file);
    QFETCH(QString, script);
    QFETCH(int, report);
    QFETCH(int, batchKind);
    QFETCH(QString, filter);
    Database &db = m_folder->openDatabase();
    db.execute(QStringLiteral("DELETE FROM REPORT_SQL"));
    if (!script.trimmed().isEmpty()) {
        SqlScriptInputs inputs;
        inputs.rpeDriver = QStringLiteral("ORACLE");
        inputs.computerName = computer;
        inputs.parameters = scriptParameters(report, batchKind, script);
        SqlScript run(inputs);
        run.setShowErrors(false);
        OVO_TRY(run.RunSqlScript(m_reports + script));
        QVERIFY2(!run.failed(), qPrintable(run.errorText()));
    }
    const int16_t job = RpeOpenPrintJob((m_reports + file).toUtf8().constData());
    QVERIFY2(job > 0, qPrintable(RpeTest::errorText(0)));
    // The company and filter lines as the report run window fills them.
    RpeSetFormula(job, "PODJETJE",
                  "'OVO finance, borznoposredniška družba, d.d.'+Chr(13)+'Dunajska cesta 156'+Chr(13)+'1000 "
                  "Ljubljana'");
    RpeSetFormula(job, "FILTER",
                  "'Pogodba: 1011'+Chr(13)+'Od datuma: 1.11.2026'+Chr(13)+'Do datuma: 10.12.2026'");
    filter.replace(QStringLiteral("|COMPUTER|"), computer)
        .replace(QStringLiteral("|UPORABNIK|"), QStringLiteral("'ADMIN'"));
    if (!filter.isEmpty()) {
        RpeTextHandle h = nullptr;
        int16_t length = 0;
        RPE_VERIFY(RpeGetSelectionFormula(job, &h, &length), job);
        const QString own = RpeTest::takeText(h).trimmed();
        const QString selection = own.isEmpty() ? filter : QStringLiteral("(%1) and (%2)").arg(own, filter);
        RPE_VERIFY(RpeSetSelectionFormula(job, selection.toUtf8().constData()), job);
    }
    const QString pdf = m_folder->file(QFileInfo(file).baseName() + QStringLiteral(".pdf"));
    const bool ok = runToPdf(job, pdf);
    const QString error = RpeTest::errorText(job);
    RpeClosePrintJob(job);
    QVERIFY2(ok, qPrintable(error));
    const QString text = RpeTest::pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Dunajska cesta 156")), qPrintable(text));
    QStringList cut;
    for (const QString &line : text.split(u'\n')) {
        if (line.contains(u'#') || line.contains(QChar(0x2026)))
            cut << line;
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

void TestDemoReports::contractConfirmationWithSignatures()
{
    Database &db = m_folder->openDatabase();
    db.execute(QStringLiteral("DELETE FROM REPORT_SQL"));
    db.execute(QStringLiteral(
        "INSERT INTO REPORT_SQL (COMPUTER, INTID, IDPOG, SFORG, KRT, NZV, IME, NSL, PST, MST, DANOD, DANDO) "
        "SELECT 'TEST', 1, P.IDPOG, P.SFORG, P.STPOG, O.NZV, O.IME, O.NSL, O.PST, O.MST, '2026-11-01', "
        "'2026-11-30' "
        "FROM POG P JOIN OSB O ON O.SFOSB = P.SFOSB WHERE P.IDPOG = 1011"));
    const int16_t job =
        RpeOpenPrintJob((m_reports + QStringLiteral("potrdilo_nrc.rpt")).toUtf8().constData());
    QVERIFY2(job > 0, qPrintable(RpeTest::errorText(0)));
    RPE_VERIFY(RpeSetSelectionFormula(job, "{REPORT_SQL.COMPUTER} = 'TEST'"), job);
    const QString pdf = m_folder->file(QStringLiteral("potrdilo.pdf"));
    RPE_VERIFY(runToPdf(job, pdf), job);
    RpeClosePrintJob(job);

    const QString text = RpeTest::pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("N-2018/011")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Novak")));
    // The orders of contract 1011 come through the subreport, and only those.
    QSqlQuery orders = db.execute(QStringLiteral("SELECT STNRC, IDPOG FROM NRC"));
    int own = 0;
    while (orders.next()) {
        const bool mine = orders.value(1).toInt() == 1011;
        own += mine;
        QCOMPARE(text.contains(orders.value(0).toString()), mine);
    }
    QVERIFY(own > 0);
    QVERIFY(text.contains(QStringLiteral("Število naročil: %1").arg(own)) ||
            text.contains(QStringLiteral("Število naročil:")));
    // Signatory names of unit 1 and both signature pictures.
    QVERIFY(text.contains(QStringLiteral("Marko Zupančič")));
    QVERIFY(text.contains(QStringLiteral("Tomaž Lesjak")));
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QVERIFY(images.waitForFinished(30000));
    const QStringList lines =
        QString::fromUtf8(images.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size() - 2, 2); // two header lines, then one line per image
}

void TestDemoReports::excelShowsTheReportsColumns_data()
{
    QTest::addColumn<bool>("worksheetFunctions");
    QTest::newRow("totals as worksheet functions") << true;
    QTest::newRow("totals as values") << false;
}

// The workbook a user opens: the report's captions over the columns, amounts
// in the field's number format, and the report's totals under them.
void TestDemoReports::excelShowsTheReportsColumns()
{
    QFETCH(bool, worksheetFunctions);
    const int16_t job = RpeOpenPrintJob((m_reports + QStringLiteral("pogodbe_org.rpt")).toUtf8().constData());
    QVERIFY2(job > 0, qPrintable(RpeTest::errorText(0)));
    const QString xlsx = m_folder->file(QStringLiteral("pogodbe.xlsx"));
    const QByteArray name = xlsx.toUtf8();
    RpeDiskOptions disk{sizeof(RpeDiskOptions), name.constData()};
    RpeExcelOptions excel{};
    excel.StructSize = sizeof excel;
    excel.ColumnHeadings = -1;
    excel.WorksheetFunctions = worksheetFunctions ? -1 : 0;
    RpeExportOptions o{};
    o.StructSize = sizeof(RpeExportOptions);
    std::strcpy(o.FormatDLLName, "rxfxls.dll");
    o.FormatType = 7; // Excel 8
    o.FormatOptions = &excel;
    o.NFormatOptionsBytes = sizeof excel;
    std::strcpy(o.DestinationDLLName, "rxddisk.dll");
    o.DestinationOptions = &disk;
    o.NDestinationOptionsBytes = sizeof disk;
    RPE_VERIFY(RpeExportTo(job, &o) && RpeStartPrintJob(job, 1), job);
    RpeClosePrintJob(job);

    auto part = [&](const char *entry) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), xlsx, QString::fromLatin1(entry)});
        unzip.waitForFinished(30000);
        return QString::fromUtf8(unzip.readAllStandardOutput());
    };
    const QString sheet = part("xl/worksheets/sheet1.xml");
    const QString styles = part("xl/styles.xml");
    const QString firstRow = sheet.section(QStringLiteral("</row>"), 0, 0);
    for (const char *caption : {"Pogodba", "Številka", "Stranka", "Sklenjena", "Znesek"})
        QVERIFY2(firstRow.contains(QStringLiteral("<t>%1</t>").arg(QString::fromUtf8(caption))),
                 qPrintable(firstRow));
    QVERIFY(!firstRow.contains(QStringLiteral("ZNS")));
    QVERIFY2(styles.contains(QStringLiteral("formatCode=\"#,##0.00\"")), qPrintable(styles));

    QSqlQuery q = m_folder->openDatabase().execute(
        QStringLiteral("SELECT COUNT(*), SUM(ZNS) FROM POG WHERE DAN <= '2026-12-31'"));
    QVERIFY(q.next());
    const int rows = q.value(0).toInt();
    const double total = q.value(1).toDouble();
    // Headings, one row per contract, the totals.
    QCOMPARE(int(sheet.count(QStringLiteral("<row "))), rows + 2);
    const QString last = sheet.section(QStringLiteral("<row "), -1);
    const QString sum = QStringLiteral("SUM(E2:E%1)").arg(rows + 1);
    QCOMPARE(last.contains(sum), worksheetFunctions);
    QVERIFY2(last.contains(QStringLiteral("<v>%1</v>").arg(total, 0, 'g', 15)), qPrintable(last));
}

QTEST_MAIN(TestDemoReports)
#include "tst_demoreports.moc"
