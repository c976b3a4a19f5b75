// Where the test patterns put their pixels, as plain arithmetic on the
// window's width and height: the colour ramps and the hue ramp, the grid of
// the crosshatch and convergence patterns, and which pattern suits the item
// being adjusted. Free of Windows, so the host tests check it exactly.
#pragma once

#include <vector>

// Pattern numbers with a meaning of their own.
constexpr int kPatternCount = 28;
constexpr int kPatternOff = 16;  // no pattern: the window closes

struct RampColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const RampColour&) const = default;
};

// A run of columns or rows: `from` up to, not including, `to`.
struct Span {
    int from = 0;
    int to = 0;
    bool operator==(const Span&) const = default;
};

// `percent` per cent of `extent`, truncated (0.35H is rampPercent(H, 35)).
[[nodiscard]] constexpr int rampPercent(int extent, int percent) {
    return extent * percent / 100;
}

// Width of one step of the 256-step ramps: 4 pixels on a 1280-pixel-wide
// screen, 3 at 1024, 2 at 800.
[[nodiscard]] constexpr int rampStepWidth(int width) {
    return 8 * width / 2560;
}

// Columns of level `level` (0-255) of an upper ramp (rising left to right)
// and of a lower ramp (mirrored), centred on `centre`.
[[nodiscard]] Span upperRampStep(int centre, int stepWidth, int level);
[[nodiscard]] Span lowerRampStep(int centre, int stepWidth, int level);

// Colour of step `step` (0-767) of the hue ramp: red, yellow, green, cyan,
// blue, magenta and back towards red, 128 steps each way.
[[nodiscard]] RampColour hueRampColour(int step);

// The column (0-255) of the hue ramp that shows hue `hue` (0 red, 1 yellow,
// 2 green, 3 cyan, 4 blue, 5 magenta) purest: the one whose visible step is
// nearest to the hue's own.
[[nodiscard]] int hueRampColumn(int hue);

// The colour and greyscale pattern's 129-step grey ramp: columns and grey
// level of step `step` (0-128) on a screen `width` wide.
[[nodiscard]] Span greyRampStep(int width, int step);
[[nodiscard]] int greyRampLevel(int step);

// Lines of the crosshatch and convergence grids: `centre`, `centre` + g,
// `centre` + 2g ... while below `limit`.
[[nodiscard]] std::vector<int> gridPositions(int centre, int spacing, int limit);

// One coloured or grey cell of the composite pattern's 12 × 12 grid
// (columns and rows 0-11 from the top left).
struct CompositeCell {
    int column = 0;
    int row = 0;
    RampColour colour;
};
// The composite pattern's filled cells, in painting order (its moiré blocks
// and bars are not cells).
[[nodiscard]] std::vector<CompositeCell> compositeCells();

// The pattern that suits adjusting `feature`, or 0 when none does (the
// shown pattern stays).
[[nodiscard]] int automaticPattern(int feature);
