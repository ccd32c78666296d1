// cliptool: another program on the clipboard, in its viewer chain and as a
// drag source, for the black-box tests. Run under Wine in the same prefix.
//   cliptool viewer [HANG_S]       joins the viewer chain and logs to stdout: "hwnd H", then
//                                  "draw" and "change REMOVED AFTER" for each notice (handles
//                                  in hex); with HANG_S, stops answering for that long at the
//                                  first change of the clipboard, then says "awake"
//   cliptool leave H | quit H      the viewer H leaves the chain (and stays) | leaves and ends
//   cliptool picture               puts only a bitmap on the clipboard
//   cliptool hold SECONDS          holds the clipboard open (from a window); "held" once open,
//                                  "released" after
//   cliptool drag X Y KIND [HEX]   shows a 100x100 source window at X,Y that starts a drag on a
//                                  click and prints "ready", then "effect N" when it ends. KIND:
//                                  text (CF_TEXT in a terminated block), block (no terminator),
//                                  stream (CF_TEXT only in a stream, handed whatever medium is
//                                  asked for), strict-stream (the same, refusing any other
//                                  medium), unicode (CF_UNICODETEXT alone, as Linux programs'
//                                  drags come; HEX is UTF-16LE) or files (a file list)
#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "HexBytes.h"
#include "OpenClipboard.h"

namespace {

void Say(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

unsigned long long Id(HWND h)
{
    return static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(h));
}

HWND NewWindow(WNDPROC proc, DWORD style, int x, int y, int cx, int cy)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = "cliptool";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(WS_EX_TOPMOST, "cliptool", "cliptool", style, x, y, cx, cy, nullptr, nullptr,
                             wc.hInstance, nullptr);
}

int Pump()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0;
}

// ---------------------------------------------------------------------------
// A well-behaved clipboard viewer that logs what it is told.
constexpr UINT WM_LEAVE_CHAIN = WM_APP + 1;
HWND g_hNext = nullptr;
bool g_joining = false, g_inChain = false;
DWORD g_hangMs = 0;

LRESULT CALLBACK ViewerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWCLIPBOARD:
        if (!g_joining) {
            Say("draw");
            if (g_hangMs) {
                ::Sleep(g_hangMs);
                g_hangMs = 0;
                Say("awake");
            }
        }
        if (g_hNext)
            ::SendMessageA(g_hNext, message, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN:
        Say("change %llx %llx", Id(reinterpret_cast<HWND>(wParam)), Id(reinterpret_cast<HWND>(lParam)));
        if (reinterpret_cast<HWND>(wParam) == g_hNext)
            g_hNext = reinterpret_cast<HWND>(lParam);
        else if (g_hNext)
            ::SendMessageA(g_hNext, message, wParam, lParam);
        return 0;
    case WM_LEAVE_CHAIN:
    case WM_CLOSE:
        if (g_inChain)
            ::ChangeClipboardChain(hWnd, g_hNext);
        g_inChain = false;
        if (message == WM_CLOSE)
            ::DestroyWindow(hWnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

int Viewer(DWORD hangMs)
{
    HWND hWnd = NewWindow(&ViewerProc, WS_OVERLAPPED, 0, 0, 10, 10);
    g_joining = true;
    g_hNext = ::SetClipboardViewer(hWnd);
    g_joining = false;
    g_inChain = true;
    g_hangMs = hangMs;
    Say("hwnd %llx", Id(hWnd));
    return Pump();
}

// ---------------------------------------------------------------------------
int Picture()
{
    HDC hdc = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdc, 8, 8);
    ::ReleaseDC(nullptr, hdc);
    if (!OpenClipboardPatiently())
        return 1;
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, hbm);
    ::CloseClipboard();
    return 0;
}

int Hold(DWORD seconds)
{
    // Only an owner window keeps other programs from opening the clipboard.
    HWND hWnd = NewWindow(&::DefWindowProcA, WS_OVERLAPPED, 0, 0, 10, 10);
    if (!OpenClipboardPatiently(hWnd))
        return 1;
    Say("held");
    ::Sleep(seconds * 1000);
    ::CloseClipboard();
    Say("released");
    return 0;
}

// ---------------------------------------------------------------------------
// The dragged data: one format in one medium.
class DataObject : public IDataObject {
public:
    DataObject(CLIPFORMAT cf, DWORD tymed, std::string bytes, bool bCareless)
        : m_fe{cf, nullptr, DVASPECT_CONTENT, -1, tymed}, m_bytes(std::move(bytes)), m_bCareless(bCareless) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown || riid == IID_IDataObject ? this : nullptr;
        if (!*ppv)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_cRef; }
    STDMETHODIMP_(ULONG) Release() override { return --m_cRef; } // lives on the stack of Drag
    STDMETHODIMP GetData(FORMATETC* pfe, STGMEDIUM* pm) override
    {
        if (pfe->cfFormat != m_fe.cfFormat)
            return DV_E_FORMATETC;
        *pm = STGMEDIUM{};
        if (m_fe.tymed == TYMED_ISTREAM) { // careless: whatever medium was asked for
            if (!m_bCareless && !(pfe->tymed & TYMED_ISTREAM))
                return DV_E_TYMED;
            pm->tymed = TYMED_ISTREAM;
            pm->pstm = ::SHCreateMemStream(reinterpret_cast<const BYTE*>(m_bytes.data()),
                                           static_cast<UINT>(m_bytes.size()));
            return S_OK;
        }
        if (!(pfe->tymed & TYMED_HGLOBAL))
            return DV_E_TYMED;
        pm->tymed = TYMED_HGLOBAL;
        pm->hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, m_bytes.size());
        std::memcpy(::GlobalLock(pm->hGlobal), m_bytes.data(), m_bytes.size());
        ::GlobalUnlock(pm->hGlobal);
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* pfe) override
    {
        return pfe->cfFormat == m_fe.cfFormat && (pfe->tymed & m_fe.tymed) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override
    {
        pOut->ptd = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD dir, IEnumFORMATETC** ppEnum) override
    {
        return dir == DATADIR_GET ? ::SHCreateStdEnumFmtEtc(1, &m_fe, ppEnum) : E_NOTIMPL;
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    FORMATETC m_fe;
    std::string m_bytes;
    bool m_bCareless;
    ULONG m_cRef = 1;
};

class DropSource : public IDropSource {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = riid == IID_IUnknown || riid == IID_IDropSource ? this : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP QueryContinueDrag(BOOL fEscape, DWORD keys) override
    {
        if (fEscape)
            return DRAGDROP_S_CANCEL;
        return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
    }
    STDMETHODIMP GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

DataObject* g_pDragData = nullptr;

LRESULT CALLBACK SourceProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) {
        DropSource source;
        DWORD effect = 0;
        ::DoDragDrop(g_pDragData, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
        Say("effect %lu", effect);
        ::DestroyWindow(hWnd);
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

int Drag(int x, int y, const std::string& kind, const char* hex)
{
    std::string text = BytesFromHex(hex);
    CLIPFORMAT cf = CF_TEXT;
    DWORD tymed = TYMED_HGLOBAL;
    if (kind == "text") {
        text.push_back('\0');
    } else if (kind == "unicode") {
        text.append(2, '\0');
        cf = CF_UNICODETEXT;
    } else if (kind == "stream" || kind == "strict-stream") {
        tymed = TYMED_ISTREAM;
        text.push_back('\0');
    } else if (kind == "files") {
        // One file, C:\dropped.txt, as a DROPFILES list of ANSI names.
        DROPFILES df{};
        df.pFiles = sizeof df;
        text.assign(reinterpret_cast<const char*>(&df), sizeof df);
        text.append("C:\\dropped.txt\0\0", 16);
        cf = CF_HDROP;
    } else if (kind != "block") {
        return 2;
    }
    if (FAILED(::OleInitialize(nullptr)))
        return 1;
    DataObject data(cf, tymed, text, kind == "stream");
    g_pDragData = &data;
    HWND hWnd = NewWindow(&SourceProc, WS_POPUP | WS_VISIBLE, x, y, 100, 100);
    ::UpdateWindow(hWnd);
    Say("ready");
    Pump();
    ::OleUninitialize();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string cmd = argv[1];
    if (cmd == "viewer")
        return Viewer(argc > 2 ? std::strtoul(argv[2], nullptr, 0) * 1000 : 0);
    if ((cmd == "leave" || cmd == "quit") && argc > 2) {
        HWND h = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[2], nullptr, 16)));
        return ::PostMessageA(h, cmd == "leave" ? WM_LEAVE_CHAIN : WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (cmd == "picture")
        return Picture();
    if (cmd == "hold" && argc > 2)
        return Hold(std::strtoul(argv[2], nullptr, 0));
    if (cmd == "drag" && argc > 4)
        return Drag(std::atoi(argv[2]), std::atoi(argv[3]), argv[4], argc > 5 ? argv[5] : "");
    return 2;
}
