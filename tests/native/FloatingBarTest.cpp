// The floating toolbar's rows, and the edges a drag on its window's frame moves.
#include "framework/FloatingBar.h"

#include <gtest/gtest.h>

#include <string>

using floatbar::RowItem;

namespace {

// Items as letters: b a 20-pixel button, w a 150-pixel one, s an 8-pixel
// separator, c a 100-pixel separator that holds a control. The result marks
// each row's end with '|'.
std::string Rows(const std::string& items, int cxMax)
{
    std::vector<RowItem> list;
    for (char c : items)
        list.push_back(c == 'b' ? RowItem{20, false, false} : c == 'w' ? RowItem{150, false, false}
                       : c == 's' ? RowItem{8, true, false} : RowItem{100, true, true});
    const std::vector<bool> wraps = floatbar::RowsFor(list, cxMax);
    std::string rows;
    for (size_t i = 0; i < items.size(); ++i)
        rows += wraps[i] ? std::string(1, items[i]) + '|' : std::string(1, items[i]);
    return rows;
}

std::string Edges(unsigned code)
{
    const floatbar::SizingEdges e = floatbar::SizingEdgesOf(code);
    return std::string(e.left ? "l" : "") + (e.right ? "r" : "") + (e.top ? "t" : "") + (e.bottom ? "b" : "");
}

} // namespace

TEST(FloatingBar, ARowEndsAtItsLastPlainSeparatorElseBeforeTheItemThatDoesNotFit)
{
    EXPECT_EQ(Rows("bsbsbb", 1000), "bsbsbb");
    EXPECT_EQ(Rows("bsbsbb", 70), "bsbs|bb");
    EXPECT_EQ(Rows("bbb", 50), "bb|b");
    EXPECT_EQ(Rows("bbsb", 45), "bbs|b"); // the separator that overflows is the divider
    // A separator that holds a control never ends a row.
    EXPECT_EQ(Rows("bsbcbb", 140), "bs|bcb|b");
}

TEST(FloatingBar, AnItemWiderThanTheRowsHasARowOfItsOwn)
{
    EXPECT_EQ(Rows("bwb", 100), "b|w|b");
    EXPECT_EQ(Rows("wb", 100), "w|b");
    // However narrow, a control's separator keeps the button after it.
    EXPECT_EQ(Rows("bsbcb", 0), "bs|b|cb");
}

TEST(FloatingBar, SizingEdgesFollowTheSystemsCodes)
{
    const char* expected[] = {"", "l", "r", "t", "lt", "rt", "b", "lb", "rb", ""};
    for (unsigned code = 0; code < 10; ++code)
        EXPECT_EQ(Edges(code), expected[code]) << "code " << code;
    EXPECT_EQ(Edges(~0u), "");
}
