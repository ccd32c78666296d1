// Where the settings file lives, and which enumerated faces the font box lists.
#include "fontbox/FaceFilter.h"
#include "settings/SettingsPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The settings path for an executable path, or "(none)" when it does not fit.
std::wstring SettingsPath(const std::wstring& exe, size_t cchBuffer = 260)
{
    std::wstring buffer = exe;
    buffer.resize(cchBuffer, L'X'); // what lies past the terminator must stay untouched
    if (exe.size() < cchBuffer)
        buffer[exe.size()] = L'\0';
    if (!settings::MakeSettingsPath(&buffer[0], cchBuffer))
        return buffer.compare(0, exe.size(), exe) == 0 ? L"(none)" : L"(changed)";
    return buffer.c_str();
}

} // namespace

TEST(SettingsPath, ReplacesTheFileNamesExtension)
{
    EXPECT_EQ(SettingsPath(L"D:\\bin\\viewer.exe"), L"D:\\bin\\viewer.ini");
    EXPECT_EQ(SettingsPath(L"D:\\bin\\viewer.tar.exe"), L"D:\\bin\\viewer.tar.ini");
    EXPECT_EQ(SettingsPath(L"D:\\a.b\\quelvan"), L"D:\\a.b\\quelvan.ini");
    EXPECT_EQ(SettingsPath(L"D:\\a.b/quelvan"), L"D:\\a.b/quelvan.ini");
    EXPECT_EQ(SettingsPath(L"quelvan"), L"quelvan.ini");
}

TEST(SettingsPath, CharactersBeyondAsciiAreNeitherSeparatorNorDot)
{
    // 表 (U+8868), ソ (U+30BD): names in Japanese, on any system.
    EXPECT_EQ(SettingsPath(L"C:\\x.\x8868"), L"C:\\x.ini");
    EXPECT_EQ(SettingsPath(L"C:\\\x30BD.v1\\\x8868"), L"C:\\\x30BD.v1\\\x8868.ini");
    // A lone surrogate at the very end is a character like any other.
    EXPECT_EQ(SettingsPath(L"C:\\a.b\\x\xD83D"), L"C:\\a.b\\x\xD83D.ini");
    // Characters whose low byte is '\\' (U+5C5C) or '.' (U+6E2E), and the
    // full-width ones (U+FF3C, U+FF0E), are neither separator nor dot.
    EXPECT_EQ(SettingsPath(L"C:\\a.b\\x\x5C5Cy\x6E2E" L"e"), L"C:\\a.b\\x\x5C5Cy\x6E2E" L"e.ini");
    EXPECT_EQ(SettingsPath(L"C:\\a.b\\x\xFF3Cy\xFF0E" L"e"), L"C:\\a.b\\x\xFF3Cy\xFF0E" L"e.ini");
}

TEST(SettingsPath, APathWithNoRoomForTheNameIsRefused)
{
    const std::wstring folder = L"C:\\" + std::wstring(246, L'd') + L"\\";  // 250 characters
    EXPECT_EQ(SettingsPath(folder + L"q.exe").size(), 255u);                // 255 + terminator fits
    EXPECT_EQ(SettingsPath(folder + L"quelv"), folder + L"quelv.ini");      // 259 + terminator: 260
    EXPECT_EQ(SettingsPath(folder + L"quelva"), L"(none)");                 // one more would overflow
    EXPECT_EQ(SettingsPath(std::wstring(260, L'a'), 260), L"(none)");       // not terminated in its buffer
}

TEST(FaceFilter, ListsFixedPitchTrueTypeFacesThatAreNotVertical)
{
    using fontbox::IsListedFace;
    constexpr unsigned kRaster = 0x1, kDevice = 0x2, kTrueType = 0x4;
    // Pitch in the low bits: default 0, fixed 1, variable 2 (and 3, both bits).
    EXPECT_TRUE(IsListedFace(L"Gothic", kTrueType, 0x30));
    EXPECT_TRUE(IsListedFace(L"Gothic", kTrueType, 0x31));
    EXPECT_FALSE(IsListedFace(L"PGothic", kTrueType, 0x32));
    EXPECT_FALSE(IsListedFace(L"Odd", kTrueType, 0x33));
    EXPECT_FALSE(IsListedFace(L"@Gothic", kTrueType, 0x31));
    EXPECT_TRUE(IsListedFace(L"G@thic", kTrueType, 0x31));
    EXPECT_FALSE(IsListedFace(L"Gothic", kTrueType | kDevice, 0x31));
    EXPECT_FALSE(IsListedFace(L"Gothic", kTrueType | kRaster, 0x31));
    EXPECT_FALSE(IsListedFace(L"Gothic", kRaster, 0x31));
    EXPECT_FALSE(IsListedFace(L"Gothic", 0, 0x31));
}
