#!/usr/bin/env python3
"""Writes exchange/UnicodeTables.cpp from the Unicode Character Database.

    make_unicode_tables.py OUT.cpp [UCD_DIR]       write the tables
    make_unicode_tables.py --check FILE [UCD_DIR]  exit 1 unless FILE is what the data gives

UCD_DIR is /usr/share/unicode (Debian's unicode-data) unless given. The file is
kept in the repository: a build on Windows has no copy of the database.
"""
import bisect
import os
import sys

HANGUL_FIRST, HANGUL_LAST = 0xAC00, 0xD7A3

# The order of CGraphemeBreaker's property values (exchange/GraphemeBreak.h).
GRAPHEME_PROPERTIES = ['Other', 'CR', 'LF', 'Control', 'Extend', 'ZWJ', 'Regional_Indicator', 'Prepend',
                       'SpacingMark', 'L', 'V', 'T', 'LV', 'LVT']
EXTENDED_PICTOGRAPHIC = 0x10


def ranges(path, wanted=None):
    """(first, last, value) for each data line of a UCD property file."""
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.split('#', 1)[0].strip()
            if not line:
                continue
            field, value = [s.strip() for s in line.split(';')[:2]]
            if wanted and value != wanted:
                continue
            first, _, last = field.partition('..')
            yield int(first, 16), int(last or first, 16), value


def unicode_data(ucd):
    """code -> (combining class, canonical decomposition) from UnicodeData.txt."""
    chars = {}
    with open(os.path.join(ucd, 'UnicodeData.txt'), encoding='utf-8') as f:
        for line in f:
            fields = line.split(';')
            decomposition = fields[5]
            canonical = [int(c, 16) for c in decomposition.split()] if decomposition and not decomposition.startswith('<') else []
            chars[int(fields[0], 16)] = (int(fields[3]), canonical)
    return chars


def runs(values, limit=0x110000):
    """The starts of the runs of equal values over all code points, with each run's value."""
    out = []
    last = None
    for code in range(limit):
        v = values.get(code, 0)
        if v != last:
            out.append((code, v))
            last = v
    return out


def tables(ucd):
    chars = unicode_data(ucd)
    excluded = set()
    for first, last, _ in ranges(os.path.join(ucd, 'DerivedNormalizationProps.txt'), 'Full_Composition_Exclusion'):
        excluded.update(range(first, last + 1))
    # Primary composites: canonical pairs not excluded (Hangul is computed).
    pairs = sorted((d[0], d[1], code) for code, (_, d) in chars.items() if len(d) == 2 and code not in excluded)
    seconds = sorted({s for _, s, _ in pairs})
    if len(seconds) > 255:
        sys.exit('too many second characters for one byte')

    ccc = {code: c for code, (c, _) in chars.items() if c}
    combining = {}
    for code in set(ccc) | set(seconds):
        combining[code] = ccc.get(code, 0) | (0x100 if code in seconds else 0)

    grapheme = {}
    for first, last, value in ranges(os.path.join(ucd, 'auxiliary', 'GraphemeBreakProperty.txt')):
        for code in range(first, last + 1):
            grapheme[code] = GRAPHEME_PROPERTIES.index(value)
    # The syllables' LV and LVT follow from Hangul's arithmetic; one run stands for them.
    for code in range(HANGUL_FIRST, HANGUL_LAST + 1):
        expected = 'LV' if (code - HANGUL_FIRST) % 28 == 0 else 'LVT'
        if grapheme[code] != GRAPHEME_PROPERTIES.index(expected):
            sys.exit('U+%04X: Hangul syllable not %s' % (code, expected))
        grapheme[code] = GRAPHEME_PROPERTIES.index('LV')
    for first, last, _ in ranges(os.path.join(ucd, 'emoji', 'emoji-data.txt'), 'Extended_Pictographic'):
        for code in range(first, last + 1):
            grapheme[code] = grapheme.get(code, 0) | EXTENDED_PICTOGRAPHIC
    # A pair's three characters share a plane: its first and composite are kept in 16 bits.
    if any(f >> 16 != s >> 16 or c >> 16 != s >> 16 for f, s, c in pairs):
        sys.exit('a composition pair spans planes')
    combining_runs, grapheme_runs = runs(combining), runs(grapheme)
    return (pairs, seconds, combining_runs, grapheme_runs, block_runs(combining_runs), block_runs(grapheme_runs))


# As in exchange/UnicodeTables.h.
BLOCK_SHIFT = 7
GROUP_SHIFT = 4
BLOCKS_END = 0x20000  # beyond, the few runs are searched


def block_runs(run_list):
    """For each group of blocks below BLOCKS_END, the index of the run that holds its first code point; for
    each block of 128 code points, that of its first code point less its group's."""
    starts = [start for start, _ in run_list]
    blocks = [bisect.bisect_right(starts, block << BLOCK_SHIFT) - 1 for block in range(BLOCKS_END >> BLOCK_SHIFT)]
    groups = blocks[::1 << GROUP_SHIFT]
    offsets = [b - groups[i >> GROUP_SHIFT] for i, b in enumerate(blocks)]
    if max(offsets) > 0xFF:
        sys.exit('too many runs in a group of blocks for one byte')
    return groups, offsets


def hex_rows(values, digits, per_row):
    items = ['0x%0*X' % (digits, v) for v in values]
    return '\n'.join('    ' + ', '.join(items[i:i + per_row]) + ',' for i in range(0, len(items), per_row))


def source(ucd):
    pairs, seconds, combining, grapheme, combining_blocks, grapheme_blocks = tables(ucd)
    by_second = sorted(pairs, key=lambda p: (p[1], p[0]))
    second_starts = [bisect.bisect_left([s for _, s, _ in by_second], s) for s in seconds] + [len(by_second)]
    return '''// Generated by scripts/make_unicode_tables.py from the Unicode Character
// Database (UnicodeData.txt, DerivedNormalizationProps.txt,
// auxiliary/GraphemeBreakProperty.txt, emoji/emoji-data.txt). Do not edit.
#include "UnicodeTables.h"

namespace unicode_tables {

// Each: the first code point of a run << 9 | 0x100 where it is the second of
// a pair | its canonical combining class.
const std::uint32_t kCombiningRuns[] = {
%s
};
const std::size_t kCombiningRunCount = sizeof kCombiningRuns / sizeof kCombiningRuns[0];

// For each group of 16 blocks of 128 code points below U+%X: the index of
// the run above that holds its first code point; for each block, that of its
// first code point less its group's.
const std::uint16_t kCombiningGroups[] = {
%s
};
const std::uint8_t kCombiningBlocks[] = {
%s
};

// The code points that are the second of a composition pair, ascending.
const std::uint32_t kSeconds[] = {
%s
};
const std::size_t kSecondCount = sizeof kSeconds / sizeof kSeconds[0];

// For each second, and one past the last: the index of its first pair below.
const std::uint16_t kSecondPairs[] = {
%s
};
// Each pair, by its second and then its first, in the low 16 bits (the
// second's plane is theirs): its first code point, and the composite it makes.
const std::uint16_t kPairFirsts[] = {
%s
};
const std::uint16_t kPairComposites[] = {
%s
};

// Each: the first code point of a run << 8 | 0x10 where it is
// Extended_Pictographic | its grapheme cluster break property.
const std::uint32_t kGraphemeRuns[] = {
%s
};
const std::size_t kGraphemeRunCount = sizeof kGraphemeRuns / sizeof kGraphemeRuns[0];

// The groups and blocks below U+%X, as for kCombiningRuns.
const std::uint16_t kGraphemeGroups[] = {
%s
};
const std::uint8_t kGraphemeBlocks[] = {
%s
};

} // namespace unicode_tables
''' % (hex_rows([start << 9 | v for start, v in combining], 8, 8),
       BLOCKS_END, hex_rows(combining_blocks[0], 4, 12), hex_rows(combining_blocks[1], 2, 16),
       hex_rows(seconds, 5, 10),
       hex_rows(second_starts, 4, 12),
       hex_rows([f & 0xFFFF for f, _, _ in by_second], 4, 12),
       hex_rows([c & 0xFFFF for _, _, c in by_second], 4, 12),
       hex_rows([start << 8 | v for start, v in grapheme], 8, 8),
       BLOCKS_END, hex_rows(grapheme_blocks[0], 4, 12), hex_rows(grapheme_blocks[1], 2, 16))


def main(argv):
    check = argv[1:2] == ['--check']
    args = argv[2:] if check else argv[1:]
    if not args:
        sys.exit(__doc__)
    text = source(args[1] if len(args) > 1 else '/usr/share/unicode')
    if check:
        with open(args[0], encoding='utf-8') as f:
            if f.read() != text:
                sys.exit('%s differs from what the Unicode data gives: run %s %s' % (args[0], argv[0], args[0]))
        return
    with open(args[0], 'w', encoding='utf-8', newline='\n') as f:
        f.write(text)


if __name__ == '__main__':
    main(sys.argv)
