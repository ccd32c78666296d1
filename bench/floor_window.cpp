// The floor for quelvan's start-up: the same window built in straight Win32
// code, with nothing of the program's own framework. It initialises OLE,
// reads the same settings (and saves them on close), creates the frame with
// quelvan's menu and accelerators, the view with a drop target, a toolbar
// with the same buttons and a font box in their place (filled with the same
// faces), and the status bar with its three panes; then it shows and paints
// the window, gives the bars the states and texts that quelvan's first
// idle-time update gives them, and runs a message loop.
// The start-up benchmark measures quelvan against it.
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <cstring>

namespace {

const UINT kButtons[] = {ID_FILE_NEW, 0, ID_EDIT_PASTE, ID_VIEW_CLIPWATCH, ID_VIEW_TOPMOST, 0,
                         ID_FONTBOX, 0, ID_PREV_CHAR, ID_NEXT_CHAR, ID_INPUT_TEXT};
constexpr int kFontBoxIndex = 6;
char g_szIni[MAX_PATH]; // beside the executable, like quelvan's

HWND g_hToolBar, g_hStatus, g_hView, g_hFontBox;

// The view takes dropped text like quelvan's: a drop target registered on it.
class DropTarget : public IDropTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDropTarget) {
            *ppv = this;
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* pdwEffect) override
    {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* pdwEffect) override
    {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD* pdwEffect) override
    {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
} g_dropTarget;

int CALLBACK AddFace(const LOGFONTA* plf, const TEXTMETRICA*, DWORD type, LPARAM lParam)
{
    if (type == TRUETYPE_FONTTYPE && plf->lfFaceName[0] != '@' && !(plf->lfPitchAndFamily & VARIABLE_PITCH)) {
        COMBOBOXEXITEMA item{};
        item.mask = CBEIF_TEXT;
        item.pszText = const_cast<char*>(plf->lfFaceName);
        ::SendMessageA(reinterpret_cast<HWND>(lParam), CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    return 1;
}

bool CreateToolBar(HWND hFrame, HINSTANCE hInstance)
{
    g_hToolBar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
                                   hFrame, reinterpret_cast<HMENU>(0xE800), hInstance, nullptr);
    if (!g_hToolBar)
        return false;
    ::SendMessageA(g_hToolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageA(g_hToolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    COLORMAP map{RGB(192, 192, 192), ::GetSysColor(COLOR_BTNFACE)};
    TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(::CreateMappedBitmap(hInstance, IDR_MAINFRAME, 0, &map, 1))};
    ::SendMessageA(g_hToolBar, TB_ADDBITMAP, 8, reinterpret_cast<LPARAM>(&add));
    TBBUTTON buttons[sizeof kButtons / sizeof kButtons[0]] = {};
    int image = 0;
    for (int i = 0; i < static_cast<int>(sizeof kButtons / sizeof kButtons[0]); ++i) {
        buttons[i].idCommand = static_cast<int>(kButtons[i]);
        buttons[i].fsStyle = kButtons[i] ? BTNS_BUTTON : BTNS_SEP;
        buttons[i].fsState = TBSTATE_ENABLED;
        if (kButtons[i])
            buttons[i].iBitmap = image++;
        if (i == kFontBoxIndex) { // a separator as wide as the font box, like quelvan's
            buttons[i].fsStyle = BTNS_SEP;
            buttons[i].iBitmap = 100;
        }
    }
    ::SendMessageA(g_hToolBar, TB_ADDBUTTONSA, sizeof kButtons / sizeof kButtons[0], reinterpret_cast<LPARAM>(buttons));
    RECT rc;
    ::SendMessageA(g_hToolBar, TB_GETITEMRECT, kFontBoxIndex, reinterpret_cast<LPARAM>(&rc));
    HWND hBox = g_hFontBox = ::CreateWindowExA(0, WC_COMBOBOXEXA, nullptr, WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, rc.left,
                                  rc.top + 1, 100, rc.bottom - rc.top + 200, g_hToolBar,
                                  reinterpret_cast<HMENU>(IDC_FONTBOX), hInstance, nullptr);
    if (!hBox)
        return false;
    LOGFONTA lf{};
    lf.lfCharSet = SHIFTJIS_CHARSET;
    HDC hdc = ::GetDC(hFrame);
    ::EnumFontFamiliesExA(hdc, &lf, reinterpret_cast<FONTENUMPROCA>(&AddFace), reinterpret_cast<LPARAM>(hBox), 0);
    ::ReleaseDC(hFrame, hdc);
    ::SendMessageA(hBox, CB_SETCURSEL, ::GetPrivateProfileIntA("settings", "ffcomboindex", 0, g_szIni), 0);
    return true;
}

bool CreateStatusBar(HWND hFrame, HINSTANCE hInstance)
{
    g_hStatus = ::CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                  hFrame, reinterpret_cast<HMENU>(0xE801), hInstance, nullptr);
    if (!g_hStatus)
        return false;
    const int parts[] = {150, 250, 330, -1};
    ::SendMessageA(g_hStatus, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    char text[64];
    ::LoadStringA(hInstance, ID_INDICATOR_POS, text, sizeof text);
    ::SendMessageA(g_hStatus, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    ::LoadStringA(hInstance, ID_INDICATOR_CODE, text, sizeof text);
    ::SendMessageA(g_hStatus, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(text));
    ::LoadStringA(hInstance, ID_INDICATOR_UNICODE, text, sizeof text);
    ::SendMessageA(g_hStatus, SB_SETTEXTA, 3, reinterpret_cast<LPARAM>(text));
    return true;
}

void Layout(HWND hFrame)
{
    RECT client, bar, status;
    ::GetClientRect(hFrame, &client);
    ::SendMessageA(g_hToolBar, TB_AUTOSIZE, 0, 0);
    ::SendMessageA(g_hStatus, WM_SIZE, 0, 0);
    ::GetWindowRect(g_hToolBar, &bar);
    ::GetWindowRect(g_hStatus, &status);
    const int top = bar.bottom - bar.top;
    ::MoveWindow(g_hView, 0, top, client.right, client.bottom - top - (status.bottom - status.top), TRUE);
}

// What quelvan's first idle-time update shows: the idle text, an empty text's
// position and code, the buttons' enabled and latched states.
void ShowFirstStates(HINSTANCE hInstance)
{
    char text[64];
    ::LoadStringA(hInstance, 57345 /* AFX_IDS_IDLEMESSAGE */, text, sizeof text);
    ::SendMessageA(g_hStatus, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text));
    ::SendMessageA(g_hStatus, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>("  1 /   0"));
    ::SendMessageA(g_hStatus, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>("SJIS :"));
    ::SendMessageA(g_hToolBar, TB_ENABLEBUTTON, ID_EDIT_PASTE, ::IsClipboardFormatAvailable(CF_TEXT));
    ::SendMessageA(g_hToolBar, TB_ENABLEBUTTON, ID_PREV_CHAR, FALSE);
    ::SendMessageA(g_hToolBar, TB_ENABLEBUTTON, ID_NEXT_CHAR, FALSE);
    ::SendMessageA(g_hToolBar, TB_CHECKBUTTON, ID_VIEW_CLIPWATCH, FALSE);
    ::SendMessageA(g_hToolBar, TB_CHECKBUTTON, ID_VIEW_TOPMOST, FALSE);
}

LRESULT CALLBACK FrameProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        HINSTANCE hInstance = reinterpret_cast<LPCREATESTRUCTA>(lParam)->hInstance;
        ::SendMessageA(hWnd, WM_SETICON, ICON_SMALL,
                       reinterpret_cast<LPARAM>(::LoadImageA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                             ::GetSystemMetrics(SM_CXSMICON),
                                                             ::GetSystemMetrics(SM_CYSMICON), 0)));
        g_hView = ::CreateWindowExA(WS_EX_CLIENTEDGE, "FloorView", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hWnd,
                                    reinterpret_cast<HMENU>(0xE900), hInstance, nullptr);
        if (!g_hView)
            return -1;
        ::RegisterDragDrop(g_hView, &g_dropTarget);
        return CreateToolBar(hWnd, hInstance) && CreateStatusBar(hWnd, hInstance) ? 0 : -1;
    }
    case WM_SIZE:
        Layout(hWnd);
        return 0;
    case WM_DESTROY: { // the same settings as quelvan saves
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        if (::GetWindowPlacement(hWnd, &wp))
            ::WritePrivateProfileStructA("settings", "wp", &wp, sizeof wp, g_szIni);
        ::WritePrivateProfileStringA("settings", "flags", "0", g_szIni);
        char index[16];
        ::wsprintfA(index, "%d", static_cast<int>(::SendMessageA(g_hFontBox, CB_GETCURSEL, 0, 0)));
        ::WritePrivateProfileStringA("settings", "ffcomboindex", index, g_szIni);
        ::RevokeDragDrop(g_hView);
        ::PostQuitMessage(0);
        return 0;
    }
    default:
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    ::GetModuleFileNameA(nullptr, g_szIni, sizeof g_szIni - 4);
    if (char* dot = std::strrchr(g_szIni, '.'))
        ::lstrcpyA(dot, ".ini");
    if (FAILED(::OleInitialize(nullptr)))
        return 1;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_USEREX_CLASSES};
    ::InitCommonControlsEx(&icc);

    WNDCLASSA wc{};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = hInstance;
    wc.hIcon = ::LoadIconA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.lpszClassName = "FloorFrame";
    WNDCLASSA view{};
    view.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    view.lpfnWndProc = ::DefWindowProcA;
    view.hInstance = hInstance;
    view.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    view.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    view.lpszClassName = "FloorView";
    if (!::RegisterClassA(&wc) || !::RegisterClassA(&view))
        return 1;

    const int flags = static_cast<int>(::GetPrivateProfileIntA("settings", "flags", 0, g_szIni));
    HWND hWnd = ::CreateWindowExA(flags & 2 ? WS_EX_TOPMOST : 0, "FloorFrame", "quelvan", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 400, 400, nullptr,
                                  ::LoadMenuA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME)), hInstance, nullptr);
    if (!hWnd)
        return 1;
    WINDOWPLACEMENT wp{};
    if (::GetPrivateProfileStructA("settings", "wp", &wp, sizeof wp, g_szIni)) {
        wp.length = sizeof wp;
        wp.showCmd &= ~2u;
        ::SetWindowPlacement(hWnd, &wp);
    }
    HACCEL hAccel = ::LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ::ShowWindow(hWnd, SW_SHOW);
    ::UpdateWindow(hWnd);
    ShowFirstStates(hInstance);

    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!::TranslateAcceleratorA(hWnd, hAccel, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    ::OleUninitialize();
    return static_cast<int>(msg.wParam);
}
