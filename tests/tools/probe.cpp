// probe: looks at and drives a running quelvan from outside, for the
// black-box tests. Run under Wine in the same prefix. With PROBE_EXE set to a
// Windows path, only the windows of processes running that executable count.
//   probe count                  number of quelvan main windows
//   probe view-rect              screen rectangle of the view's client area: x y w h
//   probe frame-rect             screen rectangle of the main window: x y w h
//   probe command ID             posts the command id to the main window
//   probe close                  posts WM_CLOSE to the main window
//   probe close-all              posts WM_CLOSE to every main window
//   probe dialog-rect            screen rectangle of the dialog the main window owns
//   probe dialog                 title of the dialog the main window owns (hex), or "none"
//   probe status N               text of status pane N (hex)
//   probe toolbar-rect           screen rectangle of the toolbar: x y w h
//   probe item-rect N            screen rectangle of toolbar item N: x y w h
//   probe fontbox-rect           screen rectangle of the font box: x y w h (status-rect: the status bar's)
//   probe float-rect             screen rectangle of the floating toolbar's window, or "none"
//   probe client-rect            screen rectangle of the main window's client area: x y w h
//   probe tooltip                text of the visible tooltip (hex), or "none"
//   probe ids                    the toolbar's item ids, in order
//   probe button ID              "enabled" or "disabled": the toolbar button of command ID
//   probe clip-set HEX [LCID]    puts these bytes on the clipboard as CF_TEXT (with LCID, and
//                                CF_LOCALE holding it, as a copy made with that keyboard layout)
//   probe clip-get               prints the clipboard's CF_TEXT as hex, or "none"
//   probe clip-set-unicode HEX   the same in CF_UNICODETEXT (HEX: UTF-16LE bytes)
//   probe clip-get-unicode
//   probe clip-picture DIR       the clipboard's pictures: its enhanced metafile played at its frame's size
//                                on white into DIR/emf.bmp, "emf W H TEXTRECORDS"; its CF_DIB as DIR/dib.bmp,
//                                "dib W H"; "none" for a form it lacks
//   probe exstyle                the main window's extended style, in hex
//   probe fontbox-sel            the font box's selected position (-1 for none)
//   probe fontbox-wheel D X Y    posts a wheel turn of D at screen point X Y to the font box's
//                                combo box, as Windows sends the wheel to the focus
//   probe show N                 ShowWindow(main window, N)
//   probe faces                  the faces the font box should list, from the system's own enumeration
//                                (UTF-16LE hex, one a line); probe fontbox-faces: what it lists
//   probe status-unicode N | tooltip-unicode | title-unicode | dialog-unicode: those texts read
//                                in Unicode (UTF-16LE hex)
//   probe dialog-type-unicode HEX  sets the input dialog's text in Unicode and presses OK
//   probe acc-name               the view's accessible name as a screen reader reads it (hex), or "none"
//   probe acc-events N           after "ready", the name at each of the view's next N name changes
//   probe dpi N X Y W H [float]  sends WM_DPICHANGED for N DPI with that suggested rectangle to the main
//                                window (or the floating toolbar's), as the system does on a move to
//                                another screen
//   probe kill [MS]              ends the program at once (TerminateProcess): no window is destroyed;
//                                with MS, posts WM_CLOSE first and ends it MS ms later
//   probe hold FILE MS [delete]  holds FILE open for MS ms as an indexer does (reading, sharing read and
//                                write, and delete if asked); prints "held" once it has the file
//   probe hook DLL               installs winhook.dll's hooks for every program of the prefix, says
//                                "ready" and keeps them until it is ended
#include <windows.h>

#include <commctrl.h>
#include <initguid.h> // oleacc's import library names IID_IAccessible too: a thunk, not the GUID
#include <oleacc.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "HexBytes.h"
#include "OpenClipboard.h"

namespace {

constexpr int kPaneId = 0xE900; // the view's child id

bool RunsWantedExe(HWND hWnd)
{
    const char* wanted = std::getenv("PROBE_EXE");
    if (!wanted || !*wanted)
        return true;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    HANDLE hProcess = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    char path[MAX_PATH] = {};
    DWORD size = sizeof path;
    const bool ok = hProcess && ::QueryFullProcessImageNameA(hProcess, 0, path, &size);
    if (hProcess)
        ::CloseHandle(hProcess);
    return ok && _stricmp(path, wanted) == 0;
}

BOOL CALLBACK CollectFrame(HWND hWnd, LPARAM lParam)
{
    char title[32] = {}, cls[16] = {};
    ::GetWindowTextA(hWnd, title, sizeof title);
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (std::strcmp(title, "quelvan") == 0 && std::strncmp(cls, "Afx:", 4) == 0 && RunsWantedExe(hWnd))
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

std::vector<HWND> Frames()
{
    std::vector<HWND> frames;
    ::EnumWindows(&CollectFrame, reinterpret_cast<LPARAM>(&frames));
    return frames;
}

HWND Frame()
{
    std::vector<HWND> frames = Frames();
    return frames.empty() ? nullptr : frames.front();
}

void PrintRect(RECT r)
{
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The cb bytes at text (up to its terminator when cb is not given), in hex.
void PrintHex(const char* text, size_t cb = std::string::npos)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    for (size_t i = 0; i < cb && (cb != std::string::npos || p[i]); ++i)
        std::printf("%02x", p[i]);
    std::printf("\n");
}

// A Unicode text as its UTF-16LE bytes, in hex.
void PrintHexW(const wchar_t* text)
{
    PrintHex(reinterpret_cast<const char*>(text), 2 * std::wcslen(text));
}

// Faces as the font box should list them, from this process's own enumeration:
// TrueType alone, no '@' vertical variant, not proportional; the last on top.
int CALLBACK CollectFace(const LOGFONTW* plf, const TEXTMETRICW*, DWORD type, LPARAM lParam)
{
    if (type == TRUETYPE_FONTTYPE && plf->lfFaceName[0] != L'@' && !(plf->lfPitchAndFamily & VARIABLE_PITCH))
        reinterpret_cast<std::vector<std::wstring>*>(lParam)->insert(
            reinterpret_cast<std::vector<std::wstring>*>(lParam)->begin(), plf->lfFaceName);
    return 1;
}

// Memory in the window's own process, for messages whose pointers are not
// carried across processes.
class RemoteBuffer {
public:
    RemoteBuffer(HWND hWnd, size_t size) : m_size(size)
    {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hWnd, &pid);
        m_hProcess = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        m_p = ::VirtualAllocEx(m_hProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer()
    {
        ::VirtualFreeEx(m_hProcess, m_p, 0, MEM_RELEASE);
        ::CloseHandle(m_hProcess);
    }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(m_p); }
    void Read(void* out) const { ::ReadProcessMemory(m_hProcess, m_p, out, m_size, nullptr); }
    void Write(const void* in) const { ::WriteProcessMemory(m_hProcess, m_p, in, m_size, nullptr); }

private:
    HANDLE m_hProcess;
    void* m_p;
    size_t m_size;
};

struct Found {
    const char* cls;
    int id;
    HWND hWnd;
};

BOOL CALLBACK FindChild(HWND hWnd, LPARAM lParam)
{
    Found* f = reinterpret_cast<Found*>(lParam);
    char cls[64] = {};
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (_stricmp(cls, f->cls) == 0 && (f->id < 0 || ::GetDlgCtrlID(hWnd) == f->id)) {
        f->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindInTopLevel(HWND hWnd, LPARAM lParam)
{
    Found* f = reinterpret_cast<Found*>(lParam);
    ::EnumChildWindows(hWnd, &FindChild, lParam);
    return f->hWnd == nullptr;
}

// A window of the program's thread, docked or floating: class and child id.
HWND FindProgramWindow(HWND hFrame, const char* cls, int id)
{
    Found f{cls, id, nullptr};
    ::EnumThreadWindows(::GetWindowThreadProcessId(hFrame, nullptr), &FindInTopLevel, reinterpret_cast<LPARAM>(&f));
    return f.hWnd;
}

// The visible dialog the main window owns, or null.
HWND OwnedDialog(HWND hFrame)
{
    HWND hDlg = nullptr;
    while ((hDlg = ::FindWindowExA(nullptr, hDlg, reinterpret_cast<LPCSTR>(32770), nullptr)) != nullptr) {
        if (::GetWindow(hDlg, GW_OWNER) == hFrame && ::IsWindowVisible(hDlg))
            return hDlg;
    }
    return nullptr;
}

HWND FloatingWindow(HWND hFrame)
{
    HWND hBar = FindProgramWindow(hFrame, TOOLBARCLASSNAMEA, 0xE800);
    HWND hParent = hBar ? ::GetParent(hBar) : nullptr;
    return hParent && hParent != hFrame && ::IsWindowVisible(hParent) ? hParent : nullptr;
}

BOOL CALLBACK FindTooltip(HWND hWnd, LPARAM lParam)
{
    char cls[64] = {};
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (_stricmp(cls, TOOLTIPS_CLASSA) == 0 && ::IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The format named by a command's ending: "-unicode" for CF_UNICODETEXT.
UINT TextFormat(const std::string& cmd)
{
    return cmd.size() > 8 && cmd.compare(cmd.size() - 8, 8, "-unicode") == 0 ? CF_UNICODETEXT : CF_TEXT;
}

int SetClipboard(const char* hex, UINT format, const char* lcid)
{
    const std::string bytes = BytesFromHex(hex) + std::string(2, '\0'); // terminated in either format
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(::GlobalLock(h), bytes.data(), bytes.size());
    ::GlobalUnlock(h);
    if (!OpenClipboardPatiently())
        return 1;
    ::EmptyClipboard();
    ::SetClipboardData(format, h);
    if (lcid) {
        HGLOBAL hLocale = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(LCID));
        *static_cast<LCID*>(::GlobalLock(hLocale)) = std::strtoul(lcid, nullptr, 16);
        ::GlobalUnlock(hLocale);
        ::SetClipboardData(CF_LOCALE, hLocale);
    }
    ::CloseClipboard();
    return 0;
}

int GetClipboard(UINT format)
{
    if (!OpenClipboardPatiently())
        return 1;
    HANDLE h = ::GetClipboardData(format);
    const char* p = h ? static_cast<const char*>(::GlobalLock(h)) : nullptr;
    if (!p) {
        std::printf("none\n");
    } else {
        const size_t cb = format == CF_UNICODETEXT ? 2 * std::wcslen(reinterpret_cast<const wchar_t*>(p)) : std::strlen(p);
        PrintHex(p, cb);
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return 0;
}

// A DIB (its header, then its bits) as a .bmp file.
void WriteBmp(const std::string& path, const BITMAPINFOHEADER& h, const void* bits)
{
    const DWORD cbBits = static_cast<DWORD>((h.biWidth * h.biBitCount / 8 + 3) & ~3) * static_cast<DWORD>(std::abs(h.biHeight));
    BITMAPFILEHEADER f{0x4D42, static_cast<DWORD>(sizeof f + sizeof h + cbBits), 0, 0, static_cast<DWORD>(sizeof f + sizeof h)};
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(&f, sizeof f, 1, out);
    std::fwrite(&h, sizeof h, 1, out);
    std::fwrite(bits, cbBits, 1, out);
    std::fclose(out);
}

int CALLBACK CountTextRecord(HDC, HANDLETABLE*, const ENHMETARECORD* r, int, LPARAM n)
{
    const DWORD type = r->iType;
    *reinterpret_cast<int*>(n) += type == EMR_EXTTEXTOUTW || type == EMR_EXTTEXTOUTA || type == 108 /* EMR_SMALLTEXTOUT */ ||
                                  type == EMR_POLYTEXTOUTA || type == EMR_POLYTEXTOUTW;
    return 1;
}

int GetClipboardPictures(const std::string& dir)
{
    if (!OpenClipboardPatiently())
        return 1;
    if (HENHMETAFILE hMeta = static_cast<HENHMETAFILE>(::GetClipboardData(CF_ENHMETAFILE))) {
        ENHMETAHEADER mh{};
        ::GetEnhMetaFileHeader(hMeta, sizeof mh, &mh);
        const int w = ::MulDiv(mh.rclFrame.right - mh.rclFrame.left, mh.szlDevice.cx, 100 * mh.szlMillimeters.cx);
        const int h = ::MulDiv(mh.rclFrame.bottom - mh.rclFrame.top, mh.szlDevice.cy, 100 * mh.szlMillimeters.cy);
        int text = 0;
        ::EnumEnhMetaFile(nullptr, hMeta, &CountTextRecord, &text, nullptr);
        BITMAPINFO bi{{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};
        void* bits = nullptr;
        HDC hdc = ::CreateCompatibleDC(nullptr);
        HBITMAP hbm = ::CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        ::SelectObject(hdc, hbm);
        RECT rc{0, 0, w, h};
        ::FillRect(hdc, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::PlayEnhMetaFile(hdc, hMeta, &rc);
        ::GdiFlush();
        WriteBmp(dir + "/emf.bmp", bi.bmiHeader, bits);
        std::printf("emf %d %d %d\n", w, h, text);
    } else {
        std::printf("none\n");
    }
    HANDLE hDib = ::GetClipboardData(CF_DIB);
    if (const auto* dib = hDib ? static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDib)) : nullptr) {
        WriteBmp(dir + "/dib.bmp", *dib, dib + 1);
        std::printf("dib %ld %ld\n", dib->biWidth, dib->biHeight);
        ::GlobalUnlock(hDib);
    } else {
        std::printf("none\n");
    }
    ::CloseClipboard();
    return 0;
}

// The view's accessible name as a screen reader reads it (hex), or "none".
void PrintAccessibleName(HWND hView)
{
    IAccessible* acc = nullptr;
    BSTR name = nullptr;
    VARIANT self{};
    self.vt = VT_I4; // CHILDID_SELF
    if (SUCCEEDED(::AccessibleObjectFromWindow(hView, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&acc))) &&
        acc->get_accName(self, &name) == S_OK && name)
        PrintHexW(name);
    else
        std::printf("none\n");
    ::SysFreeString(name);
    if (acc)
        acc->Release();
}

int g_nEvents = 0; // name changes still awaited
void CALLBACK OnNameChange(HWINEVENTHOOK, DWORD, HWND hWnd, LONG idObject, LONG, DWORD, DWORD)
{
    if (::GetDlgCtrlID(hWnd) == kPaneId && idObject == OBJID_CLIENT && g_nEvents-- > 0)
        PrintAccessibleName(hWnd);
}

// WM_DPICHANGED as the system sends it. Its rectangle's pointer is passed
// to the other process as it is, so the rectangle lies at the same address in
// both processes.
int SendDpiChanged(HWND hWnd, int dpi, RECT rc)
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    HANDLE hProcess = hWnd ? ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid) : nullptr;
    void* remote = hProcess ? ::VirtualAllocEx(hProcess, nullptr, sizeof rc, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                            : nullptr;
    auto* local = static_cast<RECT*>(remote ? ::VirtualAlloc(remote, sizeof rc, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                                            : nullptr);
    if (!local || local != remote)
        return 1;
    *local = rc;
    ::WriteProcessMemory(hProcess, remote, &rc, sizeof rc, nullptr);
    ::SendMessageA(hWnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote));
    ::VirtualFreeEx(hProcess, remote, 0, MEM_RELEASE);
    ::CloseHandle(hProcess);
    return 0;
}

int RunHooks(const char* dll)
{
    HMODULE hDll = ::LoadLibraryA(dll);
    const auto proc = [hDll](const char* name) {
        return reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(hDll, name)));
    };
    if (!hDll || !::SetWindowsHookExW(WH_GETMESSAGE, proc("GetMsgHook"), hDll, 0) ||
        !::SetWindowsHookExW(WH_CALLWNDPROCRET, proc("CallWndRetHook"), hDll, 0))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string cmd = argv[1];
    if (cmd == "count") {
        std::printf("%u\n", static_cast<unsigned>(Frames().size()));
        return 0;
    }
    if (cmd == "close-all") {
        for (HWND h : Frames())
            ::PostMessageA(h, WM_CLOSE, 0, 0);
        return 0;
    }
    if ((cmd == "clip-set" || cmd == "clip-set-unicode") && argc > 2)
        return SetClipboard(argv[2], TextFormat(cmd), argc > 3 ? argv[3] : nullptr);
    if (cmd == "clip-get" || cmd == "clip-get-unicode")
        return GetClipboard(TextFormat(cmd));
    if (cmd == "clip-picture" && argc > 2)
        return GetClipboardPictures(argv[2]);
    if (cmd == "hold" && argc > 3) {
        const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | (argc > 4 ? FILE_SHARE_DELETE : 0);
        const HANDLE hFile = ::CreateFileA(argv[2], GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
        if (hFile == INVALID_HANDLE_VALUE)
            return 1;
        std::printf("held\n");
        std::fflush(stdout);
        ::Sleep(static_cast<DWORD>(std::atoi(argv[3])));
        ::CloseHandle(hFile);
        return 0;
    }
    if (cmd == "hook" && argc > 2)
        return RunHooks(argv[2]);
    if (cmd == "faces") {
        std::vector<std::wstring> faces;
        LOGFONTW lf{};
        lf.lfCharSet = SHIFTJIS_CHARSET;
        HDC hdc = ::GetDC(nullptr);
        ::EnumFontFamiliesExW(hdc, &lf, reinterpret_cast<FONTENUMPROCW>(&CollectFace), reinterpret_cast<LPARAM>(&faces), 0);
        ::ReleaseDC(nullptr, hdc);
        for (const std::wstring& face : faces)
            PrintHexW(face.c_str());
        return 0;
    }

    HWND hFrame = Frame();
    if (!hFrame) {
        std::fprintf(stderr, "probe: no quelvan window\n");
        return 1;
    }
    if (cmd == "frame-rect") {
        RECT r;
        ::GetWindowRect(hFrame, &r);
        PrintRect(r);
    } else if (cmd == "view-rect") {
        HWND hView = ::GetDlgItem(hFrame, kPaneId);
        RECT r;
        ::GetClientRect(hView, &r);
        ::MapWindowPoints(hView, nullptr, reinterpret_cast<POINT*>(&r), 2);
        PrintRect(r);
    } else if (cmd == "command" && argc > 2) {
        ::PostMessageA(hFrame, WM_COMMAND, std::strtoul(argv[2], nullptr, 0), 0);
    } else if (cmd == "dialog" || cmd == "dialog-rect") {
        HWND hDlg = OwnedDialog(hFrame);
        char title[128] = {};
        RECT r{};
        if (hDlg) {
            ::GetWindowTextA(hDlg, title, sizeof title);
            ::GetWindowRect(hDlg, &r);
        }
        if (cmd == "dialog-rect")
            PrintRect(r);
        else if (!hDlg)
            std::printf("none\n");
        else if (cmd == "dialog")
            PrintHex(title);
    } else if (cmd == "dialog-unicode" || cmd == "dialog-type-unicode") {
        HWND hDlg = OwnedDialog(hFrame);
        if (!hDlg)
            return 1;
        if (cmd == "dialog-unicode") {
            wchar_t title[128] = {};
            ::GetWindowTextW(hDlg, title, 128);
            PrintHexW(title);
        } else if (argc > 2) { // types the text and presses OK
            const std::string bytes = BytesFromHex(argv[2]) + std::string(2, '\0');
            ::SendMessageW(::GetDlgItem(hDlg, 1000), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.data()));
            ::PostMessageW(hDlg, WM_COMMAND, IDOK, 0);
        }
    } else if (cmd == "title-unicode") {
        wchar_t title[128] = {};
        ::GetWindowTextW(hFrame, title, 128);
        PrintHexW(title);
    } else if (cmd == "status" && argc > 2) {
        HWND hBar = ::GetDlgItem(hFrame, 0xE801);
        char text[512] = {};
        RemoteBuffer remote(hBar, sizeof text);
        ::SendMessageA(hBar, SB_GETTEXTA, std::strtoul(argv[2], nullptr, 0), remote.Address());
        remote.Read(text);
        text[sizeof text - 1] = 0;
        PrintHex(text);
    } else if (cmd == "status-unicode" && argc > 2) {
        HWND hBar = ::GetDlgItem(hFrame, 0xE801);
        wchar_t text[512] = {};
        RemoteBuffer remote(hBar, sizeof text);
        ::SendMessageW(hBar, SB_GETTEXTW, std::strtoul(argv[2], nullptr, 0), remote.Address());
        remote.Read(text);
        text[511] = 0;
        PrintHexW(text);
    } else if (cmd == "fontbox-faces") {
        HWND hBox = FindProgramWindow(hFrame, WC_COMBOBOXEXA, 101);
        struct Item {
            COMBOBOXEXITEMW item;
            wchar_t text[64];
        } got{};
        const int count = static_cast<int>(::SendMessageW(hBox, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            RemoteBuffer remote(hBox, sizeof got);
            Item asked{};
            asked.item.mask = CBEIF_TEXT;
            asked.item.iItem = i;
            asked.item.pszText = reinterpret_cast<wchar_t*>(remote.Address() + offsetof(Item, text));
            asked.item.cchTextMax = 64;
            remote.Write(&asked);
            ::SendMessageW(hBox, CBEM_GETITEMW, 0, remote.Address());
            remote.Read(&got);
            got.text[63] = 0;
            PrintHexW(got.text);
        }
    } else if (cmd == "toolbar-rect" || cmd == "fontbox-rect" || cmd == "status-rect") {
        HWND h = cmd == "toolbar-rect"   ? FindProgramWindow(hFrame, TOOLBARCLASSNAMEA, 0xE800)
                 : cmd == "status-rect" ? ::GetDlgItem(hFrame, 0xE801)
                                        : FindProgramWindow(hFrame, WC_COMBOBOXEXA, 101);
        RECT r{};
        ::GetWindowRect(h, &r);
        PrintRect(r);
    } else if (cmd == "item-rect" && argc > 2) {
        HWND hBar = FindProgramWindow(hFrame, TOOLBARCLASSNAMEA, 0xE800);
        RECT r{};
        RemoteBuffer remote(hBar, sizeof r);
        ::SendMessageA(hBar, TB_GETITEMRECT, std::strtoul(argv[2], nullptr, 0), remote.Address());
        remote.Read(&r);
        ::MapWindowPoints(hBar, nullptr, reinterpret_cast<POINT*>(&r), 2);
        PrintRect(r);
    } else if (cmd == "ids") {
        HWND hBar = FindProgramWindow(hFrame, TOOLBARCLASSNAMEA, 0xE800);
        const int count = static_cast<int>(::SendMessageA(hBar, TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            TBBUTTON b{};
            RemoteBuffer remote(hBar, sizeof b);
            ::SendMessageA(hBar, TB_GETBUTTON, static_cast<WPARAM>(i), remote.Address());
            remote.Read(&b);
            std::printf("%s%d", i ? " " : "", b.idCommand);
        }
        std::printf("\n");
    } else if (cmd == "button" && argc > 2) {
        HWND hBar = FindProgramWindow(hFrame, TOOLBARCLASSNAMEA, 0xE800);
        const LRESULT state = ::SendMessageA(hBar, TB_GETSTATE, std::strtoul(argv[2], nullptr, 0), 0);
        std::printf("%s\n", state >= 0 && (state & TBSTATE_ENABLED) ? "enabled" : "disabled");
    } else if (cmd == "float-rect") {
        HWND hFloat = FloatingWindow(hFrame);
        if (!hFloat) {
            std::printf("none\n");
        } else {
            RECT r;
            ::GetWindowRect(hFloat, &r);
            PrintRect(r);
        }
    } else if (cmd == "client-rect") {
        RECT r;
        ::GetClientRect(hFrame, &r);
        ::MapWindowPoints(hFrame, nullptr, reinterpret_cast<POINT*>(&r), 2);
        PrintRect(r);
    } else if (cmd == "tooltip-unicode") {
        HWND hTip = nullptr;
        ::EnumThreadWindows(::GetWindowThreadProcessId(hFrame, nullptr), &FindTooltip, reinterpret_cast<LPARAM>(&hTip));
        wchar_t text[256] = {};
        if (!hTip)
            return 1;
        ::SendMessageW(hTip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
        PrintHexW(text);
    } else if (cmd == "tooltip") {
        HWND hTip = nullptr;
        ::EnumThreadWindows(::GetWindowThreadProcessId(hFrame, nullptr), &FindTooltip, reinterpret_cast<LPARAM>(&hTip));
        char text[256] = {};
        if (!hTip) {
            std::printf("none\n");
        } else {
            ::SendMessageA(hTip, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
            PrintHex(text);
        }
    } else if (cmd == "close") {
        ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
    } else if (cmd == "exstyle") {
        std::printf("%lx\n", static_cast<unsigned long>(::GetWindowLongA(hFrame, GWL_EXSTYLE)));
    } else if (cmd == "fontbox-sel") {
        HWND hBox = FindProgramWindow(hFrame, WC_COMBOBOXEXA, 101);
        std::printf("%d\n", static_cast<int>(::SendMessageA(hBox, CB_GETCURSEL, 0, 0)));
    } else if (cmd == "fontbox-wheel" && argc > 4) {
        HWND hBox = FindProgramWindow(hFrame, WC_COMBOBOXEXA, 101);
        ::PostMessageA(reinterpret_cast<HWND>(::SendMessageA(hBox, CBEM_GETCOMBOCONTROL, 0, 0)), WM_MOUSEWHEEL,
                       MAKEWPARAM(0, std::atoi(argv[2])), MAKELPARAM(std::atoi(argv[3]), std::atoi(argv[4])));
    } else if (cmd == "show" && argc > 2) {
        ::ShowWindow(hFrame, std::atoi(argv[2]));
    } else if (cmd == "acc-name" || cmd == "acc-events") {
        ::OleInitialize(nullptr);
        if (cmd == "acc-name" || argc < 3) {
            PrintAccessibleName(::GetDlgItem(hFrame, kPaneId));
            return 0;
        }
        std::setvbuf(stdout, nullptr, _IONBF, 0);
        g_nEvents = std::atoi(argv[2]);
        DWORD pid = 0; // an out-of-context hook on the program's process
        ::GetWindowThreadProcessId(hFrame, &pid);
        ::SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &OnNameChange, pid, 0,
                          WINEVENT_OUTOFCONTEXT);
        std::printf("ready\n");
        MSG msg; // the hook is called while the queue is read
        while (g_nEvents > 0 && ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0)
            ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        return g_nEvents > 0;
    } else if (cmd == "dpi" && argc > 6) {
        return SendDpiChanged(argc > 7 ? FloatingWindow(hFrame) : hFrame, std::atoi(argv[2]),
                              RECT{std::atol(argv[3]), std::atol(argv[4]), std::atol(argv[3]) + std::atol(argv[5]),
                                   std::atol(argv[4]) + std::atol(argv[6])});
    } else if (cmd == "kill") {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hFrame, &pid);
        HANDLE hProcess = ::OpenProcess(PROCESS_TERMINATE, FALSE, pid);
        if (hProcess && argc > 2) {
            ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
            ::Sleep(static_cast<DWORD>(std::atoi(argv[2])));
        }
        if (!hProcess || !::TerminateProcess(hProcess, 9))
            return 1;
        ::CloseHandle(hProcess);
    } else {
        return 2;
    }
    return 0;
}
