// CControlBar's creation, visibility and docking; and what the windows of
// every bar share: the common controls' classes, and a change of colours
// passed on to the controls inside.
#include "ControlBar.h"

#include "FrameWnd.h"

namespace {

BOOL CALLBACK TellSysColorChange(HWND hWnd, LPARAM)
{
    ::SendMessageA(hWnd, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

} // namespace

void AfxInitCommonControls(DWORD dwClasses)
{
    static DWORD s_done = 0;
    if ((s_done & dwClasses) == dwClasses)
        return;
    INITCOMMONCONTROLSEX icc{sizeof icc, dwClasses};
    if (::InitCommonControlsEx(&icc))
        s_done |= dwClasses;
}

void AfxSysColorChanged(HWND hWndTop)
{
    ::EnumChildWindows(hWndTop, &TellSysColorChange, 0);
    ::RedrawWindow(hWndTop, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void AfxSettingChanged(HWND hWndTop, WPARAM wParam)
{
    if (wParam == SPI_SETHIGHCONTRAST)
        AfxSysColorChanged(hWndTop);
}

CControlBar::~CControlBar()
{
    if (m_pFloatWnd)
        m_pFloatWnd->DestroyWindow();
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
}

BOOL CControlBar::CreateBar(DWORD dwExStyle, LPCSTR lpszClass, DWORD dwCtrlStyle, DWORD dwStyle,
                            CWnd* pParentWnd, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_pDockSite = static_cast<CFrameWnd*>(pParentWnd);
    // The bar lays itself out through the frame, not by the control's own rules.
    const DWORD wndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (!CreateEx(dwExStyle, lpszClass, nullptr, wndStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
        return FALSE;
    m_pDockSite->AddControlBar(this);
    return TRUE;
}

BOOL CControlBar::IsVisible() const
{
    if (!m_hWnd || !(::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE))
        return FALSE;
    return !m_pFloatWnd || (::GetWindowLongA(m_pFloatWnd->m_hWnd, GWL_STYLE) & WS_VISIBLE);
}

HWND CControlBar::GetFloatingWindow() const
{
    return m_pFloatWnd ? m_pFloatWnd->m_hWnd : nullptr;
}

int CControlBar::TopLevelDpi() const
{
    return m_pFloatWnd ? m_pFloatWnd->GetDpi() : m_pDockSite->GetDpi();
}

void CControlBar::DockAt(DWORD dwAlign)
{
    const bool bVisible = IsVisible();
    if (m_pFloatWnd) {
        ::SetParent(m_hWnd, m_pDockSite->m_hWnd);
        CMiniDockFrameWnd* pFloat = m_pFloatWnd;
        m_pFloatWnd = nullptr;
        pFloat->DestroyWindow();
    }
    m_dwStyle = (m_dwStyle & ~CBRS_ALIGN_ANY) | dwAlign;
    m_dwLastAlign = dwAlign;
    if (m_nDpi != TopLevelDpi()) // the floating window was on a screen of another DPI
        ScaleToDpi(TopLevelDpi());
    OnAlignChanged();
    ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pDockSite->RecalcLayout();
}

void CControlBar::FloatAt(POINT ptScreen)
{
    const bool bVisible = IsVisible();
    if (!m_pFloatWnd) {
        auto* pFloat = new CMiniDockFrameWnd;
        if (!pFloat->Create(this, ptScreen))
            return; // the window deleted its object
        m_pFloatWnd = pFloat;
        ::SetParent(m_hWnd, pFloat->m_hWnd);
        if (m_nDpi != TopLevelDpi())
            ScaleToDpi(TopLevelDpi());
        OnAlignChanged();
    }
    m_pFloatWnd->PlaceAt(ptScreen);
    ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pFloatWnd->ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pDockSite->RecalcLayout();
}
