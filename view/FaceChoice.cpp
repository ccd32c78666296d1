#include "FaceChoice.h"

#include <algorithm>
#include <iterator>

namespace {

enum class ScriptGroup { Hangul, Han, Emoji };

struct GroupRange {
    char32_t first, last;
    ScriptGroup group;
};

const GroupRange kGroups[] = {
#include "ScriptGroups.inc"
};

struct Range {
    char32_t first, last;
};

// The characters that draw nothing (joiners, variation selectors, tags).
const Range kIgnorables[] = {
#include "Ignorables.inc"
};

// The range of a sorted table that holds c; null where none does.
template <class R>
const R* Find(const R* begin, const R* end, char32_t c)
{
    const R* it = std::upper_bound(begin, end, c, [](char32_t code, const R& r) { return code < r.first; });
    return it != begin && c <= it[-1].last ? it - 1 : nullptr;
}

// The code point at text[i]; i moves past it.
char32_t NextCodePoint(const std::u16string& text, size_t& i)
{
    const char32_t c = static_cast<char32_t>(text[i++]);
    if (c >= 0xD800 && c < 0xDC00 && i < text.size() && text[i] >= 0xDC00 && text[i] < 0xE000)
        return 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i++]) - 0xDC00);
    return c;
}

// What of text needs a glyph: a face need not have those that draw nothing.
std::u16string DrawnPart(const std::u16string& text)
{
    std::u16string drawn;
    for (size_t i = 0; i < text.size();) {
        const size_t start = i;
        if (!Find(std::begin(kIgnorables), std::end(kIgnorables), NextCodePoint(text, i)))
            drawn.append(text, start, i - start);
    }
    return drawn;
}

// Face names compare as GDI compares them: ASCII letters in either case.
bool SameFace(const std::u16string& a, const std::u16string& b)
{
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

bool Contains(const std::vector<std::u16string>& faces, const std::u16string& face)
{
    return std::any_of(faces.begin(), faces.end(), [&](const std::u16string& f) { return SameFace(f, face); });
}

} // namespace

std::vector<std::u16string> LinkedFaceNames(const char16_t* list, size_t cch)
{
    std::vector<std::u16string> faces;
    for (size_t start = 0; start < cch;) {
        size_t end = start;
        while (end < cch && list[end])
            ++end;
        const std::u16string entry(list + start, end - start);
        const size_t comma = entry.find(u',');
        if (comma != std::u16string::npos) {
            std::u16string face = entry.substr(comma + 1, entry.find(u',', comma + 1) - comma - 1);
            if (!face.empty())
                faces.push_back(std::move(face));
        }
        start = end + 1;
    }
    return faces;
}

std::u16string EnglishFamilyName(const unsigned char* table, size_t size)
{
    const auto word = [&](size_t at) { return at + 2 <= size ? (table[at] << 8 | table[at + 1]) : -1; };
    const int count = word(2), strings = word(4);
    for (int i = 0; i < count && strings >= 0; ++i) {
        const size_t record = 6 + 12 * static_cast<size_t>(i);
        if (record + 12 > size)
            return {};
        // Windows' platform (3), Unicode BMP (1), US English (0x409), the family (1).
        if (word(record) != 3 || word(record + 2) != 1 || word(record + 4) != 0x409 || word(record + 6) != 1)
            continue;
        const size_t length = static_cast<size_t>(word(record + 8));
        const size_t start = static_cast<size_t>(strings) + static_cast<size_t>(word(record + 10));
        if (start + length > size)
            return {};
        std::u16string name;
        for (size_t at = start; at + 1 < start + length; at += 2)
            name += static_cast<char16_t>(word(at)); // big-endian UTF-16
        return name;
    }
    return {};
}

std::vector<std::u16string> ScriptFaces(const std::u16string& text)
{
    for (size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        const GroupRange* range = Find(std::begin(kGroups), std::end(kGroups), c);
        if (!range)
            continue;
        // Windows' own faces: Korean, then simplified and traditional Chinese
        // (whose ExtB faces hold the ideographs beyond the BMP), then the
        // emoji and symbol faces that GDI draws in monochrome outlines.
        switch (range->group) {
        case ScriptGroup::Hangul:
            return {u"Malgun Gothic", u"Gulim", u"Batang"};
        case ScriptGroup::Han:
            if (c >= 0x10000)
                return {u"SimSun-ExtB", u"MingLiU-ExtB"};
            return {u"Microsoft YaHei", u"SimSun", u"Microsoft JhengHei", u"MingLiU"};
        case ScriptGroup::Emoji:
            return {u"Segoe UI Emoji", u"Segoe UI Symbol"};
        }
    }
    return {};
}

const std::u16string& CFaceChoice::FaceFor(const std::u16string& chosen, const std::u16string& text)
{
    if (!SameFace(chosen, m_chosen)) {
        m_answers.clear();
        m_chosen = chosen;
    }
    const auto found = m_answers.find(text);
    if (found != m_answers.end())
        return found->second;
    return m_answers.emplace(text, Choose(chosen, text)).first->second;
}

std::u16string CFaceChoice::Choose(const std::u16string& chosen, const std::u16string& text)
{
    const std::u16string drawn = DrawnPart(text);
    if (m_catalog.HasGlyphs(chosen, drawn))
        return chosen;
    const std::vector<std::u16string>& installed = m_catalog.InstalledFaces();
    std::vector<std::u16string> tried{chosen};
    const auto has = [&](const std::u16string& face) {
        if (Contains(tried, face) || !Contains(installed, face))
            return false;
        tried.push_back(face);
        return m_catalog.HasGlyphs(face, drawn);
    };
    const auto first = [&](const std::vector<std::u16string>& faces) {
        const auto it = std::find_if(faces.begin(), faces.end(), has);
        return it != faces.end() ? *it : std::u16string();
    };
    std::u16string face = first(m_catalog.LinkedFaces(chosen));
    if (face.empty())
        face = first(ScriptFaces(text));
    if (face.empty())
        face = first(installed);
    return face;
}
