// The patterns with colour ramps: colour, greyscale and moiré (5) and
// colour and greyscale (23, and 24 inverted).
#include <functional>
#include <string>

#include "draw/draw_resources.h"
#include "patterns/pattern_drawing.h"
#include "patterns/pixels/pattern_geometry.h"

namespace {

// One band of ramp steps: every column of the step, all rows but the band's
// last, which stays in the background between the bands.
void fillStep(const PatternSurface& s, Span columns, int top, int bottom, COLORREF colour) {
    fillArea(s, columns.from, top, columns.to, bottom - 1, colour);
}

// A band of ramp steps: `paintSteps(top, bottom)` fills every step of the
// band with fillStep. Every row of a band is the same, so on pixel memory
// the steps go into its first row only, which is then copied down.
void paintBand(const PatternSurface& s, int top, int bottom,
               const std::function<void(int, int)>& paintSteps) {
    if (s.pixels.empty() || bottom - top < 2) {
        paintSteps(top, bottom);
        return;
    }
    paintSteps(top, top + 2);
    repeatRow(s, top, top + 1, bottom - 1);
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
        const auto colour = [&](int i) { return RGB(i * band.red, i * band.green, i * band.blue); };
        paintBand(s, upperTop, lowerTop, [&](int top, int bottom) {
            for (int i = 0; i < 256; ++i) {
                fillStep(s, upperRampStep(centre, step, i), top, bottom, colour(i));
            }
        });
        paintBand(s, lowerTop, lowerBottom, [&](int top, int bottom) {
            for (int i = 0; i < 256; ++i) {
                fillStep(s, lowerRampStep(centre, step, i), top, bottom, colour(i));
            }
        });
    }
}

// Three hue steps share each column; the last of the three is the one seen.
void paintHueRamp(const PatternSurface& s, int centre, int step) {
    paintBand(s, rampPercent(s.h, 95), s.h, [&](int top, int bottom) {
        for (int column = 0; column < 256; ++column) {
            const RampColour c = hueRampColour(3 * column + 2);
            fillStep(s, upperRampStep(centre, step, column), top, bottom,
                     RGB(c.red, c.green, c.blue));
        }
    });
}

void paintMoireStrips(const PatternSurface& s, int centre, int step) {
    const struct {
        const wchar_t* bitmap;
        int topPercent;
    } strips[] = {{L"MOIRE2", 5}, {L"MOIRE", 10}, {L"MOIRE4", 15}, {L"MOIRE3", 20}};
    for (const auto& strip : strips) {
        const PatternTile tile(s, strip.bitmap);
        if (tile) {
            const RECT area{centre - 128 * step, rampPercent(s.h, strip.topPercent),
                            centre + 128 * step, rampPercent(s.h, strip.topPercent + 5)};
            tile.fill(area, POINT{0, 0});
            outlinedRectangle(s.dc, s.pens.black(), nullptr, area.left, area.top, area.right,
                              area.bottom);
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
    const COLORREF grey = RGB(128, 128, 128);
    const int bandsTop = rampPercent(s.h, 25);
    if (s.pixels.empty()) {
        fillArea(s, 0, 0, s.w, s.h, grey);
    } else {
        // Inside the bands every row is copied whole from the band's first
        // row: only those first rows and the rows between bands need grey.
        fillArea(s, 0, 0, s.w, bandsTop, grey);
        for (int band = 0; band < 15; ++band) {
            const int top = rampPercent(s.h, 25 + 5 * band);
            const int bottom = band < 14 ? rampPercent(s.h, 30 + 5 * band) : s.h;
            fillArea(s, 0, top, s.w, top + 1, grey);
            fillArea(s, 0, bottom - 1, s.w, bottom, grey);
        }
    }
    outlinedRectangle(s.dc, s.pens.black(), nullptr, 0, 0, s.w, s.h);
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
    paintBand(s, rampTop, rampBottom, [&](int top, int bottom) {
        for (int step = 0; step <= 128; ++step) {
            const int level = greyRampLevel(step);
            fillStep(s, greyRampStep(w, step), top, bottom, RGB(level, level, level));
        }
    });
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
