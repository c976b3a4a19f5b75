#include "veskol/hardware/monitor_bus.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "link/clock.h"
#include "link/display_interface.h"
#include "veskol/library_errors.h"

namespace veskol::hardware {
namespace {

constexpr uint8_t kReplyAddress = kDdcAddress | 1;
constexpr uint8_t kEdidReadAddress = kEdidAddress | 1;
constexpr uint8_t kHostSource = 0x51;
constexpr uint8_t kReplySeed = 0x50;  // replies are summed as if sent to 0x50
constexpr int kFragmentText = 32;     // capabilities text bytes per fragment
constexpr int kEdidSpace = 256;       // what an 8-bit register offset reaches
// Fragment offsets are 16 bits; a longer string cannot be asked for.
constexpr uint32_t kLongestCapabilities = 0x10000;
constexpr int kCapabilitiesTries = 2;
constexpr int64_t kSearchIntervalMs = 2000;

constexpr uint8_t kGetVcp = 0x01;
constexpr uint8_t kGetVcpReply = 0x02;
constexpr uint8_t kSetVcp = 0x03;
constexpr uint8_t kTimingRequest = 0x07;
constexpr uint8_t kSaveSettings = 0x0C;
constexpr uint8_t kTimingReply = 0x4E;
constexpr uint8_t kCapabilitiesReply = 0xE3;
constexpr uint8_t kCapabilitiesRequest = 0xF3;
constexpr uint8_t kResultUnsupported = 0x01;
// MCCS numbers the two kinds the other way round from the API.
constexpr uint8_t kTypeSetParameter = 0x00;
constexpr uint8_t kTypeMomentary = 0x01;

uint8_t xorBytes(uint8_t seed, const uint8_t* bytes, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        seed ^= bytes[i];
    }
    return seed;
}

uint8_t high(uint32_t word) {
    return static_cast<uint8_t>(word >> 8);
}

uint8_t low(uint32_t word) {
    return static_cast<uint8_t>(word);
}

uint32_t word(uint64_t value) {
    return static_cast<uint32_t>(std::min<uint64_t>(value, 0xFFFF));
}

// A request frame: 0x51, 0x80 | L, L payload bytes, checksum seeded with
// the monitor's address. The payload length, or -1 when anything is wrong.
int payloadLength(const uint8_t* frame, int length) {
    if (length < 3 || frame[0] != kHostSource || (frame[1] & 0x80) == 0) {
        return -1;
    }
    const int payload = frame[1] & 0x7F;
    if (length != payload + 3 || xorBytes(kDdcAddress, frame, static_cast<size_t>(length)) != 0) {
        return -1;
    }
    return payload;
}

// The bytes each request carries, opcode included.
int requestLength(uint8_t opcode) {
    switch (opcode) {
        case kGetVcp:
            return 2;
        case kSetVcp:
            return 4;
        case kCapabilitiesRequest:
            return 3;
        default:
            return 1;
    }
}

}  // namespace

MonitorBus::MonitorBus(const MonitorApi& api, MonitorSlot slot)
    : api_(api), slot_(std::move(slot)) {}

template <typename Call>
bool MonitorBus::attempt(Call call) {
    if (call(slot_.handle)) {
        answered_ = true;
        lastError_ = 0;
        return true;
    }
    lastError_ = api_.lastError ? api_.lastError(api_.context) : 0;
    handleDead_ =
        lastError_ == kErrorInvalidMonitorHandle || lastError_ == kErrorMonitorNoLongerExists;
    return false;
}

template <typename Call>
bool MonitorBus::reach(Call call) {
    if (handleDead_ && !findMonitorAgain()) {
        return false;
    }
    if (attempt(call)) {
        return true;
    }
    // A monitor that never answered is not looked for: it may simply have
    // no DDC/CI, and its handle is as good as a new one.
    return (answered_ || handleDead_) && findMonitorAgain() && attempt(call);
}

bool MonitorBus::findMonitorAgain() {
    const int64_t now = nowMs();
    if (searched_ && now - lastSearchMs_ < kSearchIntervalMs) {
        return false;
    }
    searched_ = true;
    lastSearchMs_ = now;
    std::optional<MonitorSlot> found = findAgain(api_, slot_);
    if (!found) {
        return false;
    }
    // The same monitor: its EDID and capabilities stay, and so does its
    // interface index, which is this bus's.
    found->devicePath = slot_.devicePath;
    if (found->edid.empty()) {
        found->edid = std::move(slot_.edid);
    }
    slot_ = std::move(*found);  // the dead handle's group is released here
    handleDead_ = false;
    return true;
}

int MonitorBus::write(uint8_t address, const uint8_t* data, int length) {
    if (!data || length <= 0) {
        return kLibBadArgument;
    }
    if (address == kEdidAddress) {
        edidOffset_ = data[0];
        // Every open of the monitor begins with its EDID: a capabilities
        // string that failed is worth asking for again.
        if (edidOffset_ == 0 && capabilitiesState_ == Capabilities::kFailed) {
            capabilitiesState_ = Capabilities::kUnread;
        }
        return 0;
    }
    if (address != kDdcAddress) {
        return kLibNotAvailable;
    }
    // A new request replaces any reply not yet read, whatever becomes of it.
    hasPendingReply_ = false;
    const int payload = payloadLength(data, length);
    if (payload < 0) {
        return kLibBadFrame;
    }
    if (payload == 0) {
        return 0;  // a null message asks for nothing
    }
    return request(data + 2, payload);
}

int MonitorBus::request(const uint8_t* p, int length) {
    const uint8_t opcode = p[0];
    if (opcode != kGetVcp && opcode != kSetVcp && opcode != kTimingRequest &&
        opcode != kSaveSettings && opcode != kCapabilitiesRequest) {
        return kLibNotAvailable;  // vendor requests among them: the calls have no way
    }
    if (length != requestLength(opcode)) {
        return kLibBadFrame;
    }
    switch (opcode) {
        case kGetVcp:
            return getVcp(p[1]);
        case kSetVcp:
            return setVcp(p[1], static_cast<uint32_t>(p[2] << 8 | p[3]));
        case kTimingRequest:
            return timingReport();
        case kSaveSettings:
            return saveSettings();
        default:
            return capabilitiesFragment(p[1] << 8 | p[2]);
    }
}

int MonitorBus::getVcp(uint8_t code) {
    VcpKind kind = VcpKind::kSetParameter;
    uint32_t current = 0;
    uint32_t maximum = 0;
    VcpAnswer answer = VcpAnswer::kFailed;
    (void)reach([&](MonitorHandle monitor) {
        answer = api_.getVcp(api_.context, monitor, code, &kind, &current, &maximum);
        return answer != VcpAnswer::kFailed;
    });
    switch (answer) {
        case VcpAnswer::kAnswered: {
            const uint8_t type = kind == VcpKind::kMomentary ? kTypeMomentary : kTypeSetParameter;
            maximum = word(maximum);
            current = word(current);
            reply({kGetVcpReply, 0x00, code, type, high(maximum), low(maximum), high(current),
                   low(current)});
            return 0;
        }
        case VcpAnswer::kUnsupported:
            reply({kGetVcpReply, kResultUnsupported, code, 0, 0, 0, 0, 0});
            return 0;
        default:
            return kLibApiFailed;
    }
}

int MonitorBus::setVcp(uint8_t code, uint32_t value) {
    return reach([&](MonitorHandle monitor) {
        return api_.setVcp(api_.context, monitor, code, value);
    })
               ? 0
               : kLibApiFailed;
}

int MonitorBus::saveSettings() {
    return reach([&](MonitorHandle monitor) { return api_.saveSettings(api_.context, monitor); })
               ? 0
               : kLibApiFailed;
}

int MonitorBus::timingReport() {
    TimingReport report;
    if (!reach([&](MonitorHandle monitor) {
            return api_.timingReport(api_.context, monitor, &report);
        })) {
        return kLibApiFailed;
    }
    // The program divides both words by 100 and reads kHz and Hz, so the
    // horizontal word is in tens of hertz and the vertical one in hundredths.
    const uint32_t horizontal = word((uint64_t{report.horizontalHz} + 5) / 10);
    const uint32_t vertical = word(verticalHundredths(report.verticalHz));
    reply({kTimingReply, report.status, high(horizontal), low(horizontal), high(vertical),
           low(vertical)});
    return 0;
}

// The monitor's refresh rate keeps its fraction (59.94 Hz) where the
// display configuration's rate for its device agrees with the whole hertz
// the monitor reported.
uint32_t MonitorBus::verticalHundredths(uint32_t verticalHz) const {
    const uint64_t whole = uint64_t{verticalHz} * 100;
    DisplayTarget target;
    if (slot_.devicePath.empty() || !findTarget(api_, slot_.devicePath, target) ||
        target.refreshDenominator == 0) {
        return static_cast<uint32_t>(std::min<uint64_t>(whole, UINT32_MAX));
    }
    const double hertz = static_cast<double>(target.refreshNumerator) /
                         static_cast<double>(target.refreshDenominator);
    // The monitor may have cut the fraction off or rounded it.
    if (std::fabs(hertz - static_cast<double>(verticalHz)) >= 1.0) {
        return static_cast<uint32_t>(std::min<uint64_t>(whole, UINT32_MAX));
    }
    return static_cast<uint32_t>(std::lround(hertz * 100.0));
}

bool MonitorBus::readCapabilities() {
    uint32_t length = 0;
    if (!reach([&](MonitorHandle monitor) {
            return api_.capabilitiesLength(api_.context, monitor, &length);
        }) ||
        length == 0 || length > kLongestCapabilities) {
        return false;
    }
    std::string text(length, '\0');
    if (!reach([&](MonitorHandle monitor) {
            return api_.capabilities(api_.context, monitor, text.data(), length);
        })) {
        return false;
    }
    // The string ends at its terminating zero, whatever length was announced.
    text.resize(std::strlen(text.c_str()));
    capabilities_ = std::move(text);
    return true;
}

int MonitorBus::loadCapabilities() {
    if (capabilitiesState_ == Capabilities::kUnread) {
        // One more try: the long read is the one most often cut short.
        capabilitiesState_ = Capabilities::kFailed;
        for (int attempt = 0; attempt < kCapabilitiesTries; ++attempt) {
            if (readCapabilities()) {
                capabilitiesState_ = Capabilities::kRead;
                break;
            }
        }
    }
    return capabilitiesState_ == Capabilities::kRead ? 0 : kLibApiFailed;
}

int MonitorBus::capabilitiesFragment(int offset) {
    if (const int loaded = loadCapabilities(); loaded != 0) {
        return loaded;
    }
    // Past the end of the string the fragment is empty, which ends the read.
    std::vector<uint8_t> payload = {kCapabilitiesReply, high(static_cast<uint32_t>(offset)),
                                    low(static_cast<uint32_t>(offset))};
    const int size = static_cast<int>(capabilities_.size());
    for (int i = offset; i < size && i < offset + kFragmentText; ++i) {
        payload.push_back(static_cast<uint8_t>(capabilities_[static_cast<size_t>(i)]));
    }
    reply(std::move(payload));
    return 0;
}

void MonitorBus::reply(std::vector<uint8_t> payload) {
    pendingReply_ = std::move(payload);
    hasPendingReply_ = true;
}

int MonitorBus::read(uint8_t address, uint8_t* buffer, int length) {
    if (!buffer || length < 0) {
        return kLibBadArgument;
    }
    if (address == kReplyAddress) {
        return readReply(buffer, length);
    }
    if (address == kEdidReadAddress) {
        return readEdid(buffer, length);
    }
    return kLibNotAvailable;
}

// The reply frame: 0x6E, 0x80 | N, payload, checksum. Without a reply
// waiting (after a set or a save, or a second read) the monitor would have
// nothing to say: a null message.
int MonitorBus::readReply(uint8_t* buffer, int length) {
    std::vector<uint8_t> frame = {kDdcAddress, 0x80};
    if (hasPendingReply_) {
        frame[1] = static_cast<uint8_t>(0x80 | pendingReply_.size());
        frame.insert(frame.end(), pendingReply_.begin(), pendingReply_.end());
        hasPendingReply_ = false;
    }
    frame.push_back(xorBytes(kReplySeed, frame.data(), frame.size()));
    const size_t wanted = static_cast<size_t>(length);
    std::memset(buffer, 0, wanted);
    std::memcpy(buffer, frame.data(), std::min(frame.size(), wanted));
    return 0;
}

int MonitorBus::readEdid(uint8_t* buffer, int length) {
    std::vector<uint8_t>& edid = slot_.edid;
    if (edid.empty() && !slot_.devicePath.empty()) {
        uint8_t value[kEdidSpace];
        const int size = api_.deviceEdid(api_.context, slot_.devicePath.c_str(), value, kEdidSpace);
        if (size > 0) {
            edid.assign(value, value + std::min(size, kEdidSpace));
        }
    }
    // Bytes the registry value does not hold are not made up.
    if (static_cast<size_t>(edidOffset_) + static_cast<size_t>(length) > edid.size()) {
        return kLibNoEdid;
    }
    std::memcpy(buffer, edid.data() + edidOffset_, static_cast<size_t>(length));
    edidOffset_ = static_cast<uint8_t>(edidOffset_ + length);
    return 0;
}

}  // namespace veskol::hardware
