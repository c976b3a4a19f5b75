// The product's and the maker's marks: the logo of the main window, the
// maker's emblem and the caption strip of the illustration area.
#include <algorithm>
#include <cmath>

#include "pictures.h"
#include "stroke_font.h"

namespace art {

namespace {

// The spectrum used as the brand's accent, left to right.
Paint spectrum(float x0, float x1) {
    return linear({x0, 0}, {x1, 0},
                  {{0, rgb(40, 90, 230)}, {0.25f, rgb(30, 190, 220)}, {0.5f, rgb(60, 200, 90)},
                   {0.75f, rgb(250, 200, 40)}, {1, rgb(236, 60, 50)}});
}

}  // namespace

Canvas drawLogo() {
    Canvas c(124, 34);
    paintEmblem(c, 1, 2, 30);
    TextStyle style{.capHeight = 17, .weight = 2.7f, .tracking = 0.6f};
    float x = 38;
    Shape word = textShape("Lumetra", x, 25, style);
    float width = textWidth("Lumetra", style);
    c.fill(translate(word, 0.6f, 0.8f), rgb(0, 0, 0, 0.18f));
    c.fill(word, linear({0, 7}, {0, 26}, {{0, rgb(46, 86, 160)}, {1, rgb(20, 40, 90)}}));
    // The spectrum rule under the name.
    c.fill(roundRect(x, 29, x + width, 31, 1), spectrum(x, x + width));
    return c;
}

Canvas drawMakerEmblem() {
    Canvas c(118, 50);
    // A ring in the colours of the spectrum, lit from the upper left.
    float cx = 22, cy = 25, r = 15;
    Shape ring = subtract(circle(cx, cy, r), circle(cx, cy, r - 5));
    c.fill(ring, [cx, cy](float x, float y) {
        float a = std::atan2(cy - y, x - cx) / 6.2831853f;
        a -= std::floor(a);
        float h = a * 6;
        float red = std::clamp(std::fabs(h - 3) - 1, 0.0f, 1.0f);
        float green = std::clamp(2 - std::fabs(h - 2), 0.0f, 1.0f);
        float blue = std::clamp(2 - std::fabs(h - 4), 0.0f, 1.0f);
        return Colour{0.25f + 0.75f * red, 0.25f + 0.75f * green, 0.25f + 0.75f * blue, 1};
    });
    c.fill(innerBand(ring, 1.0f), rgb(255, 255, 255, 0.35f));
    c.fill(circle(cx, cy, r - 7.5f), radial({cx - 2, cy - 2}, r - 6, {{0, rgb(255, 255, 255)}, {1, rgb(170, 190, 255)}}));

    TextStyle style{.capHeight = 14, .weight = 2.4f, .tracking = 2.6f};
    Shape word = textShape("ORVEL", 46, 28, style);
    c.fill(word, rgb(255, 255, 255));
    float w = textWidth("ORVEL", style);
    c.fill(rect(46, 33, 46 + w, 34), rgb(127, 127, 255));
    return c;
}

Canvas drawCaption(int frame) {
    Canvas c(127, 13);
    TextStyle style{.capHeight = 7, .weight = 1.15f, .tracking = 2.4f};
    float w = textWidth("LUMETRA", style);
    float x0 = (127 - w) / 2;
    // A glint travels along the caption over the eight frames; the frames
    // play forwards and back, so it sweeps to and fro.
    float glint = 10 + frame * (107.0f / 7);
    c.fill(ellipse(glint, 6.5f, 16, 6.5f),
           radial({glint, 6.5f}, 16, 6.5f, {{0, rgb(120, 150, 255, 0.45f)}, {1, rgb(120, 150, 255, 0)}}));
    Paint paint = [glint](float x, float) {
        float t = std::exp(-((x - glint) * (x - glint)) / 70.0f);
        return mix(rgb(100, 118, 220), rgb(255, 255, 255), t);
    };
    c.fill(textShape("LUMETRA", x0, 10, style), paint);
    Paint rule = [glint](float x, float) {
        float t = std::exp(-((x - glint) * (x - glint)) / 90.0f);
        return mix(rgb(40, 60, 180), rgb(230, 236, 255), t);
    };
    c.fill(rect(3, 6, x0 - 5, 7), rule);
    c.fill(rect(x0 + w + 5, 6, 124, 7), rule);
    return c;
}

}  // namespace art
