#include "StatusText.h"

#include <cstdio>

void FormatCodeText(char* buffer, size_t size, const CTextCursor& text)
{
    if (text.IsEmpty()) {
        std::snprintf(buffer, size, "SJIS :");
        return;
    }
    const unsigned char* p = text.Current();
    if (text.CurrentWidth() == 2)
        std::snprintf(buffer, size, "SJIS : 0x%02x%02x", static_cast<unsigned>(p[0]), static_cast<unsigned>(p[1]));
    else
        std::snprintf(buffer, size, "SJIS : 0x%02x", static_cast<unsigned>(p[0]));
}

void FormatPositionText(char* buffer, size_t size, const CTextCursor& text)
{
    std::snprintf(buffer, size, "%3d / %3d", text.GetIndex() + 1, text.GetCount());
}
