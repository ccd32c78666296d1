// The frame window: made from its resources, its bars and view laid out in
// its client area, laid out again for a new DPI.
#include "FrameWnd.h"

#include "CommandRow.h"
#include "ControlBar.h"
#include "Dpi.h"
#include "WinApp.h"
#include "afxres.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
    ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
    ON_COMMAND(ID_VIEW_TOOLBAR, OnViewToolBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_COMMAND(ID_VIEW_STATUS_BAR, OnViewStatusBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
END_MESSAGE_MAP()

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, void*)
{
    HMENU hMenu = ::LoadMenuA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(nIDResource));
    const DWORD style = dwDefaultStyle & ~(FWS_ADDTOTITLE | FWS_PREFIXTITLE | FWS_SNAPTOBARS);
    if (!CreateEx(0, nullptr, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu)) {
        // Don't touch the object: a failed creation has deleted the frame. A
        // menu no window took is ours to free.
        if (hMenu && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    // The window is created untitled; the title is set from the string table
    // in Unicode, straight into the window's text: through the ANSI procedure
    // a title in a script the system's code page lacks would come out as '?'.
    ::DefWindowProcW(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(AfxLoadText(nIDResource).c_str()));
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(nIDResource));
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    // The frame's accelerators act whichever of its windows has the focus,
    // also in windows it owns (a floating toolbar).
    if (!m_hAccelTable || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && ::GetAncestor(pMsg->hwnd, GA_ROOTOWNER) != m_hWnd)
        return FALSE;
    return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::RecalcLayout()
{
    RECT rc;
    GetClientRect(&rc);
    // Bars that do not dock (the status bar) take their edge first, so that a
    // bar docked at the left or right runs between them.
    for (int pass = 0; pass < 2; ++pass) {
        for (CControlBar* pBar : m_listControlBars) {
            if ((pBar->GetDockStyle() == 0) != (pass == 0) || pBar->IsFloating() || !pBar->IsVisible())
                continue;
            const DWORD align = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
            const BOOL bHorz = (align & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
            const SIZE size = pBar->CalcFixedLayout(TRUE, bHorz);
            RECT bar = rc;
            if (align & CBRS_ALIGN_TOP)
                rc.top = bar.bottom = std::min(rc.bottom, rc.top + size.cy);
            else if (align & CBRS_ALIGN_BOTTOM)
                rc.bottom = bar.top = std::max(rc.top, rc.bottom - size.cy);
            else if (align & CBRS_ALIGN_LEFT)
                rc.left = bar.right = std::min(rc.right, rc.left + size.cx);
            else
                rc.right = bar.left = std::max(rc.left, rc.right - size.cx);
            pBar->SetWindowPos(nullptr, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top,
                               SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (HWND hPane = GetDlgItem(AFX_IDW_PANE_FIRST))
        ::SetWindowPos(hPane, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA lpcs)
{
    // The message pane shows the idle text once the bars exist.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    m_nDpi = AfxGetWindowDpi(m_hWnd); // the bars, made next, are drawn for it
    return CWnd::OnCreate(lpcs);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

LRESULT CFrameWnd::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    // On a screen of another DPI: the docked bars are rebuilt for it and the
    // window takes the rectangle the system suggests. The pane is not drawn
    // meanwhile, so that it paints once, at its new size, with the rest.
    m_nDpi = LOWORD(wParam);
    const HWND hPane = GetDlgItem(AFX_IDW_PANE_FIRST);
    ::SendMessageA(hPane, WM_SETREDRAW, FALSE, 0);
    for (CControlBar* pBar : m_listControlBars) {
        if (!pBar->IsFloating())
            pBar->ScaleToDpi(m_nDpi);
    }
    const RECT* rc = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(nullptr, rc->left, rc->top, rc->right - rc->left, rc->bottom - rc->top, SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcLayout(); // also when the size stayed
    ::SendMessageA(hPane, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    return 0;
}

void CFrameWnd::OnSetFocus(HWND hWndOld)
{
    if (HWND hPane = GetDlgItem(AFX_IDW_PANE_FIRST))
        ::SetFocus(hPane);
    else
        CWnd::OnSetFocus(hWndOld);
}

LRESULT CFrameWnd::OnSysColorChange(WPARAM, LPARAM)
{
    AfxSysColorChanged(m_hWnd); // the bars, the view and every control in the frame
    return 0;
}

LRESULT CFrameWnd::OnSettingChange(WPARAM wParam, LPARAM)
{
    AfxSettingChanged(m_hWnd, wParam);
    return Default();
}


void CFrameWnd::PostNcDestroy()
{
    delete this;
}
