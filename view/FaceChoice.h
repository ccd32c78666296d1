// Which face draws a character: the chosen one where it has every glyph of
// it, otherwise a face that has them all, found by a fixed order of faces and
// remembered per character. Pure C++: what the system answers (the installed
// faces, Windows' link lists, a face's glyphs) comes through IFaceCatalog.
#pragma once
#include <cstddef>
#include <string>
#include <map>
#include <vector>

class IFaceCatalog {
public:
    virtual ~IFaceCatalog() = default;
    // Every installed face, in the system's order.
    virtual const std::vector<std::u16string>& InstalledFaces() = 0;
    // The faces Windows links to face for the characters it lacks, in order.
    virtual std::vector<std::u16string> LinkedFaces(const std::u16string& face) = 0;
    // Whether face has a glyph for every character of text (UTF-16).
    virtual bool HasGlyphs(const std::u16string& face, const std::u16string& text) = 0;
};

// The face names of a link list as Windows keeps it: NUL-separated entries
// "file,face[,scaling...]" in cch units; an entry naming only a file is skipped.
std::vector<std::u16string> LinkedFaceNames(const char16_t* list, size_t cch);

// The English family name in a font's naming table (its 'name' table's
// bytes): the name Windows keys a face's link list by, whatever name the face
// is listed by (ＭＳ ゴシック is MS Gothic); empty where the table has none.
std::u16string EnglishFamilyName(const unsigned char* table, size_t size);

// The faces Windows installs for the script of text's first character that
// has one (Hangul, Han, emoji), in the order they are tried.
std::vector<std::u16string> ScriptFaces(const std::u16string& text);

class CFaceChoice {
public:
    explicit CFaceChoice(IFaceCatalog& catalog) : m_catalog(catalog) {}

    // The face that draws text (one character, or a cluster of them) where
    // chosen is the chosen face: chosen itself where it has a glyph for each
    // of its characters that draws something (joiners and variation
    // selectors need none); else the first installed face that has them,
    // from chosen's link list, then its script's list, then every installed
    // face; empty where none has them. Asked again, the answer is remembered.
    const std::u16string& FaceFor(const std::u16string& chosen, const std::u16string& text);
    // Forgets every answer: the installed fonts changed.
    void Forget() { m_answers.clear(); }

private:
    std::u16string Choose(const std::u16string& chosen, const std::u16string& text);

    IFaceCatalog& m_catalog;
    std::u16string m_chosen; // the face the answers are for
    std::map<std::u16string, std::u16string> m_answers;
};
