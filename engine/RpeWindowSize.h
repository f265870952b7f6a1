#pragma once

#include "engine/RpeOutputOptions.h"
#include "engine/RpePersistent.h"

#include <array>

// Position and size of the preview window; -1 lets the system choose. While
// a free-standing preview is open the getters report its real rectangle, and
// the setters move or resize an open preview at once.
class TRpeWindowSize : public TRpePersistent
{
public:
    using TRpePersistent::TRpePersistent;
    void Clear() override { m_values.fill(-1); }

    int16_t Left() { return value(LeftEdge); }
    void setLeft(int16_t left) { setValue(LeftEdge, left); }
    int16_t Top() { return value(TopEdge); }
    void setTop(int16_t top) { setValue(TopEdge, top); }
    int16_t Width() { return value(WidthExtent); }
    void setWidth(int16_t width) { setValue(WidthExtent, width); }
    int16_t Height() { return value(HeightExtent); }
    void setHeight(int16_t height) { setValue(HeightExtent, height); }

private:
    enum Part { LeftEdge, TopEdge, WidthExtent, HeightExtent };
    int16_t value(Part part);
    void setValue(Part part, int16_t value);

    std::array<int16_t, 4> m_values{-1, -1, -1, -1};
};
