#pragma once

#include "printengine/Exporter.h"

#include <QPainter>
#include <QPdfWriter>
#include <memory>

// PDF through QPdfWriter; one page written as soon as it is finished.
class PdfExporter : public Exporter
{
public:
    bool begin(const RunInfo &info) override;
    bool writePage(const RenderedPage &page) override;
    bool finish() override;

private:
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    bool m_first = true;
};
