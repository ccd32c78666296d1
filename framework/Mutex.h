// A named mutex held for one scope: what processes sharing a resource take
// in turn. It lets go on every path, exceptions included.
#pragma once
#include <windows.h>

class CMutexLock {
public:
    // Waits up to dwTimeout ms for the mutex called lpszName (created when no
    // process holds it yet). A holder that ended without letting go leaves it
    // abandoned: that counts as got.
    CMutexLock(const wchar_t* lpszName, DWORD dwTimeout) : m_hMutex(::CreateMutexW(nullptr, FALSE, lpszName))
    {
        const DWORD wait = m_hMutex ? ::WaitForSingleObject(m_hMutex, dwTimeout) : WAIT_FAILED;
        m_bHeld = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~CMutexLock()
    {
        if (m_bHeld)
            ::ReleaseMutex(m_hMutex);
        if (m_hMutex)
            ::CloseHandle(m_hMutex);
    }
    CMutexLock(const CMutexLock&) = delete;
    CMutexLock& operator=(const CMutexLock&) = delete;
    explicit operator bool() const { return m_bHeld; }

private:
    HANDLE m_hMutex;
    bool m_bHeld;
};
