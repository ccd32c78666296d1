#include "StatusText.h"

namespace {

// A text written into a caller's buffer, always terminated within it; what
// does not fit is cut. (The C library's formatter would bring its floating
// point code into the program: 10 KB for two formats.)
class CPaneText {
public:
    CPaneText(char* buffer, size_t size) : m_p(buffer), m_size(size)
    {
        if (m_size)
            m_p[0] = '\0';
    }
    CPaneText& operator<<(const char* s)
    {
        while (*s)
            Put(*s++);
        return *this;
    }
    // Two lower-case hex digits.
    CPaneText& Hex(unsigned char b)
    {
        Put("0123456789abcdef"[b >> 4]);
        Put("0123456789abcdef"[b & 0xF]);
        return *this;
    }
    // Decimal, right-aligned in three places at least.
    CPaneText& Number(unsigned n)
    {
        char digits[10];
        int k = 0;
        do
            digits[k++] = static_cast<char>('0' + n % 10);
        while ((n /= 10) != 0);
        for (int pad = 3 - k; pad > 0; --pad)
            Put(' ');
        while (k)
            Put(digits[--k]);
        return *this;
    }

private:
    void Put(char c)
    {
        if (m_n + 1 < m_size) {
            m_p[m_n++] = c;
            m_p[m_n] = '\0';
        }
    }
    char* m_p;
    size_t m_size;
    size_t m_n = 0;
};

} // namespace

void FormatCodeText(char* buffer, size_t size, const CTextCursor& text)
{
    CPaneText out(buffer, size);
    out << "SJIS :";
    if (text.IsEmpty())
        return;
    if (text.CurrentKept()) {
        out << " ----";
        return;
    }
    const unsigned char* p = text.Current();
    out << " 0x";
    out.Hex(p[0]);
    if (text.CurrentWidth() == 2)
        out.Hex(p[1]);
}

std::u16string FormatCodePoints(const std::u32string& codes, size_t cchMax)
{
    constexpr size_t kEllipsis = 2;
    std::u16string out;
    for (size_t i = 0; i < codes.size(); ++i) {
        std::u16string code = u"U+";
        int k = 8; // upper-case hex digits, at least four
        while (k > 4 && (codes[i] >> (4 * (k - 1))) == 0)
            --k;
        while (k--)
            code += static_cast<char16_t>("0123456789ABCDEF"[(codes[i] >> (4 * k)) & 0xF]);
        const size_t cch = out.size() + (i ? 1 : 0) + code.size();
        const bool last = i + 1 == codes.size();
        if (i && cch + (last ? 0 : 1 + kEllipsis) > cchMax) {
            out += u" \u2026";
            break;
        }
        out += (i ? u" " : u"") + code;
    }
    return out;
}

void FormatPositionText(char* buffer, size_t size, const CTextCursor& text)
{
    CPaneText out(buffer, size);
    out.Number(static_cast<unsigned>(text.GetIndex() + 1)) << " / ";
    out.Number(static_cast<unsigned>(text.GetCount()));
}
