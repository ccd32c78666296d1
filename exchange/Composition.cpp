#include "Composition.h"

#include "UnicodeTables.h"

#include <algorithm>

namespace unicode {

namespace {

// Hangul's composition is arithmetic: leading consonant + vowel is an LV
// syllable, LV syllable + trailing consonant an LVT one.
constexpr char32_t kSBase = 0xAC00, kLBase = 0x1100, kVBase = 0x1161, kTBase = 0x11A7;
constexpr char32_t kLCount = 19, kVCount = 21, kTCount = 28, kSCount = kLCount * kVCount * kTCount;

char32_t HangulComposite(char32_t first, char32_t second)
{
    if (first - kLBase < kLCount && second - kVBase < kVCount)
        return kSBase + ((first - kLBase) * kVCount + (second - kVBase)) * kTCount;
    if (first - kSBase < kSCount && (first - kSBase) % kTCount == 0 && second - kTBase - 1 < kTCount - 1)
        return first + (second - kTBase);
    return 0;
}

constexpr unsigned kSecondFlag = 0x100;
constexpr unsigned kCombiningShift = 9;

unsigned CombiningValue(char32_t c)
{
    using namespace unicode_tables;
    return BlockRunValue(kCombiningRuns, kCombiningRunCount, kCombiningGroups, kCombiningBlocks, kCombiningShift, c);
}

// The primary composite of a starter and the character after it, 0 for
// none; value is the second's combining value.
char32_t Composite(char32_t first, char32_t second, unsigned value)
{
    if (const char32_t hangul = HangulComposite(first, second))
        return hangul;
    if (!(value & kSecondFlag))
        return 0;
    using namespace unicode_tables;
    // A pair's characters share a plane; the tables keep their low 16 bits.
    if ((first ^ second) >> 16)
        return 0;
    const std::size_t index = std::lower_bound(kSeconds, kSeconds + kSecondCount, second) - kSeconds;
    const std::uint16_t* const begin = kPairFirsts + kSecondPairs[index];
    const std::uint16_t* const end = kPairFirsts + kSecondPairs[index + 1];
    const auto low = static_cast<std::uint16_t>(first);
    const std::uint16_t* const pair = std::lower_bound(begin, end, low);
    return pair != end && *pair == low ? (second & ~char32_t{0xFFFF}) | kPairComposites[pair - kPairFirsts] : 0;
}

} // namespace

void CComposer::Add(char32_t c, std::u32string& text)
{
    const unsigned value = CombiningValue(c);
    const unsigned cls = value & 0xFF;
    const bool adjacent = m_starter + 1 == text.size();
    // Only a second of a pair composes, and a Hangul vowel or trailing consonant.
    if (m_starter != kNone && (adjacent || m_maxBetween < cls) &&
        ((value & kSecondFlag) || (c - kVBase < kTBase + kTCount - kVBase))) {
        if (const char32_t composite = Composite(text[m_starter], c, value)) {
            text[m_starter] = composite;
            return;
        }
    }
    if (cls == 0) {
        m_starter = text.size();
        m_maxBetween = 0;
    } else {
        m_maxBetween = std::max(m_maxBetween, cls);
    }
    text += c;
}

} // namespace unicode
