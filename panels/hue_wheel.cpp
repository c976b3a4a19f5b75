#include "panels/hue_wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "draw/gdi_handles.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kGradientRadius = kWheelCentre + 7;
constexpr int kReferenceRadius = 2 * kWheelRadius / 3;
constexpr int kRingTolerance = 300;  // on the ring: |d² - R²| below this

// Rim colours, clockwise on screen from the right: blue, cyan, green,
// yellow, red, magenta.
constexpr std::array<COLORREF, 6> kRimColours = {
    RGB(0, 0, 255),   RGB(0, 255, 255), RGB(0, 255, 0),
    RGB(255, 255, 0), RGB(255, 0, 0),   RGB(255, 0, 255),
};

// Washed out when nothing can be adjusted: channels 0x70 and 0xD0, a light
// grey centre.
COLOR16 channel(BYTE value, bool full) {
    if (full) {
        return static_cast<COLOR16>(value << 8);
    }
    return value ? 0xD000 : 0x7000;
}

TRIVERTEX vertex(int x, int y, COLORREF colour, bool full) {
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    v.Red = channel(GetRValue(colour), full);
    v.Green = channel(GetGValue(colour), full);
    v.Blue = channel(GetBValue(colour), full);
    return v;
}

void drawGradient(HDC dc, bool full) {
    std::array<TRIVERTEX, 7> vertices{};
    vertices[0] = vertex(kWheelCentre, kWheelCentre, RGB(255, 255, 255), full);
    if (!full) {
        vertices[0].Red = vertices[0].Green = vertices[0].Blue = 0xD000;
    }
    for (int i = 0; i < 6; ++i) {
        const double angle = i * kPi / 3;  // clockwise on screen
        vertices[i + 1] =
            vertex(kWheelCentre + static_cast<int>(std::lround(std::cos(angle) * kGradientRadius)),
                   kWheelCentre + static_cast<int>(std::lround(std::sin(angle) * kGradientRadius)),
                   kRimColours[i], full);
    }
    std::array<GRADIENT_TRIANGLE, 6> triangles{};
    for (ULONG i = 0; i < 6; ++i) {
        triangles[i] = {0, i + 1, (i + 1) % 6 + 1};
    }
    GradientFill(dc, vertices.data(), 7, triangles.data(), 6, GRADIENT_FILL_TRIANGLE);
}

void circle(HDC dc, int radius, COLORREF colour) {
    ScopedPen pen(CreatePen(PS_SOLID, 1, colour));
    ScopedSelectObject usePen(dc, pen.get());
    ScopedSelectObject noFill(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, kWheelCentre - radius, kWheelCentre - radius, kWheelCentre + radius + 1,
            kWheelCentre + radius + 1);
}

void disc(HDC dc, POINT centre, int radius, COLORREF fill) {
    ScopedBrush brush(CreateSolidBrush(fill));
    ScopedSelectObject useBrush(dc, brush.get());
    ScopedSelectObject usePen(dc, GetStockObject(BLACK_PEN));
    Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1);
}

// Cuts the gradient to a round wheel on the face colour.
void cutWheel(HDC dc, COLORREF face) {
    circle(dc, kWheelRadius, RGB(0, 0, 0));
    ScopedBrush faceBrush(CreateSolidBrush(face));
    ScopedSelectObject useBrush(dc, faceBrush.get());
    ExtFloodFill(dc, 0, 0, RGB(0, 0, 0), FLOODFILLBORDER);
    circle(dc, kWheelRadius, face);
}

void drawDiameters(HDC dc, COLORREF shadow) {
    ScopedPen pen(CreatePen(PS_SOLID, 1, shadow));
    ScopedSelectObject usePen(dc, pen.get());
    const int reach = kWheelRadius + 6;
    for (int axis = 0; axis < 3; ++axis) {
        const double angle = kHueAxes[axis].baseAngle;
        const int dx = static_cast<int>(std::cos(angle) * reach);
        const int dy = static_cast<int>(std::sin(angle) * reach);
        MoveToEx(dc, kWheelCentre + dx, kWheelCentre - dy, nullptr);
        LineTo(dc, kWheelCentre - dx, kWheelCentre + dy);
    }
}

void drawRing(HDC dc, const WheelState& state, COLORREF shadow) {
    const int radius = ringRadius(state);
    if (state.selected == kSaturationItem) {
        circle(dc, radius - 2, RGB(0, 0, 0));
        circle(dc, radius - 1, RGB(255, 255, 255));
        circle(dc, radius, RGB(255, 255, 255));
        circle(dc, radius + 1, RGB(255, 255, 255));
        circle(dc, radius + 2, RGB(0, 0, 0));
        return;
    }
    circle(dc, radius - 1, RGB(0, 0, 0));
    circle(dc, radius + 1, RGB(0, 0, 0));
    circle(dc, radius, state.hovered == kSaturationItem ? GetSysColor(COLOR_HIGHLIGHT) : shadow);
}

void drawHandles(HDC dc, const WheelState& state) {
    for (int axis = 0; axis < 6; ++axis) {
        const std::optional<POINT> centre = handleCentre(state, axis);
        if (!centre) {
            continue;
        }
        const int feature = kHueAxes[axis].feature;
        COLORREF fill = RGB(64, 64, 64);
        if (feature == state.selected) {
            fill = RGB(255, 255, 255);
        } else if (feature == state.hovered) {
            fill = RGB(192, 192, 192);
        }
        disc(dc, *centre, kHandleRadius, fill);
    }
}

}  // namespace

// clang-format off
const std::array<HueAxis, 6> kHueAxes = {{
    {83, 2 * kPi / 3, -2 * kPi / 3, RGB(255, 0, 0), IDC_SIZENESW},
    {84, kPi, kPi, RGB(255, 255, 0), IDC_SIZENS},
    {85, 4 * kPi / 3, 2 * kPi / 3, RGB(0, 255, 0), IDC_SIZENWSE},
    {86, 5 * kPi / 3, kPi / 3, RGB(0, 255, 255), IDC_SIZENESW},
    {87, 2 * kPi, 0, RGB(0, 0, 255), IDC_SIZENS},
    {88, 7 * kPi / 3, -kPi / 3, RGB(255, 0, 255), IDC_SIZENWSE},
}};
// clang-format on

int hueAxisOf(int feature) {
    const int axis = feature - kHueAxes[0].feature;
    return axis >= 0 && axis < 6 ? axis : -1;
}

int ringRadius(const WheelState& state) {
    if (!state.saturationAdjustable || state.saturationMaximum <= 0) {
        return kWheelRadius;
    }
    return state.saturation * 2 * kWheelRadius / 3 / state.saturationMaximum + kWheelRadius / 3;
}

std::optional<POINT> handleCentre(const WheelState& state, int axis) {
    const int maximum = state.hueMaximum[axis];
    if (!state.hueAdjustable || maximum <= 0) {
        return std::nullopt;
    }
    const double theta = static_cast<double>(state.hue[axis]) / maximum * kPi / 3 - kPi / 6 +
                         kHueAxes[axis].baseAngle;
    const double radius = ringRadius(state);
    return POINT{static_cast<LONG>(kWheelCentre + std::cos(theta) * radius),
                 static_cast<LONG>(kWheelCentre - std::sin(theta) * radius)};
}

int wheelHitTest(const WheelState& state, int x, int y) {
    for (int axis = 0; axis < 6; ++axis) {
        const std::optional<POINT> centre = handleCentre(state, axis);
        if (centre && std::abs(x - centre->x) < kHandleRadius &&
            std::abs(y - centre->y) < kHandleRadius) {
            return kHueAxes[axis].feature;
        }
    }
    if (state.saturationAdjustable && state.saturationMaximum > 0) {
        const int radius = ringRadius(state);
        const int dx = x - kWheelCentre;
        const int dy = y - kWheelCentre;
        if (std::abs(dx * dx + dy * dy - radius * radius) < kRingTolerance) {
            return kSaturationItem;
        }
    }
    return kNoWheelItem;
}

int saturationAt(int x, int y, int maximum) {
    const int dx = x - kWheelCentre;
    const int dy = y - kWheelCentre;
    const int distance = static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    const int value = (distance - kWheelRadius / 3) * 3 * maximum / (2 * kWheelRadius);
    return std::clamp(value, 0, std::max(0, maximum));
}

double saturationTravel(int x, int y, int maximum) {
    const double distance = std::hypot(x - kWheelCentre, y - kWheelCentre);
    return (distance - kWheelRadius / 3.0) * 3 * maximum / (2 * kWheelRadius);
}

double hueTravel(int axis, int x, int y, int maximum) {
    const double angle = std::atan2(y - kWheelCentre, x - kWheelCentre);
    // The turn from the axis, kept within half a turn on either side, so a
    // drag past an end of the handle's travel stays pinned at that end.
    double turn = kHueAxes[axis].reference - angle;
    while (turn > kPi) {
        turn -= 2 * kPi;
    }
    while (turn <= -kPi) {
        turn += 2 * kPi;
    }
    return maximum * (turn + kPi / 6) / (kPi / 3);
}

int hueAt(int axis, int x, int y, int maximum) {
    const double value = hueTravel(axis, x, y, maximum);
    return static_cast<int>(std::clamp(value, 0.0, static_cast<double>(std::max(0, maximum))));
}

void paintWheel(HDC target, const WheelState& state) {
    MemoryDc dc(target);
    ScopedBitmap bitmap(CreateCompatibleBitmap(target, kWheelSize, kWheelSize));
    ScopedSelectObject useBitmap(dc.get(), bitmap.get());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    {
        ScopedBrush faceBrush(CreateSolidBrush(face));
        const RECT all{0, 0, kWheelSize, kWheelSize};
        FillRect(dc.get(), &all, faceBrush.get());
    }
    drawGradient(dc.get(), state.selected >= 0);
    cutWheel(dc.get(), face);
    if (state.saturationAdjustable) {
        circle(dc.get(), kReferenceRadius, shadow);
    }
    if (state.hueAdjustable) {
        drawDiameters(dc.get(), shadow);
    }
    if (state.saturationAdjustable) {
        drawRing(dc.get(), state, shadow);
    }
    if (state.hueAdjustable) {
        drawHandles(dc.get(), state);
    }
    BitBlt(target, 0, 0, kWheelSize, kWheelSize, dc.get(), 0, 0, SRCCOPY);
}
