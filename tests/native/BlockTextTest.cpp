// The text of a block another program filled: read only within the block.
#include "exchange/BlockText.h"

#include <gtest/gtest.h>

#include <memory>

using exchange::TextWithin;

TEST(BlockText, EndsAtTheTerminatorOrTheBlock)
{
    EXPECT_STREQ(TextWithin("abc\0zz", 6), "abc");
    EXPECT_STREQ(TextWithin("\0abc", 4), "");
    EXPECT_STREQ(TextWithin("abc", 0), "");
    // No terminator: exactly the block, not a byte past it (the sanitizer watches).
    std::unique_ptr<char[]> block(new char[3]{'x', 'y', 'z'});
    const CString text = TextWithin(block.get(), 3);
    EXPECT_EQ(text.GetLength(), 3);
    EXPECT_STREQ(text, "xyz");
}
