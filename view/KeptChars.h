// The characters that code page 932 lacks, kept beside a text in that code
// page. The text holds one '?' for each of them; the character itself is kept
// here by that byte's offset. A '?' with no entry is a question mark. Pure C++.
#pragma once
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

struct KeptChar {
    size_t offset; // of its '?' in the text
    char32_t code; // the whole code point (a surrogate pair is one character)
};
using KeptChars = std::vector<KeptChar>; // ascending offsets

// The offsets of the characters in a text that continue the one before them
// as one character a reader sees (a mark after its base, the parts of an
// emoji sequence); ascending.
using Joins = std::vector<size_t>;

// A text from a Unicode source: its code page 932 bytes, the characters they
// lack and the joins.
struct Cp932Text {
    std::string bytes;
    KeptChars kept;
    Joins joins;
};

// The character kept for the byte at offset; 0 where none is.
inline char32_t KeptAt(const KeptChars& kept, size_t offset)
{
    const auto it = std::lower_bound(kept.begin(), kept.end(), offset,
                                     [](const KeptChar& k, size_t at) { return k.offset < at; });
    return it != kept.end() && it->offset == offset ? it->code : 0;
}

// Whether a character is drawn in a full-width cell, as a double-byte one is:
// the East Asian wide ranges (Hangul, CJK and its compatibility forms, the
// fullwidth forms, the supplementary ideographs, pictographs and emoji).
constexpr bool IsWideChar(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE6F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}
