// CWnd: a C++ object bound to one window. Creation binds the object before the
// window's first message; every message then goes through the object's
// message map, and what no entry handles gets the window's default processing.
#pragma once
#include "CmdTarget.h"
#include "String.h"

class COleDropTarget;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    COleDropTarget* m_pDropTarget = nullptr; // revoked when the window is destroyed

    // The object bound to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    // On failure before the window exists (PreCreateWindow, class, hook or
    // CreateWindowExA), the object is released as after its window's end:
    // an object that deletes itself (a frame) is gone either way.
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                  LPVOID lpParam = nullptr);
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID);
    BOOL DestroyWindow();

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Thin wrappers over the window's own calls.
    LRESULT SendMessage(UINT m, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageA(m_hWnd, m, w, l); }
    BOOL PostMessage(UINT m, WPARAM w = 0, LPARAM l = 0) const { return ::PostMessageA(m_hWnd, m, w, l); }
    void Invalidate(BOOL bErase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void UpdateWindow() const { ::UpdateWindow(m_hWnd); }
    BOOL ShowWindow(int nCmdShow) const { return ::ShowWindow(m_hWnd, nCmdShow); }
    HWND SetFocus() const { return ::SetFocus(m_hWnd); }
    void GetWindowRect(RECT* r) const { ::GetWindowRect(m_hWnd, r); }
    void GetClientRect(RECT* r) const { ::GetClientRect(m_hWnd, r); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) const
    {
        return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
    }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    void CenterWindow(HWND hWndAlternateOwner = nullptr) const;

    // Default processing of the message being handled.
    LRESULT Default();

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification of this window to its parent, offered back to this window.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Called after the window is gone (the object is detached); frames delete themselves.
    virtual void PostNcDestroy() {}
    // Destroys a window that is still there when its object goes, without
    // routing its last messages to the object.
    void DestroyDetached();

    // Handlers whose default is the window's default processing.
    int OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
    void OnDestroy() { Default(); }
    void OnPaint() { Default(); }
    void OnSetFocus(HWND) { Default(); }
    void OnSize(UINT, int, int) { Default(); }
    void OnLButtonDblClk(UINT, POINT) { Default(); }
    void OnChangeCbChain(HWND, HWND) { Default(); }
    void OnDrawClipboard() { Default(); }

    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtHook(int, WPARAM, LPARAM);
    void Attach(HWND hWnd);
    void DetachAfterDestroy();
    void ReleaseUncreated();
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr; // the window's own procedure, for default processing
};

// Registers (once) a window class with these attributes and returns its name.
LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                           HICON hIcon = nullptr);
HINSTANCE AfxGetInstanceHandle();
CWnd* AfxGetMainWnd();

// ---------------------------------------------------------------------------
// Entry builders for the window messages the program handles.
namespace afx {

template <auto F> LRESULT CallCreate(CCmdTarget* p, WPARAM, LPARAM l)
{
    return (Obj<F>(p)->*F)(reinterpret_cast<LPCREATESTRUCTA>(l));
}
template <auto F> LRESULT CallHwnd(CCmdTarget* p, WPARAM w, LPARAM)
{
    (Obj<F>(p)->*F)(reinterpret_cast<HWND>(w));
    return 0;
}
template <auto F> LRESULT CallSize(CCmdTarget* p, WPARAM w, LPARAM l)
{
    (Obj<F>(p)->*F)(static_cast<UINT>(w), static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)));
    return 0;
}
template <auto F> LRESULT CallMouse(CCmdTarget* p, WPARAM w, LPARAM l)
{
    POINT pt{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
    (Obj<F>(p)->*F)(static_cast<UINT>(w), pt);
    return 0;
}
template <auto F> LRESULT CallTwoHwnds(CCmdTarget* p, WPARAM w, LPARAM l)
{
    (Obj<F>(p)->*F)(reinterpret_cast<HWND>(w), reinterpret_cast<HWND>(l));
    return 0;
}
template <auto F> LRESULT CallInitMenuPopup(CCmdTarget* p, WPARAM w, LPARAM l)
{
    (Obj<F>(p)->*F)(reinterpret_cast<HMENU>(w), LOWORD(l), HIWORD(l) != 0);
    return 0;
}
template <auto F> LRESULT CallMenuSelect(CCmdTarget* p, WPARAM w, LPARAM l)
{
    (Obj<F>(p)->*F)(LOWORD(w), HIWORD(w), reinterpret_cast<HMENU>(l));
    return 0;
}

template <UINT msg, AfxThunk thunk> constexpr AFX_MSGMAP_ENTRY Entry() { return {msg, 0, 0, thunk}; }

} // namespace afx

#define ON_WM_CREATE() afx::Entry<WM_CREATE, &afx::CallCreate<&ThisClass::OnCreate>>(),
#define ON_WM_DESTROY() afx::Entry<WM_DESTROY, &afx::CallVoid<&ThisClass::OnDestroy>>(),
#define ON_WM_PAINT() afx::Entry<WM_PAINT, &afx::CallVoid<&ThisClass::OnPaint>>(),
#define ON_WM_SETFOCUS() afx::Entry<WM_SETFOCUS, &afx::CallHwnd<&ThisClass::OnSetFocus>>(),
#define ON_WM_SIZE() afx::Entry<WM_SIZE, &afx::CallSize<&ThisClass::OnSize>>(),
#define ON_WM_LBUTTONDBLCLK() afx::Entry<WM_LBUTTONDBLCLK, &afx::CallMouse<&ThisClass::OnLButtonDblClk>>(),
#define ON_WM_CHANGECBCHAIN() afx::Entry<WM_CHANGECBCHAIN, &afx::CallTwoHwnds<&ThisClass::OnChangeCbChain>>(),
#define ON_WM_DRAWCLIPBOARD() afx::Entry<WM_DRAWCLIPBOARD, &afx::CallVoid<&ThisClass::OnDrawClipboard>>(),
#define ON_WM_INITMENUPOPUP() afx::Entry<WM_INITMENUPOPUP, &afx::CallInitMenuPopup<&ThisClass::OnInitMenuPopup>>(),
#define ON_WM_MENUSELECT() afx::Entry<WM_MENUSELECT, &afx::CallMenuSelect<&ThisClass::OnMenuSelect>>(),
