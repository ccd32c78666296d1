// Helpers for the in-process tests that run under Wine.
#pragma once
#include "AppDriver.h"
#include "app/MainFrame.h"

#include <gtest/gtest.h>

#include <string>

namespace wine_test {

// The settings file of the test program (beside it, named like it).
std::string SettingsFile();

// Pixels of a window's client area that differ from the window colour (every
// second pixel each way), and the box around them.
int InkPixels(HWND hWnd, RECT* pInk = nullptr);

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
