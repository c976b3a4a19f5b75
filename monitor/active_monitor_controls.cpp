// The control table's operations: the full read, refreshes and reloads,
// writes with their per-model rules, values, restore and commit, and the
// availability of single controls.
#include "link/clock.h"
#include "monitor/active_monitor.h"

namespace {

constexpr int kMaxReadFailures = 20;   // more than this and the full read gives up
constexpr int kGainWriteWaitMs = 300;  // models that need time after a gain write
// Reads that failed one after another in a reload before the monitor is
// taken as gone.
constexpr int kGoneAfterFailures = 3;

// The colour entries a colour-only reload refreshes, in order (the preset
// first, always without a new baseline).
constexpr int kColourReloadOrder[] = {7,  6,  51, 53, 8,  9,  10, 2,  30, 31,
                                      32, 58, 59, 60, 61, 62, 63, 42, 71};

// Codes whose value a colour refresh may read even when the entry is not
// marked supported.
bool isColourCode(int code) {
    switch (code) {
        case 0x0C:
        case 0x10:
        case 0x12:
        case 0x14:
        case 0x16:
        case 0x18:
        case 0x1A:
        case 0x54:
        case 0x6C:
        case 0x6E:
        case 0x70:
        case 0x8A:
        case 0xF9:
            return true;
        default:
            return code >= 0x99 && code <= 0xA0;
    }
}

bool needsGainWait(int code) {
    return code == 0x16 || code == 0x18 || code == 0x1A || code == 0x54;
}

}  // namespace

int ActiveMonitor::controlToFeature(int index) {
    return controlFeature(index);
}

int ActiveMonitor::featureToControl(int feature) {
    return featureControl(feature);
}

int ActiveMonitor::isActionCode(int code) {
    return isActionVcpCode(code) ? 1 : 0;
}

int ActiveMonitor::writeVcp(int code, int value) {
    return sendVcp(code, value) != 0 ? -1 : 0;
}

int ActiveMonitor::sendVcp(int code, int value) {
    code &= 0xFFFF;
    const int result = commandChannel_->setVcp(code, value & 0xFFFF);
    if (result != 0) {
        return result;
    }
    if (model().wait300ms && needsGainWait(code)) {
        sleepMs(kGainWriteWaitMs);
    }
    if (savesAfterEachWrite() && hooks_.armDeferredSave) {
        hooks_.armDeferredSave();
    }
    return 0;
}

int ActiveMonitor::pulseVcp(int code) {
    (void)commandChannel_->setVcp(code & 0xFFFF, 1);
    return -1;
}

int ActiveMonitor::value(int feature) {
    if (!open_) {
        return -1;
    }
    const int index = featureToControl(feature);
    if (index < 0) {
        return -2;
    }
    const ControlEntry& entry = controls_[index];
    return isInverted(feature) ? entry.maximum - entry.current : entry.current;
}

int ActiveMonitor::maximum(int feature) {
    if (!open_) {
        return -1;
    }
    const int index = featureToControl(feature);
    return index < 0 ? -2 : controls_[index].maximum;
}

int ActiveMonitor::minimum(int feature) {
    if (!open_) {
        return -1;
    }
    return featureToControl(feature) < 0 ? -2 : 0;
}

int ActiveMonitor::complementValue(int feature) {
    return maximum(feature) + minimum(feature) - value(feature);
}

int ActiveMonitor::permille(int feature) {
    if (!open_) {
        return -1;
    }
    const int low = minimum(feature);
    const int high = maximum(feature);
    if (high == low) {
        return 0;
    }
    return (value(feature) - low) * 1000 / (high - low);
}

int ActiveMonitor::findEntry(int feature, ControlEntry*& entry) {
    if (!open_) {
        return -1;
    }
    const int index = featureToControl(feature);
    // A place without a bus code is no control: nothing to write or undo.
    if (index < 0 || controls_[index].vcpCode == kNoVcpCode) {
        return -2;
    }
    entry = &controls_[index];
    return 0;
}

int ActiveMonitor::writeEntry(ControlEntry& entry, int value) {
    if (writeVcp(entry.vcpCode, value) != 0) {
        return -1;
    }
    entry.current = value;
    entry.modified = 1;
    return 0;
}

int ActiveMonitor::setValue(int feature, int value) {
    ControlEntry* entry = nullptr;
    if (const int missing = findEntry(feature, entry); missing != 0) {
        return missing;
    }
    return writeEntry(*entry, isInverted(feature) ? entry->maximum - value : value);
}

int ActiveMonitor::restoreFeature(int feature) {
    ControlEntry* entry = nullptr;
    if (const int missing = findEntry(feature, entry); missing != 0) {
        return missing;
    }
    if (!entry->baselineValid) {
        return -1;  // never read: there is no value to go back to
    }
    return writeEntry(*entry, entry->baseline);
}

int ActiveMonitor::isFeatureChanged(int feature) {
    ControlEntry* entry = nullptr;
    if (const int missing = findEntry(feature, entry); missing != 0) {
        return missing;
    }
    // Only a change that can be undone counts.
    return entry->modified == 1 && entry->baselineValid && entry->baseline != entry->current ? 1
                                                                                             : 0;
}

int ActiveMonitor::isModified(int feature) {
    const int index = featureToControl(feature);
    return index < 0 ? -2 : controls_[index].modified;
}

int ActiveMonitor::clearControls() {
    for (int index = 0; index < kControlCount; ++index) {
        controls_[index] = ControlEntry{};
    }
    for (int32_t& place : presetList_) {
        place = -1;
    }
    factoryResetAvailable_ = 0;
    anyValueRead_ = 0;
    degaussAvailable_ = 0;
    geometryResetAvailable_ = 0;
    autoSetupAvailable_ = 0;
    autoGeometryAvailable_ = 0;
    degaussEndsAtMs_ = 0;
    rebasedSinceStore_ = false;
    open_ = 0;
    for (int index = 0; index < kControlCount; ++index) {
        controls_[index].vcpCode = controlVcpCode(index);
        controls_[index].supported = 0;
    }
    return 0;
}

ActiveMonitor::ReadOutcome ActiveMonitor::readControl(int code, int& current, int& maximum,
                                                      int* linkResult) {
    uint8_t resultCode = 0;
    uint8_t typeCode = 0;
    const int result = commandChannel_->getVcp(code, current, maximum, resultCode, typeCode);
    if (linkResult) {
        *linkResult = result;
    }
    if (result != 0) {
        return ReadOutcome::Failed;
    }
    if (resultCode != 0) {
        return ReadOutcome::Unsupported;
    }
    return maximum > 0 ? ReadOutcome::Good : ReadOutcome::NoValue;
}

int ActiveMonitor::readAllControls() {
    clearControls();
    bool valueRead = false;
    int failures = 0;
    readFailures_ = 0;
    for (int index = 1; index < kControlCount; ++index) {
        if (failures > kMaxReadFailures) {
            return 0;
        }
        ControlEntry& entry = controls_[index];
        if (entry.vcpCode == kNoVcpCode) {
            continue;
        }
        const int supported = isCodeSupported(entry.vcpCode);
        if (supported == 0) {
            continue;
        }
        const bool action = isActionCode(entry.vcpCode) != 0;
        if (action && supported > 0) {
            entry.supported = 1;
            entry.baselineValid = 1;
            entry.current = 0;
            continue;
        }
        if (aborted()) {
            return 0;
        }
        int current = 0;
        int maximum = 0;
        switch (readControl(entry.vcpCode, current, maximum)) {
            case ReadOutcome::Good:
                entry.maximum = maximum;
                entry.current = current;
                entry.baseline = current;
                entry.supported = 1;
                entry.baselineValid = 1;
                entry.modified = 0;
                valueRead = true;
                break;
            case ReadOutcome::NoValue:
                if (action) {  // the monitor knows the action but has no value for it
                    entry.supported = 1;
                    entry.baselineValid = 1;
                    entry.current = 0;
                }
                break;
            case ReadOutcome::Unsupported:  // never offer what the monitor refuses
                break;
            case ReadOutcome::Failed:
                ++failures;
                readFailures_ = failures;
                break;
        }
    }
    // A monitor opened in its locked preset is locked from the start; only a
    // switch may unlock the controls.
    if (inLockedFourPreset()) {
        applyFourPresetRule();
    }
    factoryResetAvailable_ = controls_[kIndexFactoryReset].supported == 1;
    degaussAvailable_ = controls_[kIndexDegauss].supported == 1;
    geometryResetAvailable_ = controls_[kIndexGeometryReset].supported == 1;
    autoSetupAvailable_ = controls_[kIndexAutoSetup].supported == 1;
    autoGeometryAvailable_ = controls_[kIndexAutoGeometry].supported == 1;
    if (valueRead) {
        anyValueRead_ = 1;
    }
    return valueRead ? 1 : 0;
}

bool ActiveMonitor::inLockedFourPreset() const {
    return model().fourPreset && controls_[kIndexPreset].current == kLockedFourPreset;
}

bool ActiveMonitor::lockedByFourPreset(int index) {
    return (index >= kIndexBrightness && index <= kIndexBlueGain) ||
           index == kIndexTableColourTemperature;
}

void ActiveMonitor::applyFourPresetRule() {
    if (!model().fourPreset) {
        return;
    }
    const bool locked = inLockedFourPreset();
    for (int index = kIndexBrightness; index <= kIndexBlueGain; ++index) {
        controls_[index].supported = locked ? 0 : 1;
    }
    // The colour temperature is locked there too but not unlocked by
    // leaving: its entry keeps what its own read found.
    if (locked) {
        controls_[kIndexTableColourTemperature].supported = 0;
    }
}

int ActiveMonitor::refreshControl(int index, bool newBaseline) {
    RefreshRead read = RefreshRead::NotTried;
    return refreshEntry(index, newBaseline, read);
}

int ActiveMonitor::refreshEntry(int index, bool newBaseline, RefreshRead& read) {
    read = RefreshRead::NotTried;
    if (aborted() || index < 0 || index >= kControlCount) {
        return 0;
    }
    ControlEntry& entry = controls_[index];
    int readable = isColourCodeReadable(entry.vcpCode);
    if (inLockedFourPreset()) {
        readable = 0;
    }
    applyFourPresetRule();
    if ((!entry.supported && readable == 0) || entry.vcpCode == kNoVcpCode) {
        return 0;
    }
    const int oldCurrent = entry.current;
    const int oldSupported = entry.supported;
    if (isActionCode(entry.vcpCode) && isCodeSupported(entry.vcpCode) > 0) {
        entry.supported = 1;
        entry.current = 0;
        return 0;
    }
    int result = 0;
    int current = 0;
    int maximum = 0;
    const ReadOutcome outcome = readControl(entry.vcpCode, current, maximum);
    read = outcome == ReadOutcome::Failed ? RefreshRead::Failed : RefreshRead::Answered;
    if (outcome == ReadOutcome::Good) {
        entry.maximum = maximum;
        entry.supported = 1;
        entry.current = current;
        if (newBaseline) {
            rebasedSinceStore_ = rebasedSinceStore_ || entry.modified == 1;
            entry.modified = 0;
            entry.baseline = current;
            entry.baselineValid = 1;
        } else if (current != oldCurrent) {
            result = 1;
            entry.baseline = oldCurrent;
            entry.baselineValid = oldSupported;
            entry.modified = 1;
        }
    } else {
        entry.maximum = 0;
        entry.supported = 0;
    }
    return result;
}

int ActiveMonitor::reload(int colourOnly, bool newBaseline) {
    if (!open_) {
        return -1;
    }
    int changed = 0;
    int failedInARow = 0;
    // A monitor unplugged while open fails every read, each only after all
    // its attempts: after a few failures in a row the rest is not tried.
    auto refresh = [&](int index, bool baseline) {
        if (failedInARow >= kGoneAfterFailures) {
            controls_[index].supported = 0;
            controls_[index].maximum = 0;
            return;
        }
        RefreshRead read = RefreshRead::NotTried;
        changed |= refreshEntry(index, baseline, read);
        if (read != RefreshRead::NotTried) {
            failedInARow = read == RefreshRead::Failed ? failedInARow + 1 : 0;
        }
    };
    if (colourOnly == 1) {
        refresh(kIndexPreset, false);
        for (int index : kColourReloadOrder) {
            refresh(index, newBaseline);
        }
    } else {
        (void)readTimingReport();
        (void)readStatusByte();
        for (int index = 1; index < kControlCount; ++index) {
            refresh(index, newBaseline);
        }
    }
    if (failedInARow >= kGoneAfterFailures) {
        open_ = 0;  // gone: the pages show it as a monitor that did not open
        return -1;
    }
    return changed ? 1 : 0;
}

int ActiveMonitor::rereadColours() {
    if (!open_) {
        return -1;
    }
    auto reread = [this](int index) {
        const ControlEntry kept = controls_[index];
        (void)refreshControl(index, false);
        controls_[index].baseline = kept.baseline;
        controls_[index].baselineValid = kept.baselineValid;
        controls_[index].modified = kept.modified;
    };
    reread(kIndexPreset);
    for (int index : kColourReloadOrder) {
        reread(index);
    }
    return 0;
}

int ActiveMonitor::selectWindowMode(int mode) {
    ControlEntry* entry = nullptr;
    if (findEntry(kFeatureWindowMode, entry) != 0 || setValue(kFeatureWindowMode, mode) != 0) {
        return -1;
    }
    const ControlEntry written = *entry;
    (void)reload(1, true);
    entry->baseline = written.baseline;
    entry->baselineValid = written.baselineValid;
    entry->modified = 1;
    return 0;
}

int ActiveMonitor::restoreAll() {
    if (anyModified()) {
        waitForDegaussToEnd();
    }
    for (int index = 1; index < kControlCount; ++index) {
        ControlEntry& entry = controls_[index];
        if (isActionCode(entry.vcpCode) || !entry.modified || !entry.baselineValid) {
            continue;
        }
        if (writeVcp(entry.vcpCode, entry.baseline) == 0) {
            entry.modified = 0;
            entry.current = entry.baseline;
        }
    }
    return 0;
}

int ActiveMonitor::commitAll() {
    for (int index = 1; index < kControlCount; ++index) {
        controls_[index].modified = 0;
        controls_[index].baseline = controls_[index].current;
    }
    return 0;
}

int ActiveMonitor::anyModified() {
    for (int index = 1; index < kControlCount; ++index) {
        const ControlEntry& entry = controls_[index];
        if (!isActionCode(entry.vcpCode) && entry.modified == 1) {
            return 1;
        }
    }
    return 0;
}

int ActiveMonitor::hasUnstoredChanges() {
    return open_ && (rebasedSinceStore_ || anyModified()) ? 1 : 0;
}

int ActiveMonitor::isCodeSupported(int code) {
    if (capabilitiesLoaded_) {
        return capabilities_.supportsVcp(code) ? 1 : 0;
    }
    const int codeTemplate = model().codeTemplate;
    if (codeTemplate == 0) {
        return -1;
    }
    return codeTemplateContains(codeTemplate, code, digitalInput_ != 0) ? 1 : 0;
}

int ActiveMonitor::isColourCodeReadable(int code) {
    return isColourCode(code) && isCodeSupported(code) != 0 ? 1 : 0;
}

int ActiveMonitor::controlAvailability(int index) {
    if (!open_ || index < 0 || index >= kControlCount) {
        return 0;
    }
    const int supported = isCodeSupported(controls_[index].vcpCode);
    if (supported == 0) {
        return 0;
    }
    if (controls_[index].supported) {
        return 2;
    }
    return supported == 1 ? 1 : 0;
}

int ActiveMonitor::featureAvailability(int feature) {
    const int index = featureToControl(feature);
    return index < 0 ? 0 : controlAvailability(index);
}

int ActiveMonitor::brightnessAvailability() {
    return controlAvailability(kIndexBrightness);
}

int ActiveMonitor::contrastAvailability() {
    return controlAvailability(kIndexContrast);
}

int ActiveMonitor::windowModeAvailability() {
    return controlAvailability(kIndexWindowMode);
}

int ActiveMonitor::isInverted(int feature) {
    const bool blackLevel = feature >= kFeatureGreenBlackLevel && feature <= kFeatureRedBlackLevel;
    return blackLevel && model().invertedBlackLevel ? 1 : 0;
}

int ActiveMonitor::savesAfterEachWrite() {
    return open_ && model().fourPreset ? 1 : 0;
}
