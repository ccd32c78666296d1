#include "GlyphRun.h"

namespace picture {

bool CGlyphRun::Shape(HDC hDC, const wchar_t* text, int n)
{
    // An item per unit at most; Uniscribe wants room for two, and one more after them.
    std::vector<SCRIPT_ITEM> items(static_cast<size_t>(n) + 2);
    int nItems = 0;
    if (n <= 0 || FAILED(::ScriptItemize(text, n, n + 1, nullptr, nullptr, items.data(), &nItems)))
        return false;
    for (int i = 0; i < nItems; ++i) {
        SCRIPT_ANALYSIS sa = items[i].a;
        const wchar_t* run = text + items[i].iCharPos;
        const int cch = items[i + 1].iCharPos - items[i].iCharPos;
        const int cMax = 3 * cch / 2 + 16; // what Uniscribe asks room for
        std::vector<WORD> glyphs(cMax), clusters(cch);
        std::vector<SCRIPT_VISATTR> attrs(cMax);
        int nGlyphs = 0;
        HRESULT hr = ::ScriptShape(hDC, &m_cache, run, cch, cMax, &sa, glyphs.data(), clusters.data(), attrs.data(),
                                   &nGlyphs);
        if (hr == USP_E_SCRIPT_NOT_IN_FONT) {
            // A script the face does not cover: its glyphs as the face has them.
            sa.eScript = SCRIPT_UNDEFINED;
            hr = ::ScriptShape(hDC, &m_cache, run, cch, cMax, &sa, glyphs.data(), clusters.data(), attrs.data(),
                               &nGlyphs);
        }
        std::vector<int> advances(cMax);
        std::vector<GOFFSET> offsets(cMax);
        ABC abc{};
        if (FAILED(hr) ||
            FAILED(::ScriptPlace(hDC, &m_cache, glyphs.data(), nGlyphs, attrs.data(), &sa, advances.data(),
                                 offsets.data(), &abc)))
            return false;
        m_items.push_back({sa, m_glyphs.size(), static_cast<size_t>(nGlyphs)});
        m_glyphs.insert(m_glyphs.end(), glyphs.begin(), glyphs.begin() + nGlyphs);
        m_advances.insert(m_advances.end(), advances.begin(), advances.begin() + nGlyphs);
        m_offsets.insert(m_offsets.end(), offsets.begin(), offsets.begin() + nGlyphs);
        m_width += abc.abcA + static_cast<int>(abc.abcB) + abc.abcC;
    }
    return true;
}

void CGlyphRun::Draw(HDC hDC)
{
    int x = 0;
    for (const Item& item : m_items) {
        ::ScriptTextOut(hDC, &m_cache, x, 0, 0, nullptr, &item.sa, nullptr, 0, &m_glyphs[item.first],
                        static_cast<int>(item.count), &m_advances[item.first], nullptr, &m_offsets[item.first]);
        for (size_t i = 0; i < item.count; ++i)
            x += m_advances[item.first + i];
    }
}

bool CGlyphRun::AppendOutline(HDC hDC, Path& path) const
{
    TEXTMETRICW tm{};
    if (!::GetTextMetricsW(hDC, &tm))
        return false;
    // The design's own curves at the font's size: a grid fitted outline only
    // suits the pixels it was fitted to.
    constexpr UINT kFormat = GGO_NATIVE | GGO_GLYPH_INDEX | GGO_UNHINTED;
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    std::vector<unsigned char> data;
    int x = 0;
    for (size_t i = 0; i < m_glyphs.size(); ++i) {
        GLYPHMETRICS gm{};
        const DWORD cb = ::GetGlyphOutlineW(hDC, m_glyphs[i], kFormat, &gm, 0, nullptr, &identity);
        if (cb == GDI_ERROR)
            return false;
        data.resize(cb);
        if (cb && ::GetGlyphOutlineW(hDC, m_glyphs[i], kFormat, &gm, cb, data.data(), &identity) == GDI_ERROR)
            return false;
        // A blank has no contour at all.
        const PointF origin{static_cast<double>(x + m_offsets[i].du), static_cast<double>(tm.tmAscent - m_offsets[i].dv)};
        AppendNativeOutline(data.data(), cb, origin, path);
        x += m_advances[i];
    }
    return true;
}

} // namespace picture
