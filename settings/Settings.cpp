#include "Settings.h"

#include "../framework/Framework.h"
#include "PlacementRule.h"
#include "SettingsPath.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace settings {

namespace {

const char kSection[] = "settings";
const char kPlacement[] = "wp";
const char kFlags[] = "flags";
const char kFontIndex[] = "ffcomboindex";
constexpr int kDefaultSize = 400;

// The module's path is in the system's code page.
bool IsSystemLeadByte(unsigned char b)
{
    return ::IsDBCSLeadByte(b) != 0;
}

} // namespace

void UseSettingsFile(CWinApp& app)
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    const bool usable = n != 0 && n < sizeof path && MakeSettingsPath(path, sizeof path, &IsSystemLeadByte);
    std::free(const_cast<char*>(app.m_pszProfileName));
    app.m_pszProfileName = usable ? _strdup(path) : nullptr;
}

int ReadOptionBits(const CWinApp& app)
{
    return static_cast<int>(app.GetProfileInt(kSection, kFlags, 0));
}

int ReadFontSelection(const CWinApp& app)
{
    return static_cast<int>(app.GetProfileInt(kSection, kFontIndex, 0));
}

namespace {

// A window stored where no monitor is now (or stored damaged) would come up
// out of reach: it is moved onto the nearest monitor's work area. Anything
// that would show on a monitor stays exactly as stored.
void KeepOnScreen(RECT& rc)
{
    const Rect shown = AsShown(Rect{rc.left, rc.top, rc.right, rc.bottom}, ::GetSystemMetrics(SM_CXMAXTRACK),
                               ::GetSystemMetrics(SM_CYMAXTRACK));
    RECT rcShown{shown.left, shown.top, shown.right, shown.bottom};
    if (::MonitorFromRect(&rcShown, MONITOR_DEFAULTTONULL))
        return;
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!::GetMonitorInfoA(::MonitorFromRect(&rcShown, MONITOR_DEFAULTTONEAREST), &mi))
        return;
    const Rect moved = MovedInto(shown, Rect{mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom});
    rc = RECT{moved.left, moved.top, moved.right, moved.bottom};
}

} // namespace

void RestorePlacement(const CWinApp& app, CWnd& frame)
{
    // A damaged value may fill part of the record before the read fails: only
    // a record read back whole is applied. Its length field is the record's
    // header, not a setting: the call wants it right whatever was stored.
    WINDOWPLACEMENT stored{};
    if (app.m_pszProfileName &&
        ::GetPrivateProfileStructA(kSection, kPlacement, &stored, sizeof stored, app.m_pszProfileName)) {
        stored.length = sizeof stored;
        stored.showCmd &= ~static_cast<UINT>(SW_SHOWMINIMIZED); // minimized and maximized come back normal
        KeepOnScreen(stored.rcNormalPosition);
        ::SetWindowPlacement(frame.m_hWnd, &stored);
        return;
    }
    frame.SetWindowPos(nullptr, 0, 0, kDefaultSize, kDefaultSize, SWP_NOMOVE | SWP_NOZORDER);
}

namespace {

void SavePlacement(const CWinApp& app, const CWnd& frame)
{
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (app.m_pszProfileName && ::GetWindowPlacement(frame.m_hWnd, &wp))
        ::WritePrivateProfileStructA(kSection, kPlacement, &wp, sizeof wp, app.m_pszProfileName);
}

void SaveOptionBits(const CWinApp& app, int nFlags)
{
    app.WriteProfileInt(kSection, kFlags, nFlags);
}

void SaveFontSelection(const CWinApp& app, const CComboBox& fontBox)
{
    const int nSel = fontBox.m_hWnd ? fontBox.GetCurSel() : CB_ERR;
    if (nSel != CB_ERR)
        app.WriteProfileInt(kSection, kFontIndex, nSel);
}

// The profile calls rewrite the whole file for each key. While this lives
// they work on a copy beside the file, which Commit puts in its place in one
// step; a copy that was not committed is deleted.
class CFileUpdate {
public:
    explicit CFileUpdate(CWinApp& app) : m_app(app), m_pszFile(app.m_pszProfileName)
    {
        m_app.m_pszProfileName = nullptr; // nothing is written unless the copy is there
        if (!m_pszFile || std::snprintf(m_szCopy, sizeof m_szCopy, "%s~", m_pszFile) >= int{sizeof m_szCopy})
            return;
        ::DeleteFileA(m_szCopy); // what a killed save left
        // The copy starts as the file, so that nothing else in it is lost;
        // an existing file that cannot be copied is not replaced.
        if (::CopyFileA(m_pszFile, m_szCopy, FALSE) || ::GetFileAttributesA(m_pszFile) == INVALID_FILE_ATTRIBUTES)
            m_app.m_pszProfileName = m_szCopy;
    }
    ~CFileUpdate()
    {
        if (m_app.m_pszProfileName == m_szCopy)
            ::DeleteFileA(m_szCopy);
        m_app.m_pszProfileName = m_pszFile;
    }
    CFileUpdate(const CFileUpdate&) = delete;
    CFileUpdate& operator=(const CFileUpdate&) = delete;

    void Commit()
    {
        if (m_app.m_pszProfileName == m_szCopy &&
            ::MoveFileExA(m_szCopy, m_pszFile, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            m_app.m_pszProfileName = m_pszFile;
    }

private:
    CWinApp& m_app;
    const char* m_pszFile; // the settings file, owned by the application
    char m_szCopy[MAX_PATH] = "";
};

} // namespace

void SaveSettings(CWinApp& app, const CWnd& frame, int nFlags, const CComboBox& fontBox)
{
    CFileUpdate update(app);
    SavePlacement(app, frame);
    SaveOptionBits(app, nFlags);
    SaveFontSelection(app, fontBox);
    update.Commit();
}

} // namespace settings
