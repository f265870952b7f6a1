#pragma once

#include "printengine/Exporter.h"
#include "printengine/Formula.h"
#include "printengine/QueryPlan.h"
#include "printengine/RecordStream.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class Paginator;

// Opens the record stream of a planned query (the job's database connection,
// or the rows saved with the report).
class DataProvider
{
public:
    virtual ~DataProvider() = default;
    virtual std::unique_ptr<RecordStream> open(const ReportDefinition &report,
                                               const QueryPlan &plan) = 0; // throws EError
    // True when the report's records come from the data saved with it; the
    // whole selection is then evaluated per record.
    virtual bool usesSavedData(const ReportDefinition &) const { return false; }
    // The column names of a table of the report, to check the fields the
    // report names before they go into a statement; nullopt when unknown.
    virtual std::optional<QStringList> tableColumns(const ReportDefinition &, const ReportTable &)
    {
        return std::nullopt;
    }
};

// Settings of one run that do not belong to the report file.
struct RunOptions
{
    QDate printDate; // invalid = today
    int startPageNumber = 1;
    int detailCopies = 1;
    bool countPagesOnly = false;
    int totalPages = 0; // known from a counting run, 0 = unknown
    // Called after each record of the main report with the records so far;
    // false cancels the run.
    std::function<bool(qint64)> progress;
};

// Runs one report (or subreport) over its records: group breaks, summaries,
// record selection, and section placement through the paginator. A
// FormulaContext for the report's formulas while it runs.
class ReportRunner : public FormulaContext
{
public:
    ReportRunner(std::shared_ptr<const ReportDefinition> report, DataProvider *data,
                 const RunOptions &options);
    ~ReportRunner() override;
    ReportRunner(const ReportRunner &) = delete;
    ReportRunner &operator=(const ReportRunner &) = delete;

    // Compiles every formula; false with the error text when one does not compile.
    bool prepare(QString *error);
    // Runs the main report into the exporter. Throws EError: EDatabaseError,
    // EFormulaError, or EInOutError when the output fails.
    void run(Exporter *out, int *pageCount);
    // The statement the run would execute.
    QString plannedSql();
    qint64 recordCount() const { return m_recordNumber; }
    bool usesTotalPages() const;
    QString lastSql() const { return m_plan.sql; }
    const QueryPlan &plan() const { return m_plan; }
    const QStringList &usedFields() const { return m_fields; }

    // FormulaContext
    FormulaValue fieldValue(const QString &name) override;
    FormulaValue formulaValue(const QString &name) override;
    FormulaValue parameterValue(const QString &name) override;
    FormulaValue specialValue(const QString &name) override;
    FormulaValue summaryValue(const QString &op, const QString &field, const QString &groupField) override;

    static FormulaValue parameterAsValue(const ParameterFieldDef &p, QString *error);
    static FormulaValue fromEngineText(const QString &text, ParameterFieldDef::Type type, bool *ok);
    static QString formatValue(const FormulaValue &v, const FieldFormat &format);

    // Used by the paginator.
    void buildItems(const ReportSection &section, double x0, double y0, std::vector<PageItem> *items);
    bool isSuppressed(const ReportSection &section);
    void placeRepeatedHeaders();
    const ReportDefinition &report() const { return *m_report; }

private:
    struct SummaryKey
    {
        QString field;
        ReportObject::Summary op;
        int group;
    };
    struct Accumulator
    {
        double sum = 0;
        qint64 count = 0;
        FormulaValue min;
        FormulaValue max;
    };

    bool runRecords(Paginator *pager, double xOffset, const QList<QPair<QString, FormulaValue>> &links,
                    Exporter *out, bool isMain);
    void placeArea(Paginator *pager, ReportSection::Area area, int group, double xOffset);
    void placeSection(Paginator *pager, const ReportSection &s, double xOffset);
    void runSubreports(Paginator *pager, const ReportSection &s, double xOffset);
    FormulaValue valueOf(const QString &fieldOrFormula);
    FormulaValue objectValue(const ReportObject &o);
    FormulaValue summaryValue(const ReportObject &o);
    FormulaValue summaryOf(const QString &field, ReportObject::Summary op, int group);
    static ReportObject::Summary summaryKind(const QString &function);
    QString groupKey(const QList<FormulaValue> &values) const;
    void judgeGroups();
    void loadRow();
    void collectFields();
    void checkFields(const QList<QPair<QString, FormulaValue>> &links);
    void emitRow(Exporter *out);

    std::shared_ptr<const ReportDefinition> m_report;
    DataProvider *m_data;
    RunOptions m_options;
    QueryPlan m_plan;
    QStringList m_fields;
    bool m_fieldsChecked = false;

    std::vector<Formula> m_formulas;
    QHash<QString, int> m_formulaIndex;
    std::vector<FormulaValue> m_formulaCache;
    std::vector<quint64> m_formulaStamp;
    std::vector<bool> m_formulaBusy;
    Formula m_selection;
    Formula m_groupSelection;
    QHash<const ReportSection *, Formula> m_suppress;
    QHash<QString, FormulaValue> m_parameters;

    std::unique_ptr<RecordStream> m_stream;
    QHash<QString, int> m_columnIndex;
    std::vector<QVariant> m_row;
    std::vector<QVariant> m_previousRow;
    std::vector<FormulaValue> m_rowCache;
    std::vector<quint64> m_rowStamp;
    quint64 m_stamp = 1;
    qint64 m_recordNumber = 0;
    bool m_haveRow = false;

    QList<SummaryKey> m_summaryKeys;
    QHash<QString, int> m_summaryIndex;
    std::vector<std::vector<Accumulator>> m_acc; // [summary][0 = report, 1..n = group level]
    QList<FormulaValue> m_groupValues;
    int m_openGroups = 0;

    Paginator *m_pager = nullptr;
    double m_xOffset = 0;
    std::vector<const ReportSection *> m_detailFieldsOrder;
    std::vector<const ReportObject *> m_rowObjects;
    std::map<QString, std::unique_ptr<ReportRunner>> m_subRunners;
    ReportRunner *m_parent = nullptr; // the main report of a subreport
    bool m_groupPass = false;         // the pass that only finds the groups the group selection drops
    QSet<QString> m_rejectedGroups;
    bool m_judging = false;
    QHash<QString, std::vector<Accumulator>> m_groupSnapshots; // "level|key" -> final summaries of that group
    std::vector<std::vector<QVariant>> m_closedGroups;         // the last record of every innermost group
};
