// The fonts the glyph is drawn in, each created once and kept while the
// view's height stays. Windows keeps rasterized glyphs per realized
// font object: so the idle-time warming and the paint that follows it must
// draw with the very same font, and a step then creates none. Each font has
// its shaping cache (what Uniscribe read of the face), kept as long.
#pragma once
#include "../framework/Gdi.h"

#include <usp10.h>

#include <array>

// How the glyph is drawn besides its size: the options, the chosen face
// (empty: the font mapper's choice within Shift-JIS) and the face that draws
// the character where another stands in for the chosen one (empty: none does).
struct GlyphStyle {
    bool bold = false;
    bool italic = false;
    CStringW face;
    CStringW standIn;
};

// The font that draws a character in a view whose outer size is cx by cy:
// its cell is the view's height, and a full-width (wide) character is asked
// for at half the view's width, any other at the whole of it.
LOGFONTW GlyphLogFont(bool wide, int cx, int cy, const GlyphStyle& style);

class CGlyphFonts {
public:
    CGlyphFonts() = default;
    CGlyphFonts(const CGlyphFonts&) = delete;
    CGlyphFonts& operator=(const CGlyphFonts&) = delete;
    ~CGlyphFonts() { Release(); }

    // The font for lf, created on first use; null when none can be created.
    // ppCache (if given) receives its shaping cache.
    HFONT Get(const LOGFONTW& lf, SCRIPT_CACHE** ppCache = nullptr);

private:
    // One character width or the other, bold or not, italic or not, in the
    // chosen face and in those standing in for it.
    static constexpr int kMaxFonts = 16;
    void Release();

    std::array<LOGFONTW, kMaxFonts> m_logFonts{};
    std::array<CFont, kMaxFonts> m_fonts;
    std::array<SCRIPT_CACHE, kMaxFonts> m_caches{};
    int m_nFonts = 0;
};
