#include "draw/pixels/corner_purity.h"

#include <algorithm>
#include <cstdint>

#include "draw/pixels/geometry_warps.h"
#include "draw/pixels/pixel_lanes.h"
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

// Four pixels with their channels mixed into each other by their weights
// (the first four of `weights`): before the pure frame red takes from green,
// green from blue and blue from red; after it red takes from blue, green from
// red and blue from green. The unused fourth byte comes out 0.
__m128i mixFour(__m128i pixels, const uint16_t* weights, bool beforePure) {
    const __m128i taken =
        beforePure
            ? _mm_or_si128(_mm_and_si128(_mm_slli_epi32(pixels, 8), _mm_set1_epi32(0xFFFF00)),
                           _mm_and_si128(_mm_srli_epi32(pixels, 16), _mm_set1_epi32(0xFF)))
            : _mm_or_si128(_mm_and_si128(_mm_srli_epi32(pixels, 8), _mm_set1_epi32(0xFFFF)),
                           _mm_and_si128(_mm_slli_epi32(pixels, 16), _mm_set1_epi32(0xFF0000)));
    // Each pixel's weight in all four of its lanes.
    const __m128i pairs = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(weights));
    const __m128i doubled = _mm_unpacklo_epi16(pairs, pairs);
    return pixelsOfLanes(
        mixLanes(lowLanes(pixels), lowLanes(taken), _mm_unpacklo_epi32(doubled, doubled)),
        mixLanes(highLanes(pixels), highLanes(taken), _mm_unpackhi_epi32(doubled, doubled)));
}

// The weights of one frame's corner region in the order of its pixels in
// memory: a left corner's columns run away from the corner, a right
// corner's towards it. Worked out once per frame; the columns past the
// region's width weigh 0, so a last group of fewer than four reads them.
class CornerWeights {
  public:
    CornerWeights(int strength, int columns, bool right) {
        for (int dy = 0; dy < kPurityCorner; ++dy) {
            for (int column = 0; column < columns; ++column) {
                const int dx = right ? columns - 1 - column : column;
                weights_[dy][column] = static_cast<uint16_t>(purityWeight(strength, dx, dy));
            }
        }
    }
    [[nodiscard]] const uint16_t* row(int dy) const { return weights_[dy]; }

  private:
    uint16_t weights_[kPurityCorner][kPurityCorner] = {};
};

// Mixes the corner region of the frame's miniature in place.
void mixCorner(const PixelView& miniature, Corner corner, int strength, int k) {
    const int columns = std::min(kPurityCorner, miniature.width);
    const int rows = std::min(kPurityCorner, miniature.height);
    const CornerWeights weights(strength, columns, corner.right);
    const int left = corner.right ? miniature.width - columns : 0;
    for (int dy = 0; dy < rows; ++dy) {
        uint32_t* row = miniature.row(corner.bottom ? miniature.height - 1 - dy : dy) + left;
        const uint16_t* weight = weights.row(dy);
        forEachFour(row, row, columns, [&](__m128i four, int column) {
            return mixFour(four, weight + column, k < kPureFrame);
        });
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
    const uint16_t weights[4] = {static_cast<uint16_t>(std::clamp(weight, 0, 255))};
    forEachFour(&pixel, &pixel, 1,
                [&](__m128i four, int) { return mixFour(four, weights, k < kPureFrame); });
    return pixel;
}

void drawPurityFrame(const PixelView& capture, const PixelView& frame, int feature, int k) {
    copyView(capture, frame, kMiniatureLeft, kMiniatureTop);
    // The miniature's place in the frame, clipped to it.
    const int width = std::min(capture.width, frame.width - kMiniatureLeft);
    const int height = std::min(capture.height, frame.height - kMiniatureTop);
    const int strength = purityStrength(k);
    if (width <= 0 || height <= 0 || strength == 0) {
        return;  // nothing to mix, or the pure frame
    }
    const PixelView miniature{&frame.at(kMiniatureLeft, kMiniatureTop), width, height,
                              frame.stride};
    const Corner corners[] = {{true, false}, {false, false}, {true, true}, {false, true}};
    for (int i = 0; i < 4; ++i) {
        if (feature == kAllCorners || feature == kTopRight + i) {
            mixCorner(miniature, corners[i], strength, k);
        }
    }
}
