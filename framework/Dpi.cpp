#include "Dpi.h"

#include "Gdi.h"

namespace {

// A call of user32 that older systems lack, or null.
template <class F> F* User32Proc(const char* name)
{
    return reinterpret_cast<F*>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

int SystemDpi()
{
    CClientDC screen(static_cast<HWND>(nullptr));
    return screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
}

} // namespace

int AfxGetWindowDpi(HWND hWnd)
{
    const auto pfn = User32Proc<UINT WINAPI(HWND)>("GetDpiForWindow");
    const int dpi = pfn ? static_cast<int>(pfn(hWnd)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

// Without the calls for a DPI, the system's values are scaled from its own
// DPI. Windows 8.1 is such a system: the manifest's "true/pm" makes the
// program per-monitor aware there, so WM_DPICHANGED comes, but the calls came
// with Windows 10 (which reads the "PerMonitorV2, PerMonitor" entry instead).
int AfxGetSystemMetrics(int nIndex, int nDpi)
{
    const auto pfn = User32Proc<int WINAPI(int, UINT)>("GetSystemMetricsForDpi");
    return pfn ? pfn(nIndex, static_cast<UINT>(nDpi)) : ::MulDiv(::GetSystemMetrics(nIndex), nDpi, SystemDpi());
}

LOGFONTW AfxGetSystemFont(bool bStatusFont, int nDpi)
{
    const auto pfn = User32Proc<BOOL WINAPI(UINT, UINT, void*, UINT, UINT)>("SystemParametersInfoForDpi");
    // Either font comes back in lfStatusFont.
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    const UINT action = bStatusFont ? SPI_GETNONCLIENTMETRICS : SPI_GETICONTITLELOGFONT;
    const UINT cb = bStatusFont ? sizeof ncm : sizeof(LOGFONTW);
    void* p = bStatusFont ? static_cast<void*>(&ncm) : &ncm.lfStatusFont;
    if (!pfn || !pfn(action, cb, p, 0, static_cast<UINT>(nDpi))) {
        ::SystemParametersInfoW(action, cb, p, 0);
        ncm.lfStatusFont.lfHeight = ::MulDiv(ncm.lfStatusFont.lfHeight, nDpi, SystemDpi());
    }
    return ncm.lfStatusFont;
}

void AfxAdjustWindowRect(RECT* rc, HWND hWnd)
{
    // The system's frame, so the system's DPI for it.
    const auto pfn = User32Proc<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_EXSTYLE));
    if (!pfn || !pfn(rc, style, FALSE, exStyle, static_cast<UINT>(AfxGetWindowDpi(hWnd))))
        ::AdjustWindowRectEx(rc, style, FALSE, exStyle);
}

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
