// CInputDlg: the dialog in which the user types a new text.
#pragma once
#include "../framework/Framework.h"
#include "KeptChars.h"

class CInputDlg : public CDialog {
public:
    CInputDlg();
    // The typed text once OK is pressed: code page 932, with the characters
    // that code page lacks kept beside it.
    Cp932Text m_input;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
