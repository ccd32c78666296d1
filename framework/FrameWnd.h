// CFrameWnd: a top-level window with a menu, accelerators and a title from one
// resource id; it lays out its pane window (AFX_IDW_PANE_FIRST) in the client
// area, routes commands to the application, applies update rules to menus and
// deletes its object after its window is destroyed.
#pragma once
#include "Wnd.h"

#include <vector>

class CControlBar;

// Frame style bits; they are not window styles and are taken off before creation.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;
constexpr DWORD FWS_PREFIXTITLE = 0x00004000;
constexpr DWORD FWS_SNAPTOBARS = 0x00002000;

class CFrameWnd : public CWnd {
public:
    HACCEL m_hAccelTable = nullptr;

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, void* pContext = nullptr);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The frame's own table, then the application's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Places the visible docked bars along their edges and the pane window in
    // the rest of the client area.
    virtual void RecalcLayout();

    // Control bars.
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    // Docks at the given edge (a CBRS_ALIGN_ bit, or 0 for the bar's own side).
    void DockControlBar(CControlBar* pBar, UINT nDockAlign = 0, const RECT* lpRect = nullptr);
    void FloatControlBar(CControlBar* pBar, POINT ptScreen);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay = FALSE);
    CControlBar* GetControlBar(UINT nID) const;
    // The edge (CBRS_ALIGN_ bit) a bar dragged to ptScreen docks at, or 0 to float.
    DWORD DockAlignAt(POINT ptScreen, DWORD dwAllowed) const;
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);

    // The DPI the frame and its docked bars are drawn for: its screen's.
    int GetDpi() const { return m_nDpi; }

    // Full screen: the frame alone covers the monitor it is on, without
    // caption, border, menu or bars, its pane filling it. Leaving gives back
    // the window as it was: placement, styles, menu and the bars then shown;
    // without bShow the window stays hidden (a window being destroyed), with
    // its normal placement back for whoever reads it.
    bool IsFullScreen() const { return m_fullScreen.bOn; }
    void EnterFullScreen();
    void LeaveFullScreen(bool bShow = true);

    // The message pane: a command's prompt, the idle text, or a text.
    void SetMessageText(UINT nID);
    void SetMessageText(const char* lpszText);

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(HWND hWndOld);
    void OnInitMenuPopup(HMENU hMenu, UINT nIndex, BOOL bSysMenu);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    void OnViewToolBar();
    void OnViewStatusBar();
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()

private:
    std::vector<CControlBar*> m_listControlBars;
    DWORD m_dwDockStyle = 0;
    int m_nDpi = 96;
    // What full screen took away, to give back.
    struct FullScreenState {
        bool bOn = false;
        WINDOWPLACEMENT placement{};
        LONG_PTR style = 0, exStyle = 0, paneExStyle = 0;
        HMENU hMenu = nullptr;
        std::vector<CControlBar*> hiddenBars;
    } m_fullScreen;
};
