#include "Dialog.h"

#include "WinApp.h"

INT_PTR CDialog::DoModal()
{
    HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!hOwner) {
        CWnd* pMain = AfxGetMainWnd();
        hOwner = pMain ? pMain->m_hWnd : nullptr;
    }
    if (hOwner)
        hOwner = ::GetAncestor(hOwner, GA_ROOT);
    // A Unicode dialog: its edit controls hold any text, whatever the
    // system's code page.
    return ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), hOwner, &DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE; // the system gives the focus to the first tab stop
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* pDlg = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    try {
        switch (message) {
        case WM_INITDIALOG:
            pDlg = reinterpret_cast<CDialog*>(lParam);
            ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
            pDlg->m_hWnd = hWnd;
            pDlg->CenterWindow();
            return pDlg->OnInitDialog();
        case WM_COMMAND:
            if (!pDlg || (lParam && HIWORD(wParam) != BN_CLICKED))
                return FALSE;
            if (LOWORD(wParam) == IDOK)
                pDlg->OnOK();
            else if (LOWORD(wParam) == IDCANCEL)
                pDlg->OnCancel();
            else
                return FALSE;
            return TRUE;
        case WM_NCDESTROY:
            if (pDlg)
                pDlg->m_hWnd = nullptr;
            return FALSE;
        default:
            return FALSE;
        }
    } catch (...) {
        // No exception crosses the dialog procedure: the dialog closes as cancelled.
        ::EndDialog(hWnd, IDCANCEL);
        return TRUE;
    }
}
