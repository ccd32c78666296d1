#include "ControlBar.h"

#include "FrameWnd.h"

#include <cstdlib>

namespace {

void DrawDragFrame(const RECT& rc)
{
    HDC hdc = ::GetDC(nullptr);
    for (int i = 0; i < 3; ++i) {
        RECT r = rc;
        ::InflateRect(&r, -i, -i);
        ::DrawFocusRect(hdc, &r);
    }
    ::ReleaseDC(nullptr, hdc);
}

} // namespace

void AfxInitCommonControls(DWORD dwClasses)
{
    static DWORD s_done = 0;
    if ((s_done & dwClasses) == dwClasses)
        return;
    INITCOMMONCONTROLSEX icc{sizeof icc, dwClasses};
    if (::InitCommonControlsEx(&icc))
        s_done |= dwClasses;
}

// ---------------------------------------------------------------------------
// CControlBar

CControlBar::~CControlBar()
{
    if (m_pFloatWnd)
        m_pFloatWnd->DestroyWindow();
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
}

BOOL CControlBar::CreateBar(DWORD dwExStyle, LPCSTR lpszClass, DWORD dwCtrlStyle, DWORD dwStyle,
                            CWnd* pParentWnd, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_pDockSite = static_cast<CFrameWnd*>(pParentWnd);
    // The bar lays itself out through the frame, not by the control's own rules.
    const DWORD wndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (!CreateEx(dwExStyle, lpszClass, nullptr, wndStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
        return FALSE;
    m_pDockSite->AddControlBar(this);
    return TRUE;
}

BOOL CControlBar::IsVisible() const
{
    if (!m_hWnd || !(::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE))
        return FALSE;
    return !m_pFloatWnd || (::GetWindowLongA(m_pFloatWnd->m_hWnd, GWL_STYLE) & WS_VISIBLE);
}

HWND CControlBar::GetFloatingWindow() const
{
    return m_pFloatWnd ? m_pFloatWnd->m_hWnd : nullptr;
}

void CControlBar::DockAt(DWORD dwAlign)
{
    const bool bVisible = IsVisible();
    if (m_pFloatWnd) {
        ::SetParent(m_hWnd, m_pDockSite->m_hWnd);
        CMiniDockFrameWnd* pFloat = m_pFloatWnd;
        m_pFloatWnd = nullptr;
        pFloat->DestroyWindow();
    }
    m_dwStyle = (m_dwStyle & ~CBRS_ALIGN_ANY) | dwAlign;
    m_dwLastAlign = dwAlign;
    OnAlignChanged();
    ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pDockSite->RecalcLayout();
}

void CControlBar::FloatAt(POINT ptScreen)
{
    const bool bVisible = IsVisible();
    if (!m_pFloatWnd) {
        auto* pFloat = new CMiniDockFrameWnd;
        if (!pFloat->Create(this, ptScreen))
            return; // the window deleted its object
        m_pFloatWnd = pFloat;
        ::SetParent(m_hWnd, pFloat->m_hWnd);
        OnAlignChanged();
    }
    // Size the tool window around the bar's horizontal layout.
    const SIZE size = CalcFixedLayout(FALSE, TRUE);
    RECT rc{0, 0, size.cx, size.cy};
    ::AdjustWindowRectEx(&rc, static_cast<DWORD>(::GetWindowLongA(m_pFloatWnd->m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(m_pFloatWnd->m_hWnd, GWL_EXSTYLE)));
    m_pFloatWnd->SetWindowPos(nullptr, ptScreen.x, ptScreen.y, rc.right - rc.left, rc.bottom - rc.top,
                              SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pFloatWnd->ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pDockSite->RecalcLayout();
}

void CControlBar::TrackDrag(POINT ptStart)
{
    RECT rcBar;
    GetWindowRect(&rcBar);
    const HWND hFloat = GetFloatingWindow();
    if (hFloat)
        ::GetWindowRect(hFloat, &rcBar);
    const POINT grab{ptStart.x - rcBar.left, ptStart.y - rcBar.top};
    const SIZE horz = CalcFixedLayout(FALSE, TRUE);
    const SIZE vert = CalcFixedLayout(FALSE, FALSE);

    // Where the bar goes if released at pt: an edge, or a floating rectangle.
    DWORD align = 0;
    const auto target = [&](POINT pt) {
        align = m_pDockSite->DockAlignAt(pt, m_dwDockStyle);
        RECT rc;
        if (align & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM))
            rc = RECT{pt.x - grab.x, pt.y - horz.cy / 2, pt.x - grab.x + horz.cx, pt.y + horz.cy - horz.cy / 2};
        else if (align)
            rc = RECT{pt.x - vert.cx / 2, pt.y - grab.x, pt.x + vert.cx - vert.cx / 2, pt.y - grab.x + vert.cy};
        else
            rc = RECT{pt.x - grab.x, pt.y - grab.y, pt.x - grab.x + horz.cx, pt.y - grab.y + horz.cy};
        return rc;
    };

    ::SetCapture(m_hWnd);
    bool moved = false, cancelled = false, released = false;
    RECT shown{};
    POINT pt = ptStart;
    MSG msg{};
    while (!released && !cancelled && ::GetCapture() == m_hWnd) {
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            // The program is ending: the quit belongs to the main loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            cancelled = true;
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE:
            pt = msg.pt;
            if (!moved && std::abs(pt.x - ptStart.x) < ::GetSystemMetrics(SM_CXDRAG) &&
                std::abs(pt.y - ptStart.y) < ::GetSystemMetrics(SM_CYDRAG))
                break;
            if (moved)
                DrawDragFrame(shown);
            moved = true;
            shown = target(pt);
            DrawDragFrame(shown);
            break;
        case WM_LBUTTONUP:
            pt = msg.pt;
            released = true;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                cancelled = true;
            break;
        case WM_RBUTTONDOWN:
            cancelled = true;
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (moved)
        DrawDragFrame(shown);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!released || !moved)
        return;
    target(pt);
    if (align)
        m_pDockSite->DockControlBar(this, align);
    else
        m_pDockSite->FloatControlBar(this, POINT{pt.x - grab.x, pt.y - grab.y});
}

// ---------------------------------------------------------------------------
// CMiniDockFrameWnd

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CWnd)
    ON_MESSAGE(WM_CLOSE, OnClose)
    ON_MESSAGE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
    ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
    ON_MESSAGE(WM_DESTROY, OnDestroyMsg)
END_MESSAGE_MAP()

BOOL CMiniDockFrameWnd::Create(CControlBar* pBar, POINT ptScreen)
{
    m_pBar = pBar;
    LPCSTR cls = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(WS_EX_TOOLWINDOW, cls, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, ptScreen.x,
                    ptScreen.y, 100, 40, pBar->GetDockingFrame()->m_hWnd, nullptr);
}

LRESULT CMiniDockFrameWnd::OnClose(WPARAM, LPARAM)
{
    // Closing the tool window hides the bar; the View menu shows it again.
    m_pBar->GetDockingFrame()->ShowControlBar(m_pBar, FALSE);
    return 0;
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDblClk(WPARAM wParam, LPARAM)
{
    if (wParam != HTCAPTION)
        return Default();
    CControlBar* pBar = m_pBar;
    pBar->GetDockingFrame()->DockControlBar(pBar, pBar->GetLastDockAlign()); // destroys this window
    return 0;
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (wParam != HTCAPTION)
        return Default();
    // Dragging the caption may dock the bar at an edge of the frame.
    m_pBar->TrackDrag(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    return 0;
}

LRESULT CMiniDockFrameWnd::OnDestroyMsg(WPARAM, LPARAM)
{
    // Destroyed with the frame: the bar goes back to the frame (hidden), so
    // that it lives until the frame itself is destroyed.
    if (m_pBar->m_hWnd && ::GetParent(m_pBar->m_hWnd) == m_hWnd) {
        m_pBar->ShowWindow(SW_HIDE);
        ::SetParent(m_pBar->m_hWnd, m_pBar->GetDockingFrame()->m_hWnd);
    }
    if (m_pBar->m_pFloatWnd == this)
        m_pBar->m_pFloatWnd = nullptr;
    return Default();
}
