// A window's messages: dispatched through its message map, commands routed
// by their update rules, control notices reflected back to the control.
#include "Wnd.h"

#include "OleDropTarget.h"

namespace {

// The message being dispatched, for Default(). Saved and restored around
// every dispatch, so a nested message never disturbs its caller's.
MSG g_currentMsg{};

} // namespace

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) {
        if (m_pDropTarget)
            m_pDropTarget->Revoke(); // OLE must not call into a window that is gone
        LRESULT result = ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
        DetachAfterDestroy();
        return result;
    }
    const MSG saved = g_currentMsg;
    g_currentMsg = MSG{m_hWnd, message, wParam, lParam, 0, {}};
    LRESULT result;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (...) {
        // No exception crosses the window procedure; a failed creation fails.
        result = message == WM_CREATE ? -1 : 0;
    }
    g_currentMsg = saved; // this may be gone by now: touch only the globals
    return result;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_currentMsg.message, g_currentMsg.wParam, g_currentMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        *pResult = 0;
        return OnCommand(wParam, lParam);
    }
    if (message == WM_NOTIFY)
        return OnNotify(wParam, lParam, pResult);
    const AFX_MSGMAP_ENTRY* entry = FindEntry(message, 0, 0);
    if (!entry)
        return FALSE;
    *pResult = entry->pfn(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!hWndCtrl) {
        // A menu item or an accelerator: its update rule may forbid it.
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        LRESULT result = 0;
        if (pChild && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, &result))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    CWnd* pChild = FromHandlePermanent(pNMHDR->hwndFrom);
    return pChild && pChild->OnChildNotify(WM_NOTIFY, 0, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const int nCode = message == WM_COMMAND ? HIWORD(wParam)
                                            : reinterpret_cast<const NMHDR*>(lParam)->code;
    const AFX_MSGMAP_ENTRY* entry = FindEntry(WM_REFLECT_BASE + message, nCode, 0);
    if (!entry)
        return FALSE;
    *pResult = entry->pfn(this, wParam, lParam);
    return TRUE;
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static constexpr AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static constexpr AFX_MSGMAP map{&CCmdTarget::GetThisMessageMap, entries};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}
