#pragma once

#include "data/LangQuery.h"
#include "engine/RpeOutputOptions.h"
#include "run/FPrintReportUi.h"
#include "run/ReportFormulas.h"
#include "run/ReportParameters.h"

#include <QDialog>
#include <QMap>
#include <QPointer>

#include <memory>

class QComboBox;
class TRpe;

// The report run window: one row of inputs per visible parameter of a
// catalogue report, the organisation of the run, and the output buttons.
// Every run reads the inputs again, builds the selection, the report's
// parameter values and formulas, and hands the report to the print engine.
class TFPrintReport : public QDialog
{
    Q_OBJECT
public:
    explicit TFPrintReport(QWidget *parent = nullptr);
    ~TFPrintReport() override;

    // Opens the report's window modally; returns when it closes.
    static void OpenReport(qint64 reportId, QWidget *parent = nullptr);
    // Everything OpenReport does before the window is shown; false (after
    // the error box) when the catalogue has no such report.
    bool Open(qint64 reportId);

    void CreateFields();
    QString GetDefaultText(const QString &table, const QString &keyColumn, const QString &keyType,
                           const QString &filter, const QString &key, const QString &descriptionColumn);
    void FillFromFile(QComboBox *list, const QString &fileName);
    ParameterInput FindData(qint64 parameterId, const QString &dataType, int op, const QString &source);
    QString FindIzpisDate();
    // The first date an input holds (the FindIzpisDate rule without today); empty when none does.
    QString InputReportDate() const;
    // Refuses, before anything runs, an input that does not read by its data
    // type: an impossible date, a number not in the system's format, a list
    // that is not a list of values. The message names the field; the input
    // gets the focus.
    void CheckInputs();

    // Selection, report parameter values and filter lines of one run.
    void FillFields();
    // The run with the Output already chosen; false when it stopped early.
    bool ExecuteReport();
    // The named formulas of the report filled from the database.
    void RetrieveFormulas();
    // A preparatory script; the last query text it holds.
    QString RunScript(const QString &file);
    // A report file that is an SQL query: its rows in the result viewer.
    void RunSqlReport();
    // Exports the report and hands it to the mail program.
    void SendMail();
    // The export type of a format name of cbExport; others raise an error.
    static TRpeExportType ExportType(const QString &text);
    // The export file of a format name: Report.<name> in the log folder; the
    // spreadsheet is a workbook, Report.xlsx.
    static QString ExportFileName(const QString &format);

    void BPregledClick();
    void BTiskajClick();
    void bEmailClick();
    void sbSearchClick();
    void sbDeleteClick();
    void VKlopStatus();

    // A key list's item: key and, for key-file items, the raw description.
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int DescriptionRole = Qt::UserRole + 1;
    // Selects the first item whose key matches, ignoring case; none when none does.
    static void SelectByKey(QComboBox *list, const QString &key);

    FPrintReportUi ui;
    TRpe *Job() const { return m_job.get(); }

    qint64 reportId() const { return m_reportId; }
    QString reportFile() const { return m_reportFile; }
    QString title() const { return m_title; }
    QString scriptFile() const { return m_scriptFile; }
    QString reportFilter() const { return m_filter; }
    const QList<ReportParameter> &parameters() const { return m_rows; }
    ReportParameters::RunState &state() { return m_state; }
    QStringList &companyLines() { return m_formulas.companyLines; }
    // The organisation key chosen in SfOrg; empty when none.
    QString organisation() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QComboBox *createKeyList(const ReportParameter &row, int left, int width, bool first);
    void enterList(QComboBox *list);
    void leaveList(QComboBox *list);
    void addSelection(const QString &condition);
    void setReportParameter(const QString &name, const QString &value);
    void handleReportTables();
    const ReportParameter *rowOf(const QString &controlName) const;

    std::unique_ptr<TRpe> m_job;
    TLangQuery m_report;
    TLangQuery LQ;
    qint64 m_reportId = 0;
    QString m_reportFile, m_title, m_scriptFile, m_filter;
    QList<ReportParameter> m_rows;
    QMap<QString, QString> m_lookupTables, m_keyColumns, m_descriptionColumns;
    QPointer<QComboBox> m_currentList;
    ReportParameters::RunState m_state;
    // The formula values; its company lines are read once per window.
    ReportFormulas m_formulas;
    QList<QWidget *> m_controls;
    int m_position = 15;
    // The report date the defaults are computed for (the first date default).
    QString m_defaultsDate;
    bool m_statusByUser = false;
    bool m_hasScript = false;
};
