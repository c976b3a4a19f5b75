#include "draw/pixels/sharpness.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "draw/pixels/geometry_warps.h"

namespace {

// Every filtered level of one frame, looked up by the weighted sum: one
// division per possible sum instead of three per pixel.
class FilterTable {
  public:
    explicit FilterTable(const SharpnessTaps& taps) : taps_(taps) {
        lowest_ = std::min(0, taps.centre * 255) + std::min(0, taps.side * 510);
        const int highest = std::max(0, taps.centre * 255) + std::max(0, taps.side * 510);
        levels_.resize(static_cast<size_t>(highest - lowest_ + 1));
        for (int sum = lowest_; sum <= highest; ++sum) {
            levels_[sum - lowest_] = static_cast<uint8_t>(std::clamp(sum / taps.divisor, 0, 255));
        }
    }
    [[nodiscard]] int operator()(int left, int centre, int right) const {
        return levels_[taps_.centre * centre + taps_.side * (left + right) - lowest_];
    }

  private:
    SharpnessTaps taps_;
    int lowest_ = 0;
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
    for (int y = 0; y < rows; ++y) {
        const uint32_t* in = capture.row(y);
        uint32_t* out = frame.row(y + kMiniatureTop) + kMiniatureLeft;
        for (int x = 0; x < columns; ++x) {
            const uint32_t left = in[std::max(x - 1, 0)];
            const uint32_t centre = in[x];
            const uint32_t right = in[std::min(x + 1, capture.width - 1)];
            out[x] = packPixel(filter(redOf(left), redOf(centre), redOf(right)),
                               filter(greenOf(left), greenOf(centre), greenOf(right)),
                               filter(blueOf(left), blueOf(centre), blueOf(right)));
        }
    }
}
