#include "draw/pixels/colour_effects.h"

#include <algorithm>

namespace {

constexpr int kFullSquare = 255 * 255;

RgbColour colourOf(uint32_t pixel) {
    return {redOf(pixel), greenOf(pixel), blueOf(pixel)};
}

uint32_t pixelOf(const RgbColour& c) {
    return packPixel(c.red, c.green, c.blue);
}

// Calls `transform(colour)` for every source pixel of the area that has a
// place in the target, and stores its result there.
template <typename Transform>
void transformArea(const PixelView& source, const PixelView& target, int width, int height, int x,
                   int y, Transform transform) {
    if (source.empty() || target.empty()) {
        return;
    }
    const int rows = std::min(height, source.height);
    const int columns = std::min(width, source.width);
    for (int row = 0; row < rows; ++row) {
        const int targetY = row + y;
        if (targetY < 0 || targetY >= target.height) {
            continue;
        }
        const uint32_t* in = source.row(row);
        uint32_t* out = target.row(targetY);
        // Screens are mostly runs of one colour: a pixel like the one before
        // it takes the result already computed.
        uint32_t previousIn = ~in[0];
        uint32_t previousOut = 0;
        for (int column = 0; column < columns; ++column) {
            const int targetX = column + x - 1;
            if (targetX >= 0 && targetX < target.width) {
                if (in[column] != previousIn) {
                    previousIn = in[column];
                    previousOut = pixelOf(transform(colourOf(previousIn)));
                }
                out[targetX] = previousOut;
            }
        }
    }
}

int mixChannel(int turned, int original, int weight) {
    return std::min(255, (turned * weight + original * (255 - weight)) / 255);
}

}  // namespace

int hueWeight(HueAxis axis, const RgbColour& c) {
    const int r = c.red;
    const int g = c.green;
    const int b = c.blue;
    switch (axis) {
        case HueAxis::red:
            return r * (255 - g) * (255 - b) / kFullSquare;
        case HueAxis::yellow:
            return r * g * (255 - b) / kFullSquare;
        case HueAxis::green:
            return g * (255 - r) * (255 - b) / kFullSquare;
        case HueAxis::cyan:
            return g * b * (255 - r) / kFullSquare;
        case HueAxis::blue:
            return b * (255 - r) * (255 - g) / kFullSquare;
        case HueAxis::magenta:
            return r * b * (255 - g) / kFullSquare;
    }
    return 0;
}

bool hueAxisOfFeature(int feature, HueAxis* axis) {
    constexpr int kFirstHueFeature = 83;  // red; then yellow, green, cyan, blue, magenta
    constexpr HueAxis kAxes[] = {HueAxis::red,  HueAxis::yellow, HueAxis::green,
                                 HueAxis::cyan, HueAxis::blue,   HueAxis::magenta};
    const int index = feature - kFirstHueFeature;
    if (index < 0 || index >= static_cast<int>(std::size(kAxes))) {
        return false;
    }
    *axis = kAxes[index];
    return true;
}

double saturationOfFrame(int k) {
    return k / 6.0;
}

double hueAngleOfFrame(int k) {
    return (k - 4) * 16.0;
}

void applySaturation(const PixelView& source, const PixelView& target, int width, int height, int x,
                     int y, double saturation) {
    const ColourMatrix matrix = saturationMatrix(saturation);
    transformArea(source, target, width, height, x, y,
                  [&](const RgbColour& c) { return transformColour(matrix, c); });
}

void applyHueRotation(const PixelView& source, const PixelView& target, int width, int height,
                      int x, int y, double degrees, HueAxis axis) {
    const ColourMatrix matrix = hueRotationMatrix(degrees);
    transformArea(source, target, width, height, x, y, [&](const RgbColour& c) {
        const int weight = hueWeight(axis, c);
        if (weight == 0) {
            return c;
        }
        const RgbColour turned = transformColour(matrix, c);
        return RgbColour{mixChannel(turned.red, c.red, weight),
                         mixChannel(turned.green, c.green, weight),
                         mixChannel(turned.blue, c.blue, weight)};
    });
}
