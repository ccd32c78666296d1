#include "ShapedGlyph.h"

namespace {

// A character is one item of a few glyphs at most (a base and its marks).
constexpr int kMaxItems = 4;
constexpr int kMaxGlyphs = 16;

} // namespace

void DrawShaped(HDC hDC, const wchar_t* text, int n, SCRIPT_CACHE* pCache)
{
    SCRIPT_ITEM items[kMaxItems + 1];
    int nItems = 0;
    if (FAILED(::ScriptItemize(text, n, kMaxItems, nullptr, nullptr, items, &nItems)))
        return;
    int x = 0;
    for (int i = 0; i < nItems; ++i) {
        SCRIPT_ANALYSIS sa = items[i].a;
        const wchar_t* run = text + items[i].iCharPos;
        const int cch = items[i + 1].iCharPos - items[i].iCharPos;
        WORD glyphs[kMaxGlyphs];
        WORD clusters[kMaxGlyphs];
        SCRIPT_VISATTR attrs[kMaxGlyphs];
        int nGlyphs = 0;
        HRESULT hr = ::ScriptShape(hDC, pCache, run, cch, kMaxGlyphs, &sa, glyphs, clusters, attrs, &nGlyphs);
        if (hr == USP_E_SCRIPT_NOT_IN_FONT) {
            // A script the face does not cover: its glyphs as the face has them
            // (the missing glyph where it has none).
            sa.eScript = SCRIPT_UNDEFINED;
            hr = ::ScriptShape(hDC, pCache, run, cch, kMaxGlyphs, &sa, glyphs, clusters, attrs, &nGlyphs);
        }
        int advances[kMaxGlyphs];
        GOFFSET offsets[kMaxGlyphs];
        ABC abc{};
        if (FAILED(hr) || FAILED(::ScriptPlace(hDC, pCache, glyphs, nGlyphs, attrs, &sa, advances, offsets, &abc)))
            return;
        ::ScriptTextOut(hDC, pCache, x, 0, 0, nullptr, &sa, nullptr, 0, glyphs, nGlyphs, advances, nullptr, offsets);
        x += abc.abcA + static_cast<int>(abc.abcB) + abc.abcC;
    }
}
