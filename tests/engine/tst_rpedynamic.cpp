// The engine loader: loading from a folder or the search path with its exact
// messages, the "Continue anyway?" box and its silent abort, the version
// gates and record sizes (against a stand-in library that records its calls),
// and the section-code arithmetic.
#include "engine/RpeDynamic.h"
#include "shell/Abort.h"
#include "shell/DialogHook.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>

namespace dyn = RpeDynamic;

class TestRpeDynamic : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadsFromFolder_data();
    void loadsFromFolder();
    void loadsFromSearchPath();
    void missingFolderReportsTheSystemError();
    void notLoaded_data();
    void notLoaded();
    void notLoadedCancelAbortsSilently();
    void closeCallsAreQuietWithoutLibrary();
    void freeingNothingIsQuiet();
    void versionGateRefusesWithoutCallingTheEngine_data();
    void versionGateRefusesWithoutCallingTheEngine();
    void missingEntryPointIsReportedByName();
    void recordSizesFollowTheEngineVersion_data();
    void recordSizesFollowTheEngineVersion();
    void sectionCodes_data();
    void sectionCodes();

private:
    void useFake();
    template <typename T> T fake(const char *name)
    {
        return reinterpret_cast<T>(dlsym(dyn::RpeHandle, name));
    }
    MsgResult m_answer = MsgResult::OK;
};

void TestRpeDynamic::init()
{
    m_answer = MsgResult::OK;
    DialogHook::setAnswerer([this](const DialogRequest &) { return m_answer; });
    DialogHook::clearShown();
    dyn::RpeHandle = nullptr;
    dyn::RpeMajor = 8;
    dyn::RpeMinor = 5;
}

void TestRpeDynamic::cleanup()
{
    dyn::RpeFreeLibrary();
    DialogHook::clearAnswerer();
}

void TestRpeDynamic::useFake()
{
    QVERIFY2(dyn::RpeLoadLibrary(QStringLiteral(FAKE_RPE_DIR)), qPrintable(dyn::RpeLastError));
    fake<void (*)()>("FakeRpeReset")();
}

void TestRpeDynamic::loadsFromFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("folder without trailing separator") << QStringLiteral(RPE_LIBRARY_DIR);
    QTest::newRow("folder with trailing separator") << QStringLiteral(RPE_LIBRARY_DIR "/");
    QTest::newRow("blanks around the folder") << QStringLiteral("  " RPE_LIBRARY_DIR "  ");
}

void TestRpeDynamic::loadsFromFolder()
{
    QFETCH(QString, folder);
    QVERIFY2(dyn::RpeLoadLibrary(folder), qPrintable(dyn::RpeLastError));
    QVERIFY(dyn::RpeHandle);
    QVERIFY(dlsym(dyn::RpeHandle, "RpeOpenPrintJob"));
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestRpeDynamic::loadsFromSearchPath()
{
    // The program's folder holds the library (the build links it there).
    QVERIFY2(dyn::RpeLoadLibrary(QStringLiteral("   ")), qPrintable(dyn::RpeLastError));
    QVERIFY(dlsym(dyn::RpeHandle, "RpeOpenPrintJob"));
}

void TestRpeDynamic::missingFolderReportsTheSystemError()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("nowhere"));
    QVERIFY(!dyn::RpeLoadLibrary(missing));
    QVERIFY(!dyn::RpeHandle);
    const QString expected = QStringLiteral("Error loading library: librpe32.so\nWindows Error Number: ");
    QVERIFY2(dyn::RpeLastError.startsWith(expected), qPrintable(dyn::RpeLastError));
    // The system's message names the file it looked for.
    QVERIFY2(dyn::RpeLastError.contains(QStringLiteral(" - ") + missing + QStringLiteral("/librpe32.so")),
             qPrintable(dyn::RpeLastError));
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().front().caption, QStringLiteral("Print Engine Error"));
    QCOMPARE(DialogHook::shown().front().text, dyn::RpeLastError + QStringLiteral("\nContinue anyway?"));
}

void TestRpeDynamic::notLoaded_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("expected");
    QTest::newRow("count gives -1") << "RpeGetNTables" << -1;
    // Callers read -1 as finished.
    QTest::newRow("job finished gives -1") << "RpeIsPrintJobFinished" << -1;
    QTest::newRow("report style gives 99") << "RpeGetReportStyle" << 99;
    QTest::newRow("other calls give false") << "RpeSetReportTitle" << 0;
}

void TestRpeDynamic::notLoaded()
{
    QFETCH(QString, entry);
    QFETCH(int, expected);
    int result = 12345;
    if (entry == QLatin1String("RpeGetNTables"))
        result = dyn::RpeGetNTables(1);
    else if (entry == QLatin1String("RpeIsPrintJobFinished"))
        result = dyn::RpeIsPrintJobFinished(1);
    else if (entry == QLatin1String("RpeGetReportStyle"))
        result = dyn::RpeGetReportStyle(1);
    else
        result = dyn::RpeSetReportTitle(1, "x");
    QCOMPARE(result, expected);
    QCOMPARE(dyn::RpeLastError, QStringLiteral("librpe32.so is not loaded"));
    QCOMPARE(DialogHook::shown().size(), 1);
    QCOMPARE(DialogHook::shown().front().text, QStringLiteral("librpe32.so is not loaded\nContinue anyway?"));
}

void TestRpeDynamic::notLoadedCancelAbortsSilently()
{
    m_answer = MsgResult::Cancel;
    QVERIFY_THROWS_EXCEPTION(EAbort, dyn::RpeGetNTables(1));
    QCOMPARE(DialogHook::shown().size(), 1);
}

void TestRpeDynamic::closeCallsAreQuietWithoutLibrary()
{
    QCOMPARE(dyn::RpeClosePrintJob(1), 0);
    QCOMPARE(dyn::RpeCloseSubreport(2), 0);
    QCOMPARE(dyn::RpeCloseEngine(), 0);
    QVERIFY(DialogHook::shown().isEmpty());
    QVERIFY(dyn::RpeLastError.isEmpty());
}

void TestRpeDynamic::freeingNothingIsQuiet()
{
    QVERIFY(dyn::RpeFreeLibrary());
    QVERIFY(DialogHook::shown().isEmpty());
}

void TestRpeDynamic::versionGateRefusesWithoutCallingTheEngine_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("message");
    QTest::newRow("engine 7 lacks the report version")
        << 7 << true
        << QStringLiteral("Error loading function: RpeGetReportVersion requires RPE8R2 or higher");
    QTest::newRow("engine 8 has it") << 8 << false << QString();
}

void TestRpeDynamic::versionGateRefusesWithoutCallingTheEngine()
{
    QFETCH(int, major);
    QFETCH(bool, refused);
    QFETCH(QString, message);
    useFake();
    dyn::RpeMajor = major;
    RpeReportVersionInfo info{};
    QCOMPARE(dyn::RpeGetReportVersion(1, &info) == 0, refused);
    QCOMPARE(fake<int (*)()>("FakeRpeReportVersionCalls")(), refused ? 0 : 1);
    QCOMPARE(dyn::RpeLastError, message);
    QCOMPARE(DialogHook::shown().size(), refused ? 1 : 0);
}

void TestRpeDynamic::missingEntryPointIsReportedByName()
{
    useFake();
    QCOMPARE(dyn::RpeGetNTables(1), int16_t(-1));
    QCOMPARE(dyn::RpeLastError, QStringLiteral("Error loading function: RpeGetNTables"));
    QCOMPARE(DialogHook::shown().front().text,
             QStringLiteral("Error loading function: RpeGetNTables\nContinue anyway?"));
}

void TestRpeDynamic::recordSizesFollowTheEngineVersion_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("size");
    QTest::newRow("report options, engine 8.0") << "RpeGetReportOptions" << 8 << 0 << 36;
    QTest::newRow("report options, engine 8.5") << "RpeGetReportOptions" << 8 << 5 << 42;
    QTest::newRow("report options, engine 7") << "RpeGetReportOptions" << 7 << 0 << 32;
    QTest::newRow("parameter field, engine 6") << "RpeGetNthParameterField" << 6 << 0 << 1162;
    QTest::newRow("parameter field, engine 7") << "RpeGetNthParameterField" << 7 << 0 << 1438;
    QTest::newRow("subreport info, engine 6") << "RpeGetSubreportInfo" << 6 << 0 << 130;
    QTest::newRow("subreport info, engine 7") << "RpeGetSubreportInfo" << 7 << 0 << 134;
    QTest::newRow("subreport info, engine 8") << "RpeGetSubreportInfo" << 8 << 5 << 138;
    QTest::newRow("report version is fixed") << "RpeGetReportVersion" << 8 << 5 << 7;
}

void TestRpeDynamic::recordSizesFollowTheEngineVersion()
{
    QFETCH(QString, entry);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, size);
    useFake();
    dyn::RpeMajor = major;
    dyn::RpeMinor = minor;
    // Records as large as the newest engine's, so any size fits.
    union {
        RpeReportOptions options;
        RpeParameterFieldInfo field;
        RpeSubreportInfo subreport;
        RpeReportVersionInfo version;
    } record{};
    bool ok = false;
    if (entry == QLatin1String("RpeGetReportOptions"))
        ok = dyn::RpeGetReportOptions(1, &record.options);
    else if (entry == QLatin1String("RpeGetNthParameterField"))
        ok = dyn::RpeGetNthParameterField(1, 0, &record.field);
    else if (entry == QLatin1String("RpeGetSubreportInfo"))
        ok = dyn::RpeGetSubreportInfo(1, 1, &record.subreport);
    else
        ok = dyn::RpeGetReportVersion(1, &record.version);
    QVERIFY2(ok, qPrintable(dyn::RpeLastError));
    QCOMPARE(int(fake<uint16_t (*)()>("FakeRpeLastStructSize")()), size);
}

void TestRpeDynamic::sectionCodes_data()
{
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("code");
    QTest::newRow("group header 2, section b") << 3 << 2 << 1 << 3027;
    QTest::newRow("details") << 4 << 0 << 0 << 4000;
    QTest::newRow("last section of page footer") << 7 << 0 << 39 << 7975;
    QTest::newRow("group 24 of group footer") << 5 << 24 << 3 << 5099;
}

void TestRpeDynamic::sectionCodes()
{
    QFETCH(int, area);
    QFETCH(int, group);
    QFETCH(int, section);
    QFETCH(int, code);
    QCOMPARE(int(dyn::SectionCode(area, group, section)), code);
    QCOMPARE(dyn::SectionAreaType(int16_t(code)), area);
    QCOMPARE(dyn::SectionGroupN(int16_t(code)), group);
    QCOMPARE(dyn::SectionN(int16_t(code)), section);
}

QTEST_MAIN(TestRpeDynamic)
#include "tst_rpedynamic.moc"
