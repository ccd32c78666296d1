#include "Settings.h"

#include "../framework/Framework.h"
#include "SettingsPath.h"

#include <cstdlib>
#include <cstring>

namespace settings {

namespace {

const char kSection[] = "settings";
const char kPlacement[] = "wp";
const char kFlags[] = "flags";
const char kFontIndex[] = "ffcomboindex";
constexpr int kDefaultSize = 400;

} // namespace

void UseSettingsFile(CWinApp& app)
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    const bool usable = n != 0 && n < sizeof path && MakeSettingsPath(path, sizeof path);
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
        ::SetWindowPlacement(frame.m_hWnd, &stored);
        return;
    }
    frame.SetWindowPos(nullptr, 0, 0, kDefaultSize, kDefaultSize, SWP_NOMOVE | SWP_NOZORDER);
}

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

} // namespace settings
