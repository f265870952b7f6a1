#include "printengine/ExcelExporter.h"

#include <QFile>
#include <xlsxwriter.h>

ExcelExporter::~ExcelExporter()
{
    if (m_book)
        workbook_close(m_book);
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
    m_row = 0;
    // Column widths follow the field objects of the detail section.
    if (info.report) {
        int col = 0;
        for (const ReportSection &s : info.report->sections) {
            if (s.area != ReportSection::Details)
                continue;
            for (const ReportObject &o : s.objects) {
                if (!o.isField())
                    continue;
                const double width = m_settings.excelColumnWidth > 0 ? m_settings.excelColumnWidth : o.width;
                worksheet_set_column(m_sheet, lxw_col_t(col), lxw_col_t(col), qMax(4.0, width / 5.5),
                                     nullptr);
                ++col;
            }
        }
    }
    if (m_settings.columnHeadings) {
        for (int i = 0; i < info.rowColumns.size(); ++i)
            worksheet_write_string(m_sheet, 0, lxw_col_t(i), info.rowColumns[i].toUtf8().constData(), m_bold);
        m_row = 1;
    }
    return true;
}

bool ExcelExporter::writeRow(const QList<FormulaValue> &values, const QStringList &texts)
{
    for (int i = 0; i < values.size(); ++i) {
        const FormulaValue &v = values[i];
        const lxw_col_t col = lxw_col_t(i);
        lxw_error e = LXW_NO_ERROR;
        switch (v.type()) {
        case FormulaValue::Null:
            break;
        case FormulaValue::Number:
            e = worksheet_write_number(m_sheet, m_row, col, v.toNumber(), nullptr);
            break;
        case FormulaValue::Boolean:
            e = worksheet_write_boolean(m_sheet, m_row, col, v.toBool(), nullptr);
            break;
        case FormulaValue::Date:
        case FormulaValue::DateTime: {
            const QDateTime dt = v.toDateTime();
            lxw_datetime d = {dt.date().year(), dt.date().month(),  dt.date().day(),
                              dt.time().hour(), dt.time().minute(), double(dt.time().second())};
            e = worksheet_write_datetime(m_sheet, m_row, col, &d,
                                         v.type() == FormulaValue::Date ? m_date : m_dateTime);
            break;
        }
        default:
            e = worksheet_write_string(m_sheet, m_row, col, texts.value(i).toUtf8().constData(), nullptr);
            break;
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
    const lxw_error e = workbook_close(m_book);
    m_book = nullptr;
    if (e != LXW_NO_ERROR)
        return fail(QStringLiteral("Cannot write the workbook %1: %2")
                        .arg(m_settings.fileName, QString::fromUtf8(lxw_strerror(e))));
    return true;
}
