// The building blocks of the illustration's frames over pixel views: plain,
// scaled and row-by-row copies of the screen miniature, per-channel tables
// and gains,
// OR with a colour and lines ANDed into a picture. Every operation clips to
// both views, so a placement that swings past the frame's edge draws only
// what lies inside. Free of Windows.
#pragma once

#include <array>
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

// A table per channel: what each of the 256 levels becomes.
struct ChannelTables {
    std::array<uint8_t, 256> red{};
    std::array<uint8_t, 256> green{};
    std::array<uint8_t, 256> blue{};
};
// All of `source` through the tables, written at (x, y) of `target`.
void mapChannels(const PixelView& source, const PixelView& target, int x, int y,
                 const ChannelTables& tables);

// A gain per channel, 0 to 256: a level becomes level · gain / 256, truncated.
struct ChannelGains {
    int red = 256;
    int green = 256;
    int blue = 256;
};

// `count` pixels from `in` with their channels scaled by the gains, written
// to `out` (which may be `in`). The unused fourth byte of each comes out 0.
void scalePixels(const uint32_t* in, uint32_t* out, int count, const ChannelGains& gains);

// All of `source` with its channels scaled, written at (x, y) of `target`.
void scaleChannels(const PixelView& source, const PixelView& target, int x, int y,
                   const ChannelGains& gains);

// Sets every pixel of `target` to `pixel`.
void fillPixels(const PixelView& target, uint32_t pixel);

// ORs every pixel of `target` with `pixel`.
void orPixels(const PixelView& target, uint32_t pixel);

// ANDs the pixels of the straight line from (x0, y0) towards (x1, y1), the
// end point left out as in a polyline, with `pixel`.
void andLine(const PixelView& target, int x0, int y0, int x1, int y1, uint32_t pixel);
