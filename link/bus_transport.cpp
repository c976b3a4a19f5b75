#include "link/bus_transport.h"

#include <cstring>

#include "link/clock.h"
#include "link/display_interface.h"
#include "link/link_errors.h"

namespace {

constexpr uint8_t kHostSource = 0x51;
constexpr uint8_t kReplySeed = 0x50;  // replies are summed as if sent to 0x50
constexpr int kReplyWorkBuffer = 130;

}  // namespace

uint8_t ddcChecksum(uint8_t seed, const uint8_t* bytes, int length) {
    uint8_t sum = seed;
    for (int i = 0; i < length; ++i) {
        sum ^= bytes[i];
    }
    return sum;
}

int buildDdcMessage(const uint8_t* payload, int length, uint8_t* out) {
    if (length > kMaxPayload) {
        return kErrTooLong;
    }
    if (length < 0) {
        return kErrLength;
    }
    out[0] = kHostSource;
    out[1] = static_cast<uint8_t>(0x80 | length);
    if (length > 0) {
        std::memcpy(out + 2, payload, static_cast<size_t>(length));
    }
    out[length + 2] = ddcChecksum(kDdcAddress, out, length + 2);
    return length + 3;
}

int parseDdcReply(const uint8_t* raw, int capacity, uint8_t* payload) {
    if (raw[0] != kDdcAddress && raw[0] != kHostSource) {
        return kErrBadSource;
    }
    const int length = raw[1] & 0x7F;  // bit 7 is not checked
    if (length > capacity) {
        return kErrLength;
    }
    if (ddcChecksum(kReplySeed, raw, length + 3) != 0) {
        return kErrChecksum;
    }
    if (length > 0) {
        std::memcpy(payload, raw + 2, static_cast<size_t>(length));
    }
    return length;
}

BusTransport::BusTransport(int interfaceIndex, int transferParameter, int interfaceSelector)
    : interfaceSelector_(interfaceSelector),
      interfaceIndex_(interfaceIndex),
      transferParameter_(transferParameter) {}

int BusTransport::open() {
    return 0;
}

int BusTransport::release() {
    return accessSteps_.release ? accessSteps_.release() : 0;
}

int BusTransport::acquire() {
    return accessSteps_.acquire ? accessSteps_.acquire() : 0;
}

int BusTransport::setParameter(int value) {
    interfaceSelector_ = value;
    return 0;
}

int BusTransport::rawWrite(uint8_t address, const uint8_t* data, int length) {
    return I2C_WRITE(interfaceIndex_, address, data, static_cast<uint8_t>(length),
                     transferParameter_);
}

int BusTransport::rawRead(uint8_t address, uint8_t* buffer, int length) {
    const int result = I2C_READ(interfaceIndex_, static_cast<uint8_t>(address | 1), buffer,
                                static_cast<uint8_t>(length), transferParameter_);
    return result == 0 ? 1 : result;
}

int BusTransport::readRegister(uint8_t* buffer, uint8_t address, uint8_t offset, int length) {
    const int written = rawWrite(address, &offset, 1);
    if (written < 0) {
        return written;
    }
    return rawRead(address, buffer, length);
}

int BusTransport::readFrame(uint8_t* payload, int capacity) {
    // The exchange never asks for more than 120 bytes; the guard keeps the
    // working buffer safe whoever calls.
    if (capacity > kMaxPayload) {
        return kErrTooLong;
    }
    if (capacity < 0) {
        return kErrLength;
    }
    uint8_t raw[kReplyWorkBuffer] = {};
    const int result = rawRead(kDdcAddress, raw, capacity + 3);
    if (result <= 0) {
        return result;
    }
    return parseDdcReply(raw, capacity, payload);
}

int BusTransport::writeFrame(const uint8_t* payload, int length) {
    uint8_t message[kMaxPayload + 3];
    const int size = buildDdcMessage(payload, length, message);
    if (size < 0) {
        return size;
    }
    return rawWrite(kDdcAddress, message, size);
}

int BusTransport::sleep(int milliseconds) {
    if (!libraryCarriesWaits_) {
        sleepMs(milliseconds);
    }
    return 0;
}

bool libraryCarriesWholeTransactions(int interfaceIndex) {
    DisplayInterfaceInfo info{};
    info.size = kDisplayInterfaceInfoSize;
    if (GetDisplayInterfaceInfo(interfaceIndex, &info) != 0) {
        return false;
    }
    const uint8_t* record = reinterpret_cast<const uint8_t*>(&info);
    return std::memcmp(record + kWholeTransactionsTagOffset, kWholeTransactionsTag,
                       sizeof kWholeTransactionsTag) == 0;
}
