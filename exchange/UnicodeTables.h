// The tables of the Unicode Character Database that composition and cluster
// breaks read, generated into UnicodeTables.cpp (see there for their layout).
// Pure C++.
#pragma once
#include <cstddef>
#include <cstdint>

namespace unicode_tables {

extern const std::uint32_t kCombiningRuns[];
extern const std::size_t kCombiningRunCount;
// Blocks of code points, each with the first run that holds one of them, so
// that a search looks at a block's runs alone (as the generator writes them):
// a group's first run in 16 bits, and a block's beyond its group's in 8.
constexpr unsigned kBlockShift = 7;
constexpr unsigned kGroupShift = 4;
constexpr char32_t kBlocksEnd = 0x20000;
extern const std::uint16_t kCombiningGroups[];
extern const std::uint8_t kCombiningBlocks[];
extern const std::uint16_t kGraphemeGroups[];
extern const std::uint8_t kGraphemeBlocks[];
extern const std::uint32_t kSeconds[];
extern const std::size_t kSecondCount;
extern const std::uint16_t kSecondPairs[];
extern const std::uint16_t kPairFirsts[];
extern const std::uint16_t kPairComposites[];
extern const std::uint32_t kGraphemeRuns[];
extern const std::size_t kGraphemeRunCount;

// The value of the run that holds code in a table of runs, each entry the
// run's first code point shifted left by shift above its value; the first
// run starts at 0. Halved without branches: a text's characters leave no
// pattern to predict.
inline std::uint32_t RunValue(const std::uint32_t* runs, std::size_t count, unsigned shift, char32_t code)
{
    const std::uint32_t* base = runs;
    for (std::size_t n = count; n > 1; n -= n / 2)
        base = (base[n / 2] >> shift) <= code ? base + n / 2 : base;
    return *base & ((1u << shift) - 1);
}

// The same, with the table's groups and blocks below kBlocksEnd; beyond, the
// runs from the last block's on.
inline std::uint32_t BlockRunValue(const std::uint32_t* runs, std::size_t count, const std::uint16_t* groups,
                                   const std::uint8_t* blocks, unsigned shift, char32_t code)
{
    constexpr std::size_t kLastBlock = (kBlocksEnd >> kBlockShift) - 1;
    const std::size_t block = code < kBlocksEnd ? code >> kBlockShift : kLastBlock;
    const std::size_t first = groups[block >> kGroupShift] + blocks[block];
    const std::size_t last =
        block < kLastBlock ? groups[(block + 1) >> kGroupShift] + blocks[block + 1] : count - 1;
    return RunValue(runs + first, last - first + 1, shift, code);
}

} // namespace unicode_tables
