#include "GlyphPicture.h"

#include "../view/GlyphRun.h"
#include "Png.h"

#include <cstring>

namespace picture {

namespace {

// Metafile coordinates in sixteenths of a pixel: the outline's curves keep
// their shape when the picture is scaled up where it is pasted.
constexpr int kSubpixels = 16;

LONG Scaled(double v)
{
    return static_cast<LONG>(v * kSubpixels + (v < 0 ? -0.5 : 0.5));
}

size_t DibBitsSize(const BITMAPINFOHEADER& h)
{
    return static_cast<size_t>((h.biWidth * 3 + 3) & ~3) * static_cast<size_t>(h.biHeight);
}

} // namespace

void CGlyphPicture::Clear()
{
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_bits = nullptr;
    m_outline.clear();
}

bool CGlyphPicture::Make(const ShownGlyph& glyph)
{
    Clear();
    if (glyph.view.cx <= 0 || glyph.view.cy <= 0 || glyph.text.empty())
        return false;
    CClientDC screen(HWND{});
    CMemoryDC dc(screen);
    CFont font;
    if (!dc || !font.CreateFontIndirect(&glyph.font))
        return false;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), glyph.view.cx, glyph.view.cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    info.bmiHeader.biSizeImage = static_cast<DWORD>(DibBitsSize(info.bmiHeader));
    void* bits = nullptr;
    m_hBitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_hBitmap)
        return false;
    m_header = info.bmiHeader;
    m_bits = static_cast<const unsigned char*>(bits);
    CSelectObject selectBitmap(dc, m_hBitmap);
    CSelectObject selectFont(dc, font);
    // As the view paints it: its background, then the glyph with no box of its own.
    const RECT rc{0, 0, glyph.view.cx, glyph.view.cy};
    ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_WINDOW));
    m_colour = ::GetSysColor(COLOR_WINDOWTEXT);
    ::SetTextColor(dc, m_colour);
    ::SetBkMode(dc, TRANSPARENT);
    CGlyphRun run;
    TEXTMETRICW tm{};
    if (!run.Shape(dc, glyph.text.c_str(), static_cast<int>(glyph.text.size())) || !::GetTextMetricsW(dc, &tm) ||
        !run.AppendOutline(dc, m_outline))
        return false;
    run.Draw(dc);
    ::GdiFlush();
    m_cell = {run.Width(), tm.tmHeight};
    return true;
}

HGLOBAL CGlyphPicture::NewDibBlock() const
{
    if (!m_bits)
        return nullptr;
    const size_t cbBits = DibBitsSize(m_header);
    CGlobalBlock block(sizeof m_header + cbBits);
    CGlobalLock lock(block.Get());
    if (!lock.Get())
        return nullptr;
    auto* p = static_cast<unsigned char*>(lock.Get());
    std::memcpy(p, &m_header, sizeof m_header);
    std::memcpy(p + sizeof m_header, m_bits, cbBits);
    return block.Detach();
}

HENHMETAFILE CGlyphPicture::NewMetafile() const
{
    if (!m_bits)
        return nullptr;
    // The frame, in hundredths of a millimetre: the cell's pixels at the screen's size.
    CClientDC screen(HWND{});
    const RECT frame{0, 0, ::MulDiv(m_cell.cx, 100 * ::GetDeviceCaps(screen, HORZSIZE), ::GetDeviceCaps(screen, HORZRES)),
                     ::MulDiv(m_cell.cy, 100 * ::GetDeviceCaps(screen, VERTSIZE), ::GetDeviceCaps(screen, VERTRES))};
    HDC hDC = ::CreateEnhMetaFileW(screen, nullptr, &frame, nullptr);
    if (!hDC)
        return nullptr;
    ::SetMapMode(hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(hDC, m_cell.cx * kSubpixels, m_cell.cy * kSubpixels, nullptr);
    ::SetViewportExtEx(hDC, m_cell.cx, m_cell.cy, nullptr);
    ::SetPolyFillMode(hDC, WINDING); // as glyphs are filled
    {
        const struct Brush {
            HBRUSH h;
            ~Brush() { ::DeleteObject(h); }
        } brush{::CreateSolidBrush(m_colour)};
        CSelectObject selectBrush(hDC, brush.h);
        // Each contour a move and one run of Bézier curves.
        ::BeginPath(hDC);
        std::vector<POINT> curve;
        for (const PathStep& step : AsCubics(m_outline)) {
            if (step.kind == PathStep::Cubic) {
                for (const PointF& pt : step.pt)
                    curve.push_back({Scaled(pt.x), Scaled(pt.y)});
                continue;
            }
            if (!curve.empty())
                ::PolyBezierTo(hDC, curve.data(), static_cast<DWORD>(curve.size()));
            curve.clear();
            if (step.kind == PathStep::Move)
                ::MoveToEx(hDC, Scaled(step.pt[0].x), Scaled(step.pt[0].y), nullptr);
            else
                ::CloseFigure(hDC);
        }
        ::EndPath(hDC);
        ::FillPath(hDC);
    }
    return ::CloseEnhMetaFile(hDC);
}

bool CGlyphPicture::Encode(Format format, std::string& bytes) const
{
    if (!m_bits)
        return false;
    switch (format) {
    case Format::Png:
        return EncodePng(m_bits, m_header.biWidth, m_header.biHeight, (m_header.biWidth * 3 + 3) & ~3, bytes);
    case Format::Svg: {
        const unsigned long rgb = GetRValue(m_colour) << 16 | GetGValue(m_colour) << 8 | GetBValue(m_colour);
        bytes = SvgDocument(m_outline, m_cell.cx, m_cell.cy, rgb);
        return true;
    }
    case Format::Emf: {
        const CMetafile metafile(NewMetafile());
        const UINT cb = metafile.Get() ? ::GetEnhMetaFileBits(metafile.Get(), 0, nullptr) : 0;
        bytes.resize(cb);
        return cb && ::GetEnhMetaFileBits(metafile.Get(), cb, reinterpret_cast<BYTE*>(&bytes[0])) == cb;
    }
    }
    return false;
}

} // namespace picture
