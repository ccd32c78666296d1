#include "TextCursor.h"

#include "Mbcs.h"

void CTextCursor::Assign(const char* text, size_t cbText, const KeptChars& kept)
{
    m_strText.Empty();
    m_kept.clear();
    if (text) {
        auto nextKept = kept.begin();
        char* out = m_strText.GetBuffer(kMaxTextBytes + 1);
        int i = 0;
        for (size_t n = 0; n < cbText && text[n] && i < kMaxTextBytes; ++n) {
            const char c = text[n];
            if (mbcs::IsLineBreakOrTab(static_cast<unsigned char>(c)))
                continue;
            if (mbcs::IsLeadByte(static_cast<unsigned char>(c))) {
                // The trail byte is copied unexamined; a lead byte with no
                // trail byte before the end is not a character: drop it.
                if (n + 1 >= cbText || !text[n + 1])
                    break;
                out[i++] = c;
                ++n;
            } else if (c == '?') {
                while (nextKept != kept.end() && nextKept->offset < n)
                    ++nextKept;
                if (nextKept != kept.end() && nextKept->offset == n)
                    m_kept.push_back(KeptChar{static_cast<size_t>(i), nextKept->code});
            }
            out[i++] = text[n];
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

bool CTextCursor::StepToFirst()
{
    if (m_nPos == 0)
        return false;
    m_nPos = 0;
    m_nIndex = 0;
    m_nPrevHint = -1;
    return true;
}

bool CTextCursor::StepToLast()
{
    // Walked, so that the hint for the steps back is what stepping leaves.
    return StepBy(m_nCount);
}

bool CTextCursor::StepBy(int n)
{
    bool moved = false;
    for (; n > 0 && StepForward(); --n)
        moved = true;
    for (; n < 0 && StepBack(); ++n)
        moved = true;
    return moved;
}
