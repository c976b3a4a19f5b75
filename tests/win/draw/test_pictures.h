// A picture of a desktop to stand in for the user's screen: a blue-green
// background, a white window with a title bar and lines of "text", the six
// hues and a smooth colour ramp, and a grey task bar. It holds what every
// illustration effect acts on (greys, pure hues, edges, gradients), so the
// frames made from it show what each feature does.
#pragma once

#include "draw/pixels/pixel_view.h"

void paintDesktopPicture(const PixelView& view);
