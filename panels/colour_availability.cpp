#include "panels/colour_availability.h"

#include "monitor/active_monitor.h"

std::vector<int> offeredColourPanels(ActiveMonitor* monitor) {
    std::vector<int> kinds;
    if (!monitor || !monitor->isOpen()) {
        return kinds;
    }
    if (monitor->gainAvailability() != 0) {
        kinds.push_back(kPanelGain);
    }
    if (monitor->blackLevelAvailability() != 0) {
        kinds.push_back(kPanelBias);
    }
    if (monitor->colourTemperatureAvailability() != 0) {
        kinds.push_back(kPanelTemperature);
    }
    if (monitor->hueAvailability() != 0 || monitor->saturationAvailability() != 0) {
        kinds.push_back(kPanelSixAxis);
    }
    return kinds;
}

int colourContent(ActiveMonitor* monitor) {
    if (!monitor || !monitor->isOpen()) {
        return 0;
    }
    // The preset list counts too: a monitor locked in its sRGB preset would
    // otherwise lose the one way back out of it.
    return static_cast<int>(offeredColourPanels(monitor).size()) +
           (monitor->canResetColour() ? 1 : 0) + (monitor->currentPresetPosition() >= 0 ? 1 : 0);
}

bool gainRanged(ActiveMonitor& monitor, int colour) {
    return monitor.gainMaximum(colour) > monitor.gainMinimum(colour);
}

int colourIllustration(ActiveMonitor& monitor, int feature) {
    int availability = 0;
    if (feature >= kFeatureGreenGain && feature <= kFeatureRedGain) {
        // A gain without a range (sRGB, display native, a gain the monitor
        // lacks) cannot be adjusted.
        const int colour = feature == kFeatureRedGain ? 1 : feature - kFeatureGreenGain + 2;
        availability = gainRanged(monitor, colour) ? monitor.gainAvailability() : 1;
    } else if (feature >= kFeatureGreenBias && feature <= kFeatureRedBias) {
        availability = monitor.blackLevelAvailability();
    } else if (feature == kFeatureColourTemperature) {
        // Without a range its slider is disabled.
        availability =
            monitor.colourTemperatureMaximum() > 0 ? monitor.colourTemperatureAvailability() : 1;
    } else if (feature == kFeatureSaturation) {
        availability = monitor.saturationAvailability();
    } else if (feature >= kFeatureRedHue && feature <= kFeatureMagentaHue) {
        availability = monitor.hueAvailability();
    }
    return availability == 2 ? feature : kShowColourModeLocked;
}
