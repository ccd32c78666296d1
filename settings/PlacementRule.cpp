#include "PlacementRule.h"

#include <algorithm>

namespace settings {

Rect AsShown(Rect rc, long cxMax, long cyMax)
{
    rc.right = rc.left + std::clamp(rc.right - rc.left, 0L, cxMax);
    rc.bottom = rc.top + std::clamp(rc.bottom - rc.top, 0L, cyMax);
    return rc;
}

Rect MovedInto(Rect rc, const Rect& area)
{
    const long cx = std::min(rc.right - rc.left, area.right - area.left);
    const long cy = std::min(rc.bottom - rc.top, area.bottom - area.top);
    rc.left = std::clamp(rc.left, area.left, area.right - cx);
    rc.top = std::clamp(rc.top, area.top, area.bottom - cy);
    return Rect{rc.left, rc.top, rc.left + cx, rc.top + cy};
}

} // namespace settings
