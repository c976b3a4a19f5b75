// The purity features' animation: in 40 × 40 regions at the corners of the
// miniature (65 top right, 66 top left, 67 bottom right, 68 bottom left, 48
// all four) each pixel's channels are mixed into each other, most at the
// corner and fading to nothing 40 pixels away, as when the beams land on
// the neighbouring phosphor. Frames 0 to 2 mix one way round, 4 to 7 the
// other; frame 3 leaves the picture pure. Free of Windows.
#pragma once

#include "draw/pixels/pixel_view.h"

constexpr int kPurityCorner = 40;  // side of a corner region

[[nodiscard]] bool isPurityFeature(int feature);

// How strongly frame k mixes (0 to 255) at the corner itself.
[[nodiscard]] int purityStrength(int k);

// The mixing weight (0 to 255) of a pixel dx columns and dy rows from the
// corner: strength · (39 − dy) · (39 − dx) / 1521; 0 outside the region.
[[nodiscard]] int purityWeight(int strength, int dx, int dy);

// A pixel with its channels mixed by `weight`: frames before the pure one
// (k < 3) take red from green, green from blue and blue from red; frames
// after it the other way round.
[[nodiscard]] uint32_t mixPurity(uint32_t pixel, int weight, int k);

// Draws frame k of a purity feature from `capture` into `frame` (black).
void drawPurityFrame(const PixelView& capture, const PixelView& frame, int feature, int k);
