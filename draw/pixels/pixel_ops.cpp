#include "draw/pixels/pixel_ops.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "draw/pixels/pixel_lanes.h"

void copyView(const PixelView& source, const PixelView& target, int x, int y) {
    if (source.empty() || target.empty()) {
        return;
    }
    const int left = std::max(0, -x);
    const int right = std::min(source.width, target.width - x);
    if (right <= left) {
        return;
    }
    for (int row = std::max(0, -y); row < source.height && row + y < target.height; ++row) {
        std::memcpy(target.row(row + y) + x + left, source.row(row) + left,
                    static_cast<size_t>(right - left) * sizeof(uint32_t));
    }
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
        for (int i = first; i < last; ++i) {
            out[row.x + i] = i < source.width ? in[i] : 0;
        }
        return;
    }
    // Column i of the target samples source column i · sourceWidth / width,
    // stepped without a division per pixel.
    int column = static_cast<int>(static_cast<int64_t>(first) * row.sourceWidth / row.width);
    int remainder = static_cast<int>(static_cast<int64_t>(first) * row.sourceWidth % row.width);
    for (int i = first; i < last; ++i) {
        out[row.x + i] = column < source.width ? in[column] : 0;
        remainder += row.sourceWidth;
        while (remainder >= row.width) {
            remainder -= row.width;
            ++column;
        }
    }
}

void mapChannels(const PixelView& source, const PixelView& target, int x, int y,
                 const ChannelTables& tables) {
    if (source.empty() || target.empty()) {
        return;
    }
    const int left = std::max(0, -x);
    const int right = std::min(source.width, target.width - x);
    for (int row = std::max(0, -y); row < source.height && row + y < target.height; ++row) {
        const uint32_t* in = source.row(row);
        uint32_t* out = target.row(row + y);
        for (int column = left; column < right; ++column) {
            const uint32_t pixel = in[column];
            out[column + x] = packPixel(tables.red[redOf(pixel)], tables.green[greenOf(pixel)],
                                        tables.blue[blueOf(pixel)]);
        }
    }
}

void scalePixels(const uint32_t* in, uint32_t* out, int count, const ChannelGains& gains) {
    // Lanes in pixel order: blue, green, red and the fourth byte, twice.
    const __m128i factors =
        _mm_setr_epi16(static_cast<short>(gains.blue), static_cast<short>(gains.green),
                       static_cast<short>(gains.red), 0, static_cast<short>(gains.blue),
                       static_cast<short>(gains.green), static_cast<short>(gains.red), 0);
    const auto scaleFour = [&](__m128i four) {
        return pixelsOfLanes(scaleLanes(lowLanes(four), factors),
                             scaleLanes(highLanes(four), factors));
    };
    int column = 0;
    for (; column + 4 <= count; column += 4) {
        storePixels(out + column, scaleFour(loadPixels(in + column)));
    }
    if (column < count) {
        uint32_t last[4] = {};
        std::copy(in + column, in + count, last);
        storePixels(last, scaleFour(loadPixels(last)));
        std::copy(last, last + (count - column), out + column);
    }
}

void scaleChannels(const PixelView& source, const PixelView& target, int x, int y,
                   const ChannelGains& gains) {
    if (source.empty() || target.empty()) {
        return;
    }
    const int left = std::max(0, -x);
    const int right = std::min(source.width, target.width - x);
    if (left >= right) {
        return;
    }
    for (int row = std::max(0, -y); row < source.height && row + y < target.height; ++row) {
        scalePixels(source.row(row) + left, target.row(row + y) + left + x, right - left, gains);
    }
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
