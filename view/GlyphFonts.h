// The fonts the glyph is drawn in, each created once and kept while the
// view's height and face stay. Windows keeps rasterized glyphs per realized
// font object: so the idle-time warming and the paint that follows it must
// draw with the very same font, and a step then creates none.
#pragma once
#include "../framework/Gdi.h"

#include <array>

class CGlyphFonts {
public:
    // The font for lf, created on first use; null when none can be created.
    HFONT Get(const LOGFONTW& lf);

private:
    // One character width or the other, bold or not, italic or not.
    static constexpr int kMaxFonts = 8;
    void Release();

    std::array<LOGFONTW, kMaxFonts> m_logFonts{};
    std::array<CFont, kMaxFonts> m_fonts;
    int m_nFonts = 0;
};
