// The frame's control bars: kept in a list, docked at an edge or floated,
// shown and hidden from the View menu.
#include "FrameWnd.h"

#include "ControlBar.h"
#include "Dpi.h"
#include "afxres.h"

#include <algorithm>

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    m_listControlBars.push_back(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    m_listControlBars.erase(std::remove(m_listControlBars.begin(), m_listControlBars.end(), pBar),
                            m_listControlBars.end());
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const
{
    for (CControlBar* pBar : m_listControlBars) {
        if (pBar->m_hWnd && static_cast<UINT>(::GetDlgCtrlID(pBar->m_hWnd)) == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockAlign, const RECT*)
{
    DWORD align = nDockAlign & CBRS_ALIGN_ANY;
    if (!align)
        align = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    if (!(align & m_dwDockStyle & pBar->GetDockStyle()))
        return;
    pBar->DockAt(align);
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, POINT ptScreen)
{
    pBar->FloatAt(ptScreen);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL)
{
    pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    if (HWND hFloat = pBar->GetFloatingWindow())
        ::ShowWindow(hFloat, bShow ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
}

DWORD CFrameWnd::DockAlignAt(POINT pt, DWORD dwAllowed) const
{
    // Near an inner edge of the client area, or over the bars docked there.
    RECT rc;
    GetClientRect(&rc);
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    for (CControlBar* pBar : m_listControlBars) { // not over the status bar
        if (pBar->GetDockStyle() == 0 && pBar->IsVisible() && (pBar->GetBarStyle() & CBRS_ALIGN_BOTTOM)) {
            RECT bar;
            pBar->GetWindowRect(&bar);
            rc.bottom = std::min(rc.bottom, bar.top);
        }
    }
    if (!::PtInRect(&rc, pt))
        return 0;
    const int zone = 2 * AfxGetSystemMetrics(SM_CYMENU, m_nDpi);
    const struct { DWORD align; LONG distance; } sides[] = {
        {CBRS_ALIGN_TOP, pt.y - rc.top},
        {CBRS_ALIGN_BOTTOM, rc.bottom - pt.y},
        {CBRS_ALIGN_LEFT, pt.x - rc.left},
        {CBRS_ALIGN_RIGHT, rc.right - pt.x},
    };
    DWORD best = 0;
    LONG bestDistance = zone;
    for (const auto& side : sides) {
        if ((side.align & dwAllowed & m_dwDockStyle) && side.distance < bestDistance) {
            best = side.align;
            bestDistance = side.distance;
        }
    }
    return best;
}

void CFrameWnd::OnViewToolBar()
{
    if (CControlBar* pBar = GetControlBar(AFX_IDW_TOOLBAR))
        ShowControlBar(pBar, !pBar->IsVisible());
}

void CFrameWnd::OnViewStatusBar()
{
    if (CControlBar* pBar = GetControlBar(AFX_IDW_STATUS_BAR))
        ShowControlBar(pBar, !pBar->IsVisible());
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    pCmdUI->Enable(pBar != nullptr);
    pCmdUI->SetCheck(pBar && pBar->IsVisible());
}
