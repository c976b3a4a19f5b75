#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "draw/pixels/colour_effects.h"
#include "draw/pixels/convergence.h"
#include "draw/pixels/corner_purity.h"
#include "draw/pixels/feature_frames.h"
#include "draw/pixels/moire_overlay.h"
#include "draw/pixels/sharpness.h"
#include "draw/pixels/tone_effects.h"
#include "tests/host/draw/frame_buffers.h"

namespace {

const IllustrationLayout kWide = illustrationLayout(2);  // miniature 154 × 92, frame 160 × 98

// Frame k of `feature` drawn from a miniature of one colour.
GuardedFrame drawnFromColour(uint32_t colour, int feature, int k) {
    PixelBuffer capture(kWide.captureWidth, kWide.captureHeight, colour);
    GuardedFrame frame(kWide);
    EXPECT_TRUE(drawFeatureFrame(capture.view(), frame.view(), feature, k)) << feature;
    EXPECT_TRUE(frame.guardIntact());
    return frame;
}

// The miniature's pixel (x, y) as the frame shows it.
uint32_t shown(uint32_t colour, int feature, int k, int x = 10, int y = 10) {
    return drawnFromColour(colour, feature, k).at(x + 3, y + 3);
}

}  // namespace

TEST(ToneFrames, BrightnessContrastGainsAndColourTemperature) {
    const uint32_t white = packPixel(255, 255, 255);
    const uint32_t mixed = packPixel(200, 100, 8);
    // Contrast: 255/256 of each level at frame 0, 115/256 at frame 7.
    EXPECT_EQ(shown(white, 15, 0), packPixel(254, 254, 254));
    EXPECT_EQ(shown(mixed, 15, 0), packPixel(199, 99, 7));
    EXPECT_EQ(shown(mixed, 15, 7), packPixel(89, 44, 3));
    // Brightness: c/4 + c/2 + 9k.
    EXPECT_EQ(shown(mixed, 14, 0), packPixel(150, 75, 6));
    EXPECT_EQ(shown(white, 14, 7), packPixel(253, 253, 253));
    // Gains: the feature's channel swept, the other two at 200/256.
    EXPECT_EQ(shown(white, 16, 7), packPixel(199, 114, 199));
    EXPECT_EQ(shown(white, 17, 7), packPixel(199, 199, 114));
    EXPECT_EQ(shown(white, 69, 7), packPixel(199, 199, 114));
    EXPECT_EQ(shown(white, 18, 0), packPixel(254, 199, 199));
    // The plain miniature, and the black border around it.
    EXPECT_EQ(shown(mixed, 90, 5), mixed);
    EXPECT_EQ(drawnFromColour(mixed, 15, 3).at(2, 2), 0u);
}

TEST(ToneFrames, BlackLevelsOrTheirChannelOverTheWholeFrame) {
    const uint32_t colour = packPixel(0x10, 0x20, 0x30);
    EXPECT_EQ(shown(colour, 27, 3), packPixel(0x10, 0x20, 0x38));
    EXPECT_EQ(shown(colour, 26, 7), packPixel(0x10, 0x20 | 56, 0x30));
    EXPECT_EQ(shown(colour, 28, 0), colour);
    // The black border rises too.
    EXPECT_EQ(drawnFromColour(colour, 28, 5).at(0, 0), packPixel(40, 0, 0));
}

TEST(ToneFrames, WindowAreaModeDarkensOutsideTheCentralHalf) {
    const uint32_t grey = packPixel(200, 200, 200);
    for (int code : {95, 96}) {
        const GuardedFrame first = drawnFromColour(grey, code, 0);
        const GuardedFrame last = drawnFromColour(grey, code, 7);
        EXPECT_EQ(first.at(10, 10), packPixel(199, 199, 199)) << code;  // 255/256
        EXPECT_EQ(last.at(10, 10), packPixel(62, 62, 62)) << code;      // 80/256
        EXPECT_EQ(last.at(39, 50), packPixel(62, 62, 62)) << code;      // x < 160/4
        EXPECT_EQ(last.at(40, 50), grey) << code;
        EXPECT_EQ(last.at(119, 24), grey) << code;
        EXPECT_EQ(last.at(120, 50), packPixel(62, 62, 62)) << code;  // x ≥ 3·160/4
        EXPECT_EQ(last.at(80, 23), packPixel(62, 62, 62)) << code;   // y < 98/4
        EXPECT_EQ(last.at(80, 73), packPixel(62, 62, 62)) << code;   // y ≥ 3·98/4
        EXPECT_EQ(last.at(80, 72), grey) << code;
    }
}

TEST(PurityFrames, CornersMixMostAtTheCornerAndNothingFortyPixelsAway) {
    EXPECT_EQ(purityWeight(255, 0, 0), 255);
    EXPECT_EQ(purityWeight(170, 10, 20), 170 * 19 * 29 / 1521);
    EXPECT_EQ(purityWeight(255, 39, 0), 0);
    EXPECT_EQ(purityWeight(255, 40, 0), 0);
    EXPECT_EQ(purityWeight(255, 0, 40), 0);
    const int strengths[] = {255, 170, 85, 0, 63, 127, 192, 255};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(purityStrength(k), strengths[k]) << k;
    }
    // Fully mixed red: into blue before the pure frame, into green after it.
    const uint32_t red = packPixel(255, 0, 0);
    EXPECT_EQ(mixPurity(red, 255, 0), packPixel(0, 0, 255));
    EXPECT_EQ(mixPurity(red, 255, 7), packPixel(0, 255, 0));
    EXPECT_EQ(mixPurity(red, 0, 0), red);

    // Top left (66): its corner pixel turns, the one 40 pixels to the right
    // and the other corners don't; 48 turns all four corners.
    const GuardedFrame topLeft = drawnFromColour(red, 66, 0);
    EXPECT_EQ(topLeft.at(3, 3), packPixel(0, 0, 255));
    EXPECT_EQ(topLeft.at(3 + 40, 3), red);
    EXPECT_EQ(topLeft.at(3 + 153, 3), red);
    const GuardedFrame all = drawnFromColour(red, 48, 7);
    for (const auto& [x, y] : {std::pair{3, 3}, {156, 3}, {3, 94}, {156, 94}}) {
        EXPECT_EQ(all.at(x, y), packPixel(0, 255, 0)) << x << "," << y;
    }
    EXPECT_EQ(all.at(80, 50), red);
    const int corners[][3] = {{65, 156, 3}, {67, 156, 94}, {68, 3, 94}};
    for (const auto& [feature, x, y] : corners) {
        const GuardedFrame one = drawnFromColour(red, feature, 1);
        EXPECT_NE(one.at(x, y), red) << feature;
        EXPECT_EQ(one.at(3, 3), red) << feature;
    }
    EXPECT_EQ(shown(red, 48, 3, 0, 0), red);  // the pure frame
}

TEST(SharpnessFrames, TapsRepeatTheEdgePixelsAndClamp) {
    const int sums[8] = {9, 10, 10, 10, 12, 8, 9, 4};
    for (int k = 0; k < 8; ++k) {
        const SharpnessTaps taps = sharpnessTaps(k);
        EXPECT_EQ(taps.centre + 2 * taps.side, sums[k]) << k;  // flat areas stay as they are
        EXPECT_EQ(taps.divisor, sums[k]) << k;
    }
    // One row: 100, 10, 0, 200, 0, then 50 to the last column.
    PixelBuffer capture(kWide.captureWidth, 1, packPixel(50, 50, 50));
    const int levels[] = {100, 10, 0, 200, 0};
    for (int x = 0; x < 5; ++x) {
        capture.pixels[x] = packPixel(levels[x], levels[x], levels[x]);
    }
    const auto filtered = [&](int k, int x) {
        GuardedFrame frame(kWide);
        drawSharpnessFrame(capture.view(), frame.view(), k);
        EXPECT_EQ(frame.at(2, 3), 0u);  // drawn where the miniature belongs
        return redOf(frame.at(x + 3, 3));
    };
    EXPECT_EQ(filtered(0, 0), (3 * 100 + 3 * (100 + 10)) / 9);   // left edge repeated
    EXPECT_EQ(filtered(7, 0), (12 * 100 - 4 * (100 + 10)) / 4);  // 190
    EXPECT_EQ(filtered(7, 3), 255);                              // 600 clamped
    EXPECT_EQ(filtered(7, 2), 0);                                // -200 clamped
    EXPECT_EQ(filtered(3, 1), 10);                               // frame 3 leaves it
    EXPECT_EQ(filtered(7, kWide.captureWidth - 1), 50);          // right edge repeated
}

TEST(ConvergenceFrames, ChannelsMeetAtTheMiddleFrame) {
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(convergenceOffsets(13, k, 0, 0, 154, 92), (ChannelOffsets{k - 4, 4 - k}));
        EXPECT_EQ(convergenceOffsets(44, k, 9, 9, 154, 92), (ChannelOffsets{k - 4, 4 - k}));
    }
    // A single white pixel at the miniature's corner: red at x = k − 1,
    // green at 3, blue at 7 − k; all three at 3 in frame 4.
    PixelBuffer capture(kWide.captureWidth, kWide.captureHeight);
    capture.pixels[0] = packPixel(255, 255, 255);
    for (int k = 0; k < 8; ++k) {
        GuardedFrame frame(kWide);
        drawFeatureFrame(capture.view(), frame.view(), 13, k);
        if (k == 4) {
            EXPECT_EQ(frame.at(3, 3), packPixel(255, 255, 255));
            continue;
        }
        GuardedFrame vertical(kWide);
        drawFeatureFrame(capture.view(), vertical.view(), 44, k);
        if (k >= 1) {  // frame 0 puts red just left of (above) the frame
            EXPECT_EQ(frame.at(k - 1, 3), packPixel(255, 0, 0)) << k;
            EXPECT_EQ(vertical.at(3, k - 1), packPixel(255, 0, 0)) << k;
        }
        EXPECT_EQ(frame.at(3, 3), packPixel(0, 255, 0)) << k;
        EXPECT_EQ(frame.at(7 - k, 3), packPixel(0, 0, 255)) << k;
        EXPECT_EQ(vertical.at(3, 7 - k), packPixel(0, 0, 255)) << k;
    }
    // Edge convergence: full in the quarter at the edge (92/4 = 23 rows,
    // 154/4 = 38 columns), half up to a third (30 rows, 51 columns), none
    // beyond.
    struct Edge {
        int feature, x, y;
        ChannelOffsets atFrame0;
    };
    const Edge edges[] = {{73, 0, 22, {-4, 4}},  {73, 0, 23, {-2, 2}},  {73, 0, 30, {0, 0}},
                          {74, 0, 69, {-4, 4}},  {74, 0, 68, {-2, 2}},  {74, 0, 61, {0, 0}},
                          {75, 37, 0, {-4, 4}},  {75, 38, 0, {-2, 2}},  {75, 51, 0, {0, 0}},
                          {76, 116, 0, {-4, 4}}, {76, 115, 0, {-2, 2}}, {76, 102, 0, {0, 0}}};
    for (const Edge& e : edges) {
        EXPECT_EQ(convergenceOffsets(e.feature, 0, e.x, e.y, 154, 92), e.atFrame0)
            << e.feature << " at " << e.x << "," << e.y;
        EXPECT_EQ(convergenceOffsets(e.feature, 4, e.x, e.y, 154, 92), (ChannelOffsets{}));
    }
    EXPECT_EQ(convergenceOffsets(73, 7, 0, 25, 154, 92), (ChannelOffsets{1, -1}));
}

TEST(MoireFrames, ZigZagLinesFadeFromFrameToFrame) {
    const uint32_t white = packPixel(255, 255, 255);
    for (int feature : {51, 62}) {
        for (int k : {0, 7}) {
            const GuardedFrame frame = drawnFromColour(white, feature, k);
            const int level = moireLineLevel(k);
            int lines = 0;
            int other = 0;
            for (int y = 3; y < 3 + kWide.captureHeight; ++y) {
                for (int x = 3; x < 3 + kWide.captureWidth; ++x) {
                    const uint32_t p = frame.at(x, y);
                    lines += p == packPixel(level, level, level);
                    other += p != white && p != packPixel(level, level, level);
                }
            }
            EXPECT_EQ(other, 0) << feature << " k " << k;
            EXPECT_GT(lines, kWide.captureWidth * kWide.captureHeight / 4) << feature;
            EXPECT_LT(lines, kWide.captureWidth * kWide.captureHeight) << feature;
        }
    }
    EXPECT_EQ(moireLineLevel(0), 128);
    EXPECT_EQ(moireLineLevel(7), 240);
}

TEST(SaturationFrames, EveryFrameHasItsOwnSaturation) {
    // A real division: frames 1 to 5 lie between grey and the colour itself.
    const uint32_t red = packPixel(200, 0, 0);
    std::vector<uint32_t> seen;
    for (int k = 0; k < 8; ++k) {
        EXPECT_DOUBLE_EQ(saturationOfFrame(k), k / 6.0);
        uint32_t target = 0;
        uint32_t source = red;
        applySaturation(pixelView(&source, 1, 1), pixelView(&target, 1, 1), 1, 1, 1, 0,
                        saturationOfFrame(k));
        EXPECT_EQ(std::count(seen.begin(), seen.end(), target), 0) << k;
        seen.push_back(target);
    }
    EXPECT_EQ(seen[6], red);
}
