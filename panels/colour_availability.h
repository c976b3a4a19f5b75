// What the colour page offers for the open monitor: its sub-panels (inner
// tabs), the colour content count that decides whether the main window has
// a colour tab, and the illustration that goes with a colour feature.
#pragma once

#include <vector>

class ActiveMonitor;

// Sub-panel kinds: the inner tab's image, parameter and tool tip (560 + kind).
enum ColourPanelKind : int {
    kPanelGain = 0,
    kPanelBias = 1,
    kPanelTemperature = 2,
    kPanelSixAxis = 3,
};

// Colour features the page and its sub-panels adjust.
enum ColourFeature : int {
    kFeatureGreenGain = 16,
    kFeatureBlueGain = 17,
    kFeatureRedGain = 18,
    kFeatureGreenBias = 26,
    kFeatureBlueBias = 27,
    kFeatureRedBias = 28,
    kFeatureColourTemperature = 69,
    kFeatureSaturation = 81,
    kFeatureRedHue = 83,
    kFeatureMagentaHue = 88,
};

// Illustration of a message: "not usable in the current colour mode".
constexpr int kShowColourModeLocked = -11;

// The kinds the monitor offers, in kind order (empty when none is open).
[[nodiscard]] std::vector<int> offeredColourPanels(ActiveMonitor* monitor);

// Offered sub-panels, plus one when the colours can be reset and one when
// the preset list shows; 0 when no monitor is open.
[[nodiscard]] int colourContent(ActiveMonitor* monitor);

// Whether gain colour `colour` (1 red, 2 green, 3 blue) has a range now.
[[nodiscard]] bool gainRanged(ActiveMonitor& monitor, int colour);

// The illustration for the colour feature last adjusted: the feature when
// its control is usable now, else the locked message.
[[nodiscard]] int colourIllustration(ActiveMonitor& monitor, int feature);
