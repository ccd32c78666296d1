// CCharView: the child window that draws the current character of its text as
// one glyph filling the window, and carries out the character commands.
#pragma once
#include "../exchange/TextDropTarget.h"
#include "../framework/Framework.h"
#include "../picture/GlyphPicture.h"
#include "FaceChoice.h"
#include "GlyphFonts.h"
#include "SystemFaces.h"
#include "TextCursor.h"
#include "WheelNotches.h"

#include <string>

struct IAccPropServices;

class CCharView : public CWnd {
public:
    // Replaces the text (null empties it) and shows its first character;
    // reads at most cbText bytes of it.
    void SetText(const char* text, size_t cbText = static_cast<size_t>(-1));
    // The same for a text from a Unicode source, with the characters that code
    // page 932 lacks kept beside its '?' bytes.
    void SetText(const Cp932Text& text);
    void NextChar();
    void PrevChar();
    void FirstChar();
    void LastChar();

    // The text and the cursor, read-only: every change goes through the
    // calls above, which repaint.
    const CTextCursor& GetCursor() const { return m_cursor; }
    const CString& GetText() const { return m_cursor.GetText(); }
    int GetCount() const { return m_cursor.GetCount(); }
    int GetIndex() const { return m_cursor.GetIndex(); }

    // The character-code pane's text for the current character; returns 1.
    int GetCodeText(char* buffer, size_t cbBuffer) const;
    // The current character's Unicode code points (kept, or as code page 932
    // maps it), with those of the characters joined to it; none for an empty text.
    std::u32string GetCodePoints() const;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    // The font that draws the current character in a window whose outer
    // size is cx by cy, for the frame's face and options: in the face that
    // really draws it, where another face stands in for the chosen one.
    LOGFONTW GlyphFont(int cx, int cy) const { return GlyphFontFor(m_cursor, cx, cy); }
    // The current character as the view shows it now: its text, the font it
    // is drawn in and the client area's size (a picture of it is made from these).
    picture::ShownGlyph GetShownGlyph() const;
    // What the status bar and a screen reader say of the face that draws the
    // current character: empty where it is the chosen face; the face standing
    // in for it; or that no installed face has it.
    CStringW GetFaceNote() const;
    // The chosen face, the fallback option or the installed fonts changed:
    // the character is drawn and described again.
    void OnFacesChanged();
    // Fonts were installed or removed: every character's face is found again.
    void OnFontsInstalled();

    // Once the program is idle after a glyph was painted: draws the characters
    // on either side of it once, off screen, in the fonts they will be drawn
    // in, so that a step either way finds its glyph already rasterized.
    // Does nothing (and returns false) until the next paint.
    bool WarmNeighbourGlyphs();

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnPaint();
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnUpdateNextChar(CCmdUI* pCmdUI);
    void OnUpdatePrevChar(CCmdUI* pCmdUI);
    void OnInputText();
    // A notch towards the user steps forward; a tilt steps the way it leans.
    LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseHWheel(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // After a step of the cursor: shows the new character if it moved.
    void Move(bool moved);
    // Every change of the shown character ends here: the view repaints, the
    // frame's panes follow, and what a screen reader says of it.
    void OnShownCharChanged();
    // Gives a screen reader the shown character as the view's name (and its
    // position and code), and tells it of the change.
    void AnnounceShownChar();
    // The role and texts a screen reader finds on the system's own accessible
    // object for the view; null where the system keeps none.
    IAccPropServices* m_pAccProps = nullptr;

    LOGFONTW GlyphFontFor(const CTextCursor& cursor, int cx, int cy) const;
    // The face that draws the cursor's character: the chosen one, or (with
    // fallback on) one that has it where the chosen one lacks it; empty where
    // no installed face has it.
    std::u16string DrawingFace(const CTextCursor& cursor) const;
    CSystemFaces m_systemFaces;
    mutable CFaceChoice m_faceChoice{m_systemFaces}; // remembers each character's face
    bool m_bWarmPending = false; // a glyph was painted; its neighbours are not warmed yet
    CGlyphFonts m_fonts;         // what the glyphs are drawn in, shared by paint and warming

    CTextDropTarget m_dropTarget; // text dropped on the view
    CTextCursor m_cursor;
    CWheelNotches m_wheel, m_tilt;
};
