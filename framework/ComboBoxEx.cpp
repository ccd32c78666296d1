#include "ComboBoxEx.h"

#include "ControlBar.h"

BOOL CComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    AfxInitCommonControls(ICC_USEREX_CLASSES);
    return CreateEx(0, WC_COMBOBOXEXA, nullptr, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}
