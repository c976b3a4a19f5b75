// Pixel buffers for the frame tests: a miniature whose every pixel tells
// where it came from (red = column, green = row, blue = 77), and a frame
// with a guard ring of marker pixels around it that no drawing may touch.
#pragma once

#include <cstdint>
#include <vector>

#include "draw/pixels/illustration_geometry.h"
#include "draw/pixels/pixel_view.h"

constexpr int kTagBlue = 77;
constexpr uint32_t kGuard = 0x00010203;

// The pixel of the coordinate picture at (x, y).
constexpr uint32_t tagOf(int x, int y) {
    return packPixel(x, y, kTagBlue);
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
    for (int y = 0; y < capture.height; ++y) {
        for (int x = 0; x < capture.width; ++x) {
            capture.pixels[y * capture.width + x] = tagOf(x, y);
        }
    }
    return capture;
}

// A black frame of the layout inside a ring of guard pixels.
class GuardedFrame {
  public:
    static constexpr int kRing = 8;
    explicit GuardedFrame(const IllustrationLayout& layout)
        : width_(layout.frameWidth),
          height_(layout.frameHeight),
          buffer_(layout.frameWidth + 2 * kRing, layout.frameHeight + 2 * kRing, kGuard) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                buffer_.pixels[(y + kRing) * buffer_.width + x + kRing] = 0;
            }
        }
    }
    [[nodiscard]] PixelView view() {
        return PixelView{buffer_.pixels.data() + kRing * buffer_.width + kRing, width_, height_,
                         buffer_.width};
    }
    [[nodiscard]] uint32_t at(int x, int y) const { return buffer_.at(x + kRing, y + kRing); }
    // True when every guard pixel is untouched.
    [[nodiscard]] bool guardIntact() const {
        for (int y = 0; y < buffer_.height; ++y) {
            for (int x = 0; x < buffer_.width; ++x) {
                const bool inside =
                    x >= kRing && x < kRing + width_ && y >= kRing && y < kRing + height_;
                if (!inside && buffer_.at(x, y) != kGuard) {
                    return false;
                }
            }
        }
        return true;
    }
    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }

  private:
    int width_;
    int height_;
    PixelBuffer buffer_;
};
