// The full-screen test-pattern window, as far as the pages use it: they
// report the item being adjusted, so that an open pattern window can show
// that item's hint and, with automatic choice on, its pattern; and the
// geometry page's automatic commands put their own pattern up while the
// monitor adjusts itself, then the one that was shown before.
#pragma once

// The page is adjusting `feature`. Nothing happens while no pattern is shown.
void noteAdjustedItem(int feature);

// Whether a pattern window is open.
[[nodiscard]] bool patternWindowOpen();

// Closes the pattern window when one is open.
void closePatternWindow();

// Opens the pattern window with pattern `pattern` (1-28) when none is open
// (an open one keeps its pattern); 0 closes it. Returns 0, or -1 when the
// window can't be made.
int showTestPattern(int pattern);

// The pattern the open window shows; -1 when none is open.
[[nodiscard]] int currentPattern();

// Shows pattern `pattern` in the open window; nothing when none is open.
void selectPattern(int pattern);
