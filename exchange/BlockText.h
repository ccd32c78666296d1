// The text in a memory block that another program filled (the clipboard's or
// a drop's). Pure C++: no <windows.h>, so it is tested natively too.
#pragma once
#include "../framework/String.h"

#include <cstddef>

namespace exchange {

// The text of a block of cbBlock bytes: up to its first zero byte, or all of
// the block when the program that filled it left out the terminator.
CString TextWithin(const char* pBlock, size_t cbBlock);

} // namespace exchange
