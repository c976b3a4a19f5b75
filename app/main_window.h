// The main window: one small fixed-size window with the monitor list, the
// tab control and its page, the test-pattern check box, OK and Cancel. It
// owns everything global (the monitor object, the illustration, the font,
// the logo and monitor picture) and dispatches its messages to small
// handlers.
#pragma once

#include "platform/win32.h"

inline constexpr const wchar_t* kMainWindowClass = L"Lumetra";
inline constexpr const wchar_t* kMainWindowTitle = L"Lumetra  ";  // two blanks
inline constexpr const wchar_t* kPageWindowClass = L"ScreenDlg";

// Registers the main window's class and the pages' dialog class; false on
// failure.
bool registerMainWindowClass(HINSTANCE instance);

// Creates and shows the main window; null on failure.
HWND createMainWindow(HINSTANCE instance, int showCommand);

// Runs the message loop: keyboard navigation through the main window's
// controls and the current page first, then translate and dispatch.
int runMessageLoop();

// WinMain's work: the single-instance rule, class, window, loop.
int runLumetra(HINSTANCE instance, int showCommand);
