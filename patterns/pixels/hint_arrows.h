// What the hint over a test pattern draws for the item being adjusted:
// which instruction string, and the arrows that point at the part of the
// pattern to watch (the corners for purity, the diagonals for linearity,
// the bright end of the grey ramp for contrast ...). Every length is a
// multiple of u = H / 40, except where an arrow must meet a grid mark,
// which lies on a multiple of g = H / 20. Free of Windows, so the host
// tests check it exactly.
#pragma once

#include <vector>

// One straight stroke of an arrow, drawn from (x0, y0) up to, not
// including, (x1, y1).
struct ArrowStroke {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    bool operator==(const ArrowStroke&) const = default;
};

struct HintDrawing {
    int textString = 0;    // the instruction; 0 when there is none
    bool darkPen = false;  // olive arrows, for the purity items' green screen
    std::vector<ArrowStroke> strokes;
};

// The hint for `feature` on a pattern window `width` × `height`;
// `flatPanel` when the open monitor is a flat panel (brightness and
// contrast are explained differently there).
[[nodiscard]] HintDrawing hintDrawing(int feature, int width, int height, bool flatPanel);
