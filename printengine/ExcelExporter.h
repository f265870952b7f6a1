#pragma once

#include "printengine/Exporter.h"

#include <QHash>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// An Excel workbook (libxlsxwriter): one sheet, the detail records as rows
// (a row per line of fields, or all fields on one row in the tabular
// form), numbers and dates as real cell values in the fields' formats,
// optional column headings from the report's captions, and the report
// footer's totals of the columns under them.
class ExcelExporter : public Exporter
{
public:
    ~ExcelExporter() override;
    bool wantsPages() const override { return false; }
    bool wantsRows() const override { return true; }
    bool begin(const RunInfo &info) override;
    bool writeRow(const QList<FormulaValue> &values, const QStringList &texts) override;
    bool finish() override;

    // The cell format code of a field's number format ("#,##0.00"); empty = General.
    static QString numberFormatCode(const FieldFormat &format);

private:
    struct Total
    {
        int cell = 0; // index of the detail cell it totals
        const ReportObject *object = nullptr;
    };
    struct Column
    {
        double sum = 0;
        qint64 count = 0;   // values that are not empty
        qint64 numbers = 0; // of them numbers
        double min = 0;
        double max = 0;
    };
    lxw_format *numberFormat(const FieldFormat &format);
    bool writeTotals();

    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_date = nullptr;
    lxw_format *m_dateTime = nullptr;
    lxw_format *m_bold = nullptr;
    QHash<QString, lxw_format *> m_numberFormats;
    std::vector<int> m_line;   // sheet line of each cell within a record
    std::vector<int> m_column; // sheet column of each cell
    int m_lines = 1;
    quint32 m_row = 0;
    quint32 m_firstDataRow = 0;
    std::vector<Total> m_totals;
    std::vector<Column> m_columns;
};
