// COleDropTarget and COleDataObject: a window that takes OLE drops, and the
// dragged data as the target sees it. A derived target answers the drag and
// takes the drop in OnDragEnter, OnDragOver and OnDrop.
#pragma once
#include "Wnd.h"

#include <ole2.h>

using DROPEFFECT = DWORD;

// The data being dragged, for the length of one call into the target.
class COleDataObject {
public:
    explicit COleDataObject(IDataObject* pDataObject) : m_pDataObject(pDataObject) {}

    // Non-zero when the data can be had in this format: in any medium, or as
    // pFormatEtc asks.
    BOOL IsDataAvailable(CLIPFORMAT cfFormat, FORMATETC* pFormatEtc = nullptr) const;
    // Fills pMedium (the caller releases it with ReleaseStgMedium); non-zero on
    // success. Without pFormatEtc, any medium will do.
    BOOL GetData(CLIPFORMAT cfFormat, STGMEDIUM* pMedium, FORMATETC* pFormatEtc = nullptr) const;

private:
    IDataObject* m_pDataObject;
};

class COleDropTarget {
public:
    COleDropTarget();
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // Makes the window a drop target until it is destroyed (or Revoke).
    BOOL Register(CWnd* pWnd);
    void Revoke();

    // The point is in the window's client coordinates.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, POINT point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, POINT point);
    // dropEffect is the one the target last answered, within what the source allows.
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, POINT point);

private:
    // The COM face that OLE calls. It lives as long as its owner, which
    // revokes the registration before it goes.
    class XDropTarget : public IDropTarget {
    public:
        explicit XDropTarget(COleDropTarget* pOwner) : m_pOwner(pOwner) {}
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
        STDMETHODIMP_(ULONG) AddRef() override { return 2; }
        STDMETHODIMP_(ULONG) Release() override { return 1; }
        STDMETHODIMP DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHODIMP DragLeave() override;
        STDMETHODIMP Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;

    private:
        COleDropTarget* m_pOwner;
    };

    POINT ClientPoint(POINTL pt) const;
    // Holds the data of a new drag (null: none), letting go of the last one's.
    void HoldDragData(IDataObject* pDataObject);

    XDropTarget m_xDropTarget;
    CWnd* m_pWnd = nullptr;           // the registered window
    IDataObject* m_pDragData = nullptr; // the data of the drag in progress, held
};
