// Combo boxes: the classic one and the extended combo box (items with text
// and images) of the common controls.
#pragma once
#include "Wnd.h"

#include <commctrl.h>

class CComboBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
};

class CComboBoxEx : public CComboBox {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
};
