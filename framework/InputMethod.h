// Windows that take no text keep the input method out. Without an input
// context the keys reach them as typed, whatever state the user left the IME
// in: the default context belongs to the thread, so an IME switched on in a
// dialog is on in every window that keeps it, and there the keys it takes
// (SPACE above all, a conversion) arrive as VK_PROCESSKEY.
#pragma once
#include <windows.h>

// hWnd and every window inside it now; a window made inside it later keeps
// the default context until this is called for it.
void AfxKeepInputMethodOut(HWND hWnd);
