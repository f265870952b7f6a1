// The engine's C surface as a loader sees it: every declared entry point is
// exported by librpe32.so, records of the wrong size are refused, features
// the engine lacks say so, and the application and mail hand-overs go
// through their hooks. Several openers share one engine.
#include "printengine/PrintEngine.h"
#include "tests/printengine/RpeTestSupport.h"
#include "tests/support/TestProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <dlfcn.h>

class TestEngineApi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void libraryExportsEveryEntryPoint();
    void wrongRecordSizeIsRefused();
    void unknownJob();
    void notAvailable_data();
    void notAvailable();
    void settingsTheEngineWorksWithAreAccepted();
    void sectionAtBottomAndPageNumberRestart();
    void progressDialogCancelsTheJob();
    void applicationAndMailDestinations();
    void openersShareTheEngineAndJobNumbersAreNeverReused();

private:
    int16_t openDemoJob();
    std::unique_ptr<TestProgramFolder> m_folder;
};

void TestEngineApi::initTestCase()
{
    m_folder = std::make_unique<TestProgramFolder>(TestProgramFolder::Demo);
    m_folder->writeFile(QStringLiteral("Aliases.ini"),
                        QStringLiteral("[LB]\nDRIVER=QSQLITE\nDATABASE=test.db\n"));
    QVERIFY(RpeOpenEngine());
}

void TestEngineApi::cleanupTestCase()
{
    RpeCloseEngine();
}

int16_t TestEngineApi::openDemoJob()
{
    return RpeOpenPrintJob(TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/pogodbe_org.rpt"))
                               .toUtf8()
                               .constData());
}

void TestEngineApi::libraryExportsEveryEntryPoint()
{
    QFile header(TestProgramFolder::sourceFile(QStringLiteral("printengine/rpe32.h")));
    QVERIFY(header.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(header.readAll());
    QStringList names;
    for (const auto &m :
         QRegularExpression(QStringLiteral("RPE_API [^;(]*\\b(Rpe\\w+)\\(")).globalMatch(text))
        names << m.captured(1);
    // The loader's 252 entry points, and the version resource and the two hand-over hooks.
    QCOMPARE(names.size(), 255);

    void *lib = dlopen(RPE32_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(lib, dlerror());
    QStringList missing;
    for (const QString &n : names) {
        if (!dlsym(lib, n.toLatin1().constData()))
            missing << n;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
    // Nothing else leaks out of the library.
    QVERIFY(!dlsym(lib, "_ZN11PrintEngine8instanceEv"));

    using VersionFn = const RpeVersionResource *(*)();
    auto version = reinterpret_cast<VersionFn>(dlsym(lib, "RpeGetVersionResource"));
    const RpeVersionResource *v = version();
    QCOMPARE(int(v->StructSize), int(sizeof(RpeVersionResource)));
    QCOMPARE(int(v->Major), 8);
    QCOMPARE(int(v->Minor), 5);
    QVERIFY(QString::fromLatin1(v->FileVersion).startsWith(QStringLiteral("8.5.0.")));
    // The same text is readable from the file without loading it.
    QFile so(QString::fromLocal8Bit(RPE32_LIBRARY));
    QVERIFY(so.open(QIODevice::ReadOnly));
    QVERIFY(so.readAll().contains(QByteArray("RPEVERSION\0FileVersion=", 23) + QByteArray(v->FileVersion)));
    dlclose(lib);
}

void TestEngineApi::wrongRecordSizeIsRefused()
{
    const int16_t job = openDemoJob();
    QVERIFY(job > 0);
    RpeLogOnInfo logon{};
    logon.StructSize = sizeof(RpeLogOnInfo) - 2;
    QVERIFY(!RpeGetNthTableLogOnInfo(job, 0, &logon));
    QCOMPARE(RpeGetErrorCode(job), int16_t(RPE_ERR_BAD_STRUCT_SIZE));
    QCOMPARE(RpeTest::errorText(job),
             QStringLiteral("RpeGetNthTableLogOnInfo: record size 512 does not match this engine's 514"));
    QCOMPARE(RpeGetNTables(job), int16_t(3));
    QCOMPARE(RpeGetNthParameterType(job, 5), int16_t(-1));
    QCOMPARE(RpeGetErrorCode(job), int16_t(RPE_ERR_BAD_INDEX));
    RpeClosePrintJob(job);
}

void TestEngineApi::unknownJob()
{
    QCOMPARE(RpeGetNTables(999), int16_t(-1));
    QCOMPARE(RpeGetErrorCode(999), int16_t(RPE_ERR_BAD_JOB));
    QCOMPARE(RpeTest::errorText(999), QStringLiteral("Print job 999 is not open"));
    QVERIFY(!RpeStartPrintJob(999, 1));
}

void TestEngineApi::notAvailable_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("reason");
    QTest::newRow("graph type") << "RpeGetGraphType"
                                << "graphs are not part of this engine's reports";
    QTest::newRow("map title") << "RpeSetMapTitle"
                               << "map objects are not supported";
    QTest::newRow("group name formula") << "RpeSetNthGroupNameFormula"
                                        << "group name fields are not supported";
    QTest::newRow("spreadsheet format of old programs")
        << "export rxfwks.dll"
        << "the WK1, WK3 and WKS spreadsheet formats are not supported";
    QTest::newRow("database table export") << "export rxfodbc.dll"
                                           << "export to a database table is not supported";
    QTest::newRow("mail server folder destination") << "destination rxdpost.dll"
                                                    << "export to a mail server folder is not supported";
    QTest::newRow("notes database destination") << "destination rxdnotes.dll"
                                                << "export to a notes database is not supported";
    // Settings that would otherwise be kept and never applied.
    QTest::newRow("prompting for parameter values") << "RpeSetAllowPromptDialog"
                                                    << "the engine does not prompt for parameter values";
    QTest::newRow("report option: group tree")
        << "RpeSetReportOptions"
        << "these report options cannot be changed: CreateGroupTree -1 (the engine works with 0)";
    QTest::newRow("report option: nulls as defaults, case-insensitive data")
        << "RpeSetReportOptions 2"
        << "these report options cannot be changed: ConvertNullFieldToDefault 1 (the engine works with 0), "
           "CaseInsensitiveSQLData 1 (the engine works with 0)";
    QTest::newRow("Excel columns from a group header")
        << "export rxfxls.dll area"
        << "the Excel export lays out the detail section; area type 3 cannot be the base area";
    QTest::newRow("section split across pages") << "RpeSetSectionFormat"
                                                << "a section never splits across pages";
}

void TestEngineApi::notAvailable()
{
    QFETCH(QString, call);
    QFETCH(QString, reason);
    const int16_t job = openDemoJob();
    QVERIFY(job > 0);
    RpeBool ok = 1;
    QString entry = call;
    if (call == QLatin1String("RpeGetGraphType")) {
        int16_t type = 0;
        ok = RpeGetGraphType(job, 0, 0, &type);
    } else if (call == QLatin1String("RpeSetMapTitle")) {
        ok = RpeSetMapTitle(job, 1, "x");
    } else if (call == QLatin1String("RpeSetNthGroupNameFormula")) {
        ok = RpeSetNthGroupNameFormula(job, 0, "{POG.SFORG}");
    } else if (call == QLatin1String("RpeSetAllowPromptDialog")) {
        ok = RpeSetAllowPromptDialog(job, 1);
    } else if (call.startsWith(QLatin1String("RpeSetReportOptions"))) {
        entry = QStringLiteral("RpeSetReportOptions");
        RpeReportOptions options{};
        options.StructSize = sizeof options;
        QVERIFY(RpeGetReportOptions(job, &options));
        if (call.endsWith(u'2')) {
            options.ConvertNullFieldToDefault = 1;
            options.CaseInsensitiveSQLData = 1;
        } else {
            options.CreateGroupTree = -1;
        }
        ok = RpeSetReportOptions(job, &options);
    } else if (call == QLatin1String("RpeSetSectionFormat")) {
        RpeSectionOptions section{};
        section.StructSize = sizeof section;
        QVERIFY(RpeGetSectionFormat(job, 4000, &section));
        section.KeepTogether = 0;
        ok = RpeSetSectionFormat(job, 4000, &section);
    } else if (call.endsWith(QLatin1String(" area"))) {
        entry = QStringLiteral("RpeExportTo");
        RpeExcelOptions excel{};
        excel.StructSize = sizeof excel;
        excel.BaseAreaType = 3; // group header 1
        excel.BaseAreaGroupNum = 1;
        RpeExportOptions o{};
        o.StructSize = sizeof o;
        std::strcpy(o.FormatDLLName, "rxfxls.dll");
        o.FormatType = 7;
        o.FormatOptions = &excel;
        std::strcpy(o.DestinationDLLName, "rxddisk.dll");
        ok = RpeExportTo(job, &o);
    } else {
        entry = QStringLiteral("RpeExportTo");
        RpeExportOptions o{};
        o.StructSize = sizeof o;
        const bool format = call.startsWith(QLatin1String("export"));
        std::strcpy(o.FormatDLLName, format ? call.section(u' ', 1).toLatin1().constData() : "rxf_pdf.dll");
        std::strcpy(o.DestinationDLLName,
                    format ? "rxddisk.dll" : call.section(u' ', 1).toLatin1().constData());
        ok = RpeExportTo(job, &o);
    }
    QVERIFY(!ok);
    QCOMPARE(RpeGetErrorCode(job), int16_t(RPE_ERR_NOT_AVAILABLE));
    const QString text = RpeTest::errorText(job);
    QVERIFY2(text.startsWith(entry + QStringLiteral(" is not available in this engine: ") + reason),
             qPrintable(text));
    RpeClosePrintJob(job);
}

// What the engine does is accepted: the report options as read back, and the
// prompt switch turned off.
void TestEngineApi::settingsTheEngineWorksWithAreAccepted()
{
    const int16_t job = openDemoJob();
    QVERIFY(job > 0);
    RpeReportOptions options{};
    options.StructSize = sizeof options;
    RPE_VERIFY(RpeGetReportOptions(job, &options), job);
    QCOMPARE(options.SaveDataWithReport, int16_t(1));
    QCOMPARE(options.SelectDistinctRecords, int16_t(0));
    options.VerifyOnEveryPrint = -1; // true as another caller writes it
    RPE_VERIFY(RpeSetReportOptions(job, &options), job);
    RPE_VERIFY(RpeSetAllowPromptDialog(job, 0), job);
    QCOMPARE(RpeGetAllowPromptDialog(job), RpeBool(0));
    RpeClosePrintJob(job);
}

// A unit's footer at the bottom of its page; what follows starts a new page
// numbered 1 again.
void TestEngineApi::sectionAtBottomAndPageNumberRestart()
{
    const int16_t job = openDemoJob();
    QVERIFY(job > 0);
    RpeSectionOptions footer{};
    footer.StructSize = sizeof footer;
    RPE_VERIFY(RpeGetSectionFormat(job, 5000, &footer), job); // GF of group 1
    footer.PrintAtBottomOfPage = 1;
    footer.ResetPageNAfter = 1;
    RPE_VERIFY(RpeSetSectionFormat(job, 5000, &footer), job);
    const QString pdf = m_folder->file(QStringLiteral("spodaj.pdf"));
    const QByteArray name = pdf.toUtf8();
    RpeDiskOptions disk{sizeof disk, name.constData()};
    RpeExportOptions o{};
    o.StructSize = sizeof o;
    std::strcpy(o.FormatDLLName, "rxf_pdf.dll");
    std::strcpy(o.DestinationDLLName, "rxddisk.dll");
    o.DestinationOptions = &disk;
    RPE_VERIFY(RpeExportTo(job, &o) && RpeStartPrintJob(job, 1), job);
    RpeClosePrintJob(job);

    QSqlQuery q = m_folder->openDatabase().execute(
        QStringLiteral("SELECT COUNT(DISTINCT SFORG) FROM POG WHERE DAN <= '2026-12-31'"));
    QVERIFY(q.next());
    const int units = q.value(0).toInt();
    QVERIFY(units >= 2);
    // A page per unit, then the report footer on a page of its own.
    QStringList pages = RpeTest::pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(int(pages.size()), units + 1);
    QVERIFY(pages.takeLast().contains(QStringLiteral("Skupaj vse pogodbe")));
    for (const QString &page : pages) {
        QVERIFY2(page.contains(QStringLiteral("Stran 1 od %1").arg(units + 1)), qPrintable(page));
        // The footer's total is the page's last line before the page footer.
        const QStringList lines = page.trimmed().split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() >= 2 && lines[lines.size() - 2].contains(QStringLiteral("Skupaj enota")),
                 qPrintable(page));
    }
}

// A long export shows its progress, and the dialog's cancel button ends the job.
void TestEngineApi::progressDialogCancelsTheJob()
{
    Database &db = m_folder->openDatabase();
    db.execute(
        QStringLiteral("WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < 20000) "
                       "INSERT INTO REPORT_SQL (COMPUTER, SFOSB, NZV, MST) SELECT 'A', I, 'Stranka ' || I, "
                       "'Ljubljana' FROM N"));
    const int16_t job = RpeOpenPrintJob(
        TestProgramFolder::sourceFile(QStringLiteral("db/program/Report/partnerji_seznam.rpt"))
            .toUtf8()
            .constData());
    QVERIFY(job > 0);
    RPE_VERIFY(RpeEnableProgressDialog(job, 1), job);
    const QByteArray name = m_folder->file(QStringLiteral("dolgo.pdf")).toUtf8();
    RpeDiskOptions disk{sizeof disk, name.constData()};
    RpeExportOptions o{};
    o.StructSize = sizeof o;
    std::strcpy(o.FormatDLLName, "rxf_pdf.dll");
    std::strcpy(o.DestinationDLLName, "rxddisk.dll");
    o.DestinationOptions = &disk;
    RPE_VERIFY(RpeExportTo(job, &o), job);
    QString seen;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QProgressDialog *>(w);
            if (dialog && dialog->isVisible() && seen.isEmpty()) {
                seen = dialog->labelText();
                dialog->cancel();
            }
        }
    });
    cancel.start(20);
    const RpeBool ok = RpeStartPrintJob(job, 1);
    cancel.stop();
    const int16_t code = RpeGetErrorCode(job);
    RpeClosePrintJob(job);
    db.execute(QStringLiteral("DELETE FROM REPORT_SQL"));
    QVERIFY2(seen.startsWith(QStringLiteral("Prebrani zapisi: ")), qPrintable(seen));
    QVERIFY(!ok);
    QCOMPARE(code, int16_t(RPE_ERR_CANCELLED));
}

static QStringList g_handed;

void TestEngineApi::applicationAndMailDestinations()
{
    RpeSetOpenFileHook(
        [](const char *file, void *) -> RpeBool {
            g_handed << QStringLiteral("open ") + QString::fromUtf8(file);
            return 1;
        },
        nullptr);
    RpeSetMailHook(
        [](const char *to, const char *cc, const char *, const char *subject, const char *,
           const char *attachment, void *) -> RpeBool {
            g_handed << QStringLiteral("mail %1 %2 %3 %4")
                            .arg(QString::fromUtf8(to), QString::fromUtf8(cc), QString::fromUtf8(subject),
                                 QFileInfo(QString::fromUtf8(attachment)).fileName());
            return QFileInfo::exists(QString::fromUtf8(attachment));
        },
        nullptr);
    RPE_VERIFY(RpeSetTempFilePath(m_folder->path().toUtf8().constData()), 0);

    const int16_t job = openDemoJob();
    const QByteArray file = m_folder->file(QStringLiteral("app.pdf")).toUtf8();
    RpeDiskOptions disk{sizeof disk, file.constData()};
    RpeExportOptions o{};
    o.StructSize = sizeof o;
    std::strcpy(o.FormatDLLName, "rxf_pdf.dll");
    std::strcpy(o.DestinationDLLName, "rxdapp.dll");
    o.DestinationOptions = &disk;
    o.NDestinationOptionsBytes = sizeof disk;
    RPE_VERIFY(RpeExportTo(job, &o) && RpeStartPrintJob(job, 1), job);

    RpeMailOptions mail{sizeof mail,         "ana@example.com; bor@example.com",
                        "arhiv@example.com", "Poročilo",
                        "V prilogi.",        nullptr};
    std::strcpy(o.FormatDLLName, "rxf_rtf.dll");
    std::strcpy(o.DestinationDLLName, "rxdmapi.dll");
    o.DestinationOptions = &mail;
    o.NDestinationOptionsBytes = sizeof mail;
    RPE_VERIFY(RpeExportTo(job, &o) && RpeStartPrintJob(job, 1), job);
    RpeClosePrintJob(job);
    RpeSetOpenFileHook(nullptr, nullptr);
    RpeSetMailHook(nullptr, nullptr);

    QCOMPARE(g_handed, (QStringList{QStringLiteral("open ") + QString::fromUtf8(file),
                                    QStringLiteral("mail ana@example.com;bor@example.com arhiv@example.com "
                                                   "Poročilo Pogodbe po organizacijskih enotah.rtf")}));
}

QTEST_MAIN(TestEngineApi)
#include "tst_engineapi.moc"

namespace {
QString selectionOf(int16_t job)
{
    RpeTextHandle h = nullptr;
    int16_t length = 0;
    if (!RpeGetSelectionFormula(job, &h, &length))
        return QStringLiteral("<%1>").arg(RpeTest::errorText(job));
    return RpeTest::takeText(h);
}
} // namespace

void TestEngineApi::openersShareTheEngineAndJobNumbersAreNeverReused()
{
    // Three components in one process, each with its own open and its own job.
    QVERIFY(RpeOpenEngine());
    const int16_t a = openDemoJob();
    QVERIFY(RpeOpenEngine());
    const int16_t b = openDemoJob();
    QVERIFY(a > 0 && b > 0 && a != b);
    RPE_VERIFY(RpeSetSelectionFormula(a, "{POG.IDPOG} = 1001"), a);

    // B leaves: its job and its open go, A's job stays as it was.
    RPE_VERIFY(RpeClosePrintJob(b), b);
    QVERIFY(RpeCloseEngine());
    QCOMPARE(RpeGetNTables(a), int16_t(3));
    QCOMPARE(selectionOf(a), QStringLiteral("{POG.IDPOG} = 1001"));

    // C's new job gets neither A's number nor B's old one.
    QVERIFY(RpeOpenEngine());
    const int16_t c = openDemoJob();
    QVERIFY(c > 0);
    QVERIFY(c != a && c != b);
    RPE_VERIFY(RpeSetSelectionFormula(c, "{POG.IDPOG} = 2002"), c);
    QCOMPARE(selectionOf(a), QStringLiteral("{POG.IDPOG} = 1001"));
    // B's old number names nothing now.
    QCOMPARE(RpeGetNTables(b), int16_t(-1));
    QCOMPARE(RpeGetErrorCode(b), int16_t(RPE_ERR_BAD_JOB));
    RPE_VERIFY(RpeClosePrintJob(c), c);
    QVERIFY(RpeCloseEngine());

    // A closes its engine without closing its job: the test case's own open
    // still holds the engine; the last close ends every job.
    QVERIFY(RpeCloseEngine());
    QCOMPARE(RpeGetNTables(a), int16_t(3));
    QVERIFY(RpeCloseEngine());
    QCOMPARE(RpeGetNTables(a), int16_t(-1));
    QCOMPARE(RpeGetErrorCode(a), int16_t(RPE_ERR_ENGINE_NOT_OPEN));
    QVERIFY(RpeOpenEngine());
    const int16_t d = openDemoJob();
    QVERIFY(d > c);
    RpeClosePrintJob(d);
}
