#pragma once

#include "engine/ERpeError.h"
#include "engine/RpeExportOptions.h"
#include "engine/RpeFamilies.h"
#include "engine/RpeMdiHost.h"
#include "engine/RpePrintOptions.h"
#include "engine/RpePrinter.h"
#include "engine/RpeTypes.h"
#include "engine/RpeVersion.h"
#include "engine/RpeWindowButtonBar.h"
#include "engine/RpeWindowCursors.h"
#include "engine/RpeWindowSize.h"
#include "engine/RpeWindowStyle.h"
#include "engine/RpeWindowZoom.h"
#include "printengine/rpe32.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

// TRpe drives one report of the print engine. Property values are cached in
// the component and pushed to the engine at once when a print job is open or
// can be opened; Execute then re-sends only the output settings and starts
// the job. Every failure goes through one error routine (HandleError) whose
// result, chosen by OnError, ignores it, aborts silently or raises ERpeError.
//
// Created in code the component does nothing until it is used. Created the
// way a window loads its stored components (createLoaded), it opens the
// engine as soon as its properties are in, unless LoadEngineOnUse is set.
class TRpe : public QObject
{
    Q_OBJECT

public:
    explicit TRpe(QObject *owner = nullptr);
    ~TRpe() override;

    // Construction as a stored component: the properties are set while the
    // component is loading, then Loaded runs.
    static TRpe *createLoaded(QObject *owner, const std::function<void(TRpe &)> &storedProperties);
    void Loaded();
    bool isLoading() const { return m_loading; }
    bool isDesigning() const { return m_designing; }
    void setDesigning(bool designing) { m_designing = designing; }

    // ---- Properties ----
    QString ReportName() const { return m_reportName; }
    void setReportName(const QString &name);
    QString ReportTitle();
    void setReportTitle(const QString &title);
    TRpeOutput Output() const { return m_output; }
    void setOutput(TRpeOutput output) { m_output = output; }
    QString RpePath() const { return m_rpePath; }
    void setRpePath(const QString &path) { m_rpePath = path; }
    QString TempPath() const { return m_tempPath; }
    void setTempPath(const QString &path);
    int16_t DetailCopies();
    void setDetailCopies(int16_t copies);
    bool ProgressDialog() const { return m_progressDialog; }
    void setProgressDialog(bool enabled);
    bool LoadEngineOnUse() const { return m_loadEngineOnUse; }
    void setLoadEngineOnUse(bool onUse) { m_loadEngineOnUse = onUse; }
    bool IgnoreRPEBugs() const { return m_ignoreRpeBugs; }
    void setIgnoreRPEBugs(bool ignore) { m_ignoreRpeBugs = ignore; }
    TRpeFormulaSyntax FormulaSyntax();
    void setFormulaSyntax(TRpeFormulaSyntax syntax);
    TRpeReportStyle ReportStyle();
    void setReportStyle(TRpeReportStyle style);
    bool WindowEvents() const { return m_windowEvents; }
    void setWindowEvents(bool on) { m_windowEvents = on; }
    TRpeWindowState WindowState();
    void setWindowState(TRpeWindowState state);
    QWidget *WindowParent() const { return m_windowParent; }
    void setWindowParent(QWidget *parent) { m_windowParent = parent; }
    QWidget *DialogParent() const { return m_dialogParent; }
    void setDialogParent(QWidget *parent);
    QString About() const { return QStringLiteral("Version and Credits..."); }
    QString DesignControls() const { return QStringLiteral("Design-Time Window Controls"); }
    TRpeVersion *Version() const { return m_version.get(); }

    // ---- Sub-objects ----
#define RPE_SUBOBJECT(Type, Name)                                                                            \
public:                                                                                                      \
    Type *Name() const                                                                                       \
    {                                                                                                        \
        return m_##Name.get();                                                                               \
    }                                                                                                        \
                                                                                                             \
private:                                                                                                     \
    std::unique_ptr<Type> m_##Name;
    RPE_SUBOBJECT(TRpePrinter, Printer)
    RPE_SUBOBJECT(TRpePrintOptions, PrintOptions)
    RPE_SUBOBJECT(TRpeExportOptions, ExportOptions)
    RPE_SUBOBJECT(TRpeWindowZoom, WindowZoom)
    RPE_SUBOBJECT(TRpeWindowStyle, WindowStyle)
    RPE_SUBOBJECT(TRpeWindowSize, WindowSize)
    RPE_SUBOBJECT(TRpeWindowButtonBar, WindowButtonBar)
    RPE_SUBOBJECT(TRpeWindowCursors, WindowCursor)
    RPE_SUBOBJECT(TRpeMargins, Margins)
    RPE_SUBOBJECT(TRpePrintDate, PrintDate)
    RPE_SUBOBJECT(TRpeSummaryInfo, SummaryInfo)
    RPE_SUBOBJECT(TRpeReportOptions, ReportOptions)
    RPE_SUBOBJECT(TRpeGlobalOptions, GlobalOptions)
    RPE_SUBOBJECT(TRpeSelection, Selection)
    RPE_SUBOBJECT(TRpeGroupSelection, GroupSelection)
    RPE_SUBOBJECT(TRpeSQL, SQL)
    RPE_SUBOBJECT(TRpeConnect, Connect)
    RPE_SUBOBJECT(TRpeSubreports, Subreports)
    RPE_SUBOBJECT(TRpeTables, Tables)
    RPE_SUBOBJECT(TRpeSortFields, SortFields)
    RPE_SUBOBJECT(TRpeGroupSortFields, GroupSortFields)
    RPE_SUBOBJECT(TRpeGroups, Groups)
    RPE_SUBOBJECT(TRpeParamFields, ParamFields)
    RPE_SUBOBJECT(TRpeFormulas, Formulas)
    RPE_SUBOBJECT(TRpeSectionFormat, SectionFormat)
    RPE_SUBOBJECT(TRpeAreaFormat, AreaFormat)
    RPE_SUBOBJECT(TRpeSectionFont, SectionFont)
    RPE_SUBOBJECT(TRpeSectionSize, SectionSize)
    RPE_SUBOBJECT(TRpeSQLExpressions, SQLExpressions)
    RPE_SUBOBJECT(TRpeStoredProcParams, StoredProcParams)
    RPE_SUBOBJECT(TRpeLogOnInfo, LogOnInfo)
    RPE_SUBOBJECT(TRpeLogOnServer, LogOnServer)
    RPE_SUBOBJECT(TRpeSessionInfo, SessionInfo)
    RPE_SUBOBJECT(TRpeLines, Lines)
    RPE_SUBOBJECT(TRpeBoxes, Boxes)
    RPE_SUBOBJECT(TRpePictures, Pictures)
    RPE_SUBOBJECT(TRpeTextObjects, TextObjects)
    RPE_SUBOBJECT(TRpeOleObjects, OleObjects)
    RPE_SUBOBJECT(TRpeCrossTabs, CrossTabs)
    RPE_SUBOBJECT(TRpeMaps, Maps)
    RPE_SUBOBJECT(TRpeOLAPCubes, OLAPCubes)
    RPE_SUBOBJECT(TRpeDatabaseFields, DatabaseFields)
    RPE_SUBOBJECT(TRpeSummaryFields, SummaryFields)
    RPE_SUBOBJECT(TRpeSpecialFields, SpecialFields)
    RPE_SUBOBJECT(TRpeGroupNameFields, GroupNameFields)
    RPE_SUBOBJECT(TRpeRunningTotals, RunningTotals)
    RPE_SUBOBJECT(TRpeGraphs, Graphs)
    RPE_SUBOBJECT(TRpePages, Pages)
    RPE_SUBOBJECT(TRpeRecords, Records)
#undef RPE_SUBOBJECT

public:
    // ---- Run-time state ----
    int16_t JobNumber() const
    {
        return m_jobNumber;
    }
    // Entry i of the job list as a number; 0 when absent or not numeric.
    int16_t PrintJobs(int i) const;
    int PrintJobCount() const
    {
        return int(m_printJobs.size());
    }
    bool JobIsOpen() const
    {
        return m_jobNumber > 0;
    }
    bool EngineOpen() const
    {
        return m_engineOpen;
    }
    bool Busy() const
    {
        return m_busy;
    }
    int LastErrorNumber() const
    {
        return m_lastErrorNumber;
    }
    QString LastErrorString() const
    {
        return m_lastErrorString;
    }
    void *LibraryHandle() const
    {
        return m_handle;
    }

    // ---- Operations ----
    bool LoadEngine();
    bool OpenPrintEngine();
    bool OpenPrintJob();
    void ClosePrintJob();
    void CloseEngine();
    void CloseJob();
    void UnloadEngine();
    bool Execute();
    void Print();
    bool SendOutput();
    bool IsPrintJobFinished();
    bool JobPrintEnded();
    RpeWindowHandle ReportWindowHandle();
    void CloseWindow();
    void Clear();
    // Reads the library file's version into Version.Rpe and the loader.
    void GetRpeVersion();

    // ---- Error model ----
    TRpeErrorResult HandleError(const TRpeFailure &failure);
    // HandleError, then what its result asks for: return (errIgnore), the
    // silent abort (errAbort) or ERpeError (errRaise).
    void Fail(const TRpeFailure &failure);
    void EngineError(const QString &context, const QList<int> &tolerated = {});
    void ComponentError(int number, const QString &context = QString());
    static QString componentErrorText(int number);
    // The codes the formatting calls tolerate while IgnoreRPEBugs is set.
    QList<int> rpeBugCodes() const;

    // ---- For the sub-objects ----
    // Makes this component's library the loader's current one.
    void UseHandle() const;
    // The sub-objects' gate before they talk to the engine about item i.
    bool JobReady(int i = 0);
    // Selects report i of the job list (0 = main), opening its job.
    void selectJob(int i);
    // The MDI child form the preview lives in, if one was made.
    RpeMdiHost *mdiHost() const
    {
        return m_mdiHost;
    }
    void freeMdiHost();

    // ---- Report-object lookups of the current job ----
    struct SectionEntry
    {
        int16_t code;
        QString name;
    };
    // Headers and details in the engine's order, then group footers, then
    // page and report footers; each code once.
    QList<SectionEntry> GetSectionCodes();
    // Objects of a kind (RPE_OBJ_...); for field objects subKind 0 = any.
    int GetNObjects(int kind, int subKind = 0);
    // The index-th object of the kind; null when there is none.
    RpeObjectHandle GetObjectHandle(int kind, int subKind, int index);
    // The field object named "{...}", ignoring case; null when none.
    RpeObjectHandle GetFieldObjectHandle(const QString &fieldName);
    TRpeFieldValueType GetFieldTypeFromName(const QString &fieldName);
    // Position, size, section and field information of an object.
    bool ReadObjectProperties(RpeObjectHandle object, TRpeObjectItem &properties);
    // The same for the field object of a formula, parameter... placed on the
    // report; cleared properties when it is not placed.
    void ReadFieldObject(const QString &name, const QString &family, TRpeObjectItem &properties);
    // Every report-dependent family back to its defaults, with the report
    // name blanked so that nothing reaches the engine.
    void ClearReportFamilies();

    // ---- Events ----
    using Notify = std::function<void(TRpe *sender)>;
    using CancelNotify = std::function<void(TRpe *sender, bool &cancel)>;
    Notify OnCreate, OnDestroy, OnExecuteEnd, OnPrintEnded, OnWindowClose;
    std::function<void(TRpe *sender, int16_t job)> OnJobOpened;
    CancelNotify OnExecuteBegin, OnExecuteDoneSend;
    std::function<void(TRpe *sender, RpeDeviceMode &mode, bool &cancel)> OnPrinterSend;
    std::function<void(TRpe *sender, int32_t &major, int32_t &minor, int32_t &release, int32_t &build)>
        OnGetVersion;
    std::function<void(TRpe *sender, int number, const QString &text, TRpeErrorResult &result)> OnError;

    // Preview-window events (with WindowEvents); Cancel stops the engine's action.
    using WindowNotify = std::function<void(TRpe *sender, RpeWindowHandle window, bool &cancel)>;
    WindowNotify wOnCloseWindow, wOnActivateWindow, wOnDeActivateWindow, wOnPrintBtnClick, wOnExportBtnClick,
        wOnFirstPageBtnClick, wOnPreviousPageBtnClick, wOnNextPageBtnClick, wOnLastPageBtnClick,
        wOnCancelBtnClick, wOnPrintSetupBtnClick, wOnRefreshBtnClick;
    std::function<void(TRpe *sender, RpeWindowHandle window, int zoomLevel, bool &cancel)> wOnZoomLevelChange;
    std::function<void(TRpe *sender, RpeWindowHandle window, int viewIndex, bool &cancel)> wOnCloseBtnClick;
    std::function<void(TRpe *sender, RpeWindowHandle window, QString &searchText, bool &cancel)>
        wOnSearchBtnClick;
    std::function<void(TRpe *sender, RpeWindowHandle window, bool visible, bool &cancel)>
        wOnGroupTreeBtnClick;
    std::function<void(TRpe *sender, bool &cancelled, uint32_t recordsRead, uint32_t recordsSelected,
                       bool done, bool &cancel)>
        wOnReadingRecords;
    std::function<void(TRpe *sender, TRpeStartEventDestination destination, bool &cancel)> wOnStartEvent;
    std::function<void(TRpe *sender, TRpeStartEventDestination destination, TRpeStopEventJobStatus status,
                       bool &cancel)>
        wOnStopEvent;

    std::function<void(TRpe *sender, RpeWindowHandle window, int groupLevel, const QStringList &groupNames,
                       bool &cancel)>
        wOnShowGroup;
    std::function<void(TRpe *sender, RpeWindowHandle window, int groupLevel, TRpeDrillDownType drillType,
                       const QStringList &groupNames, bool &cancel)>
        wOnDrillGroup;
    std::function<void(TRpe *sender, RpeWindowHandle window, int selectedFieldIndex, int fieldCount,
                       const QStringList &fieldNames, const QStringList &fieldValues, bool &cancel)>
        wOnDrillDetail;
    std::function<void(TRpe *sender, RpeWindowHandle window, const TRpeMouseInfo &mouse,
                       const QString &fieldValue, TRpeFieldValueType fieldType, const QString &sectionName,
                       uint32_t objectHandle, bool &cancel)>
        wOnMouseClick;
    std::function<void(TRpe *sender, RpeWindowHandle window, const QString &hyperlinkText, bool &cancel)>
        wOnDrillHyperLink;
    std::function<void(TRpe *sender, RpeWindowHandle window, const QString &filePath, bool &cancel)>
        wOnLaunchAnalysis;

    // The engine's window callback; userData is the component.
    static RpeBool eventCallback(int16_t eventId, void *param, void *userData);

private:
    bool engineReadyForSet();
    bool engineReadyForGet();
    uint32_t windowStyleBits();
    void enableWindowEvents();
    bool dispatchEvent(int16_t eventId, void *param);
    // A window event handler threw: component error 150 through HandleError.
    void handlerFailed(int16_t eventId, const QString &text) noexcept;
    void showRaised(const QString &message) noexcept;
    void forgetLibrary();
    void loaderFailureAsComponentError(TRpeFailure &failure);

    bool m_loading = false;
    bool m_designing = false;

    QString m_reportName;
    QString m_reportTitle;
    TRpeOutput m_output = toWindow;
    QString m_rpePath;
    QString m_tempPath;
    int16_t m_detailCopies = 1;
    bool m_progressDialog = true;
    bool m_loadEngineOnUse = false;
    bool m_ignoreRpeBugs = true;
    TRpeFormulaSyntax m_formulaSyntax = fsNative;
    TRpeReportStyle m_reportStyle = rsStandard;
    bool m_windowEvents = false;
    TRpeWindowState m_windowState = wsNormal;
    QPointer<QWidget> m_windowParent;
    QPointer<RpeMdiHost> m_mdiHost;
    QPointer<QWidget> m_dialogParent;
    std::unique_ptr<TRpeVersion> m_version;

    void *m_handle = nullptr;
    bool m_engineOpen = false;
    int16_t m_jobNumber = 0;
    QStringList m_printJobs;
    bool m_busy = false;
    int m_lastErrorNumber = 0;
    QString m_lastErrorString;
};
