// CToolBar: a dockable bar of buttons from a toolbar resource, with tooltips
// and fly-by prompts, over the common controls' toolbar. Its items are in
// ToolBar.cpp, its rows and column in ToolBarLayout.cpp, its border and
// gripper in ToolBarGripper.cpp, its prompts and tooltips in ToolBarPrompts.cpp.
#pragma once
#include "ControlBar.h"
#include "Gdi.h"

#include <climits>
#include <vector>

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
    // The images enlarged for nDpi (by whole pixels), the buttons sized to
    // them and the tooltips' font.
    void ScaleToDpi(int nDpi) override;

    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, RECT* lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    int GetCount() const;

    SIZE CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Floating, the items run in rows: as many on each as fit nLength's
    // width, or the narrowest rows that fit it as a height (LM_LENGTHY);
    // never narrower than the widest item. The result is the rows' own size,
    // so that a window sized to it keeps the same rows.
    SIZE CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

protected:
    void OnAlignChanged() override;
    // The items moved (new rows, a column): a control placed over an item
    // follows it.
    virtual void OnLayoutChanged() {}
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    static constexpr int kGripper = 10; // width of the gripper band of a docked toolbar
    static constexpr int kBorder = 2;

    TBBUTTON Button(int nIndex) const;
    // The resource's image strip as the control's image list, for nDpi.
    BOOL LoadImages(int nDpi);
    // Gripper and border widths around the client area, laid out one way.
    RECT NonClientBorders(BOOL bHorz) const;
    // Where the items wrap now.
    std::vector<bool> Wraps() const;
    // The items' extent when they wrap so; the wraps stay only with bCommit.
    SIZE LayOut(const std::vector<bool>& wraps, BOOL bHorz, BOOL bCommit);
    void ShowPrompt(UINT nID);
    UINT m_nIDResource = 0;
    SIZE m_sizeImage{};             // as the resource draws them, at 96 DPI
    int m_nButtons = 0;             // the images the strip must hold at least
    HIMAGELIST m_hImages = nullptr; // drawn by the control
    CFont m_fontTips; // for the DPI, given to the tooltip
    UINT m_nFlybyID = 0;
    int m_nMRUWidth = INT_MAX; // of the last floating layout; at first, one row
};
