// Where a stored placement comes up when no monitor is where it was stored.
#include "settings/PlacementRule.h"

#include <gtest/gtest.h>

#include <cstdint>

using settings::Rect;
using settings::Workspace;

namespace {
bool Same(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
} // namespace

TEST(PlacementRule, AWindowOffScreenComesBackWholeOrCutToTheWorkArea)
{
    const Rect work{0, 0, 1920, 1040};
    const Workspace ws{Rect{0, 0, 1920, 1080}, work, 1940, 1220};
    // Past the right and bottom edges: its size kept, moved just inside.
    EXPECT_TRUE(Same(settings::MovedInto(Rect{5000, 3000, 5400, 3300}, ws), Rect{1520, 740, 1920, 1040}));
    // Before the left and top edges.
    EXPECT_TRUE(Same(settings::MovedInto(Rect{-900, -700, -500, -400}, ws), Rect{0, 0, 400, 300}));
    // Larger than the area: the area itself.
    EXPECT_TRUE(Same(settings::MovedInto(Rect{-50000, -50000, 50000, 50000}, ws), work));
    // The system's largest window from the stored corner: far off screen,
    // though the stored rectangle covers the screen.
    EXPECT_TRUE(
        Same(settings::ShownOnScreen(Rect{-50000, -50000, 50000, 50000}, ws), Rect{-50000, -50000, -48060, -48780}));
    EXPECT_TRUE(Same(settings::ShownOnScreen(Rect{10, 20, 410, 320}, ws), Rect{10, 20, 410, 320}));
    // A damaged record with right before left is no larger than nothing.
    EXPECT_TRUE(Same(settings::ShownOnScreen(Rect{10, 20, 5, 320}, ws), Rect{10, 20, 10, 320}));
}

TEST(PlacementRule, StoredInWorkspaceCoordinatesShownInScreenCoordinates)
{
    // A taskbar 40 high at the top, 60 wide at the left: workspace (0, 0) is
    // screen (60, 40). Moved onto that work area, the window stays inside it.
    const Workspace ws{Rect{0, 0, 1920, 1080}, Rect{60, 40, 1920, 1080}, 1940, 1220};
    EXPECT_TRUE(Same(settings::ShownOnScreen(Rect{0, 0, 400, 300}, ws), Rect{60, 40, 460, 340}));
    EXPECT_TRUE(Same(settings::MovedInto(Rect{5000, 3000, 5400, 3300}, ws), Rect{1460, 740, 1860, 1040}));
    EXPECT_TRUE(Same(settings::MovedInto(Rect{-900, -700, -500, -400}, ws), Rect{0, 0, 400, 300}));
}

TEST(PlacementRule, WorkspaceCoordinatesAreThoseOfTheWindowsOwnMonitor)
{
    // A monitor left of and above the primary, its taskbar 60 wide at the
    // left and 40 high at the top: its workspace is its screen less (60, 40),
    // whatever the primary's work area is.
    const Workspace ws{Rect{-1920, -200, 0, 880}, Rect{-1860, -160, 0, 880}, 1940, 1220};
    EXPECT_TRUE(Same(settings::ShownOnScreen(Rect{-1900, -150, -1500, 150}, ws), Rect{-1840, -110, -1440, 190}));
    EXPECT_TRUE(Same(settings::MovedInto(Rect{-5000, -3000, -4600, -2700}, ws), Rect{-1920, -200, -1520, 100}));
}

TEST(PlacementRule, NoStoredValueOverflows)
{
    const Workspace ws{Rect{0, 0, 1920, 1080}, Rect{60, 40, 1920, 1080}, 1940, 1220};
    const Rect widest{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    EXPECT_TRUE(Same(settings::ShownOnScreen(widest, ws),
                     Rect{INT32_MIN + 60, INT32_MIN + 40, INT32_MIN + 2000, INT32_MIN + 1260}));
    EXPECT_TRUE(Same(settings::MovedInto(widest, ws), Rect{0, 0, 1860, 1040}));
    const Rect farthest{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    EXPECT_TRUE(Same(settings::ShownOnScreen(farthest, ws), Rect{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}));
    EXPECT_TRUE(Same(settings::MovedInto(farthest, ws), Rect{1860, 1040, 1860, 1040}));
}
