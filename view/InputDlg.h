// CInputDlg: the dialog in which the user types a new text.
#pragma once
#include "../framework/Framework.h"

class CInputDlg : public CDialog {
public:
    CInputDlg();
    CString m_strInput;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
