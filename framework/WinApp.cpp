#include "WinApp.h"

#include "Wnd.h"
#include "afxres.h"

#include <ole2.h>

#include <cstdlib>

namespace {

CWinApp* g_pApp = nullptr;

// OLE on the program's thread, from AfxOleInit until the application ends.
class OleSession {
public:
    ~OleSession() { End(); }
    bool Begin()
    {
        if (!m_active)
            m_active = SUCCEEDED(::OleInitialize(nullptr));
        return m_active;
    }
    void End()
    {
        if (m_active)
            ::OleUninitialize();
        m_active = false;
    }

private:
    bool m_active = false;
} g_ole;

} // namespace

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWinApp::CWinApp(const char* lpszAppName) : m_pszAppName(lpszAppName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    std::free(const_cast<wchar_t*>(m_pszProfileName));
    if (g_pApp == this)
        g_pApp = nullptr;
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

int CWinApp::ExitInstance()
{
    g_ole.End();
    return static_cast<int>(m_msgCur.wParam);
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    return m_pMainWnd && m_pMainWnd->PreTranslateMessage(pMsg);
}

BOOL CWinApp::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

bool CWinApp::IsIdleMessage(const MSG& msg)
{
    // Paints, the caret's timer and a mouse that has not moved change no
    // command state: they do not start an idle pass.
    static POINT ptLast{-1, -1};
    static UINT msgLast = 0;
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        if (msg.message == msgLast && msg.pt.x == ptLast.x && msg.pt.y == ptLast.y)
            return false;
        ptLast = msg.pt;
        msgLast = msg.message;
        return true;
    }
    // A posted update request does its update when dispatched; an idle pass
    // after it would repeat the same work.
    return msg.message != WM_PAINT && msg.message != 0x0118 /* WM_SYSTIMER */ &&
           msg.message != WM_IDLEUPDATECMDUI;
}

int CWinApp::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG peek;
    for (;;) {
        while (bIdle && !::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount == 0 && m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    return FALSE;
}

// Without a profile name there is no settings file: reads give the default (a
// null name would mean the system's own win.ini).
UINT CWinApp::GetProfileIntW(const wchar_t* lpszSection, const wchar_t* lpszEntry, int nDefault) const
{
    if (!m_pszProfileName)
        return static_cast<UINT>(nDefault);
    return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

BOOL AfxOleInit()
{
    return g_ole.Begin();
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_pszCommandLine = ::GetCommandLineW();
    if (!pApp->m_pszAppName && pApp->m_strAppName.LoadString(AFX_IDS_APP_TITLE))
        pApp->m_pszAppName = pApp->m_strAppName;
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd && pApp->m_pMainWnd->m_hWnd)
            pApp->m_pMainWnd->DestroyWindow();
        pApp->ExitInstance();
        return 1; // a failed start is no success
    }
    return pApp->Run();
}
