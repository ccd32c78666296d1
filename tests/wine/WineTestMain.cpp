#include "WineTest.h"

#include <vector>

namespace wine_test {

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        if (!theApp.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    theApp.OnIdle(0);
}

std::string Sjis(const char* utf8)
{
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(n));
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), n);
    const int m = ::WideCharToMultiByte(932, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(m), '\0');
    ::WideCharToMultiByte(932, 0, wide.data(), -1, &out[0], m, nullptr, nullptr);
    out.resize(static_cast<size_t>(m) - 1);
    return out;
}

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

} // namespace wine_test

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    theApp.m_hInstance = ::GetModuleHandleA(nullptr);
    return RUN_ALL_TESTS();
}
