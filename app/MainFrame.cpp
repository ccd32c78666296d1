#include "MainFrame.h"

#include "../framework/InputMethod.h"
#include "../res/resource.h"
#include "../settings/Settings.h"
#include "ViewerApp.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_COMMAND(ID_VIEW_CLIPWATCH, OnViewClipWatch)
    ON_UPDATE_COMMAND_UI(ID_VIEW_CLIPWATCH, OnUpdateViewClipWatch)
    ON_WM_DESTROY()
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_COPY_PICTURE, OnEditCopyPicture)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY_PICTURE, OnUpdateEditCopy)
    ON_COMMAND(ID_FILE_SAVE_PICTURE, OnFileSavePicture)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_PICTURE, OnUpdateEditCopy)
    ON_WM_CHANGECBCHAIN()
    ON_WM_DRAWCLIPBOARD()
    ON_COMMAND(ID_VIEW_TOPMOST, OnViewTopmost)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOPMOST, OnUpdateViewTopmost)
    ON_COMMAND(ID_VIEW_FULLSCREEN, OnViewFullScreen)
    ON_UPDATE_COMMAND_UI(ID_VIEW_FULLSCREEN, OnUpdateViewFullScreen)
    ON_COMMAND(ID_FONT_BOLD, OnFontBold)
    ON_UPDATE_COMMAND_UI(ID_FONT_BOLD, OnUpdateFontBold)
    ON_COMMAND(ID_FONT_ITALIC, OnFontItalic)
    ON_UPDATE_COMMAND_UI(ID_FONT_ITALIC, OnUpdateFontItalic)
    ON_COMMAND(ID_VIEW_FALLBACK, OnViewFallback)
    ON_UPDATE_COMMAND_UI(ID_VIEW_FALLBACK, OnUpdateViewFallback)
    ON_MESSAGE(WM_FONTCHANGE, OnFontChange)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CODE, OnUpdateIndicatorCode)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_UNICODE, OnUpdateIndicatorUnicode)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_POS, OnUpdateIndicatorPos)
    ON_MESSAGE(WM_GETMINMAXINFO, OnGetMinMaxInfo)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_FACE, OnUpdateIndicatorFace)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
{
    m_nFlags = settings::ReadOptionBits(theApp);
    m_bFallback = settings::ReadFallback(theApp);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    if (m_nFlags & FLAG_TOPMOST)
        cs.dwExStyle |= WS_EX_TOPMOST;
    cs.lpszClass = AfxRegisterWndClass(0);
    return cs.lpszClass != nullptr;
}

int CMainFrame::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;

    // The small icon from its own image, not the large one scaled down.
    HICON hIcon = ::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    HICON hSmall = static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                                   LR_SHARED));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hSmall ? hSmall : hIcon));

    if (!m_wndView.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{}, this, AFX_IDW_PANE_FIRST))
        return -1;
    if (!CreateBars())
        return -1;
    // Nothing here takes text: SPACE steps whether the IME is on or off.
    AfxKeepInputMethodOut(m_hWnd);
    if (m_nFlags & FLAG_CLIPWATCH)
        JoinClipboardChain();
    m_bCreated = true;
    return 0;
}

void CMainFrame::OnSetFocus(HWND)
{
    m_wndView.SetFocus();
}

BOOL CMainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The view first, so that its commands work from the frame's menu, keys and bars.
    if (m_wndView.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMainFrame::OnDestroy()
{
    // A window whose creation failed has nothing to save and no chain to leave:
    // what it would write is its half-built state.
    if (!m_bCreated) {
        CFrameWnd::OnDestroy();
        return;
    }
    if (m_nFlags & FLAG_CLIPWATCH)
        LeaveClipboardChain();
    LeaveFullScreen(false); // the placement saved is the window's own
    settings::SaveSettings(theApp, *this, m_nFlags, m_bFallback, m_wndToolBar.m_wndFontBox);
    CFrameWnd::OnDestroy();
}

CStringW CMainFrame::GetSelectedFace() const
{
    return m_wndToolBar.m_wndFontBox.GetSelectedFace();
}

BOOL CMainFrame::FillFontBox()
{
    CClientDC dc(this); // without one the list stays empty
    m_wndToolBar.m_wndFontBox.Fill(dc, settings::ReadFontSelection(theApp));
    return TRUE;
}

void CMainFrame::OnViewTopmost()
{
    m_nFlags ^= FLAG_TOPMOST;
    SetWindowPos((m_nFlags & FLAG_TOPMOST) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CMainFrame::OnUpdateViewTopmost(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck((m_nFlags & FLAG_TOPMOST) != 0);
}

void CMainFrame::OnViewFullScreen()
{
    if (IsFullScreen())
        LeaveFullScreen();
    else
        EnterFullScreen();
}

void CMainFrame::OnUpdateViewFullScreen(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(IsFullScreen());
}

void CMainFrame::OnFontBold()
{
    m_nFlags ^= FLAG_BOLD;
    m_wndView.Invalidate(TRUE);
}

void CMainFrame::OnUpdateFontBold(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(IsBold() != 0);
}

void CMainFrame::OnFontItalic()
{
    m_nFlags ^= FLAG_ITALIC;
    m_wndView.Invalidate(TRUE);
}

void CMainFrame::OnUpdateFontItalic(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(IsItalic() != 0);
}

void CMainFrame::OnViewFallback()
{
    m_bFallback = !m_bFallback;
    m_wndView.OnFacesChanged();
}

void CMainFrame::OnUpdateViewFallback(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_bFallback);
}

LRESULT CMainFrame::OnFontChange(WPARAM, LPARAM)
{
    m_wndView.OnFontsInstalled();
    return 0;
}
