// CWinApp: the application object, its start-up, message loop and idle-time
// update pass, and the profile read.
#pragma once
#include "CmdTarget.h"
#include "String.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    const char* m_pszAppName = nullptr;   // the application's name (string row 0xE000 when none is given)
    // The initialisation file, a heap string (malloc'd) owned here; wide, so
    // that it is found in a folder named in any language.
    const wchar_t* m_pszProfileName = nullptr;
    // The command line the program was started with, whole and in Unicode
    // (AfxWinMain sets it); null where no start passed one (an in-process host).
    const wchar_t* m_pszCommandLine = nullptr;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance();
    virtual int Run();
    // Idle-time work: bars and panes follow their update rules. Returns TRUE
    // while more idle work is wanted.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Takes and dispatches one message; FALSE on WM_QUIT.
    BOOL PumpMessage();

    // Kept for compatibility with the old 3-D controls call: always TRUE.
    BOOL Enable3dControls() { return TRUE; }

    UINT GetProfileIntW(const wchar_t* lpszSection, const wchar_t* lpszEntry, int nDefault) const;

protected:
    void OnAppExit();
    DECLARE_MESSAGE_MAP()

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int);
    static bool IsIdleMessage(const MSG& msg);
    MSG m_msgCur{};
    CString m_strAppName;
};

CWinApp* AfxGetApp();
BOOL AfxOleInit();
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
