#include "FloatingBar.h"

#include <cstddef>

namespace floatbar {

std::vector<bool> RowsFor(const std::vector<RowItem>& items, int cxMax)
{
    const int count = static_cast<int>(items.size());
    std::vector<bool> wraps(items.size());
    const auto item = [&](int i) { return items[static_cast<std::size_t>(i)]; };
    const auto rowEnd = [&](int start, int overflow) {
        for (int j = overflow; j > start; --j) {
            if (item(j).separator && !item(j).holdsControl)
                return j;
        }
        for (int j = overflow - 1; j >= start; --j) {
            if (!item(j).separator)
                return j;
        }
        return -1; // the row stays too wide
    };
    int start = 0, x = 0;
    for (int i = 0; i < count; ++i) {
        x += item(i).cx;
        const int end = (x > cxMax && i > start) ? rowEnd(start, i) : -1;
        if (end >= 0) {
            wraps[static_cast<std::size_t>(end)] = true;
            start = end + 1;
            i = end;
            x = 0;
        }
    }
    return wraps;
}

SizingEdges SizingEdgesOf(unsigned edge)
{
    if (edge < 1 || edge > 8)
        return SizingEdges{};
    // 1-2 the sides alone, 3-5 the top, 6-8 the bottom, each then with
    // none, the left or the right side.
    const bool top = edge >= 3 && edge <= 5;
    const bool bottom = edge >= 6;
    const unsigned side = top ? edge - 3 : bottom ? edge - 6 : edge;
    return SizingEdges{side == 1, side == 2, top, bottom};
}

} // namespace floatbar
