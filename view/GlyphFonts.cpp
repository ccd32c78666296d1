#include "GlyphFonts.h"

#include <cstring>

LOGFONTW GlyphLogFont(bool wide, int cx, int cy, const GlyphStyle& style)
{
    LOGFONTW lf{};
    lf.lfHeight = cy; // positive: the character cell is the window's height
    lf.lfWidth = wide ? cx / 2 : cx;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfPitchAndFamily = FF_MODERN | DEFAULT_PITCH;
    if (style.bold)
        lf.lfWeight = FW_BOLD;
    lf.lfItalic = style.italic;
    std::wcsncpy(lf.lfFaceName, style.face.c_str(), LF_FACESIZE - 1);
    if (!style.standIn.empty() && style.standIn != style.face) {
        // Another face's character set: a Shift-JIS one would make the font
        // mapper prefer a Japanese face to the one named.
        std::wcsncpy(lf.lfFaceName, style.standIn.c_str(), LF_FACESIZE - 1);
        lf.lfCharSet = DEFAULT_CHARSET;
    }
    return lf;
}

HFONT CGlyphFonts::Get(const LOGFONTW& lf, SCRIPT_CACHE** ppCache)
{
    for (int i = 0; i < m_nFonts; ++i) {
        if (std::memcmp(&m_logFonts[i], &lf, sizeof lf) == 0) {
            if (ppCache)
                *ppCache = &m_caches[i];
            return m_fonts[i];
        }
    }
    // Another size: the fonts of the last one are of no more use. Faces
    // alternate (a face stands in for characters the chosen one lacks), and
    // those of a face chosen before go once the set is full.
    if (m_nFonts == kMaxFonts || (m_nFonts > 0 && m_logFonts[0].lfHeight != lf.lfHeight))
        Release();
    if (!m_fonts[m_nFonts].CreateFontIndirect(&lf))
        return nullptr;
    m_logFonts[m_nFonts] = lf;
    if (ppCache)
        *ppCache = &m_caches[m_nFonts];
    return m_fonts[m_nFonts++];
}

void CGlyphFonts::Release()
{
    for (int i = 0; i < m_nFonts; ++i) {
        ::ScriptFreeCache(&m_caches[i]);
        m_fonts[i].DeleteObject();
    }
    m_nFonts = 0;
}
