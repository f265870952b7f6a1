#include "printengine/TextExporter.h"

#include <QMap>

namespace {
constexpr double columnWidth = 6.0;
constexpr double lineHeight = 12.0;
} // namespace

bool TextExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    m_file.setFileName(m_settings.fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}

QStringList TextExporter::pageLines(const RenderedPage &page, bool tabs, int lineCount)
{
    const double left = page.report ? page.report->marginLeft : 0;
    const double top = page.report ? page.report->marginTop : 0;
    // A fixed number of lines spreads the page's body over them, so that
    // every item of the page keeps a line of its own and none falls off.
    double pitch = lineHeight;
    if (lineCount > 0) {
        const double body = page.height - top - (page.report ? page.report->marginBottom : 0);
        pitch = body > 0 ? body / lineCount : lineHeight;
    }
    // Items by line, then by column.
    QMap<int, QMap<int, QStringList>> grid;
    for (const PageItem &item : page.items) {
        if (item.kind != PageItem::Text)
            continue;
        int row = qMax(0, int((item.rect.top() - top) / pitch + 0.5));
        if (lineCount > 0)
            row = qMin(row, lineCount - 1); // an item below the margin shares the last line
        int col = qMax(0, int((item.rect.left() - left) / columnWidth + 0.5));
        QString text = item.text.simplified();
        const int width = qMax(1, int(item.rect.width() / columnWidth + 0.5));
        if (!tabs && item.object && (item.object->alignment & Qt::AlignRight) && text.size() < width)
            col += width - int(text.size());
        grid[row][col] << text;
    }
    QStringList lines;
    int next = 0;
    for (auto r = grid.cbegin(); r != grid.cend(); ++r) {
        while (next < r.key()) {
            lines << QString();
            ++next;
        }
        QString line;
        QStringList cells;
        for (auto c = r.value().cbegin(); c != r.value().cend(); ++c) {
            const QString text = c.value().join(u' ');
            if (tabs) {
                cells << text;
                continue;
            }
            if (line.size() < c.key())
                line = line.leftJustified(c.key());
            else if (!line.isEmpty())
                line += u' ';
            line += text;
        }
        lines << (tabs ? cells.join(u'\t') : line);
        ++next;
    }
    return lines;
}

bool TextExporter::writePage(const RenderedPage &page)
{
    const int n = qMax(1, m_settings.linesPerPage);
    QStringList lines = pageLines(page, m_kind == TabSeparated, m_kind == Paginated ? n : 0);
    QString out;
    if (m_kind == Paginated) {
        while (lines.size() < n)
            lines << QString();
        out = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\f");
    } else {
        out = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n");
    }
    if (m_file.write(out.toUtf8()) < 0)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}

bool TextExporter::finish()
{
    if (!m_file.isOpen())
        return fail(QStringLiteral("The file was not started"));
    m_file.close();
    return true;
}
