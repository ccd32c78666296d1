// CString: the byte string of the framework layer (text in the system code page).
// Pure C++: no <windows.h> here, so code that holds text compiles natively too.
#pragma once
#include <cstring>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* p, int nLength) : m_str(p, static_cast<size_t>(nLength)) {}

    CString& operator=(const char* psz) { m_str = psz ? psz : ""; return *this; }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    operator const char*() const { return m_str.c_str(); }
    const char* GetString() const { return m_str.c_str(); }

    // A writable buffer of at least nMinLength bytes plus a terminator; the
    // current contents stay. ReleaseBuffer ends the string at nNewLength, or
    // at the first zero byte when it is -1.
    char* GetBuffer(int nMinLength)
    {
        if (nMinLength > GetLength())
            m_str.resize(static_cast<size_t>(nMinLength));
        return &m_str[0];
    }
    void ReleaseBuffer(int nNewLength = -1)
    {
        size_t n = nNewLength < 0 ? std::strlen(m_str.c_str()) : static_cast<size_t>(nNewLength);
        m_str.resize(n);
    }

    // Loads a row of the module's string table (Windows only).
    bool LoadString(unsigned int nID);

    friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }

private:
    std::string m_str;
};

// The program's wide (UTF-16) strings: texts a person reads, face names. A
// traits type of its own keeps the library's prebuilt std::wstring, which
// links in whole (some 20 KB), out of the program: only what is used of the
// template is compiled in.
struct CWideCharTraits : std::char_traits<wchar_t> {};
using CStringW = std::basic_string<wchar_t, CWideCharTraits>;

// Copies as much of src into dest (cbDest bytes, terminated) as fits without
// cutting a double-byte character of the system code page (Windows only).
void AfxCopyText(char* dest, size_t cbDest, const char* src);
