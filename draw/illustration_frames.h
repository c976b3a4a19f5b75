// What each illustration code draws into a frame. A small table maps codes
// to renderers; a code without an entry (a feature whose animation is not
// drawn, or an unknown code) gets the dark-blue panel with the caption strip.
// New feature animations are one renderer and one table entry each.
#pragma once

#include "draw/pixels/pixel_view.h"
#include "platform/win32.h"

class AnimatedIllustration;

// A frame being rendered: its memory device context (with the frame's DIB
// section selected, black when it arrives) and that section's pixels.
struct FrameCanvas {
    HDC dc = nullptr;
    PixelView pixels;
    int width = 0;
    int height = 0;
};

// The screen miniature the frames are made from (empty for message codes):
// a memory device context holding it, and its pixels.
struct CaptureSource {
    HDC dc = nullptr;
    PixelView pixels;
    int width = 0;
    int height = 0;
};

// Draws frame k (0 to 7) of illustration code `code`.
using FrameRenderer = void (*)(AnimatedIllustration& illustration, const FrameCanvas& frame,
                               const CaptureSource& capture, int code, int k);

// The renderer of an illustration code; never null.
[[nodiscard]] FrameRenderer frameRendererFor(int code);
