#include "draw/pixels/convergence.h"

#include <algorithm>
#include <vector>

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

constexpr uint32_t kRed = packPixel(255, 0, 0);
constexpr uint32_t kGreen = packPixel(0, 255, 0);
constexpr uint32_t kBlue = packPixel(0, 0, 255);

// ORs one channel of a miniature row into frame row `row`, moved right by dx.
void orChannel(const PixelView& frame, const uint32_t* in, int count, int row, int dx,
               uint32_t channel) {
    if (row < 0 || row >= frame.height) {
        return;
    }
    uint32_t* out = frame.row(row);
    const int last = std::min(count, frame.width - dx);
    for (int x = std::max(0, -dx); x < last; ++x) {
        out[x + dx] |= in[x] & channel;
    }
}

// Columns first to end (exclusive) of the miniature whose channels move
// alike: the left and right features move each column by its distance from
// the edge, in three zones.
struct ColumnPiece {
    int first;
    int end;
    ChannelOffsets offsets;
};

std::vector<ColumnPiece> columnPieces(int feature, int k, int width, int height) {
    std::vector<ColumnPiece> pieces;
    for (int x = 0; x < width; ++x) {
        const ChannelOffsets offsets = convergenceOffsets(feature, k, x, 0, width, height);
        if (pieces.empty() || pieces.back().offsets != offsets) {
            pieces.push_back(ColumnPiece{x, x + 1, offsets});
        } else {
            pieces.back().end = x + 1;
        }
    }
    return pieces;
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
    const int width = capture.width;
    const int height = capture.height;
    const bool vertical = movesVertically(feature);
    // The left and right features move columns (blue always opposite to
    // red); the others move whole rows.
    const bool byColumn = feature == kLeft || feature == kRight;
    const std::vector<ColumnPiece> pieces =
        byColumn ? columnPieces(feature, k, width, height) : std::vector<ColumnPiece>{};
    for (int y = 0; y < height; ++y) {
        const uint32_t* in = capture.row(y);
        const int row = y + kMiniatureTop;
        orChannel(frame, in, width, row, kMiniatureLeft, kGreen);
        for (const ColumnPiece& piece : pieces) {
            const int count = piece.end - piece.first;
            const int x = kMiniatureLeft + piece.first;
            orChannel(frame, in + piece.first, count, row, x + piece.offsets.red, kRed);
            orChannel(frame, in + piece.first, count, row, x + piece.offsets.blue, kBlue);
        }
        if (byColumn) {
            continue;
        }
        const ChannelOffsets offsets = convergenceOffsets(feature, k, 0, y, width, height);
        if (vertical) {
            orChannel(frame, in, width, row + offsets.red, kMiniatureLeft, kRed);
            orChannel(frame, in, width, row + offsets.blue, kMiniatureLeft, kBlue);
        } else {
            orChannel(frame, in, width, row, kMiniatureLeft + offsets.red, kRed);
            orChannel(frame, in, width, row, kMiniatureLeft + offsets.blue, kBlue);
        }
    }
}
