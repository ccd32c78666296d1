// The multibyte rules of the stored text: which bytes lead a double-byte
// character, the walk back to the previous character, the character count.
// The text is code page 932 whatever the system's code page. Pure C++.
#pragma once
#include <cstddef>

namespace mbcs {

// True for the characters the stored text never holds: tab, CR and LF
// (a code unit or a byte in first position).
constexpr bool IsLineBreakOrTab(unsigned c)
{
    return c == '\t' || c == '\r' || c == '\n';
}

// True when b leads a double-byte character of code page 932: 0x81..0x9F
// and 0xE0..0xFC (what IsDBCSLeadByteEx(932, b) says).
bool IsLeadByte(unsigned char b);

// The start of the character that precedes cur, found by walking whole
// characters forward from start; null when start is not before cur.
const char* PrevCharStart(const char* start, const char* cur);

// The number of characters in the n bytes at p: a lead byte and the byte that
// follows it count as one.
int CountChars(const char* p, size_t n);

} // namespace mbcs
