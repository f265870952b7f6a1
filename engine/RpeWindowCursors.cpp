#include "engine/RpeWindowCursors.h"

#include "engine/Rpe.h"
#include "engine/RpeDynamic.h"

#include <algorithm>
#include <iterator>

namespace dyn = RpeDynamic;

namespace {

// Indexed by TRpeWindowCursor: the standard cursors keep their order, the
// engine's own ones sit at the top of the range.
const int cursorCodes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 99, 94, 95, 96, 97, 98};
static_assert(std::size(cursorCodes) == wcHand + 1);

const char *const areaNames[] = {"GroupArea", "GroupAreaField",    "DetailArea", "DetailAreaField",
                                 "Graph",     "OnDemandSubreport", "HyperLink"};
static_assert(std::size(areaNames) == TRpeWindowCursors::AreaCount);

int fieldOf(const RpeTrackCursorInfo &r, TRpeWindowCursors::Area area)
{
    const int fields[] = {r.GroupAreaCursor,       r.GroupAreaFieldCursor, r.DetailAreaCursor,
                          r.DetailAreaFieldCursor, r.GraphCursor,          r.OnDemandSubreportCursor,
                          r.HyperlinkCursor};
    return fields[area];
}

void setField(RpeTrackCursorInfo &r, TRpeWindowCursors::Area area, int code)
{
    switch (area) {
    case TRpeWindowCursors::GroupArea:
        r.GroupAreaCursor = code;
        break;
    case TRpeWindowCursors::GroupAreaField:
        r.GroupAreaFieldCursor = code;
        break;
    case TRpeWindowCursors::DetailArea:
        r.DetailAreaCursor = code;
        break;
    case TRpeWindowCursors::DetailAreaField:
        r.DetailAreaFieldCursor = code;
        break;
    case TRpeWindowCursors::Graph:
        r.GraphCursor = code;
        break;
    case TRpeWindowCursors::OnDemandSubreport:
        r.OnDemandSubreportCursor = int16_t(code);
        break;
    case TRpeWindowCursors::HyperLink:
        r.HyperlinkCursor = int16_t(code);
        break;
    case TRpeWindowCursors::AreaCount:
        break;
    }
}

} // namespace

TRpeWindowCursors::TRpeWindowCursors(TRpe *owner) : TRpePersistent(owner)
{
    Clear();
}

void TRpeWindowCursors::Clear()
{
    m_cursors.fill(wcDefault);
    m_cursors[OnDemandSubreport] = wcMagnify;
    m_cursors[HyperLink] = wcHand;
}

int TRpeWindowCursors::code(TRpeWindowCursor cursor)
{
    return cursorCodes[cursor];
}

TRpeWindowCursor TRpeWindowCursors::fromCode(int code)
{
    const int *found = std::find(std::begin(cursorCodes), std::end(cursorCodes), code);
    return found == std::end(cursorCodes) ? wcDefault : TRpeWindowCursor(found - std::begin(cursorCodes));
}

bool TRpeWindowCursors::supported(Area area)
{
    return dyn::RpeMajor >= (area == OnDemandSubreport || area == HyperLink ? 8 : 6);
}

// Reads the engine's record and writes back the cached cursors (one area or
// all of them) when any of them differs.
bool TRpeWindowCursors::exchange(const QString &operation, Area only, bool all)
{
    const QString context = QStringLiteral("WindowCursor.") + operation;
    RpeTrackCursorInfo record{};
    Rpe->UseHandle();
    if (!dyn::RpeGetTrackCursorInfo(Rpe->JobNumber(), &record)) {
        RpeOutput::engineFailed(Rpe, Rpe->JobNumber(), context + QStringLiteral(" <RpeGetTrackCursorInfo>"));
        return false;
    }
    bool differs = false;
    for (int i = 0; i < AreaCount; ++i) {
        const Area area = Area(i);
        if ((!all && area != only) || !supported(area) || fieldOf(record, area) == code(m_cursors[i]))
            continue;
        setField(record, area, code(m_cursors[i]));
        differs = true;
    }
    if (!differs)
        return true;
    Rpe->UseHandle();
    if (dyn::RpeSetTrackCursorInfo(Rpe->JobNumber(), &record))
        return true;
    RpeOutput::engineFailed(Rpe, Rpe->JobNumber(), context + QStringLiteral(" <RpeSetTrackCursorInfo>"));
    return false;
}

void TRpeWindowCursors::setCursor(Area area, TRpeWindowCursor cursor)
{
    m_cursors[area] = cursor;
    if (supported(area) && Rpe->JobReady())
        exchange(QLatin1String(areaNames[area]), area, false);
}

bool TRpeWindowCursors::Send()
{
    if (!Rpe->JobIsOpen() || dyn::RpeMajor < 6)
        return true;
    return exchange(QStringLiteral("Send"), GroupArea, true);
}
