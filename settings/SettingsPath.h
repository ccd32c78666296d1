// Where the settings file lives: beside the executable, named like it with
// ".ini" in place of its extension. Pure C++, so that the rule is tested on
// its own.
#pragma once
#include <cstddef>

namespace settings {

// Turns the executable's full path in path (a zero-terminated multibyte string
// in a buffer of cbPath bytes) into the settings file's path. Only the file
// name's own extension is replaced: a '.' in a folder name, or a second byte
// of a double-byte character that looks like '\', never counts. A name without
// an extension gets ".ini" appended. isLeadByte is the path's code page's
// lead-byte rule (the system's). Returns false, leaving path as it was, when
// the result would not fit the buffer.
bool MakeSettingsPath(char* path, size_t cbPath, bool (*isLeadByte)(unsigned char));

} // namespace settings
