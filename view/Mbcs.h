// The multibyte rules of the stored text: which bytes lead a double-byte
// character, the walk back to the previous character, the character count.
// Pure C++; the program installs the system code page's lead bytes at start-up,
// everything else (the host tests) uses code page 932's.
#pragma once
#include <cstddef>

namespace mbcs {

// True when b is a lead byte of the active code page.
bool IsLeadByte(unsigned char b);

// Installs the active code page's lead bytes: isLead(b) for every byte value.
void UseLeadBytes(bool (*isLead)(unsigned char));

// Code page 932's own rule: lead bytes 0x81..0x9F and 0xE0..0xFC.
bool IsCp932LeadByte(unsigned char b);

// The start of the character that precedes cur, found by walking whole
// characters forward from start; null when start is not before cur.
const char* PrevCharStart(const char* start, const char* cur);

// The number of characters in the n bytes at p: a lead byte and the byte that
// follows it count as one.
int CountChars(const char* p, size_t n);

} // namespace mbcs
