#include "OleDropTarget.h"

namespace {

FORMATETC AnyMedium(CLIPFORMAT cfFormat)
{
    return FORMATETC{cfFormat, nullptr, DVASPECT_CONTENT, -1, static_cast<DWORD>(-1)};
}

} // namespace

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, FORMATETC* pFormatEtc) const
{
    FORMATETC fe = pFormatEtc ? *pFormatEtc : AnyMedium(cfFormat);
    return m_pDataObject->QueryGetData(&fe) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, STGMEDIUM* pMedium, FORMATETC* pFormatEtc) const
{
    FORMATETC fe = pFormatEtc ? *pFormatEtc : AnyMedium(cfFormat);
    return SUCCEEDED(m_pDataObject->GetData(&fe, pMedium));
}

COleDropTarget::COleDropTarget() : m_xDropTarget(this) {}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (m_pWnd || FAILED(::RegisterDragDrop(pWnd->m_hWnd, &m_xDropTarget)))
        return FALSE;
    m_pWnd = pWnd;
    pWnd->m_pDropTarget = this; // the window revokes us when it is destroyed
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_pWnd)
        return;
    ::RevokeDragDrop(m_pWnd->m_hWnd);
    // A source may still hold a proxy of ours (our AddRef and Release do not
    // keep us alive): cut it off, so that its calls fail rather than reach us.
    ::CoDisconnectObject(&m_xDropTarget, 0);
    m_pWnd->m_pDropTarget = nullptr;
    m_pWnd = nullptr;
    HoldDragData(nullptr);
}

void COleDropTarget::HoldDragData(IDataObject* pDataObject)
{
    if (pDataObject)
        pDataObject->AddRef();
    if (m_pDragData)
        m_pDragData->Release();
    m_pDragData = pDataObject;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, POINT)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, POINT)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, POINT)
{
    return FALSE;
}

POINT COleDropTarget::ClientPoint(POINTL pt) const
{
    POINT point{pt.x, pt.y};
    ::ScreenToClient(m_pWnd->m_hWnd, &point);
    return point;
}

STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
        *ppv = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                                    DWORD* pdwEffect)
{
    COleDropTarget* o = m_pOwner;
    o->HoldDragData(pDataObj); // the moves that follow name no data
    COleDataObject data(pDataObj);
    *pdwEffect = o->OnDragEnter(o->m_pWnd, &data, grfKeyState, o->ClientPoint(pt));
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    COleDropTarget* o = m_pOwner;
    if (!o->m_pDragData) {
        *pdwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    COleDataObject data(o->m_pDragData);
    *pdwEffect = o->OnDragOver(o->m_pWnd, &data, grfKeyState, o->ClientPoint(pt));
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave()
{
    m_pOwner->HoldDragData(nullptr);
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                               DWORD* pdwEffect)
{
    COleDropTarget* o = m_pOwner;
    COleDataObject data(pDataObj);
    const POINT point = o->ClientPoint(pt);
    // The effect the target answers here, within what the source allows.
    const DROPEFFECT effect = o->OnDragOver(o->m_pWnd, &data, grfKeyState, point) & *pdwEffect;
    *pdwEffect = effect != DROPEFFECT_NONE && o->OnDrop(o->m_pWnd, &data, effect, point) ? effect
                                                                                         : DROPEFFECT_NONE;
    DragLeave();
    return S_OK;
}
