#include "patterns/pattern_drawing.h"

#include "draw/draw_resources.h"

void fillArea(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    if (right <= left || bottom <= top) {
        return;
    }
    // The device context's own brush: one colour step costs no brush of its own.
    ScopedSelectObject brush(dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, colour);
    PatBlt(dc, left, top, right - left, bottom - top, PATCOPY);
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

ScopedBitmap loadNamedBitmap(const wchar_t* name) {
    return ScopedBitmap(static_cast<HBITMAP>(
        LoadImageW(resourceModule(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

ScopedBrush namedBitmapBrush(const wchar_t* name) {
    ScopedBitmap bitmap = loadNamedBitmap(name);
    // The brush keeps its own copy of the pixels.
    return ScopedBrush(bitmap ? CreatePatternBrush(bitmap.get()) : nullptr);
}
