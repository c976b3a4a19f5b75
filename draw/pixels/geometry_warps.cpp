#include "draw/pixels/geometry_warps.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

// The truncation toward zero that every placement uses.
int whole(double value) {
    return static_cast<int>(value);
}

// The rows a band feature bends: the centre band of about 40 rows, the top
// and bottom bands of 20 rows.
enum class Band { centre, top, bottom, topAndBottom };
struct BandFeature {
    int feature;
    Band band;
    bool narrows;  // pincushion: narrower rows kept centred; balance: rows shifted
};
constexpr BandFeature kBandFeatures[] = {
    {6, Band::centre, true},         {41, Band::centre, false}, {40, Band::topAndBottom, true},
    {42, Band::topAndBottom, false}, {45, Band::top, true},     {46, Band::top, false},
    {49, Band::bottom, true},        {50, Band::bottom, false},
};
constexpr int kEdgeBandRows = 20;
constexpr int kCentreBandHalf = 20;

const BandFeature* bandFeature(int feature) {
    for (const BandFeature& entry : kBandFeatures) {
        if (entry.feature == feature) {
            return &entry;
        }
    }
    return nullptr;
}

// How far row y of the band bends at full swing, sine-shaped: most at the
// centre row of the centre band, most at the picture's edge for the top and
// bottom bands. False for a row outside the band.
bool bandProfile(Band band, int y, int captureHeight, double* profile) {
    const int middle = captureHeight / 2;
    if (band == Band::centre) {
        int r = 0;
        if (y > middle - kCentreBandHalf && y < middle) {
            r = y - (middle - kCentreBandHalf);  // 1 to 19 going down
        } else if (y >= middle && y < middle + kCentreBandHalf) {
            r = middle + kCentreBandHalf - y;  // 20 at the centre row to 1
        } else {
            return false;
        }
        *profile = 2.0 * r / 5.0 * std::cos(r * kPi / 100.0);
        return true;
    }
    const bool top = band == Band::top || band == Band::topAndBottom;
    const bool bottom = band == Band::bottom || band == Band::topAndBottom;
    if (top && y < kEdgeBandRows) {
        *profile = 4.0 * std::sin((kEdgeBandRows - y) * kPi / 40.0);
        return true;
    }
    if (bottom && y >= captureHeight - kEdgeBandRows && y < captureHeight) {
        const int r = y - (captureHeight - kEdgeBandRows);
        *profile = 2.0 * r / 5.0 * std::sin(r * kPi / 100.0);
        return true;
    }
    return false;
}

void drawRowWarp(const PixelView& capture, const PixelView& frame, int feature, int k) {
    const double a = swingOfFrame(k);
    for (int y = 0; y < capture.height; ++y) {
        copyRow(capture, frame, warpedRow(feature, y, a, capture.width, capture.height));
    }
}

void drawLinearity(const PixelView& capture, const PixelView& frame, int feature, int k) {
    for (int y = 0; y < capture.height; ++y) {
        const int source = linearitySourceRow(feature, k, y, capture.height, frame.height);
        copyRow(capture, frame,
                RowPlacement{.sourceRow = source,
                             .targetRow = y + kMiniatureTop,
                             .x = kMiniatureLeft,
                             .width = capture.width,
                             .sourceWidth = capture.width});
    }
}

// A small rotation as two shears: columns moved down in proportion to their
// distance from the middle, then rows moved left in proportion to theirs.
// Neighbouring columns move down alike, so each frame row is a few pieces of
// miniature rows, copied whole.
void drawRotation(const PixelView& capture, const PixelView& frame, int k) {
    const double a = swingOfFrame(k);
    struct Piece {
        int first;  // miniature columns first to end (exclusive)
        int end;
        int down;  // how far below its own row of the frame's miniature row it lands
    };
    std::vector<Piece> pieces;
    const int columns = std::min(capture.width, frame.width - kMiniatureLeft);
    for (int x = 0; x < columns; ++x) {
        const int down = kMiniatureTop + whole(a * (x - capture.width / 2) / 20.0);
        if (pieces.empty() || pieces.back().down != down) {
            pieces.push_back(Piece{x, x + 1, down});
        } else {
            pieces.back().end = x + 1;
        }
    }
    for (int y = 0; y < frame.height; ++y) {
        const int left = whole(a * (y - frame.height / 2) / 25.0);
        uint32_t* out = frame.row(y);
        for (const Piece& piece : pieces) {
            const int source = y - piece.down;
            if (source < 0 || source >= capture.height) {
                continue;
            }
            // Frame column of miniature column x: kMiniatureLeft + x − left,
            // kept inside the frame.
            const int shift = kMiniatureLeft - left;
            const int first = std::max(piece.first, -shift);
            const int end = std::min(piece.end, frame.width - shift);
            if (first < end) {
                std::copy(capture.row(source) + first, capture.row(source) + end,
                          out + first + shift);
            }
        }
    }
}

}  // namespace

double swingOfFrame(int k) {
    return std::cos(k * kPi / 8.0);
}

bool isGeometryFeature(int feature) {
    return (feature >= 0 && feature <= 3) || (feature >= 6 && feature <= 12) ||
           (feature >= 40 && feature <= 50 && feature != 44 && feature != 47 && feature != 48) ||
           feature == 64;
}

RowPlacement warpedRow(int feature, int y, double a, int captureWidth, int captureHeight) {
    RowPlacement row{.sourceRow = y,
                     .targetRow = y + kMiniatureTop,
                     .x = kMiniatureLeft,
                     .width = captureWidth,
                     .sourceWidth = captureWidth};
    const double fromMiddle = (y - captureHeight / 2) / 5.0;
    const double t = (y - 50) * kPi / 100.0;
    double profile = 0.0;
    if (const BandFeature* band = bandFeature(feature)) {
        if (bandProfile(band->band, y, captureHeight, &profile)) {
            row.x += whole(a * profile);
            if (band->narrows) {
                // The miniature and the black column after it, so that the
                // undistorted frame (a = 0) copies it unchanged.
                row.sourceWidth = captureWidth + 1;
                row.width = captureWidth + 1 - whole(a * 2.0 * profile);
            }
        }
        return row;
    }
    switch (feature) {
        case 7: {  // pincushion: both sides bow, the row stays centred
            const double d = a * fromMiddle * std::sin(t);
            row.x += whole(d);
            row.width -= whole(2.0 * d);
            break;
        }
        case 8:  // trapezoid: wider at one end, narrower at the other
            row.x += whole(a * fromMiddle);
            row.width -= whole(a * (y - captureHeight / 2) / 2.5);
            break;
        case 9:  // parallelogram
            row.x += whole(a * fromMiddle);
            break;
        case 10:  // pincushion balance: both sides bow the same way
            row.x += whole(a * fromMiddle * std::sin(t));
            break;
        case 64:  // S-shaped bend
            row.x += whole(a * fromMiddle * std::cos(t));
            break;
        default:
            break;
    }
    return row;
}

int linearitySourceRow(int feature, int k, int y, int captureHeight, int frameHeight) {
    // Linearity stretches one half and squeezes the other; its balance bows
    // the whole height.
    const double period = feature == 11 ? 2.0 * kPi : kPi;
    const int source = y + whole((k - 4) * std::sin(period * y / frameHeight));
    return std::clamp(source, 0, captureHeight - 1);
}

void drawGeometryFrame(const PixelView& capture, const PixelView& frame, int feature, int k) {
    const double a = swingOfFrame(k);
    switch (feature) {
        case 0:  // circles with a radius of 7 pixels
            copyView(capture, frame, kMiniatureLeft + whole(7.0 * std::cos(k * kPi / 4.0)),
                     kMiniatureTop + whole(7.0 * std::sin(k * kPi / 4.0)));
            return;
        case 1:  // grows from smaller to larger about its centre
            copyScaled(capture, frame, kMiniatureLeft + whole(7.0 * a),
                       kMiniatureTop + whole(7.0 * a), capture.width - whole(14.0 * a),
                       capture.height - whole(14.0 * a));
            return;
        case 2:  // moves up and down
            copyView(capture, frame, kMiniatureLeft, kMiniatureTop + whole(7.0 * a));
            return;
        case 3:  // grows in height only
            copyScaled(capture, frame, kMiniatureLeft, kMiniatureTop + whole(7.0 * a),
                       capture.width, capture.height - whole(14.0 * a));
            return;
        case 11:
        case 43:
            drawLinearity(capture, frame, feature, k);
            return;
        case 12:
            drawRotation(capture, frame, k);
            return;
        default:
            drawRowWarp(capture, frame, feature, k);
            return;
    }
}
