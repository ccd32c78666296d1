// CFrameWnd: a top-level window with a menu, accelerators and a title from one
// resource id; it lays out its pane window (AFX_IDW_PANE_FIRST) in the client
// area, routes commands to the application, applies update rules to menus and
// deletes its object after its window is destroyed.
#pragma once
#include "Wnd.h"

// Frame style bits; they are not window styles and are taken off before creation.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;
constexpr DWORD FWS_PREFIXTITLE = 0x00004000;
constexpr DWORD FWS_SNAPTOBARS = 0x00002000;

class CFrameWnd : public CWnd {
public:
    CString m_strTitle;
    HACCEL m_hAccelTable = nullptr;

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, void* pContext = nullptr);

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The frame's own table, then the application's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Places the pane window in the client area.
    virtual void RecalcLayout();

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(HWND hWndOld);
    void OnInitMenuPopup(HMENU hMenu, UINT nIndex, BOOL bSysMenu);
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM);
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()
};
