// The six-axis colour wheel: a 160 x 160 disc on which each of the six hues
// (red, yellow, green, cyan, blue, magenta) is a small handle that moves
// within ±30° of its axis, and the saturation is the radius of a ring
// (25 pixels at 0, 75 at the maximum). This file holds the wheel's
// geometry, its hit test, the values a drag point gives, and its painting
// into a device context; the six-axis panel owns the window.
#pragma once

#include <array>
#include <optional>

#include "platform/win32.h"

constexpr int kWheelSize = 160;
constexpr int kWheelCentre = kWheelSize / 2;
constexpr int kWheelRadius = kWheelCentre - 5;
constexpr int kHandleRadius = 5;
constexpr int kNoWheelItem = 0;  // the hit test found nothing
constexpr int kSaturationItem = 81;

// One hue axis of the wheel.
struct HueAxis {
    int feature;
    double baseAngle;  // counter-clockwise from the right, y pointing up
    double reference;  // the same direction in window coordinates (y down)
    COLORREF brush;    // of the slider while this hue is selected
    const wchar_t* cursor;
};

extern const std::array<HueAxis, 6> kHueAxes;

// What the wheel shows, read from the monitor object at every paint.
struct WheelState {
    bool saturationAdjustable = false;
    bool hueAdjustable = false;
    int saturation = 0;
    int saturationMaximum = 0;
    std::array<int, 6> hue{};
    std::array<int, 6> hueMaximum{};  // 0: the monitor has no such hue
    int selected = -1;                // a feature, -1 for none
    int hovered = kNoWheelItem;
};

// The ring's radius R: 25 at saturation 0 to 75 at its maximum; the full
// wheel radius when saturation cannot be adjusted.
[[nodiscard]] int ringRadius(const WheelState& state);

// Centre of hue handle `axis` (0 red .. 5 magenta), none for a hue the
// monitor does not have (maximum 0).
[[nodiscard]] std::optional<POINT> handleCentre(const WheelState& state, int axis);

// The item under (x, y): a hue feature (handles first), 81 on the ring, 0.
[[nodiscard]] int wheelHitTest(const WheelState& state, int x, int y);

// The value a drag to (x, y) gives the saturation or hue axis `axis`,
// pinned to 0..maximum.
[[nodiscard]] int saturationAt(int x, int y, int maximum);
[[nodiscard]] int hueAt(int axis, int x, int y, int maximum);
// The same values before rounding and pinning: the difference between two
// points is how far a drag between them moves the value.
[[nodiscard]] double saturationTravel(int x, int y, int maximum);
[[nodiscard]] double hueTravel(int axis, int x, int y, int maximum);

// The axis of a hue feature, -1 for any other feature.
[[nodiscard]] int hueAxisOf(int feature);

// Paints the wheel into `dc` (kWheelSize square at 0,0) through an
// off-screen bitmap.
void paintWheel(HDC dc, const WheelState& state);
