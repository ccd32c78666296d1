// What Windows answers the face choice: the installed faces (enumerated once,
// again after a font change), the link lists it keeps per face
// (FontLink\SystemLink, under the face's English name), and whether a face
// has a glyph for every character of a text, from Uniscribe's own shaping: a
// character the face lacks is given the face's default glyph.
#pragma once
#include "../framework/Framework.h"
#include "FaceChoice.h"

// Windows' wide characters are the UTF-16 units the face choice takes.
inline const wchar_t* WideOf(const std::u16string& s)
{
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");
    return reinterpret_cast<const wchar_t*>(s.c_str());
}
inline std::u16string Utf16Of(const wchar_t* s)
{
    return reinterpret_cast<const char16_t*>(s);
}

class CSystemFaces final : public IFaceCatalog {
public:
    const std::vector<std::u16string>& InstalledFaces() override;
    std::vector<std::u16string> LinkedFaces(const std::u16string& face) override;
    bool HasGlyphs(const std::u16string& face, const std::u16string& text) override;
    // Fonts were added or removed: the next questions read them again.
    void Forget() { m_bListed = m_bLinked = false; }

private:
    // The link list kept under that name.
    std::vector<std::u16string> LinkList(const std::u16string& face);
    // The face's English family name, from its naming table.
    std::u16string EnglishName(const std::u16string& face);
    // A font of the face at some size, to ask the face about.
    static bool CreateProbeFont(CFont& font, const std::u16string& face);

    CMemoryDC m_dc{nullptr}; // where the faces are asked
    std::vector<std::u16string> m_installed;
    bool m_bListed = false;
    std::u16string m_linkedFace; // the face whose link list m_linked is
    std::vector<std::u16string> m_linked;
    bool m_bLinked = false;
};
