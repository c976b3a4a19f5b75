#include "draw/pixels/convergence.h"

#include "draw/pixels/geometry_warps.h"

namespace {

constexpr int kHorizontal = 13;
constexpr int kVertical = 44;
constexpr int kTop = 73;
constexpr int kBottom = 74;
constexpr int kLeft = 75;
constexpr int kRight = 76;

bool movesVertically(int feature) {
    return feature == kVertical || feature == kTop || feature == kBottom;
}

// ORs one channel of a miniature pixel into the frame.
void addChannel(const PixelView& frame, int x, int y, uint32_t channel) {
    if (frame.contains(x, y)) {
        frame.at(x, y) |= channel;
    }
}

}  // namespace

bool isConvergenceFeature(int feature) {
    return feature == kHorizontal || feature == kVertical || (feature >= kTop && feature <= kRight);
}

ChannelOffsets convergenceOffsets(int feature, int k, int x, int y, int width, int height) {
    const ChannelOffsets full{k - 4, 4 - k};
    if (feature == kHorizontal || feature == kVertical) {
        return full;
    }
    int fromEdge = 0;
    int extent = 0;
    switch (feature) {
        case kTop:
            fromEdge = y;
            extent = height;
            break;
        case kBottom:
            fromEdge = height - 1 - y;
            extent = height;
            break;
        case kLeft:
            fromEdge = x;
            extent = width;
            break;
        case kRight:
            fromEdge = width - 1 - x;
            extent = width;
            break;
        default:
            return {};
    }
    if (fromEdge < extent / 4) {
        return full;
    }
    if (fromEdge < extent / 3) {
        return {k / 2 - 2, 2 - k / 2};
    }
    return {};
}

void drawConvergenceFrame(const PixelView& capture, const PixelView& frame, int feature, int k) {
    const bool vertical = movesVertically(feature);
    for (int y = 0; y < capture.height; ++y) {
        for (int x = 0; x < capture.width; ++x) {
            const uint32_t pixel = capture.at(x, y);
            const ChannelOffsets offsets =
                convergenceOffsets(feature, k, x, y, capture.width, capture.height);
            const int fx = x + kMiniatureLeft;
            const int fy = y + kMiniatureTop;
            addChannel(frame, fx, fy, pixel & packPixel(0, 255, 0));
            addChannel(frame, vertical ? fx : fx + offsets.red, vertical ? fy + offsets.red : fy,
                       pixel & packPixel(255, 0, 0));
            addChannel(frame, vertical ? fx : fx + offsets.blue, vertical ? fy + offsets.blue : fy,
                       pixel & packPixel(0, 0, 255));
        }
    }
}
