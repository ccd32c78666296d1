// The user's colours changed while the program runs: the view, the bars and
// the toolbar, docked and floating, follow at once.
#include "WineTest.h"

using wine_test::FrameTest;
using wine_test::PumpMessages;
using wine_test::Sjis;

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0), kDarkFace = RGB(32, 48, 64);

// Pixels of a window's client area in one colour (every second pixel each way).
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

// A dark scheme while it lives; then the colours before it, and the
// messages of both changes handled.
class DarkScheme {
public:
    DarkScheme()
    {
        for (int i = 0; i < 3; ++i)
            m_old[i] = ::GetSysColor(kElements[i]);
        const COLORREF dark[] = {RGB(0, 0, 0), kYellow, kDarkFace};
        EXPECT_TRUE(::SetSysColors(3, kElements, dark));
        PumpMessages();
    }
    ~DarkScheme()
    {
        ::SetSysColors(3, kElements, m_old);
        PumpMessages();
    }

private:
    static constexpr int kElements[3] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE};
    COLORREF m_old[3];
};

} // namespace

TEST_F(FrameTest, AColourChangeRepaintsTheViewAndTheBarsDockedAndFloating)
{
    view->SetText(Sjis("大").c_str());
    const COLORREF oldWindow = ::GetSysColor(COLOR_WINDOW), oldFace = ::GetSysColor(COLOR_BTNFACE);
    ASSERT_GT(PixelsOf(frame->m_wndToolBar, oldFace), 0);
    {
        DarkScheme dark;
        EXPECT_EQ(PixelsOf(view->m_hWnd, oldWindow), 0) << "the glyph kept a box of the old window colour";
        EXPECT_GT(PixelsOf(view->m_hWnd, kYellow), 0) << "no ink in the window text colour";
        EXPECT_EQ(PixelsOf(frame->m_wndToolBar, oldFace), 0);
    }
    // Floating, the toolbar is in a top-level window of its own, which the
    // system tells of the change itself.
    frame->FloatControlBar(&frame->m_wndToolBar, POINT{500, 500});
    {
        DarkScheme dark;
        EXPECT_EQ(PixelsOf(frame->m_wndToolBar, oldFace), 0);
    }
    EXPECT_EQ(PixelsOf(frame->m_wndToolBar, kDarkFace), 0) << "the floating toolbar kept the dark face";
    EXPECT_EQ(PixelsOf(view->m_hWnd, kYellow), 0);
}
