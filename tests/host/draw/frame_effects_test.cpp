#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "draw/pixels/colour_effects.h"
#include "draw/pixels/convergence.h"
#include "draw/pixels/corner_purity.h"
#include "draw/pixels/feature_frames.h"
#include "draw/pixels/geometry_warps.h"
#include "draw/pixels/moire_overlay.h"
#include "draw/pixels/sharpness.h"
#include "draw/pixels/tone_effects.h"
#include "tests/host/draw/frame_buffers.h"

namespace {

const IllustrationLayout kWide = illustrationLayout(2);  // miniature 154 × 92, frame 160 × 98

// Frame k of `feature` drawn from the coordinate picture.
GuardedFrame drawn(const IllustrationLayout& layout, int feature, int k) {
    PixelBuffer capture = coordinateCapture(layout);
    GuardedFrame frame(layout);
    EXPECT_TRUE(drawFeatureFrame(capture.view(), frame.view(), feature, k)) << feature;
    return frame;
}

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

TEST(ToneFrames, LevelsGainsBlackLevelsAndWindowAreaOfEachFrameAndEveryLevelOnItsOwn) {
    const uint32_t white = packPixel(255, 255, 255);
    const uint32_t mixed = packPixel(200, 100, 8);
    const uint32_t low = packPixel(0x10, 0x20, 0x30);
    // Contrast (15): 255/256 of each level at frame 0, 115/256 at frame 7.
    // Brightness (14): c/4 + c/2 + 9k. Gains (16-18, 69): the feature's
    // channel swept, the other two at 200/256. Black levels (26-28): or'ed
    // into their channel over the whole frame. 90: the plain miniature.
    const struct {
        uint32_t colour;
        int feature, k, red, green, blue;
    } cases[] = {{white, 15, 0, 254, 254, 254},  {mixed, 15, 0, 199, 99, 7},
                 {mixed, 15, 7, 89, 44, 3},      {mixed, 14, 0, 150, 75, 6},
                 {white, 14, 7, 253, 253, 253},  {white, 16, 7, 199, 114, 199},
                 {white, 17, 7, 199, 199, 114},  {white, 69, 7, 199, 199, 114},
                 {white, 18, 0, 254, 199, 199},  {mixed, 90, 5, 200, 100, 8},
                 {low, 27, 3, 0x10, 0x20, 0x38}, {low, 26, 7, 0x10, 0x20 | 56, 0x30},
                 {low, 28, 0, 0x10, 0x20, 0x30}};
    for (const auto& c : cases) {
        EXPECT_EQ(shown(c.colour, c.feature, c.k), packPixel(c.red, c.green, c.blue))
            << c.feature << " k " << c.k;
    }
    // The black border around the miniature, which a black level raises too.
    EXPECT_EQ(drawnFromColour(mixed, 15, 3).at(2, 2), 0u);
    EXPECT_EQ(drawnFromColour(low, 28, 5).at(0, 0), packPixel(40, 0, 0));

    // Window area mode (95, 96) darkens outside the central half: 255/256 at
    // frame 0, 80/256 at frame 7 outside 160/4 <= x < 3·160/4, 98/4 <= y < 3·98/4.
    const uint32_t grey = packPixel(200, 200, 200);
    const uint32_t dark = packPixel(62, 62, 62);
    for (int code : {95, 96}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(drawnFromColour(grey, code, 0).at(10, 10), packPixel(199, 199, 199));
        const GuardedFrame last = drawnFromColour(grey, code, 7);
        const int points[][3] = {{10, 10, 1},  {39, 50, 1}, {40, 50, 0}, {119, 24, 0},
                                 {120, 50, 1}, {80, 23, 1}, {80, 73, 1}, {80, 72, 0}};
        for (const auto& [x, y, darkened] : points) {
            EXPECT_EQ(last.at(x, y), darkened != 0 ? dark : grey) << x << "," << y;
        }
    }

    // Every level of every channel through gains from none to all and through
    // brightening, on rows of lengths that leave a part of a group of four
    // pixels; the fourth byte of each pixel is dropped.
    for (int count : {259, 3}) {
        std::vector<uint32_t> pixels(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            pixels[i] = packPixel(i, 255 - i, i * 7) | 0xFF000000u;
        }
        const auto expectEach = [&](const std::vector<uint32_t>& changed, auto level) {
            for (int i = 0; i < count; ++i) {
                const uint32_t p = pixels[i];
                ASSERT_EQ(changed[i],
                          packPixel(level(redOf(p), 0), level(greenOf(p), 1), level(blueOf(p), 2)))
                    << count << " pixels, at " << i;
            }
        };
        for (const ChannelGains& gains : {ChannelGains{255, 115, 200}, ChannelGains{256, 0, 1}}) {
            SCOPED_TRACE(testing::Message() << "gains " << gains.red << " " << gains.green);
            std::vector<uint32_t> scaled = pixels;
            scalePixels(scaled.data(), scaled.data(), count, gains);
            const int factors[] = {gains.red, gains.green, gains.blue};
            expectEach(scaled,
                       [&](int level, int channel) { return level * factors[channel] / 256; });
        }
        for (int lift : {0, brightnessLift(7), 200}) {
            SCOPED_TRACE(testing::Message() << "lift " << lift);
            std::vector<uint32_t> brightened(pixels.size());
            brightenPixels(pixels.data(), brightened.data(), count, lift);
            expectEach(brightened,
                       [&](int level, int) { return std::min(255, level / 4 + level / 2 + lift); });
        }
    }
}

TEST(PurityFrames, CornersMixMostAtTheCornerAndNothingFortyPixelsAway) {
    // The weight falls off from the corner: 170·19·29/1521 at (10, 20).
    const int weights[][4] = {
        {255, 0, 0, 255}, {170, 10, 20, 61}, {255, 39, 0, 0}, {255, 40, 0, 0}, {255, 0, 40, 0}};
    for (const auto& [strength, dx, dy, weight] : weights) {
        EXPECT_EQ(purityWeight(strength, dx, dy), weight) << dx << "," << dy;
    }
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

    // Every channel mixed on its own, whatever the others hold.
    for (int weight = 0; weight <= 255; weight += 15) {
        for (uint32_t pixel = 0x0307F1; pixel < 0xFFFFFF; pixel += 0x0B3D17) {
            const int r = redOf(pixel), g = greenOf(pixel), b = blueOf(pixel);
            const auto mix = [&](int own, int other) {
                return (own * (255 - weight) + other * weight) / 255;
            };
            ASSERT_EQ(mixPurity(pixel, weight, 2), packPixel(mix(r, g), mix(g, b), mix(b, r)));
            ASSERT_EQ(mixPurity(pixel, weight, 4), packPixel(mix(r, b), mix(g, r), mix(b, g)));
        }
    }

    // Every pixel of every frame, on a full miniature and on one narrower
    // and lower than a corner region (the corners overlap): each corner's
    // pixels mixed one after another, top right, top left, bottom right,
    // bottom left, by the weight of their distance from that corner.
    for (const auto& [width, height] : {std::pair{154, 92}, {37, 23}}) {
        PixelBuffer capture(width, height);
        for (size_t i = 0; i < capture.pixels.size(); ++i) {
            capture.pixels[i] = static_cast<uint32_t>(i * 0x9E3779B9u) >> 8;
        }
        for (int k = 0; k < 8; ++k) {
            PixelBuffer expected = capture;
            const int corners[][2] = {{1, 0}, {0, 0}, {1, 1}, {0, 1}};  // right, bottom
            for (const auto& [right, bottom] : corners) {
                for (int dy = 0; dy < std::min(40, height); ++dy) {
                    for (int dx = 0; dx < std::min(40, width); ++dx) {
                        uint32_t& pixel = expected.pixels[static_cast<size_t>(
                            (bottom ? height - 1 - dy : dy) * width +
                            (right ? width - 1 - dx : dx))];
                        pixel = mixPurity(pixel, purityWeight(purityStrength(k), dx, dy), k);
                    }
                }
            }
            PixelBuffer frame(width + 6, height + 6);
            drawPurityFrame(capture.view(), frame.view(), 48, k);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    ASSERT_EQ(frame.at(x + 3, y + 3), expected.at(x, y))
                        << width << " wide, frame " << k << " at " << x << "," << y;
                }
            }
        }
    }
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
    // Left edge repeated: (3·100 + 3·(100 + 10)) / 9 at frame 0, (12·100 − 4·(100 + 10)) / 4
    // at frame 7; 600 and −200 clamped; frame 3 leaves the pixel; right edge repeated.
    const int cases[][3] = {{0, 0, 70}, {7, 0, 190}, {7, 3, 255},
                            {7, 2, 0},  {3, 1, 10},  {7, 153, 50}};
    for (const auto& [k, x, level] : cases) {
        EXPECT_EQ(filtered(k, x), level) << "frame " << k << " column " << x;
    }

    // Every centre level beside every sum of the two side levels, in red and
    // (mirrored) green, with blue holding a third pattern: each channel of
    // every pixel is its taps' sum divided and clamped, the left edge
    // repeated. The frame is one column short of the miniature, so the last
    // column drawn takes its right neighbour from the miniature and nothing
    // spills into the next row.
    PixelBuffer sweep(3 * 256, 511);
    for (int sides = 0; sides <= 510; ++sides) {
        for (int centre = 0; centre < 256; ++centre) {
            uint32_t* triple = &sweep.pixels[static_cast<size_t>(sides * sweep.width + 3 * centre)];
            const int left = sides / 2;
            const int right = sides - left;
            triple[0] = packPixel(left, 255 - left, centre);
            triple[1] = packPixel(centre, 255 - centre, left);
            triple[2] = packPixel(right, 255 - right, centre ^ 0x5A);
        }
    }
    for (int k = 0; k < 8; ++k) {
        const SharpnessTaps taps = sharpnessTaps(k);
        PixelBuffer frame(sweep.width + 2, sweep.height + 6);
        drawSharpnessFrame(sweep.view(), frame.view(), k);
        for (int y = 0; y < sweep.height; ++y) {
            ASSERT_EQ(frame.at(0, y + 3) | frame.at(1, y + 3) | frame.at(2, y + 3), 0u) << y;
            for (int x = 0; x < sweep.width - 1; ++x) {
                const auto in = [&](int column) {
                    return sweep.at(std::clamp(column, 0, sweep.width - 1), y);
                };
                const auto level = [&](int (*channel)(uint32_t)) {
                    const int sum = taps.centre * channel(in(x)) +
                                    taps.side * (channel(in(x - 1)) + channel(in(x + 1)));
                    return std::clamp(sum / taps.divisor, 0, 255);
                };
                ASSERT_EQ(frame.at(x + 3, y + 3),
                          packPixel(level(redOf), level(greenOf), level(blueOf)))
                    << "frame " << k << " column " << x << " row " << y;
            }
        }
    }
}

TEST(ConvergenceFrames, ChannelsMeetAtTheMiddleFrame) {
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(convergenceOffsets(13, k, 0, 0, 154, 92), (ChannelOffsets{k - 4, 4 - k}));
        EXPECT_EQ(convergenceOffsets(44, k, 9, 9, 154, 92), (ChannelOffsets{k - 4, 4 - k}));
    }
    // A single white pixel at the miniature's corner, pinned: red at k - 1,
    // green at 3, blue at 7 - k, across (13) and down (44); all three at 3
    // in frame 4.
    PixelBuffer corner(kWide.captureWidth, kWide.captureHeight);
    corner.pixels[0] = packPixel(255, 255, 255);
    for (int k = 0; k < 8; ++k) {
        for (int feature : {13, 44}) {
            GuardedFrame frame(kWide);
            ASSERT_TRUE(drawFeatureFrame(corner.view(), frame.view(), feature, k));
            const auto at = [&](int along) {
                return feature == 13 ? frame.at(along, 3) : frame.at(3, along);
            };
            if (k == 4) {
                EXPECT_EQ(at(3), packPixel(255, 255, 255)) << feature;
                continue;
            }
            if (k >= 1) {  // frame 0 puts red just outside the frame
                EXPECT_EQ(at(k - 1), packPixel(255, 0, 0)) << feature << " frame " << k;
            }
            EXPECT_EQ(at(3), packPixel(0, 255, 0)) << feature << " frame " << k;
            EXPECT_EQ(at(7 - k), packPixel(0, 0, 255)) << feature << " frame " << k;
        }
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

    // Whole frames: every pixel's green stays, its red and blue land where
    // the pixel's own offsets put them, across (13, 75, 76) or down (44,
    // 73, 74), ORed together; nothing else.
    PixelBuffer tagged = coordinateCapture(kWide);
    for (int feature : {13, 44, 73, 74, 75, 76}) {
        const bool down = feature == 44 || feature == 73 || feature == 74;
        for (int k : {0, 2, 4, 7}) {  // the channels meet in frame 4
            PixelBuffer expected(kWide.frameWidth, kWide.frameHeight);
            const auto put = [&](int x, int y, uint32_t channel) {
                if (x >= 0 && y >= 0 && x < expected.width && y < expected.height) {
                    expected.pixels[static_cast<size_t>(y * expected.width + x)] |= channel;
                }
            };
            for (int y = 0; y < tagged.height; ++y) {
                for (int x = 0; x < tagged.width; ++x) {
                    const uint32_t p = tagged.at(x, y);
                    const ChannelOffsets o =
                        convergenceOffsets(feature, k, x, y, tagged.width, tagged.height);
                    put(3 + x, 3 + y, p & 0x00FF00);
                    put(3 + x + (down ? 0 : o.red), 3 + y + (down ? o.red : 0), p & 0xFF0000);
                    put(3 + x + (down ? 0 : o.blue), 3 + y + (down ? o.blue : 0), p & 0x0000FF);
                }
            }
            const GuardedFrame frame = drawn(kWide, feature, k);
            ASSERT_TRUE(frame.guardIntact());
            for (int y = 0; y < expected.height; ++y) {
                for (int x = 0; x < expected.width; ++x) {
                    ASSERT_EQ(frame.at(x, y), expected.at(x, y))
                        << feature << " frame " << k << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(MoireFrames, ZigZagLinesFadeFromFrameToFrame) {
    const uint32_t white = packPixel(255, 255, 255);
    for (int feature : {51, 62}) {
        for (int k : {0, 7}) {
            const GuardedFrame frame = drawnFromColour(white, feature, k);
            const int level = moireLineLevel(k);
            const uint32_t line = packPixel(level, level, level);
            std::map<uint32_t, int> seen;  // pixels of each colour
            for (int y = 3; y < 3 + kWide.captureHeight; ++y) {
                for (int x = 3; x < 3 + kWide.captureWidth; ++x) {
                    ++seen[frame.at(x, y)];
                }
            }
            const int area = kWide.captureWidth * kWide.captureHeight;
            EXPECT_EQ(seen[white] + seen[line], area) << feature << " k " << k;  // nothing else
            EXPECT_GT(seen[line], area / 4) << feature;
            EXPECT_LT(seen[line], area) << feature;
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

TEST(FeatureFrames, EveryAnimatedFeatureDrawsInsideItsFrameAndGeometryIsNoneInTheMiddle) {
    const std::set<int> geometry = {1,  2,  3,  6,  7,  8,  9,  10, 11, 12, 40, 41, 42,
                                    43, 45, 46, 49, 50, 64, 13, 44, 73, 74, 75, 76};
    int animated = 0;
    for (int feature = -12; feature <= 100; ++feature) {
        if (!hasFeatureFrame(feature)) {
            continue;
        }
        ++animated;
        for (int layoutValue : {1, 2}) {
            const IllustrationLayout layout = illustrationLayout(layoutValue);
            for (int k : {0, 1, 4, 7}) {  // both extremes, and none
                SCOPED_TRACE(testing::Message()
                             << "layout " << layoutValue << " feature " << feature << " k " << k);
                const GuardedFrame frame = drawn(layout, feature, k);
                ASSERT_TRUE(frame.guardIntact());
                const int w = frame.width();
                const int h = frame.height();
                ASSERT_GT(countWhere(w, h, [&](int x, int y) { return frame.at(x, y) != 0; }),
                          w * h / 2);
                if (k == 4 && geometry.count(feature) != 0) {  // distortion, convergence
                    EXPECT_EQ(changedPixels(layout, [&](int x, int y) { return frame.at(x, y); }),
                              0);
                }
            }
        }
    }
    // 0-3, 6-18, 26-28, 40-46, 48-51, 62, 64-69, 73-76, 82, 90, 95, 96.
    EXPECT_EQ(animated, 4 + 13 + 3 + 7 + 4 + 1 + 6 + 4 + 1 + 1 + 2);
    for (int feature : {4, 5, 19, 25, 29, 47, 52, 63, 70, 81, 83, 88, 89, 94, 97}) {
        EXPECT_FALSE(hasFeatureFrame(feature)) << feature;
    }
}

TEST(GeometryFrames, PositionCirclesSizeGrowsAboutTheCentreAndRowsBendAsTheirFeatureSays) {
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
        SCOPED_TRACE(testing::Message() << c.feature << " k " << c.k);
        const GuardedFrame frame = drawn(kWide, c.feature, c.k);
        const int x = std::max(c.x, 0);
        const int y = std::max(c.y, 0);
        EXPECT_EQ(frame.at(x, y), tagOf(x - c.x, y - c.y));
        if (c.x > 0) {
            EXPECT_EQ(frame.at(c.x - 1, y), 0u);
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

    // Where row y lands at full swing: its x, width and the source width it
    // samples. Centre band (6, 41): unchanged outside the 39 rows about the
    // centre row, which bends most. Top and bottom bands (40, 42, 45, 46, 49,
    // 50): 20 rows, most at the picture's edge.
    const int rows[][5] = {
        {7, 0, 12, 136, 154},  {7, 46, 3, 154, 154},  {8, 0, -6, 172, 154},   {8, 91, 12, 136, 154},
        {9, 0, -6, 154, 154},  {10, 0, 12, 154, 154}, {10, 91, 11, 154, 154}, {64, 0, 3, 154, 154},
        {64, 25, 1, 154, 154}, {6, 26, 3, 154, 154},  {6, 27, 3, 155, 155},   {6, 46, 9, 143, 155},
        {6, 66, 3, 154, 154},  {41, 46, 9, 154, 154}, {40, 0, 7, 147, 155},   {40, 20, 3, 154, 154},
        {40, 71, 3, 154, 154}, {40, 72, 3, 155, 155}, {40, 91, 7, 147, 155},  {42, 0, 7, 154, 154},
        {45, 0, 7, 147, 155},  {45, 91, 3, 154, 154}, {46, 0, 7, 154, 154},   {49, 0, 3, 154, 154},
        {49, 91, 7, 147, 155}, {50, 91, 7, 154, 154}};
    for (const auto& [feature, y, x, width, sourceWidth] : rows) {
        EXPECT_EQ(warpedRow(feature, y, 1.0, 154, 92),
                  (RowPlacement{y, y + 3, x, width, sourceWidth}))
            << "feature " << feature << " row " << y;
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

// A stretched or squeezed row: column i of the placement shows source
// column i · sourceWidth / width, black past the source's last column, for
// every source width up to beyond the source and widths from 1 up; the
// placement starts two columns left of the target.
TEST(GeometryFrames, StretchedRowsSampleTheirSourceColumnsExactly) {
    PixelBuffer source(180, 1);
    for (int x = 0; x < source.width; ++x) {
        source.pixels[x] = tagOf(x, 0);
    }
    for (int sourceWidth = 1; sourceWidth <= 200; ++sourceWidth) {
        for (int width : {1, 2, 3, 7, 64, 99, 136, 154, 155, 170, 199, 255}) {
            PixelBuffer target(260, 1);
            copyRow(source.view(), target.view(), RowPlacement{0, 0, -2, width, sourceWidth});
            for (int i = 2; i < width; ++i) {
                const int column = i * sourceWidth / width;
                ASSERT_EQ(target.at(i - 2, 0), column < source.width ? tagOf(column, 0) : 0u)
                    << sourceWidth << " to " << width << " at " << i;
            }
        }
    }
}

TEST(GeometryFrames, LinearityResamplesRowsInsideTheMiniatureAndRotationShears) {
    // Row 91 and 49: near the bottom frame 0 would read the row below the miniature.
    const int sources[][4] = {
        {11, 0, 12, 10}, {11, 7, 12, 14}, {11, 4, 12, 12}, {11, 0, 91, 91}, {43, 0, 49, 45}};
    for (const auto& [feature, k, y, source] : sources) {
        EXPECT_EQ(linearitySourceRow(feature, k, y, 92, 98), source) << feature << " " << k;
    }
    EXPECT_EQ(drawn(kWide, 11, 0).at(3, 15), tagOf(0, 10));
    for (int feature : {11, 43}) {
        for (int k = 0; k < 8; ++k) {
            for (int y = 0; y < 92; ++y) {
                const int source = linearitySourceRow(feature, k, y, 92, 98);
                ASSERT_TRUE(source >= 0 && source < 92) << feature << " " << k << " " << y;
            }
        }
    }
    // Rotation, pinned: columns shear down, then rows across; the centre stays.
    const GuardedFrame turned = drawn(kWide, 12, 0);
    EXPECT_EQ(turned.at(4, 0), tagOf(0, 0));      // down by 0, row 0 right by 1
    EXPECT_EQ(turned.at(157, 6), tagOf(153, 0));  // down by 6, row 6 right by 1
    EXPECT_EQ(turned.at(80, 49), tagOf(77, 46));
    const GuardedFrame back = drawn(kWide, 12, 7);
    EXPECT_EQ(back.at(80, 49), tagOf(77, 46));
    EXPECT_NE(back.at(4, 0), tagOf(0, 0));
    // Rotation, every pixel of every frame: column X of frame row y shows column
    // X + left(y) of the once-sheared picture, whose column 3 + x shows the
    // miniature's pixel down(x) rows higher, or black.
    for (int k = 0; k < 8; ++k) {
        const GuardedFrame frame = drawn(kWide, 12, k);
        const double a = swingOfFrame(k);
        for (int y = 0; y < kWide.frameHeight; ++y) {
            for (int column = 0; column < kWide.frameWidth; ++column) {
                const int x = column + static_cast<int>(a * (y - 49) / 25.0) - 3;
                const int row = y - 3 - static_cast<int>(a * (x - 77) / 20.0);
                const bool inside = x >= 0 && x < 154 && row >= 0 && row < 92;
                ASSERT_EQ(frame.at(column, y), inside ? tagOf(x, row) : 0u)
                    << "frame " << k << " at " << column << "," << y;
            }
        }
    }
}
