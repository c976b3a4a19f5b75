// Opening and closing, identity, capabilities, timing report, status byte,
// driver name and the per-model questions of the monitor as a whole.
#include <cstring>
#include <string_view>

#include "decode/edid.h"
#include "link/clock.h"
#include "link/display_interface.h"
#include "monitor/active_monitor.h"

namespace {

constexpr int kCapabilitiesWaitMs = 150;  // before asking an unlisted model for its capabilities

// Copies a zero-terminated text into a fixed field, cut to fit.
template <size_t N>
void copyText(char (&field)[N], const char* text) {
    const size_t length = strnlen(text, N - 1);
    std::memcpy(field, text, length);
    field[length] = '\0';
}

}  // namespace

const char kReplacementCapabilities[] =
    "( mccs_ver(1.1) type(CRT_AG) vcp(00 01 04 06 08 10 12 14(04 05 06 07 08) 16 18 1A 1E 20 22 "
    "24 26 28 30 32 38 3A 3C 40 42 44 46 47 48 4A 4C 54 56 68 6C 6E 70 B0 E1 E2 E3 E6 E8 E9 EA EB "
    "EF F6 F9 FA FC FF) vcp_p02(3B 3C 42 43 44 46 49 4A 4B 4C 4D 4E 4F 56 66 67) cmds_c2(03(D6)) "
    "asset_eep(40) mpu_ver(3.0.0) (fake))";

ActiveMonitor::ActiveMonitor(int interfaceIndex)
    : commandChannel_(std::make_unique<MonitorCommandSet>(interfaceIndex, kTransferParameter,
                                                          kInterfaceSelector)),
      identityPointer_(&identity_),
      interfaceIndex_(interfaceIndex),
      model_(&findModel(0)) {
    capabilitiesLoaded_ = 0;
    clearControls();
}

ActiveMonitor::~ActiveMonitor() = default;

int ActiveMonitor::isOpen() {
    return open_;
}

const MonitorIdentity* ActiveMonitor::identity() {
    return open_ ? identityPointer_ : nullptr;
}

bool ActiveMonitor::aborted() const {
    return hooks_.abortFlag && hooks_.abortFlag->load(std::memory_order_relaxed) != 0;
}

void ActiveMonitor::setIdentityModel() {
    model_ = &findModel(identity_.monitorId);
}

void ActiveMonitor::clearIdentity() {
    identity_.vendorLetters[0] = '\0';
    identity_.productCodeText[0] = '\0';
    identity_.monitorId = 0;
    setIdentityModel();
}

int ActiveMonitor::openMonitor(int interfaceIndex, bool fullLoad) {
    // Every open starts from closed with an empty table, so a failed open
    // leaves nothing of the monitor before to restore or store.
    clearControls();
    capabilitiesLoaded_ = 0;
    // A listed model must never see the capability list of the monitor
    // opened before it.
    capabilities_.clear();
    interfaceIndex_ = interfaceIndex;
    if (interfaceIndex < 0) {
        clearIdentity();
        return 0;
    }
    commandChannel_ =
        std::make_unique<MonitorCommandSet>(interfaceIndex, kTransferParameter, kInterfaceSelector);
    commandChannel_->adoptLibraryTiming();
    if (commandChannel_->probe() != 0) {
        return 0;
    }
    if (readIdentity() != 0 || !fullLoad) {
        return 0;
    }
    if (isUnlistedModel()) {
        sleepMs(kCapabilitiesWaitMs);
        if (loadCapabilities() == 0) {
            capabilitiesLoaded_ = 1;
        }
    }
    if (readAllControls() == 1) {
        open_ = 1;
        (void)readTimingReport();
        (void)readStatusByte();
        buildPresetList();
    }
    return 0;
}

int ActiveMonitor::readIdentity() {
    clearIdentity();
    identity_.serialText[0] = '\0';
    identity_.modelName[0] = '\0';
    identity_.weekOfManufacture = 0;
    identity_.yearOfManufacture = 0;
    identity_.minHorizontalRate = 0;
    identity_.minVerticalRate = 0;
    identity_.maxHorizontalRate = 0;
    identity_.maxVerticalRate = 0;
    digitalInput_ = 0;

    // Zeroed: a read the library calls done but that fills nothing must fail
    // the header check, never pass the last interface's EDID as this one's.
    uint8_t buffer[kEdidSize] = {};
    const int result = commandChannel_->readEdid(buffer);
    if (result < 0) {
        return result;
    }
    const EdidBytes edid(buffer, kEdidSize);
    copyText(identity_.vendorLetters, vendorLetters(edidVendorWord(edid)).data());
    copyText(identity_.productCodeText, productCodeText(edidProductCode(edid)).data());
    identity_.monitorId = edidMonitorId(edid);
    setIdentityModel();

    EdidInfo info{};
    if (decodeEdid(edid, info) == 0) {
        identity_.weekOfManufacture = info.manufactureWeek;
        identity_.yearOfManufacture = info.manufactureYear;
        digitalInput_ = info.digitalInput ? 1 : 0;
        identity_.minHorizontalRate = info.rangeLimits.minHorizontal;
        identity_.minVerticalRate = info.rangeLimits.minVertical;
        identity_.maxHorizontalRate = info.rangeLimits.maxHorizontal;
        identity_.maxVerticalRate = info.rangeLimits.maxVertical;
        // The serial field holds 19 characters; longer serial texts are cut.
        copyText(identity_.serialText, info.serialText);
        copyText(identity_.modelName, info.modelName);
    }
    return result;
}

int ActiveMonitor::loadCapabilities() {
    char buffer[kCapabilitiesBufferSize];
    const int length = commandChannel_->readCapabilities(buffer, sizeof buffer);
    if (length < 0) {
        return length;
    }
    int result = capabilities_.parseCapabilities(std::string_view(buffer, length));
    if (result != 0) {
        return result;
    }
    if (model().replacementCapabilities && std::strcmp(capabilities_.mpuVersion, "3.0.0") == 0) {
        result = capabilities_.parseCapabilities(kReplacementCapabilities);
    }
    return result;
}

int ActiveMonitor::readTimingReport() {
    uint8_t status = 0;
    float horizontal = 0;
    float vertical = 0;
    if (commandChannel_->getTimingReport(status, horizontal, vertical) != 0) {
        identity_.horizontalFrequency = 0;
        identity_.verticalFrequency = 0;
        return -1;
    }
    identity_.horizontalFrequency = horizontal;
    identity_.verticalFrequency = vertical;
    timingFlags_[0] = status & 0x80;  // sync out of range
    timingFlags_[1] = status & 0x40;  // unstable count
    timingFlags_[2] = status & 0x02;  // horizontal sync polarity positive
    timingFlags_[3] = status & 0x01;  // vertical sync polarity positive
    return 0;
}

int ActiveMonitor::readStatusByte() {
    int value = 0;
    if (commandChannel_->vendorQuery(kVendorQueryStatus, value) != 0) {
        statusByte_ = -1;
        return -1;
    }
    statusByte_ = value;
    return 0;
}

int ActiveMonitor::driverName(std::string& text) {
    DisplayInterfaceInfo info{};
    info.size = kDisplayInterfaceInfoSize;
    if (GetDisplayInterfaceInfo(interfaceIndex_, &info) == 0) {
        text.assign(info.driverName, strnlen(info.driverName, sizeof info.driverName));
    } else {
        text = "VESKOL";
    }
    return 0;
}

int ActiveMonitor::displayTechnology() {
    if (capabilitiesLoaded_ &&
        (capabilities_.displayType == kDisplayCrt || capabilities_.displayType == kDisplayLcd)) {
        return capabilities_.displayType;
    }
    return model().technology != 0 ? model().technology : -1;
}

int ActiveMonitor::hasGeometry() {
    if (capabilitiesLoaded_) {
        return capabilities_.displayType != kDisplayLcd ? 1 : 0;
    }
    return model().technology == 2 ? 0 : 1;
}

int ActiveMonitor::isUnlistedModel() {
    return model().known ? 0 : 1;
}

int ActiveMonitor::followsCapabilities() {
    return model().capabilityExempt ? 0 : isUnlistedModel();
}
