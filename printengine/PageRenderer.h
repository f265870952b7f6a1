#pragma once

#include "printengine/PageModel.h"

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
};
