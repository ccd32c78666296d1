// CStatusBar: the bar of panes along the frame's bottom edge: the message
// pane and panes whose width comes from their string row.
#pragma once
#include "ControlBar.h"

#include "Gdi.h"
#include "String.h"
#include <vector>

class CStatusBar : public CControlBar {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    // One pane per id; a non-zero id's string row gives its width and first text.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    // The pane is as wide as the text it shows (none while empty), not its
    // string row; it is emptied.
    void FitPaneToText(int nIndex);
    // A text in the system's code page, or in Unicode.
    void SetPaneText(int nIndex, const char* lpszNewText);
    void SetPaneText(int nIndex, const wchar_t* lpszNewText);
    // A pane's id and text width; 0 for an index that names no pane.
    UINT GetItemID(int nIndex) const { return IsPane(nIndex) ? m_ids[static_cast<size_t>(nIndex)] : 0; }
    int GetPaneWidth(int nIndex) const { return IsPane(nIndex) ? m_widths[static_cast<size_t>(nIndex)] : 0; }
    int GetCount() const { return static_cast<int>(m_ids.size()); }
    // The width that shows every pane but the message pane whole (and the grip);
    // a pane fitted to its text, which comes and goes, does not count.
    int GetPanesWidth() const;

    SIZE CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // The system's status font for nDpi, and the panes measured in it.
    void ScaleToDpi(int nDpi) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

protected:
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool IsPane(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }
    // Each pane as wide as its string row's text (or its own, see FitPaneToText).
    void MeasurePanes();
    int TextWidth(const CStringW& text);
    void UpdateParts();
    // The room pane nIndex takes, its borders included.
    int PartWidth(size_t nIndex) const;
    CFont m_font;
    std::vector<UINT> m_ids;
    std::vector<int> m_widths;
    std::vector<CStringW> m_texts;
    std::vector<bool> m_fits; // FitPaneToText
};
