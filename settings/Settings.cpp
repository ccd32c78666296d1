#include "Settings.h"

#include "../framework/File.h"
#include "../framework/Framework.h"
#include "../framework/Mutex.h"
#include "PlacementRule.h"
#include "SaveRule.h"
#include "SettingsPath.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace settings {

namespace {

const wchar_t kSection[] = L"settings";
const wchar_t kPlacement[] = L"wp";
const wchar_t kFlags[] = L"flags";
const wchar_t kFontIndex[] = L"ffcomboindex";
const wchar_t kFallback[] = L"fallback"; // a key of its own: older versions keep every bit of "flags"
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

bool ReadFallback(const CWinApp& app)
{
    return app.GetProfileIntW(kSection, kFallback, 1) != 0;
}

int ReadFontSelection(const CWinApp& app)
{
    return static_cast<int>(app.GetProfileIntW(kSection, kFontIndex, 0));
}

namespace {

// A window stored where no monitor is now (or stored damaged) would come up
// out of reach: it is moved onto the work area of the monitor nearest it, in
// that monitor's workspace coordinates. Anything that would show on a
// monitor stays exactly as stored. (Windows' own SetWindowPlacement does the
// same first; other implementations do not.) Gives the rectangle the window
// comes up at, in screen coordinates.
RECT KeepOnScreen(RECT& rc)
{
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!::GetMonitorInfoA(::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi))
        return rc;
    const Workspace ws{Rect{mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right, mi.rcMonitor.bottom},
                       Rect{mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom},
                       ::GetSystemMetrics(SM_CXMAXTRACK), ::GetSystemMetrics(SM_CYMAXTRACK)};
    const Rect stored{rc.left, rc.top, rc.right, rc.bottom};
    Rect shown = ShownOnScreen(stored, ws);
    RECT rcShown{shown.left, shown.top, shown.right, shown.bottom};
    if (!::MonitorFromRect(&rcShown, MONITOR_DEFAULTTONULL)) {
        const Rect moved = MovedInto(stored, ws);
        rc = RECT{moved.left, moved.top, moved.right, moved.bottom};
        shown = ShownOnScreen(moved, ws);
    }
    return RECT{shown.left, shown.top, shown.right, shown.bottom};
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
        const RECT rc = KeepOnScreen(stored.rcNormalPosition);
        // A move onto a monitor of another DPI resizes the window on the way
        // (the frame takes the rectangle WM_DPICHANGED suggests): the hidden
        // window reaches the monitor first, then is placed exactly there.
        frame.SetWindowPos(nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
        ::SetWindowPlacement(frame.m_hWnd, &stored);
        return;
    }
    frame.SetWindowPos(nullptr, 0, 0, kDefaultSize, kDefaultSize, SWP_NOMOVE | SWP_NOZORDER);
}

namespace {

constexpr DWORD kLockWait = 3000; // ms: a save takes a few; a copy that waits longer gives way
// A file another program holds for a moment (an indexer, a sync client, a
// virus scanner opening a fresh file) is tried again every 100 ms, for up to
// two seconds in all: well within the time another copy waits for the lock.
constexpr DWORD kRetryStep = 100, kRetryTime = 2000;

bool WriteInt(const wchar_t* pszFile, const wchar_t* pszKey, int nValue)
{
    wchar_t text[16];
    ::wsprintfW(text, L"%d", nValue); // the C library's wide formatter would add 10 KB to the program
    return ::WritePrivateProfileStringW(kSection, pszKey, text, pszFile);
}

// The profile calls rewrite the whole file for each key they change. True
// when every key was written.
bool WriteKeys(const wchar_t* pszFile, const CWnd& frame, int nFlags, bool bFallback, const CComboBox& fontBox)
{
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    bool written = !::GetWindowPlacement(frame.m_hWnd, &wp) ||
                   ::WritePrivateProfileStructW(kSection, kPlacement, &wp, sizeof wp, pszFile);
    written = WriteInt(pszFile, kFlags, nFlags) && written;
    written = WriteInt(pszFile, kFallback, bFallback ? 1 : 0) && written;
    const int nSel = fontBox.m_hWnd ? fontBox.GetCurSel() : CB_ERR;
    return (nSel == CB_ERR || WriteInt(pszFile, kFontIndex, nSel)) && written;
}

// The name of the lock every copy of the program takes to save into this
// file: paths that differ only in case name one file, so the path is folded
// first; it is hashed (FNV-1a), since a name holds no '\\' after its
// namespace and may be no longer than a path.
void MakeLockName(const wchar_t* pszFile, wchar_t (&name)[48])
{
    unsigned long long hash = 14695981039346656037ull;
    for (const wchar_t* p = pszFile; *p; ++p) {
        // CharUpperW folds one character given in a pointer's low word.
        const LPWSTR upper = ::CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(*p)));
        hash = (hash ^ reinterpret_cast<ULONG_PTR>(upper)) * 1099511628211ull;
    }
    ::wsprintfW(name, L"Local\\quelvan-settings-%08lx%08lx", static_cast<unsigned long>(hash >> 32),
                static_cast<unsigned long>(hash));
}

uint64_t Ticks(const FILETIME& ft)
{
    return static_cast<uint64_t>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime;
}

// Copies beside the file that saves killed half-way left ("<file>~<process
// id>", and "<file>~" of older versions), whatever their attributes, once
// they are a minute old; and whatever stands under this save's own copy's
// name (pszCopy), which is about to be written anyway.
void ClearLeftovers(const wchar_t* pszFile, const wchar_t* pszCopy)
{
    wchar_t path[MAX_PATH + 2];
    const int len = ::wsprintfW(path, L"%s~*", pszFile);
    if (len >= MAX_PATH)
        return;
    int cchFolder = 0;
    for (int i = 0; i < len; ++i) {
        if (path[i] == L'\\')
            cchFolder = i + 1;
    }
    const size_t cchName = len - 1 - cchFolder; // "<name>~"
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    WIN32_FIND_DATAW found;
    const HANDLE hFind = ::FindFirstFileW(path, &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        const size_t cch = std::wcslen(found.cFileName);
        if (cch < cchName || cchFolder + cch >= MAX_PATH ||
            !(::lstrcmpiW(found.cFileName, pszCopy + cchFolder) == 0 ||
              IsStaleCopy(found.cFileName + cchName, Ticks(found.ftLastWriteTime), Ticks(now))))
            continue;
        std::memcpy(path + cchFolder, found.cFileName, (cch + 1) * sizeof(wchar_t));
        ::SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path);
    } while (::FindNextFileW(hFind, &found));
    ::FindClose(hFind);
}

// Waits before another try at what another program's hold refused; false
// once the save's time for tries is up.
class CRetry {
public:
    bool Again()
    {
        if (::GetTickCount() - m_dwStart >= kRetryTime)
            return false;
        ::Sleep(kRetryStep);
        return true;
    }

private:
    const DWORD m_dwStart = ::GetTickCount();
};

// What opening the file for this access gets, asked with sharing that
// disturbs no other program; tried again while another program holds it.
Access OpenFor(const wchar_t* pszFile, DWORD dwAccess, CRetry& retry)
{
    for (;;) {
        const CFileHandle file(pszFile, dwAccess, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        if (file)
            return Access::Granted;
        switch (::GetLastError()) {
        case ERROR_ACCESS_DENIED:
            return Access::Denied;
        case ERROR_FILE_NOT_FOUND:
            return Access::Missing;
        case ERROR_SHARING_VIOLATION:
            if (!retry.Again())
                return Access::Held;
            break;
        default:
            return Access::Failed;
        }
    }
}

// The copy takes the file's own permissions where they differ from those its
// folder gives a new file (it carries the file's attributes already).
void CopyPermissions(const wchar_t* pszFrom, const wchar_t* pszTo)
{
    alignas(8) BYTE sdFrom[2048], sdTo[2048];
    DWORD cbFrom, cbTo;
    if (::GetFileSecurityW(pszFrom, DACL_SECURITY_INFORMATION, sdFrom, sizeof sdFrom, &cbFrom) &&
        !(::GetFileSecurityW(pszTo, DACL_SECURITY_INFORMATION, sdTo, sizeof sdTo, &cbTo) && cbTo == cbFrom &&
          std::memcmp(sdFrom, sdTo, cbFrom) == 0))
        ::SetFileSecurityW(pszTo, DACL_SECURITY_INFORMATION, sdFrom);
}

// Puts the copy, its keys written, in the file's place (bReplacing: there is
// a file). It is flushed first, so that a power cut leaves the old file or
// the new one, never an empty one, and takes the file's permissions only now,
// since they may keep this user from writing it. A copy that cannot take the
// file's place goes, through a handle opened before it took those permissions.
void PutInPlace(const wchar_t* pszCopy, const wchar_t* pszFile, bool bReplacing, CRetry& retry)
{
    const CFileHandle copy(pszCopy, GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE);
    if (!copy) {
        ::DeleteFileW(pszCopy);
        return;
    }
    bool moved = false;
    if (::FlushFileBuffers(copy)) {
        if (bReplacing)
            CopyPermissions(pszFile, pszCopy);
        while (!(moved = ::MoveFileExW(pszCopy, pszFile, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))) {
            const DWORD error = ::GetLastError();
            if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || !retry.Again())
                break;
        }
    }
    if (!moved) {
        FILE_DISPOSITION_INFO dispose{TRUE};
        ::SetFileInformationByHandle(copy, FileDispositionInfo, &dispose, sizeof dispose);
    }
}

} // namespace

// Every copy of the program saves into the file in turn, under one lock; each
// writes a copy of its own ("<file>~<process id>") and puts it in the file's
// place in one step, so that a process killed at any moment leaves the old
// file or the new one, whole.
void SaveSettings(const CWinApp& app, const CWnd& frame, int nFlags, bool bFallback, const CComboBox& fontBox)
{
    const wchar_t* pszFile = app.m_pszProfileName;
    if (!pszFile)
        return;
    wchar_t lockName[48];
    MakeLockName(pszFile, lockName);
    const CMutexLock lock(lockName, kLockWait);
    if (!lock)
        return; // saving nothing rather than hanging the close
    wchar_t copy[MAX_PATH + 10];
    const int len = ::wsprintfW(copy, L"%s~%lx", pszFile, ::GetCurrentProcessId());
    ClearLeftovers(pszFile, copy);

    const DWORD attributes = ::GetFileAttributesW(pszFile);
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return; // a file made read-only keeps the settings it holds
    // What may be written is settled before any copy is made: one that could
    // not take the file's place would only be left beside it. A link is
    // written through to its target, and a file whose copy's name is too long
    // in place.
    CRetry retry;
    const Access writeAndDelete = OpenFor(pszFile, GENERIC_WRITE | DELETE, retry);
    const Access write = writeAndDelete == Access::Denied ? OpenFor(pszFile, GENERIC_WRITE, retry) : writeAndDelete;
    const bool link = exists && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
    SaveWay way = ChooseSaveWay(writeAndDelete, write, link || len >= MAX_PATH);
    const bool replacing = writeAndDelete == Access::Granted;
    // A folder that takes no new file (as for a user granted the one file
    // under Program Files) has it written in place. A copy that fails
    // otherwise (a full disk, say) writes nothing.
    if (way == SaveWay::ByCopy && replacing && !::CopyFileW(pszFile, copy, FALSE)) {
        if (::GetLastError() != ERROR_ACCESS_DENIED)
            return;
        way = SaveWay::InPlace;
    }
    if (way == SaveWay::InPlace) {
        WriteKeys(pszFile, frame, nFlags, bFallback, fontBox);
    } else if (way == SaveWay::ByCopy) {
        if (WriteKeys(copy, frame, nFlags, bFallback, fontBox))
            PutInPlace(copy, pszFile, replacing, retry);
        else
            ::DeleteFileW(copy); // part-written, by a full disk say
    }
}

} // namespace settings
