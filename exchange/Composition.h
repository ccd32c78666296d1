// Unicode's canonical composition applied to text as it comes, without
// decomposing anything first: a starter followed by characters that compose
// with it becomes the composite (カ + U+3099 is ガ, e + U+0301 is é, ᄒ ᅡ ᆫ
// is 한), and every other character stays exactly as its source wrote it
// (U+FA10 塚 is not turned into U+585A, as normalization would). Pure C++.
#pragma once
#include <cstddef>
#include <string>

namespace unicode {

class CComposer {
public:
    // Appends c to text, or composes it into the last starter of text where
    // it is not blocked from it (no starter and no character of its own
    // combining class or higher lies between). text is the one this composer
    // has had every character of.
    void Add(char32_t c, std::u32string& text);

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);
    size_t m_starter = kNone;  // the last starter's index in text
    unsigned m_maxBetween = 0; // the highest class after it
};

} // namespace unicode
