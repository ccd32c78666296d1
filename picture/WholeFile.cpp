#include "WholeFile.h"

#include "../framework/File.h"

namespace picture {

bool WriteWholeFile(const wchar_t* path, const std::string& bytes)
{
    wchar_t temporary[MAX_PATH + 10];
    if (::wsprintfW(temporary, L"%s~%lx", path, ::GetCurrentProcessId()) >= MAX_PATH)
        return false;
    bool written = false;
    {
        const CFileHandle file(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (!file)
            return false;
        DWORD cb = 0;
        written = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &cb, nullptr) &&
                  cb == bytes.size() && ::FlushFileBuffers(file);
    }
    if (written && ::MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileW(temporary);
    return false;
}

} // namespace picture
