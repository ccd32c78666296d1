// A frame in full screen: its window alone on the monitor it is on.
#include "FrameWnd.h"

#include "ControlBar.h"
#include "afxres.h"

namespace {

constexpr LONG_PTR kEdgeExStyles = WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME;

// The window's style, with the change of frame applied at once.
void SetStyles(HWND hWnd, LONG_PTR style, LONG_PTR exStyle)
{
    ::SetWindowLongPtrA(hWnd, GWL_STYLE, style);
    ::SetWindowLongPtrA(hWnd, GWL_EXSTYLE, exStyle);
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace

void CFrameWnd::EnterFullScreen()
{
    FullScreenState& saved = m_fullScreen;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    saved.placement.length = sizeof saved.placement;
    if (saved.bOn || ::IsIconic(m_hWnd) ||
        !::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor) ||
        !::GetWindowPlacement(m_hWnd, &saved.placement))
        return;
    saved.bOn = true;
    saved.style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    saved.exStyle = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
    saved.hMenu = ::GetMenu(m_hWnd);
    saved.hiddenBars.clear();
    for (CControlBar* pBar : m_listControlBars) {
        if (pBar->IsVisible())
            saved.hiddenBars.push_back(pBar);
    }
    for (CControlBar* pBar : saved.hiddenBars)
        ShowControlBar(pBar, FALSE);
    const HWND hPane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (hPane) {
        saved.paneExStyle = ::GetWindowLongPtrA(hPane, GWL_EXSTYLE);
        SetStyles(hPane, ::GetWindowLongPtrA(hPane, GWL_STYLE), saved.paneExStyle & ~kEdgeExStyles);
        ::SetFocus(hPane); // the focus may have been in a bar now hidden
    }
    ::SetMenu(m_hWnd, nullptr);
    SetStyles(m_hWnd, saved.style & ~WS_OVERLAPPEDWINDOW, saved.exStyle & ~kEdgeExStyles);
    const RECT& rc = monitor.rcMonitor;
    SetWindowPos(nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOZORDER | SWP_NOOWNERZORDER);
}

void CFrameWnd::LeaveFullScreen(bool bShow)
{
    FullScreenState& saved = m_fullScreen;
    if (!saved.bOn)
        return;
    saved.bOn = false;
    if (const HWND hPane = GetDlgItem(AFX_IDW_PANE_FIRST))
        SetStyles(hPane, ::GetWindowLongPtrA(hPane, GWL_STYLE), saved.paneExStyle);
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, saved.style);
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, saved.exStyle);
    ::SetMenu(m_hWnd, saved.hMenu);
    WINDOWPLACEMENT placement = saved.placement;
    if (!bShow)
        placement.showCmd = SW_HIDE;
    ::SetWindowPlacement(m_hWnd, &placement);
    SetStyles(m_hWnd, saved.style, saved.exStyle);
    std::vector<CControlBar*> bars;
    bars.swap(saved.hiddenBars);
    if (!bShow)
        return; // a floating bar shown now would outlive its frame on screen
    for (CControlBar* pBar : bars)
        ShowControlBar(pBar, TRUE);
    // The panes were not kept up to date while hidden.
    OnIdleUpdateCmdUI(0, 0);
}
