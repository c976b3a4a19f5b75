// The DDC/CI reply reader: BusTransport::readFrame over arbitrary bytes from
// the bus, and parseDdcReply over the same bytes directly. Input: one byte
// for the capacity asked for (below 0 and above 120 included), then the
// fuzz bus records.
#include <algorithm>
#include <cstring>

#include "link/bus_transport.h"
#include "link/link_errors.h"
#include "tests/fuzz/fuzz_bus.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

constexpr uint8_t kUntouched = 0xA5;

void checkReply(int result, int capacity, const uint8_t* raw, const uint8_t* payload) {
    FUZZ_CHECK_LINK_RESULT(result);
    if (result < 0) {
        return;
    }
    FUZZ_CHECK(result <= capacity);
    FUZZ_CHECK(std::memcmp(payload, raw + 2, static_cast<size_t>(result)) == 0);
    FUZZ_CHECK(payload[result] == kUntouched);  // nothing beyond the payload
    FUZZ_CHECK(ddcChecksum(0x50, raw, result + 3) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    const int capacity = data[0] - 4;
    fuzzBusStart(data + 1, size - 1);

    BusTransport transport(0, kTransferParameter, kInterfaceSelector);
    uint8_t payload[256];
    std::memset(payload, kUntouched, sizeof payload);
    const int result = transport.readFrame(payload, capacity);
    if (capacity < 0 || capacity > kMaxPayload) {
        FUZZ_CHECK(result == kErrLength || result == kErrTooLong);
        return 0;
    }
    const std::span<const uint8_t> raw = fuzzBusLastRead();
    if (raw.empty()) {
        FUZZ_CHECK(result < 0);  // a failed read never yields a reply
    } else {
        FUZZ_CHECK(raw.size() == static_cast<size_t>(capacity) + 3);
        checkReply(result, capacity, raw.data(), payload);
    }

    // The pure reader over the input as it stands.
    uint8_t bytes[kMaxPayload + 3] = {};
    std::memcpy(bytes, data + 1, std::min<size_t>(size - 1, sizeof bytes));
    std::memset(payload, kUntouched, sizeof payload);
    checkReply(parseDdcReply(bytes, capacity, payload), capacity, bytes, payload);
    return 0;
}
