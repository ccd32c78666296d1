#include "BlockText.h"

#include <climits>

namespace exchange {

CString TextWithin(const char* pBlock, size_t cbBlock)
{
    const void* end = std::memchr(pBlock, 0, cbBlock);
    size_t n = end ? static_cast<size_t>(static_cast<const char*>(end) - pBlock) : cbBlock;
    if (n > INT_MAX)
        n = INT_MAX; // the view keeps far less; a string's length is an int
    return CString(pBlock, static_cast<int>(n));
}

} // namespace exchange
