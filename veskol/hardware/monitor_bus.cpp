#include "veskol/hardware/monitor_bus.h"

#include <algorithm>
#include <cstring>
#include <utility>

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

MonitorBus::MonitorBus(const MonitorApi& api, MonitorHandle monitor, std::string devicePath)
    : api_(api), monitor_(monitor), devicePath_(std::move(devicePath)) {}

int MonitorBus::write(uint8_t address, const uint8_t* data, int length) {
    if (!data || length <= 0) {
        return kLibBadArgument;
    }
    if (address == kEdidAddress) {
        edidOffset_ = data[0];
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
    switch (api_.getVcp(api_.context, monitor_, code, &kind, &current, &maximum)) {
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
    return api_.setVcp(api_.context, monitor_, code, value) ? 0 : kLibApiFailed;
}

int MonitorBus::saveSettings() {
    return api_.saveSettings(api_.context, monitor_) ? 0 : kLibApiFailed;
}

int MonitorBus::timingReport() {
    TimingReport report;
    if (!api_.timingReport(api_.context, monitor_, &report)) {
        return kLibApiFailed;
    }
    // The program divides both words by 100 and reads kHz and Hz, so the
    // horizontal word is in tens of hertz and the vertical one in hundredths.
    const uint32_t horizontal = word((uint64_t{report.horizontalHz} + 5) / 10);
    const uint32_t vertical = word(uint64_t{report.verticalHz} * 100);
    reply({kTimingReply, report.status, high(horizontal), low(horizontal), high(vertical),
           low(vertical)});
    return 0;
}

int MonitorBus::loadCapabilities() {
    if (capabilitiesState_ == Capabilities::kUnread) {
        capabilitiesState_ = Capabilities::kFailed;
        uint32_t length = 0;
        if (!api_.capabilitiesLength(api_.context, monitor_, &length) || length == 0 ||
            length > kLongestCapabilities) {
            return kLibApiFailed;
        }
        std::string text(length, '\0');
        if (!api_.capabilities(api_.context, monitor_, text.data(), length)) {
            return kLibApiFailed;
        }
        // The string ends at its terminating zero, whatever length was announced.
        text.resize(std::strlen(text.c_str()));
        capabilities_ = std::move(text);
        capabilitiesState_ = Capabilities::kRead;
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
    if (edid_.empty() && !devicePath_.empty()) {
        uint8_t value[kEdidSpace];
        const int size = api_.deviceEdid(api_.context, devicePath_.c_str(), value, kEdidSpace);
        if (size > 0) {
            edid_.assign(value, value + std::min(size, kEdidSpace));
        }
    }
    // Bytes the registry value does not hold are not made up.
    if (static_cast<size_t>(edidOffset_) + static_cast<size_t>(length) > edid_.size()) {
        return kLibNoEdid;
    }
    std::memcpy(buffer, edid_.data() + edidOffset_, static_cast<size_t>(length));
    edidOffset_ = static_cast<uint8_t>(edidOffset_ + length);
    return 0;
}

}  // namespace veskol::hardware
