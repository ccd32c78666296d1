// CAboutDlg: the version information box.
#pragma once
#include "../framework/Framework.h"
#include "../res/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
