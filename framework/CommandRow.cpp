#include "Wnd.h" // first: <windows.h> names CString::LoadString LoadStringA

#include "CommandRow.h"

#include <cstring>

namespace {

CString RowPart(unsigned int nID, bool bTooltip)
{
    CString row;
    if (nID == 0 || !row.LoadString(nID))
        return CString();
    const char* lf = std::strchr(row, '\n');
    if (!lf)
        return bTooltip ? CString() : row;
    return bTooltip ? CString(lf + 1) : CString(row, static_cast<int>(lf - row.GetString()));
}

} // namespace

CString AfxLoadPrompt(unsigned int nID)
{
    return RowPart(nID, false);
}

CString AfxLoadTooltip(unsigned int nID)
{
    return RowPart(nID, true);
}
