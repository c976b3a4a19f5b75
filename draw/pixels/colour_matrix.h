// 4 × 4 colour matrices for the illustration's colour effects: a colour
// (r, g, b) is a row vector (r, g, b, 1) multiplied by the matrix, so the
// bottom row is a translation and a product A·B applies A first. Built from
// identity, scaling, offset, rotations about the red, green and blue axes and
// a shear, with the luminance weights 0.3086, 0.6094, 0.0820: the saturation
// matrix and the hue rotation that keeps luminance. Free of Windows.
#pragma once

#include <algorithm>
#include <array>

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

// A channel of the transformed colour from its exact sum, as transformColour
// makes it. The luminance weights add up to exactly 1, but not in floating
// point: without the allowance a grey of 11 would come out as 10.999... and
// be truncated to 10.
[[nodiscard]] inline int channelOfSum(double sum) {
    constexpr double kWholeNumberTolerance = 1e-6;
    return static_cast<int>(std::min(std::max(sum + kWholeNumberTolerance, 0.0), 255.0));
}

// transformColour for many colours: the products of every channel value with
// the matrix are made once, so a colour costs nine look-ups and additions.
// They are added in transformColour's order, so every channel is the same
// to the last bit.
class ColourMatrixTables {
  public:
    explicit ColourMatrixTables(const ColourMatrix& matrix);
    [[nodiscard]] RgbColour operator()(const RgbColour& colour) const {
        const double* r = byRed_[colour.red];
        const double* g = byGreen_[colour.green];
        const double* b = byBlue_[colour.blue];
        return {channelOfSum(r[0] + g[0] + b[0] + offset_[0]),
                channelOfSum(r[1] + g[1] + b[1] + offset_[1]),
                channelOfSum(r[2] + g[2] + b[2] + offset_[2])};
    }

  private:
    double byRed_[256][3];
    double byGreen_[256][3];
    double byBlue_[256][3];
    double offset_[3];
};
