// HintWindow: the tool tip that shows a short string-table hint for every
// control of the current page while the pointer rests on it. One page is
// hinted at a time; its hint text for a control is the string numbered
// control id + the page's text base. A get-message hook of the
// user-interface thread relays the pointer's moves and single presses over
// the page's controls to the tool tip. Needs only a page window: it knows
// nothing of the shell or the pages.
#pragma once

#include "platform/win32.h"

// Registers every descendant control of `page` (controls of child dialogs
// included) with a new tool-tip window, with its text asked for by
// callback, and installs the relay hook; a button that paints only a
// picture gets its hint as its window text, for screen readers. The
// earlier tool tip and hook go first. Returns true when the hints work.
bool attachHints(HWND page, int textBase);

// Removes the relay hook and destroys the tool tip; safe to call when there
// are none. Pages call it when they go.
void detachHints();

// Answers the hint tool tip's need-text notification (which arrives at the
// hinted page) with the page's module and string id + text base. Returns
// false for any other notification, which the caller handles itself.
bool answerHintText(NMHDR& header);

// The current hint tool tip and whether the relay hook is installed.
[[nodiscard]] HWND hintToolTip();
[[nodiscard]] bool hintHookInstalled();
