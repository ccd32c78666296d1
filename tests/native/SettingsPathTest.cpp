// Where the settings file lives, and which enumerated faces the font box lists.
#include "fontbox/FaceFilter.h"
#include "settings/SettingsPath.h"
#include "view/Mbcs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The settings path for an executable path, or "(none)" when it does not fit.
std::string SettingsPath(const std::string& exe, size_t cbBuffer = 260)
{
    std::string buffer = exe;
    buffer.resize(cbBuffer, 'X'); // what lies past the terminator must stay untouched
    if (exe.size() < cbBuffer)
        buffer[exe.size()] = '\0';
    if (!settings::MakeSettingsPath(&buffer[0], cbBuffer, &mbcs::IsLeadByte))
        return buffer.compare(0, exe.size(), exe) == 0 ? "(none)" : "(changed)";
    return buffer.c_str();
}

} // namespace

TEST(SettingsPath, ReplacesTheFileNamesExtension)
{
    EXPECT_EQ(SettingsPath("D:\\bin\\viewer.exe"), "D:\\bin\\viewer.ini");
    EXPECT_EQ(SettingsPath("D:\\bin\\viewer.tar.exe"), "D:\\bin\\viewer.tar.ini");
    EXPECT_EQ(SettingsPath("D:\\a.b\\quelvan"), "D:\\a.b\\quelvan.ini");
    EXPECT_EQ(SettingsPath("D:\\a.b/quelvan"), "D:\\a.b/quelvan.ini");
    EXPECT_EQ(SettingsPath("quelvan"), "quelvan.ini");
}

TEST(SettingsPath, ASecondByteOf0x5CIsNoSeparator)
{
    // "\x95\x5C" is a double-byte character (表) whose second byte is '\'.
    EXPECT_EQ(SettingsPath("C:\\x.\x95\x5C"), "C:\\x.ini");
    EXPECT_EQ(SettingsPath("C:\\\x83\x5C.v1\\\x95\x5C"), "C:\\\x83\x5C.v1\\\x95\x5C.ini");
    // A lead byte at the very end has no second byte to skip.
    EXPECT_EQ(SettingsPath("C:\\a.b\\x\x95"), "C:\\a.b\\x\x95.ini");
}

TEST(SettingsPath, APathWithNoRoomForTheNameIsRefused)
{
    const std::string folder = "C:\\" + std::string(246, 'd') + "\\";      // 250 bytes
    EXPECT_EQ(SettingsPath(folder + "q.exe").size(), 255u);                  // 255 + terminator fits
    EXPECT_EQ(SettingsPath(folder + "quelv"), folder + "quelv.ini");         // 259 + terminator: 260
    EXPECT_EQ(SettingsPath(folder + "quelva"), "(none)");                    // one more would overflow
    EXPECT_EQ(SettingsPath(std::string(260, 'a'), 260), "(none)");           // not terminated in its buffer
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
