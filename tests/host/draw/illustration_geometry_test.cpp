#include "draw/pixels/illustration_geometry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

TEST(IllustrationLayouts, FramesFitThePictureWithABorderAroundTheMiniatureAndACentredCaption) {
    for (int value : {-1, 0, 1, 2, 3}) {
        const IllustrationLayout layout = illustrationLayout(value);
        EXPECT_EQ(layout.layout, value == 2 ? 2 : 1) << value;
        // The miniature, placed at (3, 3), keeps at least three pixels of
        // black on every side.
        EXPECT_GE(layout.frameWidth - layout.captureWidth, 6) << value;
        EXPECT_GE(layout.frameHeight - layout.captureHeight, 6) << value;
        EXPECT_LE(layout.frameX + layout.frameWidth, kPictureSize) << value;
        EXPECT_LE(layout.frameY + layout.frameHeight, kPictureSize) << value;
        // The caption is centred, its bottom six pixels above the frame's edge.
        for (const auto& [width, height] : std::vector<std::pair<int, int>>{{127, 13}, {40, 7}}) {
            const PixelPoint at =
                captionPosition(layout.frameWidth, layout.frameHeight, width, height);
            const int leftMargin = at.x;
            const int rightMargin = layout.frameWidth - at.x - width;
            EXPECT_LE(std::abs(leftMargin - rightMargin), 1) << leftMargin << " " << rightMargin;
            EXPECT_EQ(at.y + height, layout.frameHeight - 6);
        }
    }
    EXPECT_NE(illustrationLayout(1).frameWidth, illustrationLayout(2).frameWidth);
}

// The whole monitor, as large as it fits and centred: 16:9, 16:10, 4:3 and
// 5:4 screens, one left of and above the primary, and one on its side.
TEST(CaptureStrips, MiniatureShowsTheWholeMonitorCentredInItsAspectRatioAndNothingOfAnEmptyOne) {
    const PixelRect monitors[] = {{0, 0, 1920, 1080}, {0, 0, 1920, 1200},    {0, 0, 1024, 768},
                                  {0, 0, 1280, 1024}, {-1280, -200, 0, 824}, {0, 0, 1080, 1920}};
    for (int layoutValue : {1, 2}) {
        const IllustrationLayout layout = illustrationLayout(layoutValue);
        const int wc = layout.captureWidth;
        const int hc = layout.captureHeight;
        for (const PixelRect& m : monitors) {
            SCOPED_TRACE(testing::Message() << "layout " << layoutValue << " monitor " << m.left
                                            << "," << m.top << " " << m.right << "," << m.bottom);
            const int w = m.right - m.left;
            const int h = m.bottom - m.top;
            const auto strips = captureStrips(m, wc, hc);
            const int stripWidth = strips[0].targetWidth;
            const int height = strips[0].targetHeight;
            // Sixteen equal strips side by side make the miniature.
            ASSERT_GT(stripWidth, 0);
            for (int i = 0; i < kCaptureStrips; ++i) {
                EXPECT_EQ(strips[i].targetX, strips[0].targetX + i * stripWidth);
                EXPECT_EQ(strips[i].targetWidth, stripWidth);
                EXPECT_EQ(strips[i].targetY, strips[0].targetY);
                EXPECT_EQ(strips[i].targetHeight, height);
            }
            const int total = kCaptureStrips * stripWidth;
            // Inside the capture, centred both ways, filling its height or
            // (to a strip's width) its width, in the monitor's aspect ratio
            // to a strip's width or a row.
            EXPECT_GE(strips[0].targetX, 0);
            EXPECT_GE(strips[0].targetY, 0);
            EXPECT_LE(std::abs(strips[0].targetX - (wc - strips[0].targetX - total)), 1);
            EXPECT_LE(std::abs(strips[0].targetY - (hc - strips[0].targetY - height)), 1);
            EXPECT_TRUE(height == hc || total > wc - kCaptureStrips);
            EXPECT_LE(total * h, w * height + w);
            EXPECT_GT((total + kCaptureStrips) * h, w * height);

            // The sources walk across the monitor below its top row and
            // never leave it.
            EXPECT_EQ(strips[0].sourceX, m.left + 1);
            for (int i = 0; i < kCaptureStrips; ++i) {
                EXPECT_EQ(strips[i].sourceWidth, w / kCaptureStrips);
                EXPECT_EQ(strips[i].sourceY, m.top + 1);
                EXPECT_EQ(strips[i].sourceY + strips[i].sourceHeight, m.bottom);
                EXPECT_LE(strips[i].sourceX + strips[i].sourceWidth, m.right);
                if (i > 0) {
                    const int step = strips[i].sourceX - strips[i - 1].sourceX;
                    EXPECT_GE(step, w / kCaptureStrips - 1);
                    EXPECT_LE(step, w / kCaptureStrips + 1);
                }
            }
        }
    }

    for (const CaptureStrip& strip : captureStrips(PixelRect{10, 10, 10, 700}, 128, 96)) {
        EXPECT_EQ(strip.targetWidth, 0);
        EXPECT_EQ(strip.sourceWidth, 0);
    }
}
