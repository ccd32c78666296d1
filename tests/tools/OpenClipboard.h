// The test tools' way into the clipboard: another program, Wine's own bridge
// to the X clipboard among them, may have it open for a moment.
#pragma once
#include <windows.h>

inline bool OpenClipboardPatiently(HWND hWnd = nullptr)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (::OpenClipboard(hWnd))
            return true;
        ::Sleep(20);
    }
    return false;
}
