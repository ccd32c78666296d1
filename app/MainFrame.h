// CMainFrame: the main window. It owns the character view (and the bars), the
// option bits and the clipboard chain link, and offers every command to the
// view before handling it itself.
#pragma once
#include "../framework/Framework.h"
#include "../settings/OptionFlags.h"
#include "../view/CharView.h"

class CMainFrame : public CFrameWnd {
public:
    CMainFrame();

    CCharView m_wndView;
    HWND m_hWndNextViewer = nullptr; // next window of the clipboard viewer chain
    int m_nFlags = 0;                // FLAG_ option bits

    int IsBold() const { return m_nFlags & FLAG_BOLD; }
    int IsItalic() const { return m_nFlags & FLAG_ITALIC; }
    // The face chosen for the glyph; empty while none is chosen.
    CString GetSelectedFace() const;
    BOOL FillFontBox();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnSetFocus(HWND hWndOld);
    void OnDestroy();
    void OnViewTopmost();
    void OnUpdateViewTopmost(CCmdUI* pCmdUI);
    void OnFontBold();
    void OnUpdateFontBold(CCmdUI* pCmdUI);
    void OnFontItalic();
    void OnUpdateFontItalic(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
