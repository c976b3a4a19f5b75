#include "draw/pixels/sharpness.h"

#include <algorithm>

#include "draw/pixels/geometry_warps.h"

namespace {

int filter(const SharpnessTaps& taps, int left, int centre, int right) {
    return std::clamp((taps.centre * centre + taps.side * (left + right)) / taps.divisor, 0, 255);
}

}  // namespace

SharpnessTaps sharpnessTaps(int k) {
    constexpr SharpnessTaps kTaps[] = {{3, 3, 9},    {6, 2, 10},  {8, 1, 10},  {10, 0, 10},
                                       {16, -2, 12}, {14, -3, 8}, {23, -7, 9}, {12, -4, 4}};
    return kTaps[std::clamp(k, 0, 7)];
}

void drawSharpnessFrame(const PixelView& capture, const PixelView& frame, int k) {
    const SharpnessTaps taps = sharpnessTaps(k);
    for (int y = 0; y < capture.height; ++y) {
        const uint32_t* in = capture.row(y);
        for (int x = 0; x < capture.width; ++x) {
            const uint32_t left = in[std::max(x - 1, 0)];
            const uint32_t centre = in[x];
            const uint32_t right = in[std::min(x + 1, capture.width - 1)];
            if (frame.contains(x + kMiniatureLeft, y + kMiniatureTop)) {
                frame.at(x + kMiniatureLeft, y + kMiniatureTop) =
                    packPixel(filter(taps, redOf(left), redOf(centre), redOf(right)),
                              filter(taps, greenOf(left), greenOf(centre), greenOf(right)),
                              filter(taps, blueOf(left), blueOf(centre), blueOf(right)));
            }
        }
    }
}
