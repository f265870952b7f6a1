#include "printengine/PrinterExporter.h"

#include "printengine/PageRenderer.h"

#include <QPrinter>

int PrinterExporter::copiesToDraw() const
{
    return m_printer->supportsMultipleCopies() ? 1 : qMax(1, m_printer->copyCount());
}

bool PrinterExporter::writePage(const RenderedPage &page)
{
    if (!pageInRange(page.number))
        return true;
    const int copies = copiesToDraw();
    if (copies > 1 && m_printer->collateCopies()) {
        m_firstSet.push_back(page);
        return draw(page);
    }
    for (int i = 0; i < copies; ++i)
        if (!draw(page))
            return false;
    return true;
}

bool PrinterExporter::draw(const RenderedPage &page)
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_printer))
            return fail(QStringLiteral("The printer %1 cannot be started").arg(m_printer->printerName()));
    } else if (!m_printer->newPage()) {
        return fail(QStringLiteral("The printer %1 refused a new page").arg(m_printer->printerName()));
    }
    const double scale = m_printer->resolution() / 72.0;
    m_painter->save();
    // The paper's printable area starts at the printer's margin; report
    // coordinates are from the paper's corner.
    const QRectF paper = m_printer->paperRect(QPrinter::DevicePixel);
    const QRectF printable = m_printer->pageRect(QPrinter::DevicePixel);
    m_painter->translate(paper.left() - printable.left(), paper.top() - printable.top());
    m_painter->scale(scale, scale);
    PageRenderer::draw(*m_painter, page, 72.0 / m_printer->logicalDpiY());
    m_painter->restore();
    ++m_pages;
    return true;
}

bool PrinterExporter::finish()
{
    const int copies = copiesToDraw();
    for (int copy = 1; copy < copies && !m_firstSet.empty(); ++copy)
        for (const RenderedPage &page : m_firstSet)
            if (!draw(page))
                return false;
    m_firstSet.clear();
    if (!m_painter) {
        // Nothing in range: nothing to print, but not a failure.
        return true;
    }
    const bool ok = m_painter->end();
    m_painter.reset();
    return ok ? true
              : fail(QStringLiteral("The printer %1 could not finish the job").arg(m_printer->printerName()));
}
