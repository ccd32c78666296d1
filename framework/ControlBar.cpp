#include "ControlBar.h"

#include "Dpi.h"
#include "FloatingBar.h"
#include "FrameWnd.h"
#include "Gdi.h"

#include <cstdlib>

namespace {

// The sizing edges' codes, as the floating bar's arithmetic numbers them.
static_assert(WMSZ_LEFT == 1 && WMSZ_RIGHT == 2 && WMSZ_TOP == 3 && WMSZ_TOPLEFT == 4 && WMSZ_TOPRIGHT == 5 &&
              WMSZ_BOTTOM == 6 && WMSZ_BOTTOMLEFT == 7 && WMSZ_BOTTOMRIGHT == 8);

void DrawDragFrame(const RECT& rc)
{
    CClientDC dc(static_cast<HWND>(nullptr)); // the screen's
    for (int i = 0; i < 3; ++i) {
        RECT r = rc;
        ::InflateRect(&r, -i, -i);
        ::DrawFocusRect(dc, &r);
    }
}

// What to do at each position of the pointer: a call of a function object,
// held by reference (lighter than std::function, which would copy it).
class CPointHandler {
public:
    template <class F> CPointHandler(F& f) : m_pObj(&f), m_pfn([](void* p, POINT pt) { (*static_cast<F*>(p))(pt); }) {}
    void operator()(POINT pt) const { m_pfn(m_pObj, pt); }

private:
    void* m_pObj;
    void (*m_pfn)(void*, POINT);
};

// Follows the pointer with the mouse captured by hWnd, calling onMove at each
// position, until the left button is released (TRUE, *pRelease where) or the
// user cancels: Escape, the right button, the capture lost, the program
// ending or hWnd destroyed by a message meanwhile (FALSE). onMove runs, and
// TRUE comes back, only while hWnd exists.
BOOL TrackMouse(HWND hWnd, POINT* pRelease, CPointHandler onMove)
{
    ::SetCapture(hWnd);
    BOOL released = FALSE, cancelled = FALSE;
    MSG msg{};
    while (!released && !cancelled && ::GetCapture() == hWnd) {
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            // The program is ending: the quit belongs to the main loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            cancelled = TRUE;
            break;
        }
        if (!::IsWindow(hWnd)) {
            // A message sent to this thread while it waited closed the window.
            ::DispatchMessageA(&msg);
            break;
        }
        switch (msg.message) {
        case WM_MOUSEMOVE:
            onMove(msg.pt);
            break;
        case WM_LBUTTONUP:
            *pRelease = msg.pt;
            released = TRUE;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                cancelled = TRUE;
            break;
        case WM_RBUTTONDOWN:
            cancelled = TRUE;
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    return released;
}

BOOL CALLBACK TellSysColorChange(HWND hWnd, LPARAM)
{
    ::SendMessageA(hWnd, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
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

void AfxSysColorChanged(HWND hWndTop)
{
    ::EnumChildWindows(hWndTop, &TellSysColorChange, 0);
    ::RedrawWindow(hWndTop, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void AfxSettingChanged(HWND hWndTop, WPARAM wParam)
{
    if (wParam == SPI_SETHIGHCONTRAST)
        AfxSysColorChanged(hWndTop);
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

int CControlBar::TopLevelDpi() const
{
    return m_pFloatWnd ? m_pFloatWnd->GetDpi() : m_pDockSite->GetDpi();
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
    if (m_nDpi != TopLevelDpi()) // the floating window was on a screen of another DPI
        ScaleToDpi(TopLevelDpi());
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
        if (m_nDpi != TopLevelDpi())
            ScaleToDpi(TopLevelDpi());
        OnAlignChanged();
    }
    m_pFloatWnd->PlaceAt(ptScreen);
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
    const SIZE floating = CalcDynamicLayout(0, LM_MRUWIDTH);

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
            rc = RECT{pt.x - grab.x, pt.y - grab.y, pt.x - grab.x + floating.cx, pt.y - grab.y + floating.cy};
        return rc;
    };

    bool moved = false;
    RECT shown{};
    POINT pt = ptStart;
    auto follow = [&](POINT ptMove) {
        if (!moved && std::abs(ptMove.x - ptStart.x) < AfxGetSystemMetrics(SM_CXDRAG, m_nDpi) &&
            std::abs(ptMove.y - ptStart.y) < AfxGetSystemMetrics(SM_CYDRAG, m_nDpi))
            return;
        if (moved)
            DrawDragFrame(shown);
        moved = true;
        shown = target(ptMove);
        DrawDragFrame(shown);
    };
    const BOOL released = TrackMouse(m_hWnd, &pt, follow);
    if (moved)
        DrawDragFrame(shown);
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

void CMiniDockFrameWnd::TrackSize(UINT nHitTest, POINT ptStart)
{
    // Sized by a loop of its own, from where the drag started: the system's
    // loop moves the edge by each step of the pointer from where the last
    // snapped size left it, so a slow drag would never reach another layout.
    // A message dispatched inside the loop may destroy this window, and this
    // object with it (closing the frame does): after the loop only the handle
    // is trusted.
    const HWND hWnd = m_hWnd;
    RECT rcStart;
    ::GetWindowRect(hWnd, &rcStart);
    const UINT edge = WMSZ_LEFT + (nHitTest - HTLEFT);
    const floatbar::SizingEdges edges = floatbar::SizingEdgesOf(edge);
    const auto sizeTo = [hWnd](RECT rc) {
        ::SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    };
    POINT ptEnd;
    auto follow = [&](POINT pt) {
        RECT rc = rcStart;
        const int dx = pt.x - ptStart.x, dy = pt.y - ptStart.y;
        if (edges.left)
            rc.left += dx;
        else if (edges.right)
            rc.right += dx;
        if (edges.top)
            rc.top += dy;
        else if (edges.bottom)
            rc.bottom += dy;
        ::SendMessageA(hWnd, WM_SIZING, edge, reinterpret_cast<LPARAM>(&rc));
        sizeTo(rc);
    };
    const BOOL released = TrackMouse(hWnd, &ptEnd, follow);
    if (!released && ::IsWindow(hWnd))
        sizeTo(rcStart);
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
