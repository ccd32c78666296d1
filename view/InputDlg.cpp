#include "InputDlg.h"

#include "../exchange/ViewText.h"
#include "../res/resource.h"

CInputDlg::CInputDlg() : CDialog(IDD_INPUT) {}

void CInputDlg::DoDataExchange(CDataExchange* pDX)
{
    if (!pDX->m_bSaveAndValidate)
        return; // the field starts empty
    // The typed text is taken in Unicode and converted to code page 932 as
    // all text from Unicode sources is, whatever the system's code page.
    HWND hEdit = GetDlgItem(IDC_INPUT);
    CStringW text(static_cast<size_t>(::GetWindowTextLengthW(hEdit)) + 1, L'\0');
    ::GetWindowTextW(hEdit, &text[0], static_cast<int>(text.size()));
    m_input = exchange::Cp932FromUnicode(text.c_str(), text.size());
}
