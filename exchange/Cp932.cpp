#include "Cp932.h"

#include "../view/Mbcs.h"
#include "Composition.h"
#include "GraphemeBreak.h"

#include <algorithm>

namespace cp932 {

namespace {

// The code point Windows' own text has for a character written in another
// form (U+301C WAVE DASH is U+FF5E FULLWIDTH TILDE, ...); any other as it is.
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
    case u'\u00A5': return u'\u005C'; // ¥ → 0x5C
    case u'\u00B7': return u'\u30FB'; // · → ・ 0x8145
    case u'\u00AF':                    // ¯
    case u'\u203E': return u'\uFFE3'; // ‾ → ￣ 0x8150
    case u'\u00A6': return u'\uFFE4'; // ¦ → ￤ 0xFA55
    case u'\u00B5': return u'\u03BC'; // µ → μ 0x83CA
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

void AppendUtf16(char32_t code, std::u16string& out)
{
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
}

} // namespace

char32_t NextCodePoint(const char16_t* p, size_t n, size_t& i)
{
    const char16_t c = p[i++];
    if (!IsSurrogate(c))
        return c;
    if (IsHighSurrogate(c) && i < n && IsLowSurrogate(p[i]))
        return 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (p[i++] - 0xDC00);
    return 0xFFFD;
}

Cp932Text FromUtf16(const char16_t* p, size_t n, size_t cchKept, Encoder encode)
{
    // Without the tabs and line breaks that the view drops, so that what is
    // composed and joined is what it shows (and Copy gives); composed as it is
    // read, and read no further than is kept: what follows that could still
    // compose or join belongs to a character beyond the cut.
    std::u32string codes;
    unicode::CComposer composer;
    for (size_t i = 0; i < n && p[i] && codes.size() <= cchKept;) {
        const char32_t code = NextCodePoint(p, n, i);
        if (!mbcs::IsLineBreakOrTab(code))
            composer.Add(code, codes);
    }
    // Encoded in pieces, each unit into one character.
    constexpr size_t kPiece = 256;
    Cp932Text out;
    char16_t piece[kPiece];
    unicode::CGraphemeBreaker breaker;
    bool prevHasCode = false;
    for (size_t from = 0; from < codes.size(); from += kPiece) {
        const size_t k = std::min(kPiece, codes.size() - from);
        for (size_t m = 0; m < k; ++m) {
            const char32_t code = codes[from + m];
            piece[m] = code > 0xFFFF ? u'?' : WindowsForm(static_cast<char16_t>(code));
        }
        size_t at = out.bytes.size();
        encode(piece, k, out.bytes);
        for (size_t m = 0; m < k && at < out.bytes.size(); ++m) {
            const char32_t code = codes[from + m];
            const auto b = static_cast<unsigned char>(out.bytes[at]);
            // A '?' that was no question mark stands for the character kept beside it.
            const bool hasCode = b != '?' || code == U'?';
            if (!hasCode)
                out.kept.push_back(KeptChar{at, code});
            // Neighbours that both have codes stay apart as before (ｶﾞ is two
            // characters); a character the code page lacks joins as Unicode says.
            if (!breaker.BreakBefore(code) && !(hasCode && prevHasCode))
                out.joins.push_back(at);
            prevHasCode = hasCode;
            at += mbcs::IsLeadByte(b) ? 2 : 1;
        }
    }
    return out;
}

std::u16string ToUtf16(const char* text, size_t from, size_t to, const KeptChars& kept, Decoder decode)
{
    std::u16string out;
    for (const KeptChar& k : kept) {
        if (k.offset < from || k.offset >= to)
            continue;
        decode(text + from, k.offset - from, out);
        AppendUtf16(k.code, out);
        from = k.offset + 1;
    }
    decode(text + from, to - from, out);
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
