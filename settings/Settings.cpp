#include "Settings.h"

#include "../framework/Framework.h"
#include "PlacementRule.h"
#include "SettingsPath.h"

#include <cstdlib>
#include <cwchar>
#include <iterator>

namespace settings {

namespace {

const wchar_t kSection[] = L"settings";
const wchar_t kPlacement[] = L"wp";
const wchar_t kFlags[] = L"flags";
const wchar_t kFontIndex[] = L"ffcomboindex";
constexpr int kDefaultSize = 400;

} // namespace

// The path is taken wide: in the system's code page a folder named in another
// language comes back with '?' in place of its characters.
void UseSettingsFile(CWinApp& app)
{
    wchar_t path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const bool usable = n != 0 && n < MAX_PATH && MakeSettingsPath(path, MAX_PATH);
    std::free(const_cast<wchar_t*>(app.m_pszProfileName));
    app.m_pszProfileName = usable ? _wcsdup(path) : nullptr;
}

int ReadOptionBits(const CWinApp& app)
{
    return static_cast<int>(app.GetProfileIntW(kSection, kFlags, 0));
}

int ReadFontSelection(const CWinApp& app)
{
    return static_cast<int>(app.GetProfileIntW(kSection, kFontIndex, 0));
}

namespace {

// A window stored where no monitor is now (or stored damaged) would come up
// out of reach: it is moved onto the nearest monitor's work area. Anything
// that would show on a monitor stays exactly as stored. (Windows' own
// SetWindowPlacement does the same first; other implementations do not.)
void KeepOnScreen(RECT& rc)
{
    RECT primaryWork;
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &primaryWork, 0))
        return;
    const Workspace ws{primaryWork.left, primaryWork.top, ::GetSystemMetrics(SM_CXMAXTRACK),
                       ::GetSystemMetrics(SM_CYMAXTRACK)};
    const Rect stored{rc.left, rc.top, rc.right, rc.bottom};
    const Rect shown = ShownOnScreen(stored, ws);
    RECT rcShown{shown.left, shown.top, shown.right, shown.bottom};
    if (::MonitorFromRect(&rcShown, MONITOR_DEFAULTTONULL))
        return;
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!::GetMonitorInfoA(::MonitorFromRect(&rcShown, MONITOR_DEFAULTTONEAREST), &mi))
        return;
    const Rect moved = MovedInto(stored, ws, Rect{mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom});
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
        ::GetPrivateProfileStructW(kSection, kPlacement, &stored, sizeof stored, app.m_pszProfileName)) {
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
        ::WritePrivateProfileStructW(kSection, kPlacement, &wp, sizeof wp, app.m_pszProfileName);
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
        const size_t len = m_pszFile ? std::wcslen(m_pszFile) : 0;
        if (!m_pszFile || len + 2 > std::size(m_szCopy))
            return; // no room for the copy's name: "<file>~"
        std::wmemcpy(m_szCopy, m_pszFile, len);
        m_szCopy[len] = L'~';
        m_szCopy[len + 1] = L'\0';
        ::DeleteFileW(m_szCopy); // what a killed save left
        // The copy starts as the file, so that nothing else in it is lost;
        // an existing file that cannot be copied is not replaced.
        if (::CopyFileW(m_pszFile, m_szCopy, FALSE) || ::GetFileAttributesW(m_pszFile) == INVALID_FILE_ATTRIBUTES)
            m_app.m_pszProfileName = m_szCopy;
    }
    ~CFileUpdate()
    {
        if (m_app.m_pszProfileName == m_szCopy)
            ::DeleteFileW(m_szCopy);
        m_app.m_pszProfileName = m_pszFile;
    }
    CFileUpdate(const CFileUpdate&) = delete;
    CFileUpdate& operator=(const CFileUpdate&) = delete;

    void Commit()
    {
        if (m_app.m_pszProfileName == m_szCopy &&
            ::MoveFileExW(m_szCopy, m_pszFile, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            m_app.m_pszProfileName = m_pszFile;
    }

private:
    CWinApp& m_app;
    const wchar_t* m_pszFile; // the settings file, owned by the application
    wchar_t m_szCopy[MAX_PATH] = L"";
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
