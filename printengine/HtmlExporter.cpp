#include "printengine/HtmlExporter.h"

#include "printengine/PageRenderer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>

namespace {

QString css()
{
    return QStringLiteral("body{background:#888;margin:0;padding:8px}"
                          ".page{position:relative;background:#fff;margin:0 auto 12px "
                          "auto;overflow:hidden;page-break-after:always}"
                          ".page div{position:absolute;white-space:nowrap;overflow:hidden;line-height:1.15}"
                          ".nav{text-align:center;margin:8px;font-family:sans-serif}");
}

QString header(const QString &title)
{
    return QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta "
                          "charset=\"utf-8\">\n<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n")
        .arg(title.toHtmlEscaped(), css());
}

QString pt(double v)
{
    return QString::number(v, 'f', 1) + QStringLiteral("pt");
}

} // namespace

QString HtmlExporter::pageFileName(const QString &first, int page)
{
    if (page <= 1)
        return first;
    const QFileInfo fi(first);
    const QString suffix = fi.suffix().isEmpty() ? QStringLiteral("html") : fi.suffix();
    return fi.path() + u'/' + fi.completeBaseName() + QString::number(page) + u'.' + suffix;
}

bool HtmlExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    m_pages = 0;
    m_pending.clear();
    if (m_settings.separatePages)
        return true;
    m_file.setFileName(m_settings.fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    m_file.write(header(info.title).toUtf8());
    return true;
}

QString HtmlExporter::pageHtml(const RenderedPage &page) const
{
    QString out = QStringLiteral("<div class=\"page\" id=\"page%1\" style=\"width:%2;height:%3\">\n")
                      .arg(page.number)
                      .arg(pt(page.width), pt(page.height));
    for (const PageItem &item : page.items) {
        const ReportObject *o = item.object;
        const QRectF &r = item.rect;
        switch (item.kind) {
        case PageItem::Text: {
            QString style = QStringLiteral("left:%1;top:%2;width:%3;height:%4;font-family:'%5';font-size:%6")
                                .arg(pt(r.left()), pt(r.top()), pt(r.width()), pt(r.height()), o->font.family,
                                     pt(o->font.size));
            if (o->font.bold)
                style += QStringLiteral(";font-weight:bold");
            if (o->font.italic)
                style += QStringLiteral(";font-style:italic");
            if (o->font.underline)
                style += QStringLiteral(";text-decoration:underline");
            if (o->alignment & Qt::AlignRight)
                style += QStringLiteral(";text-align:right");
            else if (o->alignment & Qt::AlignHCenter)
                style += QStringLiteral(";text-align:center");
            if (!o->color.isEmpty())
                style += QStringLiteral(";color:") + o->color;
            if (item.text.contains(u'\n') || item.text.contains(u'\r'))
                style += QStringLiteral(";white-space:pre-wrap");
            const QString shown = item.number ? PageRenderer::fittedText(item) : item.text;
            out += QStringLiteral("<div style=\"%1\">%2</div>\n").arg(style, shown.toHtmlEscaped());
            break;
        }
        case PageItem::Line: {
            // A line is a box of the line's thickness along its longer side.
            const bool horizontal = r.width() >= r.height();
            out += QStringLiteral("<div style=\"left:%1;top:%2;width:%3;height:%4;background:%5\"></div>\n")
                       .arg(pt(r.left()), pt(r.top()), pt(horizontal ? r.width() : o->lineWidth),
                            pt(horizontal ? o->lineWidth : r.height()),
                            o->color.isEmpty() ? QStringLiteral("#000") : o->color);
            break;
        }
        case PageItem::Box:
            out += QStringLiteral(
                       "<div style=\"left:%1;top:%2;width:%3;height:%4;border:%5 solid %6;%7\"></div>\n")
                       .arg(pt(r.left()), pt(r.top()), pt(r.width()), pt(r.height()), pt(o->lineWidth),
                            o->color.isEmpty() ? QStringLiteral("#000") : o->color,
                            o->fill.isEmpty() ? QString() : QStringLiteral("background:") + o->fill);
            break;
        case PageItem::Picture: {
            QImage image(item.text);
            if (image.isNull())
                break;
            const QByteArray png = pngOf(image);
            const QSizeF s = QSizeF(image.size()).scaled(r.size(), Qt::KeepAspectRatio);
            out += QStringLiteral("<img style=\"position:absolute;left:%1;top:%2;width:%3;height:%4\" "
                                  "src=\"data:image/png;base64,%5\">\n")
                       .arg(pt(r.left()), pt(r.top()), pt(s.width()), pt(s.height()),
                            QString::fromLatin1(png.toBase64()));
            break;
        }
        }
    }
    out += QStringLiteral("</div>\n");
    return out;
}

bool HtmlExporter::writeSeparatePage(int number, const QString &body, bool last)
{
    QFile f(pageFileName(m_settings.fileName, number));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(f.fileName(), f.errorString()));
    QString nav;
    if (m_settings.pageNavigator || m_settings.separatePages) {
        auto link = [&](const QString &label, int target, bool enabled) {
            if (!enabled)
                return label;
            return QStringLiteral("<a href=\"%1\">%2</a>")
                .arg(QFileInfo(pageFileName(m_settings.fileName, target)).fileName(), label);
        };
        nav = QStringLiteral("<div class=\"nav\">%1 | %2 | %3 %4 | %5 | %6</div>\n")
                  .arg(link(QStringLiteral("Prva"), 1, number > 1),
                       link(QStringLiteral("Prejšnja"), number - 1, number > 1), QStringLiteral("Stran"),
                       QString::number(number), link(QStringLiteral("Naslednja"), number + 1, !last),
                       last ? QStringLiteral("Zadnja")
                            : QStringLiteral("<a href=\"%1\">Zadnja</a>").arg(QStringLiteral("%LAST%")));
    }
    QString html = header(m_info.title) + nav + body + nav + QStringLiteral("</body>\n</html>\n");
    f.write(html.toUtf8());
    return true;
}

bool HtmlExporter::writePage(const RenderedPage &page)
{
    ++m_pages;
    if (!m_settings.separatePages) {
        if (m_file.write(pageHtml(page).toUtf8()) < 0)
            return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
        return true;
    }
    if (!m_pending.isEmpty() && !writeSeparatePage(m_pendingNumber, m_pending, false))
        return false;
    m_pending = pageHtml(page);
    m_pendingNumber = m_pages;
    return true;
}

bool HtmlExporter::finish()
{
    if (m_settings.separatePages) {
        if (m_pending.isEmpty())
            m_pending = QStringLiteral("<div class=\"page\"></div>\n");
        if (!writeSeparatePage(qMax(1, m_pendingNumber), m_pending, true))
            return false;
        // Now the last page is known: point every "last" link at it.
        const QString lastName =
            QFileInfo(pageFileName(m_settings.fileName, qMax(1, m_pendingNumber))).fileName();
        for (int i = 1; i < m_pendingNumber; ++i) {
            QFile f(pageFileName(m_settings.fileName, i));
            if (!f.open(QIODevice::ReadOnly))
                continue;
            QByteArray html = f.readAll();
            f.close();
            html.replace("%LAST%", lastName.toUtf8());
            if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
                f.write(html);
        }
        return true;
    }
    if (!m_file.isOpen())
        return fail(QStringLiteral("The file was not started"));
    m_file.write("</body>\n</html>\n");
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}
