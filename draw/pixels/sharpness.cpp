#include "draw/pixels/sharpness.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "draw/pixels/geometry_warps.h"
#include "draw/pixels/pixel_lanes.h"

namespace {

constexpr std::array<SharpnessTaps, 8> kTaps = {{{3, 3, 9},
                                                 {6, 2, 10},
                                                 {8, 1, 10},
                                                 {10, 0, 10},
                                                 {16, -2, 12},
                                                 {14, -3, 8},
                                                 {23, -7, 9},
                                                 {12, -4, 4}}};

// The largest weighted sum of a channel under the taps.
constexpr int highestSum(const SharpnessTaps& taps) {
    return std::max(0, taps.centre * 255) + std::max(0, taps.side * 510);
}

// The division by the taps' divisor as a 16-bit multiplication that keeps
// the high half: (sum · reciprocal) >> 16 with the reciprocal rounded up.
constexpr int reciprocalOf(int divisor) {
    return (65536 + divisor - 1) / divisor;
}

// Every sum the taps can make must divide exactly that way, and every sum
// and product must fit a signed 16-bit lane.
constexpr bool dividesExactlyInLanes(const SharpnessTaps& taps) {
    if (highestSum(taps) > 32767 || std::min(0, taps.side * 510) < -32768 ||
        reciprocalOf(taps.divisor) > 65535) {
        return false;
    }
    for (int sum = 0; sum <= highestSum(taps); ++sum) {
        if ((sum * reciprocalOf(taps.divisor)) >> 16 != sum / taps.divisor) {
            return false;
        }
    }
    return true;
}
static_assert(std::all_of(kTaps.begin(), kTaps.end(), dividesExactlyInLanes));

// Filters four neighbouring pixels at once, each channel in a 16-bit lane:
// the weighted sum, negative sums raised to 0 (they clamp to 0 anyway), the
// division, and the packing that clamps to 255. The unused fourth byte of
// every pixel is filtered too and cleared at the end.
class FourPixelFilter {
  public:
    explicit FourPixelFilter(const SharpnessTaps& taps)
        : centre_(_mm_set1_epi16(static_cast<short>(taps.centre))),
          side_(_mm_set1_epi16(static_cast<short>(taps.side))),
          reciprocal_(_mm_set1_epi16(static_cast<short>(reciprocalOf(taps.divisor)))) {}

    // The filtered pixels of row[1] to row[4], between row[0] and row[5].
    [[nodiscard]] __m128i operator()(const uint32_t* row) const {
        const __m128i left = loadPixels(row);
        const __m128i centre = loadPixels(row + 1);
        const __m128i right = loadPixels(row + 2);
        return pixelsOfLanes(level(lowLanes(left), lowLanes(centre), lowLanes(right)),
                             level(highLanes(left), highLanes(centre), highLanes(right)));
    }

  private:
    [[nodiscard]] __m128i level(__m128i left, __m128i centre, __m128i right) const {
        const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(centre, centre_),
                                          _mm_mullo_epi16(_mm_add_epi16(left, right), side_));
        return _mm_mulhi_epu16(_mm_max_epi16(sum, _mm_setzero_si128()), reciprocal_);
    }

    __m128i centre_;
    __m128i side_;
    __m128i reciprocal_;
};

constexpr int kLanePixels = 4;

}  // namespace

SharpnessTaps sharpnessTaps(int k) {
    return kTaps[std::clamp(k, 0, 7)];
}

void drawSharpnessFrame(const PixelView& capture, const PixelView& frame, int k) {
    const FourPixelFilter filter(sharpnessTaps(k));
    const int rows = std::min(capture.height, frame.height - kMiniatureTop);
    const int columns = std::min(capture.width, frame.width - kMiniatureLeft);
    if (columns <= 0) {
        return;
    }
    // One row with its edge pixels repeated beyond both sides, long enough
    // for the last group of four.
    const int groups = (columns + kLanePixels - 1) / kLanePixels;
    std::vector<uint32_t> padded(
        static_cast<size_t>(std::max(groups * kLanePixels, capture.width)) + 2);
    for (int y = 0; y < rows; ++y) {
        const uint32_t* in = capture.row(y);
        std::copy(in, in + capture.width, padded.begin() + 1);
        padded.front() = in[0];
        std::fill(padded.begin() + 1 + capture.width, padded.end(), in[capture.width - 1]);
        uint32_t* out = frame.row(y + kMiniatureTop) + kMiniatureLeft;
        forEachFour(padded.data() + 1, out, columns,
                    [&](__m128i, int x) { return filter(padded.data() + x); });
    }
}
