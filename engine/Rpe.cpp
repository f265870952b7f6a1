#include "engine/Rpe.h"

#include "engine/RpeDynamic.h"
#include "engine/RpeLibraryFile.h"
#include "engine/RpeMdiHost.h"
#include "engine/RpeUtl.h"
#include "shell/Abort.h"
#include "shell/CaptionedMessageBox.h"
#include "shell/Logs.h"
#include "shell/MessageDialog.h"
#include "shell/ShellOpen.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QRegularExpression>

#include <dlfcn.h>
#include <link.h>

#include <cstring>

namespace dyn = RpeDynamic;

namespace {

// Clears the busy flag however the guarded code is left.
class BusyScope
{
public:
    explicit BusyScope(bool &busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool &m_busy;
};

bool isVersionNumeric(const QString &s)
{
    return RpeUtl::IsNumeric(s);
}

QString digitsOnly(const QString &s)
{
    QString d;
    for (QChar c : s)
        if (c.isDigit())
            d += c;
    return d;
}

} // namespace

TRpe::TRpe(QObject *owner)
    : QObject(owner), m_Printer(std::make_unique<TRpePrinter>(this)),
      m_PrintOptions(std::make_unique<TRpePrintOptions>(this)),
      m_ExportOptions(std::make_unique<TRpeExportOptions>(this)),
      m_WindowZoom(std::make_unique<TRpeWindowZoom>(this)),
      m_WindowStyle(std::make_unique<TRpeWindowStyle>(this)),
      m_WindowSize(std::make_unique<TRpeWindowSize>(this)),
      m_WindowButtonBar(std::make_unique<TRpeWindowButtonBar>(this)),
      m_WindowCursor(std::make_unique<TRpeWindowCursors>(this)),
      m_Margins(std::make_unique<TRpeMargins>(this)), m_PrintDate(std::make_unique<TRpePrintDate>(this)),
      m_SummaryInfo(std::make_unique<TRpeSummaryInfo>(this)),
      m_ReportOptions(std::make_unique<TRpeReportOptions>(this)),
      m_GlobalOptions(std::make_unique<TRpeGlobalOptions>(this)),
      m_Selection(std::make_unique<TRpeSelection>(this)),
      m_GroupSelection(std::make_unique<TRpeGroupSelection>(this)), m_SQL(std::make_unique<TRpeSQL>(this)),
      m_Connect(std::make_unique<TRpeConnect>(this)), m_Subreports(std::make_unique<TRpeSubreports>(this)),
      m_Tables(std::make_unique<TRpeTables>(this)), m_SortFields(std::make_unique<TRpeSortFields>(this)),
      m_GroupSortFields(std::make_unique<TRpeGroupSortFields>(this)),
      m_Groups(std::make_unique<TRpeGroups>(this)), m_ParamFields(std::make_unique<TRpeParamFields>(this)),
      m_Formulas(std::make_unique<TRpeFormulas>(this)),
      m_SectionFormat(std::make_unique<TRpeSectionFormat>(this)),
      m_AreaFormat(std::make_unique<TRpeAreaFormat>(this)),
      m_SectionFont(std::make_unique<TRpeSectionFont>(this)),
      m_SectionSize(std::make_unique<TRpeSectionSize>(this)),
      m_SQLExpressions(std::make_unique<TRpeSQLExpressions>(this)),
      m_StoredProcParams(std::make_unique<TRpeStoredProcParams>(this)),
      m_LogOnInfo(std::make_unique<TRpeLogOnInfo>(this)),
      m_LogOnServer(std::make_unique<TRpeLogOnServer>(this)),
      m_SessionInfo(std::make_unique<TRpeSessionInfo>(this)), m_Lines(std::make_unique<TRpeLines>(this)),
      m_Boxes(std::make_unique<TRpeBoxes>(this)), m_Pictures(std::make_unique<TRpePictures>(this)),
      m_TextObjects(std::make_unique<TRpeTextObjects>(this)),
      m_OleObjects(std::make_unique<TRpeOleObjects>(this)),
      m_CrossTabs(std::make_unique<TRpeCrossTabs>(this)), m_Maps(std::make_unique<TRpeMaps>(this)),
      m_OLAPCubes(std::make_unique<TRpeOLAPCubes>(this)),
      m_DatabaseFields(std::make_unique<TRpeDatabaseFields>(this)),
      m_SummaryFields(std::make_unique<TRpeSummaryFields>(this)),
      m_SpecialFields(std::make_unique<TRpeSpecialFields>(this)),
      m_GroupNameFields(std::make_unique<TRpeGroupNameFields>(this)),
      m_RunningTotals(std::make_unique<TRpeRunningTotals>(this)),
      m_Graphs(std::make_unique<TRpeGraphs>(this)), m_Pages(std::make_unique<TRpePages>(this)),
      m_Records(std::make_unique<TRpeRecords>(this))
{
    m_version = std::make_unique<TRpeVersion>(this);
    m_tempPath = RpeUtl::TempFolder();
    if (OnCreate)
        OnCreate(this);
}

TRpe *TRpe::createLoaded(QObject *owner, const std::function<void(TRpe &)> &storedProperties)
{
    auto *rpe = new TRpe(owner);
    rpe->m_loading = true;
    try {
        if (storedProperties)
            storedProperties(*rpe);
    } catch (...) {
        rpe->m_loading = false;
        delete rpe;
        throw;
    }
    rpe->Loaded();
    return rpe;
}

void TRpe::Loaded()
{
    m_loading = false;
    if (!m_designing && !m_loadEngineOnUse)
        OpenPrintEngine();
}

TRpe::~TRpe()
{
    try {
        if (OnDestroy)
            OnDestroy(this);
        Clear();
        if (m_handle || dyn::RpeHandle) {
            UseHandle();
            CloseEngine();
            if (m_handle) {
                UseHandle();
                dyn::RpeFreeLibrary();
            }
            m_handle = nullptr;
        }
    } catch (...) {
        // A destructor has nobody to report to; the library state is left as it is.
    }
}

// ---- Library, engine and jobs ----

void TRpe::UseHandle() const
{
    dyn::RpeHandle = m_handle;
}

void TRpe::GetRpeVersion()
{
    QString folder = RpeUtl::AddBackslash(m_rpePath.trimmed());
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder.clear(); // a folder too short to take a separator is not a folder
    QString file = folder + RpeLibraryFile::fileName();
    if (folder.isEmpty() || !QFileInfo::exists(file))
        file = RpeLibraryFile::findOnSearchPath();

    int errorNumber = 0;
    const QString version = RpeUtl::GetVersionInfo(file, QStringLiteral("FileVersion"), errorNumber);
    if (errorNumber != 0) {
        QString context = QStringLiteral("GetRpeVersion <GetVersionInfo>\r\nWindows Error Number: ") +
                          QString::number(errorNumber);
        const QString message = QString::fromLocal8Bit(std::strerror(errorNumber)).trimmed();
        if (!message.isEmpty())
            context += QStringLiteral(" - ") + message;
        ComponentError(104, context);
        return;
    }
    m_version->Rpe.storeFileVersion(version);

    int32_t major = 8, minor = 0, release = 0, build = 371;
    QChar separator;
    if (version.contains(QLatin1Char(',')))
        separator = QLatin1Char(',');
    else if (version.contains(QLatin1Char('.')))
        separator = QLatin1Char('.');
    if (version != QLatin1String("7,0,0,0") && !separator.isNull()) {
        QString rest = version;
        const QString sep(separator);
        const QString majorPart = digitsOnly(RpeUtl::SplitToken(rest, sep).trimmed());
        if (isVersionNumeric(majorPart))
            major = majorPart.toInt();
        const QString minorPart = RpeUtl::SplitToken(rest, sep).trimmed();
        if (isVersionNumeric(minorPart))
            minor = minorPart.toInt();
        const QString releasePart = RpeUtl::SplitToken(rest, sep).trimmed();
        if (isVersionNumeric(releasePart))
            release = releasePart.toInt();
        const QString buildPart = digitsOnly(rest);
        if (!buildPart.isEmpty())
            build = buildPart.toInt();
    }
    if (OnGetVersion)
        OnGetVersion(this, major, minor, release, build);
    m_version->Rpe.store(version, major, minor, release, build);
    dyn::RpeMajor = major;
    dyn::RpeMinor = minor;
    dyn::RpeRelease = release;
    dyn::RpeBuild = build;
}

bool TRpe::LoadEngine()
{
    if (m_handle)
        return true;
    GetRpeVersion();
    const int32_t major = dyn::RpeMajor;
    const int32_t build = dyn::RpeBuild;
    if (!(major > 5 || (major == 5 && build > 107))) {
        // Refused before anything of the library runs, and never left to OnError.
        m_lastErrorNumber = 103;
        m_lastErrorString = componentErrorText(103) + QStringLiteral("\r\n") + RpeLibraryFile::fileName() +
                            QStringLiteral(" :: ") + m_version->Rpe.FileVersion();
        throw ERpeError(m_lastErrorNumber, m_lastErrorString);
    }

    QString folder = RpeUtl::AddBackslash(m_rpePath.trimmed());
    if (!RpeUtl::IsBlank(m_rpePath) && QFileInfo::exists(folder + RpeLibraryFile::fileName())) {
        if (dyn::RpeLoadLibrary(folder)) {
            m_handle = dyn::RpeHandle;
            return true;
        }
    }
    if (dyn::RpeLoadLibrary()) {
        m_handle = dyn::RpeHandle;
        // The folder the system found the library in.
        struct link_map *map = nullptr;
        if (dlinfo(m_handle, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name && *map->l_name) {
            const QString path = QFile::decodeName(map->l_name).left(256);
            QString found = QFileInfo(path).absolutePath();
            if (!found.endsWith(QLatin1Char('/')))
                found += QLatin1Char('/');
            m_rpePath = found;
        }
        return true;
    }
    ComponentError(100);
    return false;
}

bool TRpe::OpenPrintEngine()
{
    if (!LoadEngine())
        return false;
    if (m_engineOpen)
        return true;
    UseHandle();
    if (!dyn::RpeOpenEngine()) {
        EngineError(QStringLiteral("OpenPrintEngine <RpeOpenEngine>"));
        return false;
    }
    m_engineOpen = true;
    setTempPath(m_tempPath);
    return true;
}

void TRpe::setTempPath(const QString &path)
{
    m_tempPath = RpeUtl::IsBlank(path) ? RpeUtl::TempFolder() : path;
    if (m_engineOpen && dyn::RpeMajor > 7) {
        UseHandle();
        const QByteArray text = m_tempPath.toUtf8();
        if (!dyn::RpeSetTempFilePath(text.constData()))
            EngineError(QStringLiteral("SetTempPath <RpeSetTempFilePath>"));
    }
}

int16_t TRpe::PrintJobs(int i) const
{
    if (i < 0 || i >= m_printJobs.size())
        return 0;
    bool ok = false;
    const int n = m_printJobs.at(i).toInt(&ok);
    return ok ? int16_t(n) : 0;
}

bool TRpe::OpenPrintJob()
{
    if (RpeUtl::IsBlank(m_reportName)) {
        ComponentError(112);
        return false;
    }
    if (!QFileInfo::exists(m_reportName)) {
        ComponentError(114);
        return false;
    }
    if (!OpenPrintEngine())
        return false;
    if (m_printJobs.isEmpty())
        m_printJobs << QStringLiteral("0");
    if (PrintJobs(0) == 0) {
        UseHandle();
        const QByteArray path = QFile::encodeName(m_reportName);
        const int16_t job = dyn::RpeOpenPrintJob(path.constData());
        // A loader failure answers -1; only a real job number is kept.
        const int16_t stored = job > 0 ? job : 0;
        m_printJobs[0] = QString::number(stored);
        m_jobNumber = stored;
        if (stored == 0) {
            EngineError(QStringLiteral("OpenPrintJob <RpeOpenPrintJob>"));
            return false;
        }
        if (OnJobOpened)
            OnJobOpened(this, stored);
    }
    int n = m_Subreports->Number();
    if (n > 0) {
        n = std::min(n, int(m_printJobs.size()) - 1);
        if (PrintJobs(n) == 0) {
            UseHandle();
            const QByteArray name = m_Subreports->Name().toUtf8();
            const int16_t job = dyn::RpeOpenSubreport(PrintJobs(0), name.constData());
            const int16_t stored = job > 0 ? job : 0;
            m_printJobs[n] = QString::number(stored);
            m_jobNumber = stored;
            if (stored == 0) {
                EngineError(QStringLiteral("OpenPrintJob - Subreports[%1] <RpeOpenSubreport>").arg(n));
                return false;
            }
        }
    }
    return true;
}

void TRpe::selectJob(int i)
{
    while (m_printJobs.size() <= i)
        m_printJobs << QStringLiteral("0");
    if (!OpenPrintJob())
        return;
    m_jobNumber = PrintJobs(i);
}

void TRpe::ClosePrintJob()
{
    if (!m_handle || m_jobNumber == 0)
        return;
    // Subreports first, each by its own entry; nothing is opened on the way.
    for (int i = int(m_printJobs.size()) - 1; i >= 1; --i) {
        m_jobNumber = PrintJobs(i);
        if (m_jobNumber != 0) {
            UseHandle();
            if (!dyn::RpeCloseSubreport(m_jobNumber)) {
                EngineError(QStringLiteral("ClosePrintJob <RpeCloseSubreport>"));
                return;
            }
        }
        m_printJobs.removeAt(i);
    }
    m_jobNumber = PrintJobs(0);
    UseHandle();
    if (m_jobNumber != 0 && !dyn::RpeClosePrintJob(m_jobNumber)) {
        EngineError(QStringLiteral("ClosePrintJob <RpeClosePrintJob>"));
        return;
    }
    m_printJobs.clear();
    m_jobNumber = 0;
    m_Subreports->Clear();
    if (m_loadEngineOnUse)
        CloseEngine();
}

void TRpe::forgetLibrary()
{
    UseHandle();
    dyn::RpeFreeLibrary();
    m_handle = nullptr;
    m_version->Clear();
}

void TRpe::CloseEngine()
{
    // The engine counts its openers: only this component's own open is
    // given back, or another component's engine would close under it.
    if (m_engineOpen) {
        UseHandle();
        dyn::RpeCloseEngine();
    }
    m_engineOpen = false;
    if (m_loadEngineOnUse && m_handle)
        forgetLibrary();
}

void TRpe::CloseJob()
{
    ClosePrintJob();
    CloseEngine();
}

void TRpe::UnloadEngine()
{
    CloseJob();
    if (m_handle)
        forgetLibrary();
}

bool TRpe::JobReady(int i)
{
    if (m_loading || RpeUtl::IsBlank(m_reportName) || !QFileInfo::exists(m_reportName) || i < 0)
        return false;
    return OpenPrintJob();
}

bool TRpe::engineReadyForSet()
{
    return !RpeUtl::IsBlank(m_reportName) && OpenPrintJob();
}

bool TRpe::engineReadyForGet()
{
    return m_jobNumber > 0;
}

// ---- Properties held by the engine ----

void TRpe::setReportName(const QString &name)
{
    if (RpeUtl::IsBlank(name) || name.compare(m_reportName, Qt::CaseInsensitive) != 0) {
        ClosePrintJob();
        m_reportName = name;
        m_Subreports->Clear();
        return;
    }
    m_reportName = name;
}

QString TRpe::ReportTitle()
{
    if (m_jobNumber <= 0 && !m_loading && !RpeUtl::IsBlank(m_reportName) && QFileInfo::exists(m_reportName))
        OpenPrintJob();
    if (m_jobNumber > 0) {
        UseHandle();
        RpeTextHandle handle = nullptr;
        int16_t length = 0;
        if (!dyn::RpeGetReportTitle(m_jobNumber, &handle, &length)) {
            EngineError(QStringLiteral("GetReportTitle <RpeGetReportTitle>"));
            return m_reportTitle;
        }
        m_reportTitle = RpeText::take(handle);
    }
    return m_reportTitle;
}

void TRpe::setReportTitle(const QString &title)
{
    m_reportTitle = title;
    if (!engineReadyForSet())
        return;
    UseHandle();
    RpeTextHandle handle = nullptr;
    int16_t length = 0;
    if (!dyn::RpeGetReportTitle(m_jobNumber, &handle, &length)) {
        EngineError(QStringLiteral("SetReportTitle <RpeGetReportTitle>"));
        return;
    }
    if (RpeText::take(handle) == title)
        return;
    const QByteArray text = title.toUtf8();
    UseHandle();
    if (!dyn::RpeSetReportTitle(m_jobNumber, text.constData()))
        EngineError(QStringLiteral("SetReportTitle <RpeSetReportTitle>"));
}

int16_t TRpe::DetailCopies()
{
    if (engineReadyForGet()) {
        UseHandle();
        const int16_t n = dyn::RpeGetNDetailCopies(m_jobNumber);
        if (n == -1)
            EngineError(QStringLiteral("RetrieveDetailCopies <RpeGetNDetailCopies>"));
        else
            m_detailCopies = n;
    }
    return m_detailCopies;
}

void TRpe::setDetailCopies(int16_t copies)
{
    m_detailCopies = copies;
    if (!engineReadyForSet())
        return;
    UseHandle();
    const int16_t current = dyn::RpeGetNDetailCopies(m_jobNumber);
    if (current == -1) {
        EngineError(QStringLiteral("SetDetailCopies <RpeGetNDetailCopies>"));
        return;
    }
    if (current == copies)
        return;
    UseHandle();
    if (!dyn::RpeSetNDetailCopies(m_jobNumber, copies))
        EngineError(QStringLiteral("SetDetailCopies <RpeSetNDetailCopies>"));
}

void TRpe::setProgressDialog(bool enabled)
{
    m_progressDialog = enabled;
    if (!engineReadyForSet())
        return;
    UseHandle();
    if (!dyn::RpeEnableProgressDialog(m_jobNumber, enabled ? 1 : 0))
        EngineError(QStringLiteral("SetProgressDialog <RpeEnableProgressDialog>"));
}

TRpeFormulaSyntax TRpe::FormulaSyntax()
{
    if (engineReadyForGet() && dyn::RpeMajor >= 8) {
        RpeFormulaSyntax record{};
        UseHandle();
        if (!dyn::RpeGetFormulaSyntax(m_jobNumber, &record))
            EngineError(QStringLiteral("GetFormulaSyntax <RpeGetFormulaSyntax>"));
        else
            m_formulaSyntax = record.FormulaSyntax[0] == RPE_FORMULA_SYNTAX_NATIVE ? fsNative : fsBasic;
    }
    return m_formulaSyntax;
}

void TRpe::setFormulaSyntax(TRpeFormulaSyntax syntax)
{
    m_formulaSyntax = syntax;
    if (!engineReadyForSet() || dyn::RpeMajor < 8)
        return;
    RpeFormulaSyntax record{};
    UseHandle();
    if (!dyn::RpeGetFormulaSyntax(m_jobNumber, &record)) {
        EngineError(QStringLiteral("SetFormulaSyntax <RpeGetFormulaSyntax>"));
        return;
    }
    if (record.FormulaSyntax[0] == int16_t(syntax))
        return;
    record.FormulaSyntax[0] = int16_t(syntax);
    UseHandle();
    if (!dyn::RpeSetFormulaSyntax(m_jobNumber, &record))
        EngineError(QStringLiteral("SetFormulaSyntax <RpeSetFormulaSyntax>"));
}

TRpeReportStyle TRpe::ReportStyle()
{
    if (engineReadyForGet() && dyn::RpeMajor >= 7) {
        UseHandle();
        const int16_t style = dyn::RpeGetReportStyle(m_jobNumber);
        if (style < 0 || style > 9)
            EngineError(QStringLiteral("GetReportStyle <RpeGetReportStyle>"));
        else
            m_reportStyle = TRpeReportStyle(style);
    }
    return m_reportStyle;
}

void TRpe::setReportStyle(TRpeReportStyle style)
{
    m_reportStyle = style;
    if (!engineReadyForSet() || dyn::RpeMajor < 7)
        return;
    UseHandle();
    const int16_t current = dyn::RpeGetReportStyle(m_jobNumber);
    if (current < 0 || current > 9) {
        EngineError(QStringLiteral("SetReportStyle <RpeGetReportStyle>"));
        return;
    }
    if (current == int16_t(style))
        return;
    UseHandle();
    if (!dyn::RpeSetReportStyle(m_jobNumber, int16_t(style)))
        EngineError(QStringLiteral("SetReportStyle <RpeSetReportStyle>"));
}

void TRpe::setDialogParent(QWidget *parent)
{
    const bool changed = parent != m_dialogParent;
    m_dialogParent = parent;
    if (!changed || !parent || !engineReadyForSet())
        return;
    UseHandle();
    if (!dyn::RpeSetDialogParentWindow(m_jobNumber, static_cast<RpeWindowHandle>(parent)))
        EngineError(QStringLiteral("SetDialogParent <RpeSetDialogParentWindow>"));
}

TRpeWindowState TRpe::WindowState()
{
    if (auto *window = static_cast<QWidget *>(ReportWindowHandle())) {
        m_windowState = window->isMinimized() ? wsMinimized : window->isMaximized() ? wsMaximized : wsNormal;
    }
    return m_windowState;
}

void TRpe::setWindowState(TRpeWindowState state)
{
    m_windowState = state;
    if (auto *window = static_cast<QWidget *>(ReportWindowHandle())) {
        if (state == wsMinimized)
            window->showMinimized();
        else if (state == wsMaximized)
            window->showMaximized();
        else
            window->showNormal();
    }
}

// ---- Status ----

bool TRpe::IsPrintJobFinished()
{
    if (m_jobNumber <= 0)
        return true;
    UseHandle();
    return dyn::RpeIsPrintJobFinished(m_jobNumber) != 0;
}

bool TRpe::JobPrintEnded()
{
    if (m_jobNumber <= 0)
        return true;
    RpeJobInfo info{};
    UseHandle();
    if (dyn::RpeGetJobStatus(m_jobNumber, &info) <= 0)
        return true;
    return info.PrintEnded != 0;
}

RpeWindowHandle TRpe::ReportWindowHandle()
{
    if (!m_engineOpen || m_jobNumber <= 0)
        return nullptr;
    UseHandle();
    return dyn::RpeGetWindowHandle(m_jobNumber);
}

void TRpe::freeMdiHost()
{
    if (m_mdiHost)
        delete m_mdiHost->form();
}

void TRpe::CloseWindow()
{
    if (!ReportWindowHandle())
        return;
    UseHandle();
    dyn::RpeCloseWindow(m_jobNumber);
}

// ---- Execute ----

void TRpe::Print()
{
    m_output = toPrinter;
    Execute();
}

uint32_t TRpe::windowStyleBits()
{
    uint32_t style = RPE_WS_VISIBLE;
    if (m_windowParent)
        style |= RPE_WS_CLIPSIBLINGS | RPE_WS_CLIPCHILDREN;
    const TRpeWindowStyle &ws = *m_WindowStyle;
    // Inside an MDI form the form supplies the frame.
    const TRpeBorderStyle border = RpeMdiHost::mdiAreaOf(m_windowParent) ? bsNone : ws.BorderStyle;
    switch (border) {
    case bsNone:
        break;
    case bsSingle:
        style |= RPE_WS_CAPTION;
        break;
    case bsSizeable:
        style |= RPE_WS_CAPTION | RPE_WS_THICKFRAME;
        break;
    case bsDialog:
        style |= RPE_WS_CAPTION | RPE_WS_SYSMENU;
        style &= ~(RPE_WS_MINIMIZEBOX | RPE_WS_MAXIMIZEBOX);
        break;
    }
    if (border == bsSingle || border == bsSizeable) {
        if (ws.SystemMenu) {
            if (ws.MinButton)
                style |= RPE_WS_MINIMIZEBOX;
            if (ws.MaxButton)
                style |= RPE_WS_MAXIMIZEBOX;
        }
        if (m_windowState == wsMinimized)
            style |= RPE_WS_MINIMIZE;
        else if (m_windowState == wsMaximized)
            style |= RPE_WS_MAXIMIZE;
    } else {
        m_windowState = wsNormal;
    }
    if (border != bsNone && ws.SystemMenu)
        style |= RPE_WS_SYSMENU;
    if (ws.Disabled())
        style |= RPE_WS_DISABLED;
    return style;
}

bool TRpe::SendOutput()
{
    if (RpeUtl::IsBlank(m_reportName) || !OpenPrintJob())
        return false;
    bool ok = true;
    QString context;
    switch (m_output) {
    case toWindow: {
        TRpeWindowSize &size = *m_WindowSize;
        auto position = [](int v) { return v == -1 ? RPE_DEFAULT : int32_t(v); };
        const QByteArray title = m_WindowStyle->Title().toUtf8();
        const uint32_t style = windowStyleBits();
        QWidget *parent = m_windowParent.data();
        if (QMdiArea *area = RpeMdiHost::mdiAreaOf(parent)) {
            freeMdiHost();
            m_mdiHost = RpeMdiHost::create(area, m_WindowStyle->Title(), [this] { CloseWindow(); });
            parent = m_mdiHost;
        }
        UseHandle();
        ok = dyn::RpeOutputToWindow(m_jobNumber, title.constData(), position(size.Left()),
                                    position(size.Top()), position(size.Width()), position(size.Height()),
                                    style, static_cast<RpeWindowHandle>(parent)) != 0;
        context = QStringLiteral("SendOutput <RpeOutputToWindow>");
        break;
    }
    case toPrinter: {
        const auto copies = int16_t(m_PrintOptions->Copies());
        UseHandle();
        ok = dyn::RpeOutputToPrinter(m_jobNumber, copies) != 0;
        context = QStringLiteral("SendOutput <RpeOutputToPrinter>");
        break;
    }
    case toExport:
        // The export reports its own failure.
        return m_ExportOptions->Send();
    }
    if (!ok) {
        EngineError(context);
        return false;
    }
    return true;
}

void TRpe::enableWindowEvents()
{
    RpeEnableEventInfo info{};
    auto on = [](std::initializer_list<bool> handlers) {
        for (bool assigned : handlers)
            if (assigned)
                return int16_t(1);
        return int16_t(0);
    };
    const bool buttons[] = {bool(wOnPrintBtnClick),     bool(wOnExportBtnClick),
                            bool(wOnFirstPageBtnClick), bool(wOnPreviousPageBtnClick),
                            bool(wOnNextPageBtnClick),  bool(wOnLastPageBtnClick),
                            bool(wOnCancelBtnClick),    bool(wOnSearchBtnClick),
                            bool(wOnGroupTreeBtnClick), bool(wOnRefreshBtnClick)};
    bool anyButton = false;
    for (bool b : buttons)
        anyButton = anyButton || b;
    info.CloseWindowEvent = on({bool(wOnCloseWindow)});
    info.ActivateWindowEvent = on({bool(wOnCloseWindow), bool(wOnActivateWindow), bool(wOnDeActivateWindow)});
    info.StartStopEvent =
        on({anyButton, bool(wOnShowGroup), bool(wOnDrillGroup), bool(wOnStartEvent), bool(wOnStopEvent)});
    info.WindowButtonEvent =
        on({anyButton, bool(wOnZoomLevelChange), bool(wOnCloseBtnClick), bool(wOnPrintSetupBtnClick)});
    info.DrillEvent = on({bool(wOnShowGroup), bool(wOnDrillGroup), bool(wOnDrillDetail)});
    info.ReadingRecordEvent = on({bool(wOnReadingRecords)});
    info.MouseClickEvent = on({bool(wOnMouseClick)});
    info.HyperlinkEvent = on({bool(wOnDrillHyperLink)});
    info.LaunchAnalysisEvent = on({bool(wOnLaunchAnalysis)});
    // Field mapping is never asked for here.
    info.FieldMappingEvent = 0;
    UseHandle();
    if (!dyn::RpeEnableEvent(m_jobNumber, &info))
        EngineError(QStringLiteral("Execute <RpeEnableEvent>"));
}

bool TRpe::Execute()
{
    if (m_busy)
        return false;

    if (m_output == toExport && m_ExportOptions->PromptOnOverwrite &&
        m_ExportOptions->FileType != ODBCTable &&
        (m_ExportOptions->Destination == toFile || m_ExportOptions->Destination == toApplication) &&
        QFileInfo::exists(m_ExportOptions->FileName)) {
        const MsgResult answer = CaptionedMessageBox(
            QStringLiteral("Export Warning"), QStringLiteral("Export FileName already exists.  Overwrite?"),
            MsgKind::Confirmation, MsgButton::OK | MsgButton::Cancel);
        if (answer != MsgResult::OK)
            return false;
    }

    if (!OpenPrintJob())
        return false;

    const int remembered = m_Subreports->Number();
    const bool singleJob = remembered > 0 && m_Subreports->SubExecute;
    auto restore = [&] {
        if (m_jobNumber > 0)
            m_Subreports->select(remembered);
    };

    if (!m_designing) {
        bool cancel = false;
        if (OnExecuteBegin) {
            BusyScope busy(m_busy);
            OnExecuteBegin(this, cancel);
        }
        if (cancel)
            return false;
    }

    auto sendOutputSettings = [&]() {
        if (m_output == toWindow) {
            m_WindowButtonBar->Send();
            m_WindowCursor->Send();
        } else {
            setProgressDialog(m_progressDialog);
        }
        m_Printer->Send();
        if (!SendOutput())
            return false;
        m_PrintDate->Send();
        return true;
    };

    if (singleJob) {
        if (!sendOutputSettings()) {
            restore();
            return false;
        }
    } else {
        m_Subreports->select(0);
        for (int i = m_Subreports->Count() - 1; i >= 0; --i) {
            m_Subreports->select(i);
            if (i == 0 && !sendOutputSettings()) {
                restore();
                return false;
            }
        }
    }

    if (m_output == toWindow && m_windowEvents && dyn::RpeMajor > 5) {
        enableWindowEvents();
        UseHandle();
        if (!dyn::RpeSetEventCallback(m_jobNumber, &TRpe::eventCallback, this))
            EngineError(QStringLiteral("Execute <RpeSetEventCallback>"));
    }

    if (!m_designing) {
        bool cancel = false;
        if (OnExecuteDoneSend) {
            BusyScope busy(m_busy);
            OnExecuteDoneSend(this, cancel);
        }
        if (cancel) {
            restore();
            return false;
        }
    }

    UseHandle();
    if (!dyn::RpeStartPrintJob(m_jobNumber, 1)) {
        EngineError(QStringLiteral("Execute <RpeStartPrintJob>"), {505, 524, 545});
        return false;
    }

    if (m_output == toWindow)
        m_WindowZoom->Apply();

    if (!m_designing) {
        if (OnExecuteEnd) {
            BusyScope busy(m_busy);
            OnExecuteEnd(this);
        }
        if (OnPrintEnded && m_output != toWindow) {
            while (!JobPrintEnded())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            BusyScope busy(m_busy);
            OnPrintEnded(this);
        }
        if (OnWindowClose && ReportWindowHandle()) {
            while (ReportWindowHandle())
                QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
            BusyScope busy(m_busy);
            OnWindowClose(this);
        }
    }

    if (m_output == toExport && m_ExportOptions->Destination == toApplication &&
        (!RpeUtl::IsBlank(m_ExportOptions->AppName) || dyn::RpeMajor <= 6)) {
        while (!JobPrintEnded())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const QString app = m_ExportOptions->AppName.trimmed();
        const QString file = m_ExportOptions->FileName.trimmed();
        // With no application named the desktop chooses one for the file.
        if (app.isEmpty())
            ShellOpen::open(file);
        else
            QProcess::startDetached(app, {file});
    }

    if (m_jobNumber > 0 && remembered < m_Subreports->Count())
        m_Subreports->select(remembered);
    m_busy = false;
    return true;
}

// ---- Window events ----

RpeBool TRpe::eventCallback(int16_t eventId, void *param, void *userData)
{
    auto *rpe = static_cast<TRpe *>(userData);
    if (!rpe || !param)
        return 1;
    BusyScope busy(rpe->m_busy);
    // The engine and the event loop below it cannot unwind a C++ exception:
    // whatever a handler throws becomes this component's error here, and the
    // engine's action is cancelled.
    try {
        return rpe->dispatchEvent(eventId, param) ? 1 : 0;
    } catch (const EAbort &) {
    } catch (const ERpeError &error) {
        // Already through HandleError, which chose to raise it.
        rpe->showRaised(error.message());
    } catch (const std::exception &error) {
        rpe->handlerFailed(eventId, ErrorMessage(error));
    } catch (...) {
        rpe->handlerFailed(eventId, QStringLiteral("Unknown exception"));
    }
    return 0;
}

void TRpe::handlerFailed(int16_t eventId, const QString &text) noexcept
{
    try {
        TRpeFailure failure;
        failure.component = true;
        failure.number = 150;
        failure.text = componentErrorText(150) + QStringLiteral(": ") + text;
        failure.context = QStringLiteral("Event %1 <eventCallback>").arg(eventId);
        if (HandleError(failure) == errRaise)
            showRaised(ERpeError(m_lastErrorNumber, m_lastErrorString).message());
    } catch (...) {
        // An OnError handler that throws as well: the error stays in LastError.
    }
}

void TRpe::showRaised(const QString &message) noexcept
{
    // Where the error would have gone had nothing been in between.
    try {
        ShowError(message);
    } catch (...) {
    }
}

namespace {
QStringList textList(const char *const *texts, int count)
{
    QStringList list;
    for (int i = 0; texts && i < count; ++i)
        list << (texts[i] ? QString::fromUtf8(texts[i]) : QString());
    return list;
}
} // namespace

bool TRpe::dispatchEvent(int16_t eventId, void *param)
{
    uint16_t size = 0;
    std::memcpy(&size, param, sizeof size);
    bool cancel = false;
    auto windowOf = [this](uint16_t job) {
        UseHandle();
        return dyn::RpeGetWindowHandle(int16_t(job));
    };
    auto general = [&](const WindowNotify &handler) {
        if (!handler || size != sizeof(RpeGeneralEventInfo))
            return true;
        RpeGeneralEventInfo info;
        std::memcpy(&info, param, sizeof info);
        handler(this, windowOf(info.WindowJob), cancel);
        return !cancel;
    };
    switch (eventId) {
    case RPE_EVENT_CLOSE_WINDOW:
        return general(wOnCloseWindow);
    case RPE_EVENT_ACTIVATE_WINDOW:
        return general(wOnActivateWindow);
    case RPE_EVENT_DEACTIVATE_WINDOW:
        return general(wOnDeActivateWindow);
    case RPE_EVENT_PRINT_BUTTON:
        return general(wOnPrintBtnClick);
    case RPE_EVENT_EXPORT_BUTTON:
        return general(wOnExportBtnClick);
    case RPE_EVENT_FIRST_PAGE_BUTTON:
        return general(wOnFirstPageBtnClick);
    case RPE_EVENT_PREVIOUS_PAGE_BUTTON:
        return general(wOnPreviousPageBtnClick);
    case RPE_EVENT_NEXT_PAGE_BUTTON:
        return general(wOnNextPageBtnClick);
    case RPE_EVENT_LAST_PAGE_BUTTON:
        return general(wOnLastPageBtnClick);
    case RPE_EVENT_CANCEL_BUTTON:
        return general(wOnCancelBtnClick);
    case RPE_EVENT_PRINT_SETUP_BUTTON:
        return general(wOnPrintSetupBtnClick);
    case RPE_EVENT_REFRESH_BUTTON:
        return general(wOnRefreshBtnClick);
    case RPE_EVENT_ZOOM_LEVEL_CHANGE:
    case RPE_EVENT_CLOSE_BUTTON:
    case RPE_EVENT_GROUP_TREE_BUTTON: {
        if (size != sizeof(RpeGeneralEventInfo))
            return true;
        RpeGeneralEventInfo info;
        std::memcpy(&info, param, sizeof info);
        if (eventId == RPE_EVENT_ZOOM_LEVEL_CHANGE && wOnZoomLevelChange)
            wOnZoomLevelChange(this, windowOf(info.WindowJob), info.Param, cancel);
        else if (eventId == RPE_EVENT_CLOSE_BUTTON && wOnCloseBtnClick)
            wOnCloseBtnClick(this, windowOf(info.WindowJob), info.Param, cancel);
        else if (eventId == RPE_EVENT_GROUP_TREE_BUTTON && wOnGroupTreeBtnClick)
            wOnGroupTreeBtnClick(this, windowOf(info.WindowJob), info.Param == 1, cancel);
        return !cancel;
    }
    case RPE_EVENT_SEARCH_BUTTON: {
        if (!wOnSearchBtnClick || size != sizeof(RpeSearchEventInfo))
            return true;
        auto *info = static_cast<RpeSearchEventInfo *>(param);
        QString text = QString::fromUtf8(info->SearchString, qsizetype(strnlen(info->SearchString, 128)));
        wOnSearchBtnClick(this, windowOf(info->WindowJob), text, cancel);
        if (!cancel) {
            QByteArray bytes = text.toUtf8().left(127);
            std::memset(info->SearchString, 0, sizeof info->SearchString);
            std::memcpy(info->SearchString, bytes.constData(), size_t(bytes.size()));
        }
        return !cancel;
    }
    case RPE_EVENT_READING_RECORDS: {
        if (!wOnReadingRecords || size != sizeof(RpeReadingRecordsEventInfo))
            return true;
        RpeReadingRecordsEventInfo info;
        std::memcpy(&info, param, sizeof info);
        bool cancelled = info.Cancelled != 0;
        wOnReadingRecords(this, cancelled, info.RecordsRead, info.RecordsSelected, info.Done != 0, cancel);
        return !cancel;
    }
    case RPE_EVENT_START: {
        if (!wOnStartEvent || size != sizeof(RpeStartEventInfo))
            return true;
        RpeStartEventInfo info;
        std::memcpy(&info, param, sizeof info);
        wOnStartEvent(this, TRpeStartEventDestination(info.Destination), cancel);
        return !cancel;
    }
    case RPE_EVENT_STOP: {
        if (!wOnStopEvent || size != sizeof(RpeStopEventInfo))
            return true;
        RpeStopEventInfo info;
        std::memcpy(&info, param, sizeof info);
        wOnStopEvent(this, TRpeStartEventDestination(info.Destination),
                     TRpeStopEventJobStatus(info.JobStatus), cancel);
        return !cancel;
    }
    case RPE_EVENT_SHOW_GROUP:
    case RPE_EVENT_DRILL_ON_GROUP: {
        const bool show = eventId == RPE_EVENT_SHOW_GROUP;
        if ((show ? !wOnShowGroup : !wOnDrillGroup) || size != sizeof(RpeGroupEventInfo))
            return true;
        RpeGroupEventInfo info;
        std::memcpy(&info, param, sizeof info);
        const QStringList names = textList(info.GroupList, info.GroupLevel);
        if (show)
            wOnShowGroup(this, windowOf(info.WindowJob), info.GroupLevel, names, cancel);
        else
            wOnDrillGroup(this, windowOf(info.WindowJob), info.GroupLevel, TRpeDrillDownType(info.DrillType),
                          names, cancel);
        return !cancel;
    }
    case RPE_EVENT_DRILL_ON_DETAIL: {
        if (!wOnDrillDetail || size != sizeof(RpeDrillDetailEventInfo))
            return true;
        RpeDrillDetailEventInfo info;
        std::memcpy(&info, param, sizeof info);
        QStringList values;
        for (int i = 0; info.FieldValues && i < info.NFields; ++i)
            values << RpeUtl::DrillValueText(info.FieldValues[i]);
        wOnDrillDetail(this, windowOf(info.WindowJob), info.SelectedFieldIndex, info.NFields,
                       textList(info.FieldNames, info.NFields), values, cancel);
        return !cancel;
    }
    case RPE_EVENT_RIGHT_CLICK:
    case RPE_EVENT_LEFT_CLICK:
    case RPE_EVENT_MIDDLE_CLICK: {
        if (!wOnMouseClick || size != sizeof(RpeMouseClickEventInfo))
            return true;
        RpeMouseClickEventInfo info;
        std::memcpy(&info, param, sizeof info);
        TRpeMouseInfo mouse;
        mouse.button = info.Button == RPE_MOUSE_RIGHT_BUTTON    ? mbRight
                       : info.Button == RPE_MOUSE_MIDDLE_BUTTON ? mbMiddle
                                                                : mbLeft;
        mouse.shift = info.KeyFlags & RPE_MOUSE_SHIFT_KEY;
        mouse.control = info.KeyFlags & RPE_MOUSE_CONTROL_KEY;
        mouse.x = info.X;
        mouse.y = info.Y;
        wOnMouseClick(this, windowOf(info.WindowJob), mouse, RpeUtl::DrillValueText(info.FieldValue),
                      RpeUtl::FieldValueTypeOf(info.FieldType), RpeUtl::SectionName(info.SectionCode),
                      info.ObjectHandle, cancel);
        return !cancel;
    }
    case RPE_EVENT_DRILL_ON_HYPERLINK:
    case RPE_EVENT_LAUNCH_ANALYSIS: {
        const bool link = eventId == RPE_EVENT_DRILL_ON_HYPERLINK;
        if ((link ? !wOnDrillHyperLink : !wOnLaunchAnalysis) || size != sizeof(RpeTextEventInfo))
            return true;
        RpeTextEventInfo info;
        std::memcpy(&info, param, sizeof info);
        const QString text = info.Text ? QString::fromUtf8(info.Text) : QString();
        if (link)
            wOnDrillHyperLink(this, windowOf(info.WindowJob), text, cancel);
        else
            wOnLaunchAnalysis(this, windowOf(info.WindowJob), text, cancel);
        return !cancel;
    }
    default:
        return true;
    }
}

// ---- Clear ----

void TRpe::Clear()
{
    // Name and path first, so that none of the resets below reaches the engine.
    setReportName(QString());
    m_rpePath.clear();
    m_output = toWindow;
    m_progressDialog = true;
    m_loadEngineOnUse = false;
    m_ignoreRpeBugs = true;
    m_detailCopies = 1;
    m_formulaSyntax = fsNative;
    m_reportStyle = rsStandard;
    m_reportTitle.clear();
    m_windowEvents = false;
    m_windowState = wsNormal;
    m_windowParent = nullptr;
    freeMdiHost();
    m_dialogParent = nullptr;
    m_lastErrorNumber = 0;
    m_lastErrorString.clear();
    m_busy = false;
    TRpePersistent *const subObjects[] = {m_Printer.get(),         m_PrintOptions.get(),
                                          m_ExportOptions.get(),   m_WindowZoom.get(),
                                          m_WindowStyle.get(),     m_WindowSize.get(),
                                          m_WindowButtonBar.get(), m_WindowCursor.get(),
                                          m_Margins.get(),         m_PrintDate.get(),
                                          m_SummaryInfo.get(),     m_ReportOptions.get(),
                                          m_GlobalOptions.get(),   m_Selection.get(),
                                          m_GroupSelection.get(),  m_SQL.get(),
                                          m_Connect.get(),         m_Subreports.get(),
                                          m_Tables.get(),          m_SortFields.get(),
                                          m_GroupSortFields.get(), m_Groups.get(),
                                          m_ParamFields.get(),     m_Formulas.get(),
                                          m_SectionFormat.get(),   m_AreaFormat.get(),
                                          m_SectionFont.get(),     m_SectionSize.get(),
                                          m_SQLExpressions.get(),  m_StoredProcParams.get(),
                                          m_LogOnInfo.get(),       m_LogOnServer.get(),
                                          m_SessionInfo.get(),     m_Lines.get(),
                                          m_Boxes.get(),           m_Pictures.get(),
                                          m_TextObjects.get(),     m_OleObjects.get(),
                                          m_CrossTabs.get(),       m_Maps.get(),
                                          m_OLAPCubes.get(),       m_DatabaseFields.get(),
                                          m_SummaryFields.get(),   m_SpecialFields.get(),
                                          m_GroupNameFields.get(), m_RunningTotals.get(),
                                          m_Graphs.get(),          m_Pages.get(),
                                          m_Records.get()};
    for (TRpePersistent *sub : subObjects)
        sub->Clear();
}

// ---- Errors ----

QString TRpe::componentErrorText(int number)
{
    const QString lib = RpeLibraryFile::fileName();
    switch (number) {
    case 100:
        return QStringLiteral("Error loading library: ") + lib;
    case 101:
        return QStringLiteral("Error freeing library: ") + lib;
    case 102:
        return lib + QStringLiteral(" is not loaded");
    case 103:
        return QStringLiteral("Incompatible RPE version: requires 5.x.x.108 or higher");
    case 104:
        return QStringLiteral("Failed to obtain Version Information from ") + lib;
    case 105:
        return QStringLiteral("Failed to load function from ") + lib;
    case 110:
        return QStringLiteral("Could not Allocate Memory for Internal Variables");
    case 112:
        return QStringLiteral("No ReportName assigned");
    case 114:
        return QStringLiteral("Report not found");
    case 116:
        return QStringLiteral("Subscript out of range");
    case 120:
        return QStringLiteral("Lookup item not found");
    case 130:
        return QStringLiteral("Failed to Retrieve Error Message from Print Engine");
    case 140:
        return QStringLiteral("Undefined Print Engine Error");
    case 150:
        return QStringLiteral("Window event handler failed");
    case 292:
        return QStringLiteral("Invalid Number Value");
    case 293:
        return QStringLiteral("Invalid Currency Value");
    case 294:
        return QStringLiteral("Invalid Boolean Value (Proper format: True/False)");
    case 296:
        return QStringLiteral("Invalid Date Value (Proper format: YYYY,MM,DD)");
    case 297:
        return QStringLiteral("Invalid String Value");
    case 298:
        return QStringLiteral("Invalid DateTime Value (Proper format: YYYY,MM,DD HH:MM:SS)");
    case 299:
        return QStringLiteral("Invalid Time Value (Proper format: HH:MM:SS)");
    case 305:
        return QStringLiteral("Error converting string to ValueInfo");
    case 322:
        return QStringLiteral("Invalid BDE Alias Name");
    case 360:
        return QStringLiteral("Invalid Section Code or String");
    case 372:
        return QStringLiteral("Error retrieving Report Sections");
    default:
        return QString();
    }
}

QList<int> TRpe::rpeBugCodes() const
{
    return m_ignoreRpeBugs ? QList<int>{510, 518, 571, 999} : QList<int>{};
}

void TRpe::EngineError(const QString &context, const QList<int> &tolerated)
{
    Fail(TRpeFailure{false, 0, {}, m_jobNumber, tolerated, context});
}

void TRpe::ComponentError(int number, const QString &context)
{
    Fail(TRpeFailure{true, number, {}, m_jobNumber, {}, context});
}

void TRpe::Fail(const TRpeFailure &failure)
{
    switch (HandleError(failure)) {
    case errIgnore:
        return;
    case errAbort:
        throw EAbort();
    case errRaise:
        throw ERpeError(m_lastErrorNumber, m_lastErrorString);
    }
}

void TRpe::loaderFailureAsComponentError(TRpeFailure &failure)
{
    int number = 140;
    switch (dyn::RpeLastFailure()) {
    case dyn::LoaderFailure::LoadLibrary:
        number = 100;
        break;
    case dyn::LoaderFailure::FreeLibrary:
        number = 101;
        break;
    case dyn::LoaderFailure::NotLoaded:
        number = 102;
        break;
    case dyn::LoaderFailure::Function:
        number = 105;
        break;
    default:
        break;
    }
    failure.component = true;
    failure.number = number;
    failure.text = componentErrorText(number) + QStringLiteral(" - ") + dyn::RpeLastError;
}

TRpeErrorResult TRpe::HandleError(const TRpeFailure &given)
{
    TRpeFailure failure = given;
    m_lastErrorNumber = 0;
    m_lastErrorString.clear();
    if (!failure.component && !RpeUtl::IsBlank(dyn::RpeLastError))
        loaderFailureAsComponentError(failure);

    TRpeErrorResult result = errRaise;
    if (failure.component) {
        m_lastErrorNumber = failure.number;
        m_lastErrorString = failure.text.isEmpty() ? componentErrorText(failure.number) : failure.text;
        if (!RpeUtl::IsBlank(failure.context))
            m_lastErrorString += QStringLiteral(" - ") + failure.context;
        if (m_designing) {
            CaptionedMessageBox(QStringLiteral("Error"),
                                QStringLiteral("Error: ") + QString::number(m_lastErrorNumber) +
                                    QStringLiteral("\r\n") + m_lastErrorString,
                                MsgKind::Error, MsgButton::OK);
            return errIgnore;
        }
    } else {
        UseHandle();
        int16_t job = failure.job;
        int16_t code = dyn::RpeGetErrorCode(job);
        QString text;
        if (code == -1) {
            m_lastErrorNumber = 130;
            text = componentErrorText(130);
        } else {
            if (code == 0) {
                // The call may have failed on the main job or in the engine itself.
                for (int16_t other : {PrintJobs(0), int16_t(0)}) {
                    UseHandle();
                    const int16_t c = dyn::RpeGetErrorCode(other);
                    if (c > 0) {
                        code = c;
                        job = other;
                        break;
                    }
                }
            }
            if (code <= 0) {
                m_lastErrorNumber = 140;
                text = componentErrorText(140) + QStringLiteral("\r\n") + failure.context;
            } else {
                m_lastErrorNumber = code;
                RpeTextHandle handle = nullptr;
                int16_t length = 0;
                UseHandle();
                const bool ok = dyn::RpeGetErrorText(job, &handle, &length) != 0;
                const QString engineText = ok ? RpeText::take(handle) : QString();
                text =
                    engineText.isEmpty()
                        ? componentErrorText(130)
                        : RpeUtl::NormalizeLineBreaks(engineText + QStringLiteral("\r\n") + failure.context);
            }
        }
        m_lastErrorString = text;
        if (failure.tolerated.contains(m_lastErrorNumber))
            return errIgnore;
        if (m_designing) {
            CaptionedMessageBox(QStringLiteral("Warning"),
                                QStringLiteral("Error: ") + QString::number(m_lastErrorNumber) +
                                    QStringLiteral("\r\n") + m_lastErrorString,
                                MsgKind::Warning, MsgButton::OK);
            return errIgnore;
        }
    }
    if (OnError)
        OnError(this, m_lastErrorNumber, m_lastErrorString, result);
    return result;
}
