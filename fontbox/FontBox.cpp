#include "FontBox.h"

#include "../app/MainFrame.h"
#include "FaceFilter.h"
#include "ListedFaces.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CFontBox, CComboBoxEx)
    ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

namespace {

// Face names are at most this long, with their terminator: a LOGFONT's field.
constexpr int kFaceBuffer = LF_FACESIZE + 1;

// Inserts a face at the top of the box.
void InsertOnTop(const wchar_t* face, void* box)
{
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = 0;
    item.pszText = const_cast<wchar_t*>(face);
    static_cast<const CFontBox*>(box)->InsertItem(&item);
}

} // namespace

void CFontBox::Fill(HDC hDC, int nStored)
{
    if (hDC)
        fontbox::EnumListedFaces(hDC, &InsertOnTop, this);
    FitDroppedWidth();
    // Sends no CBN_SELCHANGE; the view reads the face at its next paint.
    SetCurSel(fontbox::StoredSelection(nStored, GetCount()));
}

CStringW CFontBox::GetSelectedFace() const
{
    const int nSel = m_hWnd ? GetCurSel() : CB_ERR;
    if (nSel == CB_ERR)
        return CStringW();
    wchar_t face[kFaceBuffer];
    GetItemText(nSel, face, kFaceBuffer);
    return face;
}

void CFontBox::ScaleToDpi(int nDpi)
{
    m_nDpi = nDpi;
    const LOGFONTW lf = AfxGetSystemFont(false, nDpi);
    m_font.CreateFontFor(m_hWnd, lf);
    FitDroppedWidth();
}

void CFontBox::OnSelChange()
{
    // The same character, repainted at once in the newly chosen face.
    if (CMainFrame* pFrame = static_cast<CMainFrame*>(AfxGetMainWnd()))
        pFrame->m_wndView.OnFacesChanged();
}

void CFontBox::GetItemText(int nIndex, wchar_t* text, int cchText) const
{
    text[0] = L'\0'; // stays empty when the box gives no text
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = nIndex;
    item.pszText = text;
    item.cchTextMax = cchText;
    GetItem(&item);
}

void CFontBox::FitDroppedWidth() const
{
    HWND hCombo = GetComboBoxCtrl();
    if (!hCombo)
        return;
    CClientDC dc(this);
    if (!dc)
        return;
    CSelectObject select(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(hCombo, WM_GETFONT, 0, 0)));
    int widest = 0;
    wchar_t text[kFaceBuffer];
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        GetItemText(i, text, kFaceBuffer);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    // The list's borders, the item's margins and room for a scroll bar.
    const int frame =
        2 * AfxGetSystemMetrics(SM_CXEDGE, m_nDpi) + 8 + AfxGetSystemMetrics(SM_CXVSCROLL, m_nDpi);
    ::SendMessageA(hCombo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest + frame), 0);
}
