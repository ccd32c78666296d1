#include "PlacementRule.h"

namespace settings {

namespace {

int32_t Clamped(int64_t v)
{
    return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
}

// Where workspace coordinates start, in the screen's: the work area's offset
// from its monitor's edge.
int64_t XOrigin(const Workspace& ws)
{
    return int64_t{ws.work.left} - ws.monitor.left;
}

int64_t YOrigin(const Workspace& ws)
{
    return int64_t{ws.work.top} - ws.monitor.top;
}

// One axis of the window shown: from origin + low, as long as high - low but
// no longer than cMax and never negative.
struct Span {
    int64_t low, length;
};

Span Shown(int32_t low, int32_t high, int64_t origin, int32_t cMax)
{
    const int64_t length = int64_t{high} - low;
    return Span{int64_t{low} + origin, length < 0 ? 0 : length > cMax ? cMax : length};
}

// The span moved into [areaLow, areaHigh) by the least distance, no longer
// than the area; its start back in the stored coordinates.
Span Moved(Span s, int64_t origin, int32_t areaLow, int32_t areaHigh)
{
    const int64_t areaLength = int64_t{areaHigh} - areaLow;
    if (s.length > areaLength)
        s.length = areaLength < 0 ? 0 : areaLength;
    if (s.low > areaHigh - s.length)
        s.low = areaHigh - s.length;
    if (s.low < areaLow)
        s.low = areaLow;
    s.low -= origin;
    return s;
}

Rect FromSpans(Span x, Span y)
{
    return Rect{Clamped(x.low), Clamped(y.low), Clamped(x.low + x.length), Clamped(y.low + y.length)};
}

} // namespace

Rect ShownOnScreen(Rect rc, const Workspace& ws)
{
    return FromSpans(Shown(rc.left, rc.right, XOrigin(ws), ws.cxMax), Shown(rc.top, rc.bottom, YOrigin(ws), ws.cyMax));
}

Rect MovedInto(Rect rc, const Workspace& ws)
{
    return FromSpans(
        Moved(Shown(rc.left, rc.right, XOrigin(ws), ws.cxMax), XOrigin(ws), ws.work.left, ws.work.right),
        Moved(Shown(rc.top, rc.bottom, YOrigin(ws), ws.cyMax), YOrigin(ws), ws.work.top, ws.work.bottom));
}

} // namespace settings
