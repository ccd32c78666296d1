#include "PictureName.h"

#include "../exchange/Cp932.h"
#include "../view/StatusText.h"

namespace picture {

namespace {

constexpr size_t kMaxNamedCodes = 16;

char Lower(wchar_t c)
{
    return static_cast<char>(c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c);
}

} // namespace

const char* Extension(Format format)
{
    switch (format) {
    case Format::Svg:
        return "svg";
    case Format::Emf:
        return "emf";
    default:
        return "png";
    }
}

bool FormatOfExtension(const wchar_t* ext, Format& format)
{
    for (const Format f : {Format::Png, Format::Svg, Format::Emf}) {
        const char* want = Extension(f);
        size_t i = 0;
        while (want[i] && Lower(ext[i]) == want[i])
            ++i;
        if (!want[i] && !ext[i]) {
            format = f;
            return true;
        }
    }
    return false;
}

bool FormatOfFileName(const wchar_t* name, Format& format)
{
    const wchar_t* ext = nullptr;
    for (const wchar_t* p = name; *p; ++p) {
        if (*p == L'.')
            ext = p + 1;
        else if (*p == L'\\' || *p == L'/')
            ext = nullptr; // a dot in a folder's name is no extension
    }
    return ext && FormatOfExtension(ext, format);
}

std::u32string CodePoints(const char16_t* p, size_t n)
{
    std::u32string codes;
    for (size_t i = 0; i < n;)
        codes += cp932::NextCodePoint(p, n, i);
    return codes;
}

std::string CodeName(const std::u32string& codes)
{
    std::string name;
    for (size_t i = 0; i < codes.size(); ++i) {
        if (i == kMaxNamedCodes)
            return name + "_etc";
        name += i ? "_" : "";
        for (const char16_t c : FormatCodePoints(std::u32string(1, codes[i])))
            name += static_cast<char>(c); // "U+" and hex digits
    }
    return name;
}

std::string CardName(int position, const std::u32string& codes, Format format)
{
    std::string digits = std::to_string(position);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return digits + "-" + CodeName(codes) + "." + Extension(format);
}

} // namespace picture
