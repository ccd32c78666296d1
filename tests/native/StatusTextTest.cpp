// The position and character-code texts of the status bar.
#include "view/StatusText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::string Code(const CTextCursor& c)
{
    char buffer[32];
    FormatCodeText(buffer, sizeof buffer, c);
    return buffer;
}

std::string Position(const CTextCursor& c)
{
    char buffer[32];
    FormatPositionText(buffer, sizeof buffer, c);
    return buffer;
}

} // namespace

TEST(StatusText, EmptyText)
{
    CTextCursor c;
    EXPECT_EQ(Code(c), "SJIS :");
    EXPECT_EQ(Position(c), "  1 /   0");
}

TEST(StatusText, SingleByteDoubleByteAndHalfWidthKatakana)
{
    CTextCursor c;
    c.Assign("xyA\x82\xA0\xB1");
    c.StepForward();
    c.StepForward();
    EXPECT_EQ(Code(c), "SJIS : 0x41");
    EXPECT_EQ(Position(c), "  3 /   5");
    c.StepForward();
    EXPECT_EQ(Code(c), "SJIS : 0x82a0"); // lower-case digits, lead byte first
    c.StepForward();
    EXPECT_EQ(Code(c), "SJIS : 0xb1"); // a byte above 0x7F that leads nothing
    EXPECT_EQ(Position(c), "  5 /   5");
}

TEST(StatusText, HighBytesAreUnsigned)
{
    CTextCursor c;
    c.Assign("\xFC\xFC");
    EXPECT_EQ(Code(c), "SJIS : 0xfcfc");
    c.Assign("\xFF");
    EXPECT_EQ(Code(c), "SJIS : 0xff");
}

TEST(StatusText, LongestTextsFitAndSmallBuffersStayTerminated)
{
    CTextCursor c;
    c.Assign(std::string(300, 'x').c_str());
    while (c.StepForward()) {
    }
    EXPECT_EQ(Position(c), "256 / 256");

    char small[8];
    c.Assign("\x82\xA0");
    FormatCodeText(small, sizeof small, c);
    EXPECT_EQ(std::string(small), "SJIS : ");
    FormatPositionText(small, sizeof small, c);
    EXPECT_EQ(std::string(small), "  1 /  ");
}

TEST(StatusText, KeptCharactersHaveNoShiftJisCode)
{
    CTextCursor c;
    c.Assign("?", 1, KeptChars{{0, 0x20BB7}});
    EXPECT_EQ(Code(c), "SJIS : ----");
    c.Assign("?");
    EXPECT_EQ(Code(c), "SJIS : 0x3f");
}

TEST(StatusText, EveryCodePointOfACharacterAsFarAsThePaneHasPlaces)
{
    for (const auto& [codes, text] : std::vector<std::pair<std::u32string, std::u16string>>{
             {U"\u5927", u"U+5927"}, {U"\U00020BB7", u"U+20BB7"}, {U"A", u"U+0041"}, {U"", u""},
             {U"\u845B\U000E0100", u"U+845B U+E0100"},
             {U"\U0001F468\u200D\U0001F469\u200D\U0001F467", u"U+1F468 U+200D \u2026"}}) {
        EXPECT_EQ(FormatCodePoints(codes, 17), text);
    }
    EXPECT_EQ(FormatCodePoints(U"\U0010FFFF\U0010FFFF", 3), u"U+10FFFF \u2026"); // the first, always
    EXPECT_EQ(FormatCodePoints(U"\U0001F468\u200D\U0001F469\u200D\U0001F467").size(), 37u);
}
