#include "SaveRule.h"

namespace settings {

SaveWay ChooseSaveWay(Access writeAndDelete, Access write, bool inPlaceOnly)
{
    switch (writeAndDelete) {
    case Access::Granted:
    case Access::Missing: // a new file too is made beside and moved in: nobody sees it half-written
        return inPlaceOnly ? SaveWay::InPlace : SaveWay::ByCopy;
    case Access::Denied: // a folder where users may add files but not replace them
        return write == Access::Granted ? SaveWay::InPlace : SaveWay::Nothing;
    default:
        return SaveWay::Nothing;
    }
}

bool IsStaleCopy(const wchar_t* suffix, uint64_t written, uint64_t now)
{
    constexpr uint64_t kMinute = 60ull * 10000000;
    int digits = 0;
    for (; suffix[digits]; ++digits) {
        const wchar_t c = suffix[digits];
        if (digits == 8 || !((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f')))
            return false; // not one of ours
    }
    return now > written && now - written > kMinute;
}

} // namespace settings
