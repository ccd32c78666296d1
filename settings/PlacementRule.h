// Where a stored window placement may come up: the arithmetic that keeps a
// window saved on a monitor that is gone (or stored damaged) on the screen.
// Pure C++, so that the rule is tested on its own. Coordinates are 32-bit, as
// in the system's RECT, whatever a stored value holds; the arithmetic is
// 64-bit, so that no stored value overflows it.
#pragma once
#include <cstdint>

namespace settings {

struct Rect {
    int32_t left, top, right, bottom;
};

// A stored normal rectangle is in workspace coordinates: the screen's, less
// the offset of the work area of the monitor the window is on from that
// monitor's top-left corner (a taskbar at its top or left). On a monitor
// without one they are the screen's, whatever the primary monitor has.
struct Workspace {
    Rect monitor, work;       // the window's monitor and its work area, in screen coordinates
    int32_t cxMax, cyMax;     // the system's largest window (both at least 0)
};

// The screen rectangle the system gives a window stored at rc: its top-left
// corner kept, no larger than the largest window, cut to what a RECT holds.
Rect ShownOnScreen(Rect rc, const Workspace& ws);

// The rectangle to store in place of rc so that the window shows inside the
// work area: moved by the least distance, its size kept where it fits and
// cut to the area's where it does not; in workspace coordinates.
Rect MovedInto(Rect rc, const Workspace& ws);

} // namespace settings
