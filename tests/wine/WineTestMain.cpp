#include "WineTest.h"

#include "settings/SettingsPath.h"

#include <algorithm>

namespace wine_test {

std::string SettingsFile()
{
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    settings::MakeSettingsPath(path, MAX_PATH);
    char narrow[2 * MAX_PATH]; // the tests' folder is ASCII
    ::WideCharToMultiByte(CP_ACP, 0, path, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

// Pixels of the view's client area that differ from the window colour.
int InkPixels(HWND hWnd, RECT* pInk)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    HDC hdc = ::GetDC(hWnd);
    HDC mem = ::CreateCompatibleDC(hdc);
    HBITMAP bmp = ::CreateCompatibleBitmap(hdc, rc.right, rc.bottom);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::BitBlt(mem, 0, 0, rc.right, rc.bottom, hdc, 0, 0, SRCCOPY);
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    int count = 0;
    RECT ink{rc.right, rc.bottom, 0, 0};
    for (int y = 0; y < rc.bottom; y += 2) {
        for (int x = 0; x < rc.right; x += 2) {
            if (::GetPixel(mem, x, y) != window) {
                ++count;
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
        }
    }
    ::SelectObject(mem, old);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    ::ReleaseDC(hWnd, hdc);
    if (pInk)
        *pInk = ink;
    return count;
}

void FrameTest::SetUp()
{
    ASSERT_EQ(::GetACP(), 932u) << "the tests run with code page 932 (LANG=ja_JP.UTF-8)";
    ::DeleteFileA(SettingsFile().c_str()); // every test starts with the defaults
    ASSERT_TRUE(theApp.InitInstance());
    frame = static_cast<CMainFrame*>(theApp.m_pMainWnd);
    ASSERT_NE(frame, nullptr);
    view = &frame->m_wndView;
    PumpMessages();
}

void FrameTest::TearDown()
{
    if (theApp.m_pMainWnd)
        theApp.m_pMainWnd->DestroyWindow();
    PumpMessages();
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

UINT MenuItemState(CMainFrame* frame, int popup, UINT id)
{
    HMENU hPopup = ::GetSubMenu(::GetMenu(frame->m_hWnd), popup);
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(popup, FALSE));
    return ::GetMenuState(hPopup, id, MF_BYCOMMAND);
}

} // namespace wine_test

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    theApp.m_hInstance = ::GetModuleHandleA(nullptr);
    return RUN_ALL_TESTS();
}
