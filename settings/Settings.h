// The settings file beside the executable: the window placement, the option
// bits and the font box's selected position, in section "settings". Read at
// start-up; written once, when the main window is destroyed.
#pragma once

class CComboBox;
class CWinApp;
class CWnd;

namespace settings {

// Points the application's profile at the settings file; without a usable
// path (one too long for the ".ini" name) the program runs without one.
void UseSettingsFile(CWinApp& app);
// The stored option bits, 0 when none are stored.
int ReadOptionBits(const CWinApp& app);
// Whether characters the chosen face lacks are drawn in another face; on
// when nothing is stored.
bool ReadFallback(const CWinApp& app);
// The stored position of the font box's selection, 0 when none is stored.
int ReadFontSelection(const CWinApp& app);
// Restores the frame's stored placement (never minimized or maximized), or
// gives it the default size when no intact placement is stored.
void RestorePlacement(const CWinApp& app, CWnd& frame);
// What the frame's destruction saves: its placement, the option bits, the
// fallback option and the font box's selected position (when it has one), as one change of the file:
// a process killed at any moment leaves the old file or the new one, whole,
// with the file's other sections and keys. Copies of the program closing
// together save one after the other. A read-only file is left as it is; a
// file that may be written but not replaced (its folder takes no new files,
// or its permissions refuse this user replacing it) is written in place; one
// that another program holds for a moment is saved once it is free; one held
// longer, or locked, stays as it was.
void SaveSettings(const CWinApp& app, const CWnd& frame, int nFlags, bool bFallback, const CComboBox& fontBox);

} // namespace settings
