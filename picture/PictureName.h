// The names of a character's pictures: its file types and the names its files
// are given. Pure C++.
#pragma once
#include <cstddef>
#include <string>

namespace picture {

enum class Format { Png, Svg, Emf };

// "png", "svg", "emf".
const char* Extension(Format format);
// The format an extension (without its dot) names, whatever its case; false
// for any other.
bool FormatOfExtension(const wchar_t* ext, Format& format);
// The format a file name's extension names; false for any other, or none.
bool FormatOfFileName(const wchar_t* name, Format& format);

// The code points of n UTF-16 units (a lone surrogate stands as itself).
std::u32string CodePoints(const char16_t* p, size_t n);

// "U+5927"; a character of several code points (a base with its marks, an
// emoji sequence) names each, joined by '_': "U+0065_U+0301". A name never
// grows past what a file name may hold: past sixteen code points it ends
// in "_etc".
std::string CodeName(const std::u32string& codes);

// A card's file: "001-U+6F22.png", its position from 1 (three digits at
// least), its code name and the format's extension.
std::string CardName(int position, const std::u32string& codes, Format format);

} // namespace picture
