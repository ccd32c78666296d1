#include "ViewText.h"

#include "../framework/Clipboard.h"
#include "Cp932.h"

#include <cstring>
#include <vector>

namespace exchange {

namespace {

constexpr UINT kCp932 = 932;
// Characters enough for the longest text the view keeps.
constexpr size_t kKeptChars = CTextCursor::kMaxTextBytes + 1;

// Whether the system's own text (CF_TEXT) is in the stored text's code page.
bool SystemIsCp932()
{
    return ::GetACP() == kCp932;
}

// Code page 932's own table without its best fit (which turns é into e, the
// code of another character); '?' for what it has no code for.
void SystemEncode(const char16_t* p, size_t n, std::string& out)
{
    const size_t at = out.size();
    out.resize(at + 2 * n);
    const int cb = ::WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, reinterpret_cast<LPCWCH>(p),
                                         static_cast<int>(n), &out[at], static_cast<int>(2 * n), "?", nullptr);
    out.resize(at + static_cast<size_t>(cb > 0 ? cb : 0));
}

void SystemDecode(const char* p, size_t n, std::u16string& out)
{
    if (n == 0)
        return;
    const size_t at = out.size();
    out.resize(at + n);
    const int cch = ::MultiByteToWideChar(kCp932, 0, p, static_cast<int>(n), reinterpret_cast<LPWSTR>(&out[at]),
                                          static_cast<int>(n));
    out.resize(at + static_cast<size_t>(cch > 0 ? cch : 0));
}

// Text in the system's code page (not 932): through Unicode, and only as much
// of it as the view keeps.
Cp932Text Cp932FromSystemText(const char* p, size_t cb)
{
    const int n = static_cast<int>(cp932::SpanToConvert(p, cb, kKeptChars));
    std::vector<wchar_t> text(static_cast<size_t>(n) + 1);
    const int cch = ::MultiByteToWideChar(CP_ACP, 0, p, n, text.data(), n);
    return Cp932FromUnicode(text.data(), static_cast<size_t>(cch > 0 ? cch : 0));
}

} // namespace

TextFormats DropTextFormats()
{
    return SystemIsCp932() ? TextFormats{CF_TEXT, CF_UNICODETEXT} : TextFormats{CF_UNICODETEXT, CF_TEXT};
}

bool ClipboardHasText()
{
    return ::IsClipboardFormatAvailable(CF_UNICODETEXT) || ::IsClipboardFormatAvailable(CF_TEXT);
}

UINT ClipboardSourceTextFormat()
{
    for (UINT format = ::EnumClipboardFormats(0); format; format = ::EnumClipboardFormats(format)) {
        if (format == CF_TEXT || format == CF_UNICODETEXT)
            return format;
    }
    return 0;
}

TextFormats CopyTextFormats()
{
    return SystemIsCp932() ? TextFormats{CF_TEXT, CF_UNICODETEXT} : TextFormats{CF_UNICODETEXT, 0};
}

Cp932Text Cp932FromUnicode(const wchar_t* p, size_t n)
{
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");
    return cp932::FromUtf16(reinterpret_cast<const char16_t*>(p), n, kKeptChars, &SystemEncode);
}

void SetViewText(CCharView& view, HGLOBAL hBlock, UINT format)
{
    CGlobalLock lock(hBlock);
    const char* p = static_cast<const char*>(lock.Get());
    if (!p || (format == CF_TEXT && SystemIsCp932())) {
        view.SetText(p, lock.GetSize()); // the bytes as they are
        return;
    }
    view.SetText(format == CF_UNICODETEXT
                     ? Cp932FromUnicode(reinterpret_cast<const wchar_t*>(p), lock.GetSize() / sizeof(wchar_t))
                     : Cp932FromSystemText(p, lock.GetSize()));
}

CStringW UnicodeText(const CTextCursor& text, int nFrom, int nTo)
{
    const std::u16string units = cp932::ToUtf16(text.GetText().GetString(), static_cast<size_t>(nFrom),
                                                static_cast<size_t>(nTo), text.GetKept(), &SystemDecode);
    return CStringW(units.begin(), units.end());
}

CStringW CurrentText(const CTextCursor& text)
{
    return UnicodeText(text, text.GetPos(), text.CurrentEnd());
}

HGLOBAL NewTextBlock(const CTextCursor& text, UINT format)
{
    const CString& bytes = text.GetText();
    const bool unicode = format == CF_UNICODETEXT;
    const CStringW wide = unicode ? UnicodeText(text, 0, bytes.GetLength()) : CStringW();
    const void* data = unicode ? static_cast<const void*>(wide.c_str()) : bytes.GetString();
    const size_t cb = unicode ? (wide.size() + 1) * sizeof(wchar_t) : static_cast<size_t>(bytes.GetLength()) + 1;
    CGlobalBlock block(cb);
    CGlobalLock lock(block.Get());
    if (!lock.Get())
        return nullptr;
    std::memcpy(lock.Get(), data, cb);
    return block.Detach();
}

} // namespace exchange
