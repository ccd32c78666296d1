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
    // Upper-case hex digits, at least four.
    CPaneText& CodePoint(char32_t code)
    {
        int k = 8;
        while (k > 4 && (code >> (4 * (k - 1))) == 0)
            --k;
        while (k--)
            Put("0123456789ABCDEF"[(code >> (4 * k)) & 0xF]);
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

void FormatUnicodeText(char* buffer, size_t size, char32_t code)
{
    CPaneText out(buffer, size);
    if (code)
        (out << "U+").CodePoint(code);
}

void FormatPositionText(char* buffer, size_t size, const CTextCursor& text)
{
    CPaneText out(buffer, size);
    out.Number(static_cast<unsigned>(text.GetIndex() + 1)) << " / ";
    out.Number(static_cast<unsigned>(text.GetCount()));
}
