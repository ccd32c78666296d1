// Unicode text into code page 932: the characters of the same name, the
// characters the code page lacks kept beside it, surrogates, and reading no
// further than the view keeps. The system's table is stood in for by a small
// one of the same codes, which (like Wine's) knows the JIS variants only in
// their Windows form.
#include "exchange/Cp932.h"
#include "view/TextCursor.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

size_t g_nEncoded = 0; // units handed to the table

void TableEncode(const char16_t* p, size_t n, std::string& out)
{
    static const std::map<char16_t, std::string> table = {
        {u'\uFF5E', "\x81\x60"}, {u'\uFF0D', "\x81\x7C"}, {u'\u2225', "\x81\x61"}, {u'\u2015', "\x81\x5C"},
        {u'\uFFE0', "\x81\x91"}, {u'\uFFE1', "\x81\x92"}, {u'\uFFE2', "\x81\xCA"}, {u'\u6F22', "\x8A\xBF"},
        {u'\u8868', "\x95\x5C"}, {u'\u30BD', "\x83\x5C"}, {u'\uFF71', "\xB1"},     {u'\u30FB', "\x81\x45"},
        {u'\uFFE3', "\x81\x50"}, {u'\uFFE4', "\xFA\x55"}, {u'\u03BC', "\x83\xCA"}, {u'\u91CE', "\x96\xEC"},
        {u'\u30AB', "\x83\x4A"}, {u'\u30AC', "\x83\x4B"}, {u'\u304B', "\x82\xA9"}, {u'\u845B', "\x8A\x8B"},
        {u'\u2640', "\x81\x8A"}, {u'\uFF76', "\xB6"},     {u'\uFF9E', "\xDE"},     {u'\uFA10', "\xFA\x9C"}};
    g_nEncoded += n;
    for (size_t i = 0; i < n; ++i) {
        const auto it = table.find(p[i]);
        out += p[i] < 0x80 ? std::string(1, static_cast<char>(p[i])) : it != table.end() ? it->second : "?";
    }
}

std::string Convert(const std::u16string& text, size_t cchKept = 1000)
{
    return cp932::FromUtf16(text.c_str(), text.size() + 1, cchKept, &TableEncode).bytes;
}

// The stand-in table backwards, for the few characters these tests read back.
void TableDecode(const char* p, size_t n, std::u16string& out)
{
    for (size_t i = 0; i < n; ++i)
        out += p[i] == '\x96' ? (++i, u'\u91CE') : static_cast<char16_t>(p[i]);
}

} // namespace

TEST(Cp932, JisVariantsSurrogatesAndTheTable)
{
    // 〜 − ‖ — ¢ £ ¬ get the codes of their Windows forms.
    EXPECT_EQ(Convert(u"\u301C\u2212\u2016\u2014\u00A2\u00A3\u00AC"),
              "\x81\x60\x81\x7C\x81\x61\x81\x5C\x81\x91\x81\x92\x81\xCA");
    // A character outside the BMP is one '?' (kept beside it, below), and so
    // is a lone surrogate of either kind, at the end of the text too.
    EXPECT_EQ(Convert(u"a\U0001F600b"), "a?b");
    EXPECT_EQ(Convert(u"a\xD83D" u"b\xDE00" u"c\xD83D"), "a?b?c?");
    // Half-width katakana is one byte; a second byte of 0x5C stays a second byte.
    EXPECT_EQ(Convert(u"\uFF71\u8868\u30BD\\"), "\xB1\x95\x5C\x83\x5C\\");
    // Without a code: '?'. The text ends at its terminator or its length.
    EXPECT_EQ(Convert(u"x\u00E9y"), "x?y");
    const std::u16string stop = u"ab\0cd";
    EXPECT_EQ(cp932::FromUtf16(stop.c_str(), 5, 1000, &TableEncode).bytes, "ab");
    EXPECT_EQ(cp932::FromUtf16(u"abcd", 2, 1000, &TableEncode).bytes, "ab");
}

TEST(Cp932, ALongTextIsConvertedNoFurtherThanIsKept)
{
    // A megabyte of text, past the pieces of 256 units, and line breaks that
    // the view drops do not count.
    std::u16string text(1 << 19, u'\u6F22');
    text.replace(0, 300, 300, u'\n');
    g_nEncoded = 0;
    const std::string out = Convert(text, 257);
    EXPECT_GE(out.size(), 2 * 257u);
    EXPECT_LT(g_nEncoded, 1200u);
}

TEST(Cp932, MultibyteTextIsCutOnlyBeyondWhatIsKept)
{
    // Four-byte UTF-8 characters after line breaks that do not count: the cut
    // leaves three kept characters whole, and the terminator or the block's
    // end comes first when it is nearer.
    std::string text = "\r\n\t" + std::string(40, '\xF0');
    const size_t n = cp932::SpanToConvert(text.c_str(), text.size(), 3);
    EXPECT_EQ(n, 3 + 17u);
    EXPECT_GE((n - 3) / 4, 3u + 1);
    EXPECT_EQ(cp932::SpanToConvert("ab\0cd", 5, 3), 2u);
    EXPECT_EQ(cp932::SpanToConvert("abcd", 2, 3), 2u);
}

TEST(Cp932, OnlyTheSameCharacterGetsACodeAndEveryOtherIsKeptBesideItsQuestionMark)
{
    // ¥ · ¯ ‾ ¦ µ are written as code page 932 writes the same character.
    EXPECT_EQ(Convert(u"\u00A5\u00B7\u00AF\u203E\u00A6\u00B5"), "\x5C\x81\x45\x81\x50\x81\x50\xFA\x55\x83\xCA");
    // Look-alikes are not: é ß © « and hiragana vu keep their own characters.
    // A pair is one character, a lone surrogate stands as U+FFFD, a real '?'
    // keeps nothing.
    const std::u16string text = u"a\U00020BB7?\u00E9\u00DF\u00A9\u00AB\u3094\xD800x";
    const Cp932Text got = cp932::FromUtf16(text.c_str(), text.size(), 1000, &TableEncode);
    EXPECT_EQ(got.bytes, "a????????x");
    const std::vector<std::pair<size_t, char32_t>> want = {
        {1, 0x20BB7}, {3, 0xE9}, {4, 0xDF}, {5, 0xA9}, {6, 0xAB}, {7, 0x3094}, {8, 0xFFFD}};
    ASSERT_EQ(got.kept.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(std::make_pair(got.kept[i].offset, got.kept[i].code), want[i]) << i;
    // Read back, each is itself again and the question mark a question mark.
    EXPECT_EQ(cp932::ToUtf16(got.bytes.c_str(), 0, got.bytes.size(), got.kept, &TableDecode),
              u"a\U00020BB7?\u00E9\u00DF\u00A9\u00AB\u3094\uFFFDx");
}

TEST(Cp932, KeptCharactersFollowTheCursorsCutAndDroppedBreaks)
{
    // Past dropped line breaks, up to the last of the 256 bytes kept: the
    // characters at offsets 254 and 255 stay with their '?', the next is cut.
    const std::u16string text = u"\r\n" + std::u16string(254, u'x') + u"\t\U00020BB7\u00E9\u91CE\u00E0";
    const Cp932Text got = cp932::FromUtf16(text.c_str(), text.size(), 257, &TableEncode);
    CTextCursor c;
    c.Assign(got.bytes.c_str(), got.bytes.size(), got.kept);
    ASSERT_EQ(c.GetText().GetLength(), 256);
    ASSERT_EQ(c.GetKept().size(), 2u);
    while (c.StepForward() && c.GetPos() < 254) {
    }
    EXPECT_EQ(c.CurrentKept(), U'\U00020BB7');
    EXPECT_TRUE(c.CurrentIsWide());
    c.StepForward();
    EXPECT_EQ(c.CurrentKept(), U'\u00E9');
    EXPECT_FALSE(c.CurrentIsWide());
    EXPECT_EQ(c.GetCount(), 256);
    // A text of the same bytes without kept characters holds question marks.
    c.Assign(got.bytes.c_str());
    c.StepForward();
    EXPECT_EQ(c.CurrentKept(), 0u);
}

TEST(Cp932, ComposedAndJoinedAsReadersSeeCharacters)
{
    // カ + U+3099 is ガ; U+FA10 stays itself.
    EXPECT_EQ(Convert(u"\u30AB\u3099\uFA10"), "\x83\x4B\xFA\x9C");
    // か゚ 葛󠄀 🏃‍♀️ 🇯🇵 1️⃣ are one step each, whatever their parts' codes; ｶﾞ
    // stays two, as both have codes; e + U+0301 is é.
    const std::u16string text = u"\u304B\u309A\u845B\U000E0100\U0001F3C3\u200D\u2640\uFE0F\U0001F1EF\U0001F1F5"
                                u"1\uFE0F\u20E3\uFF76\uFF9Ee\u0301";
    const Cp932Text got = cp932::FromUtf16(text.c_str(), text.size(), 1000, &TableEncode);
    CTextCursor c;
    c.Assign(got.bytes.c_str(), got.bytes.size(), got.kept, got.joins);
    std::vector<std::string> steps;
    do
        steps.emplace_back(c.GetText().GetString() + c.GetPos(), c.GetText().GetString() + c.CurrentEnd());
    while (c.StepForward());
    EXPECT_EQ(steps, (std::vector<std::string>{"\x82\xA9?", "\x8A\x8B?", "??\x81\x8A?", "??", "1??", "\xB6", "\xDE", "?"}));
    EXPECT_EQ(c.GetCount(), 8);
    EXPECT_TRUE(c.StepBy(-3));
    EXPECT_EQ(c.GetPos(), 13);
}

TEST(Cp932, TheCutTakesACharacterWithAllThoseJoinedToItOrNone)
{
    // 葛󠄀 from byte 255 on lies across the cut: none of it is kept.
    std::u16string text = std::u16string(255, u'x') + u"\u845B\U000E0100";
    Cp932Text got = cp932::FromUtf16(text.c_str(), text.size(), 257, &TableEncode);
    CTextCursor c;
    c.Assign(got.bytes.c_str(), got.bytes.size(), got.kept, got.joins);
    EXPECT_EQ(c.GetText().GetLength(), 255);
    EXPECT_EQ(c.GetCount(), 255);
    // Alone longer than the limit, a character keeps what the limit takes.
    text = u"e" + std::u16string(300, u'\u0301');
    got = cp932::FromUtf16(text.c_str(), text.size(), 257, &TableEncode);
    c.Assign(got.bytes.c_str(), got.bytes.size(), got.kept, got.joins);
    EXPECT_EQ(c.GetText().GetLength(), 256);
    EXPECT_EQ(c.GetCount(), 1);
    EXPECT_EQ(c.CurrentKept(), U'\u00E9');
}
