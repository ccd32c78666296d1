// Scoped clipboard and memory-block access: the clipboard open for one scope,
// a global memory block locked for one scope, and a block owned until someone
// (the clipboard) takes it. Each lets go on every path, exceptions included.
#pragma once
#include "Wnd.h"

#include <cstddef>

class CClipboard {
public:
    explicit CClipboard(HWND hWndOwner) : m_bOpen(::OpenClipboard(hWndOwner) != FALSE) {}
    ~CClipboard() { Close(); }
    CClipboard(const CClipboard&) = delete;
    CClipboard& operator=(const CClipboard&) = delete;
    explicit operator bool() const { return m_bOpen; }
    // Closes it now: the viewer chain may be notified inside this call.
    void Close()
    {
        if (m_bOpen)
            ::CloseClipboard();
        m_bOpen = false;
    }

private:
    bool m_bOpen;
};

class CGlobalLock {
public:
    explicit CGlobalLock(HGLOBAL hBlock) : m_hBlock(hBlock), m_p(hBlock ? ::GlobalLock(hBlock) : nullptr) {}
    ~CGlobalLock()
    {
        if (m_p)
            ::GlobalUnlock(m_hBlock);
    }
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;
    // The block's bytes; null when it could not be locked.
    void* Get() const { return m_p; }
    size_t GetSize() const { return m_p ? ::GlobalSize(m_hBlock) : 0; }

private:
    HGLOBAL m_hBlock;
    void* m_p;
};

class CGlobalBlock {
public:
    // A movable, shareable block of cb bytes (null when none could be had).
    explicit CGlobalBlock(size_t cb) : m_hBlock(::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, cb)) {}
    // Takes over a block (null: none).
    explicit CGlobalBlock(HGLOBAL hBlock) : m_hBlock(hBlock) {}
    ~CGlobalBlock()
    {
        if (m_hBlock)
            ::GlobalFree(m_hBlock);
    }
    CGlobalBlock(const CGlobalBlock&) = delete;
    CGlobalBlock& operator=(const CGlobalBlock&) = delete;
    HGLOBAL Get() const { return m_hBlock; }
    // Hands the block over: it is no longer freed here.
    HGLOBAL Detach()
    {
        HGLOBAL h = m_hBlock;
        m_hBlock = nullptr;
        return h;
    }

private:
    HGLOBAL m_hBlock;
};
