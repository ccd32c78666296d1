// Scoped GDI objects: a paint context, a window's contexts, a font, and a
// selection that is undone when it goes out of scope.
#pragma once
#include "Wnd.h"

class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd), m_hDC(::BeginPaint(m_hWnd, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_hDC; }
    BOOL DPtoLP(POINT* pts, int n) const { return ::DPtoLP(m_hDC, pts, n); }

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A window's client-area context (the screen's for a null window), released
// on scope exit; null when none could be had.
class CClientDC {
public:
    explicit CClientDC(const CWnd* pWnd) : CClientDC(pWnd->m_hWnd) {}
    explicit CClientDC(HWND hWnd) : CClientDC(hWnd, ::GetDC(hWnd)) {}
    ~CClientDC()
    {
        if (m_hDC)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_hDC; }

protected:
    CClientDC(HWND hWnd, HDC hDC) : m_hWnd(hWnd), m_hDC(hDC) {}

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// A window's whole context, its non-client area included.
class CWindowDC : public CClientDC {
public:
    explicit CWindowDC(HWND hWnd) : CClientDC(hWnd, ::GetWindowDC(hWnd)) {}
};

// A memory context like hDC's, deleted on scope exit; null when none could be had.
class CMemoryDC {
public:
    explicit CMemoryDC(HDC hDC) : m_hDC(::CreateCompatibleDC(hDC)) {}
    ~CMemoryDC()
    {
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    operator HDC() const { return m_hDC; }

private:
    HDC m_hDC;
};

// Selects an object into a context and selects the replaced one back on scope exit.
class CSelectObject {
public:
    CSelectObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) {}
    ~CSelectObject() { ::SelectObject(m_hDC, m_hOld); }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// A memory context like hDC's with a small bitmap of its own selected, for
// drawing that is never shown; all of it is deleted on scope exit.
class CScratchDC {
public:
    explicit CScratchDC(HDC hDC)
        : m_dc(hDC), m_bitmap{::CreateCompatibleBitmap(hDC, 16, 16)}, m_select(m_dc, m_bitmap.h)
    {
    }
    CScratchDC(const CScratchDC&) = delete;
    CScratchDC& operator=(const CScratchDC&) = delete;
    // Null unless the context and its bitmap are both there.
    operator HDC() const { return m_bitmap.h ? static_cast<HDC>(m_dc) : nullptr; }

private:
    struct Bitmap {
        HBITMAP h;
        ~Bitmap()
        {
            if (h)
                ::DeleteObject(h);
        }
    };
    // Gone in reverse order: the selection is undone, then the bitmap deleted, then the context.
    CMemoryDC m_dc;
    Bitmap m_bitmap;
    CSelectObject m_select;
};

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    BOOL CreateFontIndirect(const LOGFONTW* lf) { return CreateFontFor(nullptr, *lf); }
    // Makes the font anew for the window that draws with it (none: null). The
    // window is handed the new font before the old one is deleted, as it may
    // draw with its font until it has another; on failure both keep the old.
    BOOL CreateFontFor(HWND hWndUser, const LOGFONTW& lf)
    {
        HFONT hFont = ::CreateFontIndirectW(&lf);
        if (!hFont)
            return FALSE;
        if (hWndUser)
            ::SendMessageW(hWndUser, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        DeleteObject();
        m_hObject = hFont;
        return TRUE;
    }
    void DeleteObject()
    {
        if (m_hObject)
            ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }
    operator HFONT() const { return m_hObject; }

private:
    HFONT m_hObject = nullptr;
};

