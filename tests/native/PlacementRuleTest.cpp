// Where a stored placement comes up when no monitor is where it was stored.
#include "settings/PlacementRule.h"

#include <gtest/gtest.h>

using settings::Rect;

namespace {
bool Same(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
} // namespace

TEST(PlacementRule, AWindowOffScreenComesBackWholeOrCutToTheWorkArea)
{
    const Rect work{0, 0, 1920, 1040};
    // Past the right and bottom edges: its size kept, moved just inside.
    EXPECT_TRUE(Same(settings::MovedInto(Rect{5000, 3000, 5400, 3300}, work), Rect{1520, 740, 1920, 1040}));
    // Before the left and top edges.
    EXPECT_TRUE(Same(settings::MovedInto(Rect{-900, -700, -500, -400}, work), Rect{0, 0, 400, 300}));
    // Larger than the area: the area itself.
    EXPECT_TRUE(Same(settings::MovedInto(Rect{-50000, -50000, 50000, 50000}, work), work));
    // The system's largest window from the stored corner: far off screen,
    // though the stored rectangle covers the screen.
    EXPECT_TRUE(Same(settings::AsShown(Rect{-50000, -50000, 50000, 50000}, 1940, 1220),
                     Rect{-50000, -50000, -48060, -48780}));
    EXPECT_TRUE(Same(settings::AsShown(Rect{10, 20, 410, 320}, 1940, 1220), Rect{10, 20, 410, 320}));
    // A damaged record with right before left is no larger than nothing.
    EXPECT_TRUE(Same(settings::AsShown(Rect{10, 20, 5, 320}, 1940, 1220), Rect{10, 20, 10, 320}));
}
