#include "patterns/pattern_drawing.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "draw/draw_resources.h"
#include "patterns/pixels/pattern_geometry.h"

PixelView directPixels(HDC dc, int width, int height) {
    POINT viewport{};
    POINT origin{};
    GetViewportOrgEx(dc, &viewport);
    GetWindowOrgEx(dc, &origin);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    const bool clipped = GetClipRgn(dc, clip) != 0;
    DeleteObject(clip);
    const PixelView view = pixelsOfDc(dc);
    const bool usable = !view.empty() && view.width >= width && view.height >= height && !clipped &&
                        GetMapMode(dc) == MM_TEXT && viewport.x == 0 && viewport.y == 0 &&
                        origin.x == 0 && origin.y == 0;
    return usable ? view : PixelView{};
}

void fillArea(const PatternSurface& s, int left, int top, int right, int bottom, COLORREF colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, s.w);
    bottom = std::min(bottom, s.h);
    if (right <= left || bottom <= top) {
        return;
    }
    if (!s.pixels.empty()) {
        GdiFlush();  // lines drawn before land first
        const uint32_t pixel = pixelOfColour(colour);
        for (int y = top; y < bottom; ++y) {
            std::fill(s.pixels.row(y) + left, s.pixels.row(y) + right, pixel);
        }
        return;
    }
    // The device context's own brush: one colour step costs no brush of its own.
    ScopedSelectObject brush(s.dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(s.dc, colour);
    PatBlt(s.dc, left, top, right - left, bottom - top, PATCOPY);
}

void repeatRow(const PatternSurface& s, int row, int top, int bottom) {
    if (s.pixels.empty() || row < 0 || row >= s.h) {
        return;
    }
    GdiFlush();
    for (int y = std::max(top, 0); y < std::min(bottom, s.h); ++y) {
        std::memcpy(s.pixels.row(y), s.pixels.row(row), s.w * sizeof(uint32_t));
    }
}

namespace {

// The pixels of a packed 24- or 32-bit uncompressed bitmap, top row first,
// as 0x00RRGGBB; empty for any other kind (then GDI draws it).
std::vector<uint32_t> packedPixels(const BITMAPINFO& packed, SIZE size) {
    const BITMAPINFOHEADER& header = packed.bmiHeader;
    const int bytes = header.biBitCount / 8;
    if (header.biCompression != BI_RGB || (bytes != 3 && bytes != 4) || header.biClrUsed != 0) {
        return {};
    }
    const auto* bits = reinterpret_cast<const uint8_t*>(&packed) + header.biSize;
    const size_t stride = (static_cast<size_t>(size.cx) * bytes + 3) / 4 * 4;
    std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * size.cy);
    for (int y = 0; y < size.cy; ++y) {
        const int stored = header.biHeight > 0 ? size.cy - 1 - y : y;  // bottom-up or not
        const uint8_t* p = bits + stored * stride;
        for (int x = 0; x < size.cx; ++x, p += bytes) {
            pixels[static_cast<size_t>(y) * size.cx + x] = packPixel(p[2], p[1], p[0]);
        }
    }
    return pixels;
}

// Tiles into pixel memory. Each of the tile's rows is laid out once over a
// short run (a whole number of copies, small enough to stay in the
// processor's cache) and copied run by run along every screen row that
// shows it.
void tilePixels(const PixelView& view, const std::vector<uint32_t>& tile, SIZE size,
                const RECT& area, POINT origin) {
    const auto wrap = [](int value, int period) { return ((value % period) + period) % period; };
    const int run = size.cx * ((256 + size.cx - 1) / size.cx);
    const int laidWidth = run + size.cx;  // any starting column, then a whole run
    std::vector<uint32_t> laid(static_cast<size_t>(laidWidth) * size.cy);
    for (int ty = 0; ty < size.cy; ++ty) {
        for (int x = 0; x < laidWidth; ++x) {
            laid[static_cast<size_t>(ty) * laidWidth + x] =
                tile[static_cast<size_t>(ty) * size.cx + x % size.cx];
        }
    }
    const int phase = wrap(area.left - origin.x, size.cx);
    for (int y = area.top; y < area.bottom; ++y) {
        const uint32_t* source =
            &laid[static_cast<size_t>(wrap(y - origin.y, size.cy)) * laidWidth + phase];
        uint32_t* target = view.row(y) + area.left;
        for (int left = area.right - area.left; left > 0; left -= run, target += run) {
            std::memcpy(target, source, std::min(left, run) * sizeof(uint32_t));
        }
    }
}

}  // namespace

PatternTile::PatternTile(const PatternSurface& surface, const wchar_t* name) : surface_(surface) {
    // Straight from the resource: loading it as a bitmap object costs more
    // than the whole pattern.
    HMODULE module = resourceModule();
    HRSRC found = module ? FindResourceW(module, name, RT_BITMAP) : nullptr;
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* packed = static_cast<const BITMAPINFO*>(loaded ? LockResource(loaded) : nullptr);
    if (!packed || SizeofResource(module, found) < sizeof(BITMAPINFOHEADER) ||
        packed->bmiHeader.biWidth <= 0 || packed->bmiHeader.biHeight == 0) {
        return;
    }
    packed_ = packed;
    size_ = SIZE{packed->bmiHeader.biWidth, std::abs(packed->bmiHeader.biHeight)};
    if (!surface.pixels.empty()) {
        pixels_ = packedPixels(*packed, size_);
    }
}

void PatternTile::fill(const RECT& area, POINT origin) const {
    const PatternSurface& s = surface_;
    const RECT inside{std::max(area.left, 0L), std::max(area.top, 0L),
                      std::min(area.right, static_cast<LONG>(s.w)),
                      std::min(area.bottom, static_cast<LONG>(s.h))};
    if (!packed_ || inside.right <= inside.left || inside.bottom <= inside.top) {
        return;
    }
    if (!pixels_.empty()) {
        GdiFlush();
        tilePixels(s.pixels, pixels_, size_, inside, origin);
        return;
    }
    ScopedBrush brush(CreateDIBPatternBrushPt(packed_, DIB_RGB_COLORS));
    POINT previous{};
    SetBrushOrgEx(s.dc, origin.x, origin.y, &previous);
    FillRect(s.dc, &inside, brush.get());
    SetBrushOrgEx(s.dc, previous.x, previous.y, nullptr);
}

void outlinedRectangle(HDC dc, HPEN pen, HBRUSH brush, int left, int top, int right, int bottom) {
    ScopedSelectObject selectPen(dc, pen);
    ScopedSelectObject selectBrush(dc, brush ? brush : GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, left, top, right, bottom);
}

void line(HDC dc, HPEN pen, int x0, int y0, int x1, int y1) {
    ScopedSelectObject selectPen(dc, pen);
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

namespace {

// The pixels from `from` towards `to`, `from` included and `to` not.
Span coveredRun(int from, int to) {
    return from <= to ? Span{from, to} : Span{to + 1, from + 1};
}

}  // namespace

void straightLine(const PatternSurface& s, HPEN pen, COLORREF colour, int x0, int y0, int x1,
                  int y1) {
    if (s.pixels.empty() || (x0 != x1 && y0 != y1)) {
        return line(s.dc, pen, x0, y0, x1, y1);
    }
    if (y0 == y1) {
        const Span run = coveredRun(x0, x1);
        fillArea(s, run.from, y0, run.to, y0 + 1, colour);
    } else {
        const Span run = coveredRun(y0, y1);
        fillArea(s, x0, run.from, x0 + 1, run.to, colour);
    }
}

void dot(const PatternSurface& s, int x, int y, COLORREF colour) {
    if (s.pixels.empty()) {
        SetPixelV(s.dc, x, y, colour);
    } else {
        fillArea(s, x, y, x + 1, y + 1, colour);
    }
}
