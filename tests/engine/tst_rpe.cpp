// The print-job component over the real engine library: creation as a stored
// component with and without LoadEngineOnUse, the push of title, selection and
// a formula into an exported PDF, the preview with OnWindowClose, the version
// gate of LoadEngine, and the error model with OnError.
#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"
#include "engine/RpeUtl.h"
#include "shell/Abort.h"
#include "shell/DialogHook.h"
#include "shell/Errors.h"
#include "shell/ProgramFolder.h"
#include "tests/support/TestProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace dyn = RpeDynamic;

class TestRpe : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void createdAsStoredComponent_data();
    void createdAsStoredComponent();
    void exportShowsTitleSelectionAndFormula();
    void previewRunsOnWindowCloseWhenClosed();
    void previewInAnMdiFrameLivesInItsOwnForm();
    void drillMouseAndLinkEventsReachTheirHandlers();
    void executeInsideAnEventHandlerIsRefused();
    void aThrowingWindowHandlerStopsAtTheCallback_data();
    void aThrowingWindowHandlerStopsAtTheCallback();
    void reportNameKeepsOrClosesTheJob();
    void componentsKeepTheirJobsWhenAnotherCloses();
    void missingReportAndName_data();
    void missingReportAndName();
    void errorResults_data();
    void errorResults();
    void withoutOnErrorAnEngineFailureRaises();
    void toleratedCodeIsNotReported();
    void unknownFormulaIsLookupError();
    void versionOfTheLibraryFile_data();
    void versionOfTheLibraryFile();
    void clearRestoresDefaults();

private:
    std::unique_ptr<TRpe> openedJob(const QString &report);
    QString writeVersionFile(const QString &version);
    static QString pdfText(const QString &file);

    std::unique_ptr<TestProgramFolder> m_folder;
    QString m_report;
    QTemporaryDir m_versionDir;
};

void TestRpe::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    Database &db = m_folder->openDatabase();
    db.execute(QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV, IME, NSL, PST, MST) "
                              "VALUES ('A', 1, 'Alfa trgovina', 'Ana', 'Cesta 1', '1000', 'Ljubljana')"));
    db.execute(QStringLiteral("INSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV, IME, NSL, PST, MST) "
                              "VALUES ('B', 2, 'Beta storitve', 'Bojan', 'Pot 2', '2000', 'Maribor')"));

    // A demo report that also prints its title.
    QFile source(TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/partnerji_seznam.rpt")));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QString rpt = QString::fromUtf8(source.readAll());
    const QString anchor =
        QRegularExpression(QStringLiteral("<section area=\"RH\" height=\"\\d+\">")).match(rpt).captured();
    QVERIFY(!anchor.isEmpty());
    rpt.replace(
        anchor,
        anchor +
            QStringLiteral(
                "\n      <special kind=\"reporttitle\" x=\"300\" y=\"0\" w=\"225\" h=\"12\" size=\"9\"/>"));
    m_report = m_folder->file(QStringLiteral("partnerji_naslov.rpt"));
    m_folder->writeFile(QStringLiteral("partnerji_naslov.rpt"), rpt);
}

void TestRpe::cleanupTestCase()
{
    m_folder.reset();
}

void TestRpe::init()
{
    DialogHook::setAnswerer([](const DialogRequest &) { return MsgResult::None; });
    DialogHook::clearShown();
}

void TestRpe::cleanup()
{
    DialogHook::clearAnswerer();
    dyn::RpeMajor = 8;
    dyn::RpeMinor = 5;
    dyn::RpeRelease = 0;
}

std::unique_ptr<TRpe> TestRpe::openedJob(const QString &report)
{
    std::unique_ptr<TRpe> job(TRpe::createLoaded(nullptr, [](TRpe &j) { j.setLoadEngineOnUse(false); }));
    job->setReportName(report);
    return job;
}

QString TestRpe::pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void TestRpe::createdAsStoredComponent_data()
{
    QTest::addColumn<bool>("loadOnUse");
    QTest::newRow("opens the engine when loaded") << false;
    QTest::newRow("waits for use with LoadEngineOnUse") << true;
}

void TestRpe::createdAsStoredComponent()
{
    QFETCH(bool, loadOnUse);
    std::unique_ptr<TRpe> job(TRpe::createLoaded(nullptr, [&](TRpe &j) { j.setLoadEngineOnUse(loadOnUse); }));
    QCOMPARE(job->EngineOpen(), !loadOnUse);
    QCOMPARE(job->LibraryHandle() != nullptr, !loadOnUse);
    if (!loadOnUse) {
        // Found on the search path: the folder it came from is remembered.
        QVERIFY2(job->RpePath().endsWith(QLatin1Char('/')), qPrintable(job->RpePath()));
        QVERIFY(QFile::exists(job->RpePath() + QStringLiteral("librpe32.so")));
        QCOMPARE(job->Version()->Rpe.Major(), 8);
        QCOMPARE(job->Version()->Rpe.Minor(), 5);
        QCOMPARE(job->Version()->Rpe.Engine(), QStringLiteral("8.5"));
    }

    // Either way the first use opens a job; with LoadEngineOnUse closing it frees the library again.
    job->setReportName(m_report);
    QCOMPARE(job->ReportTitle(), QStringLiteral("Seznam strank"));
    QVERIFY(job->JobIsOpen());
    job->ClosePrintJob();
    QCOMPARE(job->LibraryHandle() != nullptr, !loadOnUse);
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestRpe::exportShowsTitleSelectionAndFormula()
{
    std::unique_ptr<TRpe> job(TRpe::createLoaded(nullptr, [](TRpe &j) { j.setLoadEngineOnUse(true); }));
    job->setReportName(m_report);
    job->setReportTitle(QStringLiteral("Naslov iz programa"));
    job->Selection()->setFormula({QStringLiteral("{REPORT_SQL.COMPUTER} = 'B'")});
    job->Formulas()->setName(QStringLiteral("FILTER"));
    job->Formulas()->setFormula({QStringLiteral("'Izbor: samo B'")});

    // What the engine now holds comes back through the getters.
    QCOMPARE(job->ReportTitle(), QStringLiteral("Naslov iz programa"));
    QCOMPARE(job->Selection()->Formula(), QStringList{QStringLiteral("{REPORT_SQL.COMPUTER} = 'B'")});
    QCOMPARE(job->Formulas()->Formula(), QStringList{QStringLiteral("'Izbor: samo B'")});

    const QString pdf = m_folder->file(QStringLiteral("partnerji.pdf"));
    job->setOutput(toExport);
    job->ExportOptions()->FileType = AdobeAcrobatPDF;
    job->ExportOptions()->Destination = toFile;
    job->ExportOptions()->FileName = pdf;
    bool printEnded = false;
    job->OnPrintEnded = [&](TRpe *) { printEnded = true; };
    QVERIFY2(job->Execute(), qPrintable(job->LastErrorString()));
    QVERIFY(printEnded);

    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Naslov iz programa")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Izbor: samo B")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Beta storitve")), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("Alfa trgovina")), qPrintable(text));

    // Asked before an existing file is overwritten; Cancel leaves it alone.
    job->ExportOptions()->PromptOnOverwrite = true;
    DialogHook::setAnswerer([](const DialogRequest &) { return MsgResult::Cancel; });
    QVERIFY(!job->Execute());
    QCOMPARE(DialogHook::shown().last(),
             (ShownDialog{QStringLiteral("Export Warning"),
                          QStringLiteral("Export FileName already exists.  Overwrite?")}));
}

void TestRpe::previewRunsOnWindowCloseWhenClosed()
{
    std::unique_ptr<TRpe> job = openedJob(m_report);
    job->setOutput(toWindow);
    job->WindowStyle()->setTitle(QStringLiteral("Predogled"));
    bool closed = false;
    bool windowWasOpen = false;
    job->OnWindowClose = [&](TRpe *) { closed = true; };
    QTimer::singleShot(300, this, [&] {
        windowWasOpen = job->ReportWindowHandle() != nullptr;
        job->CloseWindow();
    });
    QVERIFY2(job->Execute(), qPrintable(job->LastErrorString()));
    // Execute returned only after the window had closed.
    QVERIFY(windowWasOpen);
    QVERIFY(closed);
    QVERIFY(!job->ReportWindowHandle());
}

void TestRpe::previewInAnMdiFrameLivesInItsOwnForm()
{
    QMainWindow frame;
    auto *area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    frame.resize(800, 600);
    frame.show();

    std::unique_ptr<TRpe> job = openedJob(m_report);
    job->setOutput(toWindow);
    job->setWindowParent(&frame);
    job->WindowStyle()->setTitle(QStringLiteral("Partnerji"));
    bool closed = false;
    job->OnWindowClose = [&](TRpe *) { closed = true; };
    QString formTitle;
    bool fills = false;
    QTimer::singleShot(300, this, [&] {
        const QList<QMdiSubWindow *> forms = area->subWindowList();
        QCOMPARE(forms.size(), 1);
        formTitle = forms.front()->windowTitle();
        auto *preview = static_cast<QWidget *>(job->ReportWindowHandle());
        QVERIFY(preview);
        forms.front()->resize(500, 400);
        QCoreApplication::processEvents();
        fills = preview->geometry() == preview->parentWidget()->rect();
        // Closing the form closes the preview and ends Execute.
        forms.front()->close();
    });
    QVERIFY2(job->Execute(), qPrintable(job->LastErrorString()));
    QCOMPARE(formTitle, QStringLiteral("Partnerji"));
    QVERIFY(fills);
    QVERIFY(closed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(area->subWindowList().isEmpty());
}

void TestRpe::drillMouseAndLinkEventsReachTheirHandlers()
{
    TRpe job;
    QStringList seen;
    job.wOnShowGroup = [&](TRpe *, RpeWindowHandle, int level, const QStringList &names, bool &) {
        seen << QStringLiteral("show %1 %2").arg(level).arg(names.join(QLatin1Char('/')));
    };
    job.wOnDrillGroup = [&](TRpe *, RpeWindowHandle, int level, TRpeDrillDownType type,
                            const QStringList &names, bool &cancel) {
        seen << QStringLiteral("drill %1 %2 %3").arg(level).arg(int(type)).arg(names.join(QLatin1Char('/')));
        cancel = true;
    };
    job.wOnDrillDetail = [&](TRpe *, RpeWindowHandle, int selected, int count, const QStringList &names,
                             const QStringList &values, bool &) {
        seen << QStringLiteral("detail %1 %2 %3=%4")
                    .arg(selected)
                    .arg(count)
                    .arg(names.join(QLatin1Char(',')), values.join(QLatin1Char('|')));
    };
    job.wOnMouseClick = [&](TRpe *, RpeWindowHandle, const TRpeMouseInfo &m, const QString &value,
                            TRpeFieldValueType type, const QString &section, uint32_t object, bool &) {
        seen << QStringLiteral("mouse %1 %2%3 %4,%5 %6 %7 %8 %9")
                    .arg(int(m.button))
                    .arg(m.shift ? QStringLiteral("S") : QString())
                    .arg(m.control ? QStringLiteral("C") : QString())
                    .arg(m.x)
                    .arg(m.y)
                    .arg(value)
                    .arg(int(type))
                    .arg(section)
                    .arg(object);
    };
    job.wOnDrillHyperLink = [&](TRpe *, RpeWindowHandle, const QString &text, bool &) { seen << text; };
    job.wOnLaunchAnalysis = [&](TRpe *, RpeWindowHandle, const QString &text, bool &) { seen << text; };

    const char *groups[] = {"Ljubljana", "Alfa"};
    RpeGroupEventInfo group{sizeof(RpeGroupEventInfo), 0, 2, RPE_DRILL_ON_GROUP_TREE, groups};
    QVERIFY(TRpe::eventCallback(RPE_EVENT_SHOW_GROUP, &group, &job));
    QVERIFY(!TRpe::eventCallback(RPE_EVENT_DRILL_ON_GROUP, &group, &job));

    const char *names[] = {"Znesek", "Datum", "Aktiven"};
    RpeValueInfo values[3]{};
    values[0].ValueType = RPE_VI_CURRENCY;
    values[0].Currency = 1234.5;
    values[1].ValueType = RPE_VI_DATE;
    values[1].Date[0] = 2026;
    values[1].Date[1] = 3;
    values[1].Date[2] = 7;
    values[2].ValueType = RPE_VI_BOOLEAN;
    values[2].Boolean = -1;
    RpeDrillDetailEventInfo detail{sizeof(RpeDrillDetailEventInfo), 0, 1, 3, names, values};
    QVERIFY(TRpe::eventCallback(RPE_EVENT_DRILL_ON_DETAIL, &detail, &job));

    RpeMouseClickEventInfo mouse{};
    mouse.StructSize = sizeof mouse;
    mouse.Button = RPE_MOUSE_RIGHT_BUTTON;
    mouse.KeyFlags = RPE_MOUSE_CONTROL_KEY;
    mouse.X = 40;
    mouse.Y = 12;
    mouse.FieldValue.ValueType = RPE_VI_STRING;
    std::strcpy(mouse.FieldValue.String, "Beta");
    mouse.FieldType = RPE_VI_STRING;
    mouse.SectionCode = dyn::SectionCode(3, 0, 1);
    mouse.ObjectHandle = 77;
    QVERIFY(TRpe::eventCallback(RPE_EVENT_RIGHT_CLICK, &mouse, &job));

    RpeTextEventInfo link{sizeof(RpeTextEventInfo), 0, 0, "https://127.0.0.1/pogodba"};
    QVERIFY(TRpe::eventCallback(RPE_EVENT_DRILL_ON_HYPERLINK, &link, &job));
    RpeTextEventInfo analysis{sizeof(RpeTextEventInfo), 0, 0, "/tmp/analiza.dat"};
    QVERIFY(TRpe::eventCallback(RPE_EVENT_LAUNCH_ANALYSIS, &analysis, &job));

    // A record of another size is passed over without the handler.
    RpeTextEventInfo shortRecord{4, 0, 0, "x"};
    QVERIFY(TRpe::eventCallback(RPE_EVENT_DRILL_ON_HYPERLINK, &shortRecord, &job));

    QCOMPARE(seen,
             (QStringList{QStringLiteral("show 2 Ljubljana/Alfa"), QStringLiteral("drill 2 1 Ljubljana/Alfa"),
                          QStringLiteral("detail 1 3 Znesek,Datum,Aktiven=1234,50|2026,3,7|True"),
                          QStringLiteral("mouse 1 C 40,12 Beta 12 GH1b 77"),
                          QStringLiteral("https://127.0.0.1/pogodba"), QStringLiteral("/tmp/analiza.dat")}));
}

void TestRpe::aThrowingWindowHandlerStopsAtTheCallback_data()
{
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<bool>("onError");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("shown");
    const QString text = QStringLiteral("Window event handler failed: Ni podatkov - Event 9 <eventCallback>");
    QTest::newRow("program error reaches OnError") << "error" << true << 150 << QString();
    QTest::newRow("program error without OnError is shown")
        << "error" << false << 150 << QStringLiteral("Error:150 ") + text;
    QTest::newRow("standard exception")
        << "std" << false << 150
        << QStringLiteral("Error:150 Window event handler failed: std::bad_alloc - "
                          "Event 9 <eventCallback>");
    QTest::newRow("component error already handled is shown")
        << "rpe" << false << 0 << QStringLiteral("Error:114 Report not found");
    QTest::newRow("silent abort shows nothing") << "abort" << false << 0 << QString();
}

void TestRpe::aThrowingWindowHandlerStopsAtTheCallback()
{
    QFETCH(QString, thrown);
    QFETCH(bool, onError);
    QFETCH(int, number);
    QFETCH(QString, shown);
    std::unique_ptr<TRpe> job = openedJob(m_report);
    int reported = 0;
    QString reportedText;
    if (onError)
        job->OnError = [&](TRpe *, int n, const QString &t, TRpeErrorResult &result) {
            reported = n;
            reportedText = t;
            result = errIgnore;
        };
    job->wOnNextPageBtnClick = [&](TRpe *, RpeWindowHandle, bool &) {
        if (thrown == QLatin1String("error"))
            throw EError(QStringLiteral("Ni podatkov"));
        if (thrown == QLatin1String("std"))
            throw std::bad_alloc();
        if (thrown == QLatin1String("rpe"))
            throw ERpeError(114, QStringLiteral("Report not found"));
        throw EAbort();
    };
    RpeGeneralEventInfo info{sizeof(RpeGeneralEventInfo), 0, 0, 0};
    RpeBool result = 1;
    try {
        result = TRpe::eventCallback(RPE_EVENT_NEXT_PAGE_BUTTON, &info, job.get());
    } catch (...) {
        QFAIL("an exception left the event callback");
    }
    // The engine's action is cancelled, the component is free again.
    QCOMPARE(result, RpeBool(0));
    QVERIFY(!job->Busy());
    QCOMPARE(job->LastErrorNumber(), number);
    if (onError) {
        QCOMPARE(reported, 150);
        QCOMPARE(reportedText, job->LastErrorString());
    }
    QStringList texts;
    for (const ShownDialog &d : DialogHook::shown())
        texts << d.text;
    QCOMPARE(texts, shown.isEmpty() ? QStringList() : QStringList{shown});
}

void TestRpe::executeInsideAnEventHandlerIsRefused()
{
    std::unique_ptr<TRpe> job = openedJob(m_report);
    job->setOutput(toExport);
    job->ExportOptions()->FileType = AdobeAcrobatPDF;
    job->ExportOptions()->FileName = m_folder->file(QStringLiteral("nested.pdf"));
    int nested = -1;
    job->OnExecuteBegin = [&](TRpe *sender, bool &) { nested = sender->Execute() ? 1 : 0; };
    QVERIFY(job->Execute());
    QCOMPARE(nested, 0);
    QVERIFY(!job->Busy());

    bool cancelledRan = false;
    job->OnExecuteBegin = nullptr;
    job->OnExecuteDoneSend = [&](TRpe *, bool &cancel) {
        cancelledRan = true;
        cancel = true;
    };
    QVERIFY(!job->Execute());
    QVERIFY(cancelledRan);
}

void TestRpe::componentsKeepTheirJobsWhenAnotherCloses()
{
    // A batch run holds several components in one process.
    std::unique_ptr<TRpe> a = openedJob(m_report);
    QVERIFY(a->OpenPrintJob());
    a->Selection()->setFormula({QStringLiteral("{REPORT_SQL.SFOSB} = 1")});
    const int16_t numberOfA = a->JobNumber();
    int16_t numberOfB = 0;
    {
        std::unique_ptr<TRpe> b = openedJob(m_report);
        QVERIFY(b->OpenPrintJob());
        numberOfB = b->JobNumber();
        b->CloseJob();
    }
    QCOMPARE(a->JobNumber(), numberOfA);
    QCOMPARE(a->Selection()->Formula(), QStringList{QStringLiteral("{REPORT_SQL.SFOSB} = 1")});
    QCOMPARE(a->LastErrorNumber(), 0);

    std::unique_ptr<TRpe> c = openedJob(m_report);
    QVERIFY(c->OpenPrintJob());
    QVERIFY(c->JobNumber() != numberOfA && c->JobNumber() != numberOfB);
    c->Selection()->setFormula({QStringLiteral("{REPORT_SQL.SFOSB} = 2")});
    QCOMPARE(a->Selection()->Formula(), QStringList{QStringLiteral("{REPORT_SQL.SFOSB} = 1")});
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestRpe::reportNameKeepsOrClosesTheJob()
{
    std::unique_ptr<TRpe> job = openedJob(m_report);
    job->setReportTitle(QStringLiteral("Prvi"));
    const int16_t number = job->JobNumber();
    QVERIFY(number > 0);
    job->setReportName(QString(m_report).replace(QStringLiteral("partnerji"), QStringLiteral("PARTNERJI")));
    QCOMPARE(job->JobNumber(), number);
    job->setReportName(QString());
    QCOMPARE(job->JobNumber(), int16_t(0));
    QCOMPARE(job->PrintJobCount(), 0);
}

void TestRpe::missingReportAndName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("no report name") << QString() << 112 << "No ReportName assigned";
    QTest::newRow("report file missing") << "/nonexistent/none.rpt" << 114 << "Report not found";
}

void TestRpe::missingReportAndName()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QFETCH(QString, text);
    std::unique_ptr<TRpe> job = openedJob(name);
    int seen = 0;
    QString seenText;
    job->OnError = [&](TRpe *, int n, const QString &t, TRpeErrorResult &result) {
        seen = n;
        seenText = t;
        result = errIgnore;
    };
    // Without a report name a setter only keeps the value; a missing file
    // is reported on the first engine access.
    job->setReportTitle(QStringLiteral("Samo v komponenti"));
    QCOMPARE(seen, name.isEmpty() ? 0 : number);
    QCOMPARE(job->ReportTitle(), QStringLiteral("Samo v komponenti"));
    seen = 0;
    QVERIFY(!job->Execute());
    QCOMPARE(seen, number);
    QCOMPARE(seenText, text);
    QCOMPARE(job->LastErrorNumber(), number);
}

void TestRpe::errorResults_data()
{
    QTest::addColumn<int>("result");
    QTest::newRow("ignored") << int(errIgnore);
    QTest::newRow("aborted") << int(errAbort);
    QTest::newRow("raised") << int(errRaise);
}

void TestRpe::errorResults()
{
    QFETCH(int, result);
    std::unique_ptr<TRpe> job = openedJob(m_report);
    int reported = 0;
    job->OnError = [&](TRpe *, int number, const QString &, TRpeErrorResult &r) {
        reported = number;
        r = TRpeErrorResult(result);
    };
    // The engine refuses zero detail copies.
    auto call = [&] { job->setDetailCopies(0); };
    switch (TRpeErrorResult(result)) {
    case errIgnore:
        call();
        break;
    case errAbort:
        QVERIFY_THROWS_EXCEPTION(EAbort, call());
        break;
    case errRaise:
        try {
            call();
            QFAIL("no ERpeError");
        } catch (const ERpeError &e) {
            QCOMPARE(e.number(), 502);
            QVERIFY2(e.message().startsWith(QStringLiteral("Error:502 ")), qPrintable(e.message()));
        }
        break;
    }
    QCOMPARE(reported, 502);
    QCOMPARE(job->LastErrorNumber(), 502);
    QVERIFY2(job->LastErrorString().endsWith(QStringLiteral("\r\nSetDetailCopies <RpeSetNDetailCopies>")),
             qPrintable(job->LastErrorString()));
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestRpe::withoutOnErrorAnEngineFailureRaises()
{
    std::unique_ptr<TRpe> job = openedJob(m_report);
    QVERIFY_THROWS_EXCEPTION(ERpeError, job->setDetailCopies(-3));
}

void TestRpe::toleratedCodeIsNotReported()
{
    std::unique_ptr<TRpe> job = openedJob(m_report);
    QVERIFY(job->OpenPrintJob());
    bool reported = false;
    job->OnError = [&](TRpe *, int, const QString &, TRpeErrorResult &) { reported = true; };
    job->UseHandle();
    QCOMPARE(dyn::RpeSetNDetailCopies(job->JobNumber(), 0), 0);
    const TRpeFailure failure{
        false, 0, {}, job->JobNumber(), {502}, QStringLiteral("Test <RpeSetNDetailCopies>")};
    QCOMPARE(job->HandleError(failure), errIgnore);
    QVERIFY(!reported);
    // Not tolerated, the same failure reaches OnError.
    job->UseHandle();
    dyn::RpeSetNDetailCopies(job->JobNumber(), 0);
    QCOMPARE(job->HandleError(TRpeFailure{false, 0, {}, job->JobNumber(), {}, QStringLiteral("Test")}),
             errRaise);
    QVERIFY(reported);
}

void TestRpe::unknownFormulaIsLookupError()
{
    std::unique_ptr<TRpe> job = openedJob(m_report);
    try {
        job->Formulas()->setName(QStringLiteral("NI_TAKE"));
        QFAIL("no ERpeError");
    } catch (const ERpeError &e) {
        QCOMPARE(e.message(), QStringLiteral("Error:120 Lookup item not found - Formulas.Name := NI_TAKE"));
    }
}

QString TestRpe::writeVersionFile(const QString &version)
{
    const QString folder = m_versionDir.filePath(QString::number(qHash(version)));
    QDir().mkpath(folder);
    QFile f(folder + QStringLiteral("/librpe32.so"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    QByteArray content("not a library\0", 14);
    if (!version.isNull())
        content += QByteArray("RPEVERSION\0FileVersion=", 23) + version.toUtf8() + QByteArray("\0\0", 2);
    f.write(content);
    return folder;
}

void TestRpe::versionOfTheLibraryFile_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("dotted") << "8.5.0.217" << QList<int>{8, 5, 0, 217} << true;
    QTest::newRow("commas with blanks") << "8, 5, 0, 217" << QList<int>{8, 5, 0, 217} << true;
    QTest::newRow("no version text gives the defaults") << QString() << QList<int>{8, 0, 0, 371} << true;
    QTest::newRow("5.0.0.107 is too old") << "5.0.0.107" << QList<int>{5, 0, 0, 107} << false;
    QTest::newRow("5.0.0.108 is enough") << "5.0.0.108" << QList<int>{5, 0, 0, 108} << true;
}

void TestRpe::versionOfTheLibraryFile()
{
    QFETCH(QString, version);
    QFETCH(QList<int>, numbers);
    QFETCH(bool, accepted);
    const QString folder = writeVersionFile(version);
    QVERIFY(!folder.isEmpty());
    TRpe job;
    job.setRpePath(folder);
    bool errorAsked = false;
    job.OnError = [&](TRpe *, int, const QString &, TRpeErrorResult &r) {
        errorAsked = true;
        r = errIgnore;
    };
    job.GetRpeVersion();
    QCOMPARE((QList<int>{dyn::RpeMajor, dyn::RpeMinor, dyn::RpeRelease, dyn::RpeBuild}), numbers);
    QCOMPARE(job.Version()->Rpe.FileVersion(), version.isNull() ? QStringLiteral("7,0,0,0") : version);

    if (accepted) {
        // Past the gate: the folder's file is no library, so after the
        // loader's box the library on the search path is loaded instead.
        QVERIFY(job.LoadEngine());
        QVERIFY(job.LibraryHandle());
        QVERIFY(!errorAsked);
        QCOMPARE(DialogHook::shown().size(), 1);
        QVERIFY(DialogHook::shown().front().text.startsWith(
            QStringLiteral("Error loading library: librpe32.so\nWindows Error Number: ")));
        QCOMPARE(job.RpePath(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
        job.UnloadEngine();
        QVERIFY(!job.LibraryHandle());
        return;
    }
    try {
        job.LoadEngine();
        QFAIL("no ERpeError");
    } catch (const ERpeError &e) {
        QCOMPARE(e.number(), 103);
        QCOMPARE(e.message(),
                 QStringLiteral("Error:103 Incompatible RPE version: requires 5.x.x.108 or higher\r\n"
                                "librpe32.so :: 5.0.0.107"));
    }
    // Refused before the library is touched, and without asking OnError.
    QVERIFY(!errorAsked);
    QVERIFY(!job.LibraryHandle());
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestRpe::clearRestoresDefaults()
{
    std::unique_ptr<TRpe> job = openedJob(m_report);
    job->setReportTitle(QStringLiteral("Spremenjen"));
    job->setOutput(toPrinter);
    job->setTempPath(m_versionDir.path());
    job->setIgnoreRPEBugs(false);
    job->setWindowEvents(true);
    job->ExportOptions()->FileName = QStringLiteral("x.pdf");
    job->Selection()->setFormula({QStringLiteral("{REPORT_SQL.SFOSB} > 1")});
    job->Clear();
    QVERIFY(job->ReportName().isEmpty());
    QVERIFY(job->RpePath().isEmpty());
    QCOMPARE(job->ReportTitle(), QString());
    QCOMPARE(job->Output(), toWindow);
    QVERIFY(job->IgnoreRPEBugs());
    QVERIFY(!job->WindowEvents());
    QVERIFY(job->ExportOptions()->FileName.isEmpty());
    QVERIFY(job->Selection()->Formula().isEmpty());
    QCOMPARE(job->PrintJobCount(), 0);
    QCOMPARE(job->TempPath(), m_versionDir.path());
}

QTEST_MAIN(TestRpe)
#include "tst_rpe.moc"
