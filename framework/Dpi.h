// Sizes given in pixels at 96 DPI. Each top-level window (the frame, a
// floating bar's window) is drawn for the DPI of the screen it is on, which
// the system tells it by WM_DPICHANGED when it moves to a screen of another
// DPI: at 120 DPI and above what the program draws itself grows with it;
// below that it keeps the sizes as given. Newer systems' calls are loaded
// when there: the program also runs where they are missing (Windows 7).
#pragma once
#include <windows.h>

// The DPI the system gives a window when it appears: its screen's where the
// system knows it, else the system's own.
int AfxGetWindowDpi(HWND hWnd);

inline int AfxScaleToDpi(int nPixels, int nDpi)
{
    return nDpi < 120 ? nPixels : ::MulDiv(nPixels, nDpi, 96);
}

// A system metric, and a font of the system's settings (the status bar's and
// tooltips' font, or else the icon titles', the controls' own), at a DPI.
int AfxGetSystemMetrics(int nIndex, int nDpi);
LOGFONTW AfxGetSystemFont(bool bStatusFont, int nDpi);

// Widens rc from a client area to the window around it, with the caption and
// frame the system draws for hWnd at the DPI it gives that window.
void AfxAdjustWindowRect(RECT* rc, HWND hWnd);

// A strip of images, each from.cx by from.cy, enlarged to to.cx by to.cy by
// repeating whole pixels (no blending), so that they stay crisp; null on failure.
HBITMAP AfxScaleImageStrip(HBITMAP hbm, int images, SIZE from, SIZE to);
