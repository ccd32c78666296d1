#include "TextDropTarget.h"

#include "../app/MainFrame.h"
#include "ViewText.h"

namespace {

// Text is read only from a memory block: a source that offers it in another
// medium alone has nothing the view can take.
FORMATETC TextBlock(CLIPFORMAT format)
{
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The text format to take from the dragged data, 0 for none: its bytes as
// they are where the system's code page is the text's own, else Unicode
// (which drag sources on Linux offer alone: OLE makes up no other format).
CLIPFORMAT TextFormatOf(const COleDataObject& data)
{
    const exchange::TextFormats formats = exchange::DropTextFormats();
    for (const UINT format : {formats.first, formats.second}) {
        FORMATETC block = TextBlock(static_cast<CLIPFORMAT>(format));
        if (data.IsDataAvailable(static_cast<CLIPFORMAT>(format), &block))
            return static_cast<CLIPFORMAT>(format);
    }
    return 0;
}

} // namespace

DROPEFFECT CTextDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD, POINT)
{
    return TextFormatOf(*pDataObject) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

DROPEFFECT CTextDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, POINT point)
{
    return OnDragEnter(pWnd, pDataObject, dwKeyState, point);
}

BOOL CTextDropTarget::OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT, POINT)
{
    const CLIPFORMAT format = TextFormatOf(*pDataObject);
    FORMATETC block = TextBlock(format);
    STGMEDIUM medium{};
    if (!format || !pDataObject->GetData(format, &medium, &block))
        return FALSE; // nothing was taken
    // A careless source may hand another medium whatever was asked for.
    const bool bBlock = medium.tymed == TYMED_HGLOBAL;
    CMainFrame* pFrame = static_cast<CMainFrame*>(AfxGetMainWnd());
    if (bBlock && pFrame)
        exchange::SetViewText(pFrame->m_wndView, medium.hGlobal, format);
    ::ReleaseStgMedium(&medium);
    return bBlock && pFrame;
}
