#include "engine/RpeWindowSize.h"

#include "engine/Rpe.h"

namespace {

int partOf(const QRect &r, int part)
{
    const int parts[] = {r.x(), r.y(), r.width(), r.height()};
    return parts[part];
}

} // namespace

int16_t TRpeWindowSize::value(Part part)
{
    // A preview inside a parent has the parent's coordinates, not the screen's.
    QWidget *window = RpeOutput::previewWindow(Rpe);
    if (window && !Rpe->WindowParent())
        m_values[part] = int16_t(partOf(window->geometry(), part));
    return m_values[part];
}

void TRpeWindowSize::setValue(Part part, int16_t value)
{
    m_values[part] = value;
    QWidget *window = RpeOutput::previewWindow(Rpe);
    if (!window || value < 0)
        return;
    QRect r = window->geometry();
    if (partOf(r, part) == value)
        return;
    switch (part) {
    case LeftEdge:
        r.moveLeft(value);
        break;
    case TopEdge:
        r.moveTop(value);
        break;
    case WidthExtent:
        r.setWidth(value);
        break;
    case HeightExtent:
        r.setHeight(value);
        break;
    }
    window->setGeometry(r);
}
