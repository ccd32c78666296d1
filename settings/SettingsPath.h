// Where the settings file lives: beside the executable, named like it with
// ".ini" in place of its extension. Pure C++, so that the rule is tested on
// its own.
#pragma once
#include <cstddef>

namespace settings {

// Turns the executable's full path in path (a zero-terminated wide string in a
// buffer of cchPath characters) into the settings file's path. Only the file
// name's own extension is replaced: a '.' in a folder name never counts. A
// name without an extension gets ".ini" appended. Returns false, leaving path
// as it was, when the result would not fit the buffer.
bool MakeSettingsPath(wchar_t* path, size_t cchPath);

} // namespace settings
