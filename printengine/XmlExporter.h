#pragma once

#include "printengine/Exporter.h"

#include <QFile>
#include <QXmlStreamWriter>
#include <memory>

// XML: the report's pages, each page's sections in print order, and each
// section's values with the name of the object that printed them.
class XmlExporter : public Exporter
{
public:
    bool begin(const RunInfo &info) override;
    bool writePage(const RenderedPage &page) override;
    bool finish() override;

private:
    QFile m_file;
    std::unique_ptr<QXmlStreamWriter> m_xml;
};
