// The full-screen test-pattern window, as far as the pages use it: they
// report the item being adjusted, so that an open pattern window can show
// that item's hint and, with automatic choice on, its pattern.
#pragma once

// The page is adjusting `feature`. Nothing happens while no pattern is shown.
void noteAdjustedItem(int feature);

// Whether a pattern window is open.
[[nodiscard]] bool patternWindowOpen();

// Closes the pattern window when one is open.
void closePatternWindow();
