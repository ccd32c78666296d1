// CToolBar's texts: the fly-by prompt in the frame's message pane while the
// pointer rests on a button, and the tooltip's text of a button.
#include "ToolBar.h"

#include "CommandRow.h"
#include "FrameWnd.h"
#include "afxres.h"

#include <algorithm>
#include <iterator>
#include <string>

void CToolBar::ShowPrompt(UINT nID)
{
    if (nID == m_nFlybyID)
        return;
    m_nFlybyID = nID;
    m_pDockSite->SetMessageText(nID ? nID : static_cast<UINT>(AFX_IDS_IDLEMESSAGE));
}

LRESULT CToolBar::OnMouseMove(WPARAM, LPARAM lParam)
{
    if (m_dwStyle & CBRS_FLYBY) {
        POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const int hit = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)));
        ShowPrompt(hit >= 0 ? GetItemID(hit) : 0);
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
    return Default();
}

LRESULT CToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_nFlybyID)
        ShowPrompt(0);
    return Default();
}

BOOL CToolBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The tooltip asks the bar for a button's text: the tooltip part of the
    // command's string row, cut to the notification's buffer.
    NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
    if (pHdr->code != TTN_GETDISPINFOA && pHdr->code != TTN_GETDISPINFOW)
        return CControlBar::OnNotify(wParam, lParam, pResult);
    // The tooltip is made when first needed: it takes the font for the bar's
    // DPI as it asks.
    if (m_fontTips)
        ::SendMessageA(pHdr->hwndFrom, WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fontTips)), FALSE);
    const CStringW tip = AfxLoadTooltip(static_cast<UINT>(pHdr->idFrom));
    if (pHdr->code == TTN_GETDISPINFOW) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        // Cut to the buffer, never between the two halves of a surrogate pair.
        size_t n = std::min(tip.size(), std::size(info->szText) - 1);
        if (n < tip.size() && n > 0 && tip[n - 1] >= 0xD800 && tip[n - 1] <= 0xDBFF)
            --n;
        tip.copy(info->szText, n);
        info->szText[n] = L'\0';
        info->lpszText = info->szText;
        info->hinst = nullptr;
    } else {
        // A tooltip that asks in the system's code page gets what it can show.
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        const int cb = ::WideCharToMultiByte(CP_ACP, 0, tip.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<size_t>(cb > 0 ? cb : 1), '\0');
        ::WideCharToMultiByte(CP_ACP, 0, tip.c_str(), -1, &text[0], cb, nullptr, nullptr);
        AfxCopyText(info->szText, sizeof info->szText, text.c_str());
        info->lpszText = info->szText;
        info->hinst = nullptr;
    }
    *pResult = 0;
    return TRUE;
}
