#include "tests/win/draw/test_pictures.h"

namespace {

void fillRect(const PixelView& view, int left, int top, int right, int bottom, uint32_t pixel) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (view.contains(x, y)) {
                view.at(x, y) = pixel;
            }
        }
    }
}

}  // namespace

void paintDesktopPicture(const PixelView& view) {
    const int w = view.width;
    const int h = view.height;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            view.at(x, y) = packPixel(0, 70 + 90 * y / h, 150 + 60 * x / w);
        }
    }
    // A window: title bar, white client area, lines of text.
    const int left = w / 12;
    const int top = h / 10;
    const int right = w * 7 / 12;
    const int bottom = h * 8 / 10;
    fillRect(view, left, top, right, bottom, packPixel(255, 255, 255));
    fillRect(view, left, top, right, top + h / 12, packPixel(10, 40, 200));
    for (int line = top + h / 12 + 4; line + 2 < bottom; line += 5) {
        for (int x = left + 3; x < right - 3; x += 7) {
            fillRect(view, x, line, x + 5, line + 2, packPixel(30, 30, 30));
        }
    }
    // The six hues, one above the other, beside a colour ramp.
    const uint32_t hues[] = {packPixel(255, 0, 0), packPixel(255, 255, 0),
                             packPixel(0, 255, 0), packPixel(0, 255, 255),
                             packPixel(0, 0, 255), packPixel(255, 0, 255)};
    const int swatch = (h * 8 / 10 - top) / 6;
    for (int i = 0; i < 6; ++i) {
        fillRect(view, w * 8 / 12, top + i * swatch, w * 9 / 12, top + (i + 1) * swatch, hues[i]);
    }
    for (int y = top; y < top + 6 * swatch; ++y) {
        for (int x = w * 19 / 24; x < w * 23 / 24; ++x) {
            view.at(x, y) = packPixel(255 * (x - w * 19 / 24) / (w / 6 + 1),
                                      255 * (y - top) / (6 * swatch), 128);
        }
    }
    // The task bar.
    fillRect(view, 0, h - h / 12, w, h, packPixel(192, 192, 192));
    fillRect(view, 2, h - h / 12 + 2, w / 8, h - 2, packPixel(160, 160, 160));
}
