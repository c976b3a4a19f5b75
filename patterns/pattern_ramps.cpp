// The patterns with colour ramps: colour, greyscale and moiré (5) and
// colour and greyscale (23, and 24 inverted).
#include <string>

#include "draw/draw_resources.h"
#include "patterns/pattern_drawing.h"
#include "patterns/pixels/pattern_geometry.h"

namespace {

// One band of ramp steps: every column of the step, all rows but the band's
// last, which stays in the background between the bands.
void fillStep(HDC dc, Span columns, int top, int bottom, COLORREF colour) {
    fillArea(dc, columns.from, top, columns.to, bottom - 1, colour);
}

// Level i of each ramp colour.
struct RampBand {
    int topPercent;  // the upper ramp; the lower one follows it
    int red, green, blue;
};
constexpr RampBand kRampBands[] = {
    {25, 1, 1, 1}, {35, 1, 1, 0}, {45, 1, 0, 1}, {55, 0, 1, 1},
    {65, 1, 0, 0}, {75, 0, 1, 0}, {85, 0, 0, 1},
};

void paintRampPairs(const PatternSurface& s, int centre, int step) {
    for (const RampBand& band : kRampBands) {
        const int upperTop = rampPercent(s.h, band.topPercent);
        const int lowerTop = rampPercent(s.h, band.topPercent + 5);
        const int lowerBottom = rampPercent(s.h, band.topPercent + 10);
        for (int i = 0; i < 256; ++i) {
            const COLORREF colour = RGB(i * band.red, i * band.green, i * band.blue);
            fillStep(s.dc, upperRampStep(centre, step, i), upperTop, lowerTop, colour);
            fillStep(s.dc, lowerRampStep(centre, step, i), lowerTop, lowerBottom, colour);
        }
    }
}

// Three hue steps share each column; the last of the three is the one seen.
void paintHueRamp(const PatternSurface& s, int centre, int step) {
    const int top = rampPercent(s.h, 95);
    for (int column = 0; column < 256; ++column) {
        const RampColour c = hueRampColour(3 * column + 2);
        fillStep(s.dc, upperRampStep(centre, step, column), top, s.h, RGB(c.red, c.green, c.blue));
    }
}

void paintMoireStrips(const PatternSurface& s, int centre, int step) {
    const struct {
        const wchar_t* bitmap;
        int topPercent;
    } strips[] = {{L"MOIRE2", 5}, {L"MOIRE", 10}, {L"MOIRE4", 15}, {L"MOIRE3", 20}};
    for (const auto& strip : strips) {
        ScopedBrush brush = namedBitmapBrush(strip.bitmap);
        if (brush) {
            outlinedRectangle(s.dc, s.pens.black(), brush.get(), centre - 128 * step,
                              rampPercent(s.h, strip.topPercent), centre + 128 * step,
                              rampPercent(s.h, strip.topPercent + 5));
        }
    }
}

// A label or caption centred above `x`, its bottom on `y`, on the
// pattern's background.
void caption(HDC dc, int x, int y, const std::wstring& text) {
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

// The labels' font: the user interface's face, which has the Japanese
// letters the device context's own font may lack, at that font's height.
ScopedFont patternLabelFont(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int height = metrics.tmHeight > 0 ? metrics.tmHeight : 16;
    return ScopedFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, loadStringResource(IDS_UI_FONT_FACE).c_str()));
}

void paintColourRamps(const PatternSurface& s) {
    const int centre = s.w / 2;
    const int step = rampStepWidth(s.w);
    ScopedBrush grey(CreateSolidBrush(RGB(128, 128, 128)));
    outlinedRectangle(s.dc, s.pens.black(), grey.get(), 0, 0, s.w, s.h);
    paintRampPairs(s, centre, step);
    paintHueRamp(s, centre, step);
    paintMoireStrips(s, centre, step);
}

void paintColourAndGreyscale(const PatternSurface& s, bool inverted) {
    HDC dc = s.dc;
    const int w = s.w;
    const int h = s.h;
    HPEN pen = inverted ? s.pens.black() : s.pens.white();
    const COLORREF ink = inverted ? RGB(0, 0, 0) : RGB(255, 255, 255);
    const COLORREF paper = inverted ? RGB(255, 255, 255) : RGB(0, 0, 0);
    SetTextColor(dc, ink);
    SetBkColor(dc, paper);
    SetBkMode(dc, OPAQUE);
    SetTextAlign(dc, TA_BOTTOM | TA_CENTER);
    // Declared in this order so the font is selected out before it goes.
    ScopedFont font = patternLabelFont(dc);
    ScopedSelectObject selectFont(dc, font.get());
    {
        ScopedSelectObject selectPen(dc, pen);
        const POINT frame[] = {{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}, {0, 0}};
        Polyline(dc, frame, static_cast<int>(std::size(frame)));
    }
    const COLORREF top[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(0, 0, 0)};
    const COLORREF bottom[] = {RGB(64, 64, 64), RGB(128, 128, 128), RGB(192, 192, 192),
                               RGB(255, 255, 255)};
    for (int k = 0; k < 4; ++k) {
        const int left = w * (3 * k + 1) / 13;
        const int right = w * (3 * k + 3) / 13;
        const int middle = w * (3 * k + 2) / 13;
        caption(dc, middle, h / 10, loadStringResource(IDS_PATTERN_LABEL_RED + k));
        ScopedBrush upper(CreateSolidBrush(top[k]));
        outlinedRectangle(dc, pen, upper.get(), left, h / 10, right, 3 * h / 10);
        caption(dc, middle, 7 * h / 10, loadStringResource(IDS_PATTERN_LABEL_WHITE_25 + k));
        ScopedBrush lower(CreateSolidBrush(bottom[k]));
        outlinedRectangle(dc, pen, lower.get(), left, 7 * h / 10, right, 9 * h / 10);
    }
    const int rampTop = h * 4 / 10;
    const int rampBottom = h * 6 / 10;
    for (int step = 0; step <= 128; ++step) {
        const int level = greyRampLevel(step);
        fillStep(dc, greyRampStep(w, step), rampTop, rampBottom, RGB(level, level, level));
    }
    const int s8 = rampStepWidth(w);
    {
        ScopedSelectObject selectPen(dc, s.pens.lightGrey());
        const int left = w / 2 - 132 * s8;
        const int right = w / 2 + 128 * s8 + 1;
        const POINT frame[] = {{left, rampTop - 2},
                               {right, rampTop - 2},
                               {right, rampBottom},
                               {left - 1, rampBottom},
                               {left - 1, rampTop - 2}};
        Polyline(dc, frame, static_cast<int>(std::size(frame)));
    }
    const bool squarePixels = GetDeviceCaps(dc, LOGPIXELSX) == GetDeviceCaps(dc, LOGPIXELSY);
    wchar_t text[128];
    swprintf(
        text, std::size(text),
        loadStringResource(squarePixels ? IDS_PATTERN_SQUARE_PIXELS : IDS_PATTERN_OBLONG_PIXELS)
            .c_str(),
        w, h);
    caption(dc, w / 2, h, text);
}
