// The building blocks of the illustration's frames over pixel views: plain,
// scaled and row-by-row copies of the screen miniature, channel gains and
// brightening, OR with a colour and lines ANDed into a picture. Every
// operation clips to both views, so a placement that swings past the
// frame's edge draws only what lies inside. Free of Windows.
#pragma once

#include <algorithm>
#include <cstdint>

#include "draw/pixels/pixel_view.h"

// Copies all of `source` with its top-left corner at (x, y) of `target`.
void copyView(const PixelView& source, const PixelView& target, int x, int y);

// All of `source` scaled to width × height (nearest pixel) at (x, y).
void copyScaled(const PixelView& source, const PixelView& target, int x, int y, int width,
                int height);

// One source row, its first `sourceWidth` pixels (columns past the source's
// right edge count as black), stretched to `width` pixels at (x, targetRow).
// Equal widths copy the row unchanged.
struct RowPlacement {
    int sourceRow = 0;
    int targetRow = 0;
    int x = 0;
    int width = 0;
    int sourceWidth = 0;
    friend bool operator==(const RowPlacement&, const RowPlacement&) = default;
};
void copyRow(const PixelView& source, const PixelView& target, const RowPlacement& row);

// Calls rowWork(in, out, count) for each row of `source` placed with its
// top-left corner at (x, y) of `target`: the part of the row that lies
// inside the target and where it goes.
template <typename RowWork>
void forEachPlacedRow(const PixelView& source, const PixelView& target, int x, int y,
                      RowWork rowWork) {
    if (source.empty() || target.empty()) {
        return;
    }
    const int left = std::max(0, -x);
    const int right = std::min(source.width, target.width - x);
    if (right <= left) {
        return;
    }
    for (int row = std::max(0, -y); row < source.height && row + y < target.height; ++row) {
        rowWork(source.row(row) + left, target.row(row + y) + x + left, right - left);
    }
}

// A gain per channel, 0 to 256: a level becomes level · gain / 256, truncated.
struct ChannelGains {
    int red = 256;
    int green = 256;
    int blue = 256;
};

// `count` pixels from `in` with their channels scaled by the gains, written
// to `out` (which may be `in`). The unused fourth byte of each comes out 0.
void scalePixels(const uint32_t* in, uint32_t* out, int count, const ChannelGains& gains);

// `count` pixels from `in` with each channel level made level / 4 + level / 2
// + lift (0 to 255), at most 255, written to `out` like scalePixels.
void brightenPixels(const uint32_t* in, uint32_t* out, int count, int lift);

// Sets every pixel of `target` to `pixel`.
void fillPixels(const PixelView& target, uint32_t pixel);

// ORs every pixel of `target` with `pixel`.
void orPixels(const PixelView& target, uint32_t pixel);

// ANDs the pixels of the straight line from (x0, y0) towards (x1, y1), the
// end point left out as in a polyline, with `pixel`.
void andLine(const PixelView& target, int x0, int y0, int x1, int y1, uint32_t pixel);
