#pragma once

#include "printengine/Exporter.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// An Excel workbook (libxlsxwriter): one sheet, one line per detail record,
// numbers and dates as real cell values, with optional column headings.
class ExcelExporter : public Exporter
{
public:
    ~ExcelExporter() override;
    bool wantsPages() const override { return false; }
    bool wantsRows() const override { return true; }
    bool begin(const RunInfo &info) override;
    bool writeRow(const QList<FormulaValue> &values, const QStringList &texts) override;
    bool finish() override;

private:
    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    lxw_format *m_date = nullptr;
    lxw_format *m_dateTime = nullptr;
    lxw_format *m_bold = nullptr;
    quint32 m_row = 0;
};
