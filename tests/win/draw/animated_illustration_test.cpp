#include "draw/animated_illustration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "draw/pixels/illustration_geometry.h"
#include "tests/win/draw/draw_test_support.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

class AnimatedIllustrationTest : public testing::Test {
  protected:
    void SetUp() override { useSharedFont(); }

    // Renders `code` on this thread and insists that the frames are ready.
    void render(int code) {
        illustration.setItem(code);
        illustration.freeFrames();
        ASSERT_EQ(illustration.renderFrames(nullptr), 0);
        ASSERT_EQ(illustration.isReady(), 1);
        ASSERT_EQ(illustration.isBusy(), 0);
    }

    AnimatedIllustration illustration;
};

// Pixels of frame k sorted into the colours the messages use, counted over
// the rows above the caption strip.
struct TextColours {
    int red = 0;
    int yellow = 0;
    int white = 0;
    int maker = 0;
    int firstRow = -1;   // first row holding any of them
    int makerLeft = -1;  // columns of the maker's colour
    int makerRight = -1;
};

TextColours textColours(HBITMAP frame, int width, int rows) {
    TextColours found;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = framePixel(frame, x, y);
            const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            const bool red = r >= 192 && g < 64;
            const bool yellow = r >= 192 && g >= 192 && b < 96;
            const bool white = r >= 224 && g >= 224 && b >= 224;
            const bool maker = r >= 96 && r <= 160 && g >= 96 && g <= 160 && b >= 224;
            found.red += red;
            found.yellow += yellow;
            found.white += white;
            found.maker += maker;
            if (maker) {
                found.makerLeft = found.makerLeft < 0 ? x : std::min(found.makerLeft, x);
                found.makerRight = std::max(found.makerRight, x);
            }
            if ((red || yellow || white || maker) && found.firstRow < 0) {
                found.firstRow = y;
            }
        }
    }
    return found;
}

// Every pixel of bitmap resource `id` in `frame`, its top left where
// `place(width, height)` puts it.
void expectBitmapResourceAt(int id, HBITMAP frame,
                            const std::function<PixelPoint(int, int)>& place) {
    int width = 0, height = 0;
    ScopedBitmap bitmap = loadBitmapResource(id);
    const std::vector<uint32_t> pixels = bitmapPixels(bitmap.get(), &width, &height);
    ASSERT_FALSE(pixels.empty());
    const PixelPoint at = place(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(framePixel(frame, at.x + x, at.y + y), colourOfPixel(pixels[y * width + x]))
                << "at " << x << "," << y;
        }
    }
}

}  // namespace

TEST_F(AnimatedIllustrationTest, MessageTextsInTheirColours) {
    const IllustrationLayout g = illustration.geometry();
    const int rows = g.frameHeight - 19;  // above the caption strip
    render(kIllustrationNothing);
    const TextColours blank = textColours(illustration.frame(0), g.frameWidth, rows);

    render(kIllustrationNoMonitor);
    const TextColours warning = textColours(illustration.frame(0), g.frameWidth, rows);
    EXPECT_GT(warning.red, blank.red);
    EXPECT_EQ(warning.yellow, blank.yellow);
    EXPECT_GE(warning.firstRow, 5);

    for (int code : {-3, -4, -5, -6, -8, -11}) {
        render(code);
        const TextColours message = textColours(illustration.frame(0), g.frameWidth, rows);
        EXPECT_GT(message.yellow, blank.yellow) << code;
        EXPECT_EQ(message.red, blank.red) << code;
        EXPECT_GE(message.firstRow, 10) << code;
    }

    render(kIllustrationAbout);
    const TextColours about = textColours(illustration.frame(0), g.frameWidth, rows);
    EXPECT_GT(about.white, blank.white);
    EXPECT_GT(about.maker, blank.maker);
    EXPECT_EQ(about.yellow, blank.yellow);

    // The maker's line is the string table's, as wide as that text.
    MemoryDc dc(nullptr);
    ScopedSelectObject selectFont(dc.get(), drawingFont());
    const std::wstring maker = loadStringResource(IDS_ILLUSTRATION_MAKER);
    RECT extent{0, 0, g.frameWidth, 0};
    DrawTextW(dc.get(), maker.c_str(), static_cast<int>(maker.size()), &extent,
              DT_CENTER | DT_NOPREFIX | DT_WORDBREAK | DT_CALCRECT);
    EXPECT_NEAR(about.makerRight - about.makerLeft + 1, extent.right - extent.left, 3);

    // The product's name heads it in white, as wide as that name: the upper
    // half of its line holds nothing of the version below.
    RECT name{0, 0, g.frameWidth, 0};
    DrawTextW(dc.get(), L"Lumetra", -1, &name, DT_CENTER | DT_NOPREFIX | DT_CALCRECT);
    int left = g.frameWidth, right = -1;
    for (int y = about.firstRow; y < about.firstRow + name.bottom / 2; ++y) {
        for (int x = 0; x < g.frameWidth; ++x) {
            if (framePixel(illustration.frame(0), x, y) == RGB(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    EXPECT_NEAR(right - left + 1, name.right - name.left, 3);
    EXPECT_NEAR((left + right) / 2, g.frameWidth / 2, 2);  // centred
}

TEST_F(AnimatedIllustrationTest, CaptionAndEmblemSitWhereTheyBelongAndFramesPlayForwardThenBack) {
    TestWindow page(400, 260);
    for (int layout : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "layout " << layout);
        illustration.setLayout(layout);
        render(kIllustrationMakerEmblem);
        const IllustrationLayout g = illustration.geometry();
        for (int k = 0; k < kIllustrationFrames; ++k) {
            SCOPED_TRACE(testing::Message() << "caption " << k);
            expectBitmapResourceAt(IDB_CAPTION_FIRST + k, illustration.frame(k), [&](int w, int h) {
                return captionPosition(g.frameWidth, g.frameHeight, w, h);
            });
        }
        expectBitmapResourceAt(IDB_MAKER_EMBLEM, illustration.frame(3), [](int, int) {
            return PixelPoint{8, 17};
        });

        // Played forward then back at the frame position of the picture.
        page.fill(kMarker);
        const auto stamp = [](int k) { return RGB(20 + 25 * k, 100, 50); };
        const auto renderStamped = [&](int code) {
            render(code);
            for (int k = 0; k < kIllustrationFrames; ++k) {
                fillFrame(illustration.frame(k), stamp(k));
            }
        };
        renderStamped(kIllustrationNothing);
        const PixelPoint at{g.frameX + kPictureLeft, g.frameY + kPictureTop};
        const int order[] = {0, 1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1, 0, 0, 1};
        for (int frame : order) {
            ASSERT_EQ(illustration.showNextFrame(page.get()), 0);
            EXPECT_EQ(page.pixel(at.x, at.y), stamp(frame));
            EXPECT_EQ(page.pixel(at.x + g.frameWidth - 1, at.y + g.frameHeight - 1), stamp(frame));
        }
        EXPECT_EQ(page.pixel(at.x - 1, at.y), kMarker);
        EXPECT_EQ(page.pixel(at.x, at.y - 1), kMarker);
        EXPECT_EQ(page.pixel(at.x + g.frameWidth, at.y + g.frameHeight - 1), kMarker);
        EXPECT_EQ(page.pixel(at.x + g.frameWidth - 1, at.y + g.frameHeight), kMarker);

        // A new code: the last image stays until the new frames are ready,
        // and they start at frame 0.
        illustration.setItem(kIllustrationReadingSettings);
        illustration.freeFrames();
        EXPECT_EQ(illustration.showNextFrame(page.get()), -1);
        EXPECT_EQ(page.pixel(at.x, at.y), stamp(1));
        renderStamped(kIllustrationReadingSettings);
        ASSERT_EQ(illustration.showNextFrame(page.get()), 0);
        EXPECT_EQ(page.pixel(at.x, at.y), stamp(0));
    }
}

TEST_F(AnimatedIllustrationTest, ColourEffectsWorkOnTheDibSectionsOfDeviceContexts) {
    Canvas source(2, 1);
    source.set(0, 0, RGB(200, 0, 0));
    source.set(1, 0, RGB(90, 90, 90));
    Canvas target(4, 2);
    // Saturation 0 (frame 0) turns red into its luminance grey, one column
    // left of x.
    ASSERT_EQ(illustration.applySaturationEffect(source.dc(), target.dc(), 2, 1, 2, 1, 0, 81), 0);
    const int grey = 3086 * 200 / 10000;
    EXPECT_EQ(target.pixel(1, 1), RGB(grey, grey, grey));
    EXPECT_EQ(target.pixel(2, 1), RGB(90, 90, 90));
    EXPECT_EQ(target.count(kMarker), 6);

    // Frame 0 turns red away from red, leaves the grey as it is, one column
    // left of x on row 0.
    ASSERT_EQ(illustration.applyHueEffect(source.dc(), target.dc(), 2, 1, 1, 0, 0, 83), 0);
    EXPECT_NE(target.pixel(0, 0), RGB(200, 0, 0));
    EXPECT_NE(target.pixel(0, 0), kMarker);
    EXPECT_EQ(target.pixel(1, 0), RGB(90, 90, 90));
    EXPECT_EQ(target.count(kMarker), 4);
    EXPECT_EQ(illustration.applyHueEffect(source.dc(), target.dc(), 2, 1, 1, 0, 0, 82), -1);
    // A device-dependent bitmap has no pixel memory to work on.
    MemoryDc plain(nullptr);
    ScopedBitmap bitmap(CreateBitmap(2, 1, 1, 32, nullptr));
    ScopedSelectObject select(plain.get(), bitmap.get());
    EXPECT_EQ(illustration.applySaturationEffect(plain.get(), target.dc(), 2, 1, 1, 0, 0, 81), -1);
}

// The miniature is the monitor nearest the main window on black. In the
// wide layout the screen fills the capture's height and the strips leave
// margins at both sides.
TEST_F(AnimatedIllustrationTest, SaturationFramesShowAMiniatureOfTheMainWindowsMonitor) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    TestWindow screen(width, height);
    constexpr COLORREF kScreenColour = RGB(200, 0, 0);
    screen.fill(kScreenColour);
    const auto stripsOf = [&](const IllustrationLayout& g) {
        return captureStrips(PixelRect{0, 0, width, height}, g.captureWidth, g.captureHeight);
    };

    illustration.setLayout(2);
    const IllustrationLayout wide = illustration.geometry();
    const auto wideStrips = stripsOf(wide);
    const int wideLeft = wideStrips[0].targetX;
    const int wideRight = wideStrips[kCaptureStrips - 1].targetX + wideStrips[0].targetWidth;
    ASSERT_GT(wideLeft, 0) << "the screen is as wide as the layout";
    MemoryDc wideCapture = MemoryDc::adopt(illustration.captureScreen(screen.get(), true));
    ASSERT_TRUE(wideCapture);
    for (int y : {0, wide.captureHeight / 2, wide.captureHeight - 1}) {
        for (int x : {0, wideLeft - 1, wideLeft, wideRight - 1, wideRight}) {
            const bool screenShown = x >= wideLeft && x < wideRight;
            EXPECT_EQ(GetPixel(wideCapture.get(), x, y), screenShown ? kScreenColour : kBlack)
                << x << "," << y;
        }
    }

    DrawingEnvironment environment = drawingEnvironment();
    environment.mainWindow = screen.get();
    setDrawingEnvironment(environment);
    illustration.setLayout(1);
    // Frame 6 shows the colours as they are, frame 0 in grey.
    render(81);
    const IllustrationLayout g = illustration.geometry();
    const auto strips = stripsOf(g);
    const int left = 3 + strips[0].targetX;
    const int right = 3 + strips[kCaptureStrips - 1].targetX + strips[0].targetWidth - 1;
    const int grey = 3086 * 200 / 10000;
    for (int y : {3, 3 + g.captureHeight / 2, 3 + g.captureHeight - 1}) {
        EXPECT_EQ(framePixel(illustration.frame(6), left, y), kScreenColour) << y;
        EXPECT_EQ(framePixel(illustration.frame(6), right, y), kScreenColour) << y;
        EXPECT_EQ(framePixel(illustration.frame(0), left, y), RGB(grey, grey, grey)) << y;
        EXPECT_EQ(framePixel(illustration.frame(6), left - 1, y), kBlack) << y;
        EXPECT_EQ(framePixel(illustration.frame(6), right + 1, y), kBlack) << y;
    }
    EXPECT_EQ(framePixel(illustration.frame(6), left, 2), kBlack);
    EXPECT_EQ(framePixel(illustration.frame(6), left, 3 + g.captureHeight), kBlack);

    // Without capture the miniature is black.
    MemoryDc dc = MemoryDc::adopt(illustration.captureScreen(screen.get(), false));
    EXPECT_TRUE(dc);
    EXPECT_EQ(GetPixel(dc.get(), g.captureWidth / 2, g.captureHeight / 2), kBlack);
    environment.mainWindow = nullptr;
    setDrawingEnvironment(environment);
}

// A rendering that can't make its device contexts delivers nothing.
TEST_F(AnimatedIllustrationTest, RenderingWithoutACaptureDeliversNothing) {
    class NoCapture : public AnimatedIllustration {
        HDC captureScreen(HWND, bool) override { return nullptr; }
    } failing;
    for (int code : {kIllustrationReadingSettings, 14}) {
        failing.setItem(code);
        EXPECT_EQ(failing.renderFrames(nullptr), -1) << code;
        EXPECT_EQ(failing.isReady(), 0) << code;
        EXPECT_EQ(failing.isBusy(), 0) << code;
        EXPECT_EQ(failing.frame(0), nullptr) << code;
    }
}
