// The text buffer and character cursor, with code page 932's lead bytes.
#include "CursorCheck.h"
#include "view/Mbcs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

using cursor_check::Cursor;
using cursor_check::Stored;

TEST(SetText, DropsTabsAndLineBreaks)
{
    Cursor c;
    c.Assign("a\tb\r\nc");
    EXPECT_EQ(Stored(c), "abc");
    EXPECT_EQ(c.GetCount(), 3);
}

TEST(SetText, KeepsTabOrLineFeedAsSecondByteOfADoubleByteCharacter)
{
    // 0x81 0x09 and 0x81 0x0A are not well-formed Shift-JIS, but the trail byte
    // is copied unexamined: the pair stays one character.
    Cursor c;
    c.Assign("\x81\x09x\x81\x0Ay");
    EXPECT_EQ(Stored(c), "\x81\x09x\x81\x0Ay");
    EXPECT_EQ(c.GetCount(), 4);
}

TEST(SetText, NullAndEmptyAndOnlyBreaksGiveEmptyText)
{
    for (const char* text : {static_cast<const char*>(nullptr), "", "\t\r\n\r\n"}) {
        Cursor c;
        c.Assign("xyz");
        c.StepForward();
        c.Assign(text);
        EXPECT_TRUE(c.IsEmpty());
        EXPECT_EQ(c.GetCount(), 0);
        EXPECT_EQ(c.GetIndex(), 0);
        EXPECT_EQ(c.GetPos(), 0);
        EXPECT_FALSE(c.HasNext());
        EXPECT_FALSE(c.HasPrev());
        EXPECT_FALSE(c.StepForward());
        EXPECT_FALSE(c.StepBack());
    }
}

TEST(SetText, CutsAt256Bytes)
{
    Cursor c;
    c.Assign(std::string(300, 'x').c_str());
    EXPECT_EQ(c.GetText().GetLength(), 256);
    EXPECT_EQ(c.GetCount(), 256);
}

TEST(SetText, KeepsDoubleByteCharacterThatStartsAtByte255Whole)
{
    Cursor c;
    c.Assign((std::string(255, 'x') + "\x82\xA0" + "yz").c_str());
    EXPECT_EQ(c.GetText().GetLength(), 257);
    EXPECT_EQ(Stored(c).substr(255), "\x82\xA0");
    EXPECT_EQ(c.GetCount(), 256);

    c.Assign((std::string(256, 'x') + "\x82\xA0").c_str());
    EXPECT_EQ(c.GetText().GetLength(), 256);
}

TEST(SetText, DroppedCharactersDoNotCountTowardsTheLimit)
{
    Cursor c;
    c.Assign((std::string(100, '\n') + std::string(256, 'x') + "tail").c_str());
    EXPECT_EQ(Stored(c), std::string(256, 'x'));
}

TEST(SetText, DropsADanglingLeadByte)
{
    Cursor c;
    c.Assign("ab\x82");
    EXPECT_EQ(Stored(c), "ab");
    EXPECT_EQ(c.GetCount(), 2);
    c.Assign("\x82");
    EXPECT_TRUE(c.IsEmpty());
    // At the limit, too: nothing is read past the terminator.
    c.Assign((std::string(255, 'x') + "\x82").c_str());
    EXPECT_EQ(c.GetText().GetLength(), 255);
}

TEST(SetText, ReadsOnlyWithinItsBlockAndOnlyWhatItKeeps)
{
    // Blocks without a terminator, exactly as large as their bytes (the
    // sanitizer watches): the text ends with the block, a lead byte at its
    // end is dangling.
    Cursor c;
    std::unique_ptr<char[]> block(new char[3]{'x', 'y', 'z'});
    c.Assign(block.get(), 3);
    EXPECT_EQ(Stored(c), "xyz");
    block[2] = '\x82';
    c.Assign(block.get(), 3);
    EXPECT_EQ(Stored(c), "xy");
    c.Assign("abc\0zz", 6);
    EXPECT_EQ(Stored(c), "abc");
    c.Assign("abc", 0);
    EXPECT_TRUE(c.IsEmpty());
    // A huge block is read no further than the kept text: its unterminated
    // tail, past what the sanitizer allows to be read, is never touched.
    const size_t cbHuge = 1 << 20;
    std::unique_ptr<char[]> huge(new char[cbHuge]);
    std::memset(huge.get(), 'q', cbHuge);
    c.Assign(huge.get(), static_cast<size_t>(-1));
    EXPECT_EQ(c.GetText().GetLength(), 256);
}

TEST(SetText, ResetsTheCursorEvenForTheSameText)
{
    Cursor c;
    c.Assign("\x82\xA0xy");
    c.StepForward();
    c.StepForward();
    c.Assign("\x82\xA0xy");
    EXPECT_EQ(c.GetPos(), 0);
    EXPECT_EQ(c.GetIndex(), 0);
    EXPECT_EQ(c.Hint(), -1);
}

TEST(Stepping, SingleBytesThenADoubleByteCharacter)
{
    Cursor c;
    c.Assign("ab\x82\xA0");
    ASSERT_EQ(c.GetCount(), 3);
    EXPECT_TRUE(c.StepForward());
    EXPECT_TRUE(c.StepForward());
    EXPECT_EQ(c.GetPos(), 2);
    EXPECT_EQ(c.GetIndex(), 2);
    EXPECT_EQ(c.CurrentWidth(), 2);
    EXPECT_FALSE(c.HasNext());
    EXPECT_FALSE(c.StepForward());
    EXPECT_EQ(c.GetPos(), 2);
    EXPECT_TRUE(c.StepBack());
    EXPECT_EQ(c.GetPos(), 1);
    EXPECT_EQ(c.GetIndex(), 1);
    EXPECT_TRUE(c.StepBack());
    EXPECT_EQ(c.GetPos(), 0);
    EXPECT_EQ(c.GetIndex(), 0);
    EXPECT_FALSE(c.StepBack());
}

TEST(Stepping, BackFromTheHintThenFromTheStart)
{
    Cursor c;
    c.Assign("\x82\xA0xy");
    c.StepForward();
    EXPECT_EQ(c.GetPos(), 2);
    EXPECT_EQ(c.Hint(), 0);
    c.StepForward();
    EXPECT_EQ(c.GetPos(), 3);
    c.StepBack();
    EXPECT_EQ(c.GetPos(), 2);
    EXPECT_EQ(c.Hint(), 2); // equals the current position now
    c.StepBack();
    EXPECT_EQ(c.GetPos(), 0);
    EXPECT_EQ(c.GetIndex(), 0);
}

TEST(Stepping, ACopyStepsBackInItsOwnTextAfterTheOriginalIsGone)
{
    auto original = std::make_unique<Cursor>();
    original->Assign("\x82\xA0\x82\xA2xy");
    original->StepForward();
    original->StepForward();
    original->StepForward(); // past two double-byte characters: a hint is held
    Cursor copy = *original;
    original.reset();
    EXPECT_TRUE(copy.StepBack());
    EXPECT_EQ(copy.GetPos(), 4);
    EXPECT_TRUE(copy.StepBack());
    EXPECT_EQ(copy.GetPos(), 2);
}

TEST(Stepping, HintKeepsTheLastDoubleByteCharacterPassed)
{
    Cursor c;
    c.Assign("a\x82\xA0\x82\xA2xyz");
    while (c.StepForward()) {
    }
    EXPECT_EQ(c.GetPos(), 7);
    EXPECT_EQ(c.Hint(), 3);
    std::vector<int> back;
    while (c.StepBack())
        back.push_back(c.GetPos());
    EXPECT_EQ(back, (std::vector<int>{6, 5, 3, 1, 0}));
}

TEST(Stepping, ToTheEndsAndByACount)
{
    Cursor c;
    c.Assign("a\x82\xA0" "b\x82\xA2"); // starts at 0, 1, 3, 4
    EXPECT_FALSE(c.StepToFirst());
    EXPECT_TRUE(c.StepToLast());
    EXPECT_EQ(c.GetPos(), 4);
    EXPECT_EQ(c.GetIndex(), 3);
    EXPECT_FALSE(c.StepToLast());
    EXPECT_TRUE(c.StepBack());
    EXPECT_EQ(c.GetPos(), 3);
    EXPECT_TRUE(c.StepBy(-5));
    EXPECT_EQ(c.GetPos(), 0);
    EXPECT_TRUE(c.StepBy(2));
    EXPECT_EQ(c.GetPos(), 3);
    EXPECT_FALSE(c.StepBy(0));
    EXPECT_TRUE(c.StepToFirst());
    EXPECT_EQ(c.GetIndex(), 0);
    EXPECT_TRUE(c.StepForward());
    EXPECT_EQ(c.GetPos(), 1);
    c.Assign("");
    EXPECT_FALSE(c.StepToLast() || c.StepToFirst() || c.StepBy(3) || c.StepBy(-3));
}

TEST(Stepping, HalfWidthKatakanaIsOneByte)
{
    Cursor c;
    c.Assign("\xB1\xB2");
    EXPECT_EQ(c.GetCount(), 2);
    EXPECT_EQ(c.CurrentWidth(), 1);
    c.StepForward();
    EXPECT_EQ(c.GetPos(), 1);
}

TEST(Mbcs, PrevCharStartWalksForward)
{
    const char text[] = "a\x82\xA0" "b";
    EXPECT_EQ(mbcs::PrevCharStart(text, text + 3), text + 1);
    EXPECT_EQ(mbcs::PrevCharStart(text, text + 1), text);
    EXPECT_EQ(mbcs::PrevCharStart(text + 1, text + 1), nullptr);
    EXPECT_EQ(mbcs::PrevCharStart(text + 3, text + 1), nullptr);
}

// Arbitrary bytes and step sequences: every state must equal a plain walk
// from the start of the stored text, and nothing may read out of bounds.
TEST(Randomized, CursorAgreesWithAWalkFromTheStart)
{
    std::mt19937 rng(20261208);
    const unsigned char interesting[] = {0x00, 0x09, 0x0A, 0x0D, 'a', 0x7F, 0x80, 0x81, 0x9F, 0xA0,
                                         0xB1, 0xDF, 0xE0, 0xFC, 0xFD, 0xFF, 0x40};
    for (int round = 0; round < 3000; ++round) {
        const size_t len = rng() % 300;
        std::string input;
        for (size_t i = 0; i < len; ++i)
            input.push_back(static_cast<char>(rng() % 2 ? interesting[rng() % sizeof interesting] : rng() % 256));
        std::vector<bool> steps(200);
        for (size_t i = 0; i < steps.size(); ++i)
            steps[i] = rng() % 3 != 0;
        ASSERT_EQ(cursor_check::Run(input.c_str(), steps), "") << "round " << round;
    }
}
