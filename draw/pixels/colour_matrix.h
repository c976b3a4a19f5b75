// 4 × 4 colour matrices for the illustration's colour effects: a colour
// (r, g, b) is a row vector (r, g, b, 1) multiplied by the matrix, so the
// bottom row is a translation and a product A·B applies A first. Built from
// identity, scaling, offset, rotations about the red, green and blue axes and
// a shear, with the luminance weights 0.3086, 0.6094, 0.0820: the saturation
// matrix and the hue rotation that keeps luminance. Free of Windows.
#pragma once

#include <emmintrin.h>

#include <algorithm>
#include <array>
#include <cstdint>

using ColourMatrix = std::array<std::array<double, 4>, 4>;

// Weights of red, green and blue in a colour's luminance (they add up to 1).
constexpr double kRedLuminance = 0.3086;
constexpr double kGreenLuminance = 0.6094;
constexpr double kBlueLuminance = 0.0820;

[[nodiscard]] ColourMatrix identityMatrix();
// `first` applied, then `then`.
[[nodiscard]] ColourMatrix multiplyMatrices(const ColourMatrix& first, const ColourMatrix& then);
[[nodiscard]] ColourMatrix scaleMatrix(double red, double green, double blue);
[[nodiscard]] ColourMatrix offsetMatrix(double red, double green, double blue);
// Rotations about one colour axis, by the angle whose sine and cosine are given.
[[nodiscard]] ColourMatrix rotateAboutRedMatrix(double sine, double cosine);
[[nodiscard]] ColourMatrix rotateAboutGreenMatrix(double sine, double cosine);
[[nodiscard]] ColourMatrix rotateAboutBlueMatrix(double sine, double cosine);
// Shears blue by the given multiples of red and green.
[[nodiscard]] ColourMatrix shearBlueMatrix(double byRed, double byGreen);
// 0 gives the grey of equal luminance, 1 the colour itself, more than 1 a
// stronger colour.
[[nodiscard]] ColourMatrix saturationMatrix(double saturation);
// Turns every hue by `degrees` while greys stay grey and luminance stays.
[[nodiscard]] ColourMatrix hueRotationMatrix(double degrees);

struct RgbColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// The transformed colour, each channel truncated toward zero and clamped to
// 0 to 255. A channel that is a whole number up to rounding noise of the
// floating-point product keeps that number.
[[nodiscard]] RgbColour transformColour(const ColourMatrix& matrix, const RgbColour& colour);

// The sum that makes one channel of a transformed colour: the channel
// values' products with a matrix column and the translation, added as
// (red + green) + (blue + translation), with an allowance in the
// translation. The luminance weights add up to exactly 1, but not in
// floating point: without the allowance a grey of 11 would come out as
// 10.999... and be truncated to 10.
constexpr double kWholeNumberTolerance = 1e-6;
[[nodiscard]] inline double channelSum(double byRed, double byGreen, double byBlue,
                                       double translation) {
    return (byRed + byGreen) + (byBlue + (translation + kWholeNumberTolerance));
}

// transformColour for many pixels (0x00RRGGBB): the products of every
// channel value with the matrix are made once, so a pixel costs three
// look-ups of two channel pairs and their additions in SSE2 registers. They
// are added as channelSum adds them, so every channel is transformColour's
// to the last bit; the narrowing of the truncated sums to bytes clamps them
// to 0 to 255 without a branch.
class ColourMatrixTables {
  public:
    explicit ColourMatrixTables(const ColourMatrix& matrix);
    [[nodiscard]] uint32_t operator()(uint32_t pixel) const {
        const Products& r = byRed_[pixel >> 16 & 0xFF];
        const Products& g = byGreen_[pixel >> 8 & 0xFF];
        const Products& b = byBlue_[pixel & 0xFF];
        const __m128i blueGreen =
            truncated(r.blueGreen, g.blueGreen, b.blueGreen, translation_.blueGreen);
        const __m128i red = truncated(r.red, g.red, b.red, translation_.red);
        // Four 32-bit channels (blue, green, red, 0) narrowed with saturation
        // to the bytes of a pixel.
        const __m128i channels = _mm_packs_epi32(_mm_unpacklo_epi64(blueGreen, red), red);
        return static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(channels, channels)));
    }

  private:
    // One channel value's products with a matrix row, in pixel order: the
    // blue and green results, then red and a 0.
    struct alignas(16) Products {
        double blueGreen[2];
        double red[2];
    };
    // Two lanes of channelSum truncated toward zero, as 32-bit integers in
    // the low two lanes. The translation holds the allowance already.
    static __m128i truncated(const double* byRed, const double* byGreen, const double* byBlue,
                             const double* translation) {
        const __m128d sums = _mm_add_pd(_mm_add_pd(_mm_load_pd(byRed), _mm_load_pd(byGreen)),
                                        _mm_add_pd(_mm_load_pd(byBlue), _mm_load_pd(translation)));
        return _mm_cvttpd_epi32(sums);
    }
    Products byRed_[256];
    Products byGreen_[256];
    Products byBlue_[256];
    Products translation_;  // plus the allowance
};
