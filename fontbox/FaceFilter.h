// Which enumerated faces the font box lists: TrueType outlines alone (no other
// font-type bit), not a vertical-writing variant ('@' before the name), and
// not proportional (fixed or default pitch); and which of them a stored
// position selects. Pure C++, tested on its own.
#pragma once

namespace fontbox {

constexpr unsigned kTrueTypeFontType = 0x0004; // TRUETYPE_FONTTYPE
constexpr unsigned char kVariablePitch = 0x02; // VARIABLE_PITCH

inline bool IsListedFace(const wchar_t* faceName, unsigned fontType, unsigned char pitchAndFamily)
{
    return fontType == kTrueTypeFontType && faceName[0] != L'@' && !(pitchAndFamily & kVariablePitch);
}

// The entry a stored position selects among count: the first where it lies
// past the end, none (-1) where it is negative or the list is empty.
inline int StoredSelection(int nStored, int count)
{
    const int nSel = nStored >= count ? 0 : nStored;
    return nSel >= 0 && nSel < count ? nSel : -1;
}

} // namespace fontbox
