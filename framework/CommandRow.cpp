#include "CommandRow.h"

#include "Wnd.h"

std::wstring AfxLoadText(unsigned int nID)
{
    // With no buffer, the call hands out the row where it lies in the resources.
    const wchar_t* p = nullptr;
    const int n = nID ? ::LoadStringW(AfxGetInstanceHandle(), nID, reinterpret_cast<LPWSTR>(&p), 0) : 0;
    return n > 0 && p ? std::wstring(p, static_cast<size_t>(n)) : std::wstring();
}

std::wstring AfxLoadPrompt(unsigned int nID)
{
    const std::wstring row = AfxLoadText(nID);
    return row.substr(0, row.find(L'\n'));
}

std::wstring AfxLoadTooltip(unsigned int nID)
{
    const std::wstring row = AfxLoadText(nID);
    const size_t lf = row.find(L'\n');
    return lf == std::wstring::npos ? std::wstring() : row.substr(lf + 1);
}
