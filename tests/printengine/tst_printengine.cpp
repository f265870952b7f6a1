// The engine's main road through its C entry points, on the demo database:
// open, log on, select, set formulas and parameters, export, preview.
#include "tests/printengine/RpeTestSupport.h"
#include "tests/support/TestProgramFolder.h"

#include "shell/DialogHook.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <cstring>
#include <stdexcept>

class TestPrintEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void mainRoadToPdfAndOtherFormats();
    void failures_data();
    void failures();
    void previewOpensAndClosesThroughTheEngine();
    void previewButtonsKeysAndWheel();
    void printsPageRangeToFile();

private:
    QString reportPath() const
    {
        return TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/pogodbe_org.rpt"));
    }
    int16_t openJob();
    bool exportTo(int16_t job, const char *format, uint32_t type, const QString &file);
    QStringList expectedContracts(const QString &where);

    std::unique_ptr<TestProgramFolder> m_folder;
    int16_t m_job = 0;
};

void TestPrintEngine::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    // The alias of the report's tables.
    m_folder->writeFile(
        QStringLiteral("Aliases.ini"),
        QStringLiteral(
            "[LB]\nDRIVER=QSQLITE\nDATABASE=test.db\n[GONE]\nDRIVER=QSQLITE\nDATABASE=missing/none.db\n"));
    QVERIFY(RpeOpenEngine());
}

void TestPrintEngine::cleanupTestCase()
{
    QVERIFY(RpeCloseEngine());
    m_folder.reset();
}

void TestPrintEngine::init()
{
    m_job = 0;
}

void TestPrintEngine::cleanup()
{
    if (m_job)
        RpeClosePrintJob(m_job);
}

int16_t TestPrintEngine::openJob()
{
    m_job = RpeOpenPrintJob(reportPath().toUtf8().constData());
    return m_job;
}

bool TestPrintEngine::exportTo(int16_t job, const char *format, uint32_t type, const QString &file)
{
    const QByteArray name = file.toUtf8();
    RpeDiskOptions disk{sizeof(RpeDiskOptions), name.constData()};
    RpeExportOptions o{};
    o.StructSize = sizeof(RpeExportOptions);
    std::strcpy(o.FormatDLLName, format);
    o.FormatType = type;
    std::strcpy(o.DestinationDLLName, "rxddisk.dll");
    o.DestinationOptions = &disk;
    o.NDestinationOptionsBytes = sizeof(RpeDiskOptions);
    return RpeExportTo(job, &o) && RpeStartPrintJob(job, 1);
}

QStringList TestPrintEngine::expectedContracts(const QString &where)
{
    QStringList r;
    QSqlQuery q = m_folder->openDatabase().execute(
        QStringLiteral("SELECT STPOG FROM POG WHERE %1 ORDER BY IDPOG").arg(where));
    while (q.next())
        r << q.value(0).toString();
    return r;
}

void TestPrintEngine::mainRoadToPdfAndOtherFormats()
{
    const int16_t job = openJob();
    QVERIFY2(job > 0, qPrintable(RpeTest::errorText(0)));

    // Log on every table and test it, as the report run window does.
    const int16_t tables = RpeGetNTables(job);
    QCOMPARE(tables, int16_t(3));
    for (int16_t i = 0; i < tables; ++i) {
        RpeLogOnInfo logon{};
        logon.StructSize = sizeof(RpeLogOnInfo);
        RPE_VERIFY(RpeGetNthTableLogOnInfo(job, i, &logon), job);
        QCOMPARE(QString::fromUtf8(logon.ServerName), QStringLiteral("LB"));
        std::strcpy(logon.UserID, "tester");
        std::strcpy(logon.Password, "secret");
        RPE_VERIFY(RpeSetNthTableLogOnInfo(job, i, &logon, 0), job);
        RPE_VERIFY(RpeTestNthTableConnectivity(job, i), job);
    }

    // The selection keeps the report's own condition and adds the user's.
    RpeTextHandle h = nullptr;
    int16_t length = 0;
    RPE_VERIFY(RpeGetSelectionFormula(job, &h, &length), job);
    const QString stored = RpeTest::takeText(h);
    QCOMPARE(stored, QStringLiteral("{POG.DAN} <= {?DatumDo}"));
    const QString selection = stored + QStringLiteral("\n and {POG.SFDJV} = 'N' and {POG.SFORG} in [1, 3]");
    RPE_VERIFY(RpeSetSelectionFormula(job, selection.toUtf8().constData()), job);
    RPE_VERIFY(RpeSetFormula(job, "FILTER", "'Dejavnost: borzno posredovanje'"), job);

    RpeValueInfo date{};
    date.StructSize = sizeof(RpeValueInfo);
    date.ValueType = RPE_VI_DATE;
    date.Date[0] = 2025;
    date.Date[1] = 12;
    date.Date[2] = 31;
    RPE_VERIFY(RpeAddParameterCurrentValue(job, "DatumDo", "", &date), job);
    QCOMPARE(RpeGetNParameterCurrentValues(job, "DatumDo", ""), int16_t(1));

    const QStringList expected =
        expectedContracts(QStringLiteral("DAN <= '2025-12-31' AND SFDJV = 'N' AND SFORG IN (1, 3)"));
    const QStringList others =
        expectedContracts(QStringLiteral("NOT (DAN <= '2025-12-31' AND SFDJV = 'N' AND SFORG IN (1, 3))"));
    QVERIFY(expected.size() >= 3);

    const QString pdf = m_folder->file(QStringLiteral("izpis.pdf"));
    RPE_VERIFY(exportTo(job, "rxf_pdf.dll", 0, pdf), job);
    const QString text = RpeTest::pdfText(pdf);
    for (const QString &c : expected)
        QVERIFY2(text.contains(c), qPrintable(c + QStringLiteral(" missing from\n") + text));
    for (const QString &c : others)
        QVERIFY2(!text.contains(c), qPrintable(c + QStringLiteral(" should not be in\n") + text));
    QVERIFY(text.contains(QStringLiteral("Dejavnost: borzno posredovanje")));
    QVERIFY(text.contains(QStringLiteral("Stran 1 od 1")));

    RpeJobInfo info{};
    info.StructSize = sizeof(RpeJobInfo);
    QCOMPARE(RpeGetJobStatus(job, &info), int32_t(RPE_JOB_COMPLETED));
    QCOMPARE(int(info.NumRecordsSelected), int(expected.size()));
    QVERIFY(info.PrintEnded);

    // The same job, other formats.
    const QString rtf = m_folder->file(QStringLiteral("izpis.rtf"));
    RPE_VERIFY(exportTo(job, "rxf_rtf.dll", 0, rtf), job);
    const QByteArray rtfBytes = m_folder->readFile(QStringLiteral("izpis.rtf")).toUtf8();
    QVERIFY(rtfBytes.startsWith("{\\rtf1"));
    QCOMPARE(rtfBytes.count('{') - rtfBytes.count("\\{"), rtfBytes.count('}') - rtfBytes.count("\\}"));
    QVERIFY(rtfBytes.contains(expected.first().toUtf8()));

    const QString html = m_folder->file(QStringLiteral("izpis.html"));
    RPE_VERIFY(exportTo(job, "rxfhtml.dll", 3, html), job);
    const QString htmlText = m_folder->readFile(QStringLiteral("izpis.html"));
    QVERIFY(htmlText.startsWith(QStringLiteral("<!DOCTYPE html>")));
    QVERIFY(htmlText.trimmed().endsWith(QStringLiteral("</html>")));
    for (const QString &c : expected)
        QVERIFY(htmlText.contains(c.toHtmlEscaped()));

    const QString csv = m_folder->file(QStringLiteral("izpis.csv"));
    RPE_VERIFY(exportTo(job, "rxfsepv.dll", 0, csv), job);
    const QStringList lines =
        m_folder->readFile(QStringLiteral("izpis.csv")).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    // Rows come in group order; the second cell is the contract number.
    QStringList got;
    for (const QString &line : lines)
        got << line.section(u',', 1, 1).remove(u'"');
    QStringList sortedExpected = expected;
    got.sort();
    sortedExpected.sort();
    QCOMPARE(got, sortedExpected);

    const QString xlsx = m_folder->file(QStringLiteral("izpis.xlsx"));
    RPE_VERIFY(exportTo(job, "rxfxls.dll", 5, xlsx), job);
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-p"), xlsx, QStringLiteral("xl/worksheets/sheet1.xml")});
    QVERIFY(unzip.waitForFinished(30000));
    QCOMPARE(unzip.exitCode(), 0);
    const QString workbook = QString::fromUtf8(unzip.readAllStandardOutput());
    // One row per contract and the report's totals.
    QCOMPARE(int(workbook.count(QRegularExpression(QStringLiteral("<row ")))), int(expected.size()) + 1);
    for (const QString &c : expected)
        QVERIFY(workbook.contains(c));
}

void TestPrintEngine::failures_data()
{
    QTest::addColumn<QString>("report");    // report file text; empty = the demo report
    QTest::addColumn<QString>("selection"); // selection formula to set; empty = leave
    QTest::addColumn<QString>("server");    // log-on server to set; empty = leave
    QTest::addColumn<QString>("table");     // location of table 0 to set; empty = leave
    QTest::addColumn<QString>("failsAt");   // "open", "test" or "start"
    QTest::addColumn<QString>("message");   // a regular expression the error text must match

    QTest::newRow("malformed report file")
        << QStringLiteral("<report>\n  <tables>\n    <table name=\"POG\">\n  </tables>\n</report>\n")
        << QString() << QString() << QString() << QStringLiteral("open")
        << QStringLiteral("^Report file slabo.rpt, line 4, column \\d+: Opening and ending tag mismatch");
    QTest::newRow("unknown section area")
        << QStringLiteral("<report>\n<sections>\n<section area=\"XX\"/>\n</sections>\n</report>\n")
        << QString() << QString() << QString() << QStringLiteral("open")
        << QStringLiteral("line 3, .*\"XX\"; expected one of RH, PH, GH, D, GF, PF, RF");
    QTest::newRow("formula syntax error")
        << QString() << QStringLiteral("{POG.SFDJV} = 'N' and (") << QString() << QString()
        << QStringLiteral("start")
        << QStringLiteral("^Record selection formula: Formula syntax error at position 24: expected a value, "
                          "found the end of the formula$");
    QTest::newRow("unclosed string in a formula")
        << QString() << QStringLiteral("{POG.STPOG} = 'N-2019") << QString() << QString()
        << QStringLiteral("start") << QStringLiteral("position 15: string literal is not closed");
    QTest::newRow("SQL in a field name")
        << QString()
        << QStringLiteral(
               "{POG.SFDJV} in ['zz'] or {POG.IDPOG FROM POG UNION SELECT USR FROM USR --} in [77]")
        << QString() << QString() << QStringLiteral("start")
        << QStringLiteral("^Record selection formula: Formula syntax error at position 26: expected a field "
                          "written as \\{TABLE.FIELD\\}");
    QTest::newRow("field the table does not have")
        << QString() << QStringLiteral("{POG.SFDJV} = 'N' and {POG.GESLO} = 'x'") << QString() << QString()
        << QStringLiteral("start")
        << QStringLiteral(
               "^Record selection formula: Formula error at position 23: table POG has no field GESLO$");
    QTest::newRow("unknown table") << QString() << QString() << QString() << QStringLiteral("NEOBSTAJA")
                                   << QStringLiteral("test")
                                   << QStringLiteral(
                                          "Table NEOBSTAJA cannot be read on server LB: .*no such table");
    QTest::newRow("table location holding SQL")
        << QString() << QString() << QString() << QStringLiteral("POG; DELETE FROM USR")
        << QStringLiteral("test") << QStringLiteral("^Table POG; DELETE FROM USR is not a table name$");
    QTest::newRow("unreachable database")
        << QString() << QString() << QStringLiteral("GONE") << QString() << QStringLiteral("test")
        << QStringLiteral("Cannot log on to server GONE: .*none.db");
}

void TestPrintEngine::failures()
{
    QFETCH(QString, report);
    QFETCH(QString, selection);
    QFETCH(QString, server);
    QFETCH(QString, table);
    QFETCH(QString, failsAt);
    QFETCH(QString, message);

    QString path = reportPath();
    if (!report.isEmpty()) {
        m_folder->writeFile(QStringLiteral("slabo.rpt"), report);
        path = m_folder->file(QStringLiteral("slabo.rpt"));
    }
    m_job = RpeOpenPrintJob(path.toUtf8().constData());
    if (failsAt == QLatin1String("open")) {
        QCOMPARE(m_job, int16_t(0));
        QCOMPARE(RpeGetErrorCode(0), int16_t(RPE_ERR_REPORT_FILE));
        const QString text = RpeTest::errorText(0);
        QVERIFY2(text.contains(QRegularExpression(message)), qPrintable(text));
        return;
    }
    QVERIFY2(m_job > 0, qPrintable(RpeTest::errorText(0)));
    if (!selection.isEmpty())
        RPE_VERIFY(RpeSetSelectionFormula(m_job, selection.toUtf8().constData()), m_job);
    if (!server.isEmpty()) {
        RpeLogOnInfo logon{};
        logon.StructSize = sizeof(RpeLogOnInfo);
        std::strcpy(logon.ServerName, server.toUtf8().constData());
        RPE_VERIFY(RpeSetNthTableLogOnInfo(m_job, 0, &logon, 1), m_job);
    }
    if (!table.isEmpty()) {
        RpeTableLocation location{};
        location.StructSize = sizeof(RpeTableLocation);
        std::strcpy(location.Location, table.toUtf8().constData());
        RPE_VERIFY(RpeSetNthTableLocation(m_job, 0, &location), m_job);
    }
    const RpeBool ok = failsAt == QLatin1String("test")
                           ? RpeTestNthTableConnectivity(m_job, 0)
                           : exportTo(m_job, "rxf_pdf.dll", 0, m_folder->file(QStringLiteral("x.pdf")));
    QVERIFY(!ok);
    QVERIFY(RpeGetErrorCode(m_job) > 0);
    const QString text = RpeTest::errorText(m_job);
    QVERIFY2(text.contains(QRegularExpression(message)), qPrintable(text));
}

static QList<int16_t> g_events;

static RpeBool recordEvent(int16_t id, void *param, void *)
{
    g_events << id;
    // The record starts with its own size.
    uint16_t size = 0;
    std::memcpy(&size, param, sizeof size);
    return size > 0;
}

void TestPrintEngine::previewOpensAndClosesThroughTheEngine()
{
    const int16_t job = openJob();
    QVERIFY(job > 0);
    RPE_VERIFY(RpeOutputToWindow(job, "Predogled", 10, 10, 600, 700,
                                 RPE_WS_VISIBLE | RPE_WS_CAPTION | RPE_WS_SYSMENU, nullptr),
               job);
    RpeEnableEventInfo events{};
    events.StructSize = sizeof(RpeEnableEventInfo);
    events.CloseWindowEvent = 1;
    events.StartStopEvent = 1;
    RPE_VERIFY(RpeEnableEvent(job, &events), job);
    RPE_VERIFY(RpeSetEventCallback(job, recordEvent, nullptr), job);
    g_events.clear();
    RPE_VERIFY(RpeStartPrintJob(job, 1), job);
    auto *window = static_cast<QWidget *>(RpeGetWindowHandle(job));
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Predogled"));
    QCOMPARE(g_events, (QList<int16_t>{RPE_EVENT_START, RPE_EVENT_STOP}));

    RPE_VERIFY(RpeZoomPreviewWindow(job, RPE_ZOOM_SIZE_FIT_BOTH_SIDES), job);
    RPE_VERIFY(RpeCloseWindow(job), job);
    QCOMPARE(RpeGetWindowHandle(job), nullptr);
    QCOMPARE(g_events.last(), int16_t(RPE_EVENT_CLOSE_WINDOW));
    QVERIFY(!RpeCloseWindow(job));
    QCOMPARE(RpeGetErrorCode(job), int16_t(RPE_ERR_NOT_FOUND));
}

namespace {
QString pageLabel(QWidget *preview)
{
    return preview->findChild<QLabel *>(QStringLiteral("PageLabel"))->text().trimmed();
}

void turnWheel(QWidget *preview, int notches)
{
    QWidget *viewport = preview->findChild<QScrollArea *>()->viewport();
    QWheelEvent wheel(QPointF(20, 20), viewport->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}
} // namespace

void TestPrintEngine::previewButtonsKeysAndWheel()
{
    const int16_t job = openJob();
    QVERIFY(job > 0);
    // Three copies of every detail give several pages.
    RPE_VERIFY(RpeSetNDetailCopies(job, 3), job);
    RPE_VERIFY(
        RpeOutputToWindow(job, "Predogled", 10, 10, 600, 700, RPE_WS_VISIBLE | RPE_WS_CAPTION, nullptr), job);
    RpeWindowOptions options{};
    options.StructSize = sizeof options;
    RPE_VERIFY(RpeGetWindowOptions(job, &options), job);
    options.HasCancelButton = options.HasPrintSetupButton = options.HasRefreshButton = 1;
    RPE_VERIFY(RpeSetWindowOptions(job, &options), job);
    RpeEnableEventInfo events{};
    events.StructSize = sizeof(RpeEnableEventInfo);
    events.WindowButtonEvent = 1;
    events.StartStopEvent = 1;
    RPE_VERIFY(RpeEnableEvent(job, &events), job);
    RPE_VERIFY(RpeSetEventCallback(job, recordEvent, nullptr), job);
    RPE_VERIFY(RpeStartPrintJob(job, 1), job);
    auto *preview = static_cast<QWidget *>(RpeGetWindowHandle(job));
    QVERIFY(preview);
    auto button = [&](const char *name) { return preview->findChild<QToolButton *>(QLatin1String(name)); };
    for (const char *name : {"CancelButton", "PrintSetupButton", "RefreshButton"})
        QVERIFY2(button(name)->isVisible(), name);
    const QString allPages = pageLabel(preview);
    QVERIFY2(allPages.section(u'/', 1).toInt() >= 3, qPrintable(allPages));
    QVERIFY(!button("CancelButton")->isEnabled());

    // The whole page is in view: every notch of the wheel turns a page.
    RPE_VERIFY(RpeZoomPreviewWindow(job, RPE_ZOOM_SIZE_FIT_BOTH_SIDES), job);
    g_events.clear();
    turnWheel(preview, -1);
    QCOMPARE(pageLabel(preview).section(u'/', 0, 0).trimmed(), QStringLiteral("2"));
    turnWheel(preview, 1);
    QCOMPARE(pageLabel(preview).section(u'/', 0, 0).trimmed(), QStringLiteral("1"));
    QCOMPARE(g_events, (QList<int16_t>{RPE_EVENT_NEXT_PAGE_BUTTON, RPE_EVENT_PREVIOUS_PAGE_BUTTON}));

    // Print setup asks for the paper and printer.
    DialogHook::clearShown();
    QTest::mouseClick(button("PrintSetupButton"), Qt::LeftButton);
    QCOMPARE(DialogHook::shown().value(0).caption, QStringLiteral("Nastavitve tiskanja"));

    // Refresh runs the report again with what the job holds now.
    RPE_VERIFY(RpeSetSelectionFormula(job, "{POG.IDPOG} = 1001"), job);
    g_events.clear();
    QTest::mouseClick(button("RefreshButton"), Qt::LeftButton);
    QCOMPARE(pageLabel(preview), QStringLiteral("1 / 1"));
    QCOMPARE(g_events, (QList<int16_t>{RPE_EVENT_REFRESH_BUTTON, RPE_EVENT_START, RPE_EVENT_STOP}));

    // While a refresh runs only Cancel works; it stops the run, and the pages
    // shown stay.
    RPE_VERIFY(RpeSetSelectionFormula(job, ""), job);
    QTimer::singleShot(0, this, [&] {
        QTest::mouseClick(button("CloseButton"), Qt::LeftButton);
        QTest::mouseClick(button("CancelButton"), Qt::LeftButton);
    });
    QTest::mouseClick(button("RefreshButton"), Qt::LeftButton);
    QCOMPARE(pageLabel(preview), QStringLiteral("1 / 1"));
    QVERIFY(preview->isVisible());
    RpeJobInfo info{};
    info.StructSize = sizeof info;
    QCOMPARE(RpeGetJobStatus(job, &info), int32_t(RPE_JOB_CANCELLED));
    QVERIFY(!button("CancelButton")->isEnabled());
    QVERIFY(button("NextPageButton")->isVisible());

    // The keys page as the buttons do; Esc closes.
    QTest::mouseClick(button("RefreshButton"), Qt::LeftButton);
    QCOMPARE(pageLabel(preview), allPages);
    QTest::keyClick(preview, Qt::Key_End);
    QCOMPARE(pageLabel(preview), allPages.section(u'/', 1).trimmed() + QStringLiteral(" / ") +
                                     allPages.section(u'/', 1).trimmed());
    QTest::keyClick(preview, Qt::Key_Home);
    QCOMPARE(pageLabel(preview), allPages);

    // A host whose callback throws only cancels the action.
    RPE_VERIFY(RpeSetEventCallback(
                   job,
                   [](int16_t id, void *, void *) -> RpeBool {
                       if (id == RPE_EVENT_NEXT_PAGE_BUTTON)
                           throw std::runtime_error("host failure");
                       return 1;
                   },
                   nullptr),
               job);
    QTest::mouseClick(button("NextPageButton"), Qt::LeftButton);
    QCOMPARE(pageLabel(preview), allPages);
    QTest::keyClick(preview, Qt::Key_Escape);
    QCOMPARE(RpeGetWindowHandle(job), nullptr);
}

void TestPrintEngine::printsPageRangeToFile()
{
    const int16_t job = openJob();
    QVERIFY(job > 0);
    // Three copies of every detail make the report run over several pages.
    RPE_VERIFY(RpeSetNDetailCopies(job, 3), job);
    RPE_VERIFY(RpeOutputToPrinter(job, 1), job);
    RpePrintOptions options{};
    options.StructSize = sizeof options;
    RPE_VERIFY(RpeGetPrintOptions(job, &options), job);
    QCOMPARE(int(options.NReportCopies), 1);
    const QByteArray file = m_folder->file(QStringLiteral("tisk.pdf")).toUtf8();
    std::strcpy(options.OutputFileName, file.constData());
    options.StartPageN = 2;
    options.StopPageN = 2;
    RPE_VERIFY(RpeSetPrintOptions(job, &options), job);
    RPE_VERIFY(RpeStartPrintJob(job, 1), job);

    RpeJobInfo info{};
    info.StructSize = sizeof info;
    RpeGetJobStatus(job, &info);
    QVERIFY(info.LatestPageN >= 3);
    const QString text = RpeTest::pdfText(QString::fromUtf8(file));
    QVERIFY2(text.contains(QStringLiteral("Stran 2 od %1").arg(info.LatestPageN)), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("Stran 1 od")));
    QVERIFY(!text.contains(QStringLiteral("Stran 3 od")));
    // At the printer's resolution the texts keep their size: nothing is cut short.
    QVERIFY2(!text.contains(QChar(0x2026)), qPrintable(text));
}

QTEST_MAIN(TestPrintEngine)
#include "tst_printengine.moc"
