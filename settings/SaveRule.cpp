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

} // namespace settings
