// The test-pattern page's button pictures: each test pattern drawn small
// enough to fit its button, as a little screen in a dark bezel. They follow the painter's own rules
// where those still make sense at 34 × 31 pixels (solid colours, centre patches, outlines,
// checkerboards, the colour-and-greyscale squares, ramp and hue colours, the composite pattern's
// cells, the tiled bitmaps themselves); grids and ramps that would be finer than a pixel get a
// spacing of their own. Exact pixels, no smoothing.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "patterns/pixels/pattern_geometry.h"
#include "pictures.h"
#include "resources/resource_ids.h"

namespace art {

namespace {

// The little screen inside the one-pixel bezel.
constexpr int kW = kPatternButtonBitmapWidth - 2;
constexpr int kH = kPatternButtonBitmapHeight - 2;
constexpr Rgb8 kBezel = {64, 64, 64};
constexpr Rgb8 kBlack = {0, 0, 0};
constexpr Rgb8 kWhite = {255, 255, 255};
constexpr Rgb8 kRed = {255, 0, 0};
constexpr Rgb8 kGreen = {0, 255, 0};
constexpr Rgb8 kBlue = {0, 0, 255};
// Grid spacing of the crosshatch and convergence drawings (the patterns'
// H/20 would be a line every pixel).
constexpr int kGrid = 7;

Rgb8 colourOf(RampColour c) {
    return {static_cast<uint8_t>(c.red), static_cast<uint8_t>(c.green),
            static_cast<uint8_t>(c.blue)};
}

Rgb8 greyOf(int level) {
    const auto v = static_cast<uint8_t>(level);
    return {v, v, v};
}

// A small drawing surface with the painter's conventions: rectangles cover
// left..right − 1, lines cover their start and not their end.
class Thumb {
  public:
    explicit Thumb(Rgb8 background, int width = kW, int height = kH) {
        image_.width = width;
        image_.height = height;
        image_.pixels.assign(static_cast<size_t>(width) * height, background);
    }

    void dot(int x, int y, Rgb8 c) {
        if (x >= 0 && y >= 0 && x < image_.width && y < image_.height) {
            image_.at(x, y) = c;
        }
    }
    void fill(int left, int top, int right, int bottom, Rgb8 c) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                dot(x, y, c);
            }
        }
    }
    void outline(int left, int top, int right, int bottom, Rgb8 c) {
        fill(left, top, right, top + 1, c);
        fill(left, bottom - 1, right, bottom, c);
        fill(left, top, left + 1, bottom, c);
        fill(right - 1, top, right, bottom, c);
    }
    // Bresenham's line from (x0, y0) up to, not including, (x1, y1).
    void line(int x0, int y0, int x1, int y1, Rgb8 c) {
        const int dx = std::abs(x1 - x0);
        const int dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1;
        const int sy = y0 < y1 ? 1 : -1;
        int error = dx + dy;
        while (x0 != x1 || y0 != y1) {
            dot(x0, y0, c);
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x0 += sx;
            }
            if (twice <= dx) {
                error += dx;
                y0 += sy;
            }
        }
    }
    // A one-pixel circle (midpoint algorithm).
    void circle(int cx, int cy, int radius, Rgb8 c) {
        int x = radius;
        int y = 0;
        int error = 1 - radius;
        while (x >= y) {
            for (auto [px, py] : {std::pair{x, y}, {y, x}, {-y, x}, {-x, y}}) {
                dot(cx + px, cy + py, c);
                dot(cx - px, cy - py, c);
            }
            ++y;
            if (error < 0) {
                error += 2 * y + 1;
            } else {
                --x;
                error += 2 * (y - x) + 1;
            }
        }
    }
    // Copies of `tile` side by side over the area, the first one's top-left
    // corner at (originX, originY).
    void tile(const Image& tile, int left, int top, int right, int bottom, int originX,
              int originY) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const int tx = ((x - originX) % tile.width + tile.width) % tile.width;
                const int ty = ((y - originY) % tile.height + tile.height) % tile.height;
                dot(x, y, tile.at(tx, ty));
            }
        }
    }

    Image take() { return std::move(image_); }

  private:
    Image image_;
};

const Image& namedBitmap(const char* name) {
    static const std::vector<NamedImage> bitmaps = drawPatternBitmaps();
    for (const NamedImage& bitmap : bitmaps) {
        if (bitmap.name == name) {
            return bitmap.image;
        }
    }
    static const Image none = Thumb(kBlack).take();
    return none;
}

// Grid lines from the centre outwards both ways, as the patterns mirror them.
std::vector<int> mirroredGrid(int centre, int spacing, int limit) {
    std::vector<int> lines = gridPositions(centre, spacing, limit);
    for (int p : gridPositions(centre + spacing, spacing, limit)) {
        lines.push_back(2 * centre - p);
    }
    return lines;
}

Image crosshatch(bool inverted) {
    const Rgb8 ink = inverted ? kBlack : kWhite;
    Thumb t(inverted ? kWhite : kBlack);
    const int cx = kW / 2;
    const int cy = kH / 2;
    // Wider squares and one circle: the pattern's finer grid and inner
    // circle would fill so small a screen.
    const int spacing = 8;
    for (int y : mirroredGrid(cy, spacing, kH)) {
        t.line(0, y, kW, y, ink);
    }
    for (int x : mirroredGrid(cx, spacing, kW)) {
        t.line(x, 0, x, kH, ink);
    }
    t.circle(cx, cy, kH / 2, ink);
    const int left = cx - kH / 2;
    const int right = cx + kH / 2;
    t.line(left, 0, right, kH, ink);
    t.line(right, 0, left, kH, ink);
    t.outline(0, 0, kW, kH, ink);
    return t.take();
}

// Red, green and blue marks of the convergence patterns, coloured by the
// painter's rule (k + j + 2) mod 3.
Image convergence(bool horizontalBars, bool verticalBars) {
    Thumb t(kBlack);
    t.outline(0, 0, kW, kH, kWhite);
    const Rgb8 colours[] = {kRed, kGreen, kBlue};
    const int d = 2;
    const std::vector<int> xs = gridPositions(kW / 2, kGrid, kW);
    const std::vector<int> ys = gridPositions(kGrid / 2, kGrid, kH);
    for (size_t k = 0; k < xs.size(); ++k) {
        for (size_t j = 0; j < ys.size(); ++j) {
            const Rgb8 c = colours[(k + j + 2) % 3];
            for (int x : {xs[k], kW - xs[k]}) {
                if (horizontalBars) {
                    t.line(x - d, ys[j], x + d + 1, ys[j], c);
                }
                if (verticalBars) {
                    t.line(x, ys[j] - d, x, ys[j] + d + 1, c);
                }
            }
        }
    }
    return t.take();
}

// Columns of the ramps: level 0 at the left edge, 255 at the right.
constexpr int kRampLeft = 2;
constexpr int kRampRight = kW - 2;
int rampLevel(int x) {
    return (x - kRampLeft) * 256 / (kRampRight - kRampLeft);
}

// Pattern 5: moiré strips, seven pairs of ramps and the hue ramp on grey,
// in the pattern's bands (each band full height: a band here is one or two
// pixels).
Image colourRamps() {
    Thumb t(greyOf(128));
    t.outline(0, 0, kW, kH, kBlack);
    const char* strips[] = {"MOIRE2", "MOIRE", "MOIRE4", "MOIRE3"};
    for (int k = 0; k < 4; ++k) {
        t.tile(namedBitmap(strips[k]), kRampLeft, rampPercent(kH, 5 + 5 * k), kRampRight,
               rampPercent(kH, 10 + 5 * k), 0, 0);
    }
    const RampColour bands[] = {{1, 1, 1}, {1, 1, 0}, {1, 0, 1}, {0, 1, 1},
                                {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int b = 0; b < 7; ++b) {
        const int upper = rampPercent(kH, 25 + 10 * b);
        const int lower = rampPercent(kH, 30 + 10 * b);
        const int end = rampPercent(kH, 35 + 10 * b);
        for (int x = kRampLeft; x < kRampRight; ++x) {
            const int rising = rampLevel(x);
            const int falling = 255 - rising;
            const RampColour& m = bands[b];
            t.fill(x, upper, x + 1, lower,
                   colourOf({rising * m.red, rising * m.green, rising * m.blue}));
            t.fill(x, lower, x + 1, end,
                   colourOf({falling * m.red, falling * m.green, falling * m.blue}));
        }
    }
    for (int x = kRampLeft; x < kRampRight; ++x) {
        t.fill(x, rampPercent(kH, 95), x + 1, kH - 1, colourOf(hueRampColour(3 * rampLevel(x))));
    }
    return t.take();
}

// Patterns 11 to 13 by the painter's rule: a square of side W/3 in the middle.
Image centrePatch(Rgb8 background, Rgb8 patch, Rgb8 outline) {
    Thumb t(background);
    t.outline(0, 0, kW, kH, outline);
    const int top = kH / 2 - kW / 6;
    const int bottom = kH / 2 + kW / 6;
    t.fill(kW / 3, top, 2 * kW / 3, bottom, patch);
    t.outline(kW / 3, top, 2 * kW / 3, bottom, outline);
    return t.take();
}

Image edges(bool sides) {
    Thumb t(kBlack);
    t.line(0, 0, kW, 0, kWhite);
    t.line(0, kH - 1, kW, kH - 1, kWhite);
    if (sides) {
        t.line(0, 0, 0, kH, kWhite);
        t.line(kW - 1, 0, kW - 1, kH, kWhite);
    }
    return t.take();
}

// Pattern 16 closes the window: a dark screen struck through, on the
// button face.
Image patternOff() {
    const int w = kPatternButtonBitmapWidth;
    const int h = kPatternButtonBitmapHeight;
    Thumb t(kGreyKey, w, h);
    t.fill(5, 4, w - 5, h - 6, greyOf(32));
    t.outline(4, 3, w - 4, h - 5, greyOf(96));
    t.fill(13, h - 5, w - 13, h - 3, greyOf(96));
    for (int shift : {0, 1}) {
        t.line(10 + shift, 8, w - 9 + shift, h - 9, kRed);
        t.line(w - 10 - shift, 8, 9 - shift, h - 9, kRed);
    }
    return t.take();
}

// The little screen in its bezel, so that edge lines show against the
// button face.
Image inBezel(const Image& screen) {
    Thumb t(kBezel, kPatternButtonBitmapWidth, kPatternButtonBitmapHeight);
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            t.dot(x + 1, y + 1, screen.at(x, y));
        }
    }
    return t.take();
}

// Pattern 18: the four text samples in bands, each shifted up so that its
// letters show in a band only a few pixels high.
Image textSample() {
    Thumb t(kBlack);
    const char* names[] = {"TEXT1", "TEXT2", "TEXT3", "TEXT4"};
    for (int band = 0; band < 4; ++band) {
        const int top = band * kH / 4;
        t.tile(namedBitmap(names[band]), 0, top, kW, (band + 1) * kH / 4, -3, top - 3);
    }
    return t.take();
}

// Patterns 19 and 20 by the painter's rule: 2n squares per height.
Image checkerboard(int n) {
    Thumb t(kBlack);
    const int q = kH / (2 * n);
    const int b = kH / n;
    for (int x = 0; x < kW; x += b) {
        for (int y = 0; y < kH; y += b) {
            t.fill(x, y, x + q, y + q, kWhite);
            t.fill(x + q, y + q, x + b, y + b, kWhite);
        }
    }
    t.outline(0, 0, kW, kH, kWhite);
    return t.take();
}

// Patterns 23 and 24: the painter's squares and grey ramp, without the
// labels (too small to read here).
Image colourAndGreyscale(bool inverted) {
    const Rgb8 ink = inverted ? kBlack : kWhite;
    Thumb t(inverted ? kWhite : kBlack);
    t.outline(0, 0, kW, kH, ink);
    const Rgb8 top[] = {kRed, kGreen, kBlue, kBlack};
    const Rgb8 bottom[] = {greyOf(64), greyOf(128), greyOf(192), kWhite};
    for (int k = 0; k < 4; ++k) {
        const int left = kW * (3 * k + 1) / 13;
        const int right = kW * (3 * k + 3) / 13 + 1;
        t.fill(left, kH / 10, right, 3 * kH / 10, top[k]);
        t.outline(left, kH / 10, right, 3 * kH / 10, ink);
        t.fill(left, 7 * kH / 10, right, 9 * kH / 10, bottom[k]);
        t.outline(left, 7 * kH / 10, right, 9 * kH / 10, ink);
    }
    for (int x = kRampLeft + 1; x < kRampRight - 1; ++x) {
        t.fill(x, kH * 4 / 10, x + 1, kH * 6 / 10, greyOf(rampLevel(x)));
    }
    t.outline(kRampLeft, kH * 4 / 10 - 1, kRampRight, kH * 6 / 10 + 1, greyOf(192));
    return t.take();
}

// Pattern 28: the composite pattern's cells and moiré blocks, two pixels a
// cell and without the grid lines, and its two bars.
Image composite() {
    Thumb t(greyOf(127));
    const int cell = 2;
    const int gx = kW / 2 - 6 * cell;
    const int gy = kH / 2 - 6 * cell;
    auto fillCell = [&](int column, int row, Rgb8 c) {
        t.fill(gx + column * cell, gy + row * cell, gx + (column + 1) * cell, gy + (row + 1) * cell,
               c);
    };
    for (const CompositeCell& c : compositeCells()) {
        fillCell(c.column, c.row, colourOf(c.colour));
    }
    for (auto [column, row] : {std::pair{0, 0}, {10, 0}, {0, 10}, {10, 10}, {5, 5}}) {
        t.tile(namedBitmap("MOIRE"), gx + column * cell, gy + row * cell, gx + (column + 2) * cell,
               gy + (row + 2) * cell, 0, 0);
    }
    const int left = 7 * kW / 24;
    t.fill(left, 13 * kH / 48, kW - left, 15 * kH / 48 + 1, kWhite);
    t.fill(left, 33 * kH / 48, kW - left, 35 * kH / 48 + 1, kBlack);
    t.outline(0, 0, kW, kH, kWhite);
    return t.take();
}

Image solid(Rgb8 colour) {
    Thumb t(colour);
    return t.take();
}

Image drawPattern(int pattern) {
    const Rgb8 yellow = {255, 255, 0};
    const Rgb8 magenta = {255, 0, 255};
    const Rgb8 cyan = {0, 255, 255};
    switch (pattern) {
        case 1:
        case 2:
            return crosshatch(pattern == 2);
        case 3:
            return convergence(true, true);
        case 4: {
            Thumb t(kBlack);
            t.tile(namedBitmap("H"), 0, 0, kW, kH, 0, 0);
            return t.take();
        }
        case 5:
            return colourRamps();
        case 6:
            return solid(kBlack);
        case 7:
            return solid(kRed);
        case 8:
            return solid(kGreen);
        case 9:
            return solid(kBlue);
        case 10:
            return solid(kWhite);
        case 11:
            return centrePatch(kBlack, kGreen, kGreen);
        case 12:
            return centrePatch(kBlack, kWhite, kWhite);
        case 13:
            return centrePatch(kWhite, kBlack, kWhite);
        case 14:
        case 15:
            return edges(pattern == 15);
        case 17: {
            Thumb t(kBlack);
            t.tile(namedBitmap("MOIRE"), 0, 0, kW, kH, 0, 0);
            t.outline(0, 0, kW, kH, kBlack);
            return t.take();
        }
        case 18:
            return textSample();
        case 19:
            return checkerboard(4);
        case 20:
            return checkerboard(6);
        case 21:
            return convergence(true, false);
        case 22:
            return convergence(false, true);
        case 23:
        case 24:
            return colourAndGreyscale(pattern == 24);
        case 25:
            return solid(yellow);
        case 26:
            return solid(magenta);
        case 27:
            return solid(cyan);
        default:
            return composite();
    }
}

// The program replaces the key grey with the button face; a pattern's own
// light grey moves one step so that it stays.
void keepOffKey(Image& image) {
    for (Rgb8& pixel : image.pixels) {
        if (pixel == kGreyKey) {
            pixel = {193, 193, 193};
        }
    }
}

}  // namespace

std::vector<NumberedImage> drawPatternButtons() {
    std::vector<NumberedImage> pictures;
    for (int pattern = 1; pattern <= kPatternCount; ++pattern) {
        Image image = patternOff();
        if (pattern != kPatternOff) {
            image = inBezel(drawPattern(pattern));
            keepOffKey(image);
        }
        pictures.push_back({patternButtonBitmap(pattern), std::move(image)});
    }
    std::sort(pictures.begin(), pictures.end(),
              [](const NumberedImage& a, const NumberedImage& b) { return a.id < b.id; });
    return pictures;
}

}  // namespace art
