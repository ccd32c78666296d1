#include "ViewerApp.h"

#include "../exchange/ViewText.h"
#include "../picture/PictureCards.h"
#include "../res/resource.h"
#include "../settings/Settings.h"
#include "AboutDlg.h"
#include "CommandLine.h"
#include "MainFrame.h"

#include <shellapi.h>

CViewerApp theApp;

BEGIN_MESSAGE_MAP(CViewerApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
END_MESSAGE_MAP()

BOOL CViewerApp::InitInstance()
{
    Enable3dControls();
    if (!AfxOleInit())
        return FALSE;
    settings::UseSettingsFile(*this);
    // Cards asked for on the command line are written without a window (and
    // without a save of the settings); the loop ends at once, with the code
    // that says how it went.
    const cmdline::PicturesRequest pictures = cmdline::PicturesArgument(m_pszCommandLine);
    if (pictures.asked) {
        ::PostQuitMessage(picture::WritePictureCards(pictures, *this));
        return TRUE;
    }

    CMainFrame* pFrame = new CMainFrame;
    m_pMainWnd = pFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr))
        return FALSE; // the frame is gone with its window, or was never shown

    settings::RestorePlacement(*this, *pFrame);
    pFrame->FillFontBox();
    // A text given on the command line is shown from the start, taken in
    // Unicode as typed text is.
    const cmdline::Span text = cmdline::TextArgument(m_pszCommandLine);
    if (text.first != text.last)
        pFrame->m_wndView.SetText(exchange::Cp932FromUnicode(text.first, static_cast<size_t>(text.last - text.first)));
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    return TRUE;
}

BOOL CViewerApp::OnIdle(LONG lCount)
{
    if (lCount == 0) {
        CWinApp::OnIdle(lCount);
        return TRUE; // one more pass, unless input comes first
    }
    if (CMainFrame* pFrame = static_cast<CMainFrame*>(m_pMainWnd))
        pFrame->m_wndView.WarmNeighbourGlyphs();
    return FALSE;
}

void CViewerApp::OnAppAbout()
{
    CAboutDlg dlg;
    dlg.DoModal();
}

void CViewerApp::OnFileNew()
{
    // Another copy of the program, in a process of its own, found by its wide
    // path (in the system's code page another language's folder name is lost).
    // The shell is loaded only here: linked in, it would cost every start-up
    // its loading.
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return; // cut short, it would name another file
    HMODULE hShell = ::LoadLibraryA("shell32.dll");
    const auto pfnShellExecute = reinterpret_cast<decltype(&::ShellExecuteW)>(
        hShell ? reinterpret_cast<void*>(::GetProcAddress(hShell, "ShellExecuteW")) : nullptr);
    if (pfnShellExecute) // the shell stays loaded: what it started may still need it
        pfnShellExecute(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, nullptr, path, nullptr, nullptr, SW_SHOW);
}
