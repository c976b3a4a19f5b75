// Which features the illustration animates with pixel work alone, and the
// one call that draws a frame of any of them from the screen miniature:
// geometry, convergence, levels and colours, purity, moiré, sharpness, the
// plain miniature and the window-area mode. (Hue and saturation go through
// the illustration's own colour effects; messages are text.) Free of
// Windows.
#pragma once

#include "draw/pixels/pixel_view.h"

[[nodiscard]] bool hasFeatureFrame(int feature);

// Draws frame k (0 to 7) of `feature` from `capture` into `frame`, which
// arrives black. False, drawing nothing, for a feature not drawn here.
bool drawFeatureFrame(const PixelView& capture, const PixelView& frame, int feature, int k);
