#include "GlyphFonts.h"

#include <cstring>

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
