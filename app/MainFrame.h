// CMainFrame: the main window. It owns the character view (and the bars), the
// option bits and the clipboard chain link, and offers every command to the
// view before handling it itself.
#pragma once
#include "../framework/Framework.h"
#include "../settings/OptionFlags.h"
#include "../view/CharView.h"
#include "FontBar.h"


class CMainFrame : public CFrameWnd {
public:
    CMainFrame();

    CStatusBar m_wndStatusBar;
    CFontBar m_wndToolBar; // holds the font box
    CCharView m_wndView;
    HWND m_hWndNextViewer = nullptr; // next window of the clipboard viewer chain
    int m_nFlags = 0;                // FLAG_ option bits

    int IsBold() const { return m_nFlags & FLAG_BOLD; }
    int IsItalic() const { return m_nFlags & FLAG_ITALIC; }
    // Characters the chosen face lacks are drawn in a face that has them.
    bool IsFallbackOn() const { return m_bFallback; }
    // The face chosen for the glyph; empty while none is chosen.
    CStringW GetSelectedFace() const;
    BOOL FillFontBox();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // Before the accelerators: the font box keeps its own keys, Esc leaves
    // full screen, and the wheel over the view steps whatever has the focus.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnSetFocus(HWND hWndOld);
    void OnDestroy();
    // Clipboard: monitoring through the viewer chain, paste and copy.
    void OnViewClipWatch();
    void OnUpdateViewClipWatch(CCmdUI* pCmdUI);
    void OnEditPaste();
    void OnUpdateEditPaste(CCmdUI* pCmdUI);
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    // The character as a picture: on the clipboard, in a file.
    void OnEditCopyPicture();
    void OnFileSavePicture();
    void OnChangeCbChain(HWND hWndRemove, HWND hWndAfter);
    void OnDrawClipboard();
    void OnViewTopmost();
    void OnUpdateViewTopmost(CCmdUI* pCmdUI);
    void OnViewFullScreen();
    void OnUpdateViewFullScreen(CCmdUI* pCmdUI);
    void OnFontBold();
    void OnUpdateFontBold(CCmdUI* pCmdUI);
    void OnFontItalic();
    void OnUpdateFontItalic(CCmdUI* pCmdUI);
    void OnViewFallback();
    void OnUpdateViewFallback(CCmdUI* pCmdUI);
    LRESULT OnFontChange(WPARAM wParam, LPARAM lParam);
    void OnUpdateIndicatorCode(CCmdUI* pCmdUI);
    void OnUpdateIndicatorUnicode(CCmdUI* pCmdUI);
    void OnUpdateIndicatorPos(CCmdUI* pCmdUI);
    // No narrower than the status bar's panes.
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    void OnUpdateIndicatorFace(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    bool m_bCreated = false;    // WM_CREATE built everything
    bool m_bFallback = true;    // see IsFallbackOn
    bool m_bPasting = false;    // a paste is reading the clipboard
    bool m_bPasteAgain = false; // the clipboard changed during that read

    // The clipboard viewer chain, while monitoring is on.
    void JoinClipboardChain();
    void LeaveClipboardChain();
    // Hands the clipboard's text to the view, once.
    void PasteClipboardText();
    // Sends a chain notice on to the next viewer, if any.
    void PassToNextViewer(UINT message, WPARAM wParam, LPARAM lParam) const;
    // The toolbar with the font box and the status bar with its panes, docked.
    BOOL CreateBars();
    // A key the focused font box uses to choose a face.
    bool IsFontBoxKey(const MSG& msg) const;
    // A wheel message for the view: the pointer is over it.
    bool IsWheelOverView(const MSG& msg) const;
};
