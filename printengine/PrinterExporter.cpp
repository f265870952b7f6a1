#include "printengine/PrinterExporter.h"

#include "printengine/PageRenderer.h"

#include <QPrinter>

bool PrinterExporter::writePage(const RenderedPage &page)
{
    if (!pageInRange(page.number))
        return true;
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
    if (!m_painter) {
        // Nothing in range: nothing to print, but not a failure.
        return true;
    }
    const bool ok = m_painter->end();
    m_painter.reset();
    return ok ? true
              : fail(QStringLiteral("The printer %1 could not finish the job").arg(m_printer->printerName()));
}
