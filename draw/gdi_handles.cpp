#include "draw/gdi_handles.h"

DibSection::DibSection(int width, int height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bitmap_ && bits) {
        bits_ = static_cast<uint32_t*>(bits);
        width_ = width;
        height_ = height;
    } else {
        bitmap_.reset();
    }
}

PixelView DibSection::pixels() const {
    if (!bits_) {
        return {};
    }
    GdiFlush();
    return pixelView(bits_, width_, height_);
}

PixelView pixelsOfBitmap(HBITMAP bitmap) {
    DIBSECTION section{};
    if (!bitmap || GetObjectW(bitmap, sizeof section, &section) != sizeof section ||
        !section.dsBm.bmBits || section.dsBm.bmBitsPixel != 32) {
        return {};
    }
    GdiFlush();
    return PixelView{static_cast<uint32_t*>(section.dsBm.bmBits), section.dsBm.bmWidth,
                     section.dsBm.bmHeight, section.dsBm.bmWidthBytes / 4};
}

PixelView pixelsOfDc(HDC dc) {
    return dc ? pixelsOfBitmap(static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)))
              : PixelView{};
}
