#include "PictureCards.h"

#include "../exchange/ViewText.h"
#include "../fontbox/ListedFaces.h"
#include "../settings/OptionFlags.h"
#include "../settings/Settings.h"
#include "../view/GlyphFonts.h"
#include "../view/SystemFaces.h"
#include "GlyphPicture.h"
#include "WholeFile.h"

#include <algorithm>

namespace picture {

namespace {

// The face, bold and italic the window would start with.
GlyphStyle StoredStyle(const CWinApp& app)
{
    const int flags = settings::ReadOptionBits(app);
    CClientDC screen(HWND{});
    return {(flags & FLAG_BOLD) != 0, (flags & FLAG_ITALIC) != 0,
            fontbox::StoredFace(screen, settings::ReadFontSelection(app)), CStringW()};
}

// The bytes of the text that a view keeps (every one but tabs and line breaks).
size_t KeptBytes(const std::string& bytes)
{
    return bytes.size() - static_cast<size_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) {
               return c == '\t' || c == '\r' || c == '\n';
           }));
}

} // namespace

int WritePictureCards(const cmdline::PicturesRequest& request, const CWinApp& app)
{
    if (request.error)
        return request.error;
    CStringW folder(request.folder.first, request.folder.last);
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return cmdline::kNoFolder;
    if (folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';

    // The characters as the window steps through them.
    const Cp932Text text =
        exchange::Cp932FromUnicode(request.text.first, static_cast<size_t>(request.text.last - request.text.first));
    CTextCursor cursor;
    cursor.Assign(text.bytes.c_str(), text.bytes.size(), text.kept, text.joins);
    if (cursor.IsEmpty())
        return cmdline::kNoText;
    if (static_cast<size_t>(cursor.GetText().GetLength()) < KeptBytes(text.bytes))
        return cmdline::kTextTooLong;

    const GlyphStyle style = StoredStyle(app);
    const int size = request.size;
    CGlyphPicture picture;
    std::string bytes;
    // Each character in the face the window would draw it in.
    CSystemFaces faces;
    CFaceChoice choice(faces);
    const bool bFallback = settings::ReadFallback(app) && !style.face.empty();
    do {
        const CStringW shown = exchange::CurrentText(cursor);
        GlyphStyle drawn = style;
        if (bFallback)
            drawn.standIn = WideOf(choice.FaceFor(Utf16Of(style.face.c_str()), Utf16Of(shown.c_str())));
        const ShownGlyph glyph{shown, GlyphLogFont(cursor.CurrentIsWide(), size, size, drawn), {size, size}};
        if (!picture.Make(glyph) || !picture.Encode(request.format, bytes))
            return cmdline::kNotDrawn;
        const std::string name = CardName(
            cursor.GetIndex() + 1, CodePoints(reinterpret_cast<const char16_t*>(shown.c_str()), shown.size()),
            request.format);
        if (!WriteWholeFile((folder + CStringW(name.begin(), name.end())).c_str(), bytes))
            return cmdline::kFolderNotWritable;
    } while (cursor.StepForward());
    return cmdline::kPicturesWritten;
}

} // namespace picture
