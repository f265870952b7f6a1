#pragma once

#include "engine/RpeOutputOptions.h"
#include "engine/RpePersistent.h"

#include <array>

// The mouse cursors of the preview's areas (the component's WindowCursor).
// Engine 6 introduced them; the on-demand subreport and hyperlink cursors
// came with engine 8, and older engines keep them without sending them.
class TRpeWindowCursors : public TRpePersistent
{
public:
    // In the order of the engine's cursor record.
    enum Area {
        GroupArea,
        GroupAreaField,
        DetailArea,
        DetailAreaField,
        Graph,
        OnDemandSubreport,
        HyperLink,
        AreaCount
    };

    explicit TRpeWindowCursors(TRpe *owner);
    void Clear() override;

    TRpeWindowCursor cursor(Area area) const { return m_cursors[area]; }
    void setCursor(Area area, TRpeWindowCursor cursor);

    // Re-sends every cursor.
    bool Send();

    // The engine's code of a cursor, and back: a code the engine may report
    // that no cursor stands for is wcDefault.
    static int code(TRpeWindowCursor cursor);
    static TRpeWindowCursor fromCode(int code);

private:
    static bool supported(Area area);
    bool exchange(const QString &operation, Area only, bool all);

    std::array<TRpeWindowCursor, AreaCount> m_cursors{};
};
