// The choice of the face that draws a character the chosen face lacks.
#include "view/FaceChoice.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// A system of a few faces: which texts each has, what links to what.
class CFakeCatalog : public IFaceCatalog {
public:
    std::vector<std::u16string> installed;
    std::map<std::u16string, std::vector<std::u16string>> links;
    std::map<std::u16string, std::set<std::u16string>> glyphs; // face -> texts it has
    int asked = 0;

    const std::vector<std::u16string>& InstalledFaces() override { return installed; }
    std::vector<std::u16string> LinkedFaces(const std::u16string& face) override { return links[face]; }
    bool HasGlyphs(const std::u16string& face, const std::u16string& text) override
    {
        ++asked;
        return glyphs[face].count(text) != 0;
    }
};

const std::u16string kHangul = u"\xD55C", kEmoji = u"\xD83D\xDE00", kTiger = u"\xD842\xDFB7";

} // namespace

TEST(FaceChoice, LinkListThenScriptListThenAnyInstalledFace)
{
    CFakeCatalog system;
    // Linked but not installed (as Wine lists them): never chosen.
    system.links[u"Gothic"] = {u"Missing", u"Linked"};
    system.installed = {u"Gothic", u"Anything", u"Linked", u"SimSun-ExtB", u"Segoe UI Emoji"};
    system.glyphs[u"Gothic"] = {u"a"};
    system.glyphs[u"Missing"] = {kHangul, kEmoji};
    system.glyphs[u"Linked"] = {kHangul};
    system.glyphs[u"Anything"] = {kHangul, kEmoji, kTiger, u"x"};
    system.glyphs[u"Segoe UI Emoji"] = {kEmoji};
    system.glyphs[u"SimSun-ExtB"] = {kTiger};
    CFaceChoice choice(system);
    EXPECT_EQ(choice.FaceFor(u"Gothic", u"a"), u"Gothic");
    EXPECT_EQ(choice.FaceFor(u"Gothic", kHangul), u"Linked");
    EXPECT_EQ(choice.FaceFor(u"Gothic", kEmoji), u"Segoe UI Emoji");
    EXPECT_EQ(choice.FaceFor(u"Gothic", kEmoji + u"\xFE0F"), u"Segoe UI Emoji"); // needs no glyph for the selector
    EXPECT_EQ(choice.FaceFor(u"Gothic", kTiger), u"SimSun-ExtB");
    EXPECT_EQ(choice.FaceFor(u"Gothic", u"x"), u"Anything");
    EXPECT_EQ(choice.FaceFor(u"Gothic", u"?"), u"");

    // Every answer is remembered, that no face has it too, until the chosen
    // face changes or the fonts do.
    const int asked = system.asked;
    for (const std::u16string& text : {std::u16string(u"a"), kHangul, kEmoji, kTiger, std::u16string(u"?")})
        choice.FaceFor(u"gothic", text);
    EXPECT_EQ(system.asked, asked);
    EXPECT_EQ(choice.FaceFor(u"Anything", kHangul), u"Anything");
    EXPECT_EQ(choice.FaceFor(u"Gothic", kHangul), u"Linked");
    EXPECT_GT(system.asked, asked + 1);
}

TEST(FaceChoice, LinkListEntries)
{
    const char16_t list[] = u"MSGOTHIC.TTC,MS UI Gothic\0MALGUN.TTF,Malgun Gothic,128,96\0SEGUISYM.TTF\0\0";
    EXPECT_EQ(LinkedFaceNames(list, sizeof list / sizeof list[0] - 1),
              (std::vector<std::u16string>{u"MS UI Gothic", u"Malgun Gothic"}));
}

TEST(FaceChoice, EnglishFamilyNameOfANamingTable)
{
    // Two family names (Japanese, then English) in big-endian UTF-16.
    const std::vector<unsigned char> t = {0, 0, 0, 2, 0, 30,                          // 2 records
                                          0, 3, 0, 1, 4, 0x11, 0, 1, 0, 4, 0, 0,       // Japanese
                                          0, 3, 0, 1, 4, 9, 0, 1, 0, 4, 0, 4,          // English
                                          0xFF, 0x2D, 0xFF, 0x33, 0, 'M', 0, 'S'};     // ＭＳ, MS
    EXPECT_EQ(EnglishFamilyName(t.data(), t.size()), u"MS");
    EXPECT_EQ(EnglishFamilyName(t.data(), t.size() - 1), u""); // cut short
}
