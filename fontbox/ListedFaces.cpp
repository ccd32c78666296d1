#include "ListedFaces.h"

#include "FaceFilter.h"

namespace fontbox {

namespace {

struct Enumeration {
    void (*add)(const wchar_t* face, void* context);
    void* context;
};

// Unicode names: on a system whose code page is not 932 a Japanese name has
// no ANSI form, and a face is only found again by its real name.
int CALLBACK EnumFaceProc(const LOGFONTW* plf, const TEXTMETRICW*, DWORD fontType, LPARAM lParam)
{
    if (IsListedFace(plf->lfFaceName, fontType, plf->lfPitchAndFamily)) {
        const auto* e = reinterpret_cast<const Enumeration*>(lParam);
        e->add(plf->lfFaceName, e->context);
    }
    return 1; // always to the end of the enumeration
}

// Counts the faces, and keeps the one at a given place of the enumeration.
struct Pick {
    explicit Pick(int nPlace) : nWanted(nPlace) {}
    int nWanted;
    int nSeen = 0;
    CStringW face;
};

void CountAndPick(const wchar_t* face, void* pick)
{
    auto* p = static_cast<Pick*>(pick);
    if (p->nSeen++ == p->nWanted)
        p->face = face;
}

} // namespace

void EnumListedFaces(HDC hDC, void (*add)(const wchar_t* face, void* context), void* context)
{
    LOGFONTW lf{};
    lf.lfCharSet = SHIFTJIS_CHARSET; // no face name: every face of the character set
    Enumeration e{add, context};
    ::EnumFontFamiliesExW(hDC, &lf, reinterpret_cast<FONTENUMPROCW>(&EnumFaceProc), reinterpret_cast<LPARAM>(&e), 0);
}

CStringW StoredFace(HDC hDC, int nStored)
{
    // The box lists the last enumerated on top.
    Pick count(-1);
    EnumListedFaces(hDC, &CountAndPick, &count);
    const int nSel = StoredSelection(nStored, count.nSeen);
    if (nSel < 0)
        return CStringW();
    Pick pick(count.nSeen - 1 - nSel);
    EnumListedFaces(hDC, &CountAndPick, &pick);
    return pick.face;
}

} // namespace fontbox
