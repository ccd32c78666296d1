#include "Cp932.h"

#include "../view/Mbcs.h"

namespace cp932 {

namespace {

// The code point Windows' own text has for a JIS form (U+301C WAVE DASH is
// U+FF5E FULLWIDTH TILDE, ...); any other character as it is.
char16_t WindowsForm(char16_t c)
{
    switch (c) {
    case u'\u301C': return u'\uFF5E'; // 〜 → ～ 0x8160
    case u'\u2212': return u'\uFF0D'; // − → － 0x817C
    case u'\u2016': return u'\u2225'; // ‖ → ∥ 0x8161
    case u'\u2014': return u'\u2015'; // — → ― 0x815C
    case u'\u00A2': return u'\uFFE0'; // ¢ → ￠ 0x8191
    case u'\u00A3': return u'\uFFE1'; // £ → ￡ 0x8192
    case u'\u00AC': return u'\uFFE2'; // ¬ → ￢ 0x81CA
    default: return c;
    }
}

bool IsSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

std::string FromUtf16(const char16_t* p, size_t n, size_t cchKept, Encoder encode)
{
    // In pieces, so that a long text is converted no further than is kept.
    constexpr size_t kPiece = 256;
    std::string out;
    char16_t piece[kPiece];
    size_t cchHad = 0;
    size_t i = 0;
    while (i < n && p[i] && cchHad <= cchKept) {
        size_t k = 0;
        for (; k < kPiece && i < n && p[i]; ++i) {
            char16_t c = p[i];
            if (IsSurrogate(c)) {
                if (IsHighSurrogate(c) && i + 1 < n && IsLowSurrogate(p[i + 1]))
                    ++i; // the pair is one character
                c = u'?';
            }
            piece[k++] = WindowsForm(c);
            if (!mbcs::IsLineBreakOrTab(c))
                ++cchHad;
        }
        encode(piece, k, out);
    }
    return out;
}

size_t SpanToConvert(const char* p, size_t cb, size_t cchKept)
{
    const size_t cbWhole = 4 * (cchKept + 1); // bytes enough for that many characters and one cut
    size_t cbCounted = 0;
    size_t n = 0;
    for (; n < cb && p[n] && cbCounted <= cbWhole; ++n) {
        if (!mbcs::IsLineBreakOrTab(static_cast<unsigned char>(p[n])))
            ++cbCounted;
    }
    return n;
}

} // namespace cp932
