#include "patterns/pixels/pattern_geometry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// The hue ramp moves smoothly round the colour circle: every channel stays
// in range and changes by at most two levels from one step to the next,
// also from the last step back to the first.
TEST(HueRamp, ChangesSmoothlyThroughTheWholeCircle) {
    for (int j = 0; j < 768; ++j) {
        const RampColour c = hueRampColour(j);
        const RampColour next = hueRampColour((j + 1) % 768);
        for (const auto& [channel, nextChannel] :
             {std::pair{c.red, next.red}, {c.green, next.green}, {c.blue, next.blue}}) {
            ASSERT_GE(channel, 0) << j;
            ASSERT_LE(channel, 255) << j;
            EXPECT_LE(std::abs(channel - nextChannel), 2) << j;
        }
    }
    EXPECT_EQ(hueRampColour(0), (RampColour{255, 0, 0}));
    EXPECT_EQ(hueRampColour(128), (RampColour{255, 255, 0}));
    EXPECT_EQ(hueRampColour(256), (RampColour{0, 255, 0}));
    EXPECT_EQ(hueRampColour(384), (RampColour{0, 255, 255}));
    EXPECT_EQ(hueRampColour(512), (RampColour{0, 0, 255}));
    EXPECT_EQ(hueRampColour(640), (RampColour{255, 0, 255}));
}

// Both ramps tile the same 256 steps of `s` columns around the centre, the
// lower one mirrored.
TEST(ColourRamps, StepsTileTheRampWithoutGapsAtEveryWidth) {
    for (int width : {800, 1024, 1280, 1600, 1920, 3840}) {
        const int s = rampStepWidth(width);
        const int c = width / 2;
        for (int i = 0; i < 256; ++i) {
            const Span upper = upperRampStep(c, s, i);
            const Span lower = lowerRampStep(c, s, i);
            EXPECT_EQ(upper.to - upper.from, s);
            EXPECT_EQ(lower.to - lower.from, s);
            EXPECT_EQ(upper.from, c - 128 * s + i * s);
            EXPECT_EQ(lower.to, c + 128 * s - i * s);
        }
        EXPECT_EQ(greyRampStep(width, 0).to, c - 128 * s);
        EXPECT_EQ(greyRampStep(width, 128).to, c + 128 * s);
    }
    EXPECT_EQ(rampStepWidth(1280), 4);
    EXPECT_EQ(rampStepWidth(1024), 3);
    EXPECT_EQ(rampStepWidth(800), 2);
    EXPECT_EQ(greyRampLevel(0), 0);
    EXPECT_EQ(greyRampLevel(1), 1);
    EXPECT_EQ(greyRampLevel(128), 255);
}

TEST(GridPositions, RunFromTheCentreWhileInsideTheLimit) {
    EXPECT_EQ(gridPositions(640, 51, 1280), (std::vector<int>{640, 691, 742, 793, 844, 895, 946,
                                                              997, 1048, 1099, 1150, 1201, 1252}));
    EXPECT_TRUE(gridPositions(10, 0, 100).empty());
    EXPECT_TRUE(gridPositions(100, 5, 100).empty());
}

// Every item of the table gets its pattern; every other item, and none,
// keeps the pattern shown.
TEST(AutomaticPattern, SuitsTheItemOrKeepsThePattern) {
    const struct {
        int pattern;
        std::vector<int> features;
    } table[] = {
        {1, {6, 7, 8, 9, 10, 11, 40, 41, 42, 43, 45, 46, 49, 50}},
        {5, {16, 17, 18, 81, 83, 84, 85, 86, 87, 88}},
        {6, {26, 27, 28}},
        {8, {48, 65, 66, 67, 68}},
        {14, {12}},
        {15, {0, 1, 2, 3}},
        {17, {51}},
        {18, {82}},
        {21, {44, 73, 74}},
        {22, {13, 75, 76}},
        {23, {14, 15}},
        {24, {69}},
    };
    int expected[96] = {};
    for (const auto& entry : table) {
        for (int feature : entry.features) {
            expected[feature] = entry.pattern;
        }
    }
    for (int feature = 0; feature < 96; ++feature) {
        EXPECT_EQ(automaticPattern(feature), expected[feature]) << feature;
    }
    EXPECT_EQ(automaticPattern(-1), 0);
}

}  // namespace
