#include "patterns/pixels/pattern_geometry.h"

#include <algorithm>

Span upperRampStep(int centre, int stepWidth, int level) {
    return {centre + (level - 128) * stepWidth, centre + (level - 127) * stepWidth};
}

Span lowerRampStep(int centre, int stepWidth, int level) {
    return {centre - (level - 127) * stepWidth, centre - (level - 128) * stepWidth};
}

RampColour hueRampColour(int step) {
    // Each segment of 128 steps moves one channel across its whole range;
    // the falling channels run from 255 down to 1.
    const int rising = 2 * (step % 128);
    const int falling = 255 - rising;
    switch (step / 128) {
        case 0:
            return {255, rising, 0};
        case 1:
            return {falling, 255, 0};
        case 2:
            return {0, 255, rising};
        case 3:
            return {0, falling, 255};
        case 4:
            return {rising, 0, 255};
        default:
            return {255, 0, falling};
    }
}

int hueRampColumn(int hue) {
    // Column m shows step 3m + 2, and hue k is pure at step 128k.
    return std::max(0, (128 * hue - 1) / 3);
}

Span greyRampStep(int width, int step) {
    const int s = rampStepWidth(width);
    const int base = width / 2 - 128 * s;
    return {base + (step - 1) * 2 * s, base + step * 2 * s};
}

int greyRampLevel(int step) {
    return step == 0 ? 0 : 2 * step - 1;
}

std::vector<int> gridPositions(int centre, int spacing, int limit) {
    std::vector<int> positions;
    if (spacing <= 0) {
        return positions;
    }
    for (int p = centre; p < limit; p += spacing) {
        positions.push_back(p);
    }
    return positions;
}

std::vector<CompositeCell> compositeCells() {
    std::vector<CompositeCell> cells;
    const RampColour topRow[] = {{0, 0, 255}, {255, 0, 0},   {255, 0, 255},
                                 {0, 255, 0}, {0, 255, 255}, {255, 255, 0}};
    for (int k = 0; k < 6; ++k) {
        cells.push_back({3 + k, 1, topRow[k]});
    }
    for (int column = 1; column <= 10; ++column) {
        cells.push_back({column, 3, {0, 0, 0}});
    }
    cells.push_back({7, 7, {0, 0, 0}});
    for (int column = 1; column <= 10; ++column) {
        cells.push_back({column, 8, {255, 255, 255}});
    }
    cells.push_back({4, 7, {255, 255, 255}});
    const struct {
        int column, row, level;
    } greys[] = {{3, 7, 243}, {3, 6, 230}, {3, 5, 205}, {3, 4, 179}, {4, 4, 155},
                 {7, 4, 102}, {8, 4, 77},  {8, 5, 51},  {8, 6, 26},  {8, 7, 13}};
    for (const auto& grey : greys) {
        cells.push_back({grey.column, grey.row, {grey.level, grey.level, grey.level}});
    }
    const RampColour bottomRow[] = {{0, 0, 127}, {127, 0, 0},   {127, 0, 127},
                                    {0, 127, 0}, {0, 127, 127}, {127, 127, 0}};
    for (int k = 0; k < 6; ++k) {
        cells.push_back({3 + k, 10, bottomRow[k]});
    }
    return cells;
}

namespace {

struct Choice {
    int pattern;
    std::vector<int> features;
};

const Choice kChoices[] = {
    {15, {0, 1, 2, 3}},                                         // screen outline
    {1, {6, 7, 8, 9, 10, 11, 40, 41, 42, 43, 45, 46, 49, 50}},  // crosshatch
    {14, {12}},                                                 // top and bottom outline
    {22, {13, 75, 76}},                                         // horizontal convergence
    {21, {44, 73, 74}},                                         // vertical convergence
    {23, {14, 15}},                                             // colour and greyscale
    {5, {16, 17, 18, 81, 83, 84, 85, 86, 87, 88}},              // colour ramps
    {6, {26, 27, 28}},                                          // black screen
    {8, {48, 65, 66, 67, 68}},                                  // green screen
    {17, {51}},                                                 // moiré
    {24, {69}},                                                 // inverted colour and greyscale
    {18, {82}},                                                 // text sample
};

}  // namespace

int automaticPattern(int feature) {
    for (const Choice& choice : kChoices) {
        for (int f : choice.features) {
            if (f == feature) {
                return choice.pattern;
            }
        }
    }
    return 0;
}
