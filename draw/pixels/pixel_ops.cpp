#include "draw/pixels/pixel_ops.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

ChannelTables scaleTables(int redNumerator, int greenNumerator, int blueNumerator,
                          int denominator) {
    ChannelTables tables;
    for (int level = 0; level < 256; ++level) {
        const auto scaled = [&](int numerator) {
            return static_cast<uint8_t>(std::clamp(level * numerator / denominator, 0, 255));
        };
        tables.red[level] = scaled(redNumerator);
        tables.green[level] = scaled(greenNumerator);
        tables.blue[level] = scaled(blueNumerator);
    }
    return tables;
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
