// CControlBar: the base of the frame's bars (toolbar, status bar), and docking.
//
// A docked bar is a child of its frame, laid out along one edge by the frame's
// RecalcLayout. Dragging a toolbar by its gripper docks it at the edge under
// the pointer or floats it in a small tool window of its own (CMiniDockFrameWnd);
// a double-click on that window's caption docks it again. The bar's creation
// and docking are in ControlBar.cpp, the drags that follow the pointer in
// ControlBarDrag.cpp, the floating window in MiniDockFrameWnd.cpp.
#pragma once
#include "Wnd.h"

#include <commctrl.h>

// Bar styles (CBRS_): kept by the bar, not given to its window.
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;
constexpr DWORD CBRS_GRIPPER = 0x00400000;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;
constexpr DWORD CBRS_ALL = 0x0040FFFF;

// Modes of CalcDynamicLayout (LM_).
constexpr DWORD LM_MRUWIDTH = 0x0004; // the last floating layout, whatever nLength says
constexpr DWORD LM_LENGTHY = 0x0020;  // nLength is a height, not a width
constexpr DWORD LM_COMMIT = 0x0040;   // lay the bar out so, rather than only measure

class CFrameWnd;
class CMiniDockFrameWnd;

class CControlBar : public CWnd {
public:
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    // The edges it may dock at (CBRS_ALIGN_ bits).
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    DWORD GetDockStyle() const { return m_dwDockStyle; }
    BOOL IsFloating() const { return m_pFloatWnd != nullptr; }
    BOOL IsHorizontal() const { return IsFloating() || (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)); }
    // Visible, also while it floats in a window of its own.
    BOOL IsVisible() const;
    CFrameWnd* GetDockingFrame() const { return m_pDockSite; }
    HWND GetFloatingWindow() const;

    // The size the bar wants when laid out horizontally or vertically.
    virtual SIZE CalcFixedLayout(BOOL bStretch, BOOL bHorz) = 0;
    // The size the bar wants floating, laid out to fit nLength (see LM_).
    virtual SIZE CalcDynamicLayout(int, DWORD) { return CalcFixedLayout(FALSE, TRUE); }
    // Sets the state of every item from its command's update rule.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) = 0;

    // Rebuilds what the bar draws for another DPI (its window's, docked or
    // floating); the caller lays the bar out again.
    virtual void ScaleToDpi(int nDpi) { m_nDpi = nDpi; }
    int GetDpi() const { return m_nDpi; }

    // Docking, called by the frame: along one edge (a CBRS_ALIGN_ bit), or
    // floating with the window's top-left corner at ptScreen.
    void DockAt(DWORD dwAlign);
    void FloatAt(POINT ptScreen);
    DWORD GetLastDockAlign() const { return m_dwLastAlign; }

    // Follows the pointer from ptScreen until the button is released, then
    // docks the bar at the edge under the pointer or floats it there.
    void TrackDrag(POINT ptScreen);

protected:
    // The DPI of the top-level window the bar is in now.
    int TopLevelDpi() const;
    BOOL CreateBar(DWORD dwExStyle, LPCSTR lpszClass, DWORD dwCtrlStyle, DWORD dwStyle, CWnd* pParentWnd, UINT nID);
    // The bar changed between horizontal and vertical, or docked and floating.
    virtual void OnAlignChanged() {}

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    DWORD m_dwLastAlign = CBRS_ALIGN_TOP; // where a floating bar docks again
    int m_nDpi = 96;                      // what the bar is drawn for
    CFrameWnd* m_pDockSite = nullptr;
    CMiniDockFrameWnd* m_pFloatWnd = nullptr; // deletes itself with its window

    friend class CMiniDockFrameWnd;
};

// The small tool window in which a bar floats. A bar with CBRS_SIZE_DYNAMIC
// gets a sizing frame: the window's size then snaps to the bar's layouts.
class CMiniDockFrameWnd : public CWnd {
public:
    BOOL Create(CControlBar* pBar, POINT ptScreen);
    // Moves the window's top-left corner to ptScreen, sized around the bar's
    // last floating layout.
    void PlaceAt(POINT ptScreen);
    int GetDpi() const { return m_nDpi; }

protected:
    void PostNcDestroy() override { delete this; }

    LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnSizing(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanging(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroyMsg(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The caption and frame around the client area.
    SIZE FrameSize() const;
    BOOL HoldsBar() const;
    // Follows the pointer from ptStart, which pressed the button on the
    // frame's nHitTest edge, until the button is released.
    void TrackSize(UINT nHitTest, POINT ptStart);

    CControlBar* m_pBar = nullptr;
    int m_nDpi = 96;
};

// Registers the common control classes once.
void AfxInitCommonControls(DWORD dwClasses);

// The system's colours changed, as a top-level window hears it (the system
// tells only top-level windows): the common controls and bars inside hear it
// from here, then all of the window is drawn again in the new colours.
void AfxSysColorChanged(HWND hWndTop);
// The same for a change of settings that is a switch of high contrast.
void AfxSettingChanged(HWND hWndTop, WPARAM wParam);
