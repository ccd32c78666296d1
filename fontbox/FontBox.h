// CFontBox: the drop-down list in the toolbar that picks the glyph's face.
#pragma once
#include "../framework/Framework.h"


class CFontBox : public CComboBoxEx {
public:
    // Lists the Shift-JIS faces of hDC that suit the glyph, the last
    // enumerated on top, widens the drop-down list to show every name whole,
    // and selects nStored without a selection-change notice: entry 0 when
    // nStored is past the end, nothing when it is negative.
    void Fill(HDC hDC, int nStored);
    // The selected entry's face name; empty while nothing is selected.
    CStringW GetSelectedFace() const;
    // The system's font for controls at nDpi, and the list widened for it.
    void ScaleToDpi(int nDpi);

protected:
    void OnSelChange();

    DECLARE_MESSAGE_MAP()

private:
    void GetItemText(int nIndex, wchar_t* text, int cchText) const;
    void FitDroppedWidth() const;
    CFont m_font;
    int m_nDpi = 96;
};
