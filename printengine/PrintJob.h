#pragma once

#include "printengine/Exporter.h"
#include "printengine/PageModel.h"
#include "printengine/ReportRunner.h"
#include "printengine/rpe32.h"

#include <QObject>
#include <QPointer>
#include <memory>

class Database;
class PreviewWindow;
class QPrinter;
class QWidget;

// One open print job: a report (or a subreport of an open report), the
// settings made through the entry points, and the run that sends it to the
// preview window, a printer or an export file.
class PrintJob : public QObject, public DataProvider
{
    Q_OBJECT
public:
    enum Output { NoOutput, ToWindow, ToPrinter, ToExport };

    // Export formats and destinations as the export record names them.
    enum ExportFormat {
        FmtRecords,
        FmtTabSeparated,
        FmtText,
        FmtDif,
        FmtCsv,
        FmtCharSeparated,
        FmtTabSeparatedText,
        FmtReportFile,
        FmtLotus,
        FmtRtf,
        FmtWord,
        FmtExcel,
        FmtHtml,
        FmtOdbc,
        FmtPaginatedText,
        FmtDefinition,
        FmtPdf,
        FmtXml
    };
    enum ExportDestination { DestFile, DestApplication, DestMail, DestExchange, DestLotusNotes };

    struct ExportRequest
    {
        ExportFormat format = FmtPdf;
        ExportDestination destination = DestFile;
        ExportSettings settings;
        QStringList to, cc, bcc;
        QString subject, message;
    };

    PrintJob(int number, std::shared_ptr<ReportDefinition> report, PrintJob *parent = nullptr,
             const QString &subreport = QString());
    ~PrintJob() override;

    int number() const { return m_number; }
    PrintJob *parentJob() const { return m_parent; }
    const QString &subreportName() const { return m_subreportName; }
    ReportDefinition &report() { return *m_report; }
    std::shared_ptr<ReportDefinition> reportPtr() const { return m_report; }
    PrintJob &mainJob() { return m_parent ? m_parent->mainJob() : *this; }

    // DataProvider
    std::unique_ptr<RecordStream> open(const ReportDefinition &report, const QueryPlan &plan) override;
    bool usesSavedData(const ReportDefinition &report) const override;
    std::optional<QStringList> tableColumns(const ReportDefinition &report,
                                            const ReportTable &table) override;

    Database &connection(const ReportTable &table);
    void testTable(int index); // throws RpeError
    void closeConnections();
    QString builtSql(); // the statement the job runs now

    void start(); // throws RpeError
    QWidget *window() const;
    void closeWindow();
    void zoomWindow(int level);
    bool fireEvent(int16_t id, void *record);
    bool eventEnabled(int16_t id) const;

    // Settings.
    Output output = NoOutput;
    QString windowTitle;
    int windowLeft = RPE_DEFAULT, windowTop = RPE_DEFAULT, windowWidth = RPE_DEFAULT,
        windowHeight = RPE_DEFAULT;
    uint32_t windowStyle = 0;
    QPointer<QWidget> windowParent;
    QPointer<QWidget> dialogParent;
    RpeWindowOptions windowOptions{};
    bool printControls = true;
    int zoomLevel = -1;

    QString printerDriver, printerName, printerPort;
    RpeDeviceMode deviceMode{};
    RpePrintOptions printOptions{};
    int printerCopies = 1;

    ExportRequest exportRequest;

    QDate printDate;
    int startPageNumber = 1;
    int detailCopies = 1;
    bool progressDialog = true;
    bool allowPromptDialog = true;
    bool savedDataDiscarded = false;
    RpeReportOptions reportOptions{};
    RpeTrackCursorInfo cursorInfo{};
    int fieldMapping = 0;
    RpeEnableEventInfo enabledEvents{};
    RpeEventCallback callback = nullptr;
    void *callbackData = nullptr;

    // Status.
    int status = RPE_JOB_NOT_STARTED;
    qint64 recordsRead = 0;
    qint64 recordsSelected = 0;
    int pagesPrinted = 0;
    bool printEnded = false;
    QString lastSql;

    void exportReport(const std::shared_ptr<ReportDefinition> &snapshot);

private:
    std::unique_ptr<Exporter> makeExporter(ExportFormat format, QString *extension) const;
    void runTo(Exporter *out, const std::shared_ptr<ReportDefinition> &snapshot);
    void showPreview(std::vector<RenderedPage> pages);
    // The preview's own buttons: print its pages, set up its printer, run again.
    QPrinter &previewPrinter();
    void printPreviewPages(PreviewWindow *preview);
    void setUpPreviewPrinter(PreviewWindow *preview);
    void refreshPreview(PreviewWindow *window);
    void print(const std::shared_ptr<ReportDefinition> &snapshot);

    int m_number;
    std::shared_ptr<ReportDefinition> m_report;
    PrintJob *m_parent;
    QString m_subreportName;
    std::map<QString, std::unique_ptr<Database>> m_connections;
    int m_connectionCounter = 0;
    QPointer<PreviewWindow> m_preview;
    std::unique_ptr<QPrinter> m_previewPrinter;
};
