#include "TextDropTarget.h"

#include "../app/MainFrame.h"
#include "ViewText.h"

DROPEFFECT CTextDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD, POINT)
{
    return pDataObject->IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

DROPEFFECT CTextDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, POINT point)
{
    return OnDragEnter(pWnd, pDataObject, dwKeyState, point);
}

BOOL CTextDropTarget::OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect, POINT)
{
    const BOOL bCopy = (dropEffect & DROPEFFECT_COPY) != 0;
    FORMATETC block{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (!pDataObject->IsDataAvailable(CF_TEXT) || !pDataObject->GetData(CF_TEXT, &medium, &block))
        return bCopy;
    // The text is read only from a memory block; a careless source may hand
    // another medium whatever was asked for.
    const bool bBlock = medium.tymed == TYMED_HGLOBAL;
    CMainFrame* pFrame = static_cast<CMainFrame*>(AfxGetMainWnd());
    if (bBlock && pFrame)
        exchange::SetViewText(pFrame->m_wndView, medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return bBlock;
}
