#include "Settings.h"

#include "../framework/Framework.h"

// The settings file is not read or written yet: the option bits start at 0 and
// the window opens at its default size.
namespace settings {

namespace {
constexpr int kDefaultSize = 400;
}

void UseSettingsFile(CWinApp&) {}

int ReadOptionBits(const CWinApp&)
{
    return 0;
}

void RestorePlacement(const CWinApp&, CWnd& frame)
{
    frame.SetWindowPos(nullptr, 0, 0, kDefaultSize, kDefaultSize, SWP_NOMOVE | SWP_NOZORDER);
}

void SavePlacement(const CWinApp&, const CWnd&) {}

void SaveOptionBits(const CWinApp&, int) {}

void SaveFontSelection(const CWinApp&, const CComboBox&) {}

} // namespace settings
