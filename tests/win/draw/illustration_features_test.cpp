#include <gtest/gtest.h>

#include "draw/animated_illustration.h"
#include "draw/pixels/feature_frames.h"
#include "tests/host/draw/frame_buffers.h"
#include "tests/win/draw/draw_test_support.h"
#include "tests/win/support/gui_object_counts.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

// An illustration whose miniature is the coordinate picture (red = column,
// green = row) instead of the screen.
class CoordinateIllustration : public AnimatedIllustration {
  public:
    HDC captureScreen(HWND window, bool capture) override {
        HDC dc = AnimatedIllustration::captureScreen(window, false);
        const PixelView pixels = pixelsOfDc(dc);
        for (int y = 0; capture && y < pixels.height; ++y) {
            for (int x = 0; x < pixels.width; ++x) {
                pixels.at(x, y) = tagOf(x, y);
            }
        }
        return dc;
    }
};

class IllustrationFeaturesTest : public testing::Test {
  protected:
    void SetUp() override { useSharedFont(); }
    void render(int code) {
        illustration.setItem(code);
        illustration.freeFrames();
        ASSERT_EQ(illustration.renderFrames(nullptr), 0) << code;
        ASSERT_EQ(illustration.isReady(), 1) << code;
    }
    // Pixel (x, y) of frame k as 0x00RRGGBB.
    uint32_t at(int k, int x, int y) const {
        return pixelOfColour(framePixel(illustration.frame(k), x, y));
    }
    CoordinateIllustration illustration;
};

}  // namespace

// Messages and features without an animation show the dark-blue panel in a
// black border of two pixels, four at the bottom.
TEST_F(IllustrationFeaturesTest, EveryCodeRendersEightFramesAndGivesEveryGdiObjectBack) {
    render(-12);  // what the drawing code makes once for the program's life
    illustration.freeFrames();
    const int before = heldGdiHandles();
    const int objects = liveGdiObjects();  // the process's own count, too
    for (int layout : {1, 2}) {
        illustration.setLayout(layout);
        const IllustrationLayout g = illustration.geometry();
        for (int code = -12; code <= 97; ++code) {
            SCOPED_TRACE(testing::Message() << "layout " << layout << " code " << code);
            render(code);
            // While ready, the eight frames are all the illustration holds.
            EXPECT_EQ(heldGdiHandles(), before + kIllustrationFrames);
            const bool animated = hasFeatureFrame(code) || code == 81 || (code >= 83 && code <= 88);
            for (int k = 0; k < kIllustrationFrames; ++k) {
                HBITMAP frame = illustration.frame(k);
                BITMAP info{};
                ASSERT_TRUE(GetObjectW(frame, sizeof info, &info)) << k;
                ASSERT_EQ(info.bmWidth, g.frameWidth);
                ASSERT_EQ(info.bmHeight, g.frameHeight);
                // Animations are drawn from the miniature.
                EXPECT_EQ(framePixel(frame, 2, 2) == kIllustrationPanel, !animated) << k;
                if (!animated) {
                    EXPECT_EQ(framePixel(frame, 1, 1), kBlack) << k;
                    EXPECT_EQ(framePixel(frame, g.frameWidth - 3, g.frameHeight - 5),
                              kIllustrationPanel)
                        << k;
                    EXPECT_EQ(framePixel(frame, g.frameWidth - 2, g.frameHeight - 5), kBlack) << k;
                    EXPECT_EQ(framePixel(frame, 2, g.frameHeight - 4), kBlack) << k;
                }
            }
        }
    }
    illustration.freeFrames();
    EXPECT_EQ(illustration.isReady(), 0);
    EXPECT_EQ(illustration.frame(0), nullptr);
    EXPECT_EQ(heldGdiHandles(), before);
    EXPECT_EQ(liveGdiObjects(), objects);
}

TEST_F(IllustrationFeaturesTest,
       FramesShowTheMiniatureWhereItBelongsAndContrastConvergenceAndSizeOnTheirPixels) {
    // Frames in which the feature changes nothing show the miniature at
    // (3, 3) on black, in both layouts, whatever path draws them.
    const int stills[][2] = {{81, 6}, {83, 4}, {85, 4}, {88, 4}, {82, 3}, {90, 0},
                             {1, 4},  {12, 4}, {13, 4}, {40, 4}, {75, 4}, {48, 3}};
    for (int layout : {1, 2}) {
        illustration.setLayout(layout);
        const IllustrationLayout g = illustration.geometry();
        for (const auto& [code, k] : stills) {
            render(code);
            EXPECT_EQ(changedPixels(g, [&](int x, int y) { return at(k, x, y); }), 0)
                << "layout " << layout << " code " << code;
        }
    }

    illustration.setLayout(2);
    render(15);
    EXPECT_EQ(at(0, 3 + 100, 3 + 50), packPixel(100 * 255 / 256, 50 * 255 / 256, 77 * 255 / 256));
    EXPECT_EQ(at(7, 3 + 100, 3 + 50), packPixel(100 * 115 / 256, 50 * 115 / 256, 77 * 115 / 256));
    // Frame 0 of horizontal convergence: red four pixels left, blue four
    // right of green.
    render(13);
    EXPECT_EQ(greenOf(at(0, 3 + 20, 3 + 10)), 10);
    EXPECT_EQ(redOf(at(0, 3 + 20 - 4, 3 + 10)), 20);
    EXPECT_EQ(blueOf(at(0, 3 + 20 + 4, 3 + 10)), kTagBlue);
    // The last frame of size is larger than the frame: no black border.
    render(1);
    EXPECT_NE(at(7, 0, 0), 0u);
    EXPECT_EQ(at(0, 9, 9), 0u);
    EXPECT_EQ(at(0, 10, 10), tagOf(0, 0));
}
