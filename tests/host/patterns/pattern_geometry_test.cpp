#include "patterns/pixels/pattern_geometry.h"

#include <gtest/gtest.h>

#include <cstdlib>

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

TEST(AutomaticPattern, SuitsTheItemOrKeepsThePattern) {
    const struct {
        int feature;
        int pattern;
    } cases[] = {{0, 15},  {3, 15},  {6, 1},   {50, 1},  {12, 14}, {13, 22}, {76, 22},
                 {44, 21}, {74, 21}, {14, 23}, {15, 23}, {16, 5},  {88, 5},  {81, 5},
                 {27, 6},  {48, 8},  {68, 8},  {51, 17}, {69, 24}, {82, 18}, {4, 0},
                 {5, 0},   {47, 0},  {62, 0},  {89, 0},  {95, 0},  {-1, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(automaticPattern(c.feature), c.pattern) << c.feature;
    }
}

}  // namespace
