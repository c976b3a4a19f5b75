#include "draw/pixels/colour_matrix.h"

#include <algorithm>
#include <cmath>
#include <numbers>

ColourMatrix identityMatrix() {
    ColourMatrix m{};
    for (int i = 0; i < 4; ++i) {
        m[i][i] = 1.0;
    }
    return m;
}

ColourMatrix multiplyMatrices(const ColourMatrix& first, const ColourMatrix& then) {
    ColourMatrix product{};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            double sum = 0.0;
            for (int i = 0; i < 4; ++i) {
                sum += first[row][i] * then[i][column];
            }
            product[row][column] = sum;
        }
    }
    return product;
}

ColourMatrix scaleMatrix(double red, double green, double blue) {
    ColourMatrix m = identityMatrix();
    m[0][0] = red;
    m[1][1] = green;
    m[2][2] = blue;
    return m;
}

ColourMatrix offsetMatrix(double red, double green, double blue) {
    ColourMatrix m = identityMatrix();
    m[3][0] = red;
    m[3][1] = green;
    m[3][2] = blue;
    return m;
}

ColourMatrix rotateAboutRedMatrix(double sine, double cosine) {
    ColourMatrix m = identityMatrix();
    m[1][1] = cosine;
    m[1][2] = sine;
    m[2][1] = -sine;
    m[2][2] = cosine;
    return m;
}

ColourMatrix rotateAboutGreenMatrix(double sine, double cosine) {
    ColourMatrix m = identityMatrix();
    m[0][0] = cosine;
    m[0][2] = -sine;
    m[2][0] = sine;
    m[2][2] = cosine;
    return m;
}

ColourMatrix rotateAboutBlueMatrix(double sine, double cosine) {
    ColourMatrix m = identityMatrix();
    m[0][0] = cosine;
    m[0][1] = sine;
    m[1][0] = -sine;
    m[1][1] = cosine;
    return m;
}

ColourMatrix shearBlueMatrix(double byRed, double byGreen) {
    ColourMatrix m = identityMatrix();
    m[0][2] = byRed;
    m[1][2] = byGreen;
    return m;
}

ColourMatrix saturationMatrix(double saturation) {
    const double grey = 1.0 - saturation;
    const double weights[3] = {grey * kRedLuminance, grey * kGreenLuminance, grey * kBlueLuminance};
    ColourMatrix m = identityMatrix();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            m[row][column] = weights[row] + (row == column ? saturation : 0.0);
        }
    }
    return m;
}

ColourMatrix hueRotationMatrix(double degrees) {
    if (degrees == 0.0) {
        return identityMatrix();  // exactly, not up to the rounding of the steps below
    }
    // Turn the grey axis onto the blue axis, shear so that luminance depends
    // on blue alone, rotate about blue, and undo the shear and the turns.
    const double redSine = 1.0 / std::numbers::sqrt2;
    const double redCosine = 1.0 / std::numbers::sqrt2;
    const double greenSine = -1.0 / std::numbers::sqrt3;
    const double greenCosine = std::numbers::sqrt2 / std::numbers::sqrt3;
    ColourMatrix m = multiplyMatrices(rotateAboutRedMatrix(redSine, redCosine),
                                      rotateAboutGreenMatrix(greenSine, greenCosine));

    double luminance[3];
    for (int column = 0; column < 3; ++column) {
        luminance[column] = kRedLuminance * m[0][column] + kGreenLuminance * m[1][column] +
                            kBlueLuminance * m[2][column] + m[3][column];
    }
    const double shearRed = luminance[0] / luminance[2];
    const double shearGreen = luminance[1] / luminance[2];
    m = multiplyMatrices(m, shearBlueMatrix(shearRed, shearGreen));

    const double radians = degrees * std::numbers::pi / 180.0;
    m = multiplyMatrices(m, rotateAboutBlueMatrix(std::sin(radians), std::cos(radians)));

    m = multiplyMatrices(m, shearBlueMatrix(-shearRed, -shearGreen));
    m = multiplyMatrices(m, rotateAboutGreenMatrix(-greenSine, greenCosine));
    return multiplyMatrices(m, rotateAboutRedMatrix(-redSine, redCosine));
}

RgbColour transformColour(const ColourMatrix& m, const RgbColour& c) {
    const double in[3] = {static_cast<double>(c.red), static_cast<double>(c.green),
                          static_cast<double>(c.blue)};
    int out[3];
    for (int column = 0; column < 3; ++column) {
        const double sum = channelSum(in[0] * m[0][column], in[1] * m[1][column],
                                      in[2] * m[2][column], m[3][column]);
        out[column] = static_cast<int>(std::clamp(sum, 0.0, 255.0));
    }
    return {out[0], out[1], out[2]};
}

ColourMatrixTables::ColourMatrixTables(const ColourMatrix& m) {
    // Matrix columns 2, 1 and 0 make the blue, green and red results.
    const auto products = [&](double v, int row) {
        return Products{{v * m[row][2], v * m[row][1]}, {v * m[row][0], 0.0}};
    };
    for (int value = 0; value < 256; ++value) {
        byRed_[value] = products(value, 0);
        byGreen_[value] = products(value, 1);
        byBlue_[value] = products(value, 2);
    }
    // The translation with channelSum's allowance; the unused lane stays 0.
    const auto allowed = [&](int column) { return m[3][column] + kWholeNumberTolerance; };
    translation_ = Products{{allowed(2), allowed(1)}, {allowed(0), 0.0}};
}
