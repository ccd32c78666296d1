// The frame's clipboard commands on the real clipboard, in process: update
// rules, the self-copy flag, and the failure paths of Copy and of a block
// that cannot be locked.
#include "WineTest.h"

#include "exchange/ViewText.h"
#include "res/resource.h"

#include <string>

using wine_test::FrameTest;

namespace {

BOOL Enabled(CMainFrame* frame, UINT id, int* pCheck = nullptr)
{
    struct State : CTestCmdUI {
        int nCheck = -1;
        void SetCheck(int n) override { nCheck = n; }
    } state;
    state.m_nID = id;
    frame->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
    if (pCheck)
        *pCheck = state.nCheck;
    return state.m_bEnabled;
}

void Command(CMainFrame* frame, UINT id)
{
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 1 /* accelerator */), 0);
}

void PutText(const char* text)
{
    const size_t cb = std::strlen(text) + 1;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    std::memcpy(::GlobalLock(h), text, cb);
    ::GlobalUnlock(h);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::SetClipboardData(CF_TEXT, h);
    ::CloseClipboard();
}

std::string ClipboardText()
{
    std::string text = "(none)";
    if (!::OpenClipboard(nullptr))
        return text;
    if (HANDLE h = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(h));
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return text;
}

// The program's GlobalAlloc fails while this lives: its import slot points
// at a stand-in.
class FailingGlobalAlloc {
public:
    FailingGlobalAlloc()
    {
        auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
        auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& iat = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IAT];
        auto** slots = reinterpret_cast<void**>(base + iat.VirtualAddress);
        void* real = reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "GlobalAlloc"));
        for (size_t i = 0; i < iat.Size / sizeof(void*); ++i) {
            if (slots[i] == real)
                m_pSlot = &slots[i];
        }
        if (m_pSlot)
            Swap(reinterpret_cast<void*>(&Fail));
    }
    ~FailingGlobalAlloc()
    {
        if (m_pSlot)
            Swap(m_pOld);
    }
    bool Active() const { return m_pSlot != nullptr; }

private:
    static HGLOBAL WINAPI Fail(UINT, SIZE_T) { return nullptr; }
    void Swap(void* p)
    {
        DWORD protect;
        ::VirtualProtect(m_pSlot, sizeof p, PAGE_READWRITE, &protect);
        m_pOld = *m_pSlot;
        *m_pSlot = p;
        ::VirtualProtect(m_pSlot, sizeof p, protect, &protect);
    }
    void** m_pSlot = nullptr;
    void* m_pOld = nullptr;
};

} // namespace

TEST_F(FrameTest, ClipboardCommandsFollowTheirUpdateRules)
{
    PutText("x");
    EXPECT_TRUE(Enabled(frame, ID_EDIT_PASTE));
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(Enabled(frame, ID_EDIT_PASTE));

    EXPECT_FALSE(Enabled(frame, ID_EDIT_COPY));
    view->SetText("a");
    EXPECT_TRUE(Enabled(frame, ID_EDIT_COPY));

    int nCheck = -1;
    EXPECT_TRUE(Enabled(frame, ID_VIEW_CLIPWATCH, &nCheck));
    EXPECT_EQ(nCheck, 0);
    Command(frame, ID_VIEW_CLIPWATCH);
    EXPECT_TRUE(Enabled(frame, ID_VIEW_CLIPWATCH, &nCheck));
    EXPECT_EQ(nCheck, 1);
    Command(frame, ID_VIEW_CLIPWATCH);
    EXPECT_EQ(frame->m_hWndNextViewer, nullptr);
}

TEST_F(FrameTest, OwnCopyIsNeverReadBackAndNoticesWhileOffReadNothing)
{
    view->SetText("abc");
    Command(frame, ID_VIEW_CLIPWATCH); // joins at the head
    view->NextChar();
    view->NextChar();
    Command(frame, ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "abc");
    EXPECT_EQ(view->GetIndex(), 2);
    // The notice of the same change passed on later by a viewer that heads
    // the chain is not read back either.
    frame->SendMessage(WM_DRAWCLIPBOARD);
    EXPECT_EQ(view->GetIndex(), 2);
    // Another program's text is read.
    PutText("xyz");
    frame->SendMessage(WM_DRAWCLIPBOARD);
    EXPECT_STREQ(view->GetText(), "xyz");
    // With monitoring off, a notice still on its way reads nothing.
    Command(frame, ID_VIEW_CLIPWATCH);
    PutText("off");
    frame->SendMessage(WM_DRAWCLIPBOARD);
    EXPECT_STREQ(view->GetText(), "xyz");
}

namespace {

// A clipboard owner that renders its text only when asked, and while asked
// (as a program on the X side keeps the reader waiting) lets the clipboard
// change once more, with the notice that brings.
LRESULT CALLBACK LateRenderProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    static int s_nRenders = 0;
    if (message == WM_RENDERFORMAT) {
        CMainFrame* pFrame = static_cast<CMainFrame*>(AfxGetMainWnd());
        if (s_nRenders++ == 0)
            pFrame->SendMessage(WM_DRAWCLIPBOARD);
        const char text[] = "late";
        HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, sizeof text);
        std::memcpy(::GlobalLock(h), text, sizeof text);
        ::GlobalUnlock(h);
        if (!::SetClipboardData(CF_TEXT, h))
            ::GlobalFree(h);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

} // namespace

TEST_F(FrameTest, ANoticeDuringAPasteReadsOnceMoreAfterIt)
{
    HWND hOwner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ::SetWindowLongPtrA(hOwner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LateRenderProc));
    ASSERT_TRUE(::OpenClipboard(hOwner));
    ::EmptyClipboard();
    ::SetClipboardData(CF_TEXT, nullptr); // rendered when read
    ::CloseClipboard();
    Command(frame, ID_VIEW_CLIPWATCH); // joining reads the clipboard
    EXPECT_STREQ(view->GetText(), "late");
    Command(frame, ID_VIEW_CLIPWATCH);
    ::DestroyWindow(hOwner);
}

TEST_F(FrameTest, CopyThatCannotAllocateLeavesTheClipboard)
{
    PutText("keep");
    view->SetText("abc");
    {
        FailingGlobalAlloc failing;
        ASSERT_TRUE(failing.Active());
        Command(frame, ID_EDIT_COPY);
    }
    EXPECT_EQ(ClipboardText(), "keep");
    Command(frame, ID_EDIT_COPY);
    EXPECT_EQ(ClipboardText(), "abc");
}

TEST_F(FrameTest, BlockThatCannotBeLockedEmptiesTheView)
{
    view->SetText("abc");
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DISCARDABLE, 8);
    ASSERT_EQ(::GlobalDiscard(h), h);
    exchange::SetViewText(*view, h, CF_TEXT);
    EXPECT_TRUE(view->GetText().IsEmpty());
    ::GlobalFree(h);
}
