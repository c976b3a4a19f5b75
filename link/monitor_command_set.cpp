#include "link/monitor_command_set.h"

#include "link/display_interface.h"
#include "link/link_errors.h"

namespace {

constexpr uint8_t kOpPagedGet = 0xC6;
constexpr uint8_t kOpPagedReply = 0xC7;
constexpr uint8_t kOpPagedSet = 0xC8;
constexpr uint8_t kOpVendorQuery = 0xC0;
constexpr uint8_t kOpVendorReply = 0xC1;

constexpr int kBaseWaitMs = 50;
constexpr int kPagedReplyLength = 9;
constexpr int kVendorReplyLength = 3;
constexpr int kPollCount = 17;
constexpr int kPollWaitMs = 100;
constexpr int kPollReadWaitMs = 50;

}  // namespace

struct MonitorCommandSet::PagedReply {
    uint8_t resultCode;
    uint8_t typeCode;
    int maximum;
    int current;
};

MonitorCommandSet::MonitorCommandSet(int interfaceIndex, int transferParameter,
                                     int interfaceSelector)
    : DdcLink(interfaceIndex, transferParameter, interfaceSelector) {}

MonitorCommandSet::~MonitorCommandSet() = default;

int MonitorCommandSet::getVcp(int code, int& current, int& maximum, uint8_t& resultCode,
                              uint8_t& typeCode) {
    code &= 0xFFFF;
    if (code <= 0xFF) {
        return DdcLink::getVcp(code, current, maximum, resultCode, typeCode);
    }
    return getPagedVcp(code >> 8, code & 0xFF, current, maximum, resultCode, typeCode);
}

int MonitorCommandSet::setVcp(int code, int value) {
    code &= 0xFFFF;
    if (code <= 0xFF) {
        return DdcLink::setVcp(code, value);
    }
    int current = value;
    int maximum = 0;
    uint8_t resultCode = 0;
    uint8_t typeCode = 0;
    return setPagedVcp(code >> 8, code & 0xFF, current, maximum, resultCode, typeCode);
}

// -24 wrong length, -26 wrong opcode, -25 wrong page or code, else 0 with
// the reply unpacked into `out`.
int MonitorCommandSet::checkPagedReply(const uint8_t* reply, int length, int page, int code,
                                       PagedReply& out) const {
    if (length != kPagedReplyLength) {
        return kErrLength;
    }
    if (reply[0] != kOpPagedReply) {
        return kErrBadReply;
    }
    if (reply[2] != page || reply[3] != code) {
        return kErrCodeMismatch;
    }
    out.resultCode = reply[1];
    out.typeCode = reply[4];
    out.maximum = reply[5] * 256 + reply[6];
    out.current = reply[7] * 256 + reply[8];
    return 0;
}

int MonitorCommandSet::getPagedVcp(int page, int code, int& current, int& maximum,
                                   uint8_t& resultCode, uint8_t& typeCode) {
    if (code > 255 || page > 255) {
        return kErrCodeRange;
    }
    const uint8_t request[] = {kOpPagedGet, static_cast<uint8_t>(page), static_cast<uint8_t>(code)};
    int result = 0;
    for (int exchange = 0; exchange <= retryCount_; ++exchange) {
        uint8_t reply[kPagedReplyLength];
        int received = sizeof reply;
        result = exchangeWriteRead(request, sizeof request, reply, received, true, kBaseWaitMs);
        if (result != 0) {
            return result;
        }
        PagedReply paged{};
        result = checkPagedReply(reply, received, page, code, paged);
        if (result == kErrBadReply) {
            return result;
        }
        if (result == 0) {
            current = paged.current;
            maximum = paged.maximum;
            resultCode = paged.resultCode;
            typeCode = paged.typeCode;
            return 0;
        }
    }
    return result;
}

// The monitor answered the set with a null message: it is still working.
// Reads until a good paged reply arrives or the polls run out; returns 0 or
// the last poll's error.
int MonitorCommandSet::pollPagedSet(int page, int code, PagedReply& out) {
    int result = 0;
    for (int poll = 0; poll < kPollCount; ++poll) {
        transport_->sleep(kPollWaitMs);
        uint8_t reply[kPagedReplyLength];
        int received = sizeof reply;
        result = exchangeRead(reply, received, kPollReadWaitMs);
        if (result != 0) {
            continue;
        }
        result = checkPagedReply(reply, received, page, code, out);
        if (result == 0) {
            return 0;
        }
    }
    return result;
}

int MonitorCommandSet::setPagedVcp(int page, int code, int& value, int& maximum,
                                   uint8_t& resultCode, uint8_t& typeCode) {
    if (code > 255 || page > 255) {
        return kErrCodeRange;
    }
    const uint8_t request[] = {kOpPagedSet, static_cast<uint8_t>(page), static_cast<uint8_t>(code),
                               static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    int result = 0;
    for (int send = 0; send <= retryCount_; ++send) {
        uint8_t reply[kPagedReplyLength];
        int received = sizeof reply;
        result = exchangeWriteRead(request, sizeof request, reply, received, false, kBaseWaitMs);
        if (result != 0) {
            return result;
        }
        PagedReply paged{};
        if (received == kPagedReplyLength) {
            result = checkPagedReply(reply, received, page, code, paged);
            if (result == kErrBadReply) {
                return result;
            }
        } else if (received == 0) {
            result = pollPagedSet(page, code, paged);
        } else {
            result = kErrLength;
        }
        if (result == 0) {
            value = paged.current;
            maximum = paged.maximum;
            resultCode = paged.resultCode;
            typeCode = paged.typeCode;
            return 0;
        }
    }
    return result;
}

int MonitorCommandSet::vendorQuery(int subcode, int& value) {
    const uint8_t request[] = {kOpVendorQuery, static_cast<uint8_t>(subcode)};
    const int exchanges = subcode == kVendorQueryStatus ? retryCount_ + 1 : 1;
    int result = 0;
    for (int exchange = 0; exchange < exchanges; ++exchange) {
        uint8_t reply[kVendorReplyLength];
        int received = sizeof reply;
        result = exchangeWriteRead(request, sizeof request, reply, received, true, kBaseWaitMs);
        if (result != 0) {
            return result;
        }
        if (received != kVendorReplyLength) {
            result = kErrLength;
            continue;
        }
        if (reply[0] != kOpVendorReply || reply[1] != static_cast<uint8_t>(subcode)) {
            return kErrBadReply;
        }
        value = reply[2];
        return 0;
    }
    return result;
}

int MonitorCommandSet::vendorSaveSequence() {
    int ignored = 0;
    for (const int subcode : {kVendorQuerySave, kVendorQueryNudge}) {
        if (vendorQuery(subcode, ignored) == kLibraryCannotCarry) {
            return kLibraryCannotCarry;
        }
    }
    return 0;
}
