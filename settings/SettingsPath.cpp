#include "SettingsPath.h"

#include <cstring>

namespace settings {

bool MakeSettingsPath(char* path, size_t cbPath, bool (*isLeadByte)(unsigned char))
{
    static const char kSuffix[] = ".ini";
    const size_t len = ::strnlen(path, cbPath);
    if (len == cbPath)
        return false; // not terminated within its buffer

    // Walk whole characters: the last '.' after the last separator starts the extension.
    size_t end = len;
    for (size_t i = 0; i < len;) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (c == '\\' || c == '/' || c == ':')
            end = len;
        else if (c == '.')
            end = i;
        i += (isLeadByte(c) && i + 1 < len) ? 2 : 1;
    }
    if (end + sizeof kSuffix > cbPath)
        return false;
    std::memcpy(path + end, kSuffix, sizeof kSuffix);
    return true;
}

} // namespace settings
