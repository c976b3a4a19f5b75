// The drawing steps the pattern painters share: fills, outlined
// rectangles, lines and dots in the pattern window's pens, and the
// patterns' named bitmaps tiled over an area. Fills and tiles write straight
// into the pixel memory when the surface is a 32-bit DIB section with
// nothing in the way (no clipping, no moved origin): a pattern of thousands
// of ramp steps then costs little more than filling the screen once. On any
// other device context they go through GDI, with the same pixels.
// Internal to the painter.
#pragma once

#include <cstdint>
#include <vector>

#include "draw/gdi_handles.h"
#include "draw/pixels/pixel_view.h"
#include "patterns/pattern_painter.h"
#include "platform/win32.h"

// The surface being painted and the tools to paint it with.
struct PatternSurface {
    HDC dc = nullptr;
    int w = 0;
    int h = 0;
    const PatternPens& pens;
    PixelView pixels;  // empty: draw through GDI
};

// The pixel memory of `dc` when fills may write it directly for a
// width × height surface; empty otherwise.
[[nodiscard]] PixelView directPixels(HDC dc, int width, int height);

// Every pixel of (left, top, right, bottom) in `colour`, no outline.
void fillArea(const PatternSurface& s, int left, int top, int right, int bottom, COLORREF colour);

// Copies row `row` over rows top..bottom − 1, the whole width; only on
// pixel memory (nothing happens on a surface drawn through GDI).
void repeatRow(const PatternSurface& s, int row, int top, int bottom);

// One of the named bitmaps, read once for a paint straight from the
// program's resources (no bitmap object is made), laid side by side over
// areas as a pattern brush would lay it.
class PatternTile {
  public:
    PatternTile(const PatternSurface& surface, const wchar_t* name);
    // False when the bitmap cannot be found (fill then draws nothing).
    explicit operator bool() const { return packed_ != nullptr; }
    // Copies over `area`, the top-left corner of one copy at `origin`.
    void fill(const RECT& area, POINT origin) const;

  private:
    const PatternSurface& surface_;
    const BITMAPINFO* packed_ = nullptr;  // the resource: header, colours, pixels
    SIZE size_{};
    std::vector<uint32_t> pixels_;  // top row first; empty: draw through GDI
};

// The rectangle filled with `brush` (a hollow one when null) and outlined
// on its border in `pen`.
void outlinedRectangle(HDC dc, HPEN pen, HBRUSH brush, int left, int top, int right, int bottom);

// A line from (x0, y0) up to, not including, (x1, y1).
void line(HDC dc, HPEN pen, int x0, int y0, int x1, int y1);
// The same for a one-pixel `pen` of `colour`; written into pixel memory
// when it is horizontal or vertical.
void straightLine(const PatternSurface& s, HPEN pen, COLORREF colour, int x0, int y0, int x1,
                  int y1);
// One pixel.
void dot(const PatternSurface& s, int x, int y, COLORREF colour);

// The font of the colour-and-greyscale labels and caption: the user
// interface's face (it has the Japanese letters the device context's own
// font may lack) at the height of the font selected in `dc`.
[[nodiscard]] ScopedFont patternLabelFont(HDC dc);

// The patterns, one family per source file.
void paintCrosshatch(const PatternSurface& s, bool inverted);
void paintConvergence(const PatternSurface& s, bool horizontalBars, bool verticalBars);
void paintComposite(const PatternSurface& s);
void paintColourRamps(const PatternSurface& s);
void paintColourAndGreyscale(const PatternSurface& s, bool inverted);
