// The product's wordmark lettering: a geometric sans-serif drawn as round-
// capped strokes, so the names "Lumetra" and the maker's name can be set at
// any size with the painter's anti-aliasing and no font files. It holds only
// the letters those names need (A E L M O R T U V, a e l m o r t u v, space).
// Host tool only.
#pragma once

#include <string>

#include "canvas.h"

namespace art {

struct TextStyle {
    float capHeight;      // pixels from baseline to the top of a capital
    float weight;         // stroke width in pixels
    float tracking = 0;   // extra pixels between letters
    float slant = 0;      // horizontal shift per pixel of height (italic)
};

// The lettering of `text` with its baseline starting at (x, baseline).
// Letters outside the set are left out.
Shape textShape(const std::string& text, float x, float baseline, const TextStyle& style);
// Advance width of the lettering in pixels.
float textWidth(const std::string& text, const TextStyle& style);

}  // namespace art
