// Colour presets (list, labels, selection with the per-model switch rules),
// gains, colour temperature and the availability of the colour controls.
#include <cstdio>
#include <span>

#include "link/clock.h"
#include "monitor/active_monitor.h"

namespace {

constexpr int kPresetCode = 0x14;
constexpr int kPictureModeCode = 0xD8;
constexpr int kColourTemperatureStepCode = 0x0B;
constexpr int kColourTemperatureRequestCode = 0x0C;
constexpr int kTableColourTemperatureCode = 0x54;
constexpr int kHueCode = 0x9B;
constexpr int kSaturationCode = 0x8A;
constexpr int kColourResetCode = 0x08;

constexpr int kPictureModePresets = 5;
constexpr int kFourPresets = 4;
constexpr int kLongSwitchDelayMs = 2000;
constexpr int kSwitchDelayMs = 800;
constexpr int kSaveBeforeSwitchWaitMs = 200;

// MCCS colour preset values.
constexpr int kPresetSrgb = 1;
constexpr int kPresetNative = 2;
constexpr int kPresetUser1 = 11;
constexpr int kPresetUser2 = 12;

// Built-in preset lists of the models with their own tables.
constexpr int kP1Presets[] = {1, 2, 11, 12};
constexpr int kP3Presets[] = {2, 4, 5, 6, 7, 8};
constexpr int kP45Presets[] = {1, 2, 4, 6, 7, 8};

std::span<const int> presetTableList(int table) {
    switch (table) {
        case 1:
            return kP1Presets;
        case 3:
            return kP3Presets;
        case 4:
        case 5:
            return kP45Presets;
        default:
            return {};
    }
}

int gainIndex(int colour) {
    switch (colour) {
        case kColourRed:
            return kIndexRedGain;
        case kColourGreen:
            return kIndexGreenGain;
        case kColourBlue:
            return kIndexBlueGain;
        default:
            return -1;
    }
}

// A label a preset table gives: a string number, a "色モード" number, or
// "Unsupported" / fall through to the default rule.
struct TableLabel {
    enum Kind { Default, String, Numbered, Unsupported } kind;
    int value = 0;
};

TableLabel tableLabel(int table, int kind) {
    using L = TableLabel;
    switch (table) {
        case 1:
            switch (kind) {
                case 1:
                    return {L::String, kStringPresetSrgb};
                case 2:
                    return {L::String, kStringPresetNative};
                case 11:
                    return {L::String, kStringPresetCustom};
                case 12:
                    return {L::String, kStringPresetVideo};
                default:
                    return {L::Unsupported};
            }
        case 2:
            switch (kind) {
                case 0:
                    return {L::String, kStringPresetNative};
                case 1:
                    return {L::String, kStringPresetSrgb};
                case 2:
                    return {L::String, kStringPresetVideo};
                case 3:
                    return {L::String, kStringPresetCustom};
                default:
                    return {L::Default};
            }
        case 3:
            if (kind == 2) {
                return {L::String, kStringPresetNative};
            }
            if (kind >= 4 && kind <= 8) {
                return {L::Numbered, 9 - kind};  // 4 -> 5 ... 8 -> 1
            }
            return {L::Unsupported};
        case 4:
        case 5:
            switch (kind) {
                case 1:
                    return {L::String, kStringPresetSrgb};
                case 2:
                    return {L::String, kStringPresetNative};
                case 4:
                    return {L::Numbered, table == 4 ? 4 : 5};
                case 6:
                    return {L::Numbered, 3};
                case 7:
                    return {L::Numbered, 2};
                case 8:
                    return {L::Numbered, 1};
                case 11:
                    return table == 4 ? L{L::String, kStringPresetCustom} : L{L::Unsupported};
                case 12:
                    return table == 4 ? L{L::String, kStringPresetVideo} : L{L::Unsupported};
                default:
                    return {L::Unsupported};
            }
        default:
            return {L::Default};
    }
}

}  // namespace

std::string ActiveMonitor::text(int id) const {
    return hooks_.loadString ? hooks_.loadString(id) : std::string();
}

std::string ActiveMonitor::numberedPreset(int number) const {
    char out[128];
    std::snprintf(out, sizeof out, text(kStringPresetNumbered).c_str(), number);
    return out;
}

bool ActiveMonitor::presetValuesFromCapabilities() const {
    return capabilitiesLoaded_ && capabilities_.getVcpValueCount(kPresetCode) > 0;
}

int ActiveMonitor::presetCount() {
    if (!open_) {
        return -1;
    }
    if (model().pictureMode) {
        return kPictureModePresets;
    }
    if (model().fourPreset) {
        return kFourPresets;
    }
    const ControlEntry& preset = controls_[kIndexPreset];
    return preset.supported ? preset.maximum + 1 : -1;
}

int ActiveMonitor::presetSwitchDelay() {
    return model().longSwitchDelay ? kLongSwitchDelayMs : kSwitchDelayMs;
}

int ActiveMonitor::buildPresetList() {
    if (presetValuesFromCapabilities()) {
        const std::span<const int32_t> values = capabilities_.getVcpValues(kPresetCode);
        for (size_t i = 0; i < values.size() && i < kPresetListPlaces; ++i) {
            presetList_[i] = values[i];
        }
        return 0;
    }
    const std::span<const int> table = presetTableList(model().presetTable);
    if (!table.empty()) {
        for (size_t i = 0; i < table.size(); ++i) {
            presetList_[i] = table[i];
        }
        return 0;
    }
    const int count = presetCount();
    const int first = model().presetsFromOne ? 1 : 0;
    for (int i = 0; i < count && i < kPresetListPlaces; ++i) {
        presetList_[i] = i + first;
    }
    return 0;
}

int ActiveMonitor::presetLabel(std::string& label, int kind) {
    if (!open_) {
        return -1;
    }
    if (presetValuesFromCapabilities()) {
        switch (kind) {
            case kPresetSrgb:
                label = text(kStringPresetSrgb);
                return 0;
            case kPresetNative:
                label = text(kStringPresetNative);
                return 0;
            case kPresetUser1:
                label = text(kStringPresetCustom);
                return 0;
            case kPresetUser2:
                label = text(kStringPresetVideo);
                return 0;
            default:
                break;
        }
        // Colour-temperature presets are numbered from the highest value down.
        const std::span<const int32_t> values = capabilities_.getVcpValues(kPresetCode);
        int count = 0;
        int position = 0;
        bool srgbListed = false;
        for (int32_t v : values) {
            srgbListed |= v == kPresetSrgb;
            if (v >= 3 && v <= 10) {
                ++count;
                if (v == kind && position == 0) {
                    position = count;
                }
            }
        }
        if (position > 0) {
            const int c = srgbListed && (kind == 3 || kind == 4) ? 2 : 1;
            label = numberedPreset(count + c - position);
            return 0;
        }
    }
    // Models that call one preset sRGB number the rest the default way.
    TableLabel fromTable{TableLabel::Default};
    if (model().srgbAt3Label || model().srgbAt4) {
        const int srgbKind = model().srgbAt3Label ? 3 : 4;
        if (kind == srgbKind) {
            fromTable = {TableLabel::String, kStringPresetSrgb};
        }
    } else {
        fromTable = tableLabel(model().presetTable, kind);
    }
    switch (fromTable.kind) {
        case TableLabel::String:
            label = text(fromTable.value);
            return 0;
        case TableLabel::Numbered:
            label = numberedPreset(fromTable.value);
            return 0;
        case TableLabel::Unsupported:
            label = "Unsupported";
            return 0;
        case TableLabel::Default:
            break;
    }
    label = numberedPreset(model().presetsFromOne ? kind : kind + 1);
    return 0;
}

int ActiveMonitor::currentPreset() {
    if (!open_) {
        return -1;
    }
    const ControlEntry& preset = controls_[kIndexPreset];
    return preset.supported ? preset.current : -2;
}

int ActiveMonitor::selectPreset(int value) {
    if (!open_) {
        return -1;
    }
    if (model().pictureMode) {
        if (switchPreset(kPictureModeCode, value + 1) != 0) {
            return -1;
        }
    } else if (!controls_[kIndexPreset].supported || switchPreset(kPresetCode, value) != 0) {
        return -1;
    }
    (void)reload(1, true);
    return 0;
}

int ActiveMonitor::switchPreset(int code, int value) {
    // Some models lose the old preset's adjustments unless they are stored
    // before the switch.
    if (model().saveBeforeSwitch) {
        (void)sendStore();
        sleepMs(kSaveBeforeSwitchWaitMs);
    }
    const int result = sendVcp(code, value);
    if (result != 0) {
        return result;
    }
    sleepMs(presetSwitchDelay());
    if (code == kPresetCode) {
        if (model().fourPreset) {
            (void)sendStore();
        }
        if (model().nudgeAfterSwitch) {
            int ignored = 0;
            (void)commandChannel_->vendorQuery(kVendorQueryNudge, ignored);
        }
    }
    return 0;
}

int ActiveMonitor::currentPresetPosition() {
    return presetPosition(currentPreset());
}

int ActiveMonitor::presetLabelAt(std::string& label, int position) {
    return presetLabel(label, presetAt(position));
}

int ActiveMonitor::selectPresetAt(int position) {
    return selectPreset(presetAt(position));
}

int ActiveMonitor::presetListSize() {
    if (model().pictureMode) {
        return kPictureModePresets;
    }
    if (model().fourPreset) {
        return kFourPresets;
    }
    int size = 0;
    for (int32_t place : presetList_) {
        size += place >= 0 ? 1 : 0;
    }
    return size;
}

int ActiveMonitor::presetAt(int position) {
    return position >= 0 && position < kPresetListPlaces ? presetList_[position] : 0;
}

int ActiveMonitor::presetPosition(int value) {
    if (!controls_[kIndexPreset].supported) {
        return -1;
    }
    for (int i = 0; i < kPresetListPlaces; ++i) {
        if (presetList_[i] == value) {
            return i;
        }
    }
    return -1;
}

int ActiveMonitor::presetsStartAtOne() {
    return open_ && model().presetsFromOne ? 1 : 0;
}

int ActiveMonitor::saveBeforePresetSwitch() {
    return open_ && model().saveBeforeSwitch ? 1 : 0;
}

int ActiveMonitor::nudgesAfterPresetSwitch() {
    return open_ && model().nudgeAfterSwitch ? 1 : 0;
}

int ActiveMonitor::hasFourPresets() {
    return open_ && model().fourPreset ? 1 : 0;
}

int ActiveMonitor::usesPictureModeCode() {
    return open_ && model().pictureMode ? 1 : 0;
}

int ActiveMonitor::isSrgbActive() {
    if (!open_) {
        return 0;
    }
    if (capabilitiesLoaded_ && capabilities_.hasVcpValues(kPresetCode)) {
        return currentPreset() == kPresetSrgb ? 1 : 0;
    }
    if (model().srgbAt3) {
        return currentPreset() == 3 ? 1 : 0;
    }
    if (model().srgbAt4) {
        return currentPreset() == 4 ? 1 : 0;
    }
    return 0;
}

int ActiveMonitor::isNativeActive() {
    return open_ && capabilitiesLoaded_ && capabilities_.hasVcpValues(kPresetCode) &&
                   currentPreset() == kPresetNative
               ? 1
               : 0;
}

// --- gains ---

int ActiveMonitor::allGainsSupported() {
    return open_ && controls_[kIndexRedGain].supported && controls_[kIndexGreenGain].supported &&
                   controls_[kIndexBlueGain].supported
               ? 1
               : 0;
}

int ActiveMonitor::gainMaximum(int colour) {
    if (!open_ || isSrgbActive() || isNativeActive()) {
        return 0;
    }
    const int index = gainIndex(colour);
    return index < 0 ? -1 : controls_[index].maximum;
}

int ActiveMonitor::gainMinimum(int colour) {
    return !open_ || gainIndex(colour) >= 0 ? 0 : -1;
}

int ActiveMonitor::setGain(int colour, int value) {
    if (!open_) {
        return -1;
    }
    if (isSrgbActive() || isNativeActive()) {
        return 0;  // the monitor fixes its gains in sRGB and in its native preset
    }
    const int index = gainIndex(colour);
    if (index < 0) {
        return -3;
    }
    return writeEntry(controls_[index], value);
}

int ActiveMonitor::gain(int colour) {
    if (!open_) {
        return -1;
    }
    const int index = gainIndex(colour);
    return index < 0 ? -1 : controls_[index].current;
}

int ActiveMonitor::gainPermille(int colour) {
    if (!open_) {
        return 0;
    }
    if (gainIndex(colour) < 0) {
        return -1;
    }
    const int low = gainMinimum(colour);
    const int high = gainMaximum(colour);
    if (low == high) {
        return 0;
    }
    return (gain(colour) - low) * 1000 / (high - low);
}

// --- colour temperature ---

int ActiveMonitor::colourTemperatureIndex() const {
    return capabilities_.supportsVcp(kColourTemperatureRequestCode) ? kIndexColourTemperatureRequest
                                                                    : kIndexTableColourTemperature;
}

int ActiveMonitor::colourTemperatureBase() {
    if (capabilitiesLoaded_ && capabilities_.supportsVcp(kColourTemperatureRequestCode)) {
        return 3000;
    }
    if (capabilitiesLoaded_ && capabilities_.colourTempOffset > 0) {
        return capabilities_.colourTempOffset;
    }
    return 5000;
}

int ActiveMonitor::colourTemperatureStep() {
    if (capabilitiesLoaded_ && capabilities_.supportsVcp(kColourTemperatureStepCode) &&
        controls_[kIndexColourTemperatureStep].current >= 0) {
        return controls_[kIndexColourTemperatureStep].current;
    }
    const int m = maximum(kFeatureTableColourTemperature);
    if (m >= 40 && m <= 49) {
        return 100;
    }
    if (m >= 50 && m <= 99) {
        return 50;
    }
    if (m >= 100 && m <= 199) {
        return 25;
    }
    return m == 255 ? 18 : -1;
}

int ActiveMonitor::colourTemperatureMaximum() {
    if (!open_) {
        return -1;
    }
    const ControlEntry& entry = controls_[colourTemperatureIndex()];
    return entry.supported ? entry.maximum : 0;
}

int ActiveMonitor::colourTemperature() {
    return open_ ? controls_[colourTemperatureIndex()].current : -1;
}

int ActiveMonitor::setColourTemperature(int value) {
    if (!open_) {
        return -1;
    }
    return writeEntry(controls_[colourTemperatureIndex()], value);
}

int ActiveMonitor::isColourTemperatureModified() {
    return controls_[colourTemperatureIndex()].modified;
}

int ActiveMonitor::isColourTemperatureChanged() {
    const ControlEntry& entry = controls_[colourTemperatureIndex()];
    return open_ && entry.modified == 1 && entry.baselineValid && entry.baseline != entry.current
               ? 1
               : 0;
}

int ActiveMonitor::restoreColourTemperature() {
    ControlEntry& entry = controls_[colourTemperatureIndex()];
    if (!open_ || !entry.baselineValid) {
        return -1;
    }
    return writeEntry(entry, entry.baseline);
}

// --- availability of the colour controls ---

// Without capabilities, the models with their own preset tables allow the
// colour controls only in some presets; other models have none.
int ActiveMonitor::modelPresetAvailability() {
    const int p = currentPreset();
    switch (model().presetTable) {
        case 4:
        case 5:
            return p == 4 || p == 6 || p == 7 || p == 8 ? 2 : 1;
        case 3:
            return p >= 4 && p <= 8 ? 2 : 1;
        case 2:
            return p == 3 ? 2 : 1;
        case 1:
            return p == 11 ? 2 : 1;
        default:
            return 0;
    }
}

// With capabilities: a colour control is usable only in a colour-temperature
// or user preset (or, on models following their capabilities, when the
// monitor answers for it).
int ActiveMonitor::capabilityColourAvailability(int code, int index) {
    if (!capabilities_.supportsVcp(code)) {
        return 0;
    }
    bool locked;
    if (followsCapabilities()) {
        locked = !controls_[index].supported;
    } else {
        const int p = currentPreset();
        locked = (p < 3 || p > 11) && p != -2;
    }
    return locked ? 1 : 2;
}

int ActiveMonitor::colourTemperatureAvailability() {
    if (!capabilitiesLoaded_) {
        return modelPresetAvailability();
    }
    if (capabilities_.supportsVcp(kColourTemperatureRequestCode)) {
        return controls_[kIndexColourTemperatureRequest].supported ? 2 : 1;
    }
    if (!capabilities_.supportsVcp(kTableColourTemperatureCode)) {
        return 0;
    }
    if (model().wait300ms && isSrgbActive()) {
        return 1;
    }
    return capabilityColourAvailability(kTableColourTemperatureCode, kIndexTableColourTemperature);
}

int ActiveMonitor::hueAvailability() {
    return capabilitiesLoaded_ ? capabilityColourAvailability(kHueCode, kIndexRedHue)
                               : modelPresetAvailability();
}

int ActiveMonitor::saturationAvailability() {
    return capabilitiesLoaded_ ? capabilityColourAvailability(kSaturationCode, kIndexSaturation)
                               : modelPresetAvailability();
}

int ActiveMonitor::gainAvailability() {
    const int a = controlAvailability(kIndexRedGain);
    if (a == 0) {
        return 0;
    }
    if (followsCapabilities()) {
        return a;
    }
    return isSrgbActive() ? 1 : 2;
}

int ActiveMonitor::blackLevelAvailability() {
    if (model().excludedBlackLevel) {
        return 0;
    }
    const int a = controlAvailability(kIndexRedBlackLevel);
    if (a == 0) {
        return 0;
    }
    if (followsCapabilities()) {
        const bool windowMode = windowModeAvailability() == 2 && value(kFeatureWindowMode) >= 1;
        return isSrgbActive() || windowMode ? 1 : a;
    }
    return isSrgbActive() ? 1 : 2;
}

int ActiveMonitor::canResetColour() {
    if (!open_) {
        return 0;
    }
    const bool colourResetSupported = controls_[kIndexColourReset].supported != 0;
    if (capabilitiesLoaded_) {
        if (!capabilities_.supportsVcp(kColourResetCode)) {
            return 0;
        }
        if (followsCapabilities()) {
            return colourResetSupported ? 1 : 0;
        }
    }
    return colourResetSupported && !isSrgbActive() ? 1 : 0;
}
