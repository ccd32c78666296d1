// The tables of the Unicode Character Database that composition and cluster
// breaks read, generated into UnicodeTables.cpp (see there for their layout).
// Pure C++.
#pragma once
#include <cstddef>
#include <cstdint>

namespace unicode_tables {

extern const std::uint32_t kCombiningRuns[];
extern const std::size_t kCombiningRunCount;
extern const std::uint32_t kSeconds[];
extern const std::size_t kSecondCount;
extern const std::uint32_t kPairKeys[];
extern const std::uint32_t kPairComposites[];
extern const std::size_t kPairCount;
extern const std::uint32_t kGraphemeRuns[];
extern const std::size_t kGraphemeRunCount;

// The value of the run that holds code in a table of runs, each entry the
// run's first code point shifted left by shift above its value.
inline std::uint32_t RunValue(const std::uint32_t* runs, std::size_t count, unsigned shift, char32_t code)
{
    std::size_t lo = 0, hi = count; // the first run starting after code
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if ((runs[mid] >> shift) <= code)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo ? runs[lo - 1] & ((1u << shift) - 1) : 0;
}

} // namespace unicode_tables
