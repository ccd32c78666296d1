// A file opened for one scope, closed on every path.
#pragma once
#include <windows.h>

class CFileHandle {
public:
    // Opens an existing file, or as dwCreation says (CreateFileW); false when
    // it could not be, with the reason in GetLastError.
    CFileHandle(const wchar_t* lpszPath, DWORD dwAccess, DWORD dwShare, DWORD dwCreation = OPEN_EXISTING)
        : m_hFile(::CreateFileW(lpszPath, dwAccess, dwShare, nullptr, dwCreation, FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~CFileHandle()
    {
        if (m_hFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_hFile);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    explicit operator bool() const { return m_hFile != INVALID_HANDLE_VALUE; }
    operator HANDLE() const { return m_hFile; }

private:
    HANDLE m_hFile;
};
