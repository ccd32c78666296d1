// Where a stored window placement may come up: the arithmetic that keeps a
// window saved on a monitor that is gone (or stored damaged) on the screen.
// Pure C++, so that the rule is tested on its own.
#pragma once

namespace settings {

struct Rect {
    long left, top, right, bottom;
};

// The rectangle the system gives a window asked for rc: its top-left corner
// kept, no larger than cxMax by cyMax (the system's largest window).
Rect AsShown(Rect rc, long cxMax, long cyMax);

// rc moved into area by the least distance, its size kept where it fits and
// cut to the area's where it does not.
Rect MovedInto(Rect rc, const Rect& area);

} // namespace settings
