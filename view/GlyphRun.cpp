#include "GlyphRun.h"

#include "../exchange/Cp932.h"
#include "../exchange/GraphemeBreak.h"

namespace {

// Whether every character that the glyph at index g stands for is a mark
// (a combining mark, a variation selector, a joiner, an emoji modifier) other
// than the first of the text: such a glyph, where the face has none for it,
// is left out rather than drawn as a missing-glyph box beside its base (as
// a system without variation sequences in its shaping gives one).
bool IsMarkOnly(const wchar_t* run, int cch, const WORD* clusters, int g, bool runStartsText)
{
    bool any = false;
    for (size_t i = 0; i < static_cast<size_t>(cch);) {
        const size_t at = i;
        const char32_t c = cp932::NextCodePoint(reinterpret_cast<const char16_t*>(run), static_cast<size_t>(cch), i);
        if (clusters[at] != g)
            continue;
        if ((at == 0 && runStartsText) || !unicode::IsMark(c))
            return false;
        any = true;
    }
    return any;
}

} // namespace

bool CGlyphRun::Shape(HDC hDC, const wchar_t* text, int n)
{
    // An item per unit at most; Uniscribe wants room for two, and one more after them.
    std::vector<SCRIPT_ITEM> items(static_cast<size_t>(n) + 2);
    int nItems = 0;
    if (n <= 0 || FAILED(::ScriptItemize(text, n, n + 1, nullptr, nullptr, items.data(), &nItems)))
        return false;
    SCRIPT_FONTPROPERTIES props{};
    props.cBytes = sizeof props;
    if (FAILED(::ScriptGetFontProperties(hDC, m_pCache, &props)))
        return false;
    for (int i = 0; i < nItems; ++i) {
        SCRIPT_ANALYSIS sa = items[i].a;
        const wchar_t* run = text + items[i].iCharPos;
        const int cch = items[i + 1].iCharPos - items[i].iCharPos;
        const int cMax = 3 * cch / 2 + 16; // what Uniscribe asks room for
        std::vector<WORD> glyphs(cMax), clusters(cch);
        std::vector<SCRIPT_VISATTR> attrs(cMax);
        int nGlyphs = 0;
        HRESULT hr = ::ScriptShape(hDC, m_pCache, run, cch, cMax, &sa, glyphs.data(), clusters.data(), attrs.data(),
                                   &nGlyphs);
        if (hr == USP_E_SCRIPT_NOT_IN_FONT) {
            // A script the face does not cover: its glyphs as the face has them.
            sa.eScript = SCRIPT_UNDEFINED;
            hr = ::ScriptShape(hDC, m_pCache, run, cch, cMax, &sa, glyphs.data(), clusters.data(), attrs.data(),
                               &nGlyphs);
        }
        if (FAILED(hr))
            return false;
        int kept = 0;
        for (int g = 0; g < nGlyphs; ++g) {
            if (glyphs[g] == props.wgDefault && IsMarkOnly(run, cch, clusters.data(), g, i == 0))
                continue;
            glyphs[kept] = glyphs[g];
            attrs[kept++] = attrs[g];
        }
        nGlyphs = kept;
        if (nGlyphs == 0)
            continue;
        std::vector<int> advances(cMax);
        std::vector<GOFFSET> offsets(cMax);
        ABC abc{};
        if (FAILED(::ScriptPlace(hDC, m_pCache, glyphs.data(), nGlyphs, attrs.data(), &sa, advances.data(),
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
        ::ScriptTextOut(hDC, m_pCache, x, 0, 0, nullptr, &item.sa, nullptr, 0, &m_glyphs[item.first],
                        static_cast<int>(item.count), &m_advances[item.first], nullptr, &m_offsets[item.first]);
        for (size_t i = 0; i < item.count; ++i)
            x += m_advances[item.first + i];
    }
}

bool CGlyphRun::AppendOutline(HDC hDC, picture::Path& path) const
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
        const picture::PointF origin{static_cast<double>(x + m_offsets[i].du), static_cast<double>(tm.tmAscent - m_offsets[i].dv)};
        picture::AppendNativeOutline(data.data(), cb, origin, path);
        x += m_advances[i];
    }
    return true;
}

