// The text taken from the command line, and the notches of a mouse wheel.
#include "app/CommandLine.h"
#include "view/WheelNotches.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Text(const wchar_t* line)
{
    const cmdline::Span s = cmdline::TextArgument(line);
    return std::wstring(s.first, s.last);
}

} // namespace

TEST(CommandLine, TheTailAfterTheNameWithOnePairOfQuotesRemoved)
{
    EXPECT_EQ(Text(L"quelvan.exe \u6f22\u5b57\u3092\u8aad\u3080"), L"\u6f22\u5b57\u3092\u8aad\u3080");
    EXPECT_EQ(Text(L"\"C:\\a b\\quelvan.exe\"  a  b \t"), L"a  b");
    EXPECT_EQ(Text(L"\"C:\\a b\\quelvan.exe\"x y"), L"y");
    EXPECT_EQ(Text(L"q.exe \"\"a\" \"b\"\""), L"\"a\" \"b\"");
    EXPECT_EQ(Text(L"q.exe \" x \""), L" x ");
    EXPECT_EQ(Text(L"q.exe \""), L"\"");
    for (const wchar_t* none : {L"q.exe", L"q.exe   ", L"\"q r.exe", L"", L"q.exe \"\""})
        EXPECT_EQ(Text(none), L"") << none;
    EXPECT_EQ(cmdline::TextArgument(nullptr).first, nullptr);
}

TEST(WheelNotches, WholeNotchesWithTheRestKeptUntilTheWheelTurnsBack)
{
    CWheelNotches wheel;
    EXPECT_EQ(wheel.Add(-120), -1);
    EXPECT_EQ(wheel.Add(360), 3);
    EXPECT_EQ(wheel.Add(40), 0);
    EXPECT_EQ(wheel.Add(40), 0);
    EXPECT_EQ(wheel.Add(50), 1); // 130: one notch, 10 kept
    EXPECT_EQ(wheel.Add(110), 1);
    EXPECT_EQ(wheel.Add(100), 0);
    EXPECT_EQ(wheel.Add(-100), 0); // the other way: the 100 kept is dropped
    EXPECT_EQ(wheel.Add(-20), -1);
    EXPECT_EQ(wheel.Add(-32768), -273);
}
