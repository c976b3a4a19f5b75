// The patterns built on a grid: crosshatch and geometry (1, 2), the
// convergence marks (3, 21, 22) and the composite pattern (28).
#include <vector>

#include "patterns/pattern_drawing.h"
#include "patterns/pixels/pattern_geometry.h"

namespace {

// Mid grey of the composite pattern.
constexpr COLORREF kMidGrey = RGB(127, 127, 127);

}  // namespace

void paintCrosshatch(const PatternSurface& s, bool inverted) {
    HDC dc = s.dc;
    HPEN pen = inverted ? s.pens.black() : s.pens.white();
    const COLORREF ink = inverted ? RGB(0, 0, 0) : RGB(255, 255, 255);
    const int g = s.h / 20;
    const int d = s.h / 40;
    const int cx = s.w / 2;
    outlinedRectangle(dc, pen, nullptr, 0, 0, s.w, s.h);
    {
        ScopedSelectObject selectPen(dc, pen);
        ScopedSelectObject hollow(dc, GetStockObject(HOLLOW_BRUSH));
        Ellipse(dc, cx - s.h / 2, 0, cx + s.h / 2, s.h);
        Ellipse(dc, cx - s.h / 4, s.h / 4, cx + s.h / 4, 3 * s.h / 4);
    }
    const std::vector<int> xs = gridPositions(cx, g, s.w);
    const std::vector<int> ys = gridPositions(s.h / 2, g, s.h);
    // A dot in the middle of every grid cell, mirrored about both centre
    // lines the same way the lines are.
    for (int x : xs) {
        for (int y : ys) {
            dot(s, x + d, y + d, ink);
            dot(s, s.w - x - d, y + d, ink);
            dot(s, x + d, s.h - y - d, ink);
            dot(s, s.w - x - d, s.h - y - d, ink);
        }
    }
    for (int y : ys) {
        straightLine(s, pen, ink, 0, y, s.w, y);
        straightLine(s, pen, ink, s.w, s.h - y, 0, s.h - y);
    }
    for (int x : xs) {
        straightLine(s, pen, ink, x, 0, x, s.h);
        straightLine(s, pen, ink, s.w - x, 0, s.w - x, s.h);
    }
    const int left = cx - s.h / 2;
    const int right = cx + s.h / 2;
    outlinedRectangle(dc, pen, nullptr, left + 1, 1, right, s.h - 1);
    outlinedRectangle(dc, pen, nullptr, left + 2, 2, right - 1, s.h - 2);
    line(dc, pen, left + 1, 1, right - 1, s.h - 1);
    line(dc, pen, right - 1, 1, left + 1, s.h - 1);
}

void paintConvergence(const PatternSurface& s, bool horizontalBars, bool verticalBars) {
    HDC dc = s.dc;
    outlinedRectangle(dc, s.pens.white(), nullptr, 0, 0, s.w, s.h);
    const int g = s.h / 20;
    const int d = s.h / 40;
    const HPEN pens[] = {s.pens.red(), s.pens.green(), s.pens.blue()};
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    const std::vector<int> xs = gridPositions(s.w / 2, g, s.w);
    const std::vector<int> ys = gridPositions(0, g, s.h + g);
    for (size_t k = 0; k < xs.size(); ++k) {
        for (size_t j = 0; j < ys.size(); ++j) {
            HPEN pen = pens[(k + j + 2) % 3];
            const COLORREF colour = colours[(k + j + 2) % 3];
            const int y = ys[j];
            for (int x : {xs[k], s.w - xs[k]}) {
                if (horizontalBars) {
                    straightLine(s, pen, colour, x - d, y, x + d + 1, y);
                }
                if (verticalBars) {
                    straightLine(s, pen, colour, x, y - d, x, y + d + 1);
                }
            }
        }
    }
}

namespace {

// The inside of grid cell (column, row) of the composite pattern.
RECT compositeCell(const PatternSurface& s, int column, int row) {
    const int cw = s.w / 12;
    const int ch = s.h / 12;
    const int gx = s.w / 2 - 6 * cw;
    const int gy = s.h / 2 - 6 * ch;
    return RECT{gx + column * cw + 1, gy + row * ch + 1, gx + (column + 1) * cw,
                gy + (row + 1) * ch};
}

}  // namespace

void paintComposite(const PatternSurface& s) {
    HDC dc = s.dc;
    fillArea(s, 0, 0, s.w, s.h, kMidGrey);
    HPEN white = s.pens.white();
    for (int y : gridPositions(s.h / 2, s.h / 12, s.h)) {
        straightLine(s, white, RGB(255, 255, 255), 0, y, s.w, y);
        straightLine(s, white, RGB(255, 255, 255), 0, s.h - y, s.w, s.h - y);
    }
    for (int x : gridPositions(s.w / 2, s.w / 12, s.w)) {
        straightLine(s, white, RGB(255, 255, 255), x, 0, x, s.h);
        straightLine(s, white, RGB(255, 255, 255), s.w - x, 0, s.w - x, s.h);
    }
    {
        ScopedSelectObject selectPen(dc, white);
        const POINT frame[] = {{0, 0}, {0, s.h - 1}, {s.w - 1, s.h - 1}, {s.w - 1, 0}, {0, 0}};
        Polyline(dc, frame, static_cast<int>(std::size(frame)));
    }
    for (const CompositeCell& cell : compositeCells()) {
        const RECT r = compositeCell(s, cell.column, cell.row);
        fillArea(s, r.left, r.top, r.right, r.bottom,
                 RGB(cell.colour.red, cell.colour.green, cell.colour.blue));
    }
    // Moiré blocks of 2 × 2 cells: line directions differ in each quarter.
    const PatternTile tiles[] = {PatternTile(s, L"MOIRE"), PatternTile(s, L"MOIRE3"),
                                 PatternTile(s, L"MOIRE4"), PatternTile(s, L"MOIRE5")};
    const POINT offsets[] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const POINT blocks[] = {{0, 0}, {10, 0}, {0, 10}, {10, 10}, {5, 5}};
    for (POINT block : blocks) {
        for (int q = 0; q < 4; ++q) {
            tiles[q].fill(compositeCell(s, block.x + offsets[q].x, block.y + offsets[q].y),
                          POINT{0, 0});
        }
    }
    const int left = 7 * s.w / 24;
    fillArea(s, left, 13 * s.h / 48, s.w - left, 15 * s.h / 48, RGB(255, 255, 255));
    fillArea(s, left, 33 * s.h / 48, s.w - left, 35 * s.h / 48, RGB(0, 0, 0));
}
