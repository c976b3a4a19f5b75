#include "draw/bitmap_background.h"

#include <vector>

int replaceColourInPixels(uint32_t* pixels, int count, uint32_t from, uint32_t to) {
    int changed = 0;
    for (int i = 0; i < count; ++i) {
        if ((pixels[i] & 0x00FFFFFF) == from) {
            pixels[i] = (pixels[i] & 0xFF000000) | to;
            ++changed;
        }
    }
    return changed;
}

// Works on the bitmap's pixel memory through a 32-bit copy (GetDIBits /
// SetDIBits) instead of one GetPixel/SetPixel per pixel.
int replaceGreyPixels(HBITMAP bitmap, COLORREF colour) {
    if (!bitmap) {
        return -1;
    }
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) {
        return 0;
    }
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;  // top-down
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    const int lines =
        GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
    if (lines == info.bmHeight) {
        // DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
        const auto toPixel = [](COLORREF c) {
            return static_cast<uint32_t>(GetRValue(c)) << 16 |
                   static_cast<uint32_t>(GetGValue(c)) << 8 | GetBValue(c);
        };
        if (replaceColourInPixels(pixels.data(), static_cast<int>(pixels.size()),
                                  toPixel(kBitmapBackground), toPixel(colour)) > 0) {
            SetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
        }
    }
    ReleaseDC(nullptr, screen);
    return 0;
}
