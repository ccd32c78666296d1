// A character's text as Uniscribe shapes it in a font, as the view draws it:
// drawn again into a picture, or taken as the outlines of its glyphs.
#pragma once
#include "../framework/Framework.h"
#include "GlyphOutline.h"

#include <usp10.h>

#include <vector>

namespace picture {

class CGlyphRun {
public:
    CGlyphRun() = default;
    CGlyphRun(const CGlyphRun&) = delete;
    CGlyphRun& operator=(const CGlyphRun&) = delete;
    ~CGlyphRun() { ::ScriptFreeCache(&m_cache); }

    // Shapes the n units at text in the font selected into hDC; false where
    // Uniscribe cannot. Where the face lacks a character, its missing glyph.
    bool Shape(HDC hDC, const wchar_t* text, int n);
    // Draws the glyphs from the context's origin, the top of their cell there.
    void Draw(HDC hDC);
    // Appends their outlines (by glyph index), placed as Draw places them;
    // false where the font has none to give.
    bool AppendOutline(HDC hDC, Path& path) const;
    // The advance of the whole run: the width of its cell.
    int Width() const { return m_width; }

private:
    struct Item {
        SCRIPT_ANALYSIS sa;
        size_t first, count; // its glyphs
    };
    std::vector<Item> m_items;
    std::vector<WORD> m_glyphs;
    std::vector<int> m_advances;
    std::vector<GOFFSET> m_offsets;
    int m_width = 0;
    SCRIPT_CACHE m_cache = nullptr;
};

} // namespace picture
