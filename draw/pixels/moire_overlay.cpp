#include "draw/pixels/moire_overlay.h"

#include "draw/pixels/geometry_warps.h"
#include "draw/pixels/pixel_ops.h"

namespace {

constexpr int kHorizontalMoire = 51;
constexpr int kVerticalMoire = 62;
constexpr int kLineSpacing = 3;

struct Point {
    int x;
    int y;
};

void andPolyline(const PixelView& frame, const Point (&points)[4], uint32_t grey) {
    for (int i = 0; i + 1 < 4; ++i) {
        andLine(frame, points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, grey);
    }
}

}  // namespace

bool isMoireFeature(int feature) {
    return feature == kHorizontalMoire || feature == kVerticalMoire;
}

int moireLineLevel(int k) {
    return 128 + 16 * k;
}

void drawMoireFrame(const PixelView& capture, const PixelView& frame, int feature, int k) {
    copyView(capture, frame, kMiniatureLeft, kMiniatureTop);
    const int level = moireLineLevel(k);
    const uint32_t grey = packPixel(level, level, level);
    const int w = frame.width;
    const int h = frame.height;
    if (feature == kHorizontalMoire) {
        for (int x = 0; x < w; x += kLineSpacing) {
            andPolyline(frame, {{x, 0}, {x + 3, h / 3}, {x, 2 * h / 3}, {x + 3, h}}, grey);
        }
    } else {
        for (int y = 0; y < h; y += kLineSpacing) {
            andPolyline(frame, {{0, y}, {w / 3, y + 3}, {2 * w / 3, y}, {w, y + 3}}, grey);
        }
    }
}
