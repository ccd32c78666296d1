// Combo boxes: the classic one and the extended combo box (items with text
// and images) of the common controls.
#pragma once
#include "Wnd.h"

#include <commctrl.h>

class CComboBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) const { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
};

class CComboBoxEx : public CComboBox {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Items in Unicode, whatever the system's code page.
    int InsertItem(const COMBOBOXEXITEMW* pItem) const
    {
        return static_cast<int>(SendMessage(CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    BOOL GetItem(COMBOBOXEXITEMW* pItem) const
    {
        return static_cast<BOOL>(SendMessage(CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    // The combo box inside, which holds the list.
    HWND GetComboBoxCtrl() const { return reinterpret_cast<HWND>(SendMessage(CBEM_GETCOMBOCONTROL)); }
};
