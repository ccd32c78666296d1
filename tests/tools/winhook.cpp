// winhook.dll: stands in, inside quelvan, for what Windows does and Wine 8
// does not. "probe hook" installs its procedures as global hooks, so that Wine
// loads it into every GUI process of the prefix; it acts only in a process
// whose environment asks for it:
//   QUELVAN_HOOK_IME=1   an IME that is on: SPACE pressed in a window with an
//                        input context arrives as VK_PROCESSKEY (the IME takes
//                        it for a conversion); windows without one get it as typed
//   QUELVAN_HOOK_DPI_X=X a monitor at 144 DPI right of screen x X: a main window
//                        moved onto it is sent WM_DPICHANGED during the move,
//                        once, with its rectangle scaled by 1.5 as the suggestion
#include <windows.h>

#include <imm.h>

#include <cstdlib>

namespace {

int EnvInt(const char* name)
{
    char value[16] = {};
    return ::GetEnvironmentVariableA(name, value, sizeof value) ? std::atoi(value) : 0;
}

const bool g_ime = EnvInt("QUELVAN_HOOK_IME") != 0;
const int g_dpiX = EnvInt("QUELVAN_HOOK_DPI_X");
bool g_onHighDpi = false;

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK GetMsgHook(int code, WPARAM wParam, LPARAM lParam)
{
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && g_ime && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) &&
        msg->wParam == VK_SPACE) {
        if (HIMC hImc = ::ImmGetContext(msg->hwnd)) {
            ::ImmReleaseContext(msg->hwnd, hImc);
            msg->wParam = VK_PROCESSKEY;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK CallWndRetHook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* cwp = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    RECT rc;
    if (code == HC_ACTION && g_dpiX && !g_onHighDpi && cwp->message == WM_WINDOWPOSCHANGED &&
        !(::GetWindowLongA(cwp->hwnd, GWL_STYLE) & WS_CHILD) && ::GetMenu(cwp->hwnd) &&
        ::GetWindowRect(cwp->hwnd, &rc) && rc.left >= g_dpiX) {
        g_onHighDpi = true;
        RECT suggested{rc.left, rc.top, rc.left + (rc.right - rc.left) * 3 / 2, rc.top + (rc.bottom - rc.top) * 3 / 2};
        ::SendMessageA(cwp->hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
