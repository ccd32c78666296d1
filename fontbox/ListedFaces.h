// The faces the font box lists, for the box itself and for whatever needs the
// face chosen there without the box (pictures made from the command line).
#pragma once
#include "../framework/Framework.h"

namespace fontbox {

// Calls add for every Shift-JIS face of hDC that suits the glyph, in the
// order the system enumerates them (the box lists the last on top).
void EnumListedFaces(HDC hDC, void (*add)(const wchar_t* face, void* context), void* context);

// The face that the box, filled from hDC, selects for a stored position
// (as Fill selects it); empty where it selects none.
CStringW StoredFace(HDC hDC, int nStored);

} // namespace fontbox
