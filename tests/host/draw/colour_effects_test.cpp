#include "draw/pixels/colour_effects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Colours spread over the whole cube: every channel in steps of 17.
std::vector<RgbColour> colourGrid() {
    std::vector<RgbColour> colours;
    for (int r = 0; r <= 255; r += 17) {
        for (int g = 0; g <= 255; g += 17) {
            for (int b = 0; b <= 255; b += 17) {
                colours.push_back({r, g, b});
            }
        }
    }
    return colours;
}

// Luminance of a row vector transformed by `m`, without any rounding.
double luminanceAfter(const ColourMatrix& m, double r, double g, double b) {
    const double weights[3] = {kRedLuminance, kGreenLuminance, kBlueLuminance};
    double sum = 0.0;
    for (int column = 0; column < 3; ++column) {
        sum += weights[column] *
               (r * m[0][column] + g * m[1][column] + b * m[2][column] + m[3][column]);
    }
    return sum;
}

std::string text(const RgbColour& c) {
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

}  // namespace

TEST(ColourMatrix, ProductAppliesTheFirstMatrixFirst) {
    const ColourMatrix offsetThenScale =
        multiplyMatrices(offsetMatrix(10, 20, 30), scaleMatrix(2, 3, 4));
    EXPECT_EQ(transformColour(offsetThenScale, {1, 2, 3}), (RgbColour{22, 66, 132}));
    const ColourMatrix scaleThenOffset =
        multiplyMatrices(scaleMatrix(2, 3, 4), offsetMatrix(10, 20, 30));
    EXPECT_EQ(transformColour(scaleThenOffset, {1, 2, 3}), (RgbColour{12, 26, 42}));
    // Truncation toward zero and clamping of each channel.
    EXPECT_EQ(transformColour(scaleMatrix(0.5, 2.0, -1.0), {255, 200, 10}),
              (RgbColour{127, 255, 0}));
}

TEST(SaturationMatrix, FullKeepsColoursNoneGivesTheirLuminanceGrey) {
    const ColourMatrix full = saturationMatrix(1.0);
    const ColourMatrix none = saturationMatrix(0.0);
    for (const RgbColour& c : colourGrid()) {
        EXPECT_EQ(transformColour(full, c), c) << text(c);
        // Luminance in exact integer arithmetic.
        const int grey = (3086 * c.red + 6094 * c.green + 820 * c.blue) / 10000;
        EXPECT_EQ(transformColour(none, c), (RgbColour{grey, grey, grey})) << text(c);
    }
}

// Every frame's saturation and hue rotation keeps greys grey, and the
// tables the effects use give transformColour's channels to the last bit.
TEST(ColourEffects, FrameMatricesKeepGreysAndTheirTablesMatchTheMatrices) {
    std::vector<ColourMatrix> matrices;
    for (int k = 0; k <= 7; ++k) {
        matrices.push_back(saturationMatrix(saturationOfFrame(k)));
        matrices.push_back(hueRotationMatrix(hueAngleOfFrame(k)));
    }
    for (const ColourMatrix& m : matrices) {
        for (int v = 0; v <= 255; ++v) {
            ASSERT_EQ(transformColour(m, {v, v, v}), (RgbColour{v, v, v})) << v;
        }
    }
    matrices.push_back(multiplyMatrices(offsetMatrix(-20, 7.5, 300), scaleMatrix(1.5, -0.5, 0.25)));
    for (const ColourMatrix& m : matrices) {
        const ColourMatrixTables tables(m);
        for (const RgbColour& c : colourGrid()) {
            const RgbColour expected = transformColour(m, c);
            ASSERT_EQ(tables(packPixel(c.red, c.green, c.blue)),
                      packPixel(expected.red, expected.green, expected.blue))
                << text(c);
        }
    }
}

TEST(HueRotationMatrix, KeepsLuminanceAndComposesByAngle) {
    for (double degrees : {-64.0, -16.0, 16.0, 48.0, 120.0}) {
        const ColourMatrix m = hueRotationMatrix(degrees);
        for (const RgbColour& c : colourGrid()) {
            EXPECT_NEAR(luminanceAfter(m, c.red, c.green, c.blue),
                        luminanceAfter(identityMatrix(), c.red, c.green, c.blue), 1e-9)
                << degrees << " " << text(c);
        }
        const ColourMatrix twice = multiplyMatrices(m, m);
        const ColourMatrix doubled = hueRotationMatrix(2 * degrees);
        const ColourMatrix back = multiplyMatrices(m, hueRotationMatrix(-degrees));
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                EXPECT_NEAR(twice[row][column], doubled[row][column], 1e-12);
                EXPECT_NEAR(back[row][column], row == column ? 1.0 : 0.0, 1e-12);
            }
        }
    }
    // A real turn, right-handed about the grey axis: the last frames (a
    // positive angle) turn red towards yellow, green towards cyan and blue
    // towards magenta, the first frames the other way.
    for (int k : {0, 7}) {
        const ColourMatrix m = hueRotationMatrix(hueAngleOfFrame(k));
        const RgbColour red = transformColour(m, {255, 0, 0});
        const RgbColour green = transformColour(m, {0, 255, 0});
        const RgbColour blue = transformColour(m, {0, 0, 255});
        EXPECT_EQ(red.green > red.blue, k == 7) << text(red);
        EXPECT_EQ(green.blue > green.red, k == 7) << text(green);
        EXPECT_EQ(blue.red > blue.green, k == 7) << text(blue);
        EXPECT_FALSE(red.red == red.green && red.green == red.blue);
    }
}

TEST(HueWeight, EachHueFeatureHasItsAxisAndItsPureHueWeighsFully) {
    struct Case {
        HueAxis axis;
        RgbColour pure;
        int feature;
    };
    const Case cases[] = {{HueAxis::red, {255, 0, 0}, 83},   {HueAxis::yellow, {255, 255, 0}, 84},
                          {HueAxis::green, {0, 255, 0}, 85}, {HueAxis::cyan, {0, 255, 255}, 86},
                          {HueAxis::blue, {0, 0, 255}, 87},  {HueAxis::magenta, {255, 0, 255}, 88}};
    for (const Case& c : cases) {
        HueAxis axis{};
        ASSERT_TRUE(hueAxisOfFeature(c.feature, &axis));
        EXPECT_EQ(axis, c.axis);
        // Every other weight of the colour grid is checked with the turns below.
        EXPECT_EQ(hueWeight(c.axis, c.pure), 255) << text(c.pure);
    }
    HueAxis axis{};
    EXPECT_FALSE(hueAxisOfFeature(82, &axis));
    EXPECT_FALSE(hueAxisOfFeature(89, &axis));
}

// Every colour of a grid on every axis, at a strong turn: the weight is the
// axis's product of channels and complements, and each channel is the turned
// and the unchanged one mixed by it. The fourth byte of a pixel is ignored,
// and nothing lands right of the source's last column.
TEST(ColourEffects, HueRotationMixesEveryChannelByTheWeightOfItsAxis) {
    using Weigh = int (*)(int, int, int);
    const Weigh weighs[] = {[](int r, int g, int b) { return r * (255 - g) * (255 - b) / 65025; },
                            [](int r, int g, int b) { return r * g * (255 - b) / 65025; },
                            [](int r, int g, int b) { return g * (255 - r) * (255 - b) / 65025; },
                            [](int r, int g, int b) { return g * b * (255 - r) / 65025; },
                            [](int r, int g, int b) { return b * (255 - r) * (255 - g) / 65025; },
                            [](int r, int g, int b) { return r * b * (255 - g) / 65025; }};
    const std::vector<RgbColour> grid = colourGrid();
    std::vector<uint32_t> source;
    for (size_t i = 0; i < grid.size(); ++i) {
        source.push_back(packPixel(grid[i].red, grid[i].green, grid[i].blue) |
                         (i % 2 != 0 ? 0xFF000000u : 0u));
    }
    const int width = static_cast<int>(source.size());
    for (int k : {0, 4}) {  // a strong turn, and the middle frame's turn by nothing
        const ColourMatrix m = hueRotationMatrix(hueAngleOfFrame(k));
        for (int axis = 0; axis < 6; ++axis) {
            std::vector<uint32_t> target(source.size() + 1, 0);
            applyHueRotation(pixelView(source.data(), width, 1),
                             pixelView(target.data(), width + 1, 1), width, 1, 1, 0,
                             hueAngleOfFrame(k), static_cast<HueAxis>(axis));
            ASSERT_EQ(target.back(), 0u);
            for (size_t i = 0; i < grid.size(); ++i) {
                const RgbColour& c = grid[i];
                const int weight = weighs[axis](c.red, c.green, c.blue);
                ASSERT_EQ(hueWeight(static_cast<HueAxis>(axis), c), weight) << text(c);
                const RgbColour t = transformColour(m, c);
                const auto mix = [&](int turned, int own) {
                    return std::min(255, (turned * weight + own * (255 - weight)) / 255);
                };
                ASSERT_EQ(target[i],
                          packPixel(mix(t.red, c.red), mix(t.green, c.green), mix(t.blue, c.blue)))
                    << "frame " << k << " axis " << axis << " " << text(c);
            }
        }
    }
}

TEST(ColourEffects, WritesOneColumnLeftOfXAndClipsAtTheTargetEdge) {
    // Source 3 × 2 of distinct greys (unchanged by any saturation).
    std::vector<uint32_t> source;
    for (int i = 1; i <= 6; ++i) {
        source.push_back(packPixel(i * 10, i * 10, i * 10));
    }
    const uint32_t marker = packPixel(1, 2, 3);
    std::vector<uint32_t> target(5 * 4, marker);
    // Columns land at 3, 4 and (outside) 5.
    applySaturation(pixelView(source.data(), 3, 2), pixelView(target.data(), 5, 4), 3, 2, 4, 1,
                    0.5);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool inside = y >= 1 && y <= 2 && x >= 3;
            const uint32_t expected = inside ? source[(y - 1) * 3 + (x - 3)] : marker;
            EXPECT_EQ(target[y * 5 + x], expected) << x << "," << y;
        }
    }
}
