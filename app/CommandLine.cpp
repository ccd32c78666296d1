#include "CommandLine.h"

namespace cmdline {

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

} // namespace

Span TextArgument(const wchar_t* line)
{
    if (!line)
        return {nullptr, nullptr};
    // The name: up to its closing quote, or to the first blank.
    const wchar_t* p = line;
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p)
            ++p;
    }
    for (; *p && !IsBlank(*p); ++p) {
    }
    for (; IsBlank(*p); ++p) {
    }
    const wchar_t* last = p;
    while (*last)
        ++last;
    while (last > p && IsBlank(last[-1]))
        --last;
    if (last - p >= 2 && *p == L'"' && last[-1] == L'"')
        return {p + 1, last - 1};
    return {p, last};
}

} // namespace cmdline
