#pragma once

#include "printengine/Exporter.h"

#include <QPainter>
#include <memory>
#include <vector>

class QPrinter;

// Pages to a printer (or a printer's output file), drawn as they come. A
// printer that cannot make copies itself (a PDF file) gets each page as
// often as the copies ask: in turn when uncollated, as whole sets when
// collated, which means keeping the pages until the first set is done.
class PrinterExporter : public Exporter
{
public:
    explicit PrinterExporter(QPrinter *printer) : m_printer(printer) {}
    bool writePage(const RenderedPage &page) override;
    bool finish() override;
    int pagesPrinted() const { return m_pages; }

private:
    bool draw(const RenderedPage &page);
    int copiesToDraw() const;

    QPrinter *m_printer;
    std::unique_ptr<QPainter> m_painter;
    std::vector<RenderedPage> m_firstSet;
    int m_pages = 0;
};
