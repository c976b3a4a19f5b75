// The about box: a small modal dialog from the system menu with the
// program's name, the maker's legal notice, the version and the maker's web
// address, which opens in the browser when clicked. OK, Escape or a click on
// the dialog's surface closes it.
#pragma once

#include "platform/win32.h"

// Shows the about box owned by `owner` and returns when it has closed.
void showAboutBox(HWND owner);
