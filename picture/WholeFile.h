// A file written whole or not at all.
#pragma once
#include <string>

namespace picture {

// Writes bytes as the file at path: into a new file beside it first, on the
// disk before it takes the file's place (replacing a file there). On failure
// nothing is left beside it, and a file that was there is as it was.
bool WriteWholeFile(const wchar_t* path, const std::string& bytes);

} // namespace picture
