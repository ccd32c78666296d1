#include "ViewText.h"

#include "BlockText.h"

namespace exchange {

void SetViewText(CCharView& view, HGLOBAL hBlock)
{
    const char* p = hBlock ? static_cast<const char*>(::GlobalLock(hBlock)) : nullptr;
    if (!p) {
        view.SetText(nullptr);
        return;
    }
    view.SetText(TextWithin(p, ::GlobalSize(hBlock)));
    ::GlobalUnlock(hBlock);
}

} // namespace exchange
