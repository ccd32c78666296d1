#include "AppDriver.h"

#include <cstdio>
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

CMainFrame* StartFrame()
{
    theApp.m_hInstance = ::GetModuleHandleA(nullptr);
    if (!theApp.InitInstance()) {
        std::fprintf(stderr, "the main frame could not be created\n");
        return nullptr;
    }
    PumpMessages();
    return static_cast<CMainFrame*>(theApp.m_pMainWnd);
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

} // namespace wine_test
