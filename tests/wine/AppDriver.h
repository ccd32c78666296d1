// Drives the program's classes in process, as its message loop would; shared
// by the in-process tests and the step benchmark.
#pragma once
#include "app/MainFrame.h"
#include "app/ViewerApp.h"

#include <string>

namespace wine_test {

// Dispatches every queued message the way the program's loop does (with the
// accelerators), then runs one idle-time update.
void PumpMessages();

// The program's start-up, in this process, and the messages it leaves: its
// main frame, or null (said on stderr) when none could be created.
CMainFrame* StartFrame();

// Code page 932 bytes of a UTF-8 text, converted at run time.
std::string Sjis(const char* utf8);

} // namespace wine_test
