#include "StatusBar.h"

#include "CommandRow.h"
#include "Dpi.h"
#include "FrameWnd.h"
#include "Gdi.h"
#include "afxres.h"

#include <algorithm>

namespace {

// A status pane's update target.
class CStatusCmdUI : public CCmdUI {
public:
    explicit CStatusCmdUI(CStatusBar* pBar) : m_pBar(pBar) {}
    void Enable(BOOL) override { m_bEnableChanged = TRUE; }
    void SetCheck(int) override {}
    void SetText(const char* lpszText) override { m_pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText); }

private:
    CStatusBar* m_pBar;
};

} // namespace

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_MESSAGE(WM_SIZE, OnSize)
END_MESSAGE_MAP()

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    AfxInitCommonControls(ICC_BAR_CLASSES);
    // A sizing grip when the frame can be resized.
    const DWORD grip = (::GetWindowLongA(pParentWnd->m_hWnd, GWL_STYLE) & WS_THICKFRAME) ? SBARS_SIZEGRIP : 0;
    if (!CreateBar(0, STATUSCLASSNAMEA, grip, dwStyle, pParentWnd, nID))
        return FALSE;
    ScaleToDpi(TopLevelDpi());
    return TRUE;
}

void CStatusBar::ScaleToDpi(int nDpi)
{
    CControlBar::ScaleToDpi(nDpi);
    const LOGFONTW lf = AfxGetSystemFont(true, nDpi);
    m_font.CreateFontFor(m_hWnd, lf);
    MeasurePanes();
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    // The control holds at most 256 parts.
    if (!lpIDArray || nIDCount < 1 || nIDCount > 256)
        return FALSE;
    m_ids.assign(lpIDArray, lpIDArray + nIDCount);
    m_texts.assign(static_cast<size_t>(nIDCount), CStringW());
    m_fits.assign(static_cast<size_t>(nIDCount), false);
    for (int i = 0; i < nIDCount; ++i) {
        if (m_ids[static_cast<size_t>(i)] == ID_SEPARATOR)
            continue; // the message pane takes what the others leave
        m_texts[static_cast<size_t>(i)] = AfxLoadText(m_ids[static_cast<size_t>(i)]);
        if (m_texts[static_cast<size_t>(i)].empty())
            return FALSE;
    }
    MeasurePanes();
    for (int i = 0; i < nIDCount; ++i)
        SendMessage(SB_SETTEXTW, static_cast<WPARAM>(i) | (i == 0 ? SBT_NOBORDERS : 0),
                    reinterpret_cast<LPARAM>(m_texts[static_cast<size_t>(i)].c_str()));
    return TRUE;
}

void CStatusBar::MeasurePanes()
{
    // From the string rows, not the texts shown now, which vary.
    m_widths.assign(m_ids.size(), 0);
    for (size_t i = 0; i < m_ids.size(); ++i) {
        if (m_ids[i] != ID_SEPARATOR)
            m_widths[i] = TextWidth(m_fits[i] ? m_texts[i] : AfxLoadText(m_ids[i]));
    }
    UpdateParts();
}

int CStatusBar::TextWidth(const CStringW& text)
{
    if (text.empty())
        return 0;
    CClientDC dc(this);
    CSelectObject font(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

void CStatusBar::FitPaneToText(int nIndex)
{
    if (!IsPane(nIndex))
        return;
    m_fits[static_cast<size_t>(nIndex)] = true;
    m_texts[static_cast<size_t>(nIndex)] = L"x"; // so that the empty text is set
    SetPaneText(nIndex, L"");
}

void CStatusBar::UpdateParts()
{
    if (m_ids.empty())
        return;
    RECT rc;
    GetClientRect(&rc);
    // Right edges from the right: the last pane also leaves room for the grip.
    std::vector<int> edges(m_ids.size());
    int x = rc.right;
    if (::GetWindowLongA(m_hWnd, GWL_STYLE) & SBARS_SIZEGRIP)
        x -= AfxGetSystemMetrics(SM_CXVSCROLL, m_nDpi);
    edges.back() = -1;
    for (size_t i = m_ids.size() - 1; i > 0; --i) {
        x -= PartWidth(i);
        edges[i - 1] = std::max(0, x);
    }
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

int CStatusBar::PartWidth(size_t nIndex) const
{
    if (m_fits[nIndex] && m_widths[nIndex] == 0) // an empty pane that fits its text takes no room
        return 0;
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return m_widths[nIndex] + 2 * borders[0] + 2 * borders[2] + 4;
}

int CStatusBar::GetPanesWidth() const
{
    int width = (::GetWindowLongA(m_hWnd, GWL_STYLE) & SBARS_SIZEGRIP) ? AfxGetSystemMetrics(SM_CXVSCROLL, m_nDpi) : 0;
    for (size_t i = 1; i < m_ids.size(); ++i) {
        if (!m_fits[i]) // a pane fitted to a passing note does not hold the window wide
            width += PartWidth(i);
    }
    return width;
}

LRESULT CStatusBar::OnSize(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    UpdateParts();
    return result;
}

void CStatusBar::SetPaneText(int nIndex, const char* lpszNewText)
{
    const int cch = ::MultiByteToWideChar(CP_ACP, 0, lpszNewText, -1, nullptr, 0);
    CStringW text(static_cast<size_t>(cch > 0 ? cch : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, lpszNewText, -1, &text[0], cch);
    SetPaneText(nIndex, text.c_str());
}

void CStatusBar::SetPaneText(int nIndex, const wchar_t* lpszNewText)
{
    if (!IsPane(nIndex))
        return;
    CStringW& current = m_texts[static_cast<size_t>(nIndex)];
    if (current == lpszNewText)
        return;
    current = lpszNewText;
    if (m_fits[static_cast<size_t>(nIndex)]) {
        m_widths[static_cast<size_t>(nIndex)] = TextWidth(current);
        UpdateParts();
    }
    SendMessage(SB_SETTEXTW, static_cast<WPARAM>(nIndex) | (nIndex == 0 ? SBT_NOBORDERS : 0),
                reinterpret_cast<LPARAM>(current.c_str()));
}

SIZE CStatusBar::CalcFixedLayout(BOOL, BOOL)
{
    TEXTMETRICA tm{};
    {
        CClientDC dc(this);
        CSelectObject font(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
        ::GetTextMetricsA(dc, &tm);
    }
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return SIZE{32767, tm.tmHeight + 2 * borders[1] + 6};
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state(this);
    for (int i = 0; i < GetCount(); ++i) {
        if (m_ids[static_cast<size_t>(i)] == ID_SEPARATOR)
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_ids[static_cast<size_t>(i)];
        state.DoUpdate(pTarget, FALSE);
    }
}

