// The texts of the status bar's position and character-code panes. Pure C++.
#pragma once
#include "TextCursor.h"

#include <cstddef>
#include <string>

// "SJIS : 0x82a0" for a double-byte character, "SJIS : 0x41" for a single
// byte, "SJIS : ----" for a character that has no Shift-JIS code, "SJIS :"
// for an empty text. Always terminated within size bytes.
void FormatCodeText(char* buffer, size_t size, const CTextCursor& text);

// "U+5927", "U+845B U+E0100": the Unicode code points of a character as a
// reader sees it, each in at least four digits; as many as fit in cchMax
// places, then "…" (which takes two) for the rest, but always the first.
// Empty for none.
std::u16string FormatCodePoints(const std::u32string& codes, size_t cchMax = static_cast<size_t>(-1));

// "  3 /   5": the current character's ordinal (from 1) and the count.
void FormatPositionText(char* buffer, size_t size, const CTextCursor& text);
