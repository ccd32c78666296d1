// CTextDropTarget: the character view takes plain text dropped on it from
// other programs; anything without text is refused while it is dragged.
#pragma once
#include "../framework/OleDropTarget.h"

class CTextDropTarget : public COleDropTarget {
public:
    // The copy effect exactly while the data offers text (CF_TEXT or
    // CF_UNICODETEXT) in a memory block, wherever the pointer is and
    // whatever keys are held.
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, POINT point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, POINT point) override;
    // Hands the dropped text to the main frame's view; FALSE when nothing
    // was taken.
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, POINT point) override;
};
