// Pixel buffers for the frame tests: a miniature whose every pixel tells
// where it came from (red = column, green = row, blue = 77), and a frame
// with a guard ring of marker pixels around it that no drawing may touch.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "draw/pixels/illustration_geometry.h"
#include "draw/pixels/pixel_view.h"

constexpr int kTagBlue = 77;
constexpr uint32_t kGuard = 0x00010203;

constexpr uint32_t tagOf(int x, int y) {
    return packPixel(x, y, kTagBlue);
}

// What a frame that changes nothing shows: the coordinate picture at (3, 3) on black.
inline uint32_t unchangedPixel(const IllustrationLayout& g, int x, int y) {
    const bool inside = x >= 3 && y >= 3 && x < 3 + g.captureWidth && y < 3 + g.captureHeight;
    return inside ? tagOf(x - 3, y - 3) : 0;
}

// How many of the width × height positions `test(x, y)` holds for.
template <typename Test>
int countWhere(int width, int height, Test test) {
    int count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            count += test(x, y) ? 1 : 0;
        }
    }
    return count;
}

// How many pixels of a frame of the layout, read by `at(x, y)`, differ from
// what a frame that changes nothing shows.
template <typename At>
int changedPixels(const IllustrationLayout& g, At at) {
    return countWhere(g.frameWidth, g.frameHeight,
                      [&](int x, int y) { return at(x, y) != unchangedPixel(g, x, y); });
}

struct PixelBuffer {
    PixelBuffer(int width, int height, uint32_t fill = 0)
        : pixels(static_cast<size_t>(width) * height, fill), width(width), height(height) {}
    [[nodiscard]] PixelView view() { return pixelView(pixels.data(), width, height); }
    [[nodiscard]] uint32_t at(int x, int y) const { return pixels[y * width + x]; }
    std::vector<uint32_t> pixels;
    int width;
    int height;
};

// The capture of a layout holding the coordinate picture.
inline PixelBuffer coordinateCapture(const IllustrationLayout& layout) {
    PixelBuffer capture(layout.captureWidth, layout.captureHeight);
    for (size_t i = 0; i < capture.pixels.size(); ++i) {
        capture.pixels[i] =
            tagOf(static_cast<int>(i % capture.width), static_cast<int>(i / capture.width));
    }
    return capture;
}

// A black frame of the layout inside a ring of guard pixels.
class GuardedFrame {
  public:
    static constexpr int kRing = 8;
    explicit GuardedFrame(const IllustrationLayout& layout)
        : buffer_(layout.frameWidth + 2 * kRing, layout.frameHeight + 2 * kRing, kGuard) {
        for (int y = 0; y < height(); ++y) {
            std::fill_n(&buffer_.pixels[(y + kRing) * buffer_.width + kRing], width(), 0u);
        }
    }
    [[nodiscard]] PixelView view() {
        return PixelView{buffer_.pixels.data() + kRing * buffer_.width + kRing, width(), height(),
                         buffer_.width};
    }
    [[nodiscard]] uint32_t at(int x, int y) const { return buffer_.at(x + kRing, y + kRing); }
    // True when every guard pixel is untouched.
    [[nodiscard]] bool guardIntact() const {
        return countWhere(buffer_.width, buffer_.height, [&](int x, int y) {
                   const bool inside =
                       x >= kRing && x < kRing + width() && y >= kRing && y < kRing + height();
                   return !inside && buffer_.at(x, y) != kGuard;
               }) == 0;
    }
    [[nodiscard]] int width() const { return buffer_.width - 2 * kRing; }
    [[nodiscard]] int height() const { return buffer_.height - 2 * kRing; }

  private:
    PixelBuffer buffer_;
};
