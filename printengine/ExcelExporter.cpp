#include "printengine/ExcelExporter.h"

#include <QFile>
#include <cmath>
#include <xlsxwriter.h>

namespace {

QByteArray cellName(quint32 row, int column)
{
    QByteArray letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(char('A' + (c - 1) % 26));
    return letters + QByteArray::number(row + 1);
}

// The key a summary names its field by: "ALIAS.FIELD" or "@formula".
QString cellKey(const ReportObject &o)
{
    if (o.kind == ReportObject::DatabaseField)
        return o.text.toUpper();
    if (o.kind == ReportObject::FormulaField)
        return u'@' + o.text.toUpper();
    return {};
}

} // namespace

ExcelExporter::~ExcelExporter()
{
    if (m_book)
        workbook_close(m_book);
}

QString ExcelExporter::numberFormatCode(const FieldFormat &format)
{
    QString code = format.numberFormat;
    if (code.isEmpty() && format.decimals >= 0) {
        code = format.thousands ? QStringLiteral("#,##0") : QStringLiteral("0");
        if (format.decimals > 0)
            code += u'.' + QString(format.decimals, u'0');
    }
    if (format.blankWhenZero) {
        const QString c = code.isEmpty() ? QStringLiteral("General") : code;
        code = c + QStringLiteral(";-") + c + u';';
    }
    return code;
}

lxw_format *ExcelExporter::numberFormat(const FieldFormat &format)
{
    const QString code = numberFormatCode(format);
    if (code.isEmpty())
        return nullptr;
    auto it = m_numberFormats.find(code);
    if (it == m_numberFormats.end()) {
        lxw_format *f = workbook_add_format(m_book);
        format_set_num_format(f, code.toUtf8().constData());
        it = m_numberFormats.insert(code, f);
    }
    return it.value();
}

bool ExcelExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    {
        QFile probe(m_settings.fileName);
        if (!probe.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, probe.errorString()));
    }
    // Constant memory mode writes each row out at once, so large reports stream.
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    const QByteArray path = QFile::encodeName(m_settings.fileName);
    m_book = workbook_new_opt(path.constData(), &options);
    if (!m_book)
        return fail(QStringLiteral("Cannot create the workbook %1").arg(m_settings.fileName));
    QString sheetName = info.title.left(31);
    for (const QChar bad : QStringLiteral("[]:*?/\\"))
        sheetName.remove(bad);
    m_sheet = workbook_add_worksheet(m_book, sheetName.isEmpty() ? nullptr : sheetName.toUtf8().constData());
    if (!m_sheet)
        m_sheet = workbook_add_worksheet(m_book, nullptr);
    m_date = workbook_add_format(m_book);
    format_set_num_format(m_date, "d.m.yyyy");
    m_dateTime = workbook_add_format(m_book);
    format_set_num_format(m_dateTime, "d.m.yyyy hh:mm:ss");
    m_bold = workbook_add_format(m_book);
    format_set_bold(m_bold);
    m_numberFormats.clear();
    m_row = 0;

    // Where each detail cell goes: the fields of one line of the section on
    // one sheet row, or every field on one row in the tabular form.
    const auto &cells = info.rowObjects;
    const int n = int(qMax(cells.size(), size_t(info.rowColumns.size())));
    m_line.assign(size_t(n), 0);
    m_column.assign(size_t(n), 0);
    m_lines = 1;
    int line = 0;
    int column = 0;
    for (int i = 0; i < n; ++i) {
        if (!m_settings.excelTabular && i > 0 && size_t(i) < cells.size() &&
            std::abs(cells[size_t(i)]->y - cells[size_t(i) - 1]->y) > 2) {
            ++line;
            column = 0;
        }
        m_line[size_t(i)] = line;
        m_column[size_t(i)] = column++;
    }
    m_lines = line + 1;
    // Column widths follow the field objects.
    std::vector<double> widths;
    for (size_t i = 0; i < cells.size(); ++i) {
        const size_t c = size_t(m_column[i]);
        if (widths.size() <= c)
            widths.resize(c + 1, 0);
        widths[c] = qMax(widths[c], cells[i]->width);
    }
    for (size_t c = 0; c < widths.size(); ++c) {
        const double width = m_settings.excelColumnWidth > 0 ? m_settings.excelColumnWidth : widths[c];
        worksheet_set_column(m_sheet, lxw_col_t(c), lxw_col_t(c), qMax(4.0, width / 5.5), nullptr);
    }
    if (m_settings.columnHeadings) {
        const QStringList &headings = info.rowHeadings.size() == n ? info.rowHeadings : info.rowColumns;
        for (int i = 0; i < n && i < headings.size(); ++i)
            worksheet_write_string(m_sheet, m_row + quint32(m_line[size_t(i)]),
                                   lxw_col_t(m_column[size_t(i)]), headings[i].toUtf8().constData(), m_bold);
        m_row += quint32(m_lines);
    }
    m_firstDataRow = m_row;

    // The report's grand totals of detail fields go under their columns.
    m_totals.clear();
    m_columns.assign(size_t(n), Column());
    if (info.report) {
        for (const ReportSection &s : info.report->sections) {
            if (s.area != ReportSection::ReportFooter || s.suppress)
                continue;
            for (const ReportObject &o : s.objects) {
                if (o.kind != ReportObject::SummaryField || o.summaryGroup != 0)
                    continue;
                for (size_t i = 0; i < cells.size(); ++i) {
                    if (cellKey(*cells[i]) == o.summarized.toUpper()) {
                        m_totals.push_back(Total{int(i), &o});
                        break;
                    }
                }
            }
        }
    }
    return true;
}

bool ExcelExporter::writeRow(const QList<FormulaValue> &values, const QStringList &texts)
{
    const auto &cells = m_info.rowObjects;
    for (int i = 0; i < values.size(); ++i) {
        const FormulaValue &v = values[i];
        const bool placed = size_t(i) < m_column.size();
        const lxw_row_t row = m_row + (placed ? quint32(m_line[size_t(i)]) : 0);
        const lxw_col_t col = lxw_col_t(placed ? m_column[size_t(i)] : i);
        const ReportObject *o = size_t(i) < cells.size() ? cells[size_t(i)] : nullptr;
        if (size_t(i) < m_columns.size() && !v.isNull()) {
            Column &c = m_columns[size_t(i)];
            if (v.type() == FormulaValue::Number) {
                const double x = v.toNumber();
                c.min = c.numbers == 0 ? x : qMin(c.min, x);
                c.max = c.numbers == 0 ? x : qMax(c.max, x);
                c.sum += x;
                ++c.numbers;
            }
            ++c.count;
        }
        lxw_error e = LXW_NO_ERROR;
        switch (v.type()) {
        case FormulaValue::Null:
            break;
        case FormulaValue::Number:
            e = worksheet_write_number(m_sheet, row, col, v.toNumber(),
                                       o ? numberFormat(o->format) : nullptr);
            break;
        case FormulaValue::Boolean:
            e = worksheet_write_boolean(m_sheet, row, col, v.toBool(), nullptr);
            break;
        case FormulaValue::Date:
        case FormulaValue::DateTime: {
            const QDateTime dt = v.toDateTime();
            lxw_datetime d = {dt.date().year(), dt.date().month(),  dt.date().day(),
                              dt.time().hour(), dt.time().minute(), double(dt.time().second())};
            e = worksheet_write_datetime(m_sheet, row, col, &d,
                                         v.type() == FormulaValue::Date ? m_date : m_dateTime);
            break;
        }
        default:
            e = worksheet_write_string(m_sheet, row, col, texts.value(i).toUtf8().constData(), nullptr);
            break;
        }
        if (e != LXW_NO_ERROR)
            return fail(QStringLiteral("Excel: %1").arg(QString::fromUtf8(lxw_strerror(e))));
    }
    m_row += quint32(m_lines);
    return true;
}

bool ExcelExporter::writeTotals()
{
    if (m_totals.empty() || m_row == m_firstDataRow)
        return true;
    const quint32 row = m_row;
    for (const Total &t : m_totals) {
        const Column &c = m_columns[size_t(t.cell)];
        const int col = m_column[size_t(t.cell)];
        double value = 0;
        const char *function = "SUM";
        switch (t.object->summary) {
        case ReportObject::Sum:
            value = c.sum;
            break;
        case ReportObject::Count:
            value = double(c.count);
            function = "COUNTA";
            break;
        case ReportObject::Average:
            value = c.numbers ? c.sum / double(c.numbers) : 0;
            function = "AVERAGE";
            break;
        case ReportObject::Minimum:
            value = c.min;
            function = "MIN";
            break;
        case ReportObject::Maximum:
            value = c.max;
            function = "MAX";
            break;
        }
        lxw_format *format = numberFormat(t.object->format);
        lxw_error e = LXW_NO_ERROR;
        // A formula needs the field alone in its column: one line of fields per record.
        if (m_settings.excelWorksheetFunctions && m_lines == 1) {
            const QByteArray formula = QByteArray("=") + function + '(' + cellName(m_firstDataRow, col) +
                                       ':' + cellName(m_row - 1, col) + ')';
            e = worksheet_write_formula_num(m_sheet, row, lxw_col_t(col), formula.constData(), format, value);
        } else {
            e = worksheet_write_number(m_sheet, row, lxw_col_t(col), value, format);
        }
        if (e != LXW_NO_ERROR)
            return fail(QStringLiteral("Excel: %1").arg(QString::fromUtf8(lxw_strerror(e))));
    }
    ++m_row;
    return true;
}

bool ExcelExporter::finish()
{
    if (!m_book)
        return fail(QStringLiteral("The workbook was not started"));
    if (!writeTotals())
        return false;
    const lxw_error e = workbook_close(m_book);
    m_book = nullptr;
    if (e != LXW_NO_ERROR)
        return fail(QStringLiteral("Cannot write the workbook %1: %2")
                        .arg(m_settings.fileName, QString::fromUtf8(lxw_strerror(e))));
    return true;
}
