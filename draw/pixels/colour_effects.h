// The illustration's per-pixel colour effects over 32-bit pixel memory: the
// saturation of the whole miniature, and the hue rotation of one of six hue
// axes, where every pixel is turned in proportion to how much of that hue it
// holds. Free of Windows; the frames' DIB sections are passed as views.
#pragma once

#include "draw/pixels/colour_matrix.h"
#include "draw/pixels/pixel_view.h"

enum class HueAxis { red, yellow, green, cyan, blue, magenta };

// How much of the hue `axis` a colour holds, 0 to 255: 255 for the pure
// hue; 0 for black, white and colours without any of it.
[[nodiscard]] int hueWeight(HueAxis axis, const RgbColour& colour);

// The hue axis that the six-axis hue features 83 to 88 turn (red, yellow,
// green, cyan, blue, magenta); false for any other feature.
[[nodiscard]] bool hueAxisOfFeature(int feature, HueAxis* axis);

// Saturation and hue angle that frame k (0 to 7) of the illustration shows.
[[nodiscard]] double saturationOfFrame(int k);
[[nodiscard]] double hueAngleOfFrame(int k);

// Transforms each pixel of the width × height area at the top left of
// `source` and writes it to `target` at (column + x − 1, row + y); pixels
// that fall outside either view are skipped. The two views may not overlap.
void applySaturation(const PixelView& source, const PixelView& target, int width, int height, int x,
                     int y, double saturation);

// Like applySaturation with the hue rotation by `degrees`, mixed with the
// unchanged colour by the pixel's weight of `axis`: (c'·m + c·(255 − m)) / 255.
void applyHueRotation(const PixelView& source, const PixelView& target, int width, int height,
                      int x, int y, double degrees, HueAxis axis);
