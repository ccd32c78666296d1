// A COM object's interface pointer held for a scope: released on every path.
#pragma once
#include <unknwn.h>

template <class T>
class CComPtr {
public:
    CComPtr() = default;
    ~CComPtr()
    {
        if (m_p)
            m_p->Release();
    }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;
    T* operator->() const { return m_p; }
    operator T*() const { return m_p; }
    // Where a call that makes the object puts its pointer (held empty till then).
    T** Receive() { return &m_p; }
    void** ReceiveVoid() { return reinterpret_cast<void**>(&m_p); }

private:
    T* m_p = nullptr;
};
