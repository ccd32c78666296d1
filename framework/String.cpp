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
