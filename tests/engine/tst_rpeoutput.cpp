// The output sub-objects of the print-job component over the real engine
// library: every export format the engine has, printing to a file with
// copies, collation, page range and orientation, the print dialog's page
// range, the export records the engine cannot check, the cursor codes and
// the live preview window.
#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"
#include "engine/RpeUtl.h"
#include "shell/DialogHook.h"
#include "tests/support/TestProgramFolder.h"

#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>

namespace dyn = RpeDynamic;

using ExportSetup = std::function<void(TRpeExportOptions &)>;
Q_DECLARE_METATYPE(ExportSetup)
Q_DECLARE_METATYPE(TRpeExportType)
Q_DECLARE_METATYPE(TRpeExportDestination)
Q_DECLARE_METATYPE(TRpeOrientation)
Q_DECLARE_METATYPE(TRpeWindowCursor)

class TestRpeOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void everyFormatOfTheEngineWritesItsFile_data();
    void everyFormatOfTheEngineWritesItsFile();
    void formatsTheEngineLacksFailInSend_data();
    void formatsTheEngineLacksFailInSend();
    void promptOnOverwriteAsksBeforeExport();
    void exportRecord_data();
    void exportRecord();
    void exportOptionFields();
    void excelAreaMustBeASectionName();
    void printToFile_data();
    void printToFile();
    void printDialogPageRange_data();
    void printDialogPageRange();
    void cursorCodes_data();
    void cursorCodes();
    void cursorsReachTheEngine();
    void newerButtonBarOptionsWaitForTheirEngine();
    void livePreviewFollowsStyleSizeZoomAndButtons();

private:
    std::unique_ptr<TRpe> openedJob();
    static QString run(const QString &program, const QStringList &arguments);
    static int pdfPages(const QString &file);
    static QString pdfPageText(const QString &file, int page);

    std::unique_ptr<TestProgramFolder> m_folder;
    QString m_report;
};

void TestRpeOutput::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    Database &db = m_folder->openDatabase();
    // Enough clients for three pages of the list.
    for (int i = 1; i <= 120; ++i)
        db.execute(QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV, IME, NSL, PST, MST) "
                                  "VALUES ('A', %1, 'Stranka %2', 'Ana', 'Cesta %1', '1000', 'Ljubljana')")
                       .arg(i)
                       .arg(i, 3, 10, QLatin1Char('0')));
    m_report = TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/partnerji_seznam.rpt"));
}

void TestRpeOutput::cleanupTestCase()
{
    m_folder.reset();
}

void TestRpeOutput::init()
{
    DialogHook::setAnswerer([](const DialogRequest &) { return MsgResult::None; });
    DialogHook::clearShown();
}

void TestRpeOutput::cleanup()
{
    DialogHook::clearAnswerer();
    dyn::RpeMajor = 8;
    dyn::RpeMinor = 5;
}

std::unique_ptr<TRpe> TestRpeOutput::openedJob()
{
    std::unique_ptr<TRpe> job(TRpe::createLoaded(nullptr, [](TRpe &j) { j.setLoadEngineOnUse(false); }));
    job->setReportName(m_report);
    return job;
}

QString TestRpeOutput::run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int TestRpeOutput::pdfPages(const QString &file)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString TestRpeOutput::pdfPageText(const QString &file, int page)
{
    const QString n = QString::number(page);
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), n, QStringLiteral("-l"), n, file, QStringLiteral("-")});
}

// ---- Export ----

void TestRpeOutput::everyFormatOfTheEngineWritesItsFile_data()
{
    QTest::addColumn<TRpeExportType>("type");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("mark"); // in the file, or in the PDF's text

    const QByteArray client = "Stranka 007";
    QTest::newRow("records") << Records << "rec" << client;
    QTest::newRow("tab-separated values") << TabSeparated << "tsv" << QByteArray("\"7\"\t\"Stranka 007\"");
    QTest::newRow("plain text") << Ascii << "txt" << client;
    QTest::newRow("DIF") << Dif << "dif" << QByteArray("\"Stranka 007\"");
    QTest::newRow("comma-separated values") << Csv << "csv" << QByteArray("\"Stranka 007\"");
    QTest::newRow("character-separated values")
        << CharacterSeparated << "txt" << QByteArray("'Stranka 007';");
    QTest::newRow("tab-separated text") << TabSeparatedText << "txt" << client;
    QTest::newRow("report file") << ReportFileRPT << "rpt" << client;
    QTest::newRow("RTF") << RichTextFormat << "rtf" << QByteArray("{\\rtf");
    QTest::newRow("Word") << WordForWindows << "doc" << QByteArray("{\\rtf");
    QTest::newRow("Excel workbook") << ExcelXLS << "xlsx" << QByteArray("PK\x03\x04");
    QTest::newRow("HTML 3.0") << HTML30 << "html" << client;
    QTest::newRow("HTML 3.2 extended") << HTML32ext << "html" << client;
    QTest::newRow("HTML 3.2 standard") << HTML32std << "html" << client;
    QTest::newRow("HTML 4") << HTML4 << "html" << client;
    QTest::newRow("paginated text") << PaginatedText << "txt" << QByteArray("\f");
    QTest::newRow("report definition") << ReportDefinition << "txt" << QByteArray("REPORT_SQL.NZV");
    QTest::newRow("PDF") << AdobeAcrobatPDF << "pdf" << client;
    QTest::newRow("XML") << XML1 << "xml" << client;
}

void TestRpeOutput::everyFormatOfTheEngineWritesItsFile()
{
    QFETCH(TRpeExportType, type);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, mark);

    std::unique_ptr<TRpe> job = openedJob();
    const QString file = m_folder->file(QStringLiteral("izvoz_%1.%2").arg(int(type)).arg(suffix));
    QFile::remove(file);
    job->setOutput(toExport);
    TRpeExportOptions &x = *job->ExportOptions();
    x.FileType = type;
    x.FileName = file;
    x.CharSepDelimiter = '\'';
    x.CharSepSeparator = QStringLiteral(";");
    x.LinesPerPage = 20;
    OVO_TRY(QVERIFY2(job->Execute(), qPrintable(job->LastErrorString())));

    QFile out(file);
    QVERIFY2(out.open(QIODevice::ReadOnly), qPrintable(file));
    const QByteArray content = type == AdobeAcrobatPDF ? pdfPageText(file, 1).toUtf8() : out.readAll();
    QVERIFY2(content.contains(mark), content.left(400).constData());
}

void TestRpeOutput::formatsTheEngineLacksFailInSend_data()
{
    QTest::addColumn<TRpeExportType>("type");
    QTest::addColumn<TRpeExportDestination>("destination");
    QTest::addColumn<bool>("promptForOptions");
    QTest::addColumn<QString>("context");
    const QString exportTo = QStringLiteral("Export.Send <RpeExportTo>");
    QTest::newRow("Lotus spreadsheet") << LotusWK1 << toFile << false << exportTo;
    QTest::newRow("database table") << ODBCTable << toFile << false << exportTo;
    QTest::newRow("notes database") << AdobeAcrobatPDF << toLotusNotes << false << exportTo;
    // The engine has no options dialog of its own.
    QTest::newRow("options asked of the engine")
        << AdobeAcrobatPDF << toFile << true << QStringLiteral("Export.Send <RpeGetExportOptions>");
}

void TestRpeOutput::formatsTheEngineLacksFailInSend()
{
    QFETCH(TRpeExportType, type);
    QFETCH(TRpeExportDestination, destination);
    QFETCH(bool, promptForOptions);
    QFETCH(QString, context);
    std::unique_ptr<TRpe> job = openedJob();
    QString reported;
    job->OnError = [&](TRpe *, int, const QString &text, TRpeErrorResult &result) {
        reported = text;
        result = errIgnore;
    };
    job->setOutput(toExport);
    job->ExportOptions()->FileType = type;
    job->ExportOptions()->Destination = destination;
    job->ExportOptions()->PromptForOptions = promptForOptions;
    job->ExportOptions()->FileName = m_folder->file(QStringLiteral("nothing"));
    QVERIFY(!job->Execute());
    QVERIFY2(reported.contains(context), qPrintable(reported));
}

void TestRpeOutput::promptOnOverwriteAsksBeforeExport()
{
    std::unique_ptr<TRpe> job = openedJob();
    const QString file = m_folder->file(QStringLiteral("obstaja.csv"));
    m_folder->writeFile(QStringLiteral("obstaja.csv"), QStringLiteral("old"));
    job->setOutput(toExport);
    job->ExportOptions()->FileType = Csv;
    job->ExportOptions()->FileName = file;
    job->ExportOptions()->PromptOnOverwrite = true;

    DialogHook::setAnswerer([](const DialogRequest &) { return MsgResult::Cancel; });
    QVERIFY(!job->Execute());
    const ShownDialog asked{QStringLiteral("Export Warning"),
                            QStringLiteral("Export FileName already exists.  Overwrite?")};
    QCOMPARE(DialogHook::shown(), QList<ShownDialog>{asked});
    QCOMPARE(m_folder->readFile(QStringLiteral("obstaja.csv")), QStringLiteral("old"));

    DialogHook::setAnswerer([](const DialogRequest &) { return MsgResult::OK; });
    QVERIFY2(job->Execute(), qPrintable(job->LastErrorString()));
    QVERIFY(m_folder->readFile(QStringLiteral("obstaja.csv")).contains(QStringLiteral("Stranka 007")));
}

void TestRpeOutput::exportRecord_data()
{
    QTest::addColumn<ExportSetup>("setup");
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("format");
    QTest::addColumn<uint>("formatType");
    QTest::addColumn<int>("formatSize"); // 0 = no options
    QTest::addColumn<QString>("destination");
    QTest::addColumn<uint>("destinationType");
    QTest::addColumn<int>("destinationSize");

    auto type = [](TRpeExportType t) { return ExportSetup([t](TRpeExportOptions &x) { x.FileType = t; }); };
    QTest::newRow("tab-separated values")
        << type(TabSeparated) << 8 << "rxfsepv.dll" << 1u << 10 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("character-separated values adds delimiter and separator")
        << type(CharacterSeparated) << 8 << "rxfsepv.dll" << 2u << 15 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("tab-separated text")
        << type(TabSeparatedText) << 8 << "rxftext.dll" << 1u << 0 << "rxddisk.dll" << 0u << 10;
    // The one library named without an extension.
    QTest::newRow("paginated text") << type(PaginatedText) << 8 << "rxftext" << 2u << 4 << "rxddisk.dll" << 0u
                                    << 10;
    QTest::newRow("HTML 3.2 standard")
        << type(HTML32std) << 8 << "rxfhtml.dll" << 2u << 10 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("HTML 4") << type(HTML4) << 8 << "rxfhtml.dll" << 3u << 14 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("Lotus WK3") << type(LotusWK3) << 8 << "rxfwks.dll" << 2u << 0 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("database table") << type(ODBCTable) << 8 << "rxfodbc.dll" << 0u << 34 << "rxddisk.dll"
                                    << 0u << 10;
    QTest::newRow("RTF with the older library sends no options") << ExportSetup([](TRpeExportOptions &x) {
        x.FileType = RichTextFormat;
        x.RTF.UseOlderDll = true;
    }) << 8 << "rxfrtf.dll" << 0u << 0 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("RTF that prompts sends no options") << ExportSetup([](TRpeExportOptions &x) {
        x.FileType = RichTextFormat;
        x.RTF.Prompt = true;
    }) << 8 << "rxf_rtf.dll" << 0u << 0 << "rxddisk.dll"
                                                       << 0u << 10;
    QTest::newRow("PDF with the older library keeps its options") << ExportSetup([](TRpeExportOptions &x) {
        x.FileType = AdobeAcrobatPDF;
        x.PDF.UseOlderDll = true;
    }) << 8 << "rxfpdf.dll" << 0u << 12 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("PDF that prompts leaves the options to the engine")
        << ExportSetup([](TRpeExportOptions &x) {
               x.FileType = AdobeAcrobatPDF;
               x.PDF.Prompt = true;
           })
        << 8 << "rxf_pdf.dll" << 0u << 0 << "rxddisk.dll" << 0u << 10;

    auto excel = [](TRpeExportExcelType kind) {
        return ExportSetup([kind](TRpeExportOptions &x) {
            x.FileType = ExcelXLS;
            x.Excel.XlsType = kind;
        });
    };
    QTest::newRow("Excel 5 has no options")
        << excel(Excel5) << 8 << "rxfxls.dll" << 3u << 0 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("Excel 8 tabular on engine 7")
        << excel(Excel8Tab) << 7 << "rxfxls.dll" << 8u << 30 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("Excel 7 on engine 6 stops before the worksheet functions")
        << excel(Excel7) << 6 << "rxfxls.dll" << 5u << 20 << "rxddisk.dll" << 0u << 10;
    QTest::newRow("Excel on engine 5 has column headings only")
        << excel(Excel5Extended) << 5 << "rxfxls.dll" << 4u << 4 << "rxddisk.dll" << 0u << 10;

    auto to = [](TRpeExportDestination d, const QString &app = QString()) {
        return ExportSetup([d, app](TRpeExportOptions &x) {
            x.FileType = Csv;
            x.Destination = d;
            x.AppName = app;
        });
    };
    QTest::newRow("mail") << to(toEmailViaMapi) << 8 << "rxfsepv.dll" << 0u << 10 << "rxdmapi.dll" << 0u
                          << 34;
    QTest::newRow("mail with blind copies")
        << to(toEmailViaVIM) << 8 << "rxfsepv.dll" << 0u << 10 << "rxdvim.dll" << 0u << 42;
    QTest::newRow("SMI goes the VIM way")
        << to(toEmailViaSMI) << 8 << "rxfsepv.dll" << 0u << 10 << "rxdvim.dll" << 0u << 42;
    QTest::newRow("mail server folder")
        << to(toMSExchange) << 8 << "rxfsepv.dll" << 0u << 10 << "rxdpost.dll" << 0u << 28;
    QTest::newRow("notes database") << to(toLotusNotes) << 8 << "rxfsepv.dll" << 0u << 10 << "rxdnotes.dll"
                                    << 3u << 26;
    QTest::newRow("application chosen by the engine")
        << to(toApplication) << 8 << "rxfsepv.dll" << 0u << 10 << "rxdapp.dll" << 0u << 10;
    QTest::newRow("named application: the component opens the file")
        << to(toApplication, QStringLiteral("libreoffice")) << 8 << "rxfsepv.dll" << 0u << 10 << "rxddisk.dll"
        << 0u << 10;
    QTest::newRow("engine 6 cannot open an application")
        << to(toApplication) << 6 << "rxfsepv.dll" << 0u << 10 << "rxddisk.dll" << 0u << 10;
}

namespace {
uint16_t sizeOf(const void *options)
{
    uint16_t size = 0;
    if (options)
        std::memcpy(&size, options, sizeof size);
    return size;
}
} // namespace

void TestRpeOutput::exportRecord()
{
    QFETCH(ExportSetup, setup);
    QFETCH(int, engine);
    QFETCH(QString, format);
    QFETCH(uint, formatType);
    QFETCH(int, formatSize);
    QFETCH(QString, destination);
    QFETCH(uint, destinationType);
    QFETCH(int, destinationSize);

    dyn::RpeMajor = engine;
    TRpe rpe;
    TRpeExportOptions &x = *rpe.ExportOptions();
    x.FileName = QStringLiteral("out.file");
    setup(x);
    QVERIFY(x.BuildRecord());
    const RpeExportOptions &r = x.Record();
    QCOMPARE(QString::fromLatin1(r.FormatDLLName), format);
    QCOMPARE(r.FormatType, formatType);
    QCOMPARE(int(r.NFormatOptionsBytes), formatSize);
    QCOMPARE(int(sizeOf(r.FormatOptions)), formatSize);
    QCOMPARE(r.FormatOptions == nullptr, formatSize == 0);
    QCOMPARE(QString::fromLatin1(r.DestinationDLLName), destination);
    QCOMPARE(r.DestinationType, destinationType);
    QCOMPARE(int(r.NDestinationOptionsBytes), destinationSize);
    QCOMPARE(int(sizeOf(r.DestinationOptions)), destinationSize);
}

void TestRpeOutput::exportOptionFields()
{
    TRpe rpe;
    TRpeExportOptions &x = *rpe.ExportOptions();
    x.FileName = QStringLiteral("  izvoz.xlsx ");
    x.FileType = ExcelXLS;
    x.Excel.XlsType = Excel8;
    x.Excel.ColumnWidth = ByConstant;
    x.Excel.Constant = 1440;
    x.Excel.Area = QStringLiteral("GH2");
    x.Excel.WorksheetFunctions = false;
    x.Excel.ColumnHeadings = true;
    QVERIFY(x.BuildRecord());
    RpeExcelOptions excel{};
    std::memcpy(&excel, x.Record().FormatOptions, sizeof excel);
    // Booleans travel as -1 and 0.
    QCOMPARE(excel.ColumnHeadings, int16_t(-1));
    QCOMPARE(excel.UseConstantColumnWidth, int16_t(-1));
    QCOMPARE(double(excel.ColumnWidth), 1440.0);
    QCOMPARE(excel.WorksheetFunctions, int16_t(0));
    QCOMPARE(excel.TabularFormat, int16_t(0));
    int16_t gh2 = 0;
    QVERIFY(RpeUtl::StrToSectionCode(QStringLiteral("GH2"), gh2));
    QCOMPARE(int(excel.BaseAreaType), dyn::SectionAreaType(gh2));
    QCOMPARE(int(excel.BaseAreaGroupNum), dyn::SectionN(gh2) + 1);
    RpeDiskOptions disk{};
    std::memcpy(&disk, x.Record().DestinationOptions, sizeof disk);
    // Pointers of the packed records are read by value, never bound by reference.
    const char *diskFile = disk.FileName;
    QCOMPARE(QString::fromUtf8(diskFile), QStringLiteral("izvoz.xlsx"));

    x.Clear();
    x.Destination = toMSExchange;
    x.Exchange.Profile = QStringLiteral("Pošta");
    QVERIFY(x.BuildRecord());
    RpeExchangeOptions exchange{};
    std::memcpy(&exchange, x.Record().DestinationOptions, sizeof exchange);
    const char *profile = exchange.Profile;
    QCOMPARE(QString::fromUtf8(profile), QStringLiteral("Pošta"));
    QCOMPARE(uint16_t(exchange.ItemType), uint16_t(1011));
}

void TestRpeOutput::excelAreaMustBeASectionName()
{
    TRpe rpe;
    int number = 0;
    QString context;
    rpe.OnError = [&](TRpe *, int n, const QString &text, TRpeErrorResult &result) {
        number = n;
        context = text;
        result = errIgnore;
    };
    rpe.ExportOptions()->FileType = ExcelXLS;
    rpe.ExportOptions()->Excel.Area = QStringLiteral("XY");
    QVERIFY(!rpe.ExportOptions()->BuildRecord());
    QCOMPARE(number, 360);
    QVERIFY2(context.contains(QStringLiteral("Invalid Section Code or String")), qPrintable(context));
    QVERIFY2(context.contains(QStringLiteral("Export.Send <StrToSectionCode>")), qPrintable(context));
}

// ---- Printing ----

void TestRpeOutput::printToFile_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("collation");
    QTest::addColumn<int>("startPage");
    QTest::addColumn<int>("stopPage");
    QTest::addColumn<TRpeOrientation>("orientation");
    QTest::addColumn<QStringList>("pageFooters"); // "n" stands for "Stran n od"
    QTest::addColumn<bool>("landscape");

    QTest::newRow("the report as it is")
        << 1 << true << 0 << 0 << orDefault << QStringList{"1", "2", "3"} << false;
    QTest::newRow("page range") << 1 << true << 2 << 3 << orDefault << QStringList{"2", "3"} << false;
    QTest::newRow("two collated copies of a range")
        << 2 << true << 1 << 2 << orDefault << QStringList{"1", "2", "1", "2"} << false;
    QTest::newRow("two copies uncollated")
        << 2 << false << 2 << 3 << orDefault << QStringList{"2", "2", "3", "3"} << false;
    QTest::newRow("landscape on the report's own printer")
        << 1 << true << 2 << 2 << orLandscape << QStringList{"2"} << true;
}

void TestRpeOutput::printToFile()
{
    QFETCH(int, copies);
    QFETCH(bool, collation);
    QFETCH(int, startPage);
    QFETCH(int, stopPage);
    QFETCH(TRpeOrientation, orientation);
    QFETCH(QStringList, pageFooters);
    QFETCH(bool, landscape);

    std::unique_ptr<TRpe> job = openedJob();
    const QString pdf =
        m_folder->file(QStringLiteral("tisk_%1.pdf").arg(QTest::currentDataTag()).replace(u' ', u'_'));
    QFile::remove(pdf);
    TRpePrintOptions &options = *job->PrintOptions();
    options.setOutputFileName(pdf);
    options.setCopies(uint16_t(copies));
    options.setCollation(collation);
    options.setStopPage(uint16_t(stopPage));
    options.setStartPage(uint16_t(startPage));
    job->Printer()->Orientation = orientation;
    // What the engine holds comes back through the getters.
    QCOMPARE(options.OutputFileName(), pdf);
    QCOMPARE(int(options.Copies()), copies);
    QCOMPARE(options.Collation(), collation);
    QCOMPARE(int(options.StartPage()), startPage);

    std::optional<RpeDeviceMode> sent;
    job->OnPrinterSend = [&](TRpe *, RpeDeviceMode &mode, bool &) { sent = mode; };
    job->setOutput(toPrinter);
    OVO_TRY(QVERIFY2(job->Execute(), qPrintable(job->LastErrorString())));

    QCOMPARE(pdfPages(pdf), int(pageFooters.size()));
    for (int i = 0; i < pageFooters.size(); ++i) {
        const QString footer = QStringLiteral("Stran %1 od ").arg(pageFooters[i]);
        const QString text = pdfPageText(pdf, i + 1);
        QVERIFY2(text.contains(footer),
                 qPrintable(QStringLiteral("page %1 lacks %2: %3").arg(i + 1).arg(footer, text)));
    }
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"))
            .match(run(QStringLiteral("pdfinfo"), {pdf}));
    QVERIFY(size.hasMatch());
    QCOMPARE(size.captured(1).toDouble() > size.captured(2).toDouble(), landscape);

    // The printer goes to the engine only when something was chosen; then
    // the device mode carries the copies of an engine from 7 on.
    QCOMPARE(sent.has_value(), orientation != orDefault);
    if (sent) {
        QCOMPARE(sent->Orientation, int16_t(2));
        QCOMPARE(sent->Copies, int16_t(copies));
        QVERIFY(sent->Fields & RPE_DM_COPIES);
        // Without an installed printer the report's printer is the print file.
        if (QPrinterInfo::defaultPrinterName().isEmpty()) {
            QCOMPARE(job->Printer()->Name, QStringLiteral(RPE_FILE_PRINTER_NAME));
            QCOMPARE(job->Printer()->Port, QStringLiteral("FILE:"));
        }
    }
}

void TestRpeOutput::printDialogPageRange_data()
{
    QTest::addColumn<int>("startPage");
    QTest::addColumn<int>("stopPage");
    QTest::addColumn<int>("startAfter");
    QTest::addColumn<int>("stopAfter");
    QTest::newRow("nothing set is all pages") << 0 << 0 << 1 << 65535;
    QTest::newRow("from the first page to the end is all pages") << 1 << 65535 << 1 << 65535;
    QTest::newRow("a range stays") << 2 << 3 << 2 << 3;
    QTest::newRow("up to a page starts at the first") << 0 << 5 << 1 << 5;
    QTest::newRow("from a page to the end stays a range") << 2 << 0 << 2 << 65535;
}

void TestRpeOutput::printDialogPageRange()
{
    QFETCH(int, startPage);
    QFETCH(int, stopPage);
    QFETCH(int, startAfter);
    QFETCH(int, stopAfter);

    TRpe rpe;
    TRpePrintOptions &options = *rpe.PrintOptions();
    options.setCopies(2);
    options.setCollation(false);
    options.setStartPage(uint16_t(startPage));
    options.setStopPage(uint16_t(stopPage));

    DialogHook::setAnswerer([](const DialogRequest &) { return MsgResult::Cancel; });
    QVERIFY(!rpe.Printer()->ShowPrintDlg());
    QCOMPARE(int(options.StartPage()), startPage);

    DialogHook::setAnswerer([](const DialogRequest &) { return MsgResult::OK; });
    QVERIFY(rpe.Printer()->ShowPrintDlg());
    QCOMPARE(int(options.StartPage()), startAfter);
    QCOMPARE(int(options.StopPage()), stopAfter);
    QCOMPARE(int(options.Copies()), 2);
    QVERIFY(!options.Collation());
}

// ---- Preview window ----

void TestRpeOutput::cursorCodes_data()
{
    QTest::addColumn<TRpeWindowCursor>("cursor");
    QTest::addColumn<int>("code");
    QTest::newRow("default") << wcDefault << 0;
    QTest::newRow("arrow") << wcArrow << 1;
    QTest::newRow("size north-east to south-west") << wcSizeNESW << 7;
    QTest::newRow("help, the last standard one") << wcHelp << 13;
    QTest::newRow("magnify is the top code") << wcMagnify << 99;
    QTest::newRow("background process") << wcBackgroundProcess << 94;
    QTest::newRow("grab hand") << wcGrabHand << 95;
    QTest::newRow("zoom in") << wcZoomIn << 96;
    QTest::newRow("report section") << wcReportSection << 97;
    QTest::newRow("hand") << wcHand << 98;
}

void TestRpeOutput::cursorCodes()
{
    QFETCH(TRpeWindowCursor, cursor);
    QFETCH(int, code);
    QCOMPARE(TRpeWindowCursors::code(cursor), code);
    QCOMPARE(TRpeWindowCursors::fromCode(code), cursor);
}

void TestRpeOutput::cursorsReachTheEngine()
{
    // Codes between the standard and the engine's own stand for nothing.
    QCOMPARE(TRpeWindowCursors::fromCode(50), wcDefault);
    QCOMPARE(TRpeWindowCursors::fromCode(14), wcDefault);

    std::unique_ptr<TRpe> job = openedJob();
    TRpeWindowCursors &cursors = *job->WindowCursor();
    cursors.setCursor(TRpeWindowCursors::DetailAreaField, wcHand);
    cursors.setCursor(TRpeWindowCursors::Graph, wcCross);
    RpeTrackCursorInfo info{};
    QVERIFY(dyn::RpeGetTrackCursorInfo(job->JobNumber(), &info));
    QCOMPARE(info.DetailAreaFieldCursor, 98);
    QCOMPARE(info.GraphCursor, 2);

    // The subreport and hyperlink cursors came with engine 8.
    dyn::RpeMajor = 7;
    cursors.setCursor(TRpeWindowCursors::HyperLink, wcZoomIn);
    QCOMPARE(cursors.cursor(TRpeWindowCursors::HyperLink), wcZoomIn);
    dyn::RpeMajor = 8;
    QVERIFY(dyn::RpeGetTrackCursorInfo(job->JobNumber(), &info));
    QVERIFY(info.HyperlinkCursor != 96);
    QVERIFY(cursors.Send());
    QVERIFY(dyn::RpeGetTrackCursorInfo(job->JobNumber(), &info));
    QCOMPARE(info.HyperlinkCursor, int16_t(96));
    QCOMPARE(info.OnDemandSubreportCursor, int16_t(99));
}

void TestRpeOutput::newerButtonBarOptionsWaitForTheirEngine()
{
    std::unique_ptr<TRpe> job = openedJob();
    TRpeWindowButtonBar &bar = *job->WindowButtonBar();
    bar.setOption(TRpeWindowButtonBar::SearchBtn, true);
    dyn::RpeMajor = 7;
    bar.setOption(TRpeWindowButtonBar::LaunchBtn, true);
    QVERIFY(bar.option(TRpeWindowButtonBar::LaunchBtn));
    dyn::RpeMajor = 8;
    RpeWindowOptions options{};
    QVERIFY(dyn::RpeGetWindowOptions(job->JobNumber(), &options));
    QCOMPARE(options.HasSearchButton, int16_t(-1));
    QCOMPARE(options.HasLaunchButton, int16_t(0));
    QCOMPARE(options.HasPrintButton, int16_t(-1));
    QCOMPARE(options.HasGroupTree, int16_t(0));
}

void TestRpeOutput::livePreviewFollowsStyleSizeZoomAndButtons()
{
    std::unique_ptr<TRpe> job = openedJob();
    job->setOutput(toWindow);
    job->WindowStyle()->setTitle(QStringLiteral("Stranke"));
    job->WindowSize()->setWidth(600);
    job->WindowSize()->setHeight(500);
    job->WindowZoom()->setMagnification(10);
    QCOMPARE(job->WindowZoom()->Preview(), pwDefault);

    bool checked = false;
    QTimer::singleShot(300, this, [&] {
        // A failed check must still end Execute.
        const auto close = qScopeGuard([&] { job->CloseWindow(); });
        auto *window = static_cast<QWidget *>(job->ReportWindowHandle());
        QVERIFY(window);
        // The zoom shows in the size of the page the window scrolls.
        auto *scroll = window->findChild<QScrollArea *>();
        QVERIFY(scroll && scroll->widget());
        auto pageWidth = [&] { return scroll->widget()->width(); };
        QCOMPARE(window->windowTitle(), QStringLiteral("Stranke"));
        QCOMPARE(int(job->WindowSize()->Width()), window->width());
        const int fullSize = pageWidth();

        job->WindowStyle()->setTitle(QStringLiteral("Stranke 2"));
        job->WindowStyle()->setDisabled(true);
        job->WindowSize()->setLeft(40);
        job->WindowSize()->setWidth(700);
        QCOMPARE(window->windowTitle(), QStringLiteral("Stranke 2"));
        QVERIFY(!window->isEnabled());
        QCOMPARE(window->geometry().left(), 40);
        QCOMPARE(int(job->WindowSize()->Width()), 700);

        // 3 to 24 mean no zoom at all; 25 and up are percent.
        job->WindowZoom()->setMagnification(12);
        QCOMPARE(pageWidth(), fullSize);
        job->WindowZoom()->setMagnification(75);
        QVERIFY2(qAbs(pageWidth() - fullSize * 0.75) <= 2,
                 qPrintable(QStringLiteral("%1 of %2").arg(pageWidth()).arg(fullSize)));
        job->WindowZoom()->setPreview(pwWholePage);
        QVERIFY(pageWidth() != int(fullSize * 0.75));
        QCOMPARE(int(job->WindowZoom()->Magnification()), 2);

        // An open window's record changes one field at a time.
        job->WindowButtonBar()->setOption(TRpeWindowButtonBar::ExportBtn, false);
        RpeWindowOptions options{};
        QVERIFY(dyn::RpeGetWindowOptions(job->JobNumber(), &options));
        QCOMPARE(options.HasExportButton, int16_t(0));
        QCOMPARE(options.HasPrintButton, int16_t(-1));
        checked = true;
    });
    job->OnWindowClose = [](TRpe *) {};
    QVERIFY2(job->Execute(), qPrintable(job->LastErrorString()));
    QVERIFY(checked);
}

QTEST_MAIN(TestRpeOutput)
#include "tst_rpeoutput.moc"
