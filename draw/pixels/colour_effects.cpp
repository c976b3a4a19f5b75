#include "draw/pixels/colour_effects.h"

#include <algorithm>
#include <array>

#include "draw/pixels/pixel_lanes.h"
#include "draw/pixels/pixel_ops.h"

namespace {

constexpr int kFullSquare = 255 * 255;

RgbColour colourOf(uint32_t pixel) {
    return {redOf(pixel), greenOf(pixel), blueOf(pixel)};
}

// Results of the colours met so far, looked up by the pixel: a screen holds
// far fewer colours than pixels. Every entry is valid from the start: each
// begins as the result of the pixel 0xFFFFFFFF, which is white.
template <typename Transform>
class ColourCache {
  public:
    explicit ColourCache(Transform& transform) : transform_(transform) {
        entries_.fill(Entry{~0u, compute(~0u)});
    }
    uint32_t operator()(uint32_t pixel) {
        Entry& entry = entries_[(pixel * 2654435761u) >> (32 - kBits)];
        if (entry.key != pixel) {
            entry = Entry{pixel, compute(pixel)};
        }
        return entry.value;
    }

  private:
    static constexpr int kBits = 12;
    struct Entry {
        uint32_t key;
        uint32_t value;
    };
    uint32_t compute(uint32_t pixel) { return transform_(pixel); }
    Transform& transform_;
    std::array<Entry, size_t{1} << kBits> entries_;
};

// Calls `writeRow(in, out, count)` for each row of the width × height area
// at the top left of `source` that has a place in the target, with the part
// of the row that does: column c of the source goes to column c + x − 1.
template <typename WriteRow>
void forEachAreaRow(const PixelView& source, const PixelView& target, int width, int height, int x,
                    int y, WriteRow writeRow) {
    const PixelView area{source.pixels, std::min(width, source.width),
                         std::min(height, source.height), source.stride};
    forEachPlacedRow(area, target, x - 1, y, writeRow);
}

// Stores `transform(pixel)` of every source pixel of the area that has a
// place in the target there.
template <typename Transform>
void transformArea(const PixelView& source, const PixelView& target, int width, int height, int x,
                   int y, Transform transform) {
    ColourCache<Transform> cache(transform);
    forEachAreaRow(source, target, width, height, x, y,
                   [&](const uint32_t* in, uint32_t* out, int count) {
                       // Runs of one colour are common (window faces, the
                       // desktop): a pixel like the one before it costs no
                       // look-up.
                       uint32_t before = ~in[0];
                       uint32_t result = 0;
                       for (int column = 0; column < count; ++column) {
                           if (in[column] != before) {
                               before = in[column];
                               result = cache(before);
                           }
                           out[column] = result;
                       }
                   });
}

// What the transform of a matrix that changes nothing stores: the pixels
// themselves, without their fourth byte.
void copyArea(const PixelView& source, const PixelView& target, int width, int height, int x,
              int y) {
    forEachAreaRow(
        source, target, width, height, x, y, [](const uint32_t* in, uint32_t* out, int count) {
            std::transform(in, in + count, out, [](uint32_t pixel) { return pixel & 0xFFFFFF; });
        });
}

// How much of one hue a colour holds: the product of three channels, each
// taken as it is or as its complement 255 − v (= v XOR 255), over 255².
class HueWeighing {
  public:
    explicit HueWeighing(HueAxis axis) {
        // Which channels count by their complement: red, green, blue.
        constexpr bool kComplements[][3] = {{false, true, true}, {false, false, true},
                                            {true, false, true}, {true, false, false},
                                            {true, true, false}, {false, true, false}};
        const auto& complements = kComplements[static_cast<int>(axis)];
        for (int channel = 0; channel < 3; ++channel) {
            flips_[channel] = complements[channel] ? 255 : 0;
        }
    }
    [[nodiscard]] int operator()(const RgbColour& c) const {
        return (c.red ^ flips_[0]) * (c.green ^ flips_[1]) * (c.blue ^ flips_[2]) / kFullSquare;
    }

  private:
    int flips_[3] = {};
};

}  // namespace

int hueWeight(HueAxis axis, const RgbColour& c) {
    return HueWeighing(axis)(c);
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
    const ColourMatrix m = saturationMatrix(saturation);
    if (m == identityMatrix()) {
        copyArea(source, target, width, height, x, y);
        return;
    }
    const ColourMatrixTables matrix(m);
    transformArea(source, target, width, height, x, y,
                  [&](uint32_t pixel) { return matrix(pixel); });
}

void applyHueRotation(const PixelView& source, const PixelView& target, int width, int height,
                      int x, int y, double degrees, HueAxis axis) {
    const ColourMatrix m = hueRotationMatrix(degrees);
    if (m == identityMatrix()) {  // the middle frame: mixing with the colour itself
        copyArea(source, target, width, height, x, y);
        return;
    }
    const ColourMatrixTables matrix(m);
    const HueWeighing weigh(axis);
    transformArea(source, target, width, height, x, y, [&](uint32_t pixel) {
        return mixPixels(pixel, matrix(pixel), weigh(colourOf(pixel)));
    });
}
