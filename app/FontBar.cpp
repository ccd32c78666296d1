#include "FontBar.h"

#include "../res/resource.h"

namespace {

// At 96 DPI; larger on a screen of 120 DPI and more.
constexpr int kFontBoxWidth = 100;      // the separator that holds the font box
constexpr int kFontBoxDropHeight = 200; // room for the box's drop-down list

} // namespace

BOOL CFontBar::CreateFontBox()
{
    if (CommandToIndex(ID_FONTBOX) < 0)
        return FALSE;
    const RECT rc = MakeRoomForFontBox();
    if (!m_wndFontBox.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, rc, this, IDC_FONTBOX))
        return FALSE;
    m_wndFontBox.ScaleToDpi(m_nDpi);
    return TRUE;
}

RECT CFontBar::MakeRoomForFontBox()
{
    const int index = CommandToIndex(ID_FONTBOX);
    SetButtonInfo(index, ID_FONTBOX, TBBS_SEPARATOR, AfxScaleToDpi(kFontBoxWidth, m_nDpi));
    RECT rc;
    GetItemRect(index, &rc);
    rc.top += 1;
    rc.bottom += AfxScaleToDpi(kFontBoxDropHeight, m_nDpi);
    return rc;
}

void CFontBar::ScaleToDpi(int nDpi)
{
    CToolBar::ScaleToDpi(nDpi);
    if (!m_wndFontBox.m_hWnd)
        return; // not yet while the bar is loaded
    const RECT rc = MakeRoomForFontBox();
    m_wndFontBox.ScaleToDpi(nDpi);
    // The box's outer height is its list's, which the box inside takes only
    // from its own window.
    m_wndFontBox.SetWindowPos(nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                              SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(m_wndFontBox.GetComboBoxCtrl(), nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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
