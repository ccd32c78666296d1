// Composition and cluster breaks against Unicode's own conformance files
// (Debian's unicode-data), and code page 932's characters (glibc's table).
#include "exchange/Composition.h"
#include "exchange/GraphemeBreak.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <sstream>
#include <string>

namespace {

const std::string kUcd = "/usr/share/unicode/";

// The hex code points in s, ignoring the words between them.
std::u32string Codes(const std::string& s)
{
    std::u32string codes;
    std::istringstream in(s);
    for (std::string word; in >> word;)
        if (word.find_first_not_of("0123456789ABCDEF") == std::string::npos)
            codes += static_cast<char32_t>(std::stoul(word, nullptr, 16));
    return codes;
}

std::u32string Compose(const std::u32string& text)
{
    std::u32string out;
    unicode::CComposer composer;
    for (char32_t c : text)
        composer.Add(c, out);
    return out;
}

// "÷ 0020 × 0308 ÷": the codes with a break mark before each but the first.
std::string Breaks(const std::u32string& codes)
{
    unicode::CGraphemeBreaker breaker;
    std::string marks;
    for (char32_t c : codes)
        marks += breaker.BreakBefore(c) ? "÷" : "×";
    return marks;
}

} // namespace

TEST(Unicode, GraphemeBreakTestFile)
{
    std::ifstream in(kUcd + "auxiliary/GraphemeBreakTest.txt");
    ASSERT_TRUE(in);
    int lines = 0;
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('#'));
        if (line.empty())
            continue;
        std::string expected;
        for (size_t i = 0; (i = line.find_first_of("\xC3\xD7", i)) != std::string::npos; i += 2)
            expected += line.substr(i, 2); // ÷ is C3 B7, × is C3 97 in UTF-8
        expected.resize(expected.size() - 2); // the end is a break, always
        EXPECT_EQ(Breaks(Codes(line)), expected) << line;
        ++lines;
    }
    EXPECT_GT(lines, 600);
}

TEST(Unicode, EveryFullyQualifiedEmojiIsOneCluster)
{
    std::ifstream in(kUcd + "emoji/emoji-test.txt");
    ASSERT_TRUE(in);
    int sequences = 0;
    for (std::string line; std::getline(in, line);) {
        const size_t semicolon = line.find(';');
        if (line.empty() || line[0] == '#' || line.find("; fully-qualified") == std::string::npos)
            continue;
        const std::u32string codes = Codes(line.substr(0, semicolon));
        std::string oneCluster = "÷";
        for (size_t i = 1; i < codes.size(); ++i)
            oneCluster += "×";
        EXPECT_EQ(Breaks(codes), oneCluster)
            << line;
        ++sequences;
    }
    EXPECT_GT(sequences, 3000);
}

TEST(Unicode, NormalizationTestFileNfdComposesToNfc)
{
    FILE* in = ::popen(("bzip2 -dc " + kUcd + "NormalizationTest.txt.bz2").c_str(), "r");
    ASSERT_TRUE(in);
    int lines = 0;
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, in)) {
        std::istringstream fields(buffer);
        std::string c1, c2, c3;
        if (buffer[0] == '#' || buffer[0] == '@' || !std::getline(fields, c1, ';') || !std::getline(fields, c2, ';') ||
            !std::getline(fields, c3, ';'))
            continue;
        EXPECT_EQ(Compose(Codes(c3)), Codes(c2)) << buffer;
        ++lines;
    }
    EXPECT_EQ(::pclose(in), 0);
    EXPECT_GT(lines, 10000);
}

TEST(Unicode, CodePage932TextComposesToItself)
{
    // Every character of the code page in its Unicode form, in code order.
    iconv_t cd = ::iconv_open("UTF-32LE", "CP932");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::u32string text;
    for (unsigned code = 0x20; code <= 0xFFFF; ++code) {
        char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code)};
        char* in = code > 0xFF ? bytes : bytes + 1;
        size_t inLeft = code > 0xFF ? 2 : 1;
        char32_t c = 0;
        char* out = reinterpret_cast<char*>(&c);
        size_t outLeft = sizeof c;
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (::iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1) && inLeft == 0 && c >= 0x20)
            text += c;
    }
    ::iconv_close(cd);
    EXPECT_GT(text.size(), 7000u);
    EXPECT_EQ(Compose(text), text);
}
