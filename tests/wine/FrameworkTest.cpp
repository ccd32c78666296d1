// The framework layer's own guarantees, apart from the program's windows:
// the update rule's gate on commands, creation and its failures, modal loops.
#include "WineTest.h"

#include <string>

using wine_test::FrameTest;

namespace {

constexpr UINT ID_TEST_COMMAND = 0x9000;

// A window whose command acts whenever it runs, and whose rule may forbid it.
class CGatedWnd : public CWnd {
public:
    int m_nRuns = 0;
    BOOL m_bAllowed = FALSE;

protected:
    void OnTestCommand() { ++m_nRuns; }
    void OnUpdateTestCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bAllowed); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGatedWnd, CWnd)
    ON_COMMAND(ID_TEST_COMMAND, OnTestCommand)
    ON_UPDATE_COMMAND_UI(ID_TEST_COMMAND, OnUpdateTestCommand)
END_MESSAGE_MAP()

// A window object that deletes itself with its window, as frames do.
class CSelfDeletingWnd : public CWnd {
public:
    static int s_nDeleted;
    BOOL m_bRefuse = FALSE;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override { return !m_bRefuse && CWnd::PreCreateWindow(cs); }

protected:
    void PostNcDestroy() override
    {
        ++s_nDeleted;
        delete this;
    }
};
int CSelfDeletingWnd::s_nDeleted = 0;

// Whether a window created straight through the system, outside CreateEx, is
// taken by the framework: creation binds its own window and no other.
bool PlainWindowIsBound()
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const bool bound = CWnd::FromHandlePermanent(hWnd) != nullptr;
    ::DestroyWindow(hWnd);
    return bound;
}

} // namespace

TEST(Framework, CommandsFromMenusAndAcceleratorsPassTheirUpdateRule)
{
    CGatedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    for (WORD source : {0 /* menu */, 1 /* accelerator */})
        wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_COMMAND, source), 0);
    EXPECT_EQ(wnd.m_nRuns, 0);
    wnd.m_bAllowed = TRUE;
    for (WORD source : {0, 1})
        wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_TEST_COMMAND, source), 0);
    EXPECT_EQ(wnd.m_nRuns, 2);
    wnd.DestroyWindow();
}

TEST(Framework, CreationBindsOnlyTheWindowItCreates)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_FALSE(PlainWindowIsBound());
    wnd.DestroyWindow();
}

TEST(Framework, AnObjectWhoseWindowWasNeverCreatedIsReleased)
{
    CSelfDeletingWnd::s_nDeleted = 0;
    auto* pNoClass = new CSelfDeletingWnd;
    theApp.m_pMainWnd = pNoClass;
    EXPECT_FALSE(pNoClass->CreateEx(0, "quelvan.no.such.class", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(CSelfDeletingWnd::s_nDeleted, 1);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr); // no dangling main window

    auto* pRefused = new CSelfDeletingWnd;
    pRefused->m_bRefuse = TRUE;
    EXPECT_FALSE(pRefused->CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(CSelfDeletingWnd::s_nDeleted, 2);
    EXPECT_FALSE(PlainWindowIsBound()); // no released object waits for the next window
}

TEST_F(FrameTest, QuitDuringAToolbarDragStillEndsTheProgram)
{
    CFontBar& bar = frame->m_wndToolBar;
    RECT rc;
    bar.GetWindowRect(&rc);
    ::PostQuitMessage(7);
    bar.TrackDrag(POINT{rc.left + 3, rc.top + 3});
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(FrameTest, ToolbarRefusesAResourceItsImageStripCannotServe)
{
    // Images 0 pixels wide, taller than the strip, more buttons than images.
    for (UINT id : {900u, 901u, 902u}) {
        CToolBar bar;
        ASSERT_TRUE(bar.CreateEx(frame, TBSTYLE_FLAT, WS_CHILD | CBRS_TOP, RECT{}, 0xE8F0));
        EXPECT_FALSE(bar.LoadToolBar(id)) << "toolbar " << id;
    }
}

TEST_F(FrameTest, StatusPaneIndexesOutsideTheBarNameNothing)
{
    CStatusBar& bar = frame->m_wndStatusBar;
    for (int index : {-1, 5, 1000}) {
        EXPECT_EQ(bar.GetItemID(index), 0u);
        EXPECT_EQ(bar.GetPaneWidth(index), 0);
        bar.SetPaneText(index, "x");
    }
    EXPECT_FALSE(bar.SetIndicators(nullptr, 3));
    const UINT one = ID_SEPARATOR;
    EXPECT_FALSE(bar.SetIndicators(&one, -1));
}

TEST(Framework, TextIsCutOnACharacterBoundary)
{
    // "xy" then 40 double-byte characters: byte 78 leads one that would end past 79 bytes.
    std::string text = "xy";
    for (int i = 0; i < 40; ++i)
        text += "\x82\xA0";
    char out[80];
    AfxCopyText(out, sizeof out, text.c_str());
    EXPECT_EQ(std::string(out), text.substr(0, 78));
    AfxCopyText(out, 4, "ab");
    EXPECT_STREQ(out, "ab");
}
