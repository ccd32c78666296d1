// What a save of the settings file writes where.
#include "settings/SaveRule.h"

#include <gtest/gtest.h>

using settings::Access;
using settings::ChooseSaveWay;
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
