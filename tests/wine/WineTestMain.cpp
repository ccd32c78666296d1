#include "WineTest.h"

namespace wine_test {

void FrameTest::SetUp()
{
    ASSERT_EQ(::GetACP(), 932u) << "the tests run with code page 932 (LANG=ja_JP.UTF-8)";
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
