// Runs a text and a sequence of steps through the cursor and checks every
// state against a plain walk from the start of the stored text. Shared by the
// randomized test and the fuzz target.
#pragma once
#include "view/TextCursor.h"

#include <algorithm>
#include <string>
#include <vector>

namespace cursor_check {

class Cursor : public CTextCursor {
public:
    int Hint() const { return m_nPrevHint; }
};

inline std::string Stored(const Cursor& c)
{
    return std::string(c.GetText().GetString(), static_cast<size_t>(c.GetText().GetLength()));
}

// Code page 932's lead bytes, written out here rather than taken from the code.
inline bool Cp932Lead(char c)
{
    const unsigned char b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Character starts of a text, walked from its beginning.
inline std::vector<int> Boundaries(const std::string& s)
{
    std::vector<int> starts;
    for (size_t i = 0; i < s.size(); i += Cp932Lead(s[i]) ? 2 : 1)
        starts.push_back(static_cast<int>(i));
    return starts;
}

// An empty string when every state was right, else what went wrong.
// forward[i] tells whether step i goes forward or back.
inline std::string Run(const char* input, const std::vector<bool>& forward)
{
    Cursor c;
    c.Assign(input);
    const std::string stored = Stored(c);
    if (stored.size() > 257)
        return "more than 257 bytes stored";
    const std::vector<int> starts = Boundaries(stored);
    if (c.GetCount() != static_cast<int>(starts.size()))
        return "count differs from the walk";
    for (int i : starts) {
        const char ch = stored[static_cast<size_t>(i)];
        if (ch == '\t' || ch == '\r' || ch == '\n')
            return "a tab or line break was stored";
    }
    if (!starts.empty() && starts.back() == static_cast<int>(stored.size()) - 1 &&
        Cp932Lead(stored.back()))
        return "a dangling lead byte was stored";

    for (bool fwd : forward) {
        const int before = c.GetIndex();
        const bool moved = fwd ? c.StepForward() : c.StepBack();
        if (moved && c.GetIndex() != before + (fwd ? 1 : -1))
            return "index did not follow the step";
        if (!moved && c.GetIndex() != before)
            return "index changed without a step";
        if (stored.empty())
            continue;
        const int index = c.GetIndex();
        if (index < 0 || index >= static_cast<int>(starts.size()))
            return "index out of range";
        if (c.GetPos() != starts[static_cast<size_t>(index)])
            return "position differs from the walk";
        if (c.HasPrev() != (index > 0) || c.HasNext() != (index + 1 < static_cast<int>(starts.size())))
            return "enable rules differ from the walk";
        if (c.Hint() >= 0 && c.GetPos() > 1) {
            const int hint = c.Hint();
            if (hint > c.GetPos() || std::find(starts.begin(), starts.end(), hint) == starts.end())
                return "hint is not a boundary at or before the cursor";
        }
    }
    return "";
}

} // namespace cursor_check
