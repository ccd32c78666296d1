#include "Wnd.h" // first: <windows.h> names this member LoadStringA

#include "String.h"

bool CString::LoadString(unsigned int nID)
{
    // A row holds at most 4096 characters; in code page 932 that is at most
    // twice as many bytes.
    char buffer[8200];
    const int n = ::LoadStringA(AfxGetInstanceHandle(), nID, buffer, static_cast<int>(sizeof buffer));
    if (n <= 0) {
        Empty();
        return false;
    }
    *this = CString(buffer, n);
    return true;
}

void AfxCopyText(char* dest, size_t cbDest, const char* src)
{
    if (cbDest == 0)
        return;
    size_t n = 0;
    while (src[n]) {
        const size_t width = ::IsDBCSLeadByte(static_cast<BYTE>(src[n])) && src[n + 1] ? 2 : 1;
        if (n + width > cbDest - 1)
            break;
        n += width;
    }
    std::memcpy(dest, src, n);
    dest[n] = '\0';
}
