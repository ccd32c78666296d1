// Unicode text into code page 932: the JIS variants, surrogates, and reading
// no further than the view keeps. The system's table is stood in for by a
// small one of the same codes, which (like Wine's) knows the JIS variants
// only in their Windows form.
#include "exchange/Cp932.h"

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
        {u'\u8868', "\x95\x5C"}, {u'\u30BD', "\x83\x5C"}, {u'\uFF71', "\xB1"}};
    g_nEncoded += n;
    for (size_t i = 0; i < n; ++i) {
        const auto it = table.find(p[i]);
        out += p[i] < 0x80 ? std::string(1, static_cast<char>(p[i])) : it != table.end() ? it->second : "?";
    }
}

std::string Convert(const std::u16string& text, size_t cchKept = 1000)
{
    return cp932::FromUtf16(text.c_str(), text.size() + 1, cchKept, &TableEncode);
}

} // namespace

TEST(Cp932, JisVariantsSurrogatesAndTheTable)
{
    // 〜 − ‖ — ¢ £ ¬ get the codes of their Windows forms.
    EXPECT_EQ(Convert(u"\u301C\u2212\u2016\u2014\u00A2\u00A3\u00AC"),
              "\x81\x60\x81\x7C\x81\x61\x81\x5C\x81\x91\x81\x92\x81\xCA");
    // A character outside the BMP is one '?', and so is a lone surrogate of
    // either kind, at the end of the text too.
    EXPECT_EQ(Convert(u"a\U0001F600b"), "a?b");
    EXPECT_EQ(Convert(u"a\xD83D" u"b\xDE00" u"c\xD83D"), "a?b?c?");
    // Half-width katakana is one byte; a second byte of 0x5C stays a second byte.
    EXPECT_EQ(Convert(u"\uFF71\u8868\u30BD\\"), "\xB1\x95\x5C\x83\x5C\\");
    // Without a code: '?'. The text ends at its terminator or its length.
    EXPECT_EQ(Convert(u"x\u00E9y"), "x?y");
    const std::u16string stop = u"ab\0cd";
    EXPECT_EQ(cp932::FromUtf16(stop.c_str(), 5, 1000, &TableEncode), "ab");
    EXPECT_EQ(cp932::FromUtf16(u"abcd", 2, 1000, &TableEncode), "ab");
}

TEST(Cp932, ALongTextIsConvertedNoFurtherThanIsKept)
{
    // A megabyte of text, past the pieces of 256 units, and line breaks that
    // the view drops do not count.
    std::u16string text(1 << 19, u'\u6F22');
    text.replace(0, 300, 300, u'\n');
    g_nEncoded = 0;
    const std::string out = Convert(text, 257);
    EXPECT_EQ(out.substr(0, 300), std::string(300, '\n'));
    EXPECT_GE(out.size(), 300 + 2 * 257u);
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
