// Single controls addressed by VCP code, for scripts: read, write with the
// model's rules, store, and every control that holds a value in the order
// that restores the monitor. A monitor opened for its identity only is
// enough for the first three.
#include "link/display_interface.h"
#include "monitor/active_monitor.h"

namespace {

constexpr int kPresetCode = 0x14;
constexpr int kPictureModeCode = 0xD8;

// The control-table index whose control is `code`, or -1.
int controlIndexOfCode(int code) {
    for (int index = 1; index < kControlCount; ++index) {
        if (controlVcpCode(index) == code) {
            return index;
        }
    }
    return -1;
}

}  // namespace

bool ActiveMonitor::codeInverted(int code) {
    const int index = controlIndexOfCode(code);
    return index >= 0 && isInverted(controlFeature(index)) == 1;
}

int ActiveMonitor::readCode(int code, int& value, int& maximum) {
    code &= 0xFFFF;
    if (isActionCode(code)) {
        return kCodeWithoutValue;  // actions are only ever written
    }
    int current = 0;
    int highest = 0;
    int linkResult = 0;
    switch (readControl(code, current, highest, &linkResult)) {
        case ReadOutcome::Good:
            value = codeInverted(code) ? highest - current : current;
            maximum = highest;
            return 0;
        case ReadOutcome::Failed:
            return linkResult;
        case ReadOutcome::NoValue:
        case ReadOutcome::Unsupported:
            break;
    }
    return kCodeWithoutValue;
}

int ActiveMonitor::writeCode(int code, int value, int maximum) {
    code &= 0xFFFF;
    if (model().fourPreset && lockedByFourPreset(controlIndexOfCode(code))) {
        int preset = 0;
        int presets = 0;
        const int result = readCode(kPresetCode, preset, presets);
        if (result < 0) {
            return result;
        }
        if (result == 0 && preset == kLockedFourPreset) {
            return kCodeLocked;
        }
    }
    const int written = codeInverted(code) ? maximum - value : value;
    if (code == kPresetCode || (code == kPictureModeCode && model().pictureMode)) {
        return switchPreset(code, written);
    }
    return sendVcp(code, written);
}

int ActiveMonitor::finishWrites(bool store) {
    // The models that store every change do it shortly after the last write
    // while the window is open; a script's writes get the same.
    return store || model().fourPreset ? sendStore() : 0;
}

int ActiveMonitor::readControls(std::vector<CodeReading>& readings, int& failedCode) {
    if (!open_) {
        return -1;
    }
    readings.clear();
    auto addEntry = [&](int index) {
        const ControlEntry& entry = controls_[index];
        if (!entry.supported || entry.maximum <= 0 || isActionCode(entry.vcpCode)) {
            return;
        }
        const int feature = controlFeature(index);
        const int shown = feature >= 0 ? value(feature) : entry.current;
        readings.push_back({entry.vcpCode, shown, entry.maximum});
    };
    addEntry(kIndexPreset);
    addEntry(kIndexPictureMode);
    for (int index = 1; index < kControlCount; ++index) {
        if (index != kIndexPreset && index != kIndexPictureMode) {
            addEntry(index);
        }
    }
    if (!capabilitiesLoaded_) {
        return 0;
    }
    for (const int32_t code : capabilities_.getVcpList()) {
        if (code <= 0xFF) {
            continue;
        }
        CodeReading reading{code, 0, 0};
        const int result = readCode(code, reading.value, reading.maximum);
        if (result == kLibraryCannotCarry) {
            continue;  // the library has no way to reach vendor pages: no control here
        }
        if (result < 0) {
            failedCode = code;
            return result;
        }
        if (result == 0) {
            readings.push_back(reading);
        }
    }
    return 0;
}
