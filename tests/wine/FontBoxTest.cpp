// The font box with the faces really installed here, its stored position, a
// picked face repainting the view, and a start that fails writing nothing.
#include "WineTest.h"

#include "res/resource.h"
#include "settings/Settings.h"

#include <fstream>
#include <sstream>
#include <vector>

using wine_test::FrameTest;
using wine_test::InkPixels;
using wine_test::PumpMessages;
using wine_test::SettingsFile;
using wine_test::Sjis;

namespace {

struct Enumerated {
    std::wstring face;
    DWORD type;
    BYTE pitch;
};

int CALLBACK Collect(const LOGFONTW* plf, const TEXTMETRICW*, DWORD type, LPARAM lParam)
{
    reinterpret_cast<std::vector<Enumerated>*>(lParam)->push_back({plf->lfFaceName, type, plf->lfPitchAndFamily});
    return 1;
}

// Every Shift-JIS face the platform enumerates for the window, in its order.
std::vector<Enumerated> EnumerateFaces(HWND hWnd)
{
    std::vector<Enumerated> faces;
    LOGFONTW lf{};
    lf.lfCharSet = SHIFTJIS_CHARSET;
    HDC hdc = ::GetDC(hWnd);
    ::EnumFontFamiliesExW(hdc, &lf, reinterpret_cast<FONTENUMPROCW>(&Collect), reinterpret_cast<LPARAM>(&faces), 0);
    ::ReleaseDC(hWnd, hdc);
    return faces;
}

std::vector<std::wstring> Entries(const CFontBox& box)
{
    std::vector<std::wstring> entries;
    for (int i = 0; i < box.GetCount(); ++i) {
        wchar_t text[64] = {};
        COMBOBOXEXITEMW item{};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = static_cast<int>(std::size(text));
        box.GetItem(&item);
        entries.push_back(text);
    }
    return entries;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

TEST_F(FrameTest, FontBoxListsTheInstalledFixedTrueTypeFacesLastEnumeratedFirst)
{
    std::vector<std::wstring> expected;
    for (const Enumerated& e : EnumerateFaces(frame->m_hWnd)) {
        if (e.type == TRUETYPE_FONTTYPE && e.face[0] != '@' && !(e.pitch & VARIABLE_PITCH))
            expected.insert(expected.begin(), e.face);
    }
    const std::vector<std::wstring> entries = Entries(frame->m_wndToolBar.m_wndFontBox);
    EXPECT_EQ(entries, expected);
    // The IPA fonts installed here: the fixed faces are listed, the proportional ones are not.
    const auto listed = [&](const wchar_t* face) {
        return std::find(entries.begin(), entries.end(), face) != entries.end();
    };
    EXPECT_TRUE(listed(L"IPAゴシック"));
    EXPECT_TRUE(listed(L"IPA明朝"));
    EXPECT_FALSE(listed(L"IPA Pゴシック"));
    EXPECT_FALSE(listed(L"@IPAゴシック"));

    // Nothing stored: the top entry is selected, and it is the glyph's face.
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(frame->m_wndToolBar.m_wndFontBox.GetCurSel(), 0);
    EXPECT_STREQ(frame->GetSelectedFace().c_str(), entries[0].c_str());

    // The drop-down list shows the longest name whole.
    HWND hCombo = frame->m_wndToolBar.m_wndFontBox.GetComboBoxCtrl();
    HDC hdc = ::GetDC(hCombo);
    HGDIOBJ old = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(::SendMessageA(hCombo, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::wstring& e : entries) {
        SIZE size;
        ::GetTextExtentPoint32W(hdc, e.c_str(), static_cast<int>(e.size()), &size);
        widest = std::max(widest, size.cx);
    }
    ::SelectObject(hdc, old);
    ::ReleaseDC(hCombo, hdc);
    EXPECT_GT(::SendMessageA(hCombo, CB_GETDROPPEDWIDTH, 0, 0), widest + ::GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(FrameTest, FontBoxRestoresTheStoredPositionWithoutRepainting)
{
    CFontBox& box = frame->m_wndToolBar.m_wndFontBox;
    const int count = box.GetCount();
    ASSERT_GE(count, 2);
    view->SetText("a");
    view->UpdateWindow();
    const std::pair<std::string, int> rules[] = {
        {"1", 1}, {std::to_string(count - 1), count - 1}, {std::to_string(count), 0}, {"999", 0}, {"-1", -1},
    };
    for (const auto& rule : rules) {
        ::WritePrivateProfileStringA("settings", "ffcomboindex", rule.first.c_str(), SettingsFile().c_str());
        box.SendMessage(CB_RESETCONTENT);
        frame->FillFontBox();
        EXPECT_EQ(box.GetCount(), count);
        EXPECT_EQ(box.GetCurSel(), rule.second) << "stored " << rule.first;
        EXPECT_FALSE(::GetUpdateRect(view->m_hWnd, nullptr, FALSE)) << "restoring repainted the view";
    }
    EXPECT_STREQ(frame->GetSelectedFace().c_str(), L""); // nothing selected
    // Nothing selected at close: the stored position stays.
    frame->DestroyWindow();
    EXPECT_EQ(::GetPrivateProfileIntA("settings", "ffcomboindex", 7, SettingsFile().c_str()), -1u);
}

TEST_F(FrameTest, PickingAFaceRepaintsTheSameCharacterInIt)
{
    CFontBox& box = frame->m_wndToolBar.m_wndFontBox;
    ASSERT_GE(box.GetCount(), 2);
    view->SetText(Sjis("大きい").c_str());
    view->NextChar();
    const CStringW first = frame->GetSelectedFace();
    view->UpdateWindow();
    const int inkBefore = InkPixels(view->m_hWnd);

    // The keyboard in the closed list picks the next entry, as a user would;
    // the box's own notice comes back to it through the toolbar.
    const auto pickNext = [&] {
        ::SendMessageA(box.GetComboBoxCtrl(), WM_KEYDOWN, VK_DOWN, 0);
        EXPECT_TRUE(::GetUpdateRect(view->m_hWnd, nullptr, FALSE)) << "the view was not invalidated";
        view->UpdateWindow();
    };
    pickNext();
    EXPECT_EQ(box.GetCurSel(), 1);
    EXPECT_NE(frame->GetSelectedFace(), first);
    EXPECT_NE(InkPixels(view->m_hWnd), inkBefore) << "the glyph was not drawn in the new face";
    EXPECT_EQ(view->GetIndex(), 1);

    // Also while the toolbar floats in a window of its own.
    frame->FloatControlBar(&frame->m_wndToolBar, POINT{200, 200});
    ASSERT_TRUE(frame->m_wndToolBar.IsFloating());
    if (box.GetCount() > 2) {
        pickNext();
        EXPECT_EQ(box.GetCurSel(), 2);
    }
    EXPECT_EQ(view->GetIndex(), 1);
}

namespace {

// Refuses the creation of the frame's view, so that the frame's WM_CREATE fails.
LRESULT CALLBACK RefuseTheView(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (cs->hwndParent && cs->hMenu == reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)))
            return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

// On Windows a window whose WM_CREATE fails still gets WM_DESTROY; Wine skips
// it, so this frame delivers it as Windows does.
class CFrameFailingLikeWindows : public CMainFrame {
protected:
    int OnCreate(LPCREATESTRUCTA lpcs)
    {
        const int result = CMainFrame::OnCreate(lpcs);
        if (result == -1)
            SendMessage(WM_DESTROY);
        return result;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFrameFailingLikeWindows, CMainFrame)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class FailedStart : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream(ini, std::ios::binary) << stored;
        hook = ::SetWindowsHookExA(WH_CBT, &RefuseTheView, nullptr, ::GetCurrentThreadId());
    }
    void TearDown() override
    {
        ::UnhookWindowsHookEx(hook);
        PumpMessages();
        EXPECT_EQ(theApp.m_pMainWnd, nullptr);
        EXPECT_EQ(FileBytes(ini), stored) << "a frame that was never created wrote its settings";
        ::DeleteFileA(ini.c_str());
    }

    const std::string ini = SettingsFile();
    const std::string stored = "[settings]\r\nflags=1\r\nffcomboindex=3\r\n";
    HHOOK hook = nullptr;
};

TEST_F(FailedStart, EndsTheProgramWithAnError)
{
    EXPECT_NE(AfxWinMain(::GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOW), 0);
}

TEST_F(FailedStart, AFrameWhoseCreationFailedWritesNothing)
{
    settings::UseSettingsFile(theApp);
    CFrameFailingLikeWindows* pFrame = new CFrameFailingLikeWindows;
    theApp.m_pMainWnd = pFrame;
    EXPECT_FALSE(pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
}
