// Where the main frame's keys and wheel go before its accelerators see them.
#include "MainFrame.h"

BOOL CMainFrame::PreTranslateMessage(MSG* pMsg)
{
    if (IsWheelOverView(*pMsg)) {
        m_wndView.SendMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && IsFullScreen()) {
        LeaveFullScreen();
        return TRUE;
    }
    if (IsFontBoxKey(*pMsg))
        return FALSE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

bool CMainFrame::IsFontBoxKey(const MSG& msg) const
{
    if (msg.message != WM_KEYDOWN)
        return false;
    switch (msg.wParam) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
        break;
    default:
        return false;
    }
    const HWND hBox = m_wndToolBar.m_wndFontBox.m_hWnd;
    return hBox && (msg.hwnd == hBox || ::IsChild(hBox, msg.hwnd));
}

bool CMainFrame::IsWheelOverView(const MSG& msg) const
{
    // Windows sends the wheel to the focus, or (Windows 10) to the window
    // under the pointer: either way the view takes it when the pointer is on
    // it. Another program's window in front of the view keeps its wheel.
    if (msg.message != WM_MOUSEWHEEL && msg.message != WM_MOUSEHWHEEL)
        return false;
    if (msg.hwnd != m_hWnd && ::GetAncestor(msg.hwnd, GA_ROOT) != m_hWnd)
        return false;
    const POINT pt{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    return ::WindowFromPoint(pt) == m_wndView.m_hWnd;
}
