#include "patterns/pattern_painter.h"

#include "patterns/pattern_drawing.h"
#include "patterns/pixels/pattern_geometry.h"

bool PatternPens::create() {
    auto pen = [](COLORREF colour) { return ScopedPen(CreatePen(PS_SOLID, 1, colour)); };
    white_ = pen(RGB(255, 255, 255));
    red_ = pen(RGB(255, 0, 0));
    green_ = pen(RGB(0, 255, 0));
    blue_ = pen(RGB(0, 0, 255));
    lightGrey_ = pen(RGB(192, 192, 192));
    black_ = pen(RGB(0, 0, 0));
    return white_ && red_ && green_ && blue_ && lightGrey_ && black_;
}

void PatternPens::destroy() {
    for (ScopedPen* pen : {&white_, &red_, &green_, &blue_, &lightGrey_, &black_}) {
        pen->reset();
    }
}

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// Patterns 6 to 10 and 25 to 27.
struct SolidPattern {
    int pattern;
    COLORREF colour;
};
constexpr SolidPattern kSolids[] = {
    {6, kBlack},
    {7, RGB(255, 0, 0)},
    {8, kGreen},
    {9, RGB(0, 0, 255)},
    {10, kWhite},
    {25, RGB(255, 255, 0)},
    {26, RGB(255, 0, 255)},
    {27, RGB(0, 255, 255)},
};

bool invertedPattern(int pattern) {
    return pattern == 2 || pattern == 13 || pattern == 24;
}

// Whether the pattern itself covers every pixel, whatever loads.
bool coversWholeWindow(int pattern) {
    for (const SolidPattern& solid : kSolids) {
        if (solid.pattern == pattern) {
            return true;
        }
    }
    // The tiled patterns fill with black themselves where a bitmap is missing.
    return pattern == 4 || pattern == 5 || (pattern >= 11 && pattern <= 13) || pattern == 17 ||
           pattern == 18 || pattern == 28;
}

// Patterns 11 to 13: a square of side W/3 in the middle, on a frame of the
// same outline colour.
void paintCentrePatch(const PatternSurface& s, int pattern) {
    const bool green = pattern == 11;
    HPEN outline = green ? s.pens.green() : s.pens.white();
    const COLORREF background = pattern == 13 ? kWhite : kBlack;
    const COLORREF patch = green ? kGreen : pattern == 12 ? kWhite : kBlack;
    fillArea(s, 0, 0, s.w, s.h, background);
    outlinedRectangle(s.dc, outline, nullptr, 0, 0, s.w, s.h);
    fillArea(s, s.w / 3, s.h / 2 - s.w / 6, 2 * s.w / 3, s.h / 2 + s.w / 6, patch);
    outlinedRectangle(s.dc, outline, nullptr, s.w / 3, s.h / 2 - s.w / 6, 2 * s.w / 3,
                      s.h / 2 + s.w / 6);
}

// Patterns 14 and 15: lines along the edges. Each line runs to the far
// edge, so the last column and row are lit too.
void paintOutline(const PatternSurface& s, bool sides) {
    line(s.dc, s.pens.white(), 0, 0, s.w, 0);
    line(s.dc, s.pens.white(), 0, s.h - 1, s.w, s.h - 1);
    if (sides) {
        line(s.dc, s.pens.white(), 0, 0, 0, s.h);
        line(s.dc, s.pens.white(), s.w - 1, 0, s.w - 1, s.h);
    }
}

// Pattern 4: the "H" bitmap side by side from the top-left corner, laid
// exactly where one copy after another would go.
// Without the bitmap the screen stays black.
void paintFocus(const PatternSurface& s) {
    const PatternTile letters(s, L"H");
    if (!letters) {
        return fillArea(s, 0, 0, s.w, s.h, kBlack);
    }
    letters.fill(RECT{0, 0, s.w, s.h}, POINT{0, 0});
}

// Pattern 17; without the bitmap the screen stays black.
void paintMoire(const PatternSurface& s) {
    const PatternTile moire(s, L"MOIRE");
    if (!moire) {
        return fillArea(s, 0, 0, s.w, s.h, kBlack);
    }
    moire.fill(RECT{0, 0, s.w, s.h}, POINT{0, 0});
    outlinedRectangle(s.dc, s.pens.black(), nullptr, 0, 0, s.w, s.h);
}

// Pattern 18: four bands of text samples, each tiled from its band's top; a
// bitmap that can't be loaded ends the pattern there, black below.
void paintTextSample(const PatternSurface& s) {
    const wchar_t* const names[] = {L"TEXT1", L"TEXT2", L"TEXT3", L"TEXT4"};
    for (int band = 0; band < 4; ++band) {
        const PatternTile text(s, names[band]);
        const int top = band * s.h / 4;
        if (!text) {
            return fillArea(s, 0, top, s.w, s.h, kBlack);
        }
        text.fill(RECT{0, top, s.w, (band + 1) * s.h / 4}, POINT{0, top});
    }
}

// Patterns 19 and 20: 2n squares per screen height.
void paintCheckerboard(const PatternSurface& s, int n) {
    const int q = s.h / (2 * n);
    const int b = s.h / n;
    if (b <= 0 || s.pixels.empty()) {
        outlinedRectangle(s.dc, s.pens.white(), nullptr, 0, 0, s.w, s.h);
        for (int x = 0; b > 0 && x < s.w; x += b) {
            for (int y = 0; y < s.h; y += b) {
                fillArea(s, x, y, x + q, y + q, kWhite);
                fillArea(s, x + q, y + q, x + b, y + b, kWhite);
            }
        }
        return;
    }
    // On pixel memory each half row of squares is painted on its first row
    // and copied down; the white outline, drawn last, is white on white
    // where it meets a square, so the order makes no difference.
    for (int y = 0; y < s.h; y += b) {
        for (const Span half : {Span{0, q}, Span{q, b}}) {
            const int top = y + half.from;
            for (int x = 0; x < s.w; x += b) {
                fillArea(s, x + half.from, top, x + half.to, top + 1, kWhite);
            }
            repeatRow(s, top, top + 1, y + half.to);
        }
    }
    outlinedRectangle(s.dc, s.pens.white(), nullptr, 0, 0, s.w, s.h);
}

void paintBody(const PatternSurface& s, int pattern) {
    for (const SolidPattern& solid : kSolids) {
        if (solid.pattern == pattern) {
            return fillArea(s, 0, 0, s.w, s.h, solid.colour);
        }
    }
    switch (pattern) {
        case 1:
        case 2:
            return paintCrosshatch(s, pattern == 2);
        case 3:
            return paintConvergence(s, true, true);
        case 21:
            return paintConvergence(s, true, false);
        case 22:
            return paintConvergence(s, false, true);
        case 4:
            return paintFocus(s);
        case 5:
            return paintColourRamps(s);
        case 11:
        case 12:
        case 13:
            return paintCentrePatch(s, pattern);
        case 14:
        case 15:
            return paintOutline(s, pattern == 15);
        case 17:
            return paintMoire(s);
        case 18:
            return paintTextSample(s);
        case 19:
            return paintCheckerboard(s, 4);
        case 20:
            return paintCheckerboard(s, 6);
        case 23:
        case 24:
            return paintColourAndGreyscale(s, pattern == 24);
        case 28:
            return paintComposite(s);
        default:
            return;
    }
}

}  // namespace

int paintPattern(HDC dc, int pattern, int width, int height, const PatternPens& pens) {
    if (!dc || width <= 0 || height <= 0) {
        return 0;
    }
    // Pens, brushes, colours, alignment and brush origin all come back at
    // the end of the paint.
    const int saved = SaveDC(dc);
    const PatternSurface surface{dc, width, height, pens, directPixels(dc, width, height)};
    // Patterns that cover the whole window with their first fill start
    // from it; the others from black (white when inverted).
    if (!coversWholeWindow(pattern)) {
        fillArea(surface, 0, 0, width, height, invertedPattern(pattern) ? kWhite : kBlack);
    }
    if (pattern != kPatternOff) {
        paintBody(surface, pattern);
    }
    RestoreDC(dc, saved);
    return 0;
}
