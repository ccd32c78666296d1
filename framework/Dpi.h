// Sizes given in pixels at 96 DPI, for the screen the program runs on. The
// program is DPI-aware: at 120 DPI and above it scales what it draws itself;
// below that it keeps the sizes as given.
#pragma once
#include <windows.h>

// The screen's logical pixels per inch (the same both ways on every display).
inline int AfxGetScreenDpi()
{
    static const int dpi = [] {
        HDC hdc = ::GetDC(nullptr);
        const int value = hdc ? ::GetDeviceCaps(hdc, LOGPIXELSY) : 96;
        if (hdc)
            ::ReleaseDC(nullptr, hdc);
        return value;
    }();
    return dpi;
}

inline int AfxScaleToDpi(int nPixels)
{
    const int dpi = AfxGetScreenDpi();
    return dpi < 120 ? nPixels : ::MulDiv(nPixels, dpi, 96);
}

// A strip of images, each from.cx by from.cy, enlarged to to.cx by to.cy by
// repeating whole pixels (no blending), so that they stay crisp; null on failure.
HBITMAP AfxScaleImageStrip(HBITMAP hbm, int images, SIZE from, SIZE to);
