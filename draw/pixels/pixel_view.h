// A view of 32-bit pixel memory (0x00RRGGBB, the layout of a 32-bit DIB
// section) and the packing of colour channels. The illustration effects work
// on such views so that they stay free of Windows and can be checked exactly
// on any machine. Depends on nothing but the standard library.
#pragma once

#include <cstddef>
#include <cstdint>

struct PixelView {
    uint32_t* pixels = nullptr;  // first pixel of the top row
    int width = 0;
    int height = 0;
    // Pixels from one row to the one below; negative for bottom-up memory.
    std::ptrdiff_t stride = 0;

    [[nodiscard]] bool empty() const { return !pixels || width <= 0 || height <= 0; }
    [[nodiscard]] bool contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height;
    }
    [[nodiscard]] uint32_t* row(int y) const { return pixels + y * stride; }
    [[nodiscard]] uint32_t& at(int x, int y) const { return row(y)[x]; }
};

// A view of a top-down buffer of width × height pixels.
[[nodiscard]] inline PixelView pixelView(uint32_t* pixels, int width, int height) {
    return PixelView{pixels, width, height, width};
}

[[nodiscard]] constexpr uint32_t packPixel(int red, int green, int blue) {
    return static_cast<uint32_t>(red & 0xFF) << 16 | static_cast<uint32_t>(green & 0xFF) << 8 |
           static_cast<uint32_t>(blue & 0xFF);
}
[[nodiscard]] constexpr int redOf(uint32_t pixel) {
    return static_cast<int>(pixel >> 16 & 0xFF);
}
[[nodiscard]] constexpr int greenOf(uint32_t pixel) {
    return static_cast<int>(pixel >> 8 & 0xFF);
}
[[nodiscard]] constexpr int blueOf(uint32_t pixel) {
    return static_cast<int>(pixel & 0xFF);
}
