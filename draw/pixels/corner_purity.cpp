#include "draw/pixels/corner_purity.h"

#include <algorithm>

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

int mix(int own, int other, int weight) {
    return (own * (255 - weight) + other * weight) / 255;
}

// Mixes the corner region of the frame's miniature in place.
void mixCorner(const PixelView& miniature, Corner corner, int strength, int k) {
    const int columns = std::min(kPurityCorner, miniature.width);
    const int rows = std::min(kPurityCorner, miniature.height);
    for (int dy = 0; dy < rows; ++dy) {
        const int y = corner.bottom ? miniature.height - 1 - dy : dy;
        for (int dx = 0; dx < columns; ++dx) {
            const int x = corner.right ? miniature.width - 1 - dx : dx;
            miniature.at(x, y) = mixPurity(miniature.at(x, y), purityWeight(strength, dx, dy), k);
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
    const int r = redOf(pixel);
    const int g = greenOf(pixel);
    const int b = blueOf(pixel);
    if (k < kPureFrame) {
        return packPixel(mix(r, g, weight), mix(g, b, weight), mix(b, r, weight));
    }
    return packPixel(mix(r, b, weight), mix(g, r, weight), mix(b, g, weight));
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
