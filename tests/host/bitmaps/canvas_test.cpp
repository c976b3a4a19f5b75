// The painter behind every bitmap: exact coverage of edges, blending, and
// the flattening onto the key colour that the program replaces.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/bitmaps/canvas.h"
#include "tools/bitmaps/stroke_font.h"

namespace {

using namespace art;

float alphaAt(const Canvas& c, int x, int y) { return c.pixel(x, y).a; }

TEST(Canvas, ARectangleOnPixelEdgesCoversWholePixelsAndAHalfPixelEdgeHalfOfOne) {
    Canvas c(10, 10);
    c.fill(rect(2, 3, 5, 6), rgb(255, 0, 0));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            bool inside = x >= 2 && x < 5 && y >= 3 && y < 6;
            EXPECT_FLOAT_EQ(alphaAt(c, x, y), inside ? 1.0f : 0.0f) << x << "," << y;
        }
    }
    Canvas half(10, 10);
    half.fill(rect(2.5f, 0, 6, 10), rgb(0, 0, 0));
    EXPECT_NEAR(alphaAt(half, 2, 4), 0.5f, 0.01f);
    EXPECT_FLOAT_EQ(alphaAt(half, 3, 4), 1.0f);
    EXPECT_FLOAT_EQ(alphaAt(half, 1, 4), 0.0f);
}

// Anti-aliased coverage adds up to the shape's area, for curved and
// slanted edges alike.
TEST(Canvas, CoverageAddsUpToTheArea) {
    struct Case {
        Shape shape;
        float area;
    };
    const float pi = 3.14159265f;
    Case cases[] = {
        {circle(20.3f, 19.7f, 10), pi * 100},
        {ellipse(20, 20, 14, 6), pi * 14 * 6},
        {polygon({{5, 5}, {35, 9}, {12, 33}}), 0.5f * std::fabs(30.0f * 28 - 4.0f * 7)},
        {roundRect(4, 6, 30, 28, 5), 26.0f * 22 - (4 - pi) * 25},
        {subtract(circle(20, 20, 12), circle(20, 20, 6)), pi * (144 - 36)},
    };
    for (const Case& k : cases) {
        Canvas c(40, 40);
        c.fill(k.shape, rgb(0, 0, 0));
        float sum = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                sum += alphaAt(c, x, y);
            }
        }
        EXPECT_NEAR(sum, k.area, k.area * 0.01f);
    }
}

TEST(Canvas, BlendsSourceOverWithOpacity) {
    Canvas c(1, 1);
    c.fill(rect(0, 0, 1, 1), rgb(255, 0, 0));
    c.fill(rect(0, 0, 1, 1), rgb(0, 0, 255), 0.25f);
    Pixel p = c.pixel(0, 0);
    EXPECT_FLOAT_EQ(p.a, 1.0f);
    EXPECT_NEAR(p.r, 0.75f, 1e-5f);
    EXPECT_NEAR(p.b, 0.25f, 1e-5f);
}

// The program turns every pixel of the key colour into the button face:
// untouched pixels must be exactly the key, drawn ones never.
TEST(Flatten, OnlyUntouchedPixelsBecomeTheKey) {
    Canvas c(4, 1);
    c.fill(rect(1, 0, 2, 1), rgb(192, 192, 192));  // drawn in the key's own grey
    c.fill(rect(2, 0, 3, 1), rgb(0, 0, 0), 0.5f);  // an edge pixel, half covered
    c.fill(rect(3, 0, 4, 1), rgb(10, 200, 30));
    Image image = flattenKeyed(c, kGreyKey, {240, 240, 240});
    EXPECT_EQ(image.at(0, 0), kGreyKey);
    EXPECT_NE(image.at(1, 0), kGreyKey);
    EXPECT_LE(std::abs(image.at(1, 0).r - 192) + std::abs(image.at(1, 0).g - 192), 1);
    EXPECT_EQ(image.at(2, 0), (Rgb8{120, 120, 120})) << "blended with the face, not the key";
    EXPECT_EQ(image.at(3, 0), (Rgb8{10, 200, 30}));

    Image over = flattenOver(c, kIllustrationBlue);
    EXPECT_EQ(over.at(0, 0), kIllustrationBlue);
    EXPECT_EQ(over.at(2, 0), (Rgb8{0, 0, 64}));
}

// Captions are centred by the measured width: it must be the width of the
// ink that is drawn.
TEST(StrokeFont, MeasuredWidthIsTheInkThatIsDrawn) {
    for (const char* text : {"LUMETRA", "Lumetra", "ORVEL"}) {
        TextStyle style{.capHeight = 12, .weight = 2, .tracking = 1.5f};
        float width = textWidth(text, style);
        Canvas c(160, 24);
        c.fill(textShape(text, 10, 18, style), rgb(0, 0, 0));
        int first = -1, last = -1;
        for (int x = 0; x < 160; ++x) {
            for (int y = 0; y < 24; ++y) {
                if (alphaAt(c, x, y) > 0.5f) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        EXPECT_NEAR(first, 10, 1) << text;
        EXPECT_NEAR(last + 1 - first, width, 1.5f) << text;
    }
    EXPECT_EQ(textWidth("#", {.capHeight = 10, .weight = 1}), 0.0f) << "no glyph, no ink";
}

}  // namespace
