#include "printengine/RecordsExporter.h"

#include "printengine/SeparatedValuesExporter.h"

bool RecordsExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    m_widths.clear();
    m_right.clear();
    if (info.report) {
        for (const ReportSection &s : info.report->sections) {
            if (s.area != ReportSection::Details)
                continue;
            QList<const ReportObject *> objs;
            for (const ReportObject &o : s.objects) {
                if (o.isField())
                    objs << &o;
            }
            std::stable_sort(objs.begin(), objs.end(), [](const ReportObject *a, const ReportObject *b) {
                return std::abs(a->y - b->y) > 2 ? a->y < b->y : a->x < b->x;
            });
            for (const ReportObject *o : objs) {
                m_widths << qMax(1, int(o->width / 5));
                m_right << bool(o->alignment & Qt::AlignRight);
            }
        }
    }
    m_file.setFileName(m_settings.fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}

bool RecordsExporter::writeRow(const QList<FormulaValue> &values, const QStringList &texts)
{
    QString line;
    for (int i = 0; i < values.size(); ++i) {
        const QString c =
            SeparatedValuesExporter::cell(values[i], texts.value(i), m_settings.useReportNumberFormat);
        const int w = m_widths.value(i, 12);
        line += m_right.value(i) ? c.left(w).rightJustified(w) : c.left(w).leftJustified(w);
    }
    while (line.endsWith(u' '))
        line.chop(1);
    if (m_file.write((line + QStringLiteral("\r\n")).toUtf8()) < 0)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}

bool RecordsExporter::finish()
{
    if (!m_file.isOpen())
        return fail(QStringLiteral("The file was not started"));
    m_file.close();
    return true;
}
