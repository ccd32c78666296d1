// CToolBar: a dockable bar of buttons from a toolbar resource, with tooltips
// and fly-by prompts, over the common controls' toolbar.
#pragma once
#include "ControlBar.h"

// Button styles (TBBS_): the button's style in the low word, its state in the
// high word, with "enabled" turned into "disabled".
constexpr UINT TBBS_BUTTON = 0x0000;
constexpr UINT TBBS_SEPARATOR = 0x0001;
constexpr UINT TBBS_CHECKBOX = 0x0002;
constexpr UINT TBBS_CHECKED = 0x00010000;
constexpr UINT TBBS_DISABLED = 0x00040000;

class CToolBar : public CControlBar {
public:
    ~CToolBar() override;

    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, RECT rcBorders, UINT nID);
    // Items and images of a toolbar resource (type 241) and its bitmap.
    BOOL LoadToolBar(UINT nIDResource);

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, RECT* lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    int GetCount() const;

    SIZE CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

protected:
    void OnAlignChanged() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    TBBUTTON Button(int nIndex) const;
    // Gripper and border widths around the client area, laid out one way.
    RECT NonClientBorders(BOOL bHorz) const;
    void ShowPrompt(UINT nID);
    HBITMAP m_hbmImages = nullptr;
    UINT m_nFlybyID = 0;
};
