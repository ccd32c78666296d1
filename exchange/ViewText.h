// Hands the text of a global memory block (from the clipboard or a drop) to
// the view.
#pragma once
#include "../view/CharView.h"

namespace exchange {

// Locks the block and gives the view its text, read only within the block's
// size; a null block, or one that cannot be locked, empties the view.
void SetViewText(CCharView& view, HGLOBAL hBlock);

} // namespace exchange
