// The drawing steps the pattern painters share: fills, outlined
// rectangles, lines and dots in the pattern window's pens, and brushes
// made from the patterns' named bitmaps. Internal to the painter.
#pragma once

#include "draw/gdi_handles.h"
#include "patterns/pattern_painter.h"
#include "platform/win32.h"

// The surface being painted and the tools to paint it with.
struct PatternSurface {
    HDC dc = nullptr;
    int w = 0;
    int h = 0;
    const PatternPens& pens;
};

// Every pixel of (left, top, right, bottom) in `colour`, no outline.
void fillArea(HDC dc, int left, int top, int right, int bottom, COLORREF colour);

// The rectangle filled with `brush` (a hollow one when null) and outlined
// on its border in `pen`.
void outlinedRectangle(HDC dc, HPEN pen, HBRUSH brush, int left, int top, int right, int bottom);

// A line from (x0, y0) up to, not including, (x1, y1).
void line(HDC dc, HPEN pen, int x0, int y0, int x1, int y1);

// A pattern brush of the named bitmap; empty when it cannot be loaded.
[[nodiscard]] ScopedBrush namedBitmapBrush(const wchar_t* name);
// The named bitmap itself; empty when it cannot be loaded.
[[nodiscard]] ScopedBitmap loadNamedBitmap(const wchar_t* name);

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
