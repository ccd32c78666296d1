// Helpers for the in-process tests that run under Wine.
#pragma once
#include "AppDriver.h"
#include "app/MainFrame.h"

#include <gtest/gtest.h>

namespace wine_test {

// The frame after the application's start-up, destroyed at the end of the test.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CMainFrame* frame = nullptr;
    CCharView* view = nullptr;
};

// A menu item's state (MF_ flags) after its pop-up's update rules ran.
UINT MenuItemState(CMainFrame* frame, int popup, UINT id);

} // namespace wine_test
