#include "tests/fuzz/fuzz_bus.h"

#include <algorithm>
#include <cstring>

#include "link/bus_transport.h"

namespace {

constexpr uint8_t kReplySource = 0x6E;
constexpr uint8_t kReplySeed = 0x50;
constexpr int kMaxFrame = 127 + 3;

struct Bus {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    bool failNextWrite = false;
    uint8_t lastRead[256] = {};
    size_t lastReadSize = 0;

    bool empty() const { return pos >= size; }
    uint8_t next() { return empty() ? 0 : data[pos++]; }
    // Copies up to `count` input bytes to `out`, zeros for what is missing.
    void take(uint8_t* out, size_t count) {
        const size_t available = std::min(count, size - std::min(pos, size));
        std::memcpy(out, data + pos, available);
        std::memset(out + available, 0, count - available);
        pos += available;
    }
};

Bus bus;

}  // namespace

void fuzzBusStart(const uint8_t* data, size_t size) {
    bus = Bus{data, size};
}

std::span<const uint8_t> fuzzBusLastRead() {
    return {bus.lastRead, bus.lastReadSize};
}

extern "C" {

int EnumerateInterfaces(int, int) {
    return 0;
}

unsigned GetNumDisplayInterfaces(void) {
    return 1;
}

int GetDisplayInterfaceInfo(int interfaceIndex, DisplayInterfaceInfo* info) {
    if (interfaceIndex != 0 || info == nullptr) {
        return -1;
    }
    *info = DisplayInterfaceInfo{};
    info->size = kDisplayInterfaceInfoSize;
    std::strcpy(info->driverName, "fuzz bus");
    return 0;
}

int I2C_WRITE(int, uint8_t, const uint8_t*, uint8_t, int) {
    if (bus.failNextWrite) {
        bus.failNextWrite = false;
        return -1;
    }
    return 0;
}

int I2C_READ(int, uint8_t, uint8_t* buffer, uint8_t length, int) {
    bus.lastReadSize = 0;
    if (bus.empty()) {
        return -1;
    }
    const uint8_t control = bus.next();
    bus.failNextWrite = (control & kBusFailNextWrite) != 0;
    const int detail = (control >> 2) & 7;
    switch (control & 3) {
        case kBusRaw:
            bus.take(buffer, length);
            break;
        case kBusFramed: {
            const int n = bus.next() & 0x7F;
            uint8_t frame[kMaxFrame];
            frame[0] = kReplySource;
            frame[1] = static_cast<uint8_t>(0x80 | n);
            bus.take(frame + 2, static_cast<size_t>(n));
            frame[n + 2] = ddcChecksum(kReplySeed, frame, n + 2);
            const size_t used = std::min<size_t>(length, static_cast<size_t>(n) + 3);
            std::memcpy(buffer, frame, used);
            std::memset(buffer + used, 0, length - used);
            break;
        }
        case kBusFail:
            return -1 - detail;
        default:
            return 1 + detail;
    }
    std::memcpy(bus.lastRead, buffer, length);
    bus.lastReadSize = length;
    return 0;
}

}  // extern "C"
