// The convergence features' animations: the miniature split into its red,
// green and blue channels, which are drawn apart and come together at the
// middle frame (k = 4). Horizontal (13) and vertical (44) convergence move
// the whole picture; the edge features move only the part near one edge:
// top (73) and bottom (74) vertically, left (75) and right (76)
// horizontally. Green always stays at the normal place. Free of Windows.
#pragma once

#include "draw/pixels/pixel_view.h"

[[nodiscard]] bool isConvergenceFeature(int feature);

// How far red and blue are moved (green stays), in pixels along the
// feature's direction.
struct ChannelOffsets {
    int red = 0;
    int blue = 0;
    friend bool operator==(const ChannelOffsets&, const ChannelOffsets&) = default;
};

// The offsets of frame k for the miniature pixel (x, y) of a width × height
// miniature: red k − 4 and blue 4 − k everywhere for 13 and 44; for the edge
// features the same in the quarter of the picture at the edge, half of it
// (k/2 − 2 and 2 − k/2) up to a third from the edge, none beyond.
[[nodiscard]] ChannelOffsets convergenceOffsets(int feature, int k, int x, int y, int width,
                                                int height);

// Draws frame k of a convergence feature from `capture` into `frame` (black).
void drawConvergenceFrame(const PixelView& capture, const PixelView& frame, int feature, int k);
