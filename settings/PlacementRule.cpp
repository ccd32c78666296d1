#include "PlacementRule.h"

namespace settings {

namespace {

int32_t Clamped(int64_t v)
{
    return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
}

// One axis of the window: the stored [low, high) as shown on the screen (from
// origin + low, no longer than cMax, never negative); when area is given, then
// moved into [area[0], area[1]), no longer than it. Results are back in the
// stored coordinates when area is given.
void Axis(int32_t& low, int32_t& high, int32_t origin, int32_t cMax, const int32_t* area)
{
    int64_t start = int64_t{low} + origin;
    int64_t length = int64_t{high} - low;
    length = length < 0 ? 0 : length > cMax ? cMax : length;
    if (area) {
        const int64_t areaLength = int64_t{area[1]} - area[0];
        if (length > areaLength)
            length = areaLength < 0 ? 0 : areaLength;
        const int64_t last = int64_t{area[1]} - length;
        start = start > last ? last : start;
        start = start < area[0] ? area[0] : start;
        start -= origin;
    }
    low = Clamped(start);
    high = Clamped(start + length);
}

} // namespace

Rect ShownOnScreen(Rect rc, const Workspace& ws)
{
    Axis(rc.left, rc.right, ws.xOrigin, ws.cxMax, nullptr);
    Axis(rc.top, rc.bottom, ws.yOrigin, ws.cyMax, nullptr);
    return rc;
}

Rect MovedInto(Rect rc, const Workspace& ws, const Rect& work)
{
    const int32_t x[] = {work.left, work.right}, y[] = {work.top, work.bottom};
    Axis(rc.left, rc.right, ws.xOrigin, ws.cxMax, x);
    Axis(rc.top, rc.bottom, ws.yOrigin, ws.cyMax, y);
    return rc;
}

} // namespace settings
