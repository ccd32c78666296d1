// Message maps, command targets and update rules.
//
// Every class that handles messages or commands has one static table of
// entries, chained to its base class's table. An entry binds a window message,
// or a command id with a code (command or update rule), to a member function;
// the entry builders below check the member function's signature at compile
// time and generate the small thunk that unpacks the message's parameters.
#pragma once
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstddef>

class CCmdTarget;
class CCmdUI;

// Codes of command entries: a command, or its update rule.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

// Private messages of the framework layer.
constexpr UINT WM_SETMESSAGESTRING = 0x0361;      // a string id (or text) for the message pane
constexpr UINT WM_IDLEUPDATECMDUI = 0x0362;      // start an idle-time update of bars and panes
constexpr UINT WM_REFLECT_BASE = 0xBC00;         // + WM_COMMAND: a child's own notification reflected back

using AfxThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message; WM_COMMAND for command and update entries
    int nCode;     // notification code, CN_COMMAND or CN_UPDATE_COMMAND_UI
    UINT nID;      // command or control id (0 for plain messages and reflected notifications)
    AfxThunk pfn;  // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)(); // null at the root
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by a handler query: who would handle a command.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
};

#define DECLARE_MESSAGE_MAP()                                 \
public:                                                       \
    static const AFX_MSGMAP* GetThisMessageMap();             \
protected:                                                    \
    const AFX_MSGMAP* GetMessageMap() const override;         \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                              \
    {                                                                            \
        using ThisClass = theClass;                                              \
        using TheBaseClass = baseClass;                                          \
        static constexpr AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                        \
            {0, 0, 0, nullptr}};                                                 \
        static constexpr AFX_MSGMAP map{&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                             \
    }

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Offers a command (nCode CN_COMMAND), an update rule (CN_UPDATE_COMMAND_UI,
    // pExtra the CCmdUI) or a control notification to this object's table.
    // With pHandlerInfo, only tells whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    static const AFX_MSGMAP* GetThisMessageMap();

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The entry for (message, code, id) in this object's table or its bases'.
    const AFX_MSGMAP_ENTRY* FindEntry(UINT nMessage, int nCode, UINT nID) const;
};

// One command's update rule target: a menu item here; bars derive their own.
class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;          // position of the item in its menu or bar
    HMENU m_hMenu = nullptr;    // the menu, for a menu item

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetText(const char* lpszText);

    // Asks target's update rule; with bDisableIfNoHandler, a command that has
    // neither a rule nor a handler is disabled.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    BOOL m_bEnableChanged = FALSE;
};

// Asks a command's rule before the command is carried out.
class CTestCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override { m_bEnabled = bOn; m_bEnableChanged = TRUE; }
    void SetCheck(int) override {}
    void SetText(const char*) override {}
    BOOL m_bEnabled = TRUE;
};

// ---------------------------------------------------------------------------
// Entry builders. ClassOf<F> is the class that declares member function F.
namespace afx {

template <class F> struct MemberTraits;
template <class T, class R, class... A> struct MemberTraits<R (T::*)(A...)> { using Class = T; };
template <auto F> using ClassOf = typename MemberTraits<decltype(F)>::Class;
template <auto F> ClassOf<F>* Obj(CCmdTarget* p) { return static_cast<ClassOf<F>*>(p); }

// void F()
template <auto F> LRESULT CallVoid(CCmdTarget* p, WPARAM, LPARAM) { (Obj<F>(p)->*F)(); return 0; }
// void F(CCmdUI*)
template <auto F> LRESULT CallUpdate(CCmdTarget* p, WPARAM, LPARAM l)
{
    (Obj<F>(p)->*F)(reinterpret_cast<CCmdUI*>(l));
    return 0;
}
// LRESULT F(WPARAM, LPARAM)
template <auto F> LRESULT CallRaw(CCmdTarget* p, WPARAM w, LPARAM l) { return (Obj<F>(p)->*F)(w, l); }

template <UINT id, auto F> constexpr AFX_MSGMAP_ENTRY Command() { return {WM_COMMAND, CN_COMMAND, id, &CallVoid<F>}; }
template <UINT id, auto F> constexpr AFX_MSGMAP_ENTRY Update() { return {WM_COMMAND, CN_UPDATE_COMMAND_UI, id, &CallUpdate<F>}; }
template <UINT msg, auto F> constexpr AFX_MSGMAP_ENTRY Message() { return {msg, 0, 0, &CallRaw<F>}; }
template <int code, auto F> constexpr AFX_MSGMAP_ENTRY CommandReflect()
{
    return {WM_REFLECT_BASE + WM_COMMAND, code, 0, &CallVoid<F>};
}

} // namespace afx

#define ON_COMMAND(id, fn) afx::Command<id, &ThisClass::fn>(),
#define ON_UPDATE_COMMAND_UI(id, fn) afx::Update<id, &ThisClass::fn>(),
#define ON_MESSAGE(msg, fn) afx::Message<msg, &ThisClass::fn>(),
#define ON_CONTROL_REFLECT(code, fn) afx::CommandReflect<code, &ThisClass::fn>(),
