// The geometry features' animations: the screen miniature moved, scaled,
// bent row by row (pincushion and its relatives, trapezoid, parallelogram),
// its rows resampled (linearity) or sheared twice (rotation). Each swings
// with a = cos(kπ/8) over the eight frames: from one extreme (k = 0) through
// no distortion at all (k = 4) to the opposite one. Every loop stays inside
// the miniature and every placement is clipped to the frame. Free of Windows.
#pragma once

#include "draw/pixels/pixel_ops.h"
#include "draw/pixels/pixel_view.h"

// Where the miniature sits in a frame when nothing moves it.
constexpr int kMiniatureLeft = 3;
constexpr int kMiniatureTop = 3;

// a = cos(kπ/8) of frame k.
[[nodiscard]] double swingOfFrame(int k);

// Features drawn here: position, size and their vertical partners (0 to 3),
// centre pincushion, pincushion, trapezoid, parallelogram, pincushion
// balance, linearity, rotation (6 to 12), the band features 40 to 50 (but
// 44, 47 and 48), the S-shaped bend 64.
[[nodiscard]] bool isGeometryFeature(int feature);

// Draws frame k of a geometry feature from `capture` into `frame` (black).
void drawGeometryFrame(const PixelView& capture, const PixelView& frame, int feature, int k);

// Where a row-warp feature (6 to 10, 40 to 50 but 43, 44, 47 and 48, and 64)
// puts source row y of a captureWidth × captureHeight miniature at swing a.
[[nodiscard]] RowPlacement warpedRow(int feature, int y, double a, int captureWidth,
                                     int captureHeight);

// The source row that frame row y + 3 shows in linearity (11) or linearity
// balance (43), kept inside the miniature.
[[nodiscard]] int linearitySourceRow(int feature, int k, int y, int captureHeight, int frameHeight);
