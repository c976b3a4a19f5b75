// Where the animated illustration goes and what it shows when: the two
// layouts of its frames inside the 178 × 178 monitor picture of a page, the
// order in which the eight frames play, the place of the caption strip, and
// how the screen miniature is assembled from sixteen stretched strips of
// the monitor. Plain arithmetic, free of Windows, so the host tests check it.
#pragma once

#include <array>

// The monitor picture's place on a page; frames are copied relative to it.
constexpr int kPictureLeft = 188;
constexpr int kPictureTop = 10;
constexpr int kPictureSize = 178;

constexpr int kIllustrationFrames = 8;  // frames rendered per illustration
constexpr int kIllustrationTicks = 16;  // ticks of one forward-and-back cycle
constexpr int kCaptureStrips = 16;      // strips the screen miniature is made of

struct IllustrationLayout {
    int layout = 2;      // 1 or 2
    int frameWidth = 0;  // one animation frame
    int frameHeight = 0;
    int captureWidth = 0;  // the screen miniature inside a frame
    int captureHeight = 0;
    int frameX = 0;  // the frame's top-left corner inside the monitor picture
    int frameY = 0;
};

// Layout 2 (the monitor pictures with a wide screen area) or layout 1, which
// every other value selects.
[[nodiscard]] IllustrationLayout illustrationLayout(int layout);

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Where a frame of `layout` is copied in page coordinates.
[[nodiscard]] PixelPoint framePagePosition(const IllustrationLayout& layout);

// The frame shown at tick `counter` (0 to 15): forward through the eight
// frames, then back, so the cycle has no jump: 0..7, 7..0.
[[nodiscard]] int frameForTick(int counter);
// The counter after a shown frame: 0 after 15.
[[nodiscard]] int nextTick(int counter);

// Top-left corner of a caption image of w × h in a frame of the given size:
// centred horizontally, its bottom 6 pixels above the frame's bottom edge.
[[nodiscard]] PixelPoint captionPosition(int frameWidth, int frameHeight, int captionWidth,
                                         int captionHeight);

// The area of a message frame that is painted dark blue (left, top, right,
// bottom, right and bottom exclusive): a black border of 2 pixels, 4 below.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
[[nodiscard]] PixelRect messagePanelRect(int frameWidth, int frameHeight);

// One strip of the screen miniature: a source rectangle on the screen and
// the target rectangle in the capture bitmap, both as origin and size.
struct CaptureStrip {
    int sourceX = 0;
    int sourceY = 0;
    int sourceWidth = 0;
    int sourceHeight = 0;
    int targetX = 0;
    int targetY = 0;
    int targetWidth = 0;
    int targetHeight = 0;
};

// The sixteen strips that shrink the monitor `screen` (its full rectangle in
// virtual-screen coordinates) into a capture of captureWidth × captureHeight:
// the miniature shows the whole monitor in its aspect ratio, centred: a
// monitor wider than the capture gets black bars above and below it.
[[nodiscard]] std::array<CaptureStrip, kCaptureStrips> captureStrips(const PixelRect& screen,
                                                                     int captureWidth,
                                                                     int captureHeight);
