#include <cmath>
#include <numbers>

#include "draw/gdi_handles.h"
#include "panels/hue_wheel.h"
#include "panels/page_state.h"
#include "patterns/pattern_window.h"
#include "tests/win/panels/colour_page_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Direction of a wheel point from the centre, counter-clockwise from the
// right with y up, in 0..2π.
double directionOf(POINT p) {
    const double angle = std::atan2(-(p.y - kWheelCentre), p.x - kWheelCentre);
    return angle < 0 ? angle + 2 * kPi : angle;
}

// The smallest turn between two directions, in degrees.
double degreesBetween(double a, double b) {
    const double turn = std::fmod(std::fabs(a - b), 2 * kPi);
    return std::min(turn, 2 * kPi - turn) * 180 / kPi;
}

// A wheel point at `radius` in direction `angle` (y up).
POINT pointAt(double angle, double radius) {
    return POINT{static_cast<LONG>(std::lround(kWheelCentre + std::cos(angle) * radius)),
                 static_cast<LONG>(std::lround(kWheelCentre - std::sin(angle) * radius))};
}

WheelState fullWheel(int saturation, int hue) {
    WheelState state;
    state.saturationAdjustable = true;
    state.hueAdjustable = true;
    state.saturation = saturation;
    state.saturationMaximum = 100;
    state.hue.fill(hue);
    state.hueMaximum.fill(100);
    state.selected = kSaturationItem;
    return state;
}

}  // namespace

TEST(HueWheel, RingAndHandlesFollowTheValues) {
    EXPECT_EQ(ringRadius(fullWheel(0, 50)), 25);
    EXPECT_EQ(ringRadius(fullWheel(100, 50)), 75);
    WheelState noSaturation = fullWheel(40, 50);
    noSaturation.saturationAdjustable = false;
    EXPECT_EQ(ringRadius(noSaturation), kWheelRadius);
    WheelState zeroRange = fullWheel(40, 50);
    zeroRange.saturationMaximum = 0;  // no division by the empty range
    EXPECT_EQ(ringRadius(zeroRange), kWheelRadius);

    // A hue and its handle's turn in degrees from the axis, counter-clockwise.
    for (const auto& [hue, turnDegrees] :
         {std::pair{50, 0}, std::pair{0, -30}, std::pair{100, 30}}) {
        const WheelState state = fullWheel(100, hue);
        for (int axis = 0; axis < 6; ++axis) {
            const std::optional<POINT> handle = handleCentre(state, axis);
            ASSERT_TRUE(handle);
            const double expected = kHueAxes[axis].baseAngle + turnDegrees * kPi / 180;
            EXPECT_LT(degreesBetween(directionOf(*handle), expected), 1.5)
                << "axis " << axis << " hue " << hue;
            const double distance = std::hypot(handle->x - kWheelCentre, handle->y - kWheelCentre);
            EXPECT_NEAR(distance, 75, 1.5);  // on the rim at full saturation
        }
    }

    // A hue the monitor lacks (maximum 0) has no handle.
    WheelState missing = fullWheel(50, 50);
    missing.hueMaximum[2] = 0;
    EXPECT_FALSE(handleCentre(missing, 2));
    EXPECT_TRUE(handleCentre(missing, 3));
}

TEST(HueWheel, HandlesWinOverTheRingAndTheRestHitsNothing) {
    const WheelState state = fullWheel(60, 50);  // handles lie on the ring
    for (int axis = 0; axis < 6; ++axis) {
        const POINT handle = *handleCentre(state, axis);
        EXPECT_EQ(wheelHitTest(state, handle.x + 2, handle.y - 2), kHueAxes[axis].feature);
    }
    const int radius = ringRadius(state);
    const POINT onRing = pointAt(kPi / 2, radius);  // between the axes
    EXPECT_EQ(wheelHitTest(state, onRing.x, onRing.y), kSaturationItem);
    EXPECT_EQ(wheelHitTest(state, kWheelCentre, kWheelCentre), kNoWheelItem);

    WheelState locked = state;
    locked.saturationAdjustable = false;
    locked.hueAdjustable = false;
    EXPECT_EQ(wheelHitTest(locked, onRing.x, onRing.y), kNoWheelItem);
}

TEST(HueWheel, DraggingPinsAtTheEndsOfTheTravel) {
    for (int axis = 0; axis < 6; ++axis) {
        SCOPED_TRACE(axis);
        const double base = kHueAxes[axis].baseAngle;
        const POINT onAxis = pointAt(base, 60);
        EXPECT_NEAR(hueAt(axis, onAxis.x, onAxis.y, 100), 50, 1);
        // Past either end, all the way round to the opposite side.
        for (int degrees = 35; degrees <= 178; degrees += 11) {
            const double turn = degrees * kPi / 180;
            const POINT ahead = pointAt(base + turn, 60);
            const POINT behind = pointAt(base - turn, 60);
            EXPECT_EQ(hueAt(axis, ahead.x, ahead.y, 100), 100) << degrees;
            EXPECT_EQ(hueAt(axis, behind.x, behind.y, 100), 0) << degrees;
        }
    }
    // Distance from the centre, and the saturation there.
    const std::pair<int, int> rings[] = {{10, 0}, {25, 0}, {50, 50}, {75, 100}, {90, 100}};
    for (const auto& [distance, saturation] : rings) {
        EXPECT_EQ(saturationAt(kWheelCentre + distance, kWheelCentre, 100), saturation) << distance;
    }
}

TEST(HueWheel, PaintsAFullOrWashedOutWheelOnTheFace) {
    DibSection surface(kWheelSize, kWheelSize);
    MemoryDc dc;
    ScopedSelectObject use(dc.get(), surface.get());
    const uint32_t face = pixelOfColour(GetSysColor(COLOR_BTNFACE));

    WheelState state = fullWheel(100, 50);
    state.selected = kHueAxes[1].feature;  // yellow's handle white
    paintWheel(dc.get(), state);
    PixelView pixels = pixelsOfDc(dc.get());
    EXPECT_EQ(pixels.at(2, 2), face);
    EXPECT_EQ(pixels.at(kWheelSize - 3, kWheelSize - 3), face);
    const uint32_t centre = pixels.at(kWheelCentre + 3, kWheelCentre + 3);
    EXPECT_GT(redOf(centre) + greenOf(centre) + blueOf(centre), 3 * 230);
    // Towards the right the wheel turns blue (beside the blue axis's line).
    const uint32_t blueRim = pixels.at(kWheelCentre + 65, kWheelCentre + 6);
    EXPECT_GT(blueOf(blueRim), 200);
    EXPECT_LT(redOf(blueRim), 100);
    const POINT yellow = *handleCentre(state, 1);
    EXPECT_EQ(pixels.at(yellow.x, yellow.y), packPixel(255, 255, 255));

    WheelState washed;  // nothing adjustable: no ring, no handles, pale
    paintWheel(dc.get(), washed);
    pixels = pixelsOfDc(dc.get());
    const uint32_t paleRim = pixels.at(kWheelCentre + 65, kWheelCentre + 6);
    EXPECT_GE(redOf(paleRim), 0x70);
    EXPECT_GE(blueOf(paleRim), 0xC0);
    EXPECT_EQ(pixels.at(yellow.x, yellow.y) == packPixel(255, 255, 255), false);
}

class SixAxisPanelTest : public ColourPageTest {
  protected:
    void openSixAxis(const char* profile) {
        ASSERT_NO_FATAL_FAILURE(openColourPage(profile));
        const std::vector<int> kinds = innerKinds();
        ASSERT_EQ(kinds.back(), 3);
        selectInner(static_cast<int>(kinds.size()) - 1);
    }
    HWND wheel() const { return panelControl(kCtlHueWheel); }
    void slide(int request) {
        scrollBar(subPanel(), WM_HSCROLL, panelControl(kCtlSixAxisSlider), request);
    }
    // The pointer at (x, y) of the wheel, then `message` to the wheel.
    void mouse(UINT message, int x, int y) {
        POINT screen{x, y};
        ClientToScreen(wheel(), &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(wheel(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
        pump();
    }
    void mouse(UINT message, POINT at) { mouse(message, at.x, at.y); }
    // A point past the end of the green hue's travel.
    static POINT pastGreen() { return pointAt(kHueAxes[2].baseAngle + kPi * 0.9, 50); }
    void click(POINT at) {
        mouse(WM_LBUTTONDOWN, at);
        mouse(WM_LBUTTONUP, at);
    }
    void refresh() {
        SendMessageW(subPanel(), WM_COMMAND, kCmdRefresh, 0);
        pump();
    }
};

TEST_F(SixAxisPanelTest, SaturationFirstThenAHueByClickAndDrag) {
    openSixAxis("tsw-rich-caps");  // saturation and the six hues at 50 of 100
    EXPECT_EQ(pageState().currentFeature, kSaturationItem);
    EXPECT_EQ(panelText(kCtlSixAxisValue), L"0%");
    slide(SB_LEFT);
    EXPECT_EQ(simValue(0, 0x8A), 0);
    EXPECT_EQ(panelText(kCtlSixAxisValue), L"-50.0%");
    slide(SB_RIGHT);
    EXPECT_EQ(panelText(kCtlSixAxisValue), L"50.0%");
    slide(SB_PAGELEFT);
    EXPECT_EQ(simValue(0, 0x8A), 98);

    // Press on the green handle, drag it past the end of its travel.
    const POINT green = *handleCentre(fullWheel(98, 50), 2);
    mouse(WM_LBUTTONDOWN, green);
    EXPECT_EQ(pageState().currentFeature, 85);
    EXPECT_EQ(GetCapture(), wheel());
    mouse(WM_MOUSEMOVE, pastGreen());
    EXPECT_EQ(simValue(0, 0x9D), 100);
    EXPECT_EQ(panelText(kCtlSixAxisValue), L"100%");
    mouse(WM_LBUTTONUP, pastGreen());
    EXPECT_EQ(GetCapture(), nullptr);

    slide(SB_PAGELEFT);  // a hue pages by a twentieth of its range, plus one
    EXPECT_EQ(simValue(0, 0x9D), 94);
    slide(SB_LEFT);
    EXPECT_EQ(panelText(kCtlSixAxisValue), L"-100%");

    // A lost capture ends the drag: later moves write nothing.
    mouse(WM_LBUTTONDOWN, green);
    const int writes = VeskolSimRequestCount(0, 0x03);
    ReleaseCapture();
    pump();
    mouse(WM_MOUSEMOVE, pastGreen());
    EXPECT_EQ(VeskolSimRequestCount(0, 0x03), writes);
}

TEST_F(SixAxisPanelTest, HuesWithoutARangeHaveNoHandles) {
    // The table-driven panel offers the hues in its colour-temperature
    // presets, but has no hue control: its maximum reads 0.
    openSixAxis("qrv-lcd-p4");
    ASSERT_EQ(monitor().hueAvailability(), 2);
    ASSERT_EQ(monitor().maximum(83), 0);
    EXPECT_EQ(pageState().currentFeature, kSaturationItem);
    UpdateWindow(wheel());  // paints without dividing by the empty range
    const int writes = VeskolSimRequestCount(0, 0x03);
    WheelState state = fullWheel(0, 0);
    state.saturationMaximum = 0;
    for (int axis = 0; axis < 6; ++axis) {  // where handles would be
        const POINT place = *handleCentre(state, axis);
        click(place);
        EXPECT_EQ(pageState().currentFeature, kSaturationItem);
    }
    EXPECT_EQ(VeskolSimRequestCount(0, 0x03), writes);
}

TEST_F(SixAxisPanelTest, ARefreshKeepsTheSelectionAndEndsTheDrag) {
    openSixAxis("tsw-rich-caps");
    const POINT green = *handleCentre(fullWheel(50, 50), 2);
    click(green);
    refresh();
    EXPECT_EQ(pageState().currentFeature, 85);

    mouse(WM_LBUTTONDOWN, green);
    ASSERT_EQ(GetCapture(), wheel());
    refresh();
    EXPECT_EQ(GetCapture(), nullptr);
    const int writes = VeskolSimRequestCount(0, 0x03);
    mouse(WM_MOUSEMOVE, pastGreen());
    EXPECT_EQ(VeskolSimRequestCount(0, 0x03), writes);
    EXPECT_EQ(simValue(0, 0x9D), 50);
}

// A handle grabbed off its centre moves from where it was grabbed, a move
// that leaves the value as it is writes nothing, and the second press of a
// double click grabs as the first did.
TEST_F(SixAxisPanelTest, ADragMovesTheValueFromWhereItWasGrabbed) {
    openSixAxis("tsw-rich-caps");
    slide(SB_LEFT);  // saturation 0: the handles on the smallest ring, 25
    UpdateWindow(wheel());
    const POINT green = *handleCentre(fullWheel(0, 50), 2);
    const double across = kHueAxes[2].baseAngle + kPi / 2;  // along the travel
    const POINT grab{green.x + static_cast<LONG>(std::lround(std::cos(across) * 4)),
                     green.y - static_cast<LONG>(std::lround(std::sin(across) * 4))};
    const int writes = VeskolSimRequestCount(0, 0x03);
    mouse(WM_LBUTTONDOWN, grab);
    ASSERT_EQ(pageState().currentFeature, 85);
    mouse(WM_MOUSEMOVE, grab);
    // Twice as far from the centre in the same direction: the same hue.
    mouse(WM_MOUSEMOVE, 2 * grab.x - kWheelCentre, 2 * grab.y - kWheelCentre);
    mouse(WM_MOUSEMOVE, grab);
    EXPECT_EQ(VeskolSimRequestCount(0, 0x03), writes);
    // One pixel at 25 from the centre is worth under four steps of 100.
    mouse(WM_MOUSEMOVE, grab.x + 1, grab.y);
    EXPECT_LE(std::abs(simValue(0, 0x9D) - 50), 4);
    mouse(WM_LBUTTONUP, grab.x + 1, grab.y);

    // down, up, double click, up: the double click grabs the handle again.
    const POINT now = *handleCentre(fullWheel(0, simValue(0, 0x9D)), 2);
    click(now);
    mouse(WM_LBUTTONDBLCLK, now);
    EXPECT_EQ(GetCapture(), wheel());
    mouse(WM_MOUSEMOVE, pastGreen());
    EXPECT_EQ(simValue(0, 0x9D), 100);
    mouse(WM_LBUTTONUP, pastGreen());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SixAxisPanelTest, APanelWithNothingToAdjustKeepsThePatternsHint) {
    ASSERT_NO_FATAL_FAILURE(openColourPage("tsw-rich-caps", [] {
        for (int code : {0x8A, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F, 0xA0}) {
            ASSERT_EQ(VeskolSimSetMaximum(0, code, 0), 0);
        }
    }));
    ASSERT_EQ(showTestPattern(1), 0);
    selectInner(1);
    ASSERT_EQ(testPatternWindow()->adjustedItem(), 28);
    selectInner(3);
    EXPECT_EQ(pageState().currentFeature, -1);
    EXPECT_EQ(testPatternWindow()->adjustedItem(), 28);
    closePatternWindow();
}
