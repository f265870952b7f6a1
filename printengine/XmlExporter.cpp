#include "printengine/XmlExporter.h"

bool XmlExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    m_file.setFileName(m_settings.fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    m_xml = std::make_unique<QXmlStreamWriter>(&m_file);
    m_xml->setAutoFormatting(true);
    m_xml->writeStartDocument();
    m_xml->writeStartElement(QStringLiteral("Report"));
    m_xml->writeAttribute(QStringLiteral("Title"), info.title);
    return true;
}

bool XmlExporter::writePage(const RenderedPage &page)
{
    m_xml->writeStartElement(QStringLiteral("Page"));
    m_xml->writeAttribute(QStringLiteral("Number"), QString::number(page.number));
    const ReportSection *open = nullptr;
    double openTop = -1;
    for (const PageItem &item : page.items) {
        if (item.kind != PageItem::Text)
            continue;
        // A new section starts with each change of section or of its band.
        const double top = item.rect.top() - (item.object ? item.object->y : 0);
        if (item.section != open || std::abs(top - openTop) > 0.01) {
            if (open)
                m_xml->writeEndElement();
            open = item.section;
            openTop = top;
            m_xml->writeStartElement(QStringLiteral("Section"));
            m_xml->writeAttribute(QStringLiteral("Name"), open ? open->name() : QString());
        }
        const ReportObject *o = item.object;
        m_xml->writeStartElement(o && o->kind == ReportObject::Text ? QStringLiteral("Text")
                                                                    : QStringLiteral("Field"));
        if (o) {
            QString name = o->name;
            if (name.isEmpty() && o->kind == ReportObject::DatabaseField)
                name = o->text;
            else if (name.isEmpty() && o->kind == ReportObject::FormulaField)
                name = u'@' + o->text;
            else if (name.isEmpty() && o->kind == ReportObject::ParameterField)
                name = u'?' + o->text;
            if (!name.isEmpty())
                m_xml->writeAttribute(QStringLiteral("Name"), name);
        }
        m_xml->writeCharacters(item.text);
        m_xml->writeEndElement();
    }
    if (open)
        m_xml->writeEndElement();
    m_xml->writeEndElement();
    if (m_xml->hasError())
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}

bool XmlExporter::finish()
{
    if (!m_xml)
        return fail(QStringLiteral("The file was not started"));
    m_xml->writeEndElement();
    m_xml->writeEndDocument();
    m_xml.reset();
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}
