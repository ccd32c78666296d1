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

} // namespace cp932
