#pragma once

#include "printengine/Exporter.h"

#include <QPainter>
#include <memory>

class QPrinter;

// Pages to a printer (or a printer's output file), drawn as they come.
class PrinterExporter : public Exporter
{
public:
    explicit PrinterExporter(QPrinter *printer) : m_printer(printer) {}
    bool writePage(const RenderedPage &page) override;
    bool finish() override;
    int pagesPrinted() const { return m_pages; }

private:
    QPrinter *m_printer;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
};
