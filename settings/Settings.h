// The settings file beside the executable: the window placement, the option
// bits and the font box's selected position.
#pragma once

class CComboBox;
class CWinApp;
class CWnd;

namespace settings {

// Points the application's profile at the settings file.
void UseSettingsFile(CWinApp& app);
// The stored option bits, 0 when none are stored.
int ReadOptionBits(const CWinApp& app);
// Restores the frame's stored placement, or gives it the default size.
void RestorePlacement(const CWinApp& app, CWnd& frame);
// Saves what the frame's destruction saves: placement and option bits.
void SavePlacement(const CWinApp& app, const CWnd& frame);
void SaveOptionBits(const CWinApp& app, int nFlags);
// Saves the font box's selected position, when it has one.
void SaveFontSelection(const CWinApp& app, const CComboBox& fontBox);

} // namespace settings
