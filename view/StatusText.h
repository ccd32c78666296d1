// The texts of the status bar's position and character-code panes. Pure C++.
#pragma once
#include "TextCursor.h"

#include <cstddef>

// "SJIS : 0x82a0" for a double-byte character, "SJIS : 0x41" for a single
// byte, "SJIS : ----" for a character that has no Shift-JIS code, "SJIS :"
// for an empty text. Always terminated within size bytes.
void FormatCodeText(char* buffer, size_t size, const CTextCursor& text);

// "U+5927", "U+20BB7": a character's Unicode code point, in at least four
// digits; empty for none (0).
void FormatUnicodeText(char* buffer, size_t size, char32_t code);

// "  3 /   5": the current character's ordinal (from 1) and the count.
void FormatPositionText(char* buffer, size_t size, const CTextCursor& text);
