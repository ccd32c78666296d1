// The main frame's toolbar (with the font box) and status bar, and the texts
// of the status bar's two right panes.
#include "MainFrame.h"

#include "../res/resource.h"
#include "../view/StatusText.h"

#include <iterator>

namespace {

// At 96 DPI; larger on a screen of 120 DPI and more.
constexpr int kFontBoxWidth = 100;      // the separator that holds the font box
constexpr int kFontBoxDropHeight = 200; // room for the box's drop-down list

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_POS, ID_INDICATOR_CODE};

} // namespace

BOOL CMainFrame::CreateBars()
{
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC,
                               RECT{}, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return FALSE;

    // The clipboard-monitoring button latches.
    m_wndToolBar.SetButtonStyle(m_wndToolBar.CommandToIndex(ID_VIEW_CLIPWATCH), TBBS_CHECKBOX);

    RECT rcFontBox;
    if (!MakeRoomForFontBox(&rcFontBox))
        return FALSE;
    if (!m_wndToolBar.m_wndFontBox.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, rcFontBox,
                                          &m_wndToolBar, IDC_FONTBOX))
        return FALSE;

    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return FALSE;

    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return TRUE;
}

BOOL CMainFrame::MakeRoomForFontBox(RECT* pRect)
{
    // A toolbar resource without the font box's item cannot hold the box.
    const int index = m_wndToolBar.CommandToIndex(ID_FONTBOX);
    if (index < 0)
        return FALSE;
    m_wndToolBar.SetButtonInfo(index, ID_FONTBOX, TBBS_SEPARATOR, AfxScaleToDpi(kFontBoxWidth));
    m_wndToolBar.GetItemRect(index, pRect);
    pRect->top += 1;
    pRect->bottom += AfxScaleToDpi(kFontBoxDropHeight);
    return TRUE;
}

void CMainFrame::OnUpdateIndicatorCode(CCmdUI* pCmdUI)
{
    static char s_szCode[32];
    m_wndView.GetCodeText(s_szCode, sizeof s_szCode);
    pCmdUI->SetText(s_szCode);
}

void CMainFrame::OnUpdateIndicatorPos(CCmdUI* pCmdUI)
{
    static char s_szPos[32];
    FormatPositionText(s_szPos, sizeof s_szPos, m_wndView.GetCursor());
    pCmdUI->SetText(s_szPos);
}
