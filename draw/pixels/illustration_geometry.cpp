#include "draw/pixels/illustration_geometry.h"

#include <cstdint>

namespace {

constexpr IllustrationLayout kWideLayout{.layout = 2,
                                         .frameWidth = 160,
                                         .frameHeight = 98,
                                         .captureWidth = 154,
                                         .captureHeight = 92,
                                         .frameX = 9,
                                         .frameY = 35};
constexpr IllustrationLayout kSquareLayout{.layout = 1,
                                           .frameWidth = 134,
                                           .frameHeight = 104,
                                           .captureWidth = 128,
                                           .captureHeight = 96,
                                           .frameX = 22,
                                           .frameY = 24};

// The caption's bottom edge stays this far above the frame's.
constexpr int kCaptionBottomMargin = 6;

}  // namespace

IllustrationLayout illustrationLayout(int layout) {
    return layout == 2 ? kWideLayout : kSquareLayout;
}

PixelPoint framePagePosition(const IllustrationLayout& layout) {
    return {layout.frameX + kPictureLeft, layout.frameY + kPictureTop};
}

int frameForTick(int counter) {
    return counter > kIllustrationFrames - 1 ? kIllustrationTicks - 1 - counter : counter;
}

int nextTick(int counter) {
    return counter >= kIllustrationTicks - 1 ? 0 : counter + 1;
}

PixelPoint captionPosition(int frameWidth, int frameHeight, int captionWidth, int captionHeight) {
    return {frameWidth / 2 - captionWidth / 2, frameHeight - captionHeight - kCaptionBottomMargin};
}

PixelRect messagePanelRect(int frameWidth, int frameHeight) {
    return {2, 2, frameWidth - 2, frameHeight - 4};
}

std::array<CaptureStrip, kCaptureStrips> captureStrips(const PixelRect& screen, int captureWidth,
                                                       int captureHeight) {
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    std::array<CaptureStrip, kCaptureStrips> strips{};
    if (width <= 0 || height <= 0) {
        return strips;
    }
    // The whole screen, as large as it fits: a screen no wider than the
    // capture fills its height, a wider one its width, with black bars
    // above and below. The width is in whole strips.
    const bool wider = int64_t{width} * captureHeight > int64_t{captureWidth} * height;
    const int stripWidth = (wider ? captureWidth : width * captureHeight / height) / kCaptureStrips;
    const int miniatureHeight =
        wider ? static_cast<int>(int64_t{height} * kCaptureStrips * stripWidth / width)
              : captureHeight;
    const int left = captureWidth / 2 - kCaptureStrips / 2 * stripWidth;
    const int top = (captureHeight - miniatureHeight) / 2;
    for (int i = 0; i < kCaptureStrips; ++i) {
        strips[i] = CaptureStrip{.sourceX = screen.left + (width - 1) * i / kCaptureStrips + 1,
                                 .sourceY = screen.top + 1,
                                 .sourceWidth = width / kCaptureStrips,
                                 .sourceHeight = height - 1,
                                 .targetX = left + i * stripWidth,
                                 .targetY = top,
                                 .targetWidth = stripWidth,
                                 .targetHeight = miniatureHeight};
    }
    return strips;
}
