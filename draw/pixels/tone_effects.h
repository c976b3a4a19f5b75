// The animations of the features that change the picture's levels: the
// miniature brightened, its contrast lowered, one colour gain or the colour
// temperature swept against the other channels, a black level raised by
// ORing a colour over the frame, and the window-area mode's darkening of
// everything outside the central half. Free of Windows.
#pragma once

#include "draw/pixels/pixel_ops.h"
#include "draw/pixels/pixel_view.h"

// Brightness (14), contrast (15), green, blue and red gain (16, 17, 18),
// black levels (26, 27, 28), colour temperature (69), the plain miniature
// (90) and the window-area mode (95, and 96, its code in the frame table).
[[nodiscard]] bool isToneFeature(int feature);

// What frame k of brightness adds to each channel level's three quarters.
[[nodiscard]] int brightnessLift(int k);

// The gains of frame k of contrast, a colour gain or the colour temperature;
// every other feature keeps its levels.
[[nodiscard]] ChannelGains toneGains(int feature, int k);

// The colour a black-level frame ORs over everything: 8k in the feature's
// channel.
[[nodiscard]] uint32_t blackLevelColour(int feature, int k);

// The factor (of 256) that frame k of the window-area mode leaves outside
// the central half of the frame.
[[nodiscard]] int windowAreaFactor(int k);

// Draws frame k of a tone feature from `capture` into `frame` (black).
void drawToneFrame(const PixelView& capture, const PixelView& frame, int feature, int k);
