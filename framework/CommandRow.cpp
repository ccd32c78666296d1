#include "CommandRow.h"

#include "Wnd.h"

CStringW AfxLoadText(unsigned int nID)
{
    // With no buffer, the call hands out the row where it lies in the resources.
    const wchar_t* p = nullptr;
    const int n = nID ? ::LoadStringW(AfxGetInstanceHandle(), nID, reinterpret_cast<LPWSTR>(&p), 0) : 0;
    return n > 0 && p ? CStringW(p, static_cast<size_t>(n)) : CStringW();
}

CStringW AfxLoadPrompt(unsigned int nID)
{
    const CStringW row = AfxLoadText(nID);
    return row.substr(0, row.find(L'\n'));
}

CStringW AfxLoadTooltip(unsigned int nID)
{
    const CStringW row = AfxLoadText(nID);
    const size_t lf = row.find(L'\n');
    return lf == CStringW::npos ? CStringW() : row.substr(lf + 1);
}
