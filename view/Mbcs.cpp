#include "Mbcs.h"

namespace mbcs {

bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

const char* PrevCharStart(const char* start, const char* cur)
{
    if (start >= cur)
        return nullptr;
    const char* prev = start;
    for (const char* p = start; p < cur;) {
        prev = p;
        p += IsLeadByte(static_cast<unsigned char>(*p)) ? 2 : 1;
    }
    return prev;
}

int CountChars(const char* p, size_t n)
{
    int count = 0;
    for (size_t i = 0; i < n; ++count)
        i += IsLeadByte(static_cast<unsigned char>(p[i])) ? 2 : 1;
    return count;
}

} // namespace mbcs
