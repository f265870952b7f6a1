#pragma once

#include "printengine/PageModel.h"

class QFontMetricsF;
class QPainter;

// Draws finished pages with QPainter: the one drawing code behind the
// preview window, the printer and the PDF file.
class PageRenderer
{
public:
    // The painter's unit must be one point. fontScale turns a point size
    // into the size QFont needs on that device (72 / the device's logical dpi
    // times any scaling the painter's transform adds).
    static void draw(QPainter &painter, const RenderedPage &page, double fontScale);

    // The one-line text an item shows in its box, measured with fm in points:
    // a number too wide for its box is filled with "#", since any part of it
    // would read as another number; other text is cut with an ellipsis.
    static QString fittedText(const PageItem &item, const QFontMetricsF &fm);
    // The same for outputs without a painter, measured on a 72 dpi device.
    static QString fittedText(const PageItem &item);
};
