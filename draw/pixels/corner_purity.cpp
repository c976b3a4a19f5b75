#include "draw/pixels/corner_purity.h"

#include <algorithm>
#include <cstdint>

#include "draw/pixels/geometry_warps.h"
#include "draw/pixels/pixel_ops.h"

namespace {

constexpr int kAllCorners = 48;
constexpr int kTopRight = 65;
constexpr int kTopLeft = 66;
constexpr int kBottomRight = 67;
constexpr int kBottomLeft = 68;
constexpr int kPureFrame = 3;
constexpr int kFarthest = kPurityCorner - 1;

struct Corner {
    bool right;
    bool bottom;
};

// Each channel mixed with the channel it takes from: (own · (255 − weight) +
// other · weight) / 255 in every lane at once. The division by 255 is exact
// for lanes up to 65534: x / 255 = (x + 1 + (x >> 8)) >> 8.
uint32_t mixSpread(uint32_t pixel, uint32_t other, int weight) {
    constexpr uint64_t kLowBytes = 0x00FF00FF00FFull;
    constexpr uint64_t kOnes = 0x000100010001ull;
    const uint64_t sum = spreadChannels(pixel) * static_cast<uint64_t>(255 - weight) +
                         spreadChannels(other) * static_cast<uint64_t>(weight);
    const uint64_t lanes = (sum + kOnes + ((sum >> 8) & kLowBytes)) >> 8 & kLowBytes;
    return static_cast<uint32_t>((lanes >> 16 & 0xFF0000) | (lanes >> 8 & 0xFF00) | (lanes & 0xFF));
}

// The pixel whose red is the green of `pixel`, green its blue and blue its
// red (before the pure frame), or red its blue, green its red and blue its
// green (after).
uint32_t channelsTaken(uint32_t pixel, bool beforePure) {
    return beforePure ? (pixel << 8 & 0xFFFF00) | (pixel >> 16 & 0xFF)
                      : (pixel >> 8 & 0xFFFF) | (pixel << 16 & 0xFF0000);
}

// Mixes the corner region of the frame's miniature in place.
void mixCorner(const PixelView& miniature, Corner corner, int strength, int k) {
    const int columns = std::min(kPurityCorner, miniature.width);
    const int rows = std::min(kPurityCorner, miniature.height);
    const bool beforePure = k < kPureFrame;
    for (int dy = 0; dy < rows; ++dy) {
        uint32_t* row = miniature.row(corner.bottom ? miniature.height - 1 - dy : dy);
        for (int dx = 0; dx < columns; ++dx) {
            uint32_t& pixel = row[corner.right ? miniature.width - 1 - dx : dx];
            pixel =
                mixSpread(pixel, channelsTaken(pixel, beforePure), purityWeight(strength, dx, dy));
        }
    }
}

}  // namespace

bool isPurityFeature(int feature) {
    return feature == kAllCorners || (feature >= kTopRight && feature <= kBottomLeft);
}

int purityStrength(int k) {
    constexpr int kStrengths[] = {255, 170, 85, 0, 63, 127, 192, 255};
    return kStrengths[std::clamp(k, 0, 7)];
}

int purityWeight(int strength, int dx, int dy) {
    if (dx < 0 || dy < 0 || dx > kFarthest || dy > kFarthest) {
        return 0;
    }
    return strength * (kFarthest - dy) * (kFarthest - dx) / (kFarthest * kFarthest);
}

uint32_t mixPurity(uint32_t pixel, int weight, int k) {
    pixel &= 0xFFFFFF;
    return mixSpread(pixel, channelsTaken(pixel, k < kPureFrame), std::clamp(weight, 0, 255));
}

void drawPurityFrame(const PixelView& capture, const PixelView& frame, int feature, int k) {
    copyView(capture, frame, kMiniatureLeft, kMiniatureTop);
    // The miniature's place in the frame, clipped to it.
    const int width = std::min(capture.width, frame.width - kMiniatureLeft);
    const int height = std::min(capture.height, frame.height - kMiniatureTop);
    if (width <= 0 || height <= 0) {
        return;
    }
    const PixelView miniature{&frame.at(kMiniatureLeft, kMiniatureTop), width, height,
                              frame.stride};
    const int strength = purityStrength(k);
    const Corner corners[] = {{true, false}, {false, false}, {true, true}, {false, true}};
    for (int i = 0; i < 4; ++i) {
        if (feature == kAllCorners || feature == kTopRight + i) {
            mixCorner(miniature, corners[i], strength, k);
        }
    }
}
