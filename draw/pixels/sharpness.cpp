#include "draw/pixels/sharpness.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "draw/pixels/geometry_warps.h"

namespace {

// Filters three neighbouring pixels of one frame. The weighted sums of all
// three channels are made at once in the lanes of a 64-bit word, each lifted
// by the lowest possible sum so that every lane stays between 0 and 65535
// (the word's arithmetic wraps, but the finished lanes are exact); each lane
// then looks up its filtered level: one division per possible sum instead of
// three per pixel.
class FilterTable {
  public:
    explicit FilterTable(const SharpnessTaps& taps) : taps_(taps) {
        const int lowest = std::min(0, taps.centre * 255) + std::min(0, taps.side * 510);
        const int highest = std::max(0, taps.centre * 255) + std::max(0, taps.side * 510);
        lift_ = static_cast<uint64_t>(-lowest) * 0x000100010001ull;
        levels_.resize(static_cast<size_t>(highest - lowest + 1));
        for (int sum = lowest; sum <= highest; ++sum) {
            levels_[sum - lowest] = static_cast<uint8_t>(std::clamp(sum / taps.divisor, 0, 255));
        }
    }
    // The filtered pixel of `centre` between `left` and `right` (all spread).
    [[nodiscard]] uint32_t operator()(uint64_t left, uint64_t centre, uint64_t right) const {
        const uint64_t sums = lift_ + centre * static_cast<uint64_t>(taps_.centre) +
                              (left + right) * static_cast<uint64_t>(taps_.side);
        return packPixel(levels_[sums >> 32 & 0xFFFF], levels_[sums >> 16 & 0xFFFF],
                         levels_[sums & 0xFFFF]);
    }

  private:
    SharpnessTaps taps_;
    uint64_t lift_ = 0;
    std::vector<uint8_t> levels_;
};

}  // namespace

SharpnessTaps sharpnessTaps(int k) {
    constexpr SharpnessTaps kTaps[] = {{3, 3, 9},    {6, 2, 10},  {8, 1, 10},  {10, 0, 10},
                                       {16, -2, 12}, {14, -3, 8}, {23, -7, 9}, {12, -4, 4}};
    return kTaps[std::clamp(k, 0, 7)];
}

void drawSharpnessFrame(const PixelView& capture, const PixelView& frame, int k) {
    const FilterTable filter(sharpnessTaps(k));
    const int rows = std::min(capture.height, frame.height - kMiniatureTop);
    const int columns = std::min(capture.width, frame.width - kMiniatureLeft);
    if (columns <= 0) {
        return;
    }
    for (int y = 0; y < rows; ++y) {
        const uint32_t* in = capture.row(y);
        uint32_t* out = frame.row(y + kMiniatureTop) + kMiniatureLeft;
        // The three pixels under the filter slide along the row; the edge
        // pixels stand in for their missing neighbours.
        uint64_t left = spreadChannels(in[0]);
        uint64_t centre = left;
        for (int x = 0; x < columns; ++x) {
            const uint64_t right = spreadChannels(in[std::min(x + 1, capture.width - 1)]);
            out[x] = filter(left, centre, right);
            left = centre;
            centre = right;
        }
    }
}
