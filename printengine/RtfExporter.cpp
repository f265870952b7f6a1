#include "printengine/RtfExporter.h"

#include "printengine/PageRenderer.h"

#include <QBuffer>
#include <QImage>

namespace {
int twips(double points)
{
    return int(points * 20 + 0.5);
}
} // namespace

QByteArray RtfExporter::escape(const QString &text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const ushort u = text.at(i).unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\r' || u == '\n') {
            // CR (Chr(13) in formulas), LF and CRLF each break the line once.
            if (u == '\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += "\\line ";
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u < 128) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

int RtfExporter::fontIndex(const QString &family)
{
    int i = int(m_fonts.indexOf(family));
    if (i < 0) {
        m_fonts << family;
        i = int(m_fonts.size()) - 1;
    }
    return i;
}

bool RtfExporter::begin(const RunInfo &info)
{
    Exporter::begin(info);
    m_file.setFileName(m_settings.fileName);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    m_pages = 0;
    // The font table precedes the text, so it is built from the report's
    // objects up front and pages can be written as they come.
    m_fonts.clear();
    if (info.report) {
        for (const ReportSection &s : info.report->sections) {
            for (const ReportObject &o : s.objects)
                fontIndex(o.font.family);
        }
        for (const auto &sub : info.report->subreports) {
            for (const ReportSection &s : sub->sections) {
                for (const ReportObject &o : s.objects)
                    fontIndex(o.font.family);
            }
        }
    }
    if (m_fonts.isEmpty())
        m_fonts << QStringLiteral("DejaVu Sans");
    QByteArray head = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i)
        head += "{\\f" + QByteArray::number(i) + "\\fswiss " + escape(m_fonts[i]) + ";}";
    head += "}\n{\\info{\\title " + escape(info.title) + "}}\n";
    head += "\\paperw" + QByteArray::number(twips(info.pageWidth)) + "\\paperh" +
            QByteArray::number(twips(info.pageHeight));
    head += "\\margl0\\margr0\\margt0\\margb0\n";
    m_file.write(head);
    return true;
}

bool RtfExporter::writePage(const RenderedPage &page)
{
    if (!pageInRange(page.number))
        return true;
    QByteArray out;
    if (m_pages > 0)
        out += "\\page\n";
    ++m_pages;
    for (const PageItem &item : page.items) {
        const ReportObject *o = item.object;
        const QByteArray pos = "\\posx" + QByteArray::number(twips(item.rect.left())) + "\\posy" +
                               QByteArray::number(twips(item.rect.top())) + "\\absw" +
                               QByteArray::number(twips(qMax(1.0, item.rect.width())));
        switch (item.kind) {
        case PageItem::Text: {
            const int f = m_fonts.indexOf(o->font.family) < 0 ? 0 : int(m_fonts.indexOf(o->font.family));
            QByteArray align = "\\ql";
            if (o->alignment & Qt::AlignRight)
                align = "\\qr";
            else if (o->alignment & Qt::AlignHCenter)
                align = "\\qc";
            out += "{\\pard\\pvpg\\phpg" + pos + "\\absh-" +
                   QByteArray::number(twips(qMax(1.0, item.rect.height()))) + align + "\\f" +
                   QByteArray::number(f) + "\\fs" + QByteArray::number(int(o->font.size * 2 + 0.5));
            if (o->font.bold)
                out += "\\b";
            if (o->font.italic)
                out += "\\i";
            if (o->font.underline)
                out += "\\ul";
            // A number keeps the frame's width; one that does not fit shows "#".
            out += ' ' + escape(item.number ? PageRenderer::fittedText(item) : item.text) + "\\par}\n";
            break;
        }
        case PageItem::Line:
        case PageItem::Box: {
            const QRectF r = item.rect;
            out += "{\\shp{\\*\\shpinst\\shpleft" + QByteArray::number(twips(r.left())) + "\\shptop" +
                   QByteArray::number(twips(r.top())) + "\\shpright" + QByteArray::number(twips(r.right())) +
                   "\\shpbottom" + QByteArray::number(twips(r.bottom())) +
                   "\\shpbxpage\\shpbypage\\shpwr3\\shpz0{\\sp{\\sn shapeType}{\\sv " +
                   (item.kind == PageItem::Line ? "20" : "1") + "}}{\\sp{\\sn lineWidth}{\\sv " +
                   QByteArray::number(int(o->lineWidth * 12700)) + "}}";
            if (item.kind == PageItem::Box)
                out += o->fill.isEmpty() ? QByteArray("{\\sp{\\sn fFilled}{\\sv 0}}")
                                         : QByteArray("{\\sp{\\sn fFilled}{\\sv 1}}");
            out += "}}\n";
            break;
        }
        case PageItem::Picture: {
            QImage image(item.text);
            if (image.isNull())
                break;
            const QByteArray png = pngOf(image);
            const QSizeF s = QSizeF(image.size()).scaled(item.rect.size(), Qt::KeepAspectRatio);
            out += "{\\pard\\pvpg\\phpg" + pos + "{\\pict\\pngblip\\picw" +
                   QByteArray::number(image.width()) + "\\pich" + QByteArray::number(image.height()) +
                   "\\picwgoal" + QByteArray::number(twips(s.width())) + "\\pichgoal" +
                   QByteArray::number(twips(s.height())) + '\n' + png.toHex() + "}\\par}\n";
            break;
        }
        }
    }
    if (m_file.write(out) < 0)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}

bool RtfExporter::finish()
{
    if (!m_file.isOpen())
        return fail(QStringLiteral("The file was not started"));
    m_file.write("}\n");
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_settings.fileName, m_file.errorString()));
    return true;
}
