// The character view's text and its character cursor. Pure C++ (no <windows.h>):
// the view holds one and repaints after every change.
#pragma once
#include "../framework/String.h"
#include "KeptChars.h"

#include <bitset>
#include <cstddef>

class CTextCursor {
public:
    // At most this many bytes are taken from a new text; a double-byte
    // character that begins at the last of them is kept whole, and a character
    // joined to others (see Joins) is taken with all of them or not at all,
    // unless it is the first and alone too long.
    static constexpr int kMaxTextBytes = 256;

    // Replaces the text (null empties it): tab, CR and LF are dropped where they
    // stand as characters, the text is cut at the limit, and the cursor goes to
    // the first character. Reads text up to its terminator, or at most cbText
    // bytes of it (a block another program filled may lack the terminator),
    // and never further than the kept text needs. Kept characters (by their
    // offsets in text) stay with their '?' where it is kept, and so do the
    // joins: a character and those joined to it are one step.
    void Assign(const char* text, size_t cbText = static_cast<size_t>(-1), const KeptChars& kept = {},
                const Joins& joins = {});

    // Steps over one character (all those joined as one); false (and nothing
    // changes) at the ends.
    bool StepForward();
    bool StepBack();
    // Goes to the first or the last character; false (and nothing changes)
    // where the cursor is there already.
    bool StepToFirst();
    bool StepToLast();
    // Steps over n characters, forward for n > 0, back for n < 0, stopping at
    // the ends; false when the cursor did not move.
    bool StepBy(int n);

    bool HasNext() const;       // a character follows the current one
    bool HasPrev() const { return m_nPos != 0; }

    const CString& GetText() const { return m_strText; }
    int GetCount() const { return m_nCount; }
    int GetIndex() const { return m_nIndex; }
    int GetPos() const { return m_nPos; }
    bool IsEmpty() const { return m_strText.IsEmpty(); }
    const KeptChars& GetKept() const { return m_kept; }
    // The byte offset past the current character and those joined to it.
    int CurrentEnd() const;
    // The current (first) character where code page 932 lacks it (its '?'
    // stands for it); 0 for any other.
    char32_t CurrentKept() const { return KeptAt(m_kept, static_cast<size_t>(m_nPos)); }
    // Whether the current character fills a full-width cell: a double-byte
    // one, or a kept one of the East Asian wide ranges.
    bool CurrentIsWide() const
    {
        const char32_t kept = CurrentKept();
        return kept ? IsWideChar(kept) : CurrentWidth() == 2;
    }
    // Width in bytes (1 or 2) of the current (first) character; 0 for an empty text.
    int CurrentWidth() const;
    // The bytes of the current character (valid while the text is not empty).
    const unsigned char* Current() const
    {
        return reinterpret_cast<const unsigned char*>(m_strText.GetString()) + m_nPos;
    }

protected:
    bool IsJoin(int pos) const { return m_joins[static_cast<size_t>(pos)]; }
    void CharForward();
    void CharBack();

    int m_nPos = 0;                     // byte offset of the current character
    int m_nIndex = 0;                   // its ordinal, from 0
    int m_nCount = 0;                   // characters in the text
    // A character boundary at or before m_nPos (a byte offset, -1 for none):
    // the last double-byte character passed going forward, so that a step
    // back need not walk from the start. An offset, so a copy stays sound.
    int m_nPrevHint = -1;
    CString m_strText;
    KeptChars m_kept; // the characters its '?' bytes stand for
    std::bitset<kMaxTextBytes + 2> m_joins; // by byte offset: the character there continues the one before
};
