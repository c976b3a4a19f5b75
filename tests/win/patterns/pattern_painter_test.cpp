// The painter on memory canvases at the resolutions monitors run at: each
// pattern's pixels where the pattern pins them down, and the device
// context handed back as it came.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "draw/draw_resources.h"
#include "patterns/pattern_drawing.h"
#include "patterns/pattern_overlay.h"
#include "patterns/pattern_painter.h"
#include "patterns/pixels/hint_arrows.h"
#include "patterns/pixels/pattern_geometry.h"
#include "tests/win/draw/draw_test_support.h"
#include "tests/win/support/gui_object_counts.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);

struct Resolution {
    int w;
    int h;
    int step;  // width of one step of the 256-step ramps
};
constexpr Resolution kResolutions[] = {
    {1280, 1024, 4}, {1024, 768, 3}, {800, 600, 2}, {1920, 1080, 6}};

std::string nameOf(const Resolution& r) {
    return std::to_string(r.w) + "x" + std::to_string(r.h);
}

// Which moiré bitmap tiles the area right of and below (x, y), told apart by
// whether neighbours one and two pixels away, across and down, differ.
std::string moireAt(const Canvas& canvas, int x, int y) {
    bool across1 = false, down1 = false, across2 = true, down2 = true, twoColours = true;
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            const COLORREF p = canvas.pixel(x + i, y + j);
            twoColours &= p == kBlack || p == kWhite;
            across1 |= p != canvas.pixel(x + i + 1, y + j);
            down1 |= p != canvas.pixel(x + i, y + j + 1);
            across2 &= p != canvas.pixel(x + i + 2, y + j);
            down2 &= p != canvas.pixel(x + i, y + j + 2);
        }
    }
    if (!twoColours) {
        return "not black and white";
    }
    return across1 && down1 ? "MOIRE2"  // one-pixel checkerboard
           : across2        ? "MOIRE4"  // two-pixel vertical stripes
           : down2          ? "MOIRE5"  // two-pixel horizontal stripes
           : across1        ? "MOIRE"   // one-pixel vertical lines
           : down1          ? "MOIRE3"  // one-pixel horizontal lines
                            : "plain";
}

// How many of the first `height` rows of two device contexts' pixels differ.
int differingRows(HDC first, HDC second, int width, int height) {
    const PixelView a = pixelsOfDc(first);
    const PixelView b = pixelsOfDc(second);
    int rows = 0;
    for (int y = 0; y < height; ++y) {
        rows += !std::equal(a.row(y), a.row(y) + width, b.row(y));
    }
    return rows;
}

class PatternPainterTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(pens_.create()); }

    // A canvas of `r` with pattern `pattern` painted on it.
    std::unique_ptr<Canvas> painted(int pattern, const Resolution& r) {
        auto canvas = std::make_unique<Canvas>(r.w, r.h);
        EXPECT_EQ(paintPattern(canvas->dc(), pattern, r.w, r.h, pens_), 0);
        return canvas;
    }

    PatternPens pens_;
};

// The patterns whose layout scales with the screen, at each resolution.
class PatternAtEachResolution : public PatternPainterTest,
                                public ::testing::WithParamInterface<Resolution> {};

INSTANTIATE_TEST_SUITE_P(Resolutions, PatternAtEachResolution, ::testing::ValuesIn(kResolutions),
                         [](const auto& info) { return nameOf(info.param); });

TEST_F(PatternPainterTest, SolidPatternsCoverTheWholeScreen) {
    const struct {
        int pattern;
        COLORREF colour;
    } cases[] = {{6, kBlack},  {7, kRed},     {8, kGreen},    {9, kBlue},
                 {10, kWhite}, {25, kYellow}, {26, kMagenta}, {27, kCyan},
                 {16, kBlack}, {0, kBlack},   {29, kBlack}};
    const Resolution r = kResolutions[2];
    for (const auto& c : cases) {
        auto canvas = painted(c.pattern, r);
        for (POINT p : {POINT{0, 0}, POINT{r.w - 1, r.h - 1}, POINT{r.w / 2, r.h / 2}}) {
            EXPECT_EQ(canvas->pixel(p.x, p.y), c.colour) << "pattern " << c.pattern;
        }
    }
}

// Pattern 5's ramps: every column of a yellow band belongs to a step of the
// right level (no column left in the background, steps `step` wide and
// centred), the seven pairs of bands in their order, the hue ramp through
// every hue without flat segments with the hue hints' arrows on their own
// hues, and the four moiré strips above, in their order.
TEST_P(PatternAtEachResolution, ColourRampsStepEvenlyThroughEveryHueBesideTheMoireStrips) {
    const Resolution& r = GetParam();
    auto canvas = painted(5, r);
    const int c = r.w / 2;
    const int left = c - 128 * r.step;
    const int upper = r.h * 35 / 100 + 1;  // yellow, rising to the right
    const int lower = r.h * 40 / 100 + 1;  // yellow, rising to the left
    int wrong = 0;
    for (int x = left; x < c + 128 * r.step; ++x) {
        const int level = (x - left) / r.step;
        wrong += canvas->pixel(x, upper) != RGB(level, level, 0);
        wrong += canvas->pixel(x, lower) != RGB(255 - level, 255 - level, 0);
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(canvas->pixel(left - 1, upper), RGB(128, 128, 128));
    EXPECT_EQ(canvas->pixel(c + 128 * r.step, upper), RGB(128, 128, 128));
    EXPECT_EQ(canvas->pixel(c, upper), RGB(128, 128, 0));
    // The last row of each band stays in the background between bands.
    EXPECT_EQ(canvas->pixel(c + 4, r.h * 40 / 100 - 1), RGB(128, 128, 128));
    EXPECT_EQ(canvas->pixel(c + 4, r.h * 40 / 100), RGB(127 - 4 / r.step, 127 - 4 / r.step, 0));
    // Level 200 of each pair, upper band then lower, from 25% of the height down.
    const COLORREF bands[] = {RGB(200, 200, 200), RGB(200, 200, 0), RGB(200, 0, 200),
                              RGB(0, 200, 200),   RGB(200, 0, 0),   RGB(0, 200, 0),
                              RGB(0, 0, 200)};
    for (int band = 0; band < 7; ++band) {
        EXPECT_EQ(canvas->pixel(c + 72 * r.step, r.h * (25 + 10 * band) / 100 + 1), bands[band])
            << band;
        EXPECT_EQ(canvas->pixel(c - 73 * r.step, r.h * (30 + 10 * band) / 100 + 1), bands[band])
            << band;
    }

    // Column m of the hue ramp shows its step 3m + 2.
    const int hueRow = r.h * 95 / 100 + 1;
    const struct {
        int column;
        COLORREF colour;
    } hues[] = {
        {0, RGB(255, 4, 0)},     {42, RGB(255, 255, 0)},  {80, RGB(27, 255, 0)},
        {100, RGB(0, 255, 92)},  {150, RGB(0, 119, 255)}, {170, RGB(0, 0, 255)},
        {200, RGB(180, 0, 255)}, {230, RGB(255, 0, 151)}, {255, RGB(255, 0, 1)},
    };
    for (const auto& hue : hues) {
        EXPECT_EQ(canvas->pixel(left + hue.column * r.step + r.step - 1, hueRow), hue.colour)
            << "column " << hue.column;
    }
    // The arrow of the hue of red ... magenta points down at that hue.
    const COLORREF pure[] = {kRed, kYellow, kGreen, kCyan, kBlue, kMagenta};
    for (int k = 0; k < 6; ++k) {
        const ArrowStroke shaft = hintDrawing(83 + k, r.w, r.h, false).strokes.at(0);
        EXPECT_EQ(shaft.x0, shaft.x1);
        EXPECT_EQ(shaft.y1, r.h - 2 * (r.h / 40));
        const COLORREF seen = canvas->pixel(shaft.x1, hueRow);
        for (int shift : {0, 8, 16}) {
            EXPECT_LE(std::abs(static_cast<int>((seen >> shift) & 0xFF) -
                               static_cast<int>((pure[k] >> shift) & 0xFF)),
                      4)
                << "hue " << k << " at x " << shaft.x1;
        }
    }

    const char* strips[] = {"MOIRE2", "MOIRE", "MOIRE4", "MOIRE3"};
    for (int k = 0; k < 4; ++k) {
        const int top = r.h * (5 + 5 * k) / 100;
        EXPECT_EQ(moireAt(*canvas, c, top + 2), strips[k]) << k;
        EXPECT_EQ(moireAt(*canvas, left + 1, top + 2), strips[k]) << k;
        EXPECT_EQ(canvas->pixel(left, top + 2), kBlack);  // the strip's outline
    }
    EXPECT_EQ(canvas->pixel(left - 1, r.h * 12 / 100), RGB(128, 128, 128));
}

// The hint over a pattern: each arrow stroke drawn with a 4-pixel pen, light
// yellow or (on the purity items' green screen) olive, and the instruction
// in the hint face at W / 40 pixels, light yellow on grey boxes, centred from
// 2H / 3 down; nothing else of the pattern is touched.
TEST_P(PatternAtEachResolution, HintDrawsItsArrowsAndTextOverThePattern) {
    const Resolution& r = GetParam();
    const COLORREF kText = RGB(255, 255, 127), kBox = RGB(127, 127, 127), kOlive = RGB(127, 127, 0);
    const struct {
        int feature;
        COLORREF ink;
    } cases[] = {{12, kText}, {65, kOlive}};
    for (const auto& [feature, ink] : cases) {
        SCOPED_TRACE(feature);
        auto canvas = painted(6, r);
        paintHint(canvas->dc(), feature, r.w, r.h, false);
        auto expected = painted(6, r);
        const HDC dc = expected->dc();
        const HintDrawing hint = hintDrawing(feature, r.w, r.h, false);
        ScopedPen pen(CreatePen(PS_SOLID, 4, ink));
        ScopedSelectObject selectPen(dc, pen.get());
        for (const ArrowStroke& k : hint.strokes) {
            MoveToEx(dc, k.x0, k.y0, nullptr);
            LineTo(dc, k.x1, k.y1);
        }
        ScopedFont font(CreateFontW(-(r.w / 40), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic"));
        ScopedSelectObject selectFont(dc, font.get());
        SetTextColor(dc, kText);
        SetBkColor(dc, kBox);
        std::wstring text = loadStringResource(hint.textString);
        ASSERT_FALSE(text.empty());
        RECT area{0, 2 * r.h / 3, r.w, r.h};
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area, DT_CENTER | DT_TOP);
        EXPECT_EQ(differingRows(canvas->dc(), dc, r.w, r.h), 0);

        // The text's first grey row is 2H / 3, and the pen is 4 pixels wide.
        int boxAbove = 0, boxOnTop = 0;
        for (int x = 0; x < r.w; ++x) {
            boxAbove += canvas->pixel(x, 2 * r.h / 3 - 1) == kBox;
            boxOnTop += canvas->pixel(x, 2 * r.h / 3) == kBox;
        }
        EXPECT_EQ(boxAbove, 0);
        EXPECT_GT(boxOnTop, 0);
        EXPECT_GT(canvas->count(kText), 0);
        EXPECT_GT(canvas->count(ink), 0);
    }
    // Across the rotation hint's upward arrow at x = H / 40.
    auto canvas = painted(6, r);
    paintHint(canvas->dc(), 12, r.w, r.h, false);
    int run = 0;
    for (int x = 0; x < 2 * (r.h / 40); ++x) {
        run += canvas->pixel(x, 2 * (r.h / 40)) == kText;
    }
    EXPECT_EQ(run, 4);
}

TEST_P(PatternAtEachResolution, CrosshatchIsSymmetricAndConvergenceMarksCycleThroughTheThreeGuns) {
    const Resolution& r = GetParam();
    const int g = r.h / 20;
    const int d = r.h / 40;
    for (int pattern : {1, 2}) {
        auto canvas = painted(pattern, r);
        const COLORREF ink = pattern == 1 ? kWhite : kBlack;
        const COLORREF paper = pattern == 1 ? kBlack : kWhite;
        // Lines through the exact centre, both ways.
        EXPECT_EQ(canvas->pixel(r.w / 2, r.h / 4 + 3), ink);
        EXPECT_EQ(canvas->pixel(r.w / 4 + 3, r.h / 2), ink);
        // The square's outlines span H: columns W/2 - H/2 + 1 and W/2 + H/2 - 1.
        EXPECT_EQ(canvas->pixel(r.w / 2 - r.h / 2 + 1, r.h / 2 + d), ink);
        EXPECT_EQ(canvas->pixel(r.w / 2 + r.h / 2 - 1, r.h / 2 + d), ink);
        EXPECT_EQ(canvas->pixel(r.w / 2 + d, 1), ink);
        EXPECT_EQ(canvas->pixel(r.w / 2 + d, r.h - 2), ink);
        // Dots in the middle of the cells on all four sides of the centre.
        int missing = 0;
        for (int x : gridPositions(r.w / 2, g, r.w)) {
            for (int y : gridPositions(r.h / 2, g, r.h)) {
                for (POINT p : {POINT{x + d, y + d}, POINT{r.w - x - d, y + d},
                                POINT{x + d, r.h - y - d}, POINT{r.w - x - d, r.h - y - d}}) {
                    missing += p.x >= 0 && p.x < r.w && p.y >= 0 && p.y < r.h &&
                               canvas->pixel(p.x, p.y) != ink;
                }
            }
        }
        EXPECT_EQ(missing, 0);
        EXPECT_EQ(canvas->pixel(r.w / 2 - d + 1, r.h / 2 - g + d), paper);
    }

    const int x = r.w / 2;
    for (int pattern : {3, 21, 22}) {
        auto canvas = painted(pattern, r);
        const bool horizontal = pattern != 22;
        const bool vertical = pattern != 21;
        // Mark (0, 1) is red, mark (1, 1) green and mirrored to W - x; a
        // later mark may cover the very end of a bar where they meet.
        EXPECT_EQ(canvas->pixel(x + d - 1, g), horizontal ? kRed : kBlack) << pattern;
        EXPECT_EQ(canvas->pixel(x - d + 1, g), horizontal ? kRed : kBlack) << pattern;
        EXPECT_EQ(canvas->pixel(x, g + d - 1), vertical ? kRed : kBlack) << pattern;
        EXPECT_EQ(canvas->pixel(x, g - d + 1), vertical ? kRed : kBlack) << pattern;
        EXPECT_EQ(canvas->pixel(x + d, g + 1), kBlack) << pattern;
        EXPECT_EQ(canvas->pixel(r.w - (x + g), 2 * g), horizontal || vertical ? kBlue : kBlack);
        EXPECT_EQ(canvas->pixel(r.w - (x + g) + d - 1, g), horizontal ? kGreen : kBlack) << pattern;
        EXPECT_EQ(canvas->pixel(r.w - 1, r.h / 2 + 1), kWhite);  // the outline
    }
}

TEST_P(PatternAtEachResolution, CentrePatchesOutlinesAndCheckerboardSquaresSitWhereTheyBelong) {
    const struct {
        int pattern;
        COLORREF background, patch, outline;
    } cases[] = {
        {11, kBlack, kGreen, kGreen}, {12, kBlack, kWhite, kWhite}, {13, kWhite, kBlack, kWhite}};
    const Resolution& r = GetParam();
    for (const auto& c : cases) {
        auto canvas = painted(c.pattern, r);
        EXPECT_EQ(canvas->pixel(r.w / 2, r.h / 2), c.patch);
        EXPECT_EQ(canvas->pixel(r.w / 3, r.h / 2), c.outline);
        EXPECT_EQ(canvas->pixel(2 * r.w / 3 - 1, r.h / 2), c.outline);
        EXPECT_EQ(canvas->pixel(r.w / 3 - 1, r.h / 2), c.background);
        EXPECT_EQ(canvas->pixel(2 * r.w / 3, r.h / 2), c.background);
        EXPECT_EQ(canvas->pixel(r.w - 1, r.h - 1), c.outline);
    }
    for (int pattern : {14, 15}) {
        auto canvas = painted(pattern, r);
        const COLORREF side = pattern == 15 ? kWhite : kBlack;
        for (POINT corner :
             {POINT{0, 0}, POINT{r.w - 1, 0}, POINT{0, r.h - 1}, POINT{r.w - 1, r.h - 1}}) {
            EXPECT_EQ(canvas->pixel(corner.x, corner.y), kWhite) << pattern;
        }
        EXPECT_EQ(canvas->pixel(r.w / 2, r.h - 1), kWhite);
        EXPECT_EQ(canvas->pixel(0, r.h / 2), side);
        EXPECT_EQ(canvas->pixel(r.w - 1, r.h / 2), side);
        EXPECT_EQ(canvas->pixel(1, r.h / 2), kBlack);
        EXPECT_EQ(canvas->pixel(r.w / 2, 1), kBlack);
    }

    for (int n : {4, 6}) {
        auto canvas = painted(n == 4 ? 19 : 20, r);
        const int q = r.h / (2 * n);
        const int b = r.h / n;
        for (int x : {0, 3 * b}) {
            EXPECT_EQ(canvas->pixel(x + 1, 1), kWhite);
            EXPECT_EQ(canvas->pixel(x + q - 1, q - 1), kWhite);
            EXPECT_EQ(canvas->pixel(x + q, q - 1), kBlack);
            EXPECT_EQ(canvas->pixel(x + q - 1, q), kBlack);
            EXPECT_EQ(canvas->pixel(x + q, q), kWhite);
            EXPECT_EQ(canvas->pixel(x + b - 1, b - 1), kWhite);
            EXPECT_EQ(canvas->pixel(x + q + 1, 1), kBlack);
        }
    }
}

// The tiles start at the top-left corner of the screen and of each band.
TEST_P(PatternAtEachResolution, TiledBitmapsStartAtTheirBandsTop) {
    const Resolution& r = GetParam();
    auto focus = painted(4, r);
    // Letters at 12-pixel pitch across, 17 down: strokes at x = 1, 2, 9, 10.
    for (int tileX : {0, 48 * 3}) {
        for (int tileY : {0, 34 * 5}) {
            EXPECT_EQ(focus->pixel(tileX + 1, tileY + 3), kWhite);
            EXPECT_EQ(focus->pixel(tileX + 5, tileY + 8), kWhite);  // crossbar
            EXPECT_EQ(focus->pixel(tileX + 5, tileY + 7), kBlack);
            EXPECT_EQ(focus->pixel(tileX + 0, tileY + 3), kBlack);
            EXPECT_EQ(focus->pixel(tileX + 13, tileY + 20), kWhite);
        }
    }
    auto text = painted(18, r);
    const struct {
        COLORREF paper, ink;
    } bands[] = {{kLightGrey, kBlack}, {kLightGrey, kWhite}, {kBlack, kWhite}, {kWhite, kBlack}};
    for (int band = 0; band < 4; ++band) {
        const int top = band * r.h / 4;
        EXPECT_EQ(text->pixel(56, top), bands[band].paper) << band;
        EXPECT_EQ(text->pixel(56 + 4, top + 4), bands[band].ink) << band;  // the "8"
        EXPECT_EQ(text->pixel(56 + 4, top + 13 + 4), bands[band].ink) << band;
    }
    auto moire = painted(17, r);
    EXPECT_EQ(moire->pixel(r.w / 2, r.h / 2), kBlack);
    EXPECT_EQ(moire->pixel(r.w / 2 + 1, r.h / 2), kWhite);
    EXPECT_EQ(moire->pixel(r.w - 1, r.h / 2 + 1), kBlack);  // the outline
}

TEST_P(PatternAtEachResolution, ColourAndGreyscaleSquaresRampAndCaption) {
    const Resolution& r = GetParam();
    for (int pattern : {23, 24}) {
        auto canvas = painted(pattern, r);
        const COLORREF top[] = {kRed, kGreen, kBlue, kBlack};
        const COLORREF bottom[] = {RGB(64, 64, 64), RGB(128, 128, 128), kLightGrey, kWhite};
        for (int k = 0; k < 4; ++k) {
            const int x = r.w * (3 * k + 2) / 13;
            EXPECT_EQ(canvas->pixel(x, r.h / 5), top[k]) << k;
            EXPECT_EQ(canvas->pixel(x, 8 * r.h / 10), bottom[k]) << k;
        }
        // 129 grey steps of 2s pixels each, every column filled.
        const int y = r.h * 4 / 10 + 1;
        int wrong = 0;
        for (int step = 0; step <= 128; ++step) {
            const Span columns = greyRampStep(r.w, step);
            EXPECT_EQ(columns.to - columns.from, 2 * r.step);
            for (int x = columns.from; x < columns.to; ++x) {
                const int level = step == 0 ? 0 : 2 * step - 1;
                wrong += canvas->pixel(x, y) != RGB(level, level, level);
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(greyRampStep(r.w, 128).to, r.w / 2 + 128 * r.step);
    }

    // The caption names the screen's size, width first, in the square-pixel
    // wording on a device whose two densities are equal.
    auto canvas = painted(23, r);
    Canvas expected(r.w, r.h);
    RECT all{0, 0, r.w, r.h};
    FillRect(expected.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    wchar_t text[64];
    swprintf(text, std::size(text), L"%ix%i 正方形画素", r.w, r.h);
    SetTextColor(expected.dc(), kWhite);
    SetBkColor(expected.dc(), kBlack);
    SetTextAlign(expected.dc(), TA_BOTTOM | TA_CENTER);
    ScopedFont font = patternLabelFont(expected.dc());
    ScopedSelectObject selectFont(expected.dc(), font.get());
    TextOutW(expected.dc(), r.w / 2, r.h, text, static_cast<int>(wcslen(text)));
    int differing = 0, lit = 0;
    for (int y = r.h - 30; y < r.h - 1; ++y) {
        for (int x = r.w / 2 - 150; x < r.w / 2 + 150; ++x) {
            differing += canvas->pixel(x, y) != expected.pixel(x, y);
            lit += expected.pixel(x, y) == kWhite;
        }
    }
    EXPECT_GT(lit, 0);
    EXPECT_EQ(differing, 0);
}

TEST_P(PatternAtEachResolution, CompositeCellsBarsAndMoireBlocks) {
    const Resolution& r = GetParam();
    auto canvas = painted(28, r);
    const int cw = r.w / 12;
    const int ch = r.h / 12;
    const int gx = r.w / 2 - 6 * cw;
    const int gy = r.h / 2 - 6 * ch;
    auto cell = [&](int column, int row) {
        return canvas->pixel(gx + column * cw + cw / 2, gy + row * ch + ch / 2);
    };
    EXPECT_EQ(cell(3, 1), kBlue);
    EXPECT_EQ(cell(8, 1), kYellow);
    EXPECT_EQ(cell(1, 3), kBlack);
    EXPECT_EQ(cell(7, 7), kBlack);
    EXPECT_EQ(cell(4, 7), kWhite);
    EXPECT_EQ(cell(3, 7), RGB(243, 243, 243));
    EXPECT_EQ(cell(8, 7), RGB(13, 13, 13));
    EXPECT_EQ(cell(4, 10), RGB(127, 0, 0));
    EXPECT_EQ(cell(0, 5), RGB(127, 127, 127));
    // The cell's own grid lines stay white around the fill.
    EXPECT_EQ(canvas->pixel(gx + 3 * cw + cw / 2, r.h / 2 - 5 * ch), kWhite);
    EXPECT_EQ(canvas->pixel(gx + 3 * cw + cw / 2, r.h / 2 - 5 * ch + 1), kBlue);
    // Five moiré blocks of 2 × 2 cells, each quarter with its own lines.
    const struct {
        int column, row;
        const char* bitmap;
    } quarters[] = {{0, 0, "MOIRE"}, {1, 0, "MOIRE3"}, {1, 1, "MOIRE4"}, {0, 1, "MOIRE5"}};
    for (POINT block : {POINT{0, 0}, POINT{10, 0}, POINT{0, 10}, POINT{10, 10}, POINT{5, 5}}) {
        for (const auto& q : quarters) {
            const int column = block.x + q.column;
            const int row = block.y + q.row;
            EXPECT_EQ(moireAt(*canvas, gx + column * cw + cw / 2, gy + row * ch + ch / 2), q.bitmap)
                << "cell " << column << ", " << row;
        }
    }
    EXPECT_EQ(canvas->pixel(r.w / 2 + 3, 14 * r.h / 48), kWhite);
    EXPECT_EQ(canvas->pixel(r.w / 2 + 3, 34 * r.h / 48), kBlack);
}

// Whatever the pattern, the device context gets its own objects and
// settings back and no GDI object outlives the paint. Fills and tiles
// written straight into a DIB section's memory give the pixels GDI gives:
// the same canvas with a clipping region (which sends every step through
// GDI) comes out identical, pattern by pattern.
TEST_F(PatternPainterTest, EveryPatternRestoresTheDeviceContextAndMatchesWhatGdiDraws) {
    const Canvas fresh(8, 8);
    const HGDIOBJ pen = GetCurrentObject(fresh.dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(fresh.dc(), OBJ_BRUSH);
    const HGDIOBJ font = GetCurrentObject(fresh.dc(), OBJ_FONT);
    const int objects = liveGdiObjects();
    for (const Resolution& r : {kResolutions[2], kResolutions[3]}) {
        SCOPED_TRACE(nameOf(r));
        for (int pattern = 1; pattern <= kPatternCount; ++pattern) {
            auto direct = painted(pattern, r);
            const HDC dc = direct->dc();
            EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen) << pattern;
            EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush) << pattern;
            EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font) << pattern;
            EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_TOP | TA_LEFT)) << pattern;
            Canvas throughGdi(r.w, r.h);
            HRGN all = CreateRectRgn(0, 0, r.w, r.h);
            SelectClipRgn(throughGdi.dc(), all);
            DeleteObject(all);
            ASSERT_EQ(paintPattern(throughGdi.dc(), pattern, r.w, r.h, pens_), 0);
            EXPECT_EQ(differingRows(dc, throughGdi.dc(), r.w, r.h), 0) << "pattern " << pattern;
        }
    }
    EXPECT_EQ(liveGdiObjects(), objects);
}

}  // namespace
