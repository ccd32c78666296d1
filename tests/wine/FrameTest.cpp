// The real main frame and character view: creation, command routing, update
// rules, options, focus, painting and the input dialog.
#include "WineTest.h"

#include "res/resource.h"

#include <imm.h>

#include <type_traits>

using wine_test::FrameTest;
using wine_test::InkPixels;
using wine_test::MenuItemState;
using wine_test::PumpMessages;
using wine_test::Sjis;

namespace {

void Command(CWnd* frame, UINT id, WORD source = 1 /* accelerator */)
{
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, source), 0);
}

bool Grayed(CMainFrame* frame, UINT id)
{
    return (MenuItemState(frame, 1, id) & MF_GRAYED) != 0;
}

} // namespace

TEST_F(FrameTest, CreatesTheFrameAndTheViewFillingItsClientArea)
{
    char title[64] = {};
    ::GetWindowTextA(frame->m_hWnd, title, sizeof title);
    EXPECT_STREQ(title, "quelvan");
    EXPECT_TRUE(frame->IsWindowVisible());

    RECT rc;
    frame->GetWindowRect(&rc);
    EXPECT_EQ(rc.right - rc.left, 400);
    EXPECT_EQ(rc.bottom - rc.top, 400);
    EXPECT_FALSE(::GetWindowLongA(frame->m_hWnd, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_TOPMOST));

    ASSERT_EQ(frame->GetDlgItem(AFX_IDW_PANE_FIRST), view->m_hWnd);
    EXPECT_TRUE(::GetWindowLongA(view->m_hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(::GetWindowLongA(view->m_hWnd, GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(::GetClassLongA(view->m_hWnd, GCL_STYLE) & CS_DBLCLKS);

    // The view takes the client area between the toolbar and the status bar.
    const auto expectLayout = [&] {
        RECT client, pane, toolbar, status;
        frame->GetClientRect(&client);
        ::MapWindowPoints(frame->m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
        view->GetWindowRect(&pane);
        frame->m_wndToolBar.GetWindowRect(&toolbar);
        frame->m_wndStatusBar.GetWindowRect(&status);
        EXPECT_EQ(toolbar.top, client.top);
        EXPECT_EQ(pane.top, toolbar.bottom);
        EXPECT_EQ(pane.bottom, status.top);
        EXPECT_EQ(status.bottom, client.bottom);
        EXPECT_EQ(pane.left, client.left);
        EXPECT_EQ(pane.right, client.right);
        EXPECT_EQ(status.right - status.left, client.right - client.left);
    };
    expectLayout();
    // Resizing the frame lays the view out again.
    frame->SetWindowPos(nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    expectLayout();
}

// Nothing outside the view steps its cursor without the repaint.
static_assert(!std::is_convertible_v<CCharView*, CTextCursor*>);

TEST_F(FrameTest, StepsThroughTheTextByCommandsSentToTheFrame)
{
    view->SetText(Sjis("あxい").c_str());
    EXPECT_EQ(view->GetCount(), 3);
    Command(frame, ID_NEXT_CHAR);
    EXPECT_EQ(view->GetCursor().GetPos(), 2);
    Command(frame, ID_NEXT_CHAR);
    EXPECT_EQ(view->GetCursor().GetPos(), 3);
    Command(frame, ID_NEXT_CHAR); // disabled at the last character
    EXPECT_EQ(view->GetIndex(), 2);
    Command(frame, ID_PREV_CHAR, 0);
    Command(frame, ID_PREV_CHAR, 0);
    EXPECT_EQ(view->GetCursor().GetPos(), 0);
    Command(frame, ID_PREV_CHAR);
    EXPECT_EQ(view->GetIndex(), 0);
}

TEST_F(FrameTest, MenuItemsFollowTheEnableRules)
{
    view->SetText("");
    EXPECT_TRUE(Grayed(frame, ID_NEXT_CHAR));
    EXPECT_TRUE(Grayed(frame, ID_PREV_CHAR));
    EXPECT_FALSE(Grayed(frame, ID_INPUT_TEXT));

    view->SetText("ab");
    EXPECT_FALSE(Grayed(frame, ID_NEXT_CHAR));
    EXPECT_TRUE(Grayed(frame, ID_PREV_CHAR));
    view->NextChar();
    EXPECT_TRUE(Grayed(frame, ID_NEXT_CHAR));
    EXPECT_FALSE(Grayed(frame, ID_PREV_CHAR));

    // The application's commands are found through the frame.
    EXPECT_FALSE(MenuItemState(frame, 0, ID_FILE_NEW) & MF_GRAYED);
    EXPECT_FALSE(MenuItemState(frame, 0, ID_APP_EXIT) & MF_GRAYED);
    EXPECT_FALSE(MenuItemState(frame, 3, ID_APP_ABOUT) & MF_GRAYED);
}

TEST_F(FrameTest, AlwaysOnTopTogglesTheBandAndTheCheckMark)
{
    const auto topmost = [&] { return (::GetWindowLongA(frame->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    EXPECT_FALSE(MenuItemState(frame, 2, ID_VIEW_TOPMOST) & MF_CHECKED);
    Command(frame, ID_VIEW_TOPMOST, 0);
    EXPECT_EQ(frame->m_nFlags, FLAG_TOPMOST);
    EXPECT_TRUE(topmost());
    EXPECT_TRUE(MenuItemState(frame, 2, ID_VIEW_TOPMOST) & MF_CHECKED);
    Command(frame, ID_VIEW_TOPMOST, 0);
    EXPECT_FALSE(topmost());
    EXPECT_EQ(frame->m_nFlags, 0);
}

TEST_F(FrameTest, BoldAndItalicChangeTheGlyphFontOnly)
{
    view->SetText("abc");
    view->NextChar();
    Command(frame, ID_FONT_BOLD);
    EXPECT_EQ(frame->IsBold(), FLAG_BOLD);
    EXPECT_EQ(view->GlyphFont(300, 200).lfWeight, FW_BOLD);
    Command(frame, ID_FONT_ITALIC);
    EXPECT_EQ(frame->IsItalic(), FLAG_ITALIC);
    EXPECT_TRUE(view->GlyphFont(300, 200).lfItalic);
    EXPECT_EQ(view->GetIndex(), 1);
    Command(frame, ID_FONT_BOLD);
    EXPECT_EQ(view->GlyphFont(300, 200).lfWeight, 0);
    EXPECT_EQ(frame->m_nFlags, FLAG_ITALIC);
}

TEST_F(FrameTest, GlyphCellIsTheOuterWindowSize)
{
    view->SetText(Sjis("aあ").c_str());
    LOGFONTW lf = view->GlyphFont(300, 200);
    EXPECT_EQ(lf.lfHeight, 200);
    EXPECT_EQ(lf.lfWidth, 300);
    EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(lf.lfPitchAndFamily, FF_MODERN | DEFAULT_PITCH);
    EXPECT_STREQ(lf.lfFaceName, frame->GetSelectedFace().c_str());
    view->NextChar();
    lf = view->GlyphFont(300, 200);
    EXPECT_EQ(lf.lfWidth, 150);
}

TEST_F(FrameTest, PaintsTheGlyphLargeAndNothingForAnEmptyText)
{
    frame->SetWindowPos(nullptr, 0, 0, 420, 420, SWP_NOMOVE | SWP_NOZORDER);
    view->SetText("");
    view->UpdateWindow();
    EXPECT_EQ(InkPixels(view->m_hWnd), 0);

    view->SetText(Sjis("大").c_str());
    view->UpdateWindow();
    RECT ink, client;
    ASSERT_GT(InkPixels(view->m_hWnd, &ink), 0);
    view->GetClientRect(&client);
    // The glyph's ink spans most of the view both ways.
    EXPECT_GT(ink.right - ink.left, client.right * 6 / 10);
    EXPECT_GT(ink.bottom - ink.top, client.bottom * 6 / 10);
}

TEST_F(FrameTest, ActivatingTheFrameFocusesTheView)
{
    ::SetFocus(nullptr);
    frame->SetFocus();
    EXPECT_EQ(::GetFocus(), view->m_hWnd);
}

TEST_F(FrameTest, SpaceReachesTheViewWhileAnotherChildHasTheFocus)
{
    // A focusable child of the frame, as the font box will be.
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, frame->m_hWnd,
                                   reinterpret_cast<HMENU>(42), nullptr, nullptr);
    ASSERT_NE(hEdit, nullptr);
    view->SetText("xyz");
    ::SetFocus(hEdit);
    ASSERT_EQ(::GetFocus(), hEdit);
    ::PostMessageA(hEdit, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PumpMessages();
    EXPECT_EQ(view->GetIndex(), 1);
    char text[8] = {};
    ::GetWindowTextA(hEdit, text, sizeof text);
    EXPECT_STREQ(text, ""); // the key never reached the edit field
}

namespace {
HWND FindDialog(const char* utf8Title)
{
    return ::FindWindowA(reinterpret_cast<LPCSTR>(32770), Sjis(utf8Title).c_str());
}

// Fills in and confirms the input dialog from inside its modal loop.
void CALLBACK AnswerInputDialog(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    HWND hDlg = FindDialog("文字入力");
    if (!hDlg)
        return;
    ::KillTimer(nullptr, idEvent);
    char text[16] = "?";
    ::GetDlgItemTextA(hDlg, IDC_INPUT, text, sizeof text);
    EXPECT_STREQ(text, ""); // the dialog never shows the current text
    ::SetDlgItemTextA(hDlg, IDC_INPUT, Sjis("い\tう").c_str());
    RECT rcDlg, rcMain;
    ::GetWindowRect(hDlg, &rcDlg);
    ::GetWindowRect(theApp.m_pMainWnd->m_hWnd, &rcMain);
    EXPECT_NEAR((rcDlg.left + rcDlg.right) / 2, (rcMain.left + rcMain.right) / 2, 2);
    EXPECT_NEAR((rcDlg.top + rcDlg.bottom) / 2, (rcMain.top + rcMain.bottom) / 2, 2);
    EXPECT_EQ(::GetWindow(hDlg, GW_OWNER), theApp.m_pMainWnd->m_hWnd);
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, IDOK)));
}

void CALLBACK CancelInputDialog(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (HWND hDlg = FindDialog("文字入力")) {
        ::KillTimer(nullptr, idEvent);
        ::SetDlgItemTextA(hDlg, IDC_INPUT, "zzz");
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}
} // namespace

TEST_F(FrameTest, InputDialogSetsTheTextAndCancelKeepsIt)
{
    view->SetText("abc");
    view->NextChar();
    ::SetTimer(nullptr, 0, 20, &CancelInputDialog);
    Command(frame, ID_INPUT_TEXT, 0);
    EXPECT_STREQ(view->GetText(), "abc");
    EXPECT_EQ(view->GetIndex(), 1);

    ::SetTimer(nullptr, 0, 20, &AnswerInputDialog);
    Command(frame, ID_INPUT_TEXT, 0);
    EXPECT_EQ(std::string(view->GetText()), Sjis("いう"));
    EXPECT_EQ(view->GetIndex(), 0);
    EXPECT_EQ(view->GetCount(), 2);
}

namespace {
bool HasInputContext(HWND hWnd)
{
    const HIMC hImc = ::ImmGetContext(hWnd);
    ::ImmReleaseContext(hWnd, hImc);
    return hImc != nullptr;
}

void CALLBACK CheckTheDialogsInputContext(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    if (HWND hDlg = FindDialog("文字入力")) {
        ::KillTimer(nullptr, idEvent);
        EXPECT_TRUE(HasInputContext(::GetDlgItem(hDlg, IDC_INPUT)));
        ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
}
} // namespace

TEST_F(FrameTest, OnlyTheInputDialogTakesTheInputMethod)
{
    CFontBar& bar = frame->m_wndToolBar;
    for (HWND hWnd : {frame->m_hWnd, view->m_hWnd, bar.m_hWnd, ::GetWindow(bar.m_wndFontBox.m_hWnd, GW_CHILD),
                      frame->m_wndStatusBar.m_hWnd})
        EXPECT_FALSE(HasInputContext(hWnd));
    frame->FloatControlBar(&bar, POINT{50, 80});
    EXPECT_FALSE(HasInputContext(bar.GetFloatingWindow()));
    EXPECT_FALSE(HasInputContext(bar.m_hWnd));
    ::SetTimer(nullptr, 0, 20, &CheckTheDialogsInputContext);
    Command(frame, ID_INPUT_TEXT, 0);
}

TEST_F(FrameTest, DoubleClickOpensTheInputDialog)
{
    ::SetTimer(nullptr, 0, 20, &AnswerInputDialog);
    view->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(std::string(view->GetText()), Sjis("いう"));
}

TEST_F(FrameTest, ExitCommandDestroysTheFrameAndEndsTheLoop)
{
    HWND hWnd = frame->m_hWnd;
    Command(frame, ID_APP_EXIT, 0);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(FrameTest, SmallIconIsDrawnAtTheSmallIconSize)
{
    const HICON hSmall = reinterpret_cast<HICON>(frame->SendMessage(WM_GETICON, ICON_SMALL));
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(hSmall, &info));
    BITMAP bm{};
    ::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    EXPECT_EQ(bm.bmWidth, ::GetSystemMetrics(SM_CXSMICON));
}

TEST_F(FrameTest, WarmingTheNeighbourGlyphsChangesNothingAndRunsOncePerPaint)
{
    view->SetText(Sjis("あいう").c_str());
    view->NextChar();
    view->UpdateWindow();
    const int ink = InkPixels(view->m_hWnd);
    // The loop's idle passes: the bars first, then the warming, then no more.
    EXPECT_TRUE(theApp.OnIdle(0));
    EXPECT_FALSE(theApp.OnIdle(1));
    EXPECT_FALSE(view->WarmNeighbourGlyphs()) << "warmed again without a new paint";
    EXPECT_EQ(view->GetIndex(), 1);
    EXPECT_FALSE(::GetUpdateRect(view->m_hWnd, nullptr, FALSE));
    EXPECT_EQ(InkPixels(view->m_hWnd), ink);

    // A one-character text has no neighbours to warm.
    view->SetText("a");
    view->UpdateWindow();
    EXPECT_TRUE(view->WarmNeighbourGlyphs());
    EXPECT_EQ(view->GetIndex(), 0);
}

TEST_F(FrameTest, AColourChangeRepaintsTheGlyphInTheNewColoursWithNoBox)
{
    const int elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF user[] = {::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOWTEXT)};
    const COLORREF dark[] = {RGB(0, 0, 0), RGB(255, 255, 0)};
    view->SetText("W");
    view->UpdateWindow();
    const int ink = InkPixels(view->m_hWnd);
    ::SetSysColors(2, elements, dark);
    PumpMessages(); // the repaint too
    const int darkInk = InkPixels(view->m_hWnd); // what is not black now
    ::SetSysColors(2, elements, user);
    PumpMessages();
    // The strokes alone, as before: a box of the old window colour would count.
    EXPECT_NEAR(darkInk, ink, ink / 10);
}
