#include "draw/pixels/pixel_ops.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "draw/pixels/pixel_lanes.h"

void copyView(const PixelView& source, const PixelView& target, int x, int y) {
    forEachPlacedRow(source, target, x, y, [](const uint32_t* in, uint32_t* out, int count) {
        std::memcpy(out, in, static_cast<size_t>(count) * sizeof(uint32_t));
    });
}

void copyScaled(const PixelView& source, const PixelView& target, int x, int y, int width,
                int height) {
    if (source.empty() || target.empty() || width <= 0 || height <= 0) {
        return;
    }
    for (int row = std::max(0, -y); row < height && row + y < target.height; ++row) {
        copyRow(source, target,
                RowPlacement{.sourceRow = row * source.height / height,
                             .targetRow = row + y,
                             .x = x,
                             .width = width,
                             .sourceWidth = source.width});
    }
}

void copyRow(const PixelView& source, const PixelView& target, const RowPlacement& row) {
    if (source.empty() || !target.contains(0, row.targetRow) || row.width <= 0 ||
        row.sourceWidth <= 0 || row.sourceRow < 0 || row.sourceRow >= source.height) {
        return;
    }
    const uint32_t* in = source.row(row.sourceRow);
    uint32_t* out = target.row(row.targetRow);
    const int first = std::max(0, -row.x);
    const int last = std::min(row.width, target.width - row.x);  // exclusive
    if (row.width == row.sourceWidth) {
        const int copied = std::clamp(source.width, first, std::max(first, last));
        std::copy(in + first, in + copied, out + row.x + first);
        std::fill(out + row.x + copied, out + row.x + std::max(copied, last), 0u);
        return;
    }
    // Column i of the target samples source column i · sourceWidth / width:
    // i times the ratio as a 32-bit fraction rounded up, which is exact while
    // i · width stays below 2^32 (its error, below 1/width, never reaches the
    // next whole column). Each pixel's column is thus its own.
    const uint64_t ratio =
        ((static_cast<uint64_t>(row.sourceWidth) << 32) + static_cast<uint64_t>(row.width) - 1) /
        static_cast<uint64_t>(row.width);
    for (int i = first; i < last; ++i) {
        const auto column = static_cast<int>((static_cast<uint64_t>(i) * ratio) >> 32);
        out[row.x + i] = column < source.width ? in[column] : 0;
    }
}

void scalePixels(const uint32_t* in, uint32_t* out, int count, const ChannelGains& gains) {
    // Lanes in pixel order: blue, green, red and the fourth byte, twice.
    const __m128i factors =
        _mm_setr_epi16(static_cast<short>(gains.blue), static_cast<short>(gains.green),
                       static_cast<short>(gains.red), 0, static_cast<short>(gains.blue),
                       static_cast<short>(gains.green), static_cast<short>(gains.red), 0);
    forEachFour(in, out, count, [&](__m128i four, int) {
        return pixelsOfLanes(scaleLanes(lowLanes(four), factors),
                             scaleLanes(highLanes(four), factors));
    });
}

void brightenPixels(const uint32_t* in, uint32_t* out, int count, int lift) {
    // Per byte: the shifted halves of the 16-bit lanes lose their low bits
    // to the masks, and the addition of the lift saturates at 255.
    const __m128i quarterMask = _mm_set1_epi8(0x3F);
    const __m128i halfMask = _mm_set1_epi8(0x7F);
    const __m128i lifts = _mm_set1_epi32(static_cast<int>(packPixel(lift, lift, lift)));
    forEachFour(in, out, count, [&](__m128i four, int) {
        const __m128i quarter = _mm_and_si128(_mm_srli_epi16(four, 2), quarterMask);
        const __m128i half = _mm_and_si128(_mm_srli_epi16(four, 1), halfMask);
        return _mm_and_si128(_mm_adds_epu8(_mm_add_epi8(quarter, half), lifts),
                             _mm_set1_epi32(0x00FFFFFF));
    });
}

void fillPixels(const PixelView& target, uint32_t pixel) {
    for (int row = 0; row < target.height && !target.empty(); ++row) {
        std::fill_n(target.row(row), target.width, pixel);
    }
}

void orPixels(const PixelView& target, uint32_t pixel) {
    for (int row = 0; row < target.height && !target.empty(); ++row) {
        uint32_t* out = target.row(row);
        for (int column = 0; column < target.width; ++column) {
            out[column] |= pixel;
        }
    }
}

void andLine(const PixelView& target, int x0, int y0, int x1, int y1, uint32_t pixel) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        if (target.contains(x, y)) {
            target.at(x, y) &= pixel;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}
