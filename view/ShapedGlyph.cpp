#include "ShapedGlyph.h"

#include "../exchange/Cp932.h"
#include "../exchange/GraphemeBreak.h"

#include <vector>

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

void DrawShaped(HDC hDC, const wchar_t* text, int n, SCRIPT_CACHE* pCache)
{
    std::vector<SCRIPT_ITEM> items(static_cast<size_t>(n) + 2);
    int nItems = 0;
    if (FAILED(::ScriptItemize(text, n, n + 1, nullptr, nullptr, items.data(), &nItems)))
        return;
    SCRIPT_FONTPROPERTIES props{};
    props.cBytes = sizeof props;
    if (FAILED(::ScriptGetFontProperties(hDC, pCache, &props)))
        return;
    int x = 0;
    for (int i = 0; i < nItems; ++i) {
        SCRIPT_ANALYSIS sa = items[i].a;
        const wchar_t* run = text + items[i].iCharPos;
        const int cch = items[i + 1].iCharPos - items[i].iCharPos;
        const int cMaxGlyphs = cch * 3 / 2 + 16; // what Uniscribe's documentation asks for
        std::vector<WORD> glyphs(cMaxGlyphs), clusters(cch);
        std::vector<SCRIPT_VISATTR> attrs(cMaxGlyphs);
        int nGlyphs = 0;
        HRESULT hr = ::ScriptShape(hDC, pCache, run, cch, cMaxGlyphs, &sa, glyphs.data(), clusters.data(),
                                   attrs.data(), &nGlyphs);
        if (hr == USP_E_SCRIPT_NOT_IN_FONT) {
            // A script the face does not cover: its glyphs as the face has them
            // (the missing glyph where it has none).
            sa.eScript = SCRIPT_UNDEFINED;
            hr = ::ScriptShape(hDC, pCache, run, cch, cMaxGlyphs, &sa, glyphs.data(), clusters.data(), attrs.data(),
                               &nGlyphs);
        }
        if (FAILED(hr))
            return;
        int kept = 0;
        for (int g = 0; g < nGlyphs; ++g) {
            if (glyphs[g] == props.wgDefault && IsMarkOnly(run, cch, clusters.data(), g, i == 0))
                continue;
            glyphs[kept] = glyphs[g];
            attrs[kept++] = attrs[g];
        }
        if (kept == 0)
            continue;
        std::vector<int> advances(kept);
        std::vector<GOFFSET> offsets(kept);
        ABC abc{};
        if (FAILED(::ScriptPlace(hDC, pCache, glyphs.data(), kept, attrs.data(), &sa, advances.data(), offsets.data(),
                                 &abc)))
            return;
        ::ScriptTextOut(hDC, pCache, x, 0, 0, nullptr, &sa, nullptr, 0, glyphs.data(), kept, advances.data(), nullptr,
                        offsets.data());
        x += abc.abcA + static_cast<int>(abc.abcB) + abc.abcC;
    }
}
