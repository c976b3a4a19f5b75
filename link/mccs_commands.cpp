// The standard MCCS commands of DdcLink and the EDID read over plain I2C.
#include <cstring>

#include "link/ddc_link.h"
#include "link/display_interface.h"
#include "link/link_errors.h"

namespace {

constexpr uint8_t kOpGetVcp = 0x01;
constexpr uint8_t kOpGetVcpReply = 0x02;
constexpr uint8_t kOpSetVcp = 0x03;
constexpr uint8_t kOpTimingRequest = 0x07;
constexpr uint8_t kOpSaveSettings = 0x0C;
constexpr uint8_t kOpTimingReply = 0x4E;
constexpr uint8_t kOpCapabilitiesReply = 0xE3;
constexpr uint8_t kOpCapabilitiesRequest = 0xF3;

constexpr int kBaseWaitMs = 50;
constexpr int kSetWaitMs = 50;
constexpr int kSaveWaitMs = 200;
constexpr int kGetVcpReplyLength = 8;
constexpr int kTimingReplyLength = 6;
constexpr int kFragmentCapacity = 35;  // 3 header bytes + up to 32 text bytes
constexpr int kFragmentHeader = 3;

constexpr uint8_t kEdidHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};

int word(const uint8_t* bytes) {
    return bytes[0] * 256 + bytes[1];
}

bool blockSumsToZero(const uint8_t* block) {
    uint8_t sum = 0;
    for (int i = 0; i < kEdidBlockSize; ++i) {
        sum = static_cast<uint8_t>(sum + block[i]);
    }
    return sum == 0;
}

// -21 for a bad checksum (reported in preference to -22), -22 for a bad
// header, else 0.
int checkEdidBlock0(const uint8_t* block) {
    if (!blockSumsToZero(block)) {
        return kErrEdidChecksum;
    }
    if (std::memcmp(block, kEdidHeader, sizeof kEdidHeader) != 0) {
        return kErrEdidHeader;
    }
    return 0;
}

}  // namespace

int DdcLink::exchangeExpectingLength(const uint8_t* request, int length, uint8_t* reply,
                                     int expectedLength) {
    int result = kErrLength;
    for (int exchange = 0; exchange <= retryCount_; ++exchange) {
        int received = expectedLength;
        result = exchangeWriteRead(request, length, reply, received, true, kBaseWaitMs);
        if (result != 0) {
            return result;
        }
        if (received == expectedLength) {
            return 0;
        }
        result = kErrLength;
    }
    return result;
}

int DdcLink::getVcp(int code, int& current, int& maximum, uint8_t& resultCode, uint8_t& typeCode) {
    if (code > 255) {
        return kErrCodeRange;
    }
    const uint8_t request[] = {kOpGetVcp, static_cast<uint8_t>(code)};
    uint8_t reply[kGetVcpReplyLength];
    const int result = exchangeExpectingLength(request, sizeof request, reply, sizeof reply);
    if (result != 0) {
        return result;
    }
    if (reply[0] != kOpGetVcpReply) {
        return kErrBadReply;
    }
    if (reply[2] != static_cast<uint8_t>(code)) {
        return kErrCodeMismatch;
    }
    resultCode = reply[1];
    typeCode = reply[3];
    maximum = word(reply + 4);
    current = word(reply + 6);
    return 0;
}

int DdcLink::setVcp(int code, int value) {
    if (code > 255) {
        return kErrCodeRange;
    }
    const uint8_t request[] = {kOpSetVcp, static_cast<uint8_t>(code),
                               static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    return exchangeWrite(request, sizeof request, kSetWaitMs);
}

int DdcLink::saveSettings() {
    const uint8_t request[] = {kOpSaveSettings};
    return exchangeWrite(request, sizeof request, kSaveWaitMs);
}

int DdcLink::getTimingReport(uint8_t& status, float& horizontal, float& vertical) {
    const uint8_t request[] = {kOpTimingRequest};
    uint8_t reply[kTimingReplyLength];
    const int result = exchangeExpectingLength(request, sizeof request, reply, sizeof reply);
    if (result != 0) {
        return result;
    }
    if (reply[0] != kOpTimingReply) {
        return kErrBadReply;
    }
    status = reply[1];
    horizontal = static_cast<float>(word(reply + 2) / 100.0);
    vertical = static_cast<float>(word(reply + 4) / 100.0);
    return 0;
}

int DdcLink::requestCapabilitiesFragment(int offset, uint8_t* fragment, int capacity) {
    const uint8_t request[] = {kOpCapabilitiesRequest, static_cast<uint8_t>(offset >> 8),
                               static_cast<uint8_t>(offset)};
    int received = capacity;
    const int result =
        exchangeWriteRead(request, sizeof request, fragment, received, true, kBaseWaitMs);
    return result != 0 ? result : received;
}

int DdcLink::readCapabilities(char* buffer, int size) {
    if (size <= 0) {
        return kErrBufferFull;
    }
    int offset = 0;
    int stored = 0;
    int failures = 0;
    int result = 0;
    for (;;) {
        result = 0;
        bool end = false;
        buffer[stored] = 0;

        uint8_t fragment[kFragmentCapacity];
        const int n = requestCapabilitiesFragment(offset, fragment, kFragmentCapacity);
        if (n < 0) {
            result = n;
        } else if (n < kFragmentHeader) {
            result = kErrLength;
        } else if (fragment[0] != kOpCapabilitiesReply) {
            result = kErrBadReply;
        } else if (word(fragment + 1) != (offset & 0xFFFF)) {
            result = kErrBadReply;  // the same offset is asked for again
        } else {
            for (int i = kFragmentHeader; i < n; ++i) {
                buffer[stored++] = static_cast<char>(fragment[i]);
                if (stored == size) {
                    return kErrBufferFull;
                }
                if (fragment[i] == 0) {
                    end = true;
                }
            }
            offset += n - kFragmentHeader;
            failures = 0;
            if (n == kFragmentHeader) {
                end = true;
            }
        }
        if (failures > retryCount_) {
            break;
        }
        ++failures;
        if (end) {
            break;
        }
    }
    buffer[stored] = 0;
    return result != 0 ? result : stored;
}

int DdcLink::readEdid(uint8_t* buffer) {
    const int acquired = transport_->acquire();
    if (acquired != 0) {
        return acquired;
    }
    int result = transport_->readRegister(buffer, kEdidAddress, 0, kEdidBlockSize);
    if (result >= 0) {
        const int verdict = checkEdidBlock0(buffer);
        result = verdict;
        if (buffer[126] != 0) {
            // Only one extension block is ever read, whatever the count says.
            const int read = transport_->readRegister(buffer + kEdidBlockSize, kEdidAddress,
                                                      kEdidBlockSize, kEdidBlockSize);
            if (verdict == 0) {
                if (read < 0) {
                    result = read;
                } else if (!blockSumsToZero(buffer + kEdidBlockSize)) {
                    result = kErrEdidChecksum;
                }
            }
        } else {
            std::memset(buffer + kEdidBlockSize, 0, kEdidBlockSize);
        }
    }
    transport_->release();
    return result;
}
