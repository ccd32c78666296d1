#include "TextCursor.h"

#include "Mbcs.h"

void CTextCursor::Assign(const char* text, size_t cbText, const KeptChars& kept, const Joins& joins)
{
    m_strText.Empty();
    m_kept.clear();
    m_joins.reset();
    int nJoins = 0;
    if (text) {
        auto nextKept = kept.begin();
        auto nextJoin = joins.begin();
        char* out = m_strText.GetBuffer(kMaxTextBytes + 1);
        int i = 0;
        int clusterStart = 0; // of the last character taken and those joined to it
        size_t n = 0;
        for (; n < cbText && text[n] && i < kMaxTextBytes; ++n) {
            const char c = text[n];
            if (mbcs::IsLineBreakOrTab(static_cast<unsigned char>(c)))
                continue;
            while (nextJoin != joins.end() && *nextJoin < n)
                ++nextJoin;
            if (nextJoin != joins.end() && *nextJoin == n && i > 0) {
                m_joins.set(static_cast<size_t>(i));
                ++nJoins;
            } else {
                clusterStart = i;
            }
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
        // Cut inside a character and those joined to it: none of them is taken.
        while (nextJoin != joins.end() && *nextJoin < n)
            ++nextJoin;
        if (i >= kMaxTextBytes && clusterStart > 0 && nextJoin != joins.end() && *nextJoin == n) {
            for (int k = clusterStart + 1; k < i; ++k)
                nJoins -= m_joins[static_cast<size_t>(k)] ? 1 : 0;
            for (int k = clusterStart; k < i; ++k)
                m_joins.reset(static_cast<size_t>(k));
            while (!m_kept.empty() && m_kept.back().offset >= static_cast<size_t>(clusterStart))
                m_kept.pop_back();
            i = clusterStart;
        }
        m_strText.ReleaseBuffer(i);
    }
    m_nPos = 0;
    m_nIndex = 0;
    m_nPrevHint = -1;
    m_nCount = mbcs::CountChars(m_strText.GetString(), static_cast<size_t>(m_strText.GetLength())) - nJoins;
}

int CTextCursor::CurrentWidth() const
{
    if (IsEmpty())
        return 0;
    return mbcs::IsLeadByte(*Current()) ? 2 : 1;
}

int CTextCursor::CurrentEnd() const
{
    const char* start = m_strText.GetString();
    const int length = m_strText.GetLength();
    int end = m_nPos + CurrentWidth();
    while (end < length && IsJoin(end))
        end += mbcs::IsLeadByte(static_cast<unsigned char>(start[end])) ? 2 : 1;
    return end;
}

bool CTextCursor::HasNext() const
{
    return !IsEmpty() && CurrentEnd() < m_strText.GetLength();
}

void CTextCursor::CharForward()
{
    if (CurrentWidth() == 2) {
        m_nPrevHint = m_nPos;
        ++m_nPos;
    }
    ++m_nPos;
}

void CTextCursor::CharBack()
{
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
}

bool CTextCursor::StepForward()
{
    if (!HasNext())
        return false;
    do
        CharForward();
    while (IsJoin(m_nPos));
    ++m_nIndex;
    return true;
}

bool CTextCursor::StepBack()
{
    if (m_nPos == 0 || m_nPos >= m_strText.GetLength())
        return false;
    do
        CharBack();
    while (IsJoin(m_nPos));
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
