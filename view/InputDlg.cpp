#include "InputDlg.h"

#include "../res/resource.h"

CInputDlg::CInputDlg() : CDialog(IDD_INPUT), m_strInput("") {}

void CInputDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_INPUT, m_strInput);
}
