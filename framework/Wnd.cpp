// A window bound to its object: created with the object bound before its
// first message, and released with its last; window classes registered once.
#include "Wnd.h"

#include "WinApp.h"

#include <algorithm>
#include <forward_list>
#include <string>
#include <utility>
#include <vector>

namespace {

// Windows bound to objects. One thread creates and uses every window. They
// are a few dozen at most: a look along them is as quick as a hash.
using WindowObjects = std::vector<std::pair<HWND, CWnd*>>;

WindowObjects& PermanentMap()
{
    static WindowObjects map;
    return map;
}

WindowObjects::iterator FindPermanent(HWND hWnd)
{
    WindowObjects& map = PermanentMap();
    return std::find_if(map.begin(), map.end(), [hWnd](const auto& bound) { return bound.first == hWnd; });
}

void Unbind(HWND hWnd)
{
    const auto it = FindPermanent(hWnd);
    if (it != PermanentMap().end()) {
        *it = PermanentMap().back();
        PermanentMap().pop_back();
    }
}

// The object whose window CreateEx is creating, until the hook binds it. The
// hook is installed only while CreateEx runs (nested creations share it).
CWnd* g_pWndInit = nullptr;
HHOOK g_hCbtHook = nullptr;

} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Binds the object before the new window's first message (WM_NCCREATE):
// the window procedure of whatever class the window has is replaced by ours.
LRESULT CALLBACK AfxCbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_pWndInit) {
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        pWnd->Attach(hWnd);
        pWnd->m_pfnSuper = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    }
    return ::CallNextHookEx(g_hCbtHook, code, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return pWnd->Dispatch(message, wParam, lParam);
}

CWnd::~CWnd()
{
    DestroyDetached();
}

void CWnd::DestroyDetached()
{
    // A window that outlives its object: its messages no longer reach the
    // object (half destroyed by now) while it is destroyed.
    if (!m_hWnd)
        return;
    const HWND hWnd = m_hWnd;
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    Unbind(hWnd);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    ::DestroyWindow(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    const auto it = FindPermanent(hWnd);
    return it == PermanentMap().end() ? nullptr : it->second;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    const auto it = FindPermanent(hWnd);
    if (it != PermanentMap().end())
        it->second = this;
    else
        PermanentMap().emplace_back(hWnd, this);
}

void CWnd::DetachAfterDestroy()
{
    Unbind(m_hWnd);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy(); // may delete this
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    CREATESTRUCTA cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        ReleaseUncreated();
        return FALSE;
    }

    const bool outermost = !g_hCbtHook;
    if (outermost)
        g_hCbtHook = ::SetWindowsHookExA(WH_CBT, &AfxCbtHook, nullptr, ::GetCurrentThreadId());
    if (!g_hCbtHook) {
        ReleaseUncreated();
        return FALSE;
    }
    g_pWndInit = this;
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style),
                                  cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    const bool bound = g_pWndInit == nullptr;
    g_pWndInit = nullptr;
    if (outermost) {
        ::UnhookWindowsHookEx(g_hCbtHook);
        g_hCbtHook = nullptr;
    }
    // A window that existed has released its object on WM_NCDESTROY already.
    if (!hWnd && !bound)
        ReleaseUncreated();
    return hWnd != nullptr;
}

void CWnd::ReleaseUncreated()
{
    // No window, so no WM_NCDESTROY: the object goes as it would after its
    // window (a frame deletes itself), and is no longer the main window.
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this)
        pApp->m_pMainWnd = nullptr;
    PostNcDestroy(); // may delete this
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::CenterWindow(HWND hWndAlternateOwner) const
{
    HWND hOwner = hWndAlternateOwner ? hWndAlternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    RECT rcSelf, rcOwner;
    GetWindowRect(&rcSelf);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoA(::MonitorFromWindow(hOwner ? hOwner : m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    if (hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner))
        ::GetWindowRect(hOwner, &rcOwner);
    else
        rcOwner = mi.rcWork;
    const int cx = rcSelf.right - rcSelf.left;
    const int cy = rcSelf.bottom - rcSelf.top;
    int x = (rcOwner.left + rcOwner.right - cx) / 2;
    int y = (rcOwner.top + rcOwner.bottom - cy) / 2;
    // Keep the whole window on the owner's monitor.
    if (x + cx > mi.rcWork.right) x = mi.rcWork.right - cx;
    if (y + cy > mi.rcWork.bottom) y = mi.rcWork.bottom - cy;
    if (x < mi.rcWork.left) x = mi.rcWork.left;
    if (y < mi.rcWork.top) y = mi.rcWork.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // A few classes: a list keeps each name where it is, for the pointer returned.
    static std::forward_list<std::string> registered;
    char name[96];
    wsprintfA(name, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), nClassStyle,
              static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    const auto it = std::find(registered.begin(), registered.end(), name);
    if (it != registered.end())
        return it->c_str();
    WNDCLASSA wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA; // replaced per window by the creation hook
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    registered.emplace_front(name);
    return registered.front().c_str();
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

CWnd* AfxGetMainWnd()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->m_pMainWnd : nullptr;
}
