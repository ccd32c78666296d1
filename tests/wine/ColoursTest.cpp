// A change of the user's colours while the program runs: the view and the
// toolbar, docked and floating, are drawn again in the new ones.
#include "WineTest.h"

using wine_test::FrameTest;
using wine_test::PumpMessages;

namespace {

// Pixels of a window's client area in one colour once it is painted (every
// second pixel each way).
int PixelsOf(HWND hWnd, COLORREF colour)
{
    ::UpdateWindow(hWnd);
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    HDC hdc = ::GetDC(hWnd);
    int count = 0;
    for (int y = 0; y < rc.bottom; y += 2) {
        for (int x = 0; x < rc.right; x += 2)
            count += ::GetPixel(hdc, x, y) == colour;
    }
    ::ReleaseDC(hWnd, hdc);
    return count;
}

// The window, window text and button face colours, the change handled.
void SetColours(const COLORREF (&colours)[3])
{
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE};
    ::SetSysColors(3, elements, colours);
    PumpMessages();
}

} // namespace

TEST_F(FrameTest, AColourChangeRepaintsTheViewAndTheToolbarDockedAndFloating)
{
    const COLORREF user[] = {::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_BTNFACE)};
    const COLORREF dark[] = {RGB(0, 0, 0), RGB(255, 255, 0), RGB(32, 48, 64)};
    view->SetText("W");
    SetColours(dark);
    EXPECT_EQ(PixelsOf(*view, user[0]), 0) << "the glyph kept a box of the old window colour";
    EXPECT_GT(PixelsOf(*view, dark[1]), 1000) << "no ink in the window text colour";
    EXPECT_EQ(PixelsOf(frame->m_wndToolBar, user[2]), 0);
    // Floating, in a top-level window of its own, which hears of the change itself.
    frame->FloatControlBar(&frame->m_wndToolBar, POINT{500, 500});
    SetColours(user);
    EXPECT_EQ(PixelsOf(frame->m_wndToolBar, dark[2]), 0) << "the floating toolbar kept the dark face";
    EXPECT_GT(PixelsOf(frame->m_wndToolBar, user[2]), 0);
}
