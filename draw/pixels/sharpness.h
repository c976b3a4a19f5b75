// The sharpness feature's animation (82): each row of the miniature through
// a three-tap horizontal filter that goes from a soft blur (frame 0) through
// the unchanged picture (frame 3) to strong sharpening (frame 7). The edge
// pixels are repeated beyond the miniature's sides. Free of Windows.
#pragma once

#include "draw/pixels/pixel_view.h"

// out = (centre · centre tap + (left + right) · side tap) / divisor.
struct SharpnessTaps {
    int centre = 0;
    int side = 0;
    int divisor = 1;
};
[[nodiscard]] SharpnessTaps sharpnessTaps(int k);

// Filters every row of `capture` with the taps of frame k into `frame`
// (black) at the miniature's place, each channel clamped to 0 to 255.
void drawSharpnessFrame(const PixelView& capture, const PixelView& frame, int k);
