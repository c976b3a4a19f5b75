// One-shot actions (degauss, resets, automatic adjustments), storing the
// settings in the monitor, and the brightness/contrast defaults.
#include "link/clock.h"
#include "link/display_interface.h"
#include "monitor/active_monitor.h"

namespace {

constexpr int kActionWaitMs = 2000;  // the monitor carries the action out
constexpr int kBetweenWritesMs = 50;
constexpr int kLongTimeoutMs = 50000;
constexpr int kTimeoutMs = 10000;
constexpr int kStatusGeometryLocked = 128;  // status byte bit 7

}  // namespace

int ActiveMonitor::actionThenReload(bool available, int code, bool colourOnly) {
    if (!open_ || !available) {
        return -1;
    }
    (void)writeVcp(code, 1);  // a failed write is not reported: the reload shows the truth
    sleepMs(kActionWaitMs);
    (void)reload(colourOnly ? 1 : 0, colourOnly);
    return 0;
}

int ActiveMonitor::degauss() {
    if (!open_ || !degaussAvailable_) {
        return -1;
    }
    (void)writeVcp(0x00, 1);
    degaussEndsAtMs_ = nowMs() + kActionWaitMs;
    return 0;
}

void ActiveMonitor::waitForDegaussToEnd() {
    const int64_t left = degaussEndsAtMs_ - nowMs();
    if (left > 0) {
        sleepMs(static_cast<int>(left));
    }
}

int ActiveMonitor::factoryReset() {
    return actionThenReload(factoryResetAvailable_ != 0, 0x04, false);
}

int ActiveMonitor::resetGeometry() {
    return actionThenReload(geometryResetAvailable_ != 0, 0x06, false);
}

int ActiveMonitor::resetColour() {
    return actionThenReload(canResetColour() != 0, 0x08, true);
}

int ActiveMonitor::autoSetup() {
    return actionThenReload(autoSetupAvailable_ != 0, 0x1E, false);
}

int ActiveMonitor::autoGeometry() {
    return actionThenReload(autoGeometryAvailable_ != 0, 0xB1, false);
}

int ActiveMonitor::canDegauss() {
    return open_ ? degaussAvailable_ : 0;
}

int ActiveMonitor::canFactoryReset() {
    return open_ ? factoryResetAvailable_ : 0;
}

int ActiveMonitor::canResetGeometry() {
    return open_ && statusByte_ < kStatusGeometryLocked ? geometryResetAvailable_ : 0;
}

int ActiveMonitor::canAutoSetup() {
    return open_ ? autoSetupAvailable_ : 0;
}

int ActiveMonitor::canAutoGeometry() {
    return open_ ? autoGeometryAvailable_ : 0;
}

int ActiveMonitor::storeSettings() {
    if (!open_ || !anyValueRead_) {
        return -1;
    }
    waitForDegaussToEnd();
    if (sendStore() != 0) {
        return -1;  // the changes stay unstored: the caller may try again
    }
    rebasedSinceStore_ = false;
    return 0;
}

int ActiveMonitor::sendStore() {
    // A library that cannot carry the vendor queries still carries the
    // standard save, which these models take as well.
    if (usesVendorSave() && commandChannel_->vendorSaveSequence() != kLibraryCannotCarry) {
        return 0;
    }
    return commandChannel_->saveSettings();
}

int ActiveMonitor::usesVendorSave() {
    return model().vendorSave ? 1 : 0;
}

int ActiveMonitor::defaultBrightnessContrast(int& brightness, int& contrast) {
    switch (displayTechnology()) {
        case 1:  // a tube: half brightness, full contrast
            brightness = maximum(kFeatureBrightness) / 2;
            contrast = maximum(kFeatureContrast);
            return 0;
        case 2:  // a flat panel: full brightness, half contrast
            brightness = maximum(kFeatureBrightness);
            contrast = maximum(kFeatureContrast) / 2;
            return 0;
        default:
            return -1;
    }
}

int ActiveMonitor::resetBrightnessContrast() {
    if (!open_) {
        return -1;
    }
    int brightness = 0;
    int contrast = 0;
    if (defaultBrightnessContrast(brightness, contrast) != 0) {
        return -1;
    }
    (void)setValue(kFeatureBrightness, brightness);
    sleepMs(kBetweenWritesMs);
    return setValue(kFeatureContrast, contrast);
}

int ActiveMonitor::canResetBrightnessContrast() {
    int brightness = 0;
    int contrast = 0;
    return open_ && !brightnessContrastLocked() &&
                   defaultBrightnessContrast(brightness, contrast) == 0
               ? 1
               : 0;
}

int ActiveMonitor::brightnessContrastLocked() {
    if (capabilitiesLoaded_ && capabilities_.displayType == kDisplayLcd) {
        return 0;
    }
    return isSrgbActive();
}

int ActiveMonitor::modelTimeout() {
    return model().longTimeout ? kLongTimeoutMs : kTimeoutMs;
}
