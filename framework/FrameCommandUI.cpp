// The frame's command states and prompts: menu items and bars updated by their
// rules, and the status bar's message pane following the menu.
#include "FrameWnd.h"

#include "CommandRow.h"
#include "ControlBar.h"
#include "StatusBar.h"
#include "afxres.h"

void CFrameWnd::OnInitMenuPopup(HMENU hMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    CCmdUI state;
    state.m_hMenu = hMenu;
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        const UINT id = ::GetMenuItemID(hMenu, i);
        if (id == 0 || id == static_cast<UINT>(-1)) // separators and pop-ups
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = id;
        state.DoUpdate(this, TRUE);
    }
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    for (CControlBar* pBar : m_listControlBars) {
        if (pBar->IsVisible())
            pBar->OnUpdateCmdUI(this, TRUE);
    }
    return 0;
}

void CFrameWnd::SetMessageText(const char* lpszText)
{
    if (CStatusBar* pBar = static_cast<CStatusBar*>(GetControlBar(AFX_IDW_STATUS_BAR)))
        pBar->SetPaneText(0, lpszText);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    if (CStatusBar* pBar = static_cast<CStatusBar*>(GetControlBar(AFX_IDW_STATUS_BAR)))
        pBar->SetPaneText(0, AfxLoadPrompt(nID).c_str());
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    if (lParam)
        SetMessageText(reinterpret_cast<const char*>(lParam));
    else
        SetMessageText(static_cast<UINT>(wParam));
    return 0;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    UINT nID;
    if (nFlags == 0xFFFF && !hSysMenu)
        nID = AFX_IDS_IDLEMESSAGE; // the menu closed
    else if (nFlags & (MF_SEPARATOR | MF_POPUP))
        nID = 0;
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        nID = AFX_IDS_SCSIZE + (nItemID - 0xF000) / 16; // system commands have rows of their own
    else
        nID = nItemID;
    SetMessageText(nID);
}
