#include "Dpi.h"

HBITMAP AfxScaleImageStrip(HBITMAP hbm, int images, SIZE from, SIZE to)
{
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdcFrom = ::CreateCompatibleDC(hdcScreen);
    HDC hdcTo = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbmTo = ::CreateCompatibleBitmap(hdcScreen, images * to.cx, to.cy);
    if (hdcFrom && hdcTo && hbmTo) {
        HGDIOBJ oldFrom = ::SelectObject(hdcFrom, hbm);
        HGDIOBJ oldTo = ::SelectObject(hdcTo, hbmTo);
        ::SetStretchBltMode(hdcTo, COLORONCOLOR);
        for (int i = 0; i < images; ++i)
            ::StretchBlt(hdcTo, i * to.cx, 0, to.cx, to.cy, hdcFrom, i * from.cx, 0, from.cx, from.cy, SRCCOPY);
        ::SelectObject(hdcTo, oldTo);
        ::SelectObject(hdcFrom, oldFrom);
    }
    if (hdcTo)
        ::DeleteDC(hdcTo);
    if (hdcFrom)
        ::DeleteDC(hdcFrom);
    ::ReleaseDC(nullptr, hdcScreen);
    return hbmTo;
}
