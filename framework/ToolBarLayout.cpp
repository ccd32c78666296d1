// CToolBar's layout: one row or one column docked, rows that fit a width or a
// height floating (the wrap marks of the common control's items).
#include "ToolBar.h"

#include "FloatingBar.h"

#include <algorithm>

using floatbar::RowItem;
using floatbar::RowsFor;

std::vector<bool> CToolBar::Wraps() const
{
    const int count = GetCount();
    std::vector<bool> wraps(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        wraps[static_cast<size_t>(i)] = (Button(i).fsState & TBSTATE_WRAP) != 0;
    return wraps;
}

SIZE CToolBar::LayOut(const std::vector<bool>& wraps, BOOL bHorz, BOOL bCommit)
{
    const std::vector<bool> before = Wraps();
    const int count = GetCount();
    const auto apply = [&](const std::vector<bool>& w) {
        for (int i = 0; i < count; ++i) {
            const BYTE state = Button(i).fsState;
            const BYTE wanted = w[static_cast<size_t>(i)] ? (state | TBSTATE_WRAP) : (state & ~TBSTATE_WRAP);
            if (wanted == state)
                continue;
            TBBUTTONINFOA info{};
            info.cbSize = sizeof info;
            info.dwMask = TBIF_BYINDEX | TBIF_STATE;
            info.fsState = wanted;
            SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
        }
    };
    apply(wraps);
    // A column is as wide as its buttons: a wide separator (the font box's
    // place) reaches past it and stays out of sight. In rows, a separator
    // that ends a row is the divider below it and takes no width.
    SIZE extent{0, 0};
    for (int i = 0; i < count; ++i) {
        RECT rc;
        GetItemRect(i, &rc);
        const bool separator = (Button(i).fsStyle & TBSTYLE_SEP) != 0;
        if (!separator || (bHorz && !wraps[static_cast<size_t>(i)]))
            extent.cx = std::max(extent.cx, rc.right);
        extent.cy = std::max(extent.cy, rc.bottom);
    }
    if (!bCommit)
        apply(before);
    return extent;
}

SIZE CToolBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    // One row, or one column when every item wraps.
    const SIZE extent = LayOut(std::vector<bool>(static_cast<size_t>(GetCount()), !bHorz), bHorz, FALSE);
    const RECT b = NonClientBorders(bHorz);
    return SIZE{extent.cx + b.left + b.right, extent.cy + b.top + b.bottom};
}

SIZE CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    // A floating bar has a plain border all round.
    const int borders = 2 * kBorder;
    std::vector<RowItem> items;
    for (int i = 0; i < GetCount(); ++i) {
        RECT rc;
        GetItemRect(i, &rc);
        const TBBUTTON b = Button(i);
        items.push_back(RowItem{rc.right - rc.left, (b.fsStyle & TBSTYLE_SEP) != 0, b.idCommand != 0});
    }
    std::vector<bool> wraps;
    if (dwMode & LM_LENGTHY) {
        // From the narrowest layout on, the first that is short enough; at
        // the end, one row.
        for (int cx = 0;; ++cx) {
            std::vector<bool> tried = std::move(wraps);
            wraps = RowsFor(items, cx);
            if (std::find(wraps.begin(), wraps.end(), true) == wraps.end() ||
                (wraps != tried && LayOut(wraps, TRUE, FALSE).cy + borders <= nLength))
                break;
        }
    } else {
        wraps = RowsFor(items, ((dwMode & LM_MRUWIDTH) ? m_nMRUWidth : nLength) - borders);
    }
    const SIZE extent = LayOut(wraps, TRUE, (dwMode & LM_COMMIT) != 0);
    const SIZE size{extent.cx + borders, extent.cy + borders};
    if (dwMode & LM_COMMIT) {
        m_nMRUWidth = size.cx;
        OnLayoutChanged();
    }
    return size;
}

void CToolBar::OnAlignChanged()
{
    // Docked at the left or right, the items run in one column; else in one
    // row, until a floating window asks for rows.
    LayOut(std::vector<bool>(static_cast<size_t>(GetCount()), !IsHorizontal()), IsHorizontal(), TRUE);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    OnLayoutChanged();
}
