// Unicode's extended grapheme clusters (UAX #29): where a reader's one
// character ends and the next begins. Pure C++.
#pragma once

namespace unicode {

// Whether c continues whatever it follows where Unicode joins it: a mark
// (Extend, SpacingMark: combining marks, variation selectors, emoji
// modifiers) or a zero width joiner.
bool IsMark(char32_t c);

// The boundaries of a text given one character after the other.
class CGraphemeBreaker {
public:
    // Whether a cluster boundary lies before c, the next character.
    bool BreakBefore(char32_t c);

    enum Property : unsigned char {
        Other, CR, LF, Control, Extend, ZWJ, RegionalIndicator, Prepend, SpacingMark, L, V, T, LV, LVT
    };

private:
    bool m_bStart = true;
    Property m_prev = Other;
    // The last characters were an Extended_Pictographic one, Extend ones and a ZWJ.
    bool m_bPictographicZwj = false;
    bool m_bPictographic = false; // an Extended_Pictographic one and Extend ones since
    bool m_bOddRegional = false;  // an odd number of regional indicators ends the text
};

} // namespace unicode
