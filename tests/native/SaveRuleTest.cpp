// What a save of the settings file writes where, and which copies beside it go.
#include "settings/SaveRule.h"

#include <gtest/gtest.h>

#include <cstdint>

using settings::Access;
using settings::ChooseSaveWay;
using settings::IsStaleCopy;
using settings::SaveWay;

TEST(SaveRule, WritesOnlyWhatTheFileAllows)
{
    // Replacing allowed, or no file yet: a copy of its own, moved in.
    EXPECT_EQ(ChooseSaveWay(Access::Granted, Access::Granted, false), SaveWay::ByCopy);
    EXPECT_EQ(ChooseSaveWay(Access::Missing, Access::Missing, false), SaveWay::ByCopy);
    // Writing allowed but not replacing (an administrator's file where users
    // may add files): in place, never a copy that could neither take the
    // file's place nor go.
    EXPECT_EQ(ChooseSaveWay(Access::Denied, Access::Granted, false), SaveWay::InPlace);
    // Read-only for this user, held past the save's wait, or out of reach.
    EXPECT_EQ(ChooseSaveWay(Access::Denied, Access::Denied, false), SaveWay::Nothing);
    EXPECT_EQ(ChooseSaveWay(Access::Denied, Access::Held, false), SaveWay::Nothing);
    EXPECT_EQ(ChooseSaveWay(Access::Held, Access::Held, false), SaveWay::Nothing);
    EXPECT_EQ(ChooseSaveWay(Access::Failed, Access::Failed, false), SaveWay::Nothing);
    // A link, or a path with no room for the copy's name: in place, where
    // writing is allowed.
    EXPECT_EQ(ChooseSaveWay(Access::Granted, Access::Granted, true), SaveWay::InPlace);
    EXPECT_EQ(ChooseSaveWay(Access::Missing, Access::Missing, true), SaveWay::InPlace);
    EXPECT_EQ(ChooseSaveWay(Access::Denied, Access::Denied, true), SaveWay::Nothing);
}

TEST(SaveRule, CopiesLeftBesideGoOnceAMinuteOld)
{
    constexpr uint64_t kSecond = 10000000, now = 100000 * kSecond;
    // A killed save's, with its process id or none (older versions).
    EXPECT_TRUE(IsStaleCopy(L"1a2b", now - 61 * kSecond, now));
    EXPECT_TRUE(IsStaleCopy(L"ffffffff", now - 3600 * kSecond, now));
    EXPECT_TRUE(IsStaleCopy(L"", now - 3600 * kSecond, now));
    // A save under way, whatever process its id names here (ids are per
    // machine); one dated ahead of this machine's clock.
    EXPECT_FALSE(IsStaleCopy(L"1a2b", now - 5 * kSecond, now));
    EXPECT_FALSE(IsStaleCopy(L"1a2b", now - 60 * kSecond, now));
    EXPECT_FALSE(IsStaleCopy(L"1a2b", now + 3600 * kSecond, now));
    // Not named as a save names its copy, however old.
    for (const wchar_t* suffix : {L"1A2B", L"bak", L"1a2b.txt", L"100000000", L" 1a2b"})
        EXPECT_FALSE(IsStaleCopy(suffix, 0, now)) << suffix;
}
