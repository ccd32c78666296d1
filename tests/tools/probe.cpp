// probe: looks at and drives a running quelvan from outside, for the
// black-box tests. Run under Wine in the same prefix:
//   probe count                  number of quelvan main windows
//   probe view-rect              screen rectangle of the view's client area: x y w h
//   probe frame-rect             screen rectangle of the main window: x y w h
//   probe command ID             posts the command id to the main window
//   probe close                  posts WM_CLOSE to the main window
//   probe dialog                 title of the dialog the main window owns (hex), or "none"
//   probe clip-set HEX           puts these bytes on the clipboard as CF_TEXT
//   probe clip-get               prints the clipboard's CF_TEXT as hex, or "none"
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kPaneId = 0xE900; // the view's child id

BOOL CALLBACK CollectFrame(HWND hWnd, LPARAM lParam)
{
    char title[32] = {}, cls[16] = {};
    ::GetWindowTextA(hWnd, title, sizeof title);
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (std::strcmp(title, "quelvan") == 0 && std::strncmp(cls, "Afx:", 4) == 0)
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

int SetClipboard(const char* hex)
{
    std::string bytes;
    for (size_t i = 0; hex[i] && hex[i + 1]; i += 2) {
        char pair[3] = {hex[i], hex[i + 1], 0};
        bytes.push_back(static_cast<char>(std::strtoul(pair, nullptr, 16)));
    }
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
    char* p = static_cast<char*>(::GlobalLock(h));
    std::memcpy(p, bytes.c_str(), bytes.size() + 1);
    ::GlobalUnlock(h);
    if (!::OpenClipboard(nullptr))
        return 1;
    ::EmptyClipboard();
    ::SetClipboardData(CF_TEXT, h);
    ::CloseClipboard();
    return 0;
}

int GetClipboard()
{
    if (!::OpenClipboard(nullptr))
        return 1;
    HANDLE h = ::GetClipboardData(CF_TEXT);
    const unsigned char* p = h ? static_cast<const unsigned char*>(::GlobalLock(h)) : nullptr;
    if (!p) {
        std::printf("none\n");
    } else {
        for (; *p; ++p)
            std::printf("%02x", *p);
        std::printf("\n");
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
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
    if (cmd == "clip-set" && argc > 2)
        return SetClipboard(argv[2]);
    if (cmd == "clip-get")
        return GetClipboard();

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
    } else if (cmd == "dialog") {
        HWND hDlg = nullptr;
        while ((hDlg = ::FindWindowExA(nullptr, hDlg, reinterpret_cast<LPCSTR>(32770), nullptr)) != nullptr) {
            if (::GetWindow(hDlg, GW_OWNER) == hFrame && ::IsWindowVisible(hDlg))
                break;
        }
        char title[128] = {};
        if (hDlg)
            ::GetWindowTextA(hDlg, title, sizeof title);
        if (!hDlg)
            std::printf("none");
        for (const unsigned char* p = reinterpret_cast<unsigned char*>(title); *p; ++p)
            std::printf("%02x", *p);
        std::printf("\n");
    } else if (cmd == "close") {
        ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
    } else {
        return 2;
    }
    return 0;
}
