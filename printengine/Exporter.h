#pragma once

#include "printengine/FormulaValue.h"
#include "printengine/PageModel.h"

#include <QBuffer>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariantList>

// A picture as PNG bytes, the form the document formats embed.
inline QByteArray pngOf(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// Options every format may read; each format takes what it needs.
struct ExportSettings
{
    QString fileName;
    bool useReportNumberFormat = true;
    bool useReportDateFormat = true;
    QChar delimiter = u'"';
    QString separator = QStringLiteral(",");
    int linesPerPage = 60;
    bool columnHeadings = false;
    bool separatePages = false; // HTML and XML
    bool pageNavigator = false; // HTML
    bool usePageRange = false;  // PDF and RTF
    int firstPage = 0;
    int lastPage = 0;
    double excelColumnWidth = 0; // points; 0 = by the report's field widths
    // Excel: one sheet row per record, or a row per line of fields of the
    // detail section; the report footer's totals as formulas or as values.
    bool excelTabular = false;
    bool excelWorksheetFunctions = true;
};

// One output format. A run calls open, then begin, then pages, detail rows
// or raw records as the format asks for them, then finish. A false result
// stops the run; errorText() says why.
class Exporter
{
public:
    virtual ~Exporter() = default;
    Exporter() = default;
    Exporter(const Exporter &) = delete;
    Exporter &operator=(const Exporter &) = delete;

    virtual bool open(const ExportSettings &settings)
    {
        m_settings = settings;
        return true;
    }
    virtual bool wantsPages() const { return true; }
    virtual bool wantsRows() const { return false; }
    virtual bool wantsRecords() const { return false; }
    virtual bool begin(const RunInfo &info)
    {
        m_info = info;
        return true;
    }
    virtual bool writePage(const RenderedPage &) { return true; }
    // One detail record as the detail section shows it: values and their texts.
    virtual bool writeRow(const QList<FormulaValue> &, const QStringList &) { return true; }
    virtual bool writeRecord(const QVariantList &) { return true; }
    virtual bool finish() = 0;
    QString errorText() const { return m_error; }

protected:
    bool fail(const QString &text)
    {
        m_error = text;
        return false;
    }
    bool pageInRange(int page) const
    {
        return !m_settings.usePageRange || ((m_settings.firstPage <= 0 || page >= m_settings.firstPage) &&
                                            (m_settings.lastPage <= 0 || page <= m_settings.lastPage));
    }

    ExportSettings m_settings;
    RunInfo m_info;
    QString m_error;
};
