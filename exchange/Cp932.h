// Text from Unicode sources into code page 932, the code page the stored text
// is held in whatever the system's is. Pure C++: the table itself is the
// system's, handed in; what is ours (the characters of the same name, the
// characters the code page lacks, surrogates, reading no further than the
// view keeps) is tested natively.
#pragma once
#include "../view/KeptChars.h"

#include <cstddef>
#include <string>

namespace cp932 {

// The system's conversion of n UTF-16 units (no surrogates among them) into
// code page 932, each unit into one character: its own code, never another
// character's (no best fit), or one '?' where it has none. Appended to out.
using Encoder = void (*)(const char16_t* p, size_t n, std::string& out);

// The code page 932 text of the UTF-16 text at p: up to its terminator, or n
// units, whichever comes first. A character gets the code of the same
// character only. Some are written in other forms than Windows' own: text from
// Linux input methods, EUC-JP and ISO-2022-JP sources and Macs writes 〜 − ‖ —
// ¢ £ ¬ in their JIS form (U+301C, U+2212, U+2016, U+2014, U+00A2, U+00A3,
// U+00AC), JIS X 0213 its overline ‾ as U+203E, JIS X 0212 its broken bar ¦ as
// U+00A6, Chinese and Korean text the middle dot as U+00B7, Latin-1 the yen
// sign ¥ (JIS X 0201's, which is 932's 0x5C), the macron ¯ and the micro sign µ
// (the Greek letter mu): they get the codes of their Windows forms. Every other
// character the code page lacks becomes one '?', with the character kept
// beside it: a surrogate pair as one character, a lone surrogate as U+FFFD.
// Tabs, CR and LF are dropped, as the view drops them. Reads only until more
// than cchKept characters are had: as far as the view keeps. The text is
// composed first (a character and the marks that compose with it become the
// one character they make), and where a character the code page lacks takes
// part in a cluster of Unicode's, the characters after the first are marked
// as joined to it.
Cp932Text FromUtf16(const char16_t* p, size_t n, size_t cchKept, Encoder encode);

// The character that the UTF-16 units at p[i] make (a surrogate pair, or one
// unit; a lone surrogate is no character: U+FFFD stands for it); i moves
// past them. i must be below n.
char32_t NextCodePoint(const char16_t* p, size_t n, size_t& i);

// The system's conversion of n bytes of code page 932 text into UTF-16,
// appended to out.
using Decoder = void (*)(const char* p, size_t n, std::u16string& out);

// The UTF-16 text of the bytes from..to of a code page 932 text: the
// characters kept beside it as themselves, the rest through the table.
std::u16string ToUtf16(const char* text, size_t from, size_t to, const KeptChars& kept, Decoder decode);

// How many bytes of multibyte text (in any of Windows' double-byte code pages
// or UTF-8) to convert so that its first cchKept + 1 characters other than
// tab, CR and LF come out whole: up to its terminator or cb bytes, whichever
// comes first, and no further. No lead-byte rule is needed: a character is at
// most four bytes, and none but the first may be a tab, CR, LF or 0. What the
// cut makes of a character at the end lies beyond what is kept.
size_t SpanToConvert(const char* p, size_t cb, size_t cchKept);

} // namespace cp932
