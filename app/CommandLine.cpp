#include "CommandLine.h"

#include <cstring>
#include <cwchar>

namespace cmdline {

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

const wchar_t* SkipBlanks(const wchar_t* p)
{
    while (IsBlank(*p))
        ++p;
    return p;
}

// The program's name: up to its closing quote, or to the first blank; then
// the blanks after it.
const wchar_t* AfterName(const wchar_t* line)
{
    const wchar_t* p = line;
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p)
            ++p;
    }
    for (; *p && !IsBlank(*p); ++p) {
    }
    return SkipBlanks(p);
}

// The rest of a line from p: without blanks at its end and without one pair
// of quotes around it.
Span Rest(const wchar_t* p)
{
    const wchar_t* last = p + std::wcslen(p);
    while (last > p && IsBlank(last[-1]))
        --last;
    if (last - p >= 2 && *p == L'"' && last[-1] == L'"')
        return {p + 1, last - 1};
    return {p, last};
}

// One token at p: in quotes (given without them), or up to a blank.
struct Token {
    Span text;
    bool quoted;
    const wchar_t* next; // past the token and the blanks after it
};

Token NextToken(const wchar_t* p)
{
    Token t{{p, p}, *p == L'"', p};
    if (t.quoted) {
        const wchar_t* close = std::wcschr(p + 1, L'"');
        t.text = {p + 1, close ? close : p + std::wcslen(p)};
        t.next = close ? close + 1 : t.text.last;
    } else {
        while (*t.next && !IsBlank(*t.next))
            ++t.next;
        t.text.last = t.next;
    }
    t.next = SkipBlanks(t.next);
    return t;
}

bool IsOption(const Token& t, const wchar_t* name)
{
    const size_t n = std::wcslen(name);
    return !t.quoted && static_cast<size_t>(t.text.last - t.text.first) == n &&
           std::wcsncmp(t.text.first, name, n) == 0;
}

bool LooksLikeOption(const Token& t)
{
    return !t.quoted && t.text.last - t.text.first >= 2 && t.text.first[0] == L'-' && t.text.first[1] == L'-';
}

// A whole number from 1 to the largest size, in decimal digits alone.
bool ReadSize(Span s, int& size)
{
    int n = 0;
    if (s.first == s.last)
        return false;
    for (const wchar_t* p = s.first; p != s.last; ++p) {
        if (*p < L'0' || *p > L'9')
            return false;
        n = n * 10 + (*p - L'0');
        if (n > kMaxPictureSize)
            return false;
    }
    size = n;
    return n > 0;
}

bool ReadFormat(Span s, picture::Format& format)
{
    wchar_t name[8] = {};
    if (s.last - s.first >= 8)
        return false;
    std::wmemcpy(name, s.first, static_cast<size_t>(s.last - s.first));
    return picture::FormatOfExtension(name, format);
}

} // namespace

Span TextArgument(const wchar_t* line)
{
    if (!line)
        return {nullptr, nullptr};
    return Rest(AfterName(line));
}

PicturesRequest PicturesArgument(const wchar_t* line)
{
    PicturesRequest request;
    if (!line)
        return request;
    Token t = NextToken(AfterName(line));
    if (!IsOption(t, L"--pictures"))
        return request;
    request.asked = true;
    t = NextToken(t.next);
    if (t.text.first == t.text.last || LooksLikeOption(t)) {
        request.error = kNoFolder;
        return request;
    }
    request.folder = t.text;
    // The options, in any order, then the text.
    const wchar_t* p = t.next;
    for (;;) {
        t = NextToken(p);
        if (!LooksLikeOption(t))
            break;
        const Token value = NextToken(t.next);
        if (IsOption(t, L"--format")) {
            if (!ReadFormat(value.text, request.format))
                request.error = request.error ? request.error : kBadFormat;
        } else if (IsOption(t, L"--size")) {
            if (!ReadSize(value.text, request.size))
                request.error = request.error ? request.error : kBadSize;
        } else {
            request.error = request.error ? request.error : kUnknownOption;
            return request;
        }
        p = value.next;
    }
    request.text = Rest(p);
    if (!request.error && request.text.first == request.text.last)
        request.error = kNoText;
    return request;
}

} // namespace cmdline
