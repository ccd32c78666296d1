#include "Mbcs.h"

#include <array>

namespace mbcs {

namespace {

std::array<bool, 256> MakeTable(bool (*isLead)(unsigned char))
{
    std::array<bool, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[static_cast<size_t>(b)] = isLead(static_cast<unsigned char>(b));
    return table;
}

std::array<bool, 256>& Table()
{
    static std::array<bool, 256> table = MakeTable(IsCp932LeadByte);
    return table;
}

} // namespace

bool IsCp932LeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsLeadByte(unsigned char b)
{
    return Table()[b];
}

void UseLeadBytes(bool (*isLead)(unsigned char))
{
    Table() = MakeTable(isLead);
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
