// The notches of a mouse wheel.
#include "view/WheelNotches.h"

#include <gtest/gtest.h>

TEST(WheelNotches, WholeNotchesWithTheRestKeptUntilTheWheelTurnsBack)
{
    CWheelNotches wheel;
    EXPECT_EQ(wheel.Add(-120), -1);
    EXPECT_EQ(wheel.Add(360), 3);
    EXPECT_EQ(wheel.Add(40), 0);
    EXPECT_EQ(wheel.Add(40), 0);
    EXPECT_EQ(wheel.Add(50), 1); // 130: one notch, 10 kept
    EXPECT_EQ(wheel.Add(110), 1);
    EXPECT_EQ(wheel.Add(100), 0);
    EXPECT_EQ(wheel.Add(-100), 0); // the other way: the 100 kept is dropped
    EXPECT_EQ(wheel.Add(-20), -1);
    EXPECT_EQ(wheel.Add(-32768), -273);
}
