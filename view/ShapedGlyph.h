// A character (with the marks and the parts of a sequence joined to it)
// drawn through Uniscribe's shaping, in the font selected into
// the context: the way that finds a character beyond the Basic Multilingual
// Plane in the face (Wine's TextOutW draws the missing-glyph box for a
// surrogate pair even where the face has the glyph).
#pragma once
#include "../framework/Framework.h"

#include <usp10.h>

// Draws the n units at text from the context's origin, shaped as one. Where
// the face lacks the character, its missing glyph is drawn; a mark that it
// lacks is left out. pCache is the font's shaping cache.
void DrawShaped(HDC hDC, const wchar_t* text, int n, SCRIPT_CACHE* pCache);
