// A character's pictures: their names, the SVG path from a glyph's native
// outline, and the command line that asks for cards.
#include "app/CommandLine.h"
#include "picture/GlyphOutline.h"
#include "picture/PictureName.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace picture;

namespace {

// Native outline data, built record by record.
struct Outline {
    std::vector<unsigned char> bytes;
    size_t contour = 0;
    void Put(uint32_t v, int n)
    {
        for (int i = 0; i < n; ++i)
            bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
    void Point(double x, double y)
    {
        Put(static_cast<uint32_t>(static_cast<int32_t>(x * 65536)), 4);
        Put(static_cast<uint32_t>(static_cast<int32_t>(y * 65536)), 4);
    }
    void Contour(double x, double y)
    {
        contour = bytes.size();
        Put(0, 4);
        Put(24, 4);
        Point(x, y);
    }
    void Curve(uint16_t type, std::vector<double> xy)
    {
        Put(type, 2);
        Put(static_cast<uint32_t>(xy.size() / 2), 2);
        for (size_t i = 0; i < xy.size(); i += 2)
            Point(xy[i], xy[i + 1]);
        const auto cb = static_cast<uint32_t>(bytes.size() - contour);
        for (int i = 0; i < 4; ++i)
            bytes[contour + i] = static_cast<unsigned char>(cb >> (8 * i));
    }
};

std::string Svg(const Outline& o, size_t size)
{
    Path path;
    AppendNativeOutline(o.bytes.data(), size, {1, 20}, path);
    return SvgPathData(path);
}

std::wstring Str(cmdline::Span s)
{
    return std::wstring(s.first, s.last);
}

} // namespace

TEST(PictureName, PositionAndEveryCodePointOfTheCharacter)
{
    EXPECT_EQ(CardName(1, U"\u6f22", Format::Png), "001-U+6F22.png");
    EXPECT_EQ(CardName(256, CodePoints(u"\U0001F1EF\U0001F1F5", 4), Format::Svg), "256-U+1F1EF_U+1F1F5.svg");
    EXPECT_EQ(CodeName(CodePoints(u"e\u0301", 2)), "U+0065_U+0301");
    EXPECT_EQ(CodeName(std::u32string(17, U'\u0301')).substr(16 * 7 - 7), "U+0301_etc");
    Format f = Format::Png;
    EXPECT_TRUE(FormatOfFileName(L"C:\\x.y\\U+5927.EMF", f));
    EXPECT_EQ(f, Format::Emf);
    EXPECT_FALSE(FormatOfFileName(L"C:\\a.svg\\card", f));
}

TEST(GlyphOutline, QuadraticAndCubicContoursWithAHoleAsOnePath)
{
    Outline o;
    o.Contour(0, 0); // outer: a quadratic spline of three control points, then a line
    o.Curve(2, {0, 10, 10, 10, 10, 0.5});
    o.Curve(1, {5, -2.25});
    const size_t first = o.bytes.size();
    o.Contour(2, 2); // the hole: a cubic curve
    o.Curve(3, {2, 4, 4, 4, 4, 2});
    EXPECT_EQ(Svg(o, o.bytes.size()),
              "M1 20Q1 10 6 10Q11 10 11 19.5L6 22.25Z"
              "M3 18C3 16 5 16 5 18Z");
    // Cut short: the whole contours alone.
    EXPECT_EQ(Svg(o, o.bytes.size() - 1), "M1 20Q1 10 6 10Q11 10 11 19.5L6 22.25Z");
    EXPECT_EQ(Svg(o, first - 1), "");

    Path quad{{PathStep::Move, {{0, 0}}}, {PathStep::Quad, {{3, 3}, {6, 0}}}};
    const Path cubic = AsCubics(quad);
    EXPECT_EQ(SvgPathData(cubic), "M0 0C2 2 4 2 6 0");
    EXPECT_NE(SvgDocument(quad, 64, 32, 0xFF8000).find("viewBox=\"0 0 64 32\">\n<path fill=\"#ff8000\" d=\"M0 0Q"),
              std::string::npos);
}

TEST(CommandLine, PicturesWithTheirOptionsOrTheCodeOfWhatIsWrong)
{
    auto r = cmdline::PicturesArgument(L"q.exe --pictures \"C:\\My Cards\\\" --size 64 --format SVG \"--\u6f22\" ");
    EXPECT_TRUE(r.asked);
    EXPECT_EQ(r.error, 0);
    EXPECT_EQ(Str(r.folder), L"C:\\My Cards\\");
    EXPECT_EQ(Str(r.text), L"--\u6f22");
    EXPECT_EQ(r.size, 64);
    EXPECT_EQ(r.format, Format::Svg);
    r = cmdline::PicturesArgument(L"q.exe --pictures out a b");
    EXPECT_EQ(Str(r.text), L"a b");
    EXPECT_EQ(r.size, 512);
    EXPECT_FALSE(cmdline::PicturesArgument(L"q.exe \"--pictures\" out a").asked);
    const std::pair<const wchar_t*, int> bad[] = {
        {L"q --pictures", cmdline::kNoFolder},           {L"q --pictures --size 9 x", cmdline::kNoFolder},
        {L"q --pictures d --size 0 x", cmdline::kBadSize}, {L"q --pictures d --size 8193 x", cmdline::kBadSize},
        {L"q --pictures d --size 1e3 x", cmdline::kBadSize}, {L"q --pictures d --format gif x", cmdline::kBadFormat},
        {L"q --pictures d --format", cmdline::kBadFormat}, {L"q --pictures d --size 8 \"\"", cmdline::kNoText},
        {L"q --pictures d --dpi 96 x", cmdline::kUnknownOption}};
    for (const auto& [line, code] : bad)
        EXPECT_EQ(cmdline::PicturesArgument(line).error, code) << line;
}
