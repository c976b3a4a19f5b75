#include "draw/pixels/tone_effects.h"

#include <algorithm>

#include "draw/pixels/geometry_warps.h"

namespace {

constexpr int kBrightness = 14;
constexpr int kContrast = 15;
constexpr int kGreenGain = 16;
constexpr int kBlueGain = 17;
constexpr int kRedGain = 18;
constexpr int kGreenBlack = 26;
constexpr int kBlueBlack = 27;
constexpr int kRedBlack = 28;
constexpr int kColourTemperature = 69;
constexpr int kPlain = 90;
constexpr int kWindowArea = 95;
constexpr int kWindowAreaTableCode = 96;

// The channels that a gain does not sweep stay at this much of 256.
constexpr int kFixedGain = 200;

int sweptGain(int k) {
    return 255 - 20 * k;
}

bool isBlackLevel(int feature) {
    return feature >= kGreenBlack && feature <= kRedBlack;
}

// Darkens the pixels outside the central half of the frame.
void darkenOutsideCentre(const PixelView& frame, int factor) {
    const int left = frame.width / 4;
    const int right = 3 * frame.width / 4;
    const int top = frame.height / 4;
    const int bottom = 3 * frame.height / 4;
    const ChannelGains dim{factor, factor, factor};
    for (int y = 0; y < frame.height; ++y) {
        uint32_t* row = frame.row(y);
        if (y < top || y >= bottom) {
            scalePixels(row, row, frame.width, dim);
        } else {
            scalePixels(row, row, left, dim);
            scalePixels(row + right, row + right, frame.width - right, dim);
        }
    }
}

}  // namespace

bool isToneFeature(int feature) {
    return (feature >= kBrightness && feature <= kRedGain) || isBlackLevel(feature) ||
           feature == kColourTemperature || feature == kPlain || feature == kWindowArea ||
           feature == kWindowAreaTableCode;
}

int brightnessLift(int k) {
    return 9 * k;
}

ChannelGains toneGains(int feature, int k) {
    switch (feature) {
        case kContrast:
            return {sweptGain(k), sweptGain(k), sweptGain(k)};
        case kGreenGain:
            return {kFixedGain, sweptGain(k), kFixedGain};
        case kBlueGain:
        case kColourTemperature:
            return {kFixedGain, kFixedGain, sweptGain(k)};
        case kRedGain:
            return {sweptGain(k), kFixedGain, kFixedGain};
        default:
            return {};
    }
}

uint32_t blackLevelColour(int feature, int k) {
    const int level = 8 * k;
    switch (feature) {
        case kGreenBlack:
            return packPixel(0, level, 0);
        case kBlueBlack:
            return packPixel(0, 0, level);
        case kRedBlack:
            return packPixel(level, 0, 0);
        default:
            return 0;
    }
}

int windowAreaFactor(int k) {
    return 255 - 25 * k;
}

void drawToneFrame(const PixelView& capture, const PixelView& frame, int feature, int k) {
    if (isBlackLevel(feature)) {
        copyView(capture, frame, kMiniatureLeft, kMiniatureTop);
        orPixels(frame, blackLevelColour(feature, k));
    } else if (feature == kPlain) {
        copyView(capture, frame, kMiniatureLeft, kMiniatureTop);
    } else if (feature == kWindowArea || feature == kWindowAreaTableCode) {
        copyView(capture, frame, kMiniatureLeft, kMiniatureTop);
        darkenOutsideCentre(frame, windowAreaFactor(k));
    } else if (feature == kBrightness) {
        forEachPlacedRow(capture, frame, kMiniatureLeft, kMiniatureTop,
                         [&](const uint32_t* in, uint32_t* out, int count) {
                             brightenPixels(in, out, count, brightnessLift(k));
                         });
    } else {
        const ChannelGains gains = toneGains(feature, k);
        forEachPlacedRow(capture, frame, kMiniatureLeft, kMiniatureTop,
                         [&](const uint32_t* in, uint32_t* out, int count) {
                             scalePixels(in, out, count, gains);
                         });
    }
}
