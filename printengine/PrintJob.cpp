#include "printengine/PrintJob.h"

#include "data/Database.h"
#include "printengine/DifExporter.h"
#include "printengine/ExcelExporter.h"
#include "printengine/HtmlExporter.h"
#include "printengine/PageCollector.h"
#include "printengine/PdfExporter.h"
#include "printengine/PreviewWindow.h"
#include "printengine/PrintEngine.h"
#include "printengine/PrinterExporter.h"
#include "printengine/RecordsExporter.h"
#include "printengine/ReportFileExporter.h"
#include "printengine/RpeError.h"
#include "printengine/RtfExporter.h"
#include "printengine/SeparatedValuesExporter.h"
#include "printengine/TextExporter.h"
#include "printengine/XmlExporter.h"

#include "shell/CaptionedMessageBox.h"
#include "shell/DialogHook.h"
#include "shell/FileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

PrintJob::PrintJob(int number, std::shared_ptr<ReportDefinition> report, PrintJob *parent,
                   const QString &subreport)
    : m_number(number), m_report(std::move(report)), m_parent(parent), m_subreportName(subreport)
{
    windowOptions.StructSize = sizeof(RpeWindowOptions);
    windowOptions.HasNavigationControls = 1;
    windowOptions.HasPrintButton = 1;
    windowOptions.HasExportButton = 1;
    windowOptions.HasZoomControl = 1;
    windowOptions.HasCloseButton = 1;
    windowOptions.HasProgressControls = 1;
    windowOptions.ShowToolbarTips = 1;
    printOptions.StructSize = sizeof(RpePrintOptions);
    printOptions.NReportCopies = 1;
    printOptions.Collation = 1;
    deviceMode.StructSize = sizeof(RpeDeviceMode);
    reportOptions.StructSize = sizeof(RpeReportOptions);
    reportOptions.SaveDataWithReport = m_report->hasSavedData ? 1 : 0;
    reportOptions.CanSelectDistinctRecords = 0;
    cursorInfo.StructSize = sizeof(RpeTrackCursorInfo);
    enabledEvents.StructSize = sizeof(RpeEnableEventInfo);
    printerName = m_report->printerName;
}

PrintJob::~PrintJob()
{
    if (m_preview)
        delete m_preview.data();
    closeConnections();
}

void PrintJob::closeConnections()
{
    m_connections.clear();
}

Database &PrintJob::connection(const ReportTable &table)
{
    const QString server = table.server.trimmed().isEmpty() ? QStringLiteral("LB") : table.server.trimmed();
    const QString key = server.toUpper() + u'|' + table.user;
    auto &db = m_connections[key];
    if (!db) {
        auto created = std::make_unique<Database>(QStringLiteral("RPE_%1_%2_%3")
                                                      .arg(reinterpret_cast<quintptr>(this), 0, 16)
                                                      .arg(m_number)
                                                      .arg(++m_connectionCounter));
        created->setAliasName(server);
        created->setParams(
            {QStringLiteral("USER NAME=") + table.user, QStringLiteral("PASSWORD=") + table.password});
        try {
            created->open();
        } catch (const EError &e) {
            m_connections.erase(key);
            throw RpeError(RPE_ERR_DATABASE,
                           QStringLiteral("Cannot log on to server %1: %2").arg(server, e.message()));
        }
        db = std::move(created);
    }
    return *db;
}

void PrintJob::testTable(int index)
{
    const ReportTable &t = m_report->tables.at(index);
    if (!QueryPlanner::isTableName(t.name))
        throw RpeError(RPE_ERR_DATABASE, QStringLiteral("Table %1 is not a table name").arg(t.name));
    Database &db = connection(t);
    try {
        db.execute(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(t.name));
    } catch (const EError &e) {
        throw RpeError(RPE_ERR_DATABASE,
                       QStringLiteral("Table %1 cannot be read on server %2: %3")
                           .arg(t.name, t.server.isEmpty() ? QStringLiteral("LB") : t.server, e.message()));
    }
}

bool PrintJob::usesSavedData(const ReportDefinition &report) const
{
    return report.hasSavedData && !savedDataDiscarded;
}

std::unique_ptr<RecordStream> PrintJob::open(const ReportDefinition &report, const QueryPlan &plan)
{
    if (usesSavedData(report))
        return std::make_unique<SavedRecordStream>(report.savedColumns, report.savedRows);
    // The statement runs on the connection of the report's first table.
    ReportTable logon;
    if (!report.tables.isEmpty())
        logon = report.tables.first();
    else if (!m_report->tables.isEmpty())
        logon = m_report->tables.first();
    Database &db = connection(logon);
    lastSql = plan.sql;
    try {
        QSqlQuery q = db.execute(plan.sql);
        return std::make_unique<SqlRecordStream>(std::move(q),
                                                 plan.explicitSql ? QStringList() : plan.columns);
    } catch (const EError &e) {
        throw EDatabaseError(QStringLiteral("Database error: %1\nSQL: %2").arg(e.message(), plan.sql));
    }
}

std::optional<QStringList> PrintJob::tableColumns(const ReportDefinition &report, const ReportTable &table)
{
    // Asked where the statement will run: on the first table's connection.
    Database &db = connection(report.tables.isEmpty() ? table : report.tables.first());
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table.name);
    try {
        const QSqlRecord record = db.execute(sql).record();
        QStringList columns;
        for (int i = 0; i < record.count(); ++i)
            columns << record.fieldName(i);
        return columns;
    } catch (const EError &e) {
        throw EDatabaseError(QStringLiteral("Database error: %1\nSQL: %2").arg(e.message(), sql));
    }
}

QString PrintJob::builtSql()
{
    if (!m_report->sql.isEmpty())
        return m_report->sql;
    ReportRunner runner(m_report, this, RunOptions());
    QString error;
    if (!runner.prepare(&error))
        throw RpeError(RPE_ERR_FORMULA, error);
    return runner.plannedSql();
}

static std::shared_ptr<ReportDefinition> snapshotOf(const ReportDefinition &report)
{
    auto copy = std::make_shared<ReportDefinition>(report);
    for (auto it = copy->subreports.begin(); it != copy->subreports.end(); ++it)
        it.value() = snapshotOf(*it.value());
    return copy;
}

bool PrintJob::eventEnabled(int16_t id) const
{
    switch (id) {
    case RPE_EVENT_CLOSE_WINDOW:
        return enabledEvents.CloseWindowEvent;
    case RPE_EVENT_ACTIVATE_WINDOW:
    case RPE_EVENT_DEACTIVATE_WINDOW:
        return enabledEvents.ActivateWindowEvent;
    case RPE_EVENT_READING_RECORDS:
        return enabledEvents.ReadingRecordEvent;
    case RPE_EVENT_START:
    case RPE_EVENT_STOP:
        return enabledEvents.StartStopEvent;
    default:
        if (id >= RPE_EVENT_PRINT_BUTTON && id <= RPE_EVENT_REFRESH_BUTTON)
            return enabledEvents.WindowButtonEvent || enabledEvents.StartStopEvent;
        return false;
    }
}

bool PrintJob::fireEvent(int16_t id, void *record)
{
    if (!callback || !eventEnabled(id))
        return true;
    // A host's callback that throws cancels the action; nothing it throws
    // may unwind through the engine or the window's event loop.
    try {
        return callback(id, record, callbackData) != 0;
    } catch (...) {
        return false;
    }
}

void PrintJob::start()
{
    if (status == RPE_JOB_IN_PROGRESS)
        throw RpeError(RPE_ERR_JOB_BUSY, QStringLiteral("The print job is already running"));
    const int destination = output == ToPrinter  ? RPE_TO_PRINTER
                            : output == ToExport ? RPE_TO_EXPORT
                                                 : RPE_TO_WINDOW;
    RpeStartEventInfo startInfo{sizeof(RpeStartEventInfo), int16_t(destination)};
    if (!fireEvent(RPE_EVENT_START, &startInfo))
        throw RpeError(RPE_ERR_CANCELLED, QStringLiteral("The print job was cancelled"));
    status = RPE_JOB_IN_PROGRESS;
    printEnded = false;
    recordsRead = recordsSelected = 0;
    pagesPrinted = 0;
    auto snapshot = snapshotOf(*m_report);
    try {
        switch (output) {
        case NoOutput:
        case ToWindow: {
            PageCollector pages;
            runTo(&pages, snapshot);
            showPreview(pages.takePages());
            break;
        }
        case ToPrinter:
            print(snapshot);
            break;
        case ToExport:
            exportReport(snapshot);
            break;
        }
    } catch (const RpeError &e) {
        status = e.code() == RPE_ERR_CANCELLED ? RPE_JOB_CANCELLED : RPE_JOB_FAILED;
        printEnded = true;
        RpeStopEventInfo stop{sizeof(RpeStopEventInfo), int16_t(destination), int16_t(status)};
        fireEvent(RPE_EVENT_STOP, &stop);
        throw;
    }
    status = RPE_JOB_COMPLETED;
    printEnded = true;
    RpeReadingRecordsEventInfo reading{sizeof(RpeReadingRecordsEventInfo), 0, uint32_t(recordsRead),
                                       uint32_t(recordsSelected), 1};
    fireEvent(RPE_EVENT_READING_RECORDS, &reading);
    RpeStopEventInfo stop{sizeof(RpeStopEventInfo), int16_t(destination), int16_t(status)};
    fireEvent(RPE_EVENT_STOP, &stop);
}

void PrintJob::runTo(Exporter *out, const std::shared_ptr<ReportDefinition> &snapshot)
{
    RunOptions options;
    options.printDate = printDate;
    options.startPageNumber = startPageNumber;
    options.detailCopies = detailCopies;
    // A print or an export shows its progress once it takes a while; the
    // dialog's cancel button ends the job.
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer running;
    QElapsedTimer sinceEvents;
    if (progressDialog && (output == ToPrinter || output == ToExport)) {
        running.start();
        sinceEvents.start();
        options.progress = [&](qint64 records) {
            if (sinceEvents.elapsed() < 100)
                return true;
            sinceEvents.restart();
            if (!progress && running.elapsed() >= 500) {
                progress =
                    std::make_unique<QProgressDialog>(QStringLiteral("Priprava izpisa ..."),
                                                      QStringLiteral("Prekliči"), 0, 0, dialogParent.data());
                progress->setWindowTitle(snapshot->title.isEmpty() ? snapshot->summary.title
                                                                   : snapshot->title);
                progress->setWindowModality(Qt::ApplicationModal);
                progress->setMinimumDuration(0);
                progress->show();
            }
            if (progress)
                progress->setLabelText(QStringLiteral("Prebrani zapisi: %1").arg(records));
            QCoreApplication::processEvents();
            return !progress || !progress->wasCanceled();
        };
    }
    try {
        ReportRunner runner(snapshot, this, options);
        QString error;
        if (!runner.prepare(&error))
            throw RpeError(RPE_ERR_FORMULA, error);
        if (runner.usesTotalPages()) {
            // "Page n of m" needs the page count first: a run that only paginates.
            RunOptions counting = options;
            counting.countPagesOnly = true;
            ReportRunner counter(snapshot, this, counting);
            counter.prepare(&error);
            int total = 0;
            counter.run(nullptr, &total);
            options.totalPages = total;
            ReportRunner second(snapshot, this, options);
            second.prepare(&error);
            second.run(out, &pagesPrinted);
            recordsRead = recordsSelected = second.recordCount();
            return;
        }
        runner.run(out, &pagesPrinted);
        recordsRead = recordsSelected = runner.recordCount();
    } catch (const RpeError &) {
        throw;
    } catch (const EFormulaError &e) {
        throw RpeError(RPE_ERR_FORMULA, e.message());
    } catch (const EDatabaseError &e) {
        throw RpeError(RPE_ERR_DATABASE, e.message());
    } catch (const EInOutError &e) {
        throw RpeError(output == ToPrinter ? RPE_ERR_PRINTER : RPE_ERR_EXPORT, e.message());
    } catch (const EError &e) {
        throw RpeError(RPE_ERR_REPORT_FILE, e.message());
    }
}

QWidget *PrintJob::window() const
{
    return m_preview && !m_preview->isClosed() ? m_preview.data() : nullptr;
}

void PrintJob::closeWindow()
{
    if (window())
        m_preview->close();
}

void PrintJob::zoomWindow(int level)
{
    zoomLevel = level;
    if (window())
        m_preview->setZoom(level);
}

namespace {

// The pages of a refresh, handed to the window at the end; between pages the
// window gets its events, so that Cancel can stop the run.
class RefreshCollector : public PageCollector
{
public:
    explicit RefreshCollector(PreviewWindow *window) : m_window(window) {}
    bool writePage(const RenderedPage &page) override
    {
        PageCollector::writePage(page);
        QCoreApplication::processEvents();
        if (!m_window || m_window->cancelRequested())
            return fail(QStringLiteral("The print job was cancelled"));
        return true;
    }

private:
    QPointer<PreviewWindow> m_window;
};

// The standard dialogs of the preview go through the dialog hook, so that a
// run without a display answers them instead of waiting for a user; nullopt
// means the real dialog opens.
std::optional<bool> answeredDialog(const QString &caption, const QString &text)
{
    const DialogRequest request{caption, text, MsgKind::Custom, MsgButton::OK | MsgButton::Cancel, nullptr};
    if (const std::optional<MsgResult> answer = DialogHook::answer(request))
        return *answer == MsgResult::OK || *answer == MsgResult::None;
    return std::nullopt;
}

} // namespace

QPrinter &PrintJob::previewPrinter()
{
    if (!m_previewPrinter) {
        m_previewPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrinter &printer = *m_previewPrinter;
        const QPrinterInfo info =
            printerName.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName);
        if (!info.isNull())
            printer.setPrinterName(info.printerName());
        printer.setPageSize(QPageSize(QSizeF(m_report->pageWidth, m_report->pageHeight), QPageSize::Point));
        printer.setPageOrientation(m_report->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        printer.setFullPage(true);
    }
    return *m_previewPrinter;
}

void PrintJob::printPreviewPages(PreviewWindow *preview)
{
    QPrinter &printer = previewPrinter();
    bool accepted = false;
    if (const std::optional<bool> answer =
            answeredDialog(QStringLiteral("Tiskanje"), printer.printerName())) {
        accepted = *answer;
    } else {
        QPrintDialog dialog(&printer, preview);
        dialog.setMinMax(1, qMax(1, preview->pageCount()));
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return;
    PrinterExporter out(&printer);
    ExportSettings s;
    if (printer.printRange() == QPrinter::PageRange) {
        s.usePageRange = true;
        s.firstPage = printer.fromPage();
        s.lastPage = printer.toPage();
    }
    bool ok = out.open(s);
    for (const RenderedPage &p : preview->pages()) {
        if (!ok)
            break;
        ok = out.writePage(p);
    }
    ok = ok && out.finish();
    if (!ok)
        CaptionedMessageBox(QStringLiteral("Tiskanje"), out.errorText(), MsgKind::Error, MsgButton::OK);
}

void PrintJob::setUpPreviewPrinter(PreviewWindow *preview)
{
    QPrinter &printer = previewPrinter();
    if (answeredDialog(QStringLiteral("Nastavitve tiskanja"), printer.printerName()))
        return;
    QPageSetupDialog dialog(&printer, preview);
    dialog.exec();
}

void PrintJob::refreshPreview(PreviewWindow *window)
{
    if (status == RPE_JOB_IN_PROGRESS)
        return;
    QPointer<PreviewWindow> guard(window);
    RpeStartEventInfo startInfo{sizeof(RpeStartEventInfo), int16_t(RPE_TO_WINDOW)};
    if (!fireEvent(RPE_EVENT_START, &startInfo))
        return;
    status = RPE_JOB_IN_PROGRESS;
    printEnded = false;
    RefreshCollector pages(window);
    window->setRunning(true);
    QString failure;
    int failureCode = 0;
    try {
        runTo(&pages, snapshotOf(*m_report));
        status = RPE_JOB_COMPLETED;
    } catch (const RpeError &e) {
        failureCode = e.code();
        failure = e.message();
    } catch (const EError &e) {
        failureCode = RPE_ERR_INTERNAL;
        failure = e.message();
    }
    const bool cancelled = status != RPE_JOB_COMPLETED && (!guard || guard->cancelRequested());
    if (status != RPE_JOB_COMPLETED)
        status = cancelled ? RPE_JOB_CANCELLED : RPE_JOB_FAILED;
    printEnded = true;
    RpeStopEventInfo stop{sizeof(RpeStopEventInfo), int16_t(RPE_TO_WINDOW), int16_t(status)};
    fireEvent(RPE_EVENT_STOP, &stop);
    if (!guard)
        return;
    guard->setRunning(false);
    if (status == RPE_JOB_COMPLETED) {
        guard->setPages(pages.takePages());
    } else if (!cancelled) {
        // The pages shown stay; the reason is the job's error as well.
        PrintEngine::instance().setError(m_number, failureCode, failure);
        CaptionedMessageBox(QStringLiteral("Osveževanje"), failure, MsgKind::Error, MsgButton::OK);
    }
}

void PrintJob::showPreview(std::vector<RenderedPage> pages)
{
    if (m_preview) {
        // A second start replaces the earlier preview.
        m_preview->close();
        m_preview = nullptr;
    }
    QWidget *parent = windowParent.data();
    // Opened from a modal window (the run window, a batch window), the
    // preview must not be blocked by it: it becomes that window's own
    // window, modal in its turn, and goes with it.
    QWidget *modalOpener = QApplication::activeModalWidget();
    const bool implicitParent = !parent && modalOpener;
    if (implicitParent)
        parent = modalOpener;
    auto *w = new PreviewWindow(std::move(pages), parent);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    PreviewWindow::Buttons b;
    b.toolbar = printControls;
    b.navigation = windowOptions.HasNavigationControls;
    b.print = windowOptions.HasPrintButton;
    b.exportButton = windowOptions.HasExportButton;
    b.zoom = windowOptions.HasZoomControl;
    b.close = windowOptions.HasCloseButton;
    b.cancel = windowOptions.HasCancelButton;
    b.printSetup = windowOptions.HasPrintSetupButton;
    b.refresh = windowOptions.HasRefreshButton;
    w->setButtons(b);
    const int job = m_number;
    w->setEventHook([job](int id, int param) {
        PrintJob *self = PrintEngine::instance().findJob(job);
        if (!self)
            return true;
        RpeGeneralEventInfo info{sizeof(RpeGeneralEventInfo), int16_t(param), uint16_t(job), 0};
        return self->fireEvent(int16_t(id), &info);
    });
    w->setPrintHook([job](QWidget *parentWidget) {
        PrintJob *self = PrintEngine::instance().findJob(job);
        auto *preview = qobject_cast<PreviewWindow *>(parentWidget);
        if (self && preview)
            self->printPreviewPages(preview);
    });
    w->setPrintSetupHook([job](QWidget *parentWidget) {
        PrintJob *self = PrintEngine::instance().findJob(job);
        auto *preview = qobject_cast<PreviewWindow *>(parentWidget);
        if (self && preview)
            self->setUpPreviewPrinter(preview);
    });
    w->setRefreshHook([job](PreviewWindow *preview) {
        if (PrintJob *self = PrintEngine::instance().findJob(job))
            self->refreshPreview(preview);
    });
    w->setExportHook([job](QWidget *parentWidget) {
        PrintJob *self = PrintEngine::instance().findJob(job);
        if (!self)
            return;
        const QString file = SaveFileName(
            parentWidget, QStringLiteral("Izvoz poročila"), QString(),
            QStringLiteral("PDF (*.pdf);;RTF (*.rtf);;HTML (*.html);;Excel (*.xlsx);;CSV (*.csv);;Besedilo "
                           "(*.txt);;XML (*.xml)"),
            QStringLiteral("pdf"));
        if (file.isEmpty())
            return;
        const QString suffix = QFileInfo(file).suffix().toLower();
        const Output savedOutput = self->output;
        const ExportRequest savedRequest = self->exportRequest;
        self->output = ToExport;
        self->exportRequest = ExportRequest();
        self->exportRequest.settings.fileName = file;
        self->exportRequest.format = suffix == QLatin1String("rtf") ? FmtRtf
                                     : suffix == QLatin1String("html") || suffix == QLatin1String("htm")
                                         ? FmtHtml
                                     : suffix == QLatin1String("xlsx") ? FmtExcel
                                     : suffix == QLatin1String("csv")  ? FmtCsv
                                     : suffix == QLatin1String("txt")  ? FmtText
                                     : suffix == QLatin1String("xml")  ? FmtXml
                                                                       : FmtPdf;
        try {
            self->exportReport(snapshotOf(self->report()));
        } catch (const EError &e) {
            CaptionedMessageBox(QStringLiteral("Izvoz"), e.message(), MsgKind::Error, MsgButton::OK);
        }
        self->output = savedOutput;
        self->exportRequest = savedRequest;
    });
    if (!windowTitle.isEmpty())
        w->setWindowTitle(windowTitle);
    else
        w->setWindowTitle(m_report->title.isEmpty() ? QFileInfo(m_report->fileName).fileName()
                                                    : m_report->title);
    const bool embedded = parent && !implicitParent && !(windowStyle & RPE_WS_CAPTION);
    if (parent && !embedded)
        w->setWindowFlags(Qt::Window);
    if (modalOpener && !embedded)
        w->setWindowModality(Qt::ApplicationModal);
    QRect geometry = w->geometry();
    if (windowLeft >= 0)
        geometry.moveLeft(windowLeft);
    if (windowTop >= 0)
        geometry.moveTop(windowTop);
    if (windowWidth > 0)
        geometry.setWidth(windowWidth);
    if (windowHeight > 0)
        geometry.setHeight(windowHeight);
    w->setGeometry(geometry);
    if (zoomLevel >= 0)
        w->setZoom(zoomLevel);
    if (windowStyle & RPE_WS_DISABLED)
        w->setEnabled(false);
    m_preview = w;
    if (windowStyle & RPE_WS_MAXIMIZE)
        w->showMaximized();
    else if (windowStyle & RPE_WS_MINIMIZE)
        w->showMinimized();
    else
        w->show();
    w->activateWindow();
    w->raise();
}

void PrintJob::print(const std::shared_ptr<ReportDefinition> &snapshot)
{
    QPrinter printer(QPrinter::HighResolution);
    const QString outputFile = QString::fromUtf8(printOptions.OutputFileName).trimmed();
    if (!outputFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
    } else {
        QPrinterInfo info;
        if (!printerName.isEmpty()) {
            info = QPrinterInfo::printerInfo(printerName);
            if (info.isNull())
                throw RpeError(RPE_ERR_PRINTER,
                               QStringLiteral("Printer \"%1\" is not installed").arg(printerName));
        } else {
            info = QPrinterInfo::defaultPrinter();
            if (info.isNull())
                throw RpeError(RPE_ERR_NO_PRINTER,
                               QStringLiteral("No printer is installed and no print file is named"));
        }
        printer.setPrinterName(info.printerName());
    }
    bool landscape = snapshot->landscape;
    if (deviceMode.Fields & RPE_DM_ORIENTATION)
        landscape = deviceMode.Orientation == 2;
    // A chosen paper replaces the report's, and the pages are laid out on
    // the paper and in the orientation they are printed in.
    std::optional<QPageSize> chosen;
    if ((deviceMode.Fields & RPE_DM_PAPERWIDTH) && (deviceMode.Fields & RPE_DM_PAPERLENGTH) &&
        deviceMode.PaperWidth > 0 && deviceMode.PaperLength > 0)
        chosen = QPageSize(QSizeF(deviceMode.PaperWidth / 10.0, deviceMode.PaperLength / 10.0),
                           QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    else if ((deviceMode.Fields & RPE_DM_PAPERSIZE) && deviceMode.PaperSize >= 0 &&
             deviceMode.PaperSize <= QPageSize::LastPageSize && deviceMode.PaperSize != QPageSize::Custom)
        chosen = QPageSize(QPageSize::PageSizeId(deviceMode.PaperSize));
    if (chosen) {
        const QSizeF points = chosen->size(QPageSize::Point);
        snapshot->pageWidth = qMin(points.width(), points.height());
        snapshot->pageHeight = qMax(points.width(), points.height());
    }
    snapshot->landscape = landscape;
    printer.setPageSize(QPageSize(QSizeF(snapshot->pageWidth, snapshot->pageHeight), QPageSize::Point));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(true);
    int copies = qMax(1, int(printOptions.NReportCopies));
    if (printerCopies > 1)
        copies = printerCopies;
    printer.setCopyCount(copies);
    printer.setCollateCopies(printOptions.Collation != 0);
    if (deviceMode.Fields & RPE_DM_DUPLEX)
        printer.setDuplex(deviceMode.Duplex > 1 ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
    PrinterExporter out(&printer);
    ExportSettings s;
    if (printOptions.StartPageN > 0 || (printOptions.StopPageN > 0 && printOptions.StopPageN < 65535)) {
        s.usePageRange = true;
        s.firstPage = printOptions.StartPageN;
        s.lastPage = printOptions.StopPageN == 65535 ? 0 : printOptions.StopPageN;
    }
    out.open(s);
    runTo(&out, snapshot);
}

std::unique_ptr<Exporter> PrintJob::makeExporter(ExportFormat format, QString *extension) const
{
    switch (format) {
    case FmtRecords:
        *extension = QStringLiteral("rec");
        return std::make_unique<RecordsExporter>();
    case FmtTabSeparated:
        *extension = QStringLiteral("tsv");
        return std::make_unique<SeparatedValuesExporter>(SeparatedValuesExporter::TabSeparated);
    case FmtText:
        *extension = QStringLiteral("txt");
        return std::make_unique<TextExporter>(TextExporter::Plain);
    case FmtDif:
        *extension = QStringLiteral("dif");
        return std::make_unique<DifExporter>();
    case FmtCsv:
        *extension = QStringLiteral("csv");
        return std::make_unique<SeparatedValuesExporter>(SeparatedValuesExporter::Csv);
    case FmtCharSeparated:
        *extension = QStringLiteral("txt");
        return std::make_unique<SeparatedValuesExporter>(SeparatedValuesExporter::CharacterSeparated);
    case FmtTabSeparatedText:
        *extension = QStringLiteral("txt");
        return std::make_unique<TextExporter>(TextExporter::TabSeparated);
    case FmtReportFile:
        *extension = QStringLiteral("rpt");
        return std::make_unique<ReportFileExporter>();
    case FmtRtf:
    case FmtWord:
        *extension = format == FmtWord ? QStringLiteral("doc") : QStringLiteral("rtf");
        return std::make_unique<RtfExporter>();
    case FmtExcel:
        *extension = QStringLiteral("xlsx");
        return std::make_unique<ExcelExporter>();
    case FmtHtml:
        *extension = QStringLiteral("html");
        return std::make_unique<HtmlExporter>();
    case FmtPaginatedText:
        *extension = QStringLiteral("txt");
        return std::make_unique<TextExporter>(TextExporter::Paginated);
    case FmtDefinition:
        *extension = QStringLiteral("txt");
        return std::make_unique<DefinitionExporter>();
    case FmtPdf:
        *extension = QStringLiteral("pdf");
        return std::make_unique<PdfExporter>();
    case FmtXml:
        *extension = QStringLiteral("xml");
        return std::make_unique<XmlExporter>();
    case FmtLotus:
        throw RpeError(RPE_ERR_NOT_AVAILABLE,
                       QStringLiteral("Export to the WK1, WK3 and WKS spreadsheet formats is not available "
                                      "in this engine; use the Excel format"));
    case FmtOdbc:
        throw RpeError(RPE_ERR_NOT_AVAILABLE,
                       QStringLiteral("Export to a database table is not available in this engine"));
    }
    throw RpeError(RPE_ERR_NOT_AVAILABLE, QStringLiteral("Unknown export format"));
}

void PrintJob::exportReport(const std::shared_ptr<ReportDefinition> &snapshot)
{
    if (exportRequest.destination == DestExchange)
        throw RpeError(RPE_ERR_NOT_AVAILABLE,
                       QStringLiteral("Export to a mail server folder is not available in this engine; use "
                                      "the file or mail destination"));
    if (exportRequest.destination == DestLotusNotes)
        throw RpeError(RPE_ERR_NOT_AVAILABLE,
                       QStringLiteral("Export to a notes database is not available in this engine; use the "
                                      "file or mail destination"));
    QString extension;
    std::unique_ptr<Exporter> exporter = makeExporter(exportRequest.format, &extension);
    ExportSettings settings = exportRequest.settings;
    if (exportRequest.destination == DestMail ||
        (exportRequest.destination == DestApplication && settings.fileName.trimmed().isEmpty())) {
        QString base =
            snapshot->title.isEmpty() ? QFileInfo(snapshot->fileName).completeBaseName() : snapshot->title;
        for (const QChar bad : QStringLiteral("/\\:*?\"<>|"))
            base.replace(bad, u'_');
        settings.fileName = QDir(PrintEngine::instance().tempPath()).filePath(base + u'.' + extension);
    }
    if (settings.fileName.trimmed().isEmpty())
        throw RpeError(RPE_ERR_NO_DESTINATION, QStringLiteral("No export file name is given"));
    if (!exporter->open(settings))
        throw RpeError(RPE_ERR_EXPORT, exporter->errorText());
    runTo(exporter.get(), snapshot);
    QString error;
    if (exportRequest.destination == DestApplication &&
        !PrintEngine::instance().openFile(settings.fileName, &error))
        throw RpeError(RPE_ERR_EXPORT, error);
    if (exportRequest.destination == DestMail) {
        MailHandOver mail;
        mail.to = exportRequest.to;
        mail.cc = exportRequest.cc;
        mail.bcc = exportRequest.bcc;
        mail.subject = exportRequest.subject;
        mail.message = exportRequest.message;
        mail.attachment = settings.fileName;
        if (!PrintEngine::instance().sendMail(mail, &error))
            throw RpeError(RPE_ERR_EXPORT, error);
    }
}
