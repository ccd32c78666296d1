// The floating toolbar's arithmetic: how its items break into rows of a given
// width, and which edges a drag on its window's sizing frame moves. Pure C++,
// so that both are tested on their own.
#pragma once
#include <vector>

namespace floatbar {

// An item as the rows see it.
struct RowItem {
    int cx;
    bool separator;
    bool holdsControl; // a separator with a command id
};

// Wrap marks (true: the row ends after that item) that break the items into
// rows of at most cxMax pixels. A row ends at its last separator, which stays
// at the row's end as the divider below it; without one, before the item that
// does not fit. A separator that holds a control never ends a row: the
// toolbar would take its width for the divider's height. An item wider than
// cxMax has a row of its own.
std::vector<bool> RowsFor(const std::vector<RowItem>& items, int cxMax);

// The edges a sizing drag moves, for the system's sizing-edge codes (WMSZ_:
// 1 left, 2 right, 3 top, 4 top-left, 5 top-right, 6 bottom, 7 bottom-left,
// 8 bottom-right); none for any other code.
struct SizingEdges {
    bool left, right, top, bottom;
};
SizingEdges SizingEdgesOf(unsigned edge);

} // namespace floatbar
