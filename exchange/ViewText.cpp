#include "ViewText.h"

#include "../framework/Clipboard.h"

namespace exchange {

void SetViewText(CCharView& view, HGLOBAL hBlock)
{
    // Read only within the block, and only as far as the view keeps.
    CGlobalLock lock(hBlock);
    view.SetText(static_cast<const char*>(lock.Get()), lock.GetSize());
}

} // namespace exchange
