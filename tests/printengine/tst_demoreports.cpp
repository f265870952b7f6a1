// Every demo report file opens and runs on the demo database, and the
// per-contract confirmation prints its orders and the unit's signatures.
#include "tests/printengine/RpeTestSupport.h"
#include "tests/support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTest>
#include <cstring>

class TestDemoReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyReportRuns_data();
    void everyReportRuns();
    void contractConfirmationWithSignatures();

private:
    bool runToPdf(int16_t job, const QString &pdf);
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
    QDir().mkpath(m_reports);
    const QDir source(TestProgramFolder::sourceFile(QStringLiteral("db/program/Report")));
    for (const QString &f : source.entryList(QDir::Files))
        QVERIFY(QFile::copy(source.filePath(f), m_reports + f));
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

QTEST_MAIN(TestDemoReports)
#include "tst_demoreports.moc"
