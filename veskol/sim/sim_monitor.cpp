#include "veskol/sim/sim_monitor.h"

#include <algorithm>
#include <cstring>

#include "link/clock.h"

namespace veskol {
namespace {

constexpr uint8_t kMessageAddress = 0x6E;
constexpr uint8_t kReplyAddress = 0x6F;
constexpr uint8_t kEdidWriteAddress = 0xA0;
constexpr uint8_t kEdidReadAddress = 0xA1;
constexpr uint8_t kHostSource = 0x51;
constexpr uint8_t kReplySeed = 0x50;
constexpr int kFragmentText = 32;

constexpr int kActionDegauss = 0x00;
constexpr int kActionFactoryReset = 0x04;
constexpr int kActionGeometryReset = 0x06;
constexpr int kActionColourReset = 0x08;
constexpr int kActionAutoSetup = 0x1E;
constexpr int kActionAutoGeometry = 0xB1;
constexpr int kVendorSaveFirst = 0x06;
constexpr int kVendorSaveSecond = 0x05;

const std::vector<int> kGeometryCodes = {0x20, 0x22, 0x24, 0x26, 0x28, 0x30, 0x32, 0x38, 0x3A,
                                         0x3C, 0x40, 0x42, 0x44, 0x46, 0x48, 0x4A, 0x4C, 0x56,
                                         0x58, 0xE4, 0xE5, 0xE6, 0xE8, 0xE9, 0xEA, 0xEB};
const std::vector<int> kColourCodes = {0x0B, 0x0C, 0x14, 0x16, 0x18, 0x1A, 0x54, 0x6C, 0x6E,
                                       0x70, 0x8A, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F, 0xA0};
// What the automatic adjustments touch: position and size for auto setup,
// the distortion controls for automatic geometry.
const std::vector<int> kAutoSetupCodes = {0x20, 0x22, 0x30, 0x32};
const std::vector<int> kAutoGeometryCodes = {0x24, 0x26, 0x40, 0x42, 0x44};

bool isActionCode(int code) {
    return code == kActionDegauss || code == kActionFactoryReset || code == kActionGeometryReset ||
           code == kActionColourReset || code == kActionAutoSetup || code == kActionAutoGeometry;
}

uint8_t hi(int value) {
    return static_cast<uint8_t>((value >> 8) & 0xFF);
}
uint8_t lo(int value) {
    return static_cast<uint8_t>(value & 0xFF);
}

}  // namespace

SimMonitor::SimMonitor(const MonitorProfile& profile)
    : profile_(profile), edid_(buildEdid(profile.edid)) {
    for (const VcpDef& def : profile.vcps) {
        controls_[def.code] = Control{def.maximum, def.value, def.value, def.type, def.unsupported};
    }
}

void SimMonitor::applySaved(const std::map<int, int>& saved) {
    for (const auto& [code, value] : saved) {
        auto it = controls_.find(code);
        if (it != controls_.end()) {
            it->second.value = value;
            store_[code] = value;
        }
    }
}

bool SimMonitor::value(int code, int& out) const {
    auto it = controls_.find(code);
    if (it == controls_.end()) {
        return false;
    }
    out = it->second.value;
    return true;
}

bool SimMonitor::maximum(int code, int& out) const {
    auto it = controls_.find(code);
    if (it == controls_.end()) {
        return false;
    }
    out = it->second.maximum;
    return true;
}

bool SimMonitor::setValue(int code, int value) {
    auto it = controls_.find(code);
    if (it == controls_.end()) {
        return false;
    }
    it->second.value = std::clamp(value, 0, it->second.maximum);
    return true;
}

bool SimMonitor::setMaximum(int code, int maximum) {
    auto it = controls_.find(code);
    if (it == controls_.end() || maximum < 0 || maximum > 0xFFFF) {
        return false;
    }
    it->second.maximum = maximum;
    it->second.value = std::min(it->second.value, maximum);
    return true;
}

bool SimMonitor::savedValue(int code, int& out) const {
    auto it = store_.find(code);
    if (it == store_.end()) {
        return false;
    }
    out = it->second;
    return true;
}

int SimMonitor::requestCount(uint8_t opcode) const {
    auto it = requestCounts_.find(opcode);
    return it == requestCounts_.end() ? 0 : it->second;
}

bool SimMonitor::busy() const {
    return nowMs() < busyUntilMs_;
}

int SimMonitor::write(uint8_t address, const uint8_t* data, int length) {
    if (address == kEdidWriteAddress) {
        if (length >= 1) {
            edidOffset_ = data[0];
        }
        return 0;
    }
    if (address != kMessageAddress) {
        return kLibNoAcknowledge;
    }
    if (busy()) {
        return kLibNoAcknowledge;  // still degaussing or adjusting
    }
    // A frame that fails any check is dropped, as a monitor would.
    hasPendingReply_ = false;
    if (length < 3 || data[0] != kHostSource || (data[1] & 0x80) == 0) {
        return 0;
    }
    const int payloadLength = data[1] & 0x7F;
    if (length != payloadLength + 3) {
        return 0;
    }
    uint8_t sum = kMessageAddress;
    for (int i = 0; i < length; ++i) {
        sum ^= data[i];
    }
    if (sum != 0 || payloadLength == 0) {
        return 0;
    }
    requestAtMs_ = nowMs();
    handleRequest(data + 2, payloadLength);
    return 0;
}

int SimMonitor::read(uint8_t address, uint8_t* buffer, int length) {
    if (address == kEdidReadAddress) {
        for (int i = 0; i < length; ++i) {
            buffer[i] = edid_[edidOffset_++];
        }
        return 0;
    }
    if (address != kReplyAddress) {
        return kLibNoAcknowledge;
    }
    // A null message unless a reply is ready: not while busy, not too soon
    // after the request, not while a paged set is still being carried out.
    std::vector<uint8_t> frame = {kMessageAddress, 0x80};
    const bool early = nowMs() - requestAtMs_ < kReplyReadyMs;
    if (hasPendingReply_ && !busy() && !early) {
        if (pendingBusyReads_ > 0) {
            --pendingBusyReads_;
        } else {
            frame[1] = static_cast<uint8_t>(0x80 | pendingReply_.size());
            frame.insert(frame.end(), pendingReply_.begin(), pendingReply_.end());
            hasPendingReply_ = false;
        }
    }
    uint8_t sum = kReplySeed;
    for (uint8_t byte : frame) {
        sum ^= byte;
    }
    frame.push_back(sum);
    std::memset(buffer, 0, static_cast<size_t>(length));
    std::memcpy(buffer, frame.data(), std::min(frame.size(), static_cast<size_t>(length)));
    return 0;
}

void SimMonitor::reply(std::vector<uint8_t> payload, int busyReads) {
    pendingReply_ = std::move(payload);
    pendingBusyReads_ = busyReads;
    hasPendingReply_ = true;
}

void SimMonitor::handleRequest(const uint8_t* p, int length) {
    ++requestCounts_[p[0]];
    switch (p[0]) {
        case 0x01:
            if (length >= 2) {
                handleGetVcp(p[1]);
            }
            break;
        case 0x03:
            if (length >= 4) {
                handleSetVcp(p[1], p[2] * 256 + p[3]);
            }
            break;
        case 0x07:
            handleTimingReport();
            break;
        case 0x0C:
            if (!profile_.ignoresSaveCommand) {
                saveSettings();
            }
            break;
        case 0xF3:
            if (length >= 3) {
                handleCapabilities(p[1] * 256 + p[2]);
            }
            break;
        case 0xC6:
            if (length >= 3) {
                handlePagedGet(p[1], p[2]);
            }
            break;
        case 0xC8:
            if (length >= 5) {
                handlePagedSet(p[1], p[2], p[3] * 256 + p[4]);
            }
            break;
        case 0xC0:
            if (length >= 2) {
                handleVendorQuery(p[1]);
            }
            break;
        default:
            break;  // unknown requests get no reply
    }
}

void SimMonitor::handleGetVcp(int code) {
    auto it = controls_.find(code);
    if (it == controls_.end() || it->second.unsupported) {
        reply({0x02, 0x01, lo(code), 0x00, 0x00, 0x00, 0x00, 0x00});
        return;
    }
    const Control& c = it->second;
    reply({0x02, 0x00, lo(code), c.type, hi(c.maximum), lo(c.maximum), hi(c.value), lo(c.value)});
}

void SimMonitor::handleSetVcp(int code, int value) {
    auto it = controls_.find(code);
    if (it == controls_.end() || it->second.unsupported) {
        return;
    }
    if (isActionCode(code)) {
        if (value != 0) {
            runAction(code);
        }
        return;
    }
    it->second.value = std::min(value, it->second.maximum);
    for (const PresetLoad& load : profile_.presetLoads) {
        if (load.selector == code && load.value == it->second.value) {
            auto target = controls_.find(load.code);
            if (target != controls_.end()) {
                target->second.value = std::min<int>(load.setting, target->second.maximum);
            }
        }
    }
    for (const WriteSettle& settle : profile_.writeSettles) {
        if (settle.code == code) {
            busyUntilMs_ = std::max(busyUntilMs_, nowMs() + settle.busyMs);
        }
    }
}

void SimMonitor::runAction(int code) {
    switch (code) {
        case kActionFactoryReset: {
            std::vector<int> all;
            for (const auto& entry : controls_) {
                all.push_back(entry.first);
            }
            restoreFactory(all);
            break;
        }
        case kActionGeometryReset:
            restoreFactory(kGeometryCodes);
            break;
        case kActionColourReset:
            restoreFactory(kColourCodes);
            break;
        case kActionAutoSetup:
        case kActionAutoGeometry:
            // The monitor centres what it measures: each control to mid-range.
            for (int c : code == kActionAutoSetup ? kAutoSetupCodes : kAutoGeometryCodes) {
                auto it = controls_.find(c);
                if (it != controls_.end() && !it->second.unsupported) {
                    it->second.value = it->second.maximum / 2;
                }
            }
            break;
        default:
            break;  // degauss changes no setting
    }
    busyUntilMs_ = nowMs() + profile_.actionBusyMs;
}

void SimMonitor::restoreFactory(const std::vector<int>& codes) {
    for (int code : codes) {
        auto it = controls_.find(code);
        if (it != controls_.end() && !isActionCode(code)) {
            it->second.value = it->second.factory;
        }
    }
}

void SimMonitor::saveSettings() {
    for (const auto& [code, control] : controls_) {
        if (!isActionCode(code) && !control.unsupported) {
            store_[code] = control.value;
        }
    }
    ++saveCount_;
    if (storeListener_) {
        storeListener_(store_);
    }
}

void SimMonitor::handleTimingReport() {
    reply({0x4E, profile_.timingStatus, hi(profile_.horizontalFrequency),
           lo(profile_.horizontalFrequency), hi(profile_.verticalFrequency),
           lo(profile_.verticalFrequency)});
}

void SimMonitor::handleCapabilities(int offset) {
    if (!profile_.capabilities) {
        return;  // never answers: the host reads null messages
    }
    const int total = static_cast<int>(std::strlen(profile_.capabilities));
    std::vector<uint8_t> payload = {0xE3, hi(offset), lo(offset)};
    for (int i = offset; i < total && i < offset + kFragmentText; ++i) {
        payload.push_back(static_cast<uint8_t>(profile_.capabilities[i]));
    }
    reply(std::move(payload));
}

void SimMonitor::pagedReply(int page, int code) {
    auto it = controls_.find(page * 256 + code);
    if (it == controls_.end() || it->second.unsupported) {
        reply({0xC7, 0x01, lo(page), lo(code), 0x00, 0x00, 0x00, 0x00, 0x00});
        return;
    }
    const Control& c = it->second;
    reply({0xC7, 0x00, lo(page), lo(code), c.type, hi(c.maximum), lo(c.maximum), hi(c.value),
           lo(c.value)});
}

void SimMonitor::handlePagedGet(int page, int code) {
    pagedReply(page, code);
}

void SimMonitor::handlePagedSet(int page, int code, int value) {
    auto it = controls_.find(page * 256 + code);
    if (it != controls_.end() && !it->second.unsupported) {
        it->second.value = std::min(value, it->second.maximum);
    }
    pagedReply(page, code);
    pendingBusyReads_ = profile_.pagedSetBusyReads;
}

void SimMonitor::handleVendorQuery(uint8_t subcode) {
    if (profile_.vendorSave) {
        if (subcode == kVendorSaveFirst) {
            vendorSaveArmed_ = true;
        } else {
            if (subcode == kVendorSaveSecond && vendorSaveArmed_) {
                saveSettings();
            }
            vendorSaveArmed_ = false;
        }
    }
    for (const VendorAnswer& answer : profile_.vendorAnswers) {
        if (answer.subcode == subcode) {
            reply({0xC1, subcode, answer.value});
            return;
        }
    }
}

}  // namespace veskol
