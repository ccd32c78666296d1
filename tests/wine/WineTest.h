// Helpers for the in-process tests that run under Wine.
#pragma once
#include "app/MainFrame.h"
#include "app/ViewerApp.h"

#include <gtest/gtest.h>

#include <string>

namespace wine_test {

// Dispatches every queued message the way the program's loop does (with the
// accelerators), then runs one idle-time update.
void PumpMessages();

// Code page 932 bytes of a UTF-8 text, converted at run time.
std::string Sjis(const char* utf8);

// The frame after the application's start-up, destroyed at the end of the test.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CMainFrame* frame = nullptr;
    CCharView* view = nullptr;
};

} // namespace wine_test
