#include "TextDropTarget.h"

#include "../app/MainFrame.h"
#include "ViewText.h"

namespace {

// Text is read only from a memory block: a source that offers it in another
// medium alone has nothing the view can take.
FORMATETC TextBlock()
{
    return FORMATETC{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

} // namespace

DROPEFFECT CTextDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD, POINT)
{
    FORMATETC block = TextBlock();
    return pDataObject->IsDataAvailable(CF_TEXT, &block) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

DROPEFFECT CTextDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, POINT point)
{
    return OnDragEnter(pWnd, pDataObject, dwKeyState, point);
}

BOOL CTextDropTarget::OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT, POINT)
{
    FORMATETC block = TextBlock();
    STGMEDIUM medium{};
    if (!pDataObject->GetData(CF_TEXT, &medium, &block))
        return FALSE; // nothing was taken
    // A careless source may hand another medium whatever was asked for.
    const bool bBlock = medium.tymed == TYMED_HGLOBAL;
    CMainFrame* pFrame = static_cast<CMainFrame*>(AfxGetMainWnd());
    if (bBlock && pFrame)
        exchange::SetViewText(pFrame->m_wndView, medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return bBlock && pFrame;
}
