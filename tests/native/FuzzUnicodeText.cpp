// libFuzzer target: the input's byte pairs are UTF-16 units, taken through
// composition, the conversion (a stand-in table: half-width katakana and a
// block of double-byte codes for U+3000 on) and the cursor. Each step must be
// a whole cluster of the composed text (split only where two characters with
// codes meet), and Copy's Unicode, converted again, must give the same text.
#include "exchange/Composition.h"
#include "exchange/Cp932.h"
#include "exchange/GraphemeBreak.h"
#include "view/TextCursor.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr char16_t kWide = 0x3000, kWideCount = 24 * 188;

void Encode(const char16_t* p, size_t n, std::string& out)
{
    for (size_t i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (c < 0x80)
            out += static_cast<char>(c);
        else if (c >= 0xFF61 && c <= 0xFF9F)
            out += static_cast<char>(c - 0xFF61 + 0xA1);
        else if (c >= kWide && c < kWide + kWideCount)
            out += {static_cast<char>(0x88 + (c - kWide) / 188), static_cast<char>(0x40 + (c - kWide) % 188)};
        else
            out += '?';
    }
}

bool HasCode(char32_t c)
{
    return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) || (c >= kWide && c < kWide + kWideCount);
}

bool IsLead(char b)
{
    return static_cast<unsigned char>(b) >= 0x88 && static_cast<unsigned char>(b) < 0x88 + 24;
}

void Decode(const char* p, size_t n, std::u16string& out)
{
    for (size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(p[i]);
        if (IsLead(p[i]) && i + 1 < n)
            out += static_cast<char16_t>(kWide + (b - 0x88) * 188 + (static_cast<unsigned char>(p[++i]) - 0x40));
        else
            out += static_cast<char16_t>(b >= 0xA1 && b <= 0xDF ? b - 0xA1 + 0xFF61 : b);
    }
}

void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

struct Shown {
    CTextCursor cursor;
    std::vector<int> starts; // of each step
};

Shown Show(const std::u16string& text)
{
    const Cp932Text got = cp932::FromUtf16(text.data(), text.size(), CTextCursor::kMaxTextBytes + 1, &Encode);
    Shown shown;
    shown.cursor.Assign(got.bytes.c_str(), got.bytes.size(), got.kept, got.joins);
    do
        shown.starts.push_back(shown.cursor.GetPos());
    while (shown.cursor.StepForward());
    if (static_cast<int>(shown.starts.size()) != (shown.cursor.IsEmpty() ? 1 : shown.cursor.GetCount()))
        Fail("steps differ from the count");
    return shown;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    const Shown shown = Show(text);
    const CTextCursor& c = shown.cursor;
    const std::string bytes(c.GetText().GetString(), static_cast<size_t>(c.GetText().GetLength()));

    // The source without what the view drops, composed, with its breaks.
    std::u32string composed;
    unicode::CComposer composer;
    for (size_t i = 0; i < text.size() && text[i];) {
        const char32_t code = cp932::NextCodePoint(text.data(), text.size(), i);
        if (code != '\t' && code != '\r' && code != '\n')
            composer.Add(code, composed);
    }
    const std::u32string& chars = composed;
    std::vector<bool> breaks;
    unicode::CGraphemeBreaker breaker;
    for (char32_t code : composed)
        breaks.push_back(breaker.BreakBefore(code));
    // Each stored character is the next of them: a step starts where Unicode
    // breaks, or between two with codes, and only there.
    size_t k = 0;
    bool prevHasCode = false;
    for (int at = 0; at < static_cast<int>(bytes.size()); ++k) {
        if (k >= chars.size())
            Fail("more characters stored than the source has");
        const char32_t kept = KeptAt(c.GetKept(), static_cast<size_t>(at));
        const bool hasCode = kept == 0;
        if (!hasCode && kept != chars[k])
            Fail("a kept character is not the source's");
        const bool starts = std::binary_search(shown.starts.begin(), shown.starts.end(), at);
        if (k > 0 && starts != (breaks[k] || (hasCode && prevHasCode)))
            Fail("a step does not follow the clusters");
        prevHasCode = hasCode;
        at += IsLead(bytes[static_cast<size_t>(at)]) ? 2 : 1;
    }
    // Cut before a character joined to the last one kept, unless that one
    // alone was longer than the limit.
    if (k > 0 && k < chars.size() && !breaks[k] && !(prevHasCode && HasCode(chars[k])) && shown.starts.size() > 1)
        Fail("the cut split a character");

    // Copy's Unicode, shown again, is the same text in the same steps.
    const std::u16string copied = cp932::ToUtf16(bytes.c_str(), 0, bytes.size(), c.GetKept(), &Decode);
    const Shown again = Show(copied);
    if (std::string(again.cursor.GetText().GetString()) != bytes || again.starts != shown.starts)
        Fail("Copy's Unicode does not give the text back");
    return 0;
}
