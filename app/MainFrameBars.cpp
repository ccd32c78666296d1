// The main frame's toolbar (with the font box) and status bar, the texts of
// the status bar's right panes, and the frame's least width, which shows
// them all.
#include "MainFrame.h"

#include "../framework/CommandRow.h"
#include "../res/resource.h"
#include "../view/StatusText.h"

#include <algorithm>
#include <iterator>

namespace {

// The face pane is the last, so that the others keep their places; it stays
// when the message pane shows a menu's or a button's prompt, and takes room
// only while it names a face.
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_POS, ID_INDICATOR_CODE, ID_INDICATOR_UNICODE,
                            ID_INDICATOR_FACE};

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

    if (!m_wndToolBar.CreateFontBox())
        return FALSE;

    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
        return FALSE;
    m_wndStatusBar.FitPaneToText(m_wndStatusBar.GetCount() - 1);

    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return TRUE;
}

void CMainFrame::OnUpdateIndicatorCode(CCmdUI* pCmdUI)
{
    static char s_szCode[32];
    m_wndView.GetCodeText(s_szCode, sizeof s_szCode);
    pCmdUI->SetText(s_szCode);
}

void CMainFrame::OnUpdateIndicatorUnicode(CCmdUI* pCmdUI)
{
    // As many code points as the pane's string row has places for; in
    // Unicode, for the ellipsis on any system.
    static const size_t s_cchPane = AfxLoadText(ID_INDICATOR_UNICODE).size();
    const std::u16string text = FormatCodePoints(m_wndView.GetCodePoints(), s_cchPane);
    m_wndStatusBar.SetPaneText(static_cast<int>(pCmdUI->m_nIndex), CStringW(text.begin(), text.end()).c_str());
}

void CMainFrame::OnUpdateIndicatorPos(CCmdUI* pCmdUI)
{
    static char s_szPos[32];
    FormatPositionText(s_szPos, sizeof s_szPos, m_wndView.GetCursor());
    pCmdUI->SetText(s_szPos);
}

LRESULT CMainFrame::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    const LRESULT result = Default();
    if (m_wndStatusBar.m_hWnd) {
        RECT rc{0, 0, m_wndStatusBar.GetPanesWidth(), 0};
        AfxAdjustWindowRect(&rc, m_hWnd);
        POINT& least = reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize;
        least.x = std::max(least.x, rc.right - rc.left);
    }
    return result;
}

void CMainFrame::OnUpdateIndicatorFace(CCmdUI* pCmdUI)
{
    // In Unicode: a face's name may be in any language.
    m_wndStatusBar.SetPaneText(static_cast<int>(pCmdUI->m_nIndex), m_wndView.GetFaceNote().c_str());
}
