// Paged vendor replies: MonitorCommandSet's paged get and set (with the
// null-reply polling of a set), reached directly and through the 16-bit
// code routing of getVcp/setVcp. Input: the operation (byte 0, low 2 bits),
// page and code (bytes 1-3, up to 511 so the range check is reached), the
// value to set (bytes 4-5), then the fuzz bus records.
#include "link/clock.h"
#include "link/monitor_command_set.h"
#include "tests/fuzz/fuzz_bus.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

constexpr size_t kHeader = 6;

enum Operation { kGetPaged, kSetPaged, kGetRouted, kSetRouted };

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedVirtualClock clock;  // the link's waits cost nothing
    clock.clearRecord();
    if (size < kHeader) {
        return 0;
    }
    const int operation = data[0] & 3;
    const int page = data[1] | (data[2] & 1) << 8;
    const int code = data[3] | (data[2] & 2) << 7;
    const int value = data[4] << 8 | data[5];
    fuzzBusStart(data + kHeader, size - kHeader);

    MonitorCommandSet commands(0, kTransferParameter, kInterfaceSelector);
    int current = -1;
    int maximum = -1;
    uint8_t resultCode = 0;
    uint8_t typeCode = 0;
    int result = 0;
    switch (operation) {
        case kGetPaged:
            result = commands.getPagedVcp(page, code, current, maximum, resultCode, typeCode);
            break;
        case kSetPaged:
            current = value;
            result = commands.setPagedVcp(page, code, current, maximum, resultCode, typeCode);
            break;
        case kGetRouted:
            result = commands.getVcp(page << 8 | code, current, maximum, resultCode, typeCode);
            break;
        default:
            result = commands.setVcp(page << 8 | code, value);
            break;
    }
    FUZZ_CHECK_LINK_RESULT(result);
    FUZZ_CHECK(result <= 0);
    if (result == 0 && operation != kSetRouted) {
        FUZZ_CHECK(current >= 0 && current <= 0xFFFF);
        FUZZ_CHECK(maximum >= 0 && maximum <= 0xFFFF);
    }
    return 0;
}
