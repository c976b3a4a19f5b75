// The hint over a test pattern: the instruction for the item being
// adjusted, in the lower third of the screen on grey boxes, and arrows that
// point at the part of the pattern to watch. Uses the drawing library and
// the program's strings.
#pragma once

#include "platform/win32.h"

// Draws the hint for `feature` (0 or more) over a pattern of `width` ×
// `height` in `dc`; `flatPanel` when the open monitor is a flat panel.
// Everything made here is deleted and the device context's objects,
// colours and mapping mode come back before it returns.
void paintHint(HDC dc, int feature, int width, int height, bool flatPanel);
