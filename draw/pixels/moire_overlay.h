// The moiré features' animation: the miniature ANDed with zig-zag lines 3
// pixels apart whose grey lightens from frame to frame (128 + 16k), so the
// interference pattern fades: vertical zig-zags for 51, horizontal ones for
// 62. Free of Windows.
#pragma once

#include "draw/pixels/pixel_view.h"

[[nodiscard]] bool isMoireFeature(int feature);

// The grey level of the lines in frame k.
[[nodiscard]] int moireLineLevel(int k);

// Draws frame k of a moiré feature from `capture` into `frame` (black).
void drawMoireFrame(const PixelView& capture, const PixelView& frame, int feature, int k);
