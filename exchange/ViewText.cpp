#include "ViewText.h"

#include "../framework/Clipboard.h"
#include "../view/Mbcs.h"
#include "Cp932.h"

#include <cstring>
#include <vector>

namespace exchange {

namespace {

constexpr UINT kCp932 = 932;
// Characters enough for the longest text the view keeps.
constexpr size_t kKeptChars = CTextCursor::kMaxTextBytes + 1;

void SystemEncode(const char16_t* p, size_t n, std::string& out)
{
    const size_t at = out.size();
    out.resize(at + 2 * n);
    const int cb = ::WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, reinterpret_cast<LPCWCH>(p),
                                         static_cast<int>(n), &out[at], static_cast<int>(2 * n), "?", nullptr);
    out.resize(at + static_cast<size_t>(cb > 0 ? cb : 0));
}

// Text in the system's code page (not 932): through Unicode, and only as much
// of it as the view keeps.
std::string Cp932FromSystemText(const char* p, size_t cb)
{
    const bool bUtf8 = ::GetACP() == CP_UTF8;
    size_t n = 0;
    size_t cch = 0;
    while (n < cb && p[n] && cch <= kKeptChars) {
        if (!mbcs::IsLineBreakOrTab(static_cast<BYTE>(p[n])))
            ++cch;
        if (bUtf8) { // a character and the continuation bytes that follow it
            do
                ++n;
            while (n < cb && (static_cast<BYTE>(p[n]) & 0xC0) == 0x80);
        } else {
            n += ::IsDBCSLeadByte(static_cast<BYTE>(p[n])) && n + 1 < cb && p[n + 1] ? 2 : 1;
        }
    }
    std::vector<wchar_t> text(n + 1);
    const int cchText = ::MultiByteToWideChar(CP_ACP, 0, p, static_cast<int>(n), text.data(), static_cast<int>(n));
    return Cp932FromUnicode(text.data(), static_cast<size_t>(cchText > 0 ? cchText : 0));
}

} // namespace

bool SystemIsCp932()
{
    return ::GetACP() == kCp932;
}

UINT ClipboardTextFormat()
{
    return SystemIsCp932() ? CF_TEXT : CF_UNICODETEXT;
}

std::string Cp932FromUnicode(const wchar_t* p, size_t n)
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
    const std::string text = format == CF_UNICODETEXT
                                 ? Cp932FromUnicode(reinterpret_cast<const wchar_t*>(p), lock.GetSize() / sizeof(wchar_t))
                                 : Cp932FromSystemText(p, lock.GetSize());
    view.SetText(text.c_str());
}

HGLOBAL NewTextBlock(const CString& text, UINT format)
{
    if (format == CF_TEXT) {
        const size_t cb = static_cast<size_t>(text.GetLength()) + 1;
        CGlobalBlock block(cb);
        CGlobalLock lock(block.Get());
        if (!lock.Get())
            return nullptr;
        std::memcpy(lock.Get(), text.GetString(), cb);
        return block.Detach();
    }
    const int cch = ::MultiByteToWideChar(kCp932, 0, text, -1, nullptr, 0);
    CGlobalBlock block(static_cast<size_t>(cch > 0 ? cch : 1) * sizeof(wchar_t));
    CGlobalLock lock(block.Get());
    if (!lock.Get())
        return nullptr;
    auto* out = static_cast<wchar_t*>(lock.Get());
    out[0] = L'\0';
    ::MultiByteToWideChar(kCp932, 0, text, -1, out, cch);
    return block.Detach();
}

} // namespace exchange
