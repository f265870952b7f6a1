#pragma once

#include "printengine/Exporter.h"

#include <QFile>

// Rich Text Format (also what the Word export writes): every page item is a
// frame positioned on its page, lines and boxes are drawing shapes, pictures
// are embedded PNG.
class RtfExporter : public Exporter
{
public:
    bool begin(const RunInfo &info) override;
    bool writePage(const RenderedPage &page) override;
    bool finish() override;

    static QByteArray escape(const QString &text);

private:
    int fontIndex(const QString &family);
    QFile m_file;
    QStringList m_fonts;
    int m_pages = 0;
};
