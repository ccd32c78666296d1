#include "GraphemeBreak.h"

#include "UnicodeTables.h"

namespace unicode {

namespace {

constexpr unsigned kPictographic = 0x10;
constexpr unsigned kGraphemeShift = 8;
constexpr char32_t kHangulFirst = 0xAC00;
constexpr char32_t kHangulTCount = 28;

unsigned GraphemeValue(char32_t c)
{
    using namespace unicode_tables;
    const unsigned value =
        BlockRunValue(kGraphemeRuns, kGraphemeRunCount, kGraphemeGroups, kGraphemeBlocks, kGraphemeShift, c);
    // The syllables are one run in the table: LV every 28th, LVT between.
    if ((value & 0xF) == CGraphemeBreaker::LV && (c - kHangulFirst) % kHangulTCount != 0)
        return (value & ~0xFu) | CGraphemeBreaker::LVT;
    return value;
}

} // namespace

bool IsMark(char32_t c)
{
    const unsigned p = GraphemeValue(c) & 0xF;
    return p == CGraphemeBreaker::Extend || p == CGraphemeBreaker::ZWJ || p == CGraphemeBreaker::SpacingMark;
}

bool CGraphemeBreaker::BreakBefore(char32_t c)
{
    const unsigned value = GraphemeValue(c);
    const auto p = static_cast<Property>(value & 0xF);
    const bool pictographic = (value & kPictographic) != 0;
    const Property prev = m_prev;

    bool brk;
    if (m_bStart)
        brk = true; // GB1
    else if (prev == CR && p == LF)
        brk = false; // GB3
    else if (prev == CR || prev == LF || prev == Control || p == CR || p == LF || p == Control)
        brk = true; // GB4, GB5
    else if (prev == L && (p == L || p == V || p == LV || p == LVT))
        brk = false; // GB6
    else if ((prev == LV || prev == V) && (p == V || p == T))
        brk = false; // GB7
    else if ((prev == LVT || prev == T) && p == T)
        brk = false; // GB8
    else if (p == Extend || p == ZWJ || p == SpacingMark || prev == Prepend)
        brk = false; // GB9, GB9a, GB9b
    else if (m_bPictographicZwj && pictographic)
        brk = false; // GB11
    else if (prev == RegionalIndicator && p == RegionalIndicator && m_bOddRegional)
        brk = false; // GB12, GB13
    else
        brk = true; // GB999

    m_bPictographicZwj = m_bPictographic && p == ZWJ;
    m_bPictographic = pictographic || (m_bPictographic && p == Extend);
    m_bOddRegional = p == RegionalIndicator && !(m_bOddRegional && !brk);
    m_prev = p;
    m_bStart = false;
    return brk;
}

} // namespace unicode
