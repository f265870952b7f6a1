#include "printengine/PdfExporter.h"

#include "printengine/PageRenderer.h"

#include <QFile>
#include <QPageSize>

bool PdfExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    {
        QFile probe(m_settings.fileName);
        if (!probe.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, probe.errorString()));
    }
    m_writer = std::make_unique<QPdfWriter>(m_settings.fileName);
    // One device unit is one point, so report coordinates need no scaling.
    m_writer->setResolution(72);
    m_writer->setPageSize(QPageSize(QSizeF(info.pageWidth, info.pageHeight), QPageSize::Point));
    m_writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    m_writer->setTitle(info.title);
    m_writer->setCreator(QStringLiteral("rpe32 print engine"));
    m_first = true;
    return true;
}

bool PdfExporter::writePage(const RenderedPage &page)
{
    if (!pageInRange(page.number))
        return true;
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_writer.get()))
            return fail(QStringLiteral("Cannot start the PDF file %1").arg(m_settings.fileName));
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    } else if (!m_writer->newPage()) {
        return fail(QStringLiteral("Cannot add a page to %1").arg(m_settings.fileName));
    }
    PageRenderer::draw(*m_painter, page, 1.0);
    m_first = false;
    return true;
}

bool PdfExporter::finish()
{
    if (!m_writer)
        return fail(QStringLiteral("The PDF file was not started"));
    if (!m_painter) {
        // A report without pages in range still gives a valid, empty document.
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_writer.get()))
            return fail(QStringLiteral("Cannot start the PDF file %1").arg(m_settings.fileName));
    }
    const bool ok = m_painter->end();
    m_painter.reset();
    m_writer.reset();
    if (!ok)
        return fail(QStringLiteral("Cannot finish the PDF file %1").arg(m_settings.fileName));
    return true;
}
