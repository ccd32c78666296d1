// CMiniDockFrameWnd: the small tool window in which a bar floats, sized to
// the bar's rows, docked again by a double-click on its caption.
#include "ControlBar.h"

#include "Dpi.h"
#include "FloatingBar.h"
#include "FrameWnd.h"
#include "InputMethod.h"

// The sizing edges' codes, as the floating bar's arithmetic numbers them.
static_assert(WMSZ_LEFT == 1 && WMSZ_RIGHT == 2 && WMSZ_TOP == 3 && WMSZ_TOPLEFT == 4 && WMSZ_TOPRIGHT == 5 &&
              WMSZ_BOTTOM == 6 && WMSZ_BOTTOMLEFT == 7 && WMSZ_BOTTOMRIGHT == 8);

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CWnd)
    ON_MESSAGE(WM_CLOSE, OnClose)
    ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
    ON_MESSAGE(WM_SIZING, OnSizing)
    ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
    ON_MESSAGE(WM_SIZE, OnSize)
    ON_MESSAGE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
    ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
    ON_MESSAGE(WM_DESTROY, OnDestroyMsg)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
    ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

BOOL CMiniDockFrameWnd::Create(CControlBar* pBar, POINT ptScreen)
{
    m_pBar = pBar;
    LPCSTR cls = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC)
        style |= WS_THICKFRAME;
    if (!CreateEx(WS_EX_TOOLWINDOW, cls, "", style, ptScreen.x, ptScreen.y, 100, 40, pBar->GetDockingFrame()->m_hWnd,
                  nullptr))
        return FALSE;
    m_nDpi = AfxGetWindowDpi(m_hWnd);
    AfxKeepInputMethodOut(m_hWnd); // it takes no text; the bar it holds keeps its own context
    return TRUE;
}

void CMiniDockFrameWnd::PlaceAt(POINT ptScreen)
{
    const SIZE bar = m_pBar->CalcDynamicLayout(0, LM_MRUWIDTH | LM_COMMIT);
    const SIZE frame = FrameSize();
    SetWindowPos(nullptr, ptScreen.x, ptScreen.y, bar.cx + frame.cx, bar.cy + frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE CMiniDockFrameWnd::FrameSize() const
{
    RECT rc{};
    AfxAdjustWindowRect(&rc, m_hWnd);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

BOOL CMiniDockFrameWnd::HoldsBar() const
{
    // Not yet while the window is being created, nor once the bar has docked.
    return m_pBar->m_pFloatWnd == this && ::GetParent(m_pBar->m_hWnd) == m_hWnd;
}

LRESULT CMiniDockFrameWnd::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    // The bar's narrowest layout is the limit, not the system's minimum size.
    const LRESULT result = Default();
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{FrameSize().cx, FrameSize().cy};
    return result;
}

LRESULT CMiniDockFrameWnd::OnSizing(WPARAM wParam, LPARAM lParam)
{
    // Dragging the top or bottom edge asks for a height, the others for a
    // width; the bar's nearest layout gives the size, the edges opposite the
    // dragged ones stay put.
    RECT* rc = reinterpret_cast<RECT*>(lParam);
    const floatbar::SizingEdges edges = floatbar::SizingEdgesOf(static_cast<unsigned>(wParam));
    const SIZE frame = FrameSize();
    const SIZE bar = (!edges.left && !edges.right && (edges.top || edges.bottom))
                         ? m_pBar->CalcDynamicLayout(rc->bottom - rc->top - frame.cy, LM_LENGTHY)
                         : m_pBar->CalcDynamicLayout(rc->right - rc->left - frame.cx, 0);
    if (edges.left)
        rc->left = rc->right - bar.cx - frame.cx;
    else
        rc->right = rc->left + bar.cx + frame.cx;
    if (edges.top)
        rc->top = rc->bottom - bar.cy - frame.cy;
    else
        rc->bottom = rc->top + bar.cy + frame.cy;
    return TRUE;
}

LRESULT CMiniDockFrameWnd::OnWindowPosChanging(WPARAM, LPARAM lParam)
{
    // Whatever sizes the window, the bar lays its items out in rows that fit
    // the width, and the window takes the size of those rows.
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!(pos->flags & SWP_NOSIZE) && HoldsBar()) {
        const SIZE frame = FrameSize();
        const SIZE bar = m_pBar->CalcDynamicLayout(pos->cx - frame.cx, LM_COMMIT);
        pos->cx = bar.cx + frame.cx;
        pos->cy = bar.cy + frame.cy;
    }
    return Default();
}

LRESULT CMiniDockFrameWnd::OnSize(WPARAM, LPARAM lParam)
{
    if (HoldsBar())
        m_pBar->SetWindowPos(nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
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
    const POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (wParam == HTCAPTION) {
        // Dragging the caption may dock the bar at an edge of the frame.
        m_pBar->TrackDrag(pt);
        return 0;
    }
    if (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT) {
        TrackSize(static_cast<UINT>(wParam), pt);
        return 0;
    }
    return Default();
}
LRESULT CMiniDockFrameWnd::OnSysColorChange(WPARAM, LPARAM)
{
    AfxSysColorChanged(m_hWnd); // the floating bar's images and frame
    return 0;
}

LRESULT CMiniDockFrameWnd::OnSettingChange(WPARAM wParam, LPARAM)
{
    AfxSettingChanged(m_hWnd, wParam);
    return Default();
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

LRESULT CMiniDockFrameWnd::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    // Moved to a screen of another DPI: the bar is rebuilt for it, and the
    // window goes where the system suggests, sized to the bar's rows that fit
    // the suggested width (as whatever else sizes it).
    m_nDpi = LOWORD(wParam);
    if (HoldsBar())
        m_pBar->ScaleToDpi(m_nDpi);
    const RECT* rc = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(nullptr, rc->left, rc->top, rc->right - rc->left, rc->bottom - rc->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}
