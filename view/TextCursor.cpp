#include "TextCursor.h"

#include "Mbcs.h"

namespace {

bool IsLineBreakOrTab(char c)
{
    return c == '\t' || c == '\r' || c == '\n';
}

} // namespace

void CTextCursor::Assign(const char* text)
{
    if (!text) {
        m_strText.Empty();
    } else {
        size_t n = std::strlen(text);
        char* out = m_strText.GetBuffer(static_cast<int>(n < 260 ? n : 260));
        int i = 0;
        for (const char* p = text; *p && i < kMaxTextBytes; ++p) {
            if (IsLineBreakOrTab(*p))
                continue;
            if (mbcs::IsLeadByte(static_cast<unsigned char>(*p))) {
                // The trail byte is copied unexamined; a lead byte with no
                // trail byte before the terminator is not a character: drop it.
                if (!p[1])
                    break;
                out[i++] = *p++;
            }
            out[i++] = *p;
        }
        m_strText.ReleaseBuffer(i);
    }
    m_nPos = 0;
    m_nIndex = 0;
    m_nPrevHint = -1;
    m_nCount = mbcs::CountChars(m_strText.GetString(), static_cast<size_t>(m_strText.GetLength()));
}

int CTextCursor::CurrentWidth() const
{
    if (IsEmpty())
        return 0;
    return mbcs::IsLeadByte(*Current()) ? 2 : 1;
}

bool CTextCursor::HasNext() const
{
    return !IsEmpty() && m_nPos + CurrentWidth() < m_strText.GetLength();
}

bool CTextCursor::StepForward()
{
    if (!HasNext())
        return false;
    if (CurrentWidth() == 2) {
        m_nPrevHint = m_nPos;
        ++m_nPos;
    }
    ++m_nPos;
    ++m_nIndex;
    return true;
}

bool CTextCursor::StepBack()
{
    if (m_nPos == 0 || m_nPos >= m_strText.GetLength())
        return false;
    if (m_nPos >= 2 && m_nPrevHint >= 0) {
        const char* start = m_strText.GetString();
        const char* cur = start + m_nPos;
        const char* r = mbcs::PrevCharStart(start + m_nPrevHint, cur);
        if (!r)
            r = mbcs::PrevCharStart(start, cur);
        m_nPos = static_cast<int>(r - start);
        m_nPrevHint = m_nPos;
    } else {
        // No double-byte character lies before the cursor: one byte back.
        --m_nPos;
    }
    --m_nIndex;
    return true;
}
