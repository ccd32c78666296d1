// The picture of the character a view shows: drawn as the view draws it, and
// as its glyphs' outlines, for the clipboard and for files.
#pragma once
#include "../framework/Framework.h"
#include "GlyphOutline.h"
#include "PictureName.h"

#include <string>

namespace picture {

// What a view shows of its character: the character's text (a cluster: all
// of it), the font the view draws it in, and the size of the view's client
// area, which the drawing fills from its top-left corner.
struct ShownGlyph {
    CStringW text;
    LOGFONTW font;
    SIZE view;
};

// An enhanced metafile held until it is handed over (to the clipboard).
class CMetafile {
public:
    explicit CMetafile(HENHMETAFILE hMetafile) : m_h(hMetafile) {}
    ~CMetafile()
    {
        if (m_h)
            ::DeleteEnhMetaFile(m_h);
    }
    CMetafile(const CMetafile&) = delete;
    CMetafile& operator=(const CMetafile&) = delete;
    HENHMETAFILE Get() const { return m_h; }
    HENHMETAFILE Detach()
    {
        HENHMETAFILE h = m_h;
        m_h = nullptr;
        return h;
    }

private:
    HENHMETAFILE m_h;
};

class CGlyphPicture {
public:
    CGlyphPicture() = default;
    CGlyphPicture(const CGlyphPicture&) = delete;
    CGlyphPicture& operator=(const CGlyphPicture&) = delete;
    ~CGlyphPicture() { Clear(); }

    // Draws the glyph in the user's window text colour on the window colour,
    // at the view's size, and takes its outline, framed by its cell (the
    // run's advance by the font's height); false where either cannot be had.
    bool Make(const ShownGlyph& glyph);
    // A new CF_DIB block of the drawing (the caller's); null where none can be had.
    HGLOBAL NewDibBlock() const;
    // A new enhanced metafile of the outline filled in the text colour, with
    // no text record (it needs no font where it is played), framed by the
    // cell (the caller's); null where none can be had.
    HENHMETAFILE NewMetafile() const;
    // The picture as a file: PNG the drawing, SVG and EMF the outline.
    bool Encode(Format format, std::string& bytes) const;

private:
    void Clear();

    HBITMAP m_hBitmap = nullptr; // the drawing: a 24-bit bottom-up DIB section
    BITMAPINFOHEADER m_header{};
    const unsigned char* m_bits = nullptr;
    Path m_outline;
    SIZE m_cell{};
    COLORREF m_colour = 0; // the text's
};

} // namespace picture
