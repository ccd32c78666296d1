// Text from Unicode sources into code page 932, the code page the stored text
// is held in whatever the system's is. Pure C++: the table itself is the
// system's, handed in; what is ours (the JIS variants, surrogates, reading
// no further than the view keeps) is tested natively.
#pragma once
#include <cstddef>
#include <string>

namespace cp932 {

// The system's conversion of n UTF-16 units (no surrogates among them) into
// code page 932, one '?' for each character without a code, appended to out.
using Encoder = void (*)(const char16_t* p, size_t n, std::string& out);

// The code page 932 text of the UTF-16 text at p: up to its terminator, or n
// units, whichever comes first. Text from Linux input methods, EUC-JP and
// ISO-2022-JP sources and Macs writes seven characters in their JIS form
// (U+301C, U+2212, U+2016, U+2014, U+00A2, U+00A3, U+00AC) where Windows text
// has other code points: they get the Shift-JIS codes Windows gives them. A
// character outside the Basic Multilingual Plane (a surrogate pair) and a lone
// surrogate become one '?'. Reads only until more than cchKept characters
// other than tab, CR and LF are had: as far as the view keeps.
std::string FromUtf16(const char16_t* p, size_t n, size_t cchKept, Encoder encode);

// How many bytes of multibyte text (in any of Windows' double-byte code pages
// or UTF-8) to convert so that its first cchKept + 1 characters other than
// tab, CR and LF come out whole: up to its terminator or cb bytes, whichever
// comes first, and no further. No lead-byte rule is needed: a character is at
// most four bytes, and none but the first may be a tab, CR, LF or 0. What the
// cut makes of a character at the end lies beyond what is kept.
size_t SpanToConvert(const char* p, size_t cb, size_t cchKept);

} // namespace cp932
