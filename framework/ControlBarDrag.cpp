// Following the pointer: a bar dragged by its gripper (or its floating
// window's caption) to an edge of the frame or out of it, and a floating
// bar's window sized by its edges.
#include "ControlBar.h"

#include "Dpi.h"
#include "FloatingBar.h"
#include "FrameWnd.h"
#include "Gdi.h"

#include <cstdlib>

namespace {

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

} // namespace

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
