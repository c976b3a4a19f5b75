#include "draw/pixels/geometry_warps.h"

#include <gtest/gtest.h>

#include "draw/pixels/convergence.h"
#include "draw/pixels/feature_frames.h"
#include "tests/host/draw/frame_buffers.h"

namespace {

const IllustrationLayout kWide = illustrationLayout(2);  // miniature 154 × 92, frame 160 × 98

GuardedFrame drawn(const IllustrationLayout& layout, int feature, int k) {
    PixelBuffer capture = coordinateCapture(layout);
    GuardedFrame frame(layout);
    EXPECT_TRUE(drawFeatureFrame(capture.view(), frame.view(), feature, k)) << feature;
    return frame;
}

}  // namespace

TEST(GeometryFrames, EveryDistortionAndConvergenceIsNoneInTheMiddleFrame) {
    const int features[] = {1,  2,  3,  6,  7,  8,  9,  10, 11, 12, 40, 41, 42,
                            43, 45, 46, 49, 50, 64, 13, 44, 73, 74, 75, 76};
    for (int layoutValue : {1, 2}) {
        const IllustrationLayout layout = illustrationLayout(layoutValue);
        for (int feature : features) {
            const GuardedFrame frame = drawn(layout, feature, 4);
            int wrong = 0;
            for (int y = 0; y < frame.height(); ++y) {
                for (int x = 0; x < frame.width(); ++x) {
                    const bool inside = x >= 3 && y >= 3 && x < 3 + layout.captureWidth &&
                                        y < 3 + layout.captureHeight;
                    wrong += frame.at(x, y) != (inside ? tagOf(x - 3, y - 3) : 0);
                }
            }
            EXPECT_EQ(wrong, 0) << "layout " << layoutValue << " feature " << feature;
        }
    }
}

TEST(GeometryFrames, PositionCirclesAndSizeGrowsAboutTheCentre) {
    EXPECT_EQ(swingOfFrame(0), 1.0);
    EXPECT_NEAR(swingOfFrame(4), 0.0, 1e-12);
    EXPECT_NEAR(swingOfFrame(7), -0.92388, 1e-5);

    // Where the miniature's top-left pixel lands, frame by frame.
    struct Corner {
        int feature, k, x, y;
    };
    const Corner corners[] = {{0, 0, 10, 3},  {0, 1, 7, 7},  {0, 2, 3, 10}, {0, 6, 3, -4},
                              {1, 0, 10, 10}, {2, 0, 3, 10}, {2, 7, 3, -3}, {3, 0, 3, 10}};
    for (const Corner& c : corners) {
        const GuardedFrame frame = drawn(kWide, c.feature, c.k);
        const int x = std::max(c.x, 0);
        const int y = std::max(c.y, 0);
        EXPECT_EQ(frame.at(x, y), tagOf(x - c.x, y - c.y)) << c.feature << " k " << c.k;
        if (c.x > 0) {
            EXPECT_EQ(frame.at(c.x - 1, y), 0u) << c.feature << " k " << c.k;
        }
    }
    // Frame 0 of size: 140 × 78 sampled from the whole 154 × 92.
    GuardedFrame smaller = drawn(kWide, 1, 0);
    EXPECT_EQ(smaller.at(149, 10), tagOf(152, 0));
    EXPECT_EQ(smaller.at(150, 10), 0u);
    EXPECT_EQ(smaller.at(10, 87), tagOf(0, 90));
    EXPECT_EQ(smaller.at(10, 88), 0u);
    // Frame 7: 166 × 104 at (−3, −3), clipped by the frame.
    EXPECT_EQ(drawn(kWide, 1, 7).at(0, 0), tagOf(2, 2));
    // Vertical size keeps the width.
    EXPECT_EQ(drawn(kWide, 3, 0).at(156, 10), tagOf(153, 0));
}

TEST(GeometryFrames, RowsBendAsTheirFeatureSaysAtFullSwing) {
    struct Row {
        int feature;
        int y;
        RowPlacement placed;  // source row, frame row, x, width, source width
    };
    const Row rows[] = {
        {7, 0, {0, 3, 12, 136, 154}},
        {7, 46, {46, 49, 3, 154, 154}},
        {8, 0, {0, 3, -6, 172, 154}},
        {8, 91, {91, 94, 12, 136, 154}},
        {9, 0, {0, 3, -6, 154, 154}},
        {10, 0, {0, 3, 12, 154, 154}},
        {10, 91, {91, 94, 11, 154, 154}},
        {64, 0, {0, 3, 3, 154, 154}},
        {64, 25, {25, 28, 1, 154, 154}},
        // Centre band: unchanged outside the 39 rows about the centre row,
        // which bends most.
        {6, 26, {26, 29, 3, 154, 154}},
        {6, 27, {27, 30, 3, 155, 155}},
        {6, 46, {46, 49, 9, 143, 155}},
        {6, 66, {66, 69, 3, 154, 154}},
        {41, 46, {46, 49, 9, 154, 154}},
        // Top and bottom bands of 20 rows, most at the picture's edge.
        {40, 0, {0, 3, 7, 147, 155}},
        {40, 20, {20, 23, 3, 154, 154}},
        {40, 71, {71, 74, 3, 154, 154}},
        {40, 72, {72, 75, 3, 155, 155}},
        {40, 91, {91, 94, 7, 147, 155}},
        {42, 0, {0, 3, 7, 154, 154}},
        {45, 0, {0, 3, 7, 147, 155}},
        {45, 91, {91, 94, 3, 154, 154}},
        {46, 0, {0, 3, 7, 154, 154}},
        {49, 0, {0, 3, 3, 154, 154}},
        {49, 91, {91, 94, 7, 147, 155}},
        {50, 91, {91, 94, 7, 154, 154}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(warpedRow(row.feature, row.y, 1.0, 154, 92), row.placed)
            << "feature " << row.feature << " row " << row.y;
    }
    // The opposite swing bows the other way.
    EXPECT_EQ(warpedRow(7, 0, swingOfFrame(7), 154, 92), (RowPlacement{0, 3, -5, 170, 154}));

    // A narrowed row samples the whole miniature; rows past it stay black,
    // and so does every frame row below the miniature whatever the swing.
    const GuardedFrame pincushion = drawn(kWide, 7, 0);
    EXPECT_EQ(pincushion.at(11, 3), 0u);
    EXPECT_EQ(pincushion.at(12, 3), tagOf(0, 0));
    EXPECT_EQ(pincushion.at(147, 3), tagOf(152, 0));
    EXPECT_EQ(pincushion.at(148, 3), 0u);
    for (int feature : {6, 7, 8, 9, 10, 40, 64}) {
        for (int k = 0; k < 8; ++k) {
            const GuardedFrame frame = drawn(kWide, feature, k);
            for (int x = 0; x < frame.width(); ++x) {
                ASSERT_EQ(frame.at(x, 3 + 92), 0u) << feature << " k " << k << " x " << x;
            }
        }
    }
}

TEST(GeometryFrames, LinearityResamplesRowsInsideTheMiniature) {
    EXPECT_EQ(linearitySourceRow(11, 0, 12, 92, 98), 10);
    EXPECT_EQ(linearitySourceRow(11, 7, 12, 92, 98), 14);
    EXPECT_EQ(linearitySourceRow(11, 4, 12, 92, 98), 12);
    // Near the bottom frame 0 would read the row below the miniature.
    EXPECT_EQ(linearitySourceRow(11, 0, 91, 92, 98), 91);
    EXPECT_EQ(linearitySourceRow(43, 0, 49, 92, 98), 45);
    EXPECT_EQ(drawn(kWide, 11, 0).at(3, 15), tagOf(0, 10));
    for (int feature : {11, 43}) {
        for (int k = 0; k < 8; ++k) {
            for (int y = 0; y < 92; ++y) {
                const int source = linearitySourceRow(feature, k, y, 92, 98);
                ASSERT_TRUE(source >= 0 && source < 92) << feature << " " << k << " " << y;
            }
        }
    }
}

TEST(GeometryFrames, RotationShearsColumnsDownThenRowsAcross) {
    const GuardedFrame turned = drawn(kWide, 12, 0);
    EXPECT_EQ(turned.at(4, 0), tagOf(0, 0));      // down by 0, row 0 right by 1
    EXPECT_EQ(turned.at(157, 6), tagOf(153, 0));  // down by 6, row 6 right by 1
    EXPECT_EQ(turned.at(80, 49), tagOf(77, 46));  // the centre stays
    const GuardedFrame back = drawn(kWide, 12, 7);
    EXPECT_EQ(back.at(80, 49), tagOf(77, 46));
    EXPECT_NE(back.at(4, 0), tagOf(0, 0));
}

TEST(FeatureFrames, EveryAnimatedFeatureDrawsInsideItsFrameOnly) {
    int animated = 0;
    for (int feature = -12; feature <= 100; ++feature) {
        if (!hasFeatureFrame(feature)) {
            continue;
        }
        ++animated;
        for (int layoutValue : {1, 2}) {
            for (int k : {0, 1, 4, 7}) {  // both extremes, and none
                const GuardedFrame frame = drawn(illustrationLayout(layoutValue), feature, k);
                ASSERT_TRUE(frame.guardIntact()) << feature << " k " << k;
                int lit = 0;
                for (int y = 0; y < frame.height(); ++y) {
                    for (int x = 0; x < frame.width(); ++x) {
                        lit += frame.at(x, y) != 0;
                    }
                }
                ASSERT_GT(lit, frame.width() * frame.height() / 2) << feature << " k " << k;
            }
        }
    }
    // 0-3, 6-18, 26-28, 40-46, 48-51, 62, 64-69, 73-76, 82, 90, 95, 96.
    EXPECT_EQ(animated, 4 + 13 + 3 + 7 + 4 + 1 + 6 + 4 + 1 + 1 + 2);
    for (int feature : {4, 5, 19, 25, 29, 47, 52, 63, 70, 81, 83, 88, 89, 94, 97}) {
        EXPECT_FALSE(hasFeatureFrame(feature)) << feature;
    }
}
