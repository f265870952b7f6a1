#include "printengine/PageRenderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace {

QFont fontOf(const ReportObject &o, double fontScale)
{
    QFont f(o.font.family);
    f.setPointSizeF(qMax(0.01, o.font.size * fontScale));
    f.setBold(o.font.bold);
    f.setItalic(o.font.italic);
    f.setUnderline(o.font.underline);
    // No ligatures: "fi" must stay two letters for text extraction and search.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

} // namespace

QString PageRenderer::fittedText(const PageItem &item, const QFontMetricsF &fm)
{
    const double room = item.rect.width() + 0.5;
    if (fm.horizontalAdvance(item.text) <= room)
        return item.text;
    if (!item.number)
        return fm.elidedText(item.text, Qt::ElideRight, item.rect.width());
    const double hash = fm.horizontalAdvance(u'#');
    const int n = hash > 0 ? int(room / hash) : 1;
    return QString(qMax(1, n), u'#');
}

QString PageRenderer::fittedText(const PageItem &item)
{
    if (!item.object)
        return item.text;
    // A device of 72 dots per inch measures in points.
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(2835);
        return image;
    }();
    return fittedText(item, QFontMetricsF(fontOf(*item.object, 1.0), &device));
}

void PageRenderer::draw(QPainter &painter, const RenderedPage &page, double fontScale)
{
    // Fonts and metrics are made once per distinct object, not per item.
    QHash<const ReportObject *, QPair<QFont, std::shared_ptr<QFontMetricsF>>> fonts;
    QHash<QString, QImage> images;
    const QColor black(Qt::black);
    for (const PageItem &item : page.items) {
        const ReportObject *o = item.object;
        switch (item.kind) {
        case PageItem::Text: {
            auto it = fonts.find(o);
            if (it == fonts.end()) {
                const QFont f = fontOf(*o, fontScale);
                it = fonts.insert(o, qMakePair(f, std::make_shared<QFontMetricsF>(f, painter.device())));
            }
            painter.setFont(it->first);
            painter.setPen(o->color.isEmpty() ? black : QColor(o->color));
            const QFontMetricsF &fm = *it->second;
            QString text = item.text;
            if (text.contains(u'\n') || text.contains(u'\r')) {
                // Several lines: let Qt wrap within the object's box. Qt breaks
                // only at a line feed; a formula's Chr(13) ends a line too.
                text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
                painter.drawText(item.rect, int(o->alignment) | Qt::AlignTop | Qt::TextWordWrap, text);
            } else {
                text = fittedText(item, fm);
                const double w = fm.horizontalAdvance(text);
                double x = item.rect.left();
                if (o->alignment & Qt::AlignRight)
                    x = item.rect.right() - w;
                else if (o->alignment & Qt::AlignHCenter)
                    x = item.rect.left() + (item.rect.width() - w) / 2;
                painter.drawText(QPointF(x, item.rect.top() + fm.ascent()), text);
            }
            if (o->border) {
                painter.setPen(QPen(black, 0.5));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(item.rect);
            }
            break;
        }
        case PageItem::Line:
            painter.setPen(QPen(o->color.isEmpty() ? black : QColor(o->color), o->lineWidth));
            painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
            break;
        case PageItem::Box:
            painter.setPen(QPen(o->color.isEmpty() ? black : QColor(o->color), o->lineWidth));
            painter.setBrush(o->fill.isEmpty() ? QBrush(Qt::NoBrush) : QBrush(QColor(o->fill)));
            painter.drawRect(item.rect);
            painter.setBrush(Qt::NoBrush);
            break;
        case PageItem::Picture: {
            auto it = images.find(item.text);
            if (it == images.end())
                it = images.insert(item.text, QImage(item.text));
            if (!it->isNull()) {
                // Keep the picture's proportions inside its box.
                QSizeF s = QSizeF(it->size()).scaled(item.rect.size(), Qt::KeepAspectRatio);
                painter.drawImage(QRectF(item.rect.topLeft(), s), *it);
            }
            break;
        }
        }
    }
}
