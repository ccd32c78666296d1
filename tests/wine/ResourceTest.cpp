// The resources as the running program sees them: strings, the menu, the
// accelerators, both dialogs, the version record, the toolbar and its images,
// the icon. Texts are kept here once, as UTF-8, and turned into code page 932
// (or UTF-16 for raw templates) at run time.
#include "WineTest.h"

#include "res/resource.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

using wine_test::Sjis;

// The ids the resources are built from, by number.
static_assert(IDD_ABOUTBOX == 100 && IDC_FONTBOX == 101 && ID_INDICATOR_CODE == 102, "ids");
static_assert(IDR_MAINFRAME == 128 && IDD_INPUT == 132 && IDC_INPUT == 1000, "ids");
static_assert(ID_VIEW_CLIPWATCH == 32772 && ID_VIEW_TOPMOST == 32773 && ID_FONTBOX == 32775, "ids");
static_assert(ID_FONT_BOLD == 32776 && ID_FONT_ITALIC == 32777, "ids");
static_assert(ID_PREV_CHAR == 32779 && ID_NEXT_CHAR == 32780 && ID_INPUT_TEXT == 32781, "ids");
static_assert(ID_FIRST_CHAR == 32782 && ID_LAST_CHAR == 32783 && ID_VIEW_FULLSCREEN == 32784, "ids");
static_assert(ID_VIEW_FALLBACK == 32785 && ID_EDIT_COPY_PICTURE == 32786 && ID_FILE_SAVE_PICTURE == 32787 &&
                  ID_INDICATOR_FACE == 104,
              "ids");
static_assert(ID_INDICATOR_POS == 61204, "ids");
static_assert(ID_FILE_NEW == 57600 && ID_APP_EXIT == 57665 && ID_APP_ABOUT == 57664, "ids");
static_assert(ID_EDIT_COPY == 57634 && ID_EDIT_CUT == 57635 && ID_EDIT_PASTE == 57637 && ID_EDIT_UNDO == 57643, "ids");
static_assert(ID_NEXT_PANE == 57680 && ID_PREV_PANE == 57681, "ids");
static_assert(ID_VIEW_TOOLBAR == 59392 && ID_VIEW_STATUS_BAR == 59393, "ids");
static_assert(AFX_IDS_APP_TITLE == 57344 && AFX_IDS_IDLEMESSAGE == 57345, "ids");
static_assert(AFX_IDS_SCSIZE == 61184 && AFX_IDS_SCCLOSE == 61190, "ids");
static_assert(AFX_IDS_SCRESTORE == 61202 && AFX_IDS_SCTASKLIST == 61203, "ids");

namespace {

HINSTANCE Module()
{
    return ::GetModuleHandleA(nullptr);
}

std::wstring Wide(const char* utf8)
{
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &out[0], n);
    out.resize(static_cast<size_t>(n) - 1);
    return out;
}

std::string Narrow(const std::wstring& text)
{
    const int n = ::WideCharToMultiByte(932, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(932, 0, text.c_str(), -1, &out[0], n, nullptr, nullptr);
    out.resize(static_cast<size_t>(n) - 1);
    return out;
}

// A resource's bytes; every resource of the program is Japanese.
std::vector<BYTE> Raw(LPCSTR type, UINT id)
{
    HRSRC found = ::FindResourceExA(Module(), type, MAKEINTRESOURCEA(id), MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (!found)
        return {};
    const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(Module(), found)));
    return std::vector<BYTE>(data, data + ::SizeofResource(Module(), found));
}

// Reads little-endian fields of a resource in order.
class Reader {
public:
    explicit Reader(const std::vector<BYTE>&& bytes) = delete;
    explicit Reader(const std::vector<BYTE>& bytes) : base_(bytes.data()), pos_(0), size_(bytes.size()) {}
    Reader(const BYTE* base, size_t size) : base_(base), pos_(0), size_(size) {}

    bool Ok() const { return ok_; }
    size_t Pos() const { return pos_; }
    void Seek(size_t pos) { if (pos > size_) ok_ = false; else pos_ = pos; }
    void Align4() { Seek((pos_ + 3) & ~size_t{3}); }

    WORD Word()
    {
        if (pos_ + 2 > size_) { ok_ = false; return 0; }
        const WORD w = static_cast<WORD>(base_[pos_] | base_[pos_ + 1] << 8);
        pos_ += 2;
        return w;
    }
    DWORD Dword()
    {
        const DWORD lo = Word();
        return lo | static_cast<DWORD>(Word()) << 16;
    }
    short Short() { return static_cast<short>(Word()); }
    std::wstring Sz()
    {
        std::wstring s;
        for (WORD c = Word(); ok_ && c; c = Word())
            s += static_cast<wchar_t>(c);
        return s;
    }
    // A name or a number: 0xFFFF and the number, else a string.
    struct NameOrOrdinal { bool ordinal; WORD number; std::wstring name; };
    NameOrOrdinal SzOrOrd()
    {
        const size_t start = pos_;
        if (Word() == 0xFFFF)
            return {true, Word(), {}};
        Seek(start);
        return {false, 0, Sz()};
    }

private:
    const BYTE* base_;
    size_t pos_;
    size_t size_;
    bool ok_ = true;
};

// ---------------------------------------------------------------------------
// Strings

struct Row {
    UINT id;
    const char* text;    // the whole row, or the prompt of a command row
    const char* tooltip; // nullptr for a row without a line feed
};

const Row kRows[] = {
    // The program's own rows.
    {ID_INDICATOR_CODE, "SJIS : 0XXXXX", nullptr},
    {ID_INDICATOR_UNICODE, "U+0XXXXX U+0XXXXX", nullptr},
    {ID_INDICATOR_FACE, "Microsoft YaHei で表示", nullptr},
    {IDS_SHOWN_IN, "%s で表示", nullptr},
    {IDS_NO_FACE, "この文字のフォントなし", nullptr},
    {IDR_MAINFRAME, "quelvan", nullptr},
    {AFX_IDS_APP_TITLE, "quelvan", nullptr},
    {AFX_IDS_IDLEMESSAGE, "ﾚﾃﾞｨ", nullptr},
    {ID_INDICATOR_POS, "000 / 000", nullptr},
    // Its commands.
    {ID_VIEW_CLIPWATCH, "クリップボードの監視をします。", "クリップボードの監視"},
    {ID_VIEW_TOPMOST, "ウインドウを常に最上位に表示します。", "最上位に表示"},
    {ID_FONT_BOLD, "太字", "太字を表示します。"},
    {ID_FONT_ITALIC, "イタリック", "イタリックを表示します。"},
    {ID_PREV_CHAR, "前の文字に移動します。", "前の文字"},
    {ID_NEXT_CHAR, "次の文字に移動します。", "次の文字"},
    {ID_INPUT_TEXT, "文字列の入力", "文字列の入力"},
    {ID_FIRST_CHAR, "最初の文字に移動します。", "最初の文字"},
    {ID_LAST_CHAR, "最後の文字に移動します。", "最後の文字"},
    {ID_VIEW_FULLSCREEN, "文字を画面全体に表示します。F11 または Esc で元に戻ります。", "全画面表示"},
    {ID_VIEW_FALLBACK, "選んだフォントにない文字を、その文字のある他のフォントで表示します。", "他のフォントで表示"},
    {ID_EDIT_COPY_PICTURE, "文字を画像としてクリップボードにコピーします。", "画像としてコピー"},
    {ID_FILE_SAVE_PICTURE, "文字を画像ファイル (PNG、SVG、EMF) に保存します。", "画像として保存"},
    {IDS_PICTURE_TYPES, "PNG 画像 (*.png)|*.png|SVG 画像 (*.svg)|*.svg|拡張メタファイル (*.emf)|*.emf|", nullptr},
    {IDS_PICTURE_NOT_SAVED, "画像を保存できませんでした。", nullptr},
    // The framework's commands it offers or maps to keys.
    {ID_FILE_NEW, "新しいウインドウを開きます。", "新規作成"},
    {ID_EDIT_COPY, "選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存", "ｺﾋﾟｰ"},
    {ID_EDIT_CUT, "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存", "切り取り"},
    {ID_EDIT_PASTE, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け", "貼り付け"},
    {ID_EDIT_UNDO, "直前に行った動作を元に戻す", "元に戻す"},
    {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示", "ﾊﾞｰｼﾞｮﾝ情報"},
    {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示", "終了"},
    {ID_NEXT_PANE, "次のｳｨﾝﾄﾞｳに切り替える", "次のﾍﾟｲﾝ"},
    {ID_PREV_PANE, "前のｳｨﾝﾄﾞｳに切り替える", "前のﾍﾟｲﾝ"},
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰの 表示/非表示", "ﾂｰﾙ ﾊﾞｰの表示切り替え"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示", "ｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"},
    // Prompts of the system menu.
    {AFX_IDS_SCSIZE, "ｳｨﾝﾄﾞｳのｻｲｽﾞを変更", nullptr},
    {AFX_IDS_SCMOVE, "ｳｨﾝﾄﾞｳの位置を変更", nullptr},
    {AFX_IDS_SCMINIMIZE, "ｳｨﾝﾄﾞｳを最小化する", nullptr},
    {AFX_IDS_SCMAXIMIZE, "ｳｨﾝﾄﾞｳを最大化する", nullptr},
    {AFX_IDS_SCNEXTWINDOW, "次のｳｨﾝﾄﾞｳに切り替える", nullptr},
    {AFX_IDS_SCPREVWINDOW, "前のｳｨﾝﾄﾞｳに切り替える", nullptr},
    {AFX_IDS_SCCLOSE, "作業中のｳｨﾝﾄﾞｳを閉じ、変更したﾌｧｲﾙの保存を指示", nullptr},
    {AFX_IDS_SCRESTORE, "ｳｨﾝﾄﾞｳを通常のｻｲｽﾞに戻す", nullptr},
    {AFX_IDS_SCTASKLIST, "ｱﾌﾟﾘｹｰｼｮﾝの切り替え", nullptr},
};

std::string LoadRow(UINT id)
{
    char buf[1024];
    const int n = ::LoadStringA(Module(), id, buf, sizeof buf);
    return std::string(buf, static_cast<size_t>(std::max(n, 0)));
}

// Ids of all non-empty rows of the string table, read from its blocks of 16.
std::set<UINT> AllRowIds()
{
    std::set<UINT> ids;
    const auto collect = [](HMODULE, LPCSTR, LPSTR name, LONG_PTR param) -> BOOL {
        if (!IS_INTRESOURCE(name))
            return TRUE;
        const UINT block = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name));
        const std::vector<BYTE> raw = Raw(MAKEINTRESOURCEA(6) /* RT_STRING */, block);
        Reader r(raw);
        for (UINT i = 0; i < 16 && r.Ok(); ++i) {
            const WORD length = r.Word();
            if (length)
                reinterpret_cast<std::set<UINT>*>(param)->insert((block - 1) * 16 + i);
            for (WORD k = 0; k < length; ++k)
                r.Word();
        }
        return TRUE;
    };
    ::EnumResourceNamesA(Module(), MAKEINTRESOURCEA(6), collect, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

TEST(ResourceStrings, EveryRowReadsBackInCodePage932)
{
    ASSERT_EQ(::GetACP(), 932u);
    for (const Row& row : kRows) {
        SCOPED_TRACE(testing::Message() << "string row " << row.id);
        const std::string text = LoadRow(row.id);
        if (!row.tooltip) {
            EXPECT_EQ(text, Sjis(row.text));
            EXPECT_EQ(text.find('\n'), std::string::npos);
            continue;
        }
        // A command row: prompt, one line feed, tooltip.
        ASSERT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
        const size_t lf = text.find('\n');
        EXPECT_EQ(text.substr(0, lf), Sjis(row.text));
        EXPECT_EQ(text.substr(lf + 1), Sjis(row.tooltip));
    }
}

TEST(ResourceStrings, HoldsNoOtherRows)
{
    std::set<UINT> expected;
    for (const Row& row : kRows)
        expected.insert(row.id);
    EXPECT_EQ(AllRowIds(), expected);

    // The font box has neither a tooltip nor a prompt.
    EXPECT_EQ(LoadRow(ID_FONTBOX), "");
    EXPECT_EQ(LoadRow(IDC_FONTBOX), "");
}

// ---------------------------------------------------------------------------
// Menu

struct Item {
    const char* text; // nullptr for a separator
    UINT id;
};

struct Popup {
    const char* title;
    std::vector<Item> items;
};

const Item kSeparator = {nullptr, 0};

TEST(ResourceMenu, PopupsItemsTextsAndIdsInOrder)
{
    const Popup popups[] = {
        {"ﾌｧｲﾙ(&F)",
         {{"新規作成(&N)", ID_FILE_NEW},
          kSeparator,
          {"画像として保存(&S)...", ID_FILE_SAVE_PICTURE},
          kSeparator,
          {"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", ID_APP_EXIT}}},
        {"編集(&E)",
         {{"貼り付け(&P)\tCtrl+V", ID_EDIT_PASTE},
          {"画像としてコピー(&C)\tCtrl+Shift+C", ID_EDIT_COPY_PICTURE},
          kSeparator,
          {"文字列の入力(&I)...\tCtrl+I", ID_INPUT_TEXT},
          kSeparator,
          {"次の文字(&V)\tSPACE", ID_NEXT_CHAR},
          {"前の文字(&V)\tSHIFT+SPACE", ID_PREV_CHAR},
          {"最初の文字(&F)\tHome", ID_FIRST_CHAR},
          {"最後の文字(&L)\tEnd", ID_LAST_CHAR}}},
        {"表示(&V)",
         {{"ﾂｰﾙ ﾊﾞｰ(&T)", ID_VIEW_TOOLBAR},
          {"ｽﾃｰﾀｽ ﾊﾞｰ(&S)", ID_VIEW_STATUS_BAR},
          kSeparator,
          {"クリップボード監視(&C)", ID_VIEW_CLIPWATCH},
          {"常に最上位に表示(&V)", ID_VIEW_TOPMOST},
          {"ない文字は他のフォントで表示(&O)", ID_VIEW_FALLBACK},
          kSeparator,
          {"全画面表示(&F)\tF11", ID_VIEW_FULLSCREEN}}},
        {"ﾍﾙﾌﾟ(&H)", {{"quelvan のﾊﾞｰｼﾞｮﾝ情報(&A)...", ID_APP_ABOUT}}},
    };

    HMENU menu = ::LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(::GetMenuItemCount(menu), 4);
    char buf[256];
    for (int p = 0; p < 4; ++p) {
        SCOPED_TRACE(testing::Message() << "pop-up " << p);
        const Popup& expected = popups[p];
        const int n = ::GetMenuStringA(menu, static_cast<UINT>(p), buf, sizeof buf, MF_BYPOSITION);
        EXPECT_EQ(std::string(buf, static_cast<size_t>(std::max(n, 0))), Sjis(expected.title));
        HMENU sub = ::GetSubMenu(menu, p);
        ASSERT_NE(sub, nullptr);
        ASSERT_EQ(::GetMenuItemCount(sub), static_cast<int>(expected.items.size()));
        for (size_t i = 0; i < expected.items.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "item " << i);
            const Item& item = expected.items[i];
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU;
            ASSERT_TRUE(::GetMenuItemInfoA(sub, static_cast<UINT>(i), TRUE, &info));
            EXPECT_EQ(info.hSubMenu, nullptr);
            EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, item.text == nullptr);
            if (!item.text)
                continue;
            EXPECT_EQ(info.fState, 0u) << "no item is greyed or checked in the resource";
            EXPECT_EQ(info.wID, item.id);
            const int len = ::GetMenuStringA(sub, static_cast<UINT>(i), buf, sizeof buf, MF_BYPOSITION);
            EXPECT_EQ(std::string(buf, static_cast<size_t>(std::max(len, 0))), Sjis(item.text));
        }
    }
    ::DestroyMenu(menu);
}

// ---------------------------------------------------------------------------
// Accelerators

TEST(ResourceAccelerators, EighteenEntriesWithTheirFlagsKeysAndCommands)
{
    struct Entry { BYTE flags; WORD key; WORD cmd; };
    const Entry expected[] = {
        {0x0B, 0x43, ID_EDIT_COPY},       // Ctrl+C
        {0x0F, 0x43, ID_EDIT_COPY_PICTURE}, // Ctrl+Shift+C
        {0x0B, 0x56, ID_EDIT_PASTE},      // Ctrl+V
        {0x13, VK_BACK, ID_EDIT_UNDO},    // Alt+Backspace
        {0x07, VK_DELETE, ID_EDIT_CUT},   // Shift+Delete
        {0x03, VK_END, ID_LAST_CHAR},     // End
        {0x03, VK_F11, ID_VIEW_FULLSCREEN}, // F11
        {0x03, VK_F6, ID_NEXT_PANE},      // F6
        {0x07, VK_F6, ID_PREV_PANE},      // Shift+F6
        {0x03, VK_HOME, ID_FIRST_CHAR},   // Home
        {0x0B, VK_INSERT, ID_EDIT_COPY},  // Ctrl+Insert
        {0x07, VK_INSERT, ID_EDIT_PASTE}, // Shift+Insert
        {0x03, VK_LEFT, ID_PREV_CHAR},    // Left
        {0x03, VK_RIGHT, ID_NEXT_CHAR},   // Right
        {0x03, VK_SPACE, ID_NEXT_CHAR},   // Space
        {0x07, VK_SPACE, ID_PREV_CHAR},   // Shift+Space
        {0x0B, 0x58, ID_EDIT_CUT},        // Ctrl+X
        {0x8B, 0x5A, ID_EDIT_UNDO},       // Ctrl+Z, the end of the table
    };
    const int count = sizeof expected / sizeof expected[0];
    static_assert(FVIRTKEY == 0x01 && FNOINVERT == 0x02 && FSHIFT == 0x04 && FCONTROL == 0x08 && FALT == 0x10, "");

    // The resource itself: eight bytes an entry, the end bit on the last only.
    const std::vector<BYTE> raw = Raw(MAKEINTRESOURCEA(9) /* RT_ACCELERATOR */, IDR_MAINFRAME);
    ASSERT_EQ(raw.size(), count * 8u);
    Reader r(raw);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(testing::Message() << "resource entry " << i + 1);
        EXPECT_EQ(r.Word(), expected[i].flags);
        EXPECT_EQ(r.Word(), expected[i].key);
        EXPECT_EQ(r.Word(), expected[i].cmd);
        r.Word();
    }

    // The table as the system loaded it, which keeps only the flag bits of an entry.
    HACCEL table = ::LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(::CopyAcceleratorTableA(table, nullptr, 0), count);
    ACCEL loaded[count];
    ASSERT_EQ(::CopyAcceleratorTableA(table, loaded, count), count);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(testing::Message() << "loaded entry " << i + 1);
        EXPECT_EQ(loaded[i].fVirt, expected[i].flags & 0x7F);
        EXPECT_EQ(loaded[i].key, expected[i].key);
        EXPECT_EQ(loaded[i].cmd, expected[i].cmd);
    }
    ::DestroyAcceleratorTable(table);
}

// ---------------------------------------------------------------------------
// Dialogs

const char kFace[] = "ＭＳ Ｐゴシック";
const DWORD kDialogStyle = 0x80C800C0; // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT
static_assert(kDialogStyle == (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT), "");

enum : WORD { kButton = 0x80, kEdit = 0x81, kStatic = 0x82 };

struct Control {
    WORD atom;
    WORD id;
    const char* text; // nullptr: the icon IDR_MAINFRAME (SS_ICON) or the notice line
    DWORD style;
    short x, y, cx, cy;
};

struct Dialog {
    UINT id;
    short cx, cy;
    const char* title;
    std::vector<Control> controls;
};

const WORD kStaticId = 0xFFFF; // IDC_STATIC

const Dialog kAbout = {
    IDD_ABOUTBOX, 235, 55, "quelvanのﾊﾞｰｼﾞｮﾝ情報",
    {
        {kStatic, kStaticId, nullptr, 0x50000003, 11, 17, 20, 20},             // the icon
        {kStatic, kStaticId, "quelvan Version 1.1", 0x50020080, 40, 10, 119, 8},
        {kStatic, kStaticId, nullptr, 0x50020000, 40, 25, 119, 8},             // the notice
        {kButton, IDOK, "OK", 0x50030001, 178, 7, 50, 14},
    }};

const Dialog kInput = {
    IDD_INPUT, 142, 45, "文字入力",
    {
        {kEdit, IDC_INPUT, "", 0x50810080, 7, 5, 128, 12},
        {kButton, IDOK, "OK", 0x50010001, 35, 24, 50, 14},
        {kButton, IDCANCEL, "ｷｬﾝｾﾙ", 0x50010000, 85, 24, 50, 14},
    }};

std::string VersionString(const char* key);

// The notice line of the About box is the version record's notice.
std::string Notice()
{
    return VersionString("LegalCopyright");
}

void CheckTemplate(const Dialog& dialog)
{
    SCOPED_TRACE(testing::Message() << "dialog template " << dialog.id);
    const std::vector<BYTE> raw = Raw(MAKEINTRESOURCEA(5) /* RT_DIALOG */, dialog.id);
    ASSERT_FALSE(raw.empty());
    Reader r(raw);
    EXPECT_EQ(r.Dword(), kDialogStyle);
    EXPECT_EQ(r.Dword(), 0u) << "extended style";
    ASSERT_EQ(r.Word(), dialog.controls.size());
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), dialog.cx);
    EXPECT_EQ(r.Short(), dialog.cy);
    EXPECT_EQ(r.Word(), 0) << "no menu";
    EXPECT_EQ(r.Word(), 0) << "the standard dialog class";
    EXPECT_EQ(r.Sz(), Wide(dialog.title));
    EXPECT_EQ(r.Word(), 9) << "point size";
    EXPECT_EQ(r.Sz(), Wide(kFace));
    for (size_t i = 0; i < dialog.controls.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "control " << i + 1);
        const Control& c = dialog.controls[i];
        r.Align4();
        EXPECT_EQ(r.Dword(), c.style);
        EXPECT_EQ(r.Dword(), 0u) << "extended style";
        EXPECT_EQ(r.Short(), c.x);
        EXPECT_EQ(r.Short(), c.y);
        EXPECT_EQ(r.Short(), c.cx);
        EXPECT_EQ(r.Short(), c.cy);
        EXPECT_EQ(r.Word(), c.id);
        const Reader::NameOrOrdinal cls = r.SzOrOrd();
        EXPECT_TRUE(cls.ordinal);
        EXPECT_EQ(cls.number, c.atom);
        const Reader::NameOrOrdinal text = r.SzOrOrd();
        if ((c.style & SS_TYPEMASK) == SS_ICON && c.atom == kStatic) {
            EXPECT_TRUE(text.ordinal);
            EXPECT_EQ(text.number, IDR_MAINFRAME);
        } else {
            EXPECT_FALSE(text.ordinal);
            EXPECT_EQ(Narrow(text.name), c.text ? Sjis(c.text) : Notice());
        }
        EXPECT_EQ(r.Word(), 0) << "no creation data";
    }
    EXPECT_TRUE(r.Ok());
    r.Align4();
    EXPECT_EQ(r.Pos(), raw.size());
}

std::string Text(HWND hWnd)
{
    char buf[256];
    const int n = ::GetWindowTextA(hWnd, buf, sizeof buf);
    return std::string(buf, static_cast<size_t>(std::max(n, 0)));
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The dialog created from its template: caption, controls and their texts in
// order, as code page 932 text.
void CheckWindow(const Dialog& dialog)
{
    SCOPED_TRACE(testing::Message() << "dialog window " << dialog.id);
    HWND dlg = ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(dialog.id), nullptr, QuietDialogProc, 0);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(Text(dlg), Sjis(dialog.title));
    HWND child = ::GetWindow(dlg, GW_CHILD);
    for (size_t i = 0; i < dialog.controls.size(); ++i, child = ::GetWindow(child, GW_HWNDNEXT)) {
        SCOPED_TRACE(testing::Message() << "control " << i + 1);
        const Control& c = dialog.controls[i];
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(static_cast<WORD>(::GetDlgCtrlID(child)), c.id);
        char cls[32] = {};
        ::GetClassNameA(child, cls, sizeof cls);
        const char* name = c.atom == kButton ? "Button" : c.atom == kEdit ? "Edit" : "Static";
        EXPECT_EQ(::lstrcmpiA(cls, name), 0) << cls;
        if (c.atom == kStatic && (c.style & SS_TYPEMASK) == SS_ICON) {
            EXPECT_NE(::SendMessageA(child, STM_GETICON, 0, 0), 0) << "shows the icon";
            continue;
        }
        const std::string text = c.text ? Sjis(c.text) : Notice();
        EXPECT_EQ(Text(child), text);
        if (c.text)
            continue;
        // The notice fits its line in the dialog's font.
        RECT rc;
        ::GetClientRect(child, &rc);
        HDC dc = ::GetDC(child);
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(dlg, WM_GETFONT, 0, 0)));
        SIZE extent{};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        ::SelectObject(dc, old);
        ::ReleaseDC(child, dc);
        EXPECT_LE(extent.cx, rc.right) << "the notice is wider than its line";
    }
    EXPECT_EQ(child, nullptr) << "more controls than expected";
    ::DestroyWindow(dlg);
}

TEST(ResourceDialogs, AboutBoxTemplateAndWindow)
{
    CheckTemplate(kAbout);
    CheckWindow(kAbout);
}

TEST(ResourceDialogs, InputDialogTemplateWindowAndTabOrder)
{
    CheckTemplate(kInput);
    CheckWindow(kInput);

    HWND dlg = ::CreateDialogParamA(Module(), MAKEINTRESOURCEA(IDD_INPUT), nullptr, QuietDialogProc, 0);
    ASSERT_NE(dlg, nullptr);
    HWND edit = ::GetDlgItem(dlg, IDC_INPUT);
    HWND ok = ::GetDlgItem(dlg, IDOK);
    HWND cancel = ::GetDlgItem(dlg, IDCANCEL);
    EXPECT_EQ(::GetNextDlgTabItem(dlg, edit, FALSE), ok);
    EXPECT_EQ(::GetNextDlgTabItem(dlg, ok, FALSE), cancel);
    EXPECT_EQ(::GetNextDlgTabItem(dlg, cancel, FALSE), edit);
    EXPECT_EQ(LOWORD(::SendMessageA(dlg, DM_GETDEFID, 0, 0)), IDOK);
    ::DestroyWindow(dlg);
}

// ---------------------------------------------------------------------------
// Version record

std::vector<BYTE> VersionBlock()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    std::vector<BYTE> block(size);
    if (!size || !::GetFileVersionInfoA(path, 0, size, block.data()))
        block.clear();
    return block;
}

std::string VersionString(const char* key)
{
    std::vector<BYTE> block = VersionBlock();
    const std::string sub = std::string("\\StringFileInfo\\041104b0\\") + key;
    char* value = nullptr;
    UINT length = 0;
    if (block.empty() || !::VerQueryValueA(block.data(), sub.c_str(), reinterpret_cast<void**>(&value), &length))
        return "<missing " + std::string(key) + ">";
    return value && length ? std::string(value) : std::string();
}

// Keys of the children of a version node, in order, with the node's body.
struct Node {
    std::wstring key;
    const BYTE* body;
    size_t size;
};

std::vector<Node> Children(const BYTE* node, size_t size)
{
    Reader r(node, size);
    const WORD length = r.Word();
    const WORD valueLength = r.Word();
    const WORD type = r.Word();
    r.Sz();
    r.Align4();
    r.Seek(r.Pos() + (type == 1 ? valueLength * 2u : valueLength));
    r.Align4();
    std::vector<Node> children;
    while (r.Ok() && r.Pos() + 6 <= length) {
        const size_t start = r.Pos();
        const WORD childLength = r.Word();
        r.Word();
        r.Word();
        if (childLength < 6 || start + childLength > length)
            break;
        children.push_back({r.Sz(), node + start, childLength});
        r.Seek(start + childLength);
        r.Align4();
    }
    return children;
}

TEST(ResourceVersion, FixedFieldsStringBlockAndTranslation)
{
    std::vector<BYTE> block = VersionBlock();
    ASSERT_FALSE(block.empty());

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof *fixed);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, 4u) << "VOS__WINDOWS32";
    EXPECT_EQ(fixed->dwFileType, 1u) << "VFT_APP";
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS, 0u);
    EXPECT_EQ(fixed->dwFileDateLS, 0u);

    DWORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(LOWORD(*translation), 0x0411);
    EXPECT_EQ(HIWORD(*translation), 1200);

    struct Value { const char* key; const char* text; }; // text nullptr: the notice
    const Value values[] = {
        {"Comments", ""},
        {"CompanyName", ""},
        {"FileDescription", "quelvan MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "quelvan"},
        {"LegalCopyright", nullptr},
        {"LegalTrademarks", ""},
        {"OriginalFilename", "quelvan.EXE"},
        {"PrivateBuild", ""},
        {"ProductName", "quelvan ｱﾌﾟﾘｹｰｼｮﾝ"},
        {"ProductVersion", "1, 0, 0, 1"},
        {"SpecialBuild", ""},
    };
    for (const Value& v : values) {
        SCOPED_TRACE(v.key);
        const std::string text = VersionString(v.key);
        if (v.text) {
            EXPECT_EQ(text, Sjis(v.text));
        } else {
            EXPECT_NE(text.find("Copyright"), std::string::npos) << text;
            EXPECT_NE(text.find("quelvan"), std::string::npos) << text;
        }
    }

    // The order of the keys and blocks, from the record itself.
    const std::vector<BYTE> raw = Raw(MAKEINTRESOURCEA(16) /* RT_VERSION */, 1);
    ASSERT_FALSE(raw.empty());
    const std::vector<Node> top = Children(raw.data(), raw.size());
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].key, L"StringFileInfo");
    EXPECT_EQ(top[1].key, L"VarFileInfo");
    const std::vector<Node> tables = Children(top[0].body, top[0].size);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].key, L"041104b0");
    std::vector<std::wstring> keys, expectedKeys;
    for (const Node& n : Children(tables[0].body, tables[0].size))
        keys.push_back(n.key);
    for (const Value& v : values)
        expectedKeys.push_back(Wide(v.key));
    EXPECT_EQ(keys, expectedKeys);
}

TEST(ResourceVersion, ManifestAsksForCommonControls6AndPerMonitorDpiAwareness)
{
    const std::vector<BYTE> raw = Raw(MAKEINTRESOURCEA(24) /* RT_MANIFEST */, 1);
    const std::string manifest(raw.begin(), raw.end());
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
}

// ---------------------------------------------------------------------------
// Toolbar, its image strip and the icon

const COLORREF kStandardColours[16] = {
    RGB(0, 0, 0),     RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),   RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0), RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),   RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};
const COLORREF kLightGrey = RGB(192, 192, 192);
const COLORREF kBlack = RGB(0, 0, 0);

// A 4-bit bottom-up device-independent bitmap as stored in a resource, with
// the AND mask that follows the colours in an icon image.
class Dib {
public:
    Dib(const std::vector<BYTE>& raw, bool icon) : raw_(raw)
    {
        if (raw.size() < sizeof(BITMAPINFOHEADER))
            return;
        std::memcpy(&header_, raw.data(), sizeof header_);
        width_ = header_.biWidth;
        height_ = icon ? header_.biHeight / 2 : header_.biHeight;
        colours_ = sizeof header_ + 16 * 4;
        mask_ = colours_ + Stride(4) * static_cast<size_t>(height_);
        const size_t end = icon ? mask_ + Stride(1) * static_cast<size_t>(height_) : mask_;
        valid_ = header_.biBitCount == 4 && width_ > 0 && height_ > 0 && raw.size() >= end;
    }

    bool Valid() const { return valid_; }
    const BITMAPINFOHEADER& Header() const { return header_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF Palette(int i) const
    {
        const BYTE* q = &raw_[sizeof header_ + 4 * static_cast<size_t>(i)];
        return RGB(q[2], q[1], q[0]);
    }
    // (x, y) counted from the top left.
    COLORREF Pixel(int x, int y) const
    {
        const BYTE b = raw_[colours_ + Row(y) * Stride(4) + static_cast<size_t>(x) / 2];
        return Palette(x % 2 ? b & 0x0F : b >> 4);
    }
    bool Transparent(int x, int y) const
    {
        const BYTE b = raw_[mask_ + Row(y) * Stride(1) + static_cast<size_t>(x) / 8];
        return (b & (0x80 >> (x % 8))) != 0;
    }

private:
    size_t Stride(int bits) const { return (static_cast<size_t>(width_) * bits + 31) / 32 * 4; }
    size_t Row(int y) const { return static_cast<size_t>(height_ - 1 - y); }

    std::vector<BYTE> raw_;
    BITMAPINFOHEADER header_{};
    int width_ = 0;
    int height_ = 0;
    size_t colours_ = 0;
    size_t mask_ = 0;
    bool valid_ = false;
};

TEST(ResourceToolbar, ItemsAsPlainWords)
{
    const std::vector<BYTE> raw = Raw(MAKEINTRESOURCEA(241), IDR_MAINFRAME);
    const WORD expected[] = {
        1, 16, 15, 11, // version, image width and height, item count
        ID_FILE_NEW, 0, ID_EDIT_PASTE, ID_VIEW_CLIPWATCH, ID_VIEW_TOPMOST, 0,
        ID_FONTBOX, 0, ID_PREV_CHAR, ID_NEXT_CHAR, ID_INPUT_TEXT,
    };
    ASSERT_EQ(raw.size(), sizeof expected);
    Reader r(raw);
    for (size_t i = 0; i < sizeof expected / sizeof expected[0]; ++i)
        EXPECT_EQ(r.Word(), expected[i]) << "word " << i;
}

TEST(ResourceToolbar, ImageStripOfEightImagesInTheStandardColours)
{
    const Dib strip(Raw(MAKEINTRESOURCEA(2) /* RT_BITMAP */, IDR_MAINFRAME), false);
    ASSERT_TRUE(strip.Valid());
    EXPECT_EQ(strip.Width(), 128);
    EXPECT_EQ(strip.Height(), 15);
    EXPECT_EQ(strip.Header().biCompression, static_cast<DWORD>(BI_RGB));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(strip.Palette(i), kStandardColours[i]) << "palette entry " << i;

    const auto ink = [&](int image, int x, int y) { return strip.Pixel(16 * image + x, y) != kLightGrey; };
    for (int image = 0; image < 8; ++image) {
        SCOPED_TRACE(testing::Message() << "image " << image);
        int count = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x)
                count += ink(image, x, y);
        if (image == 4) {
            EXPECT_EQ(count, 0) << "the font box's image is all light grey";
            continue;
        }
        EXPECT_GT(count, 20);
        // Light grey is the background around each picture.
        EXPECT_FALSE(ink(image, 0, 0) || ink(image, 15, 0) || ink(image, 0, 14) || ink(image, 15, 14));
    }

    // The two arrows are blue, the previous one's head at the left, the next one's at the right.
    const auto headColumn = [&](int image) {
        int best = 0, bestCount = -1, blue = 0;
        for (int x = 0; x < 16; ++x) {
            int count = 0;
            for (int y = 0; y < 15; ++y) {
                count += ink(image, x, y);
                const COLORREF c = strip.Pixel(16 * image + x, y);
                blue += c == RGB(0, 0, 255) || c == RGB(0, 0, 128);
            }
            if (count > bestCount)
                best = x, bestCount = count;
        }
        EXPECT_GT(blue, 20) << "image " << image;
        return best;
    };
    EXPECT_LT(headColumn(5), 8);
    EXPECT_GE(headColumn(6), 8);

    HBITMAP bitmap = ::LoadBitmapA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ::GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 128);
    EXPECT_EQ(info.bmHeight, 15);
    ::DeleteObject(bitmap);
}

TEST(ResourceIcon, TwoImagesOfTheKanjiOnALightGreySquare)
{
    const std::vector<BYTE> group = Raw(MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, IDR_MAINFRAME);
    Reader r(group);
    EXPECT_EQ(r.Word(), 0);
    EXPECT_EQ(r.Word(), 1) << "an icon, not a cursor";
    ASSERT_EQ(r.Word(), 2) << "two images";

    struct Square { int size, left, top, right, bottom; };
    const Square squares[] = {{32, 4, 5, 25, 24}, {16, 1, 2, 13, 12}};
    for (const Square& sq : squares) {
        SCOPED_TRACE(testing::Message() << sq.size << "x" << sq.size);
        EXPECT_EQ(r.Word(), sq.size | sq.size << 8) << "width, height";
        EXPECT_EQ(r.Word(), 16) << "colours, reserved";
        EXPECT_EQ(r.Word(), 1) << "planes";
        EXPECT_EQ(r.Word(), 4) << "bits per pixel";
        r.Dword();
        const Dib image(Raw(MAKEINTRESOURCEA(3) /* RT_ICON */, r.Word()), true);
        ASSERT_TRUE(image.Valid());
        ASSERT_EQ(image.Width(), sq.size);
        ASSERT_EQ(image.Height(), sq.size);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(image.Palette(i), kStandardColours[i]) << "palette entry " << i;

        // Opaque light grey or black inside the square, transparent outside it.
        int black = 0, widestRow = -1, widest = 0;
        for (int y = 0; y < sq.size; ++y) {
            int blackInRow = 0;
            for (int x = 0; x < sq.size; ++x) {
                SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
                const bool inside = x >= sq.left && x <= sq.right && y >= sq.top && y <= sq.bottom;
                const COLORREF c = image.Pixel(x, y);
                if (!inside) {
                    ASSERT_TRUE(image.Transparent(x, y));
                    ASSERT_EQ(c, kBlack) << "a see-through pixel has no colour of its own";
                    continue;
                }
                ASSERT_FALSE(image.Transparent(x, y));
                ASSERT_TRUE(c == kLightGrey || c == kBlack);
                if (c == kBlack) {
                    ++black, ++blackInRow;
                    EXPECT_TRUE(x > sq.left && x < sq.right && y > sq.top && y < sq.bottom) << "ink on the square's edge";
                }
            }
            if (blackInRow > widest)
                widest = blackInRow, widestRow = y;
        }
        EXPECT_GT(black, sq.size);
        // The glyph's cross bar: its widest row, in the upper half, most of the square wide.
        EXPECT_LT(widestRow, (sq.top + sq.bottom) / 2);
        EXPECT_GE(widest * 4, (sq.right - sq.left + 1) * 3);
        // The square's top-left corner is opaque, the pixel left of it see-through.
        EXPECT_FALSE(image.Transparent(sq.left, sq.top));
        EXPECT_TRUE(image.Transparent(sq.left - 1, sq.top));

        HICON icon = static_cast<HICON>(::LoadImageA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, sq.size, sq.size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(icon, &info));
        BITMAP bm{};
        ::GetObjectA(info.hbmColor, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, sq.size);
        EXPECT_EQ(bm.bmHeight, sq.size);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        ::DestroyIcon(icon);
    }
}

} // namespace
