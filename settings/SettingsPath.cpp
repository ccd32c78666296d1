#include "SettingsPath.h"

#include <cwchar>
#include <iterator>

namespace settings {

bool MakeSettingsPath(wchar_t* path, size_t cchPath)
{
    static const wchar_t kSuffix[] = L".ini";
    const size_t len = ::wcsnlen(path, cchPath);
    if (len == cchPath)
        return false; // not terminated within its buffer

    // The last '.' after the last separator starts the extension.
    size_t end = len;
    for (size_t i = 0; i < len; ++i) {
        const wchar_t c = path[i];
        if (c == L'\\' || c == L'/' || c == L':')
            end = len;
        else if (c == L'.')
            end = i;
    }
    if (end + std::size(kSuffix) > cchPath)
        return false;
    std::wmemcpy(path + end, kSuffix, std::size(kSuffix));
    return true;
}

} // namespace settings
