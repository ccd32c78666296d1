// CToolBar's frame: the border and gripper around its items (its non-client
// area), and the press off the buttons that starts dragging the bar.
#include "ToolBar.h"

#include "Gdi.h"

#include <algorithm>

RECT CToolBar::NonClientBorders(BOOL bHorz) const
{
    RECT b{kBorder, kBorder, kBorder, kBorder};
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating())
        (bHorz ? b.left : b.top) = kGripper;
    return b;
}

LRESULT CToolBar::OnNcCalcSize(WPARAM, LPARAM lParam)
{
    RECT* rc = reinterpret_cast<RECT*>(lParam);
    const RECT b = NonClientBorders(IsHorizontal());
    rc->left += b.left;
    rc->top += b.top;
    rc->right = std::max(rc->left, rc->right - b.right);
    rc->bottom = std::max(rc->top, rc->bottom - b.bottom);
    return 0;
}

LRESULT CToolBar::OnNcPaint(WPARAM, LPARAM)
{
    RECT rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    ::OffsetRect(&rcClient, -rcWindow.left, -rcWindow.top);
    ::OffsetRect(&rcWindow, -rcWindow.left, -rcWindow.top);
    CWindowDC hdc(m_hWnd);
    ::ExcludeClipRect(hdc, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    ::FillRect(hdc, &rcWindow, ::GetSysColorBrush(COLOR_BTNFACE));
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating()) {
        RECT grip = IsHorizontal() ? RECT{3, kBorder + 1, 6, rcWindow.bottom - kBorder - 1}
                                   : RECT{kBorder + 1, 3, rcWindow.right - kBorder - 1, 6};
        ::DrawEdge(hdc, &grip, BDR_RAISEDINNER, BF_RECT);
    }
    return 0;
}

LRESULT CToolBar::OnNcHitTest(WPARAM, LPARAM)
{
    return HTCLIENT; // the gripper takes the mouse like the rest of the bar
}

LRESULT CToolBar::OnEraseBkgnd(WPARAM wParam, LPARAM)
{
    RECT rc;
    GetClientRect(&rc);
    ::FillRect(reinterpret_cast<HDC>(wParam), &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

LRESULT CToolBar::OnLButtonDown(WPARAM, LPARAM lParam)
{
    // Off the buttons (the gripper, a gap), a press starts dragging the bar.
    POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT rcClient;
    GetClientRect(&rcClient);
    const bool inClient = ::PtInRect(&rcClient, pt) != 0;
    if (m_dwDockStyle && (!inClient || SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)) < 0)) {
        ::ClientToScreen(m_hWnd, &pt);
        TrackDrag(pt);
        return 0;
    }
    return Default();
}
