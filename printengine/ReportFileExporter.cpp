#include "printengine/ReportFileExporter.h"

#include "printengine/ReportFile.h"

bool ReportFileExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    if (!info.report)
        return fail(QStringLiteral("No report to save"));
    m_file.setFileName(m_settings.fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    ReportDefinition copy = *info.report;
    copy.hasSavedData = false;
    copy.savedRows.clear();
    copy.savedColumns.clear();
    // The saved rows replace the query's columns; the definition is written
    // without its closing tag and the rows follow.
    QByteArray xml = ReportFile::toXml(copy);
    const int end = xml.lastIndexOf("</report>");
    if (end < 0)
        return fail(QStringLiteral("Cannot write the report definition"));
    xml.truncate(end);
    xml += "  <saveddata>\n";
    for (const QString &c : info.recordColumns)
        xml += "    <column name=\"" + c.toHtmlEscaped().toUtf8() + "\"/>\n";
    m_file.write(xml);
    return true;
}

bool ReportFileExporter::writeRecord(const QVariantList &record)
{
    QByteArray out = "    <row>";
    for (const QVariant &v : record) {
        if (v.isNull()) {
            out += "<v null=\"true\"/>";
        } else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
                   v.typeId() == QMetaType::LongLong) {
            out += "<v type=\"n\">" + QByteArray::number(v.toDouble(), 'g', 17) + "</v>";
        } else {
            out += "<v>" + v.toString().toHtmlEscaped().toUtf8() + "</v>";
        }
    }
    out += "</row>\n";
    if (m_file.write(out) < 0)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}

bool ReportFileExporter::finish()
{
    if (!m_file.isOpen())
        return fail(QStringLiteral("The file was not started"));
    m_file.write("  </saveddata>\n</report>\n");
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}

bool DefinitionExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    if (!info.report)
        return fail(QStringLiteral("No report to describe"));
    return true;
}

bool DefinitionExporter::finish()
{
    const ReportDefinition &r = *m_info.report;
    QStringList lines;
    lines << QStringLiteral("Report: %1").arg(r.title) << QStringLiteral("File: %1").arg(r.fileName);
    for (const ReportTable &t : r.tables)
        lines << QStringLiteral("Table: %1 (%2), server %3").arg(t.name, t.alias, t.server);
    if (!r.sql.isEmpty())
        lines << QStringLiteral("SQL: %1").arg(r.sql);
    lines << QStringLiteral("Record selection: %1").arg(r.selection);
    for (const NamedFormula &f : r.formulas)
        lines << QStringLiteral("Formula {@%1}: %2").arg(f.name, f.text);
    for (const ParameterFieldDef &p : r.parameters)
        lines << QStringLiteral("Parameter {?%1}: %2").arg(p.name, p.prompt);
    for (int i = 0; i < r.groups.size(); ++i)
        lines << QStringLiteral("Group %1: %2").arg(i + 1).arg(r.groups[i].field);
    for (const ReportSection &s : r.sections) {
        lines << QStringLiteral("Section %1, height %2").arg(s.name()).arg(s.height);
        for (const ReportObject &o : s.objects) {
            static const char *const kinds[] = {
                "Text",          "Database field", "Formula field", "Parameter field", "Special field",
                "Summary field", "Line",           "Box",           "Picture",         "Subreport"};
            lines << QStringLiteral("  %1 at %2,%3 size %4x%5: %6")
                         .arg(QLatin1String(kinds[o.kind]))
                         .arg(o.x)
                         .arg(o.y)
                         .arg(o.width)
                         .arg(o.height)
                         .arg(o.kind == ReportObject::SummaryField ? o.summarized
                              : o.kind == ReportObject::Picture    ? o.picture
                                                                   : o.text);
        }
    }
    QFile f(m_settings.fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, f.errorString()));
    f.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    return true;
}
