#include "FontBar.h"

#include "../res/resource.h"

void CFontBar::OnLayoutChanged()
{
    // The font box stays over its item, one pixel below the item's top as it
    // was created, whichever row the item is in; a column is too narrow for it.
    RECT rc;
    GetItemRect(CommandToIndex(ID_FONTBOX), &rc);
    m_wndFontBox.SetWindowPos(nullptr, rc.left, rc.top + 1, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                                  (IsHorizontal() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}
