// A character (with the marks and the parts of a sequence joined to it) as
// Uniscribe shapes it in a font: drawn by the view, drawn again into a
// picture, or taken as the outlines of its glyphs. Shaping is the way that
// finds a character beyond the Basic Multilingual Plane in the face (Wine's
// TextOutW draws the missing-glyph box for a surrogate pair even where the
// face has the glyph).
#pragma once
#include "../framework/Framework.h"
#include "../picture/GlyphOutline.h"

#include <usp10.h>

#include <vector>

class CGlyphRun {
public:
    // pCache: the font's shaping cache, kept by the caller; null for one of
    // the run's own.
    explicit CGlyphRun(SCRIPT_CACHE* pCache = nullptr) : m_pCache(pCache ? pCache : &m_cache) {}
    CGlyphRun(const CGlyphRun&) = delete;
    CGlyphRun& operator=(const CGlyphRun&) = delete;
    ~CGlyphRun() { ::ScriptFreeCache(&m_cache); }

    // Shapes the n units at text as one in the font selected into hDC; false
    // where Uniscribe cannot. Where the face lacks a character, its missing
    // glyph; a mark that it lacks is left out.
    bool Shape(HDC hDC, const wchar_t* text, int n);
    // Draws the glyphs from the context's origin, the top of their cell there.
    void Draw(HDC hDC);
    // Appends their outlines (by glyph index), placed as Draw places them;
    // false where the font has none to give.
    bool AppendOutline(HDC hDC, picture::Path& path) const;
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
    SCRIPT_CACHE* m_pCache;
};
