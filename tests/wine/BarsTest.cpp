// The toolbar with the font box, the status bar and its panes, prompts and
// tooltips, the View menu's bar toggles, docking and floating.
#include "WineTest.h"

#include "res/resource.h"

#include <commctrl.h>

#include <map>
#include <set>
#include <vector>

using wine_test::FrameTest;
using wine_test::MenuItemState;
using wine_test::PumpMessages;
using wine_test::Sjis;

namespace {

TBBUTTON Button(CToolBar& bar, int index)
{
    TBBUTTON button{};
    bar.SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    return button;
}

bool Enabled(CToolBar& bar, UINT id)
{
    return (Button(bar, bar.CommandToIndex(id)).fsState & TBSTATE_ENABLED) != 0;
}

bool Checked(CToolBar& bar, UINT id)
{
    return (Button(bar, bar.CommandToIndex(id)).fsState & TBSTATE_CHECKED) != 0;
}

// A pane's text as the status bar control holds it.
std::string Pane(CStatusBar& bar, int index)
{
    char text[256] = {};
    bar.SendMessage(SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

RECT WindowRect(HWND hWnd)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

// Controls watched as they are handed fonts: a font deleted while the control
// still held it (or handed over deleted) is counted.
std::map<HWND, WNDPROC> g_fontUsers;
int g_nDeadFonts = 0;

LRESULT CALLBACK FontWatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC pfn = g_fontUsers[hWnd];
    if (message == WM_SETFONT) {
        const auto hHeld = reinterpret_cast<HGDIOBJ>(::CallWindowProcA(pfn, hWnd, WM_GETFONT, 0, 0));
        g_nDeadFonts += (hHeld && ::GetObjectType(hHeld) != OBJ_FONT) +
                        (::GetObjectType(reinterpret_cast<HGDIOBJ>(wParam)) != OBJ_FONT);
    }
    return ::CallWindowProcA(pfn, hWnd, message, wParam, lParam);
}

} // namespace

TEST_F(FrameTest, BarsAreHandedTheirNewFontsBeforeTheOldOnesAreDeleted)
{
    const HWND users[] = {frame->m_wndStatusBar.m_hWnd, frame->m_wndToolBar.m_wndFontBox.m_hWnd};
    for (HWND hWnd : users)
        g_fontUsers[hWnd] = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FontWatchProc)));
    for (const int dpi : {144, 96}) {
        RECT rc = WindowRect(frame->m_hWnd);
        frame->SendMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rc));
    }
    for (HWND hWnd : users) {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_fontUsers[hWnd]));
        EXPECT_EQ(::GetObjectType(reinterpret_cast<HGDIOBJ>(::SendMessageA(hWnd, WM_GETFONT, 0, 0))), OBJ_FONT);
    }
    EXPECT_EQ(g_nDeadFonts, 0);
}

TEST_F(FrameTest, ToolbarHoldsItsItemsInOrder)
{
    CFontBar& bar = frame->m_wndToolBar;
    const std::vector<UINT> ids = {ID_FILE_NEW, 0, ID_EDIT_PASTE, ID_VIEW_CLIPWATCH, ID_VIEW_TOPMOST, 0,
                                   ID_FONTBOX,  0, ID_PREV_CHAR,  ID_NEXT_CHAR,      ID_INPUT_TEXT};
    // The images of the strip belong to the items that are not separators; the
    // font box's image (4) is never shown.
    const std::map<int, int> images = {{0, 0}, {2, 1}, {3, 2}, {4, 3}, {8, 5}, {9, 6}, {10, 7}};
    ASSERT_EQ(bar.GetCount(), static_cast<int>(ids.size()));
    for (int i = 0; i < bar.GetCount(); ++i) {
        const TBBUTTON b = Button(bar, i);
        EXPECT_EQ(static_cast<UINT>(b.idCommand), ids[static_cast<size_t>(i)]) << "item " << i;
        const bool separator = (b.fsStyle & TBSTYLE_SEP) != 0;
        EXPECT_EQ(separator, images.count(i) == 0) << "item " << i;
        if (!separator) {
            EXPECT_EQ(b.iBitmap, images.at(i)) << "item " << i;
        }
    }
    EXPECT_EQ(bar.GetButtonStyle(3) & 0xFFFF, TBBS_CHECKBOX); // clipboard monitoring latches
    // Always-on-top latches too, once its update rule has set its check state.
    EXPECT_EQ(bar.GetButtonStyle(4) & 0xFFFF, TBBS_CHECKBOX);
    EXPECT_EQ(bar.GetButtonStyle(9) & 0xFFFF, TBBS_BUTTON);
    EXPECT_EQ(bar.GetBarStyle() & CBRS_ALIGN_ANY, CBRS_ALIGN_TOP);
    EXPECT_TRUE(::GetWindowLongA(bar.m_hWnd, GWL_STYLE) & TBSTYLE_FLAT);

    RECT button;
    bar.GetItemRect(0, &button);
    EXPECT_EQ(Width(button), 23);
    EXPECT_EQ(Height(button), 22);
}

TEST_F(FrameTest, FontBoxSitsInAWideSeparator)
{
    CFontBar& bar = frame->m_wndToolBar;
    RECT gap, before, after;
    bar.GetItemRect(6, &gap);
    bar.GetItemRect(4, &before);
    bar.GetItemRect(8, &after);
    EXPECT_EQ(Width(gap), 100);
    EXPECT_GE(gap.left, before.right);
    EXPECT_LE(gap.right, after.left);

    CFontBox& box = bar.m_wndFontBox;
    ASSERT_NE(box.m_hWnd, nullptr);
    EXPECT_EQ(::GetParent(box.m_hWnd), bar.m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(box.m_hWnd), IDC_FONTBOX);
    EXPECT_EQ(::GetWindowLongA(box.m_hWnd, GWL_STYLE) & 0xFF, CBS_DROPDOWNLIST | CBS_AUTOHSCROLL);
    RECT rc = WindowRect(box.m_hWnd);
    ::MapWindowPoints(nullptr, bar.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(rc.left, gap.left);
    EXPECT_EQ(rc.top, gap.top + 1);
    EXPECT_EQ(Width(rc), 100);
}

TEST_F(FrameTest, ButtonsFollowTheUpdateRulesAtIdleTime)
{
    CFontBar& bar = frame->m_wndToolBar;
    view->SetText("");
    PumpMessages();
    EXPECT_FALSE(Enabled(bar, ID_NEXT_CHAR));
    EXPECT_FALSE(Enabled(bar, ID_PREV_CHAR));
    EXPECT_TRUE(Enabled(bar, ID_INPUT_TEXT));
    EXPECT_TRUE(Enabled(bar, ID_FILE_NEW));
    EXPECT_TRUE(Enabled(bar, ID_VIEW_TOPMOST));
    EXPECT_FALSE(Checked(bar, ID_VIEW_TOPMOST));

    view->SetText("ab");
    PumpMessages();
    EXPECT_TRUE(Enabled(bar, ID_NEXT_CHAR));
    EXPECT_FALSE(Enabled(bar, ID_PREV_CHAR));
    view->NextChar();
    PumpMessages();
    EXPECT_FALSE(Enabled(bar, ID_NEXT_CHAR));
    EXPECT_TRUE(Enabled(bar, ID_PREV_CHAR));

    // The always-on-top button latches while the window is on top.
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOPMOST);
    PumpMessages();
    EXPECT_TRUE(Checked(bar, ID_VIEW_TOPMOST));
    EXPECT_TRUE(Button(bar, bar.CommandToIndex(ID_VIEW_TOPMOST)).fsStyle & TBSTYLE_CHECK);
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOPMOST);
    PumpMessages();
    EXPECT_FALSE(Checked(bar, ID_VIEW_TOPMOST));

    // A posted update request alone refreshes the bars.
    view->SetText("xy");
    frame->PostMessage(WM_IDLEUPDATECMDUI);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_TRUE(Enabled(bar, ID_NEXT_CHAR));
}

TEST_F(FrameTest, ToolbarButtonSendsItsCommand)
{
    view->SetText("ab");
    PumpMessages();
    CFontBar& bar = frame->m_wndToolBar;
    RECT rc;
    bar.GetItemRect(bar.CommandToIndex(ID_NEXT_CHAR), &rc);
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    bar.SendMessage(WM_LBUTTONUP, 0, at);
    PumpMessages();
    EXPECT_EQ(view->GetIndex(), 1);
}

TEST_F(FrameTest, StatusPanesHaveTheWidthOfTheirTemplates)
{
    CStatusBar& bar = frame->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 5);
    EXPECT_EQ(bar.GetItemID(0), static_cast<UINT>(ID_SEPARATOR));
    EXPECT_EQ(bar.GetItemID(1), static_cast<UINT>(ID_INDICATOR_POS));
    EXPECT_EQ(bar.GetItemID(2), static_cast<UINT>(ID_INDICATOR_CODE));
    EXPECT_EQ(bar.GetItemID(3), static_cast<UINT>(ID_INDICATOR_UNICODE));
    EXPECT_EQ(bar.GetItemID(4), static_cast<UINT>(ID_INDICATOR_FACE));

    // Measured in the system's status font, not through the bar's own font.
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0));
    HFONT hFont = ::CreateFontIndirectA(&ncm.lfStatusFont);
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(hdc, hFont);
    const auto extent = [&](const char* text) {
        RECT rc{};
        ::DrawTextA(hdc, text, -1, &rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return static_cast<int>(rc.right);
    };
    const int posWidth = extent("000 / 000");
    const int codeWidth = extent("SJIS : 0XXXXX");
    const int unicodeWidth = extent("U+0XXXXX U+0XXXXX");
    SIZE face{};
    ::GetTextExtentPoint32W(hdc, L"Microsoft YaHei \x3067\x8868\x793A", 19, &face); // で表示
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    ::DeleteObject(hFont);
    EXPECT_EQ(bar.GetPaneWidth(1), posWidth);
    EXPECT_EQ(bar.GetPaneWidth(2), codeWidth);
    EXPECT_EQ(bar.GetPaneWidth(3), unicodeWidth);
    EXPECT_EQ(bar.GetPaneWidth(4), 0); // as wide as its text, none while empty

    RECT pos, code, whole;
    bar.SendMessage(SB_GETRECT, 1, reinterpret_cast<LPARAM>(&pos));
    bar.SendMessage(SB_GETRECT, 2, reinterpret_cast<LPARAM>(&code));
    bar.GetClientRect(&whole);
    EXPECT_GE(Width(pos), posWidth);
    EXPECT_LE(Width(pos), posWidth + 16);
    EXPECT_GE(Width(code), codeWidth);
    EXPECT_GT(pos.left, whole.right / 4); // the message pane takes the rest

    bar.SetPaneText(4, L"Microsoft YaHei \x3067\x8868\x793A");
    EXPECT_EQ(bar.GetPaneWidth(4), face.cx);
    RECT after;
    bar.SendMessage(SB_GETRECT, 2, reinterpret_cast<LPARAM>(&after));
    EXPECT_EQ(Width(after), Width(code));
    EXPECT_LT(after.left, code.left); // made room for
    bar.SetPaneText(4, L"");

    // A longer text is cut at the pane's edge; the pane keeps its width.
    bar.SetPaneText(1, "1234 / 12345678");
    bar.SendMessage(SB_GETRECT, 1, reinterpret_cast<LPARAM>(&after));
    EXPECT_EQ(Width(after), Width(pos));
}

TEST_F(FrameTest, TheNarrowestFrameShowsEveryPane)
{
    frame->SetWindowPos(nullptr, 0, 0, 40, 300, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    CStatusBar& bar = frame->m_wndStatusBar;
    for (int i = 1; i < bar.GetCount(); ++i) {
        RECT rc;
        bar.SendMessage(SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc));
        EXPECT_GE(Width(rc), bar.GetPaneWidth(i)) << i;
    }
}

TEST_F(FrameTest, StatusPanesDescribeTheCurrentCharacter)
{
    CStatusBar& bar = frame->m_wndStatusBar;
    view->SetText(nullptr);
    PumpMessages();
    EXPECT_EQ(Pane(bar, 1), "  1 /   0");
    EXPECT_EQ(Pane(bar, 2), "SJIS :");

    view->SetText(("xyA" + Sjis("あ") + "\xB1").c_str());
    view->NextChar();
    view->NextChar();
    PumpMessages();
    EXPECT_EQ(Pane(bar, 1), "  3 /   5");
    EXPECT_EQ(Pane(bar, 2), "SJIS : 0x41");
    view->NextChar();
    PumpMessages();
    EXPECT_EQ(Pane(bar, 2), "SJIS : 0x82a0");
    view->NextChar();
    PumpMessages();
    EXPECT_EQ(Pane(bar, 2), "SJIS : 0xb1");
    EXPECT_EQ(Pane(bar, 1), "  5 /   5");
}

TEST_F(FrameTest, MessagePaneShowsPromptsAndTheIdleText)
{
    CStatusBar& bar = frame->m_wndStatusBar;
    const std::string ready = Sjis("ﾚﾃﾞｨ");
    EXPECT_EQ(Pane(bar, 0), ready);

    HMENU hView = ::GetSubMenu(::GetMenu(frame->m_hWnd), 2);
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_VIEW_CLIPWATCH, MF_STRING), reinterpret_cast<LPARAM>(hView));
    EXPECT_EQ(Pane(bar, 0), Sjis("クリップボードの監視をします。"));
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Pane(bar, 0), ready);

    // A pop-up's own title has no prompt.
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(2, MF_POPUP), reinterpret_cast<LPARAM>(::GetMenu(frame->m_hWnd)));
    EXPECT_EQ(Pane(bar, 0), "");

    HMENU hSys = ::GetSystemMenu(frame->m_hWnd, FALSE);
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(SC_CLOSE, MF_STRING | MF_SYSMENU), reinterpret_cast<LPARAM>(hSys));
    EXPECT_EQ(Pane(bar, 0), Sjis("作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示"));
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(SC_RESTORE, MF_STRING | MF_SYSMENU), reinterpret_cast<LPARAM>(hSys));
    EXPECT_EQ(Pane(bar, 0), Sjis("ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す"));
    frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Pane(bar, 0), ready);
}

TEST_F(FrameTest, ButtonsHaveTooltipsAndFlyByPrompts)
{
    CFontBar& bar = frame->m_wndToolBar;
    CStatusBar& status = frame->m_wndStatusBar;

    // What the bar's tooltip is told for a button, in both character sets.
    NMTTDISPINFOA infoA{};
    infoA.hdr = NMHDR{nullptr, ID_NEXT_CHAR, TTN_GETDISPINFOA};
    bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&infoA));
    EXPECT_EQ(std::string(infoA.lpszText ? infoA.lpszText : ""), Sjis("次の文字"));
    NMTTDISPINFOW infoW{};
    infoW.hdr = NMHDR{nullptr, ID_VIEW_CLIPWATCH, TTN_GETDISPINFOW};
    bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&infoW));
    EXPECT_STREQ(infoW.lpszText ? infoW.lpszText : L"", L"クリップボードの監視");

    // Resting on a button shows its prompt; leaving the bar shows the idle text.
    RECT rc;
    bar.GetItemRect(bar.CommandToIndex(ID_NEXT_CHAR), &rc);
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rc.left + 5, rc.top + 5));
    EXPECT_EQ(Pane(status, 0), Sjis("次の文字に移動します。"));
    bar.GetItemRect(6, &rc); // the font box's place has no prompt
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rc.left + 5, rc.top + 5));
    EXPECT_EQ(Pane(status, 0), Sjis("ﾚﾃﾞｨ"));
    bar.GetItemRect(bar.CommandToIndex(ID_FILE_NEW), &rc);
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rc.left + 5, rc.top + 5));
    EXPECT_EQ(Pane(status, 0), Sjis("新しいウインドウを開きます。"));
    bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(Pane(status, 0), Sjis("ﾚﾃﾞｨ"));
}

TEST_F(FrameTest, ViewMenuHidesAndShowsTheBars)
{
    CFontBar& bar = frame->m_wndToolBar;
    RECT before = WindowRect(view->m_hWnd);
    EXPECT_TRUE(MenuItemState(frame, 2, ID_VIEW_TOOLBAR) & MF_CHECKED);
    EXPECT_TRUE(MenuItemState(frame, 2, ID_VIEW_STATUS_BAR) & MF_CHECKED);

    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(::IsWindowVisible(bar.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(bar.m_wndFontBox.m_hWnd));
    EXPECT_FALSE(MenuItemState(frame, 2, ID_VIEW_TOOLBAR) & MF_CHECKED);
    EXPECT_LT(WindowRect(view->m_hWnd).top, before.top);

    frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(::IsWindowVisible(frame->m_wndStatusBar.m_hWnd));
    EXPECT_GT(WindowRect(view->m_hWnd).bottom, before.bottom);

    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(::IsWindowVisible(bar.m_wndFontBox.m_hWnd));
    EXPECT_TRUE(MenuItemState(frame, 2, ID_VIEW_TOOLBAR) & MF_CHECKED);
    const RECT again = WindowRect(view->m_hWnd);
    EXPECT_EQ(again.top, before.top);
    EXPECT_EQ(again.bottom, before.bottom);
}

TEST_F(FrameTest, ToolbarDocksAtEveryEdgeAndFloats)
{
    frame->SetWindowPos(nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
    CFontBar& bar = frame->m_wndToolBar;
    RECT client;
    frame->GetClientRect(&client);
    ::MapWindowPoints(frame->m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT status = WindowRect(frame->m_wndStatusBar.m_hWnd);

    frame->DockControlBar(&bar, CBRS_ALIGN_LEFT);
    RECT rcBar = WindowRect(bar.m_hWnd), rcView = WindowRect(view->m_hWnd);
    EXPECT_GT(Height(rcBar), Width(rcBar)); // one column
    EXPECT_EQ(rcBar.left, client.left);
    EXPECT_EQ(rcView.left, rcBar.right);
    EXPECT_EQ(rcView.top, client.top);
    EXPECT_EQ(rcBar.bottom, status.top);

    frame->DockControlBar(&bar, CBRS_ALIGN_RIGHT);
    rcBar = WindowRect(bar.m_hWnd);
    rcView = WindowRect(view->m_hWnd);
    EXPECT_EQ(rcBar.right, client.right);
    EXPECT_EQ(rcView.right, rcBar.left);

    frame->DockControlBar(&bar, CBRS_ALIGN_BOTTOM);
    rcBar = WindowRect(bar.m_hWnd);
    rcView = WindowRect(view->m_hWnd);
    EXPECT_GT(Width(rcBar), Height(rcBar));
    EXPECT_EQ(rcBar.bottom, status.top);
    EXPECT_EQ(rcView.bottom, rcBar.top);
    EXPECT_EQ(rcView.top, client.top);

    frame->FloatControlBar(&bar, POINT{client.left + 50, client.top + 80});
    ASSERT_TRUE(bar.IsFloating());
    HWND hFloat = bar.GetFloatingWindow();
    EXPECT_EQ(::GetParent(bar.m_hWnd), hFloat);
    EXPECT_EQ(::GetWindow(hFloat, GW_OWNER), frame->m_hWnd);
    EXPECT_TRUE(::IsWindowVisible(hFloat));
    rcView = WindowRect(view->m_hWnd);
    EXPECT_EQ(rcView.top, client.top);
    EXPECT_EQ(rcView.bottom, status.top);
    EXPECT_GT(Width(WindowRect(bar.m_hWnd)), Height(WindowRect(bar.m_hWnd))); // floats as a row

    // The accelerators still act while the floating bar's font box has the focus.
    view->SetText("abc");
    ::SetFocus(bar.m_wndFontBox.m_hWnd);
    HWND hFocus = ::GetFocus();
    ::PostMessageA(hFocus, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PumpMessages();
    EXPECT_EQ(view->GetIndex(), 1);

    // The View menu hides and shows the floating bar with its window.
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(::IsWindowVisible(hFloat));
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(::IsWindowVisible(hFloat));

    // A double-click on the caption docks it again where it was last docked.
    ::SendMessageA(hFloat, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_FALSE(::IsWindow(hFloat));
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(::GetParent(bar.m_hWnd), frame->m_hWnd);
    EXPECT_EQ(bar.GetBarStyle() & CBRS_ALIGN_ANY, CBRS_ALIGN_BOTTOM);

    frame->DockControlBar(&bar, CBRS_ALIGN_TOP);
    EXPECT_EQ(WindowRect(bar.m_hWnd).top, client.top);
    EXPECT_EQ(WindowRect(view->m_hWnd).top, WindowRect(bar.m_hWnd).bottom);
}

TEST_F(FrameTest, ClosingTheFloatingBarHidesIt)
{
    CFontBar& bar = frame->m_wndToolBar;
    frame->FloatControlBar(&bar, POINT{100, 100});
    HWND hFloat = bar.GetFloatingWindow();
    ::SendMessageA(hFloat, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(hFloat));
    EXPECT_FALSE(bar.IsVisible());
    EXPECT_FALSE(MenuItemState(frame, 2, ID_VIEW_TOOLBAR) & MF_CHECKED);
}

namespace {
HWND g_hFrame, g_hBox;
bool g_boxAliveAtDestroy;
HHOOK g_hHook;
LRESULT CALLBACK WatchDestroy(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* msg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->hwnd == g_hFrame && msg->message == WM_DESTROY)
        g_boxAliveAtDestroy = ::IsWindow(g_hBox) != 0;
    return ::CallNextHookEx(g_hHook, code, wParam, lParam);
}
} // namespace

TEST_F(FrameTest, FontBoxOutlivesTheFramesDestroyWhileTheBarFloats)
{
    // Owned windows go before their owner: the floating bar must not take the
    // font box with it before the frame's own WM_DESTROY has run.
    CFontBar& bar = frame->m_wndToolBar;
    frame->FloatControlBar(&bar, POINT{100, 100});
    g_hFrame = frame->m_hWnd;
    g_hBox = bar.m_wndFontBox.m_hWnd;
    g_boxAliveAtDestroy = false;
    g_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchDestroy, nullptr, ::GetCurrentThreadId());
    frame->DestroyWindow();
    ::UnhookWindowsHookEx(g_hHook);
    EXPECT_TRUE(g_boxAliveAtDestroy);
    EXPECT_FALSE(::IsWindow(g_hBox));
}

namespace {
// The distinct tops of the toolbar's items: one per row.
size_t Rows(CToolBar& bar)
{
    std::set<LONG> tops;
    for (int i = 0; i < bar.GetCount(); ++i) {
        RECT rc;
        bar.GetItemRect(i, &rc);
        tops.insert(rc.top);
    }
    return tops.size();
}

// The font box's rectangle in the toolbar's client coordinates.
RECT FontBoxInBar(CFontBar& bar)
{
    RECT rc = WindowRect(bar.m_wndFontBox.m_hWnd);
    ::MapWindowPoints(nullptr, bar.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void Resize(HWND hWnd, int cx, int cy)
{
    ::SetWindowPos(hWnd, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

TEST_F(FrameTest, FloatingToolbarWrapsIntoRowsAsItsWindowNarrows)
{
    CFontBar& bar = frame->m_wndToolBar;
    frame->FloatControlBar(&bar, POINT{100, 100});
    const HWND hFloat = bar.GetFloatingWindow();
    EXPECT_TRUE(::GetWindowLongA(hFloat, GWL_STYLE) & WS_THICKFRAME);
    const RECT wide = WindowRect(hFloat);
    ASSERT_EQ(Rows(bar), 1u);

    // Narrower: the items wrap into rows no wider than asked, the window
    // grows taller, the bar fills it and the font box follows its item.
    Resize(hFloat, Width(wide) * 2 / 3, Height(wide));
    RECT narrow = WindowRect(hFloat);
    EXPECT_GT(Rows(bar), 1u);
    EXPECT_LE(Width(narrow), Width(wide) * 2 / 3);
    EXPECT_GT(Height(narrow), Height(wide));
    RECT client;
    ::GetClientRect(hFloat, &client);
    EXPECT_EQ(Width(WindowRect(bar.m_hWnd)), client.right);
    EXPECT_EQ(Height(WindowRect(bar.m_hWnd)), client.bottom);
    RECT item, box = FontBoxInBar(bar);
    bar.GetItemRect(6, &item);
    EXPECT_GT(item.top, 0); // not on the first row
    EXPECT_EQ(box.left, item.left);
    EXPECT_EQ(box.top, item.top + 1);
    EXPECT_EQ(Width(box), 100);
    EXPECT_TRUE(::IsWindowVisible(bar.m_wndFontBox.m_hWnd));

    // Never narrower than the font box's item, and every item in sight.
    Resize(hFloat, 10, 10);
    const size_t most = Rows(bar);
    bar.GetClientRect(&client);
    EXPECT_GE(client.right, 100);
    for (int i = 0; i < bar.GetCount(); ++i) {
        bar.GetItemRect(i, &item);
        EXPECT_LE(item.bottom, client.bottom) << "item " << i;
        if (!(Button(bar, i).fsState & TBSTATE_WRAP)) {
            EXPECT_LE(item.right, client.right) << "item " << i;
        }
    }

    // Dragging the bottom edge asks for a height: fewer rows when shorter;
    // the top edge stays.
    RECT drag = WindowRect(hFloat);
    drag.bottom = drag.top + Height(narrow);
    ::SendMessageA(hFloat, WM_SIZING, WMSZ_BOTTOM, reinterpret_cast<LPARAM>(&drag));
    EXPECT_EQ(drag.top, WindowRect(hFloat).top);
    EXPECT_LE(Height(drag), Height(narrow));
    EXPECT_GT(Height(drag), Height(wide));
    Resize(hFloat, Width(drag), Height(drag));
    EXPECT_LT(Rows(bar), most);

    // Docked, one row again; floated again, the last floating layout.
    narrow = WindowRect(hFloat);
    frame->DockControlBar(&bar, CBRS_ALIGN_TOP);
    EXPECT_EQ(Rows(bar), 1u);
    EXPECT_EQ(FontBoxInBar(bar).top, 1);
    frame->FloatControlBar(&bar, POINT{100, 100});
    EXPECT_EQ(Width(WindowRect(bar.GetFloatingWindow())), Width(narrow));
    EXPECT_EQ(Height(WindowRect(bar.GetFloatingWindow())), Height(narrow));

    // Back to the full width: one row, the window as it was at first.
    Resize(bar.GetFloatingWindow(), Width(wide) + 50, 10);
    EXPECT_EQ(Rows(bar), 1u);
    EXPECT_EQ(Width(WindowRect(bar.GetFloatingWindow())), Width(wide));
    EXPECT_EQ(Height(WindowRect(bar.GetFloatingWindow())), Height(wide));
    bar.GetItemRect(6, &item);
    EXPECT_EQ(FontBoxInBar(bar).left, item.left);
}
