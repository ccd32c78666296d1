#include "Dpi.h"

#include "Gdi.h"

HBITMAP AfxScaleImageStrip(HBITMAP hbm, int images, SIZE from, SIZE to)
{
    CClientDC screen(static_cast<HWND>(nullptr));
    CMemoryDC dcFrom(screen), dcTo(screen);
    HBITMAP hbmTo = screen ? ::CreateCompatibleBitmap(screen, images * to.cx, to.cy) : nullptr;
    if (!dcFrom || !dcTo || !hbmTo) {
        if (hbmTo)
            ::DeleteObject(hbmTo);
        return nullptr;
    }
    CSelectObject selectFrom(dcFrom, hbm);
    CSelectObject selectTo(dcTo, hbmTo);
    ::SetStretchBltMode(dcTo, COLORONCOLOR);
    for (int i = 0; i < images; ++i)
        ::StretchBlt(dcTo, i * to.cx, 0, to.cx, to.cy, dcFrom, i * from.cx, 0, from.cx, from.cy, SRCCOPY);
    return hbmTo; // selected out of dcTo when selectTo goes, before the context is deleted
}
