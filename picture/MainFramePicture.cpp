// The main frame's picture commands: Copy as Picture and Save as Picture.
#include "../app/MainFrame.h"

#include "../res/resource.h"
#include "GlyphPicture.h"
#include "WholeFile.h"

#include <commdlg.h>

namespace {

// The system's Save dialog. Its library is loaded only here: linked in, it
// (and the shell it brings) would cost every start-up its loading.
BOOL SaveDialog(OPENFILENAMEW& ofn)
{
    static const auto pfnGetSaveFileName = [] {
        HMODULE hLibrary = ::LoadLibraryA("comdlg32.dll");
        return reinterpret_cast<decltype(&::GetSaveFileNameW)>(
            hLibrary ? reinterpret_cast<void*>(::GetProcAddress(hLibrary, "GetSaveFileNameW")) : nullptr);
    }();
    return pfnGetSaveFileName && pfnGetSaveFileName(&ofn);
}

// A string row, '|' separating the parts that the dialog wants separated by '\0'.
CStringW LoadRow(UINT nID)
{
    const wchar_t* p = nullptr;
    const int n = ::LoadStringW(AfxGetInstanceHandle(), nID, reinterpret_cast<wchar_t*>(&p), 0);
    CStringW row(p ? p : L"", static_cast<size_t>(n > 0 ? n : 0));
    for (wchar_t& c : row) {
        if (c == L'|')
            c = L'\0';
    }
    return row;
}

} // namespace

void CMainFrame::OnEditCopyPicture()
{
    // The outline for programs that scale it, and the drawing as on screen.
    picture::CGlyphPicture picture;
    if (!picture.Make(m_wndView.GetShownGlyph()))
        return;
    picture::CMetafile metafile(picture.NewMetafile());
    CGlobalBlock dib(picture.NewDibBlock());
    if (!metafile.Get() || !dib.Get())
        return; // nothing to hand over: the clipboard stays as it was
    CClipboard clipboard(m_hWnd);
    if (!clipboard || !::EmptyClipboard())
        return;
    if (::SetClipboardData(CF_ENHMETAFILE, metafile.Get()))
        metafile.Detach();
    if (::SetClipboardData(CF_DIB, dib.Get()))
        dib.Detach();
}

void CMainFrame::OnFileSavePicture()
{
    // The character as it is now: the text may change while the dialog is open.
    const picture::ShownGlyph glyph = m_wndView.GetShownGlyph();
    const CStringW text = glyph.text;
    const std::string code = picture::CodeName(
        picture::CodePoints(reinterpret_cast<const char16_t*>(text.c_str()), text.size()));
    wchar_t path[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, (code + ".png").c_str(), -1, path, MAX_PATH); // ASCII
    const CStringW types = LoadRow(IDS_PICTURE_TYPES);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = types.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = L"png";
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!SaveDialog(ofn))
        return;
    // The type the name's extension gives, else the one chosen in the dialog.
    static const picture::Format kByType[] = {picture::Format::Png, picture::Format::Svg, picture::Format::Emf};
    picture::Format format = kByType[ofn.nFilterIndex >= 1 && ofn.nFilterIndex <= 3 ? ofn.nFilterIndex - 1 : 0];
    picture::FormatOfFileName(path, format);
    picture::CGlyphPicture picture;
    std::string bytes;
    if (picture.Make(glyph) && picture.Encode(format, bytes) && picture::WriteWholeFile(path, bytes))
        return;
    const CStringW message = LoadRow(IDS_PICTURE_NOT_SAVED);
    const CStringW title = LoadRow(AFX_IDS_APP_TITLE);
    ::MessageBoxW(m_hWnd, message.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
}
