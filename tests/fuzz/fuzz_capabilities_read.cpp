// Capabilities reassembly: DdcLink::readCapabilities over arbitrary fragment
// sequences (wrong opcodes and offsets, short and null replies, failures,
// strings that never end), then the parser over what it assembled. Input:
// one byte choosing the buffer size (below 0x40 that many bytes, else the
// program's 4000), then the fuzz bus records.
#include <memory>

#include "decode/capability_set.h"
#include "link/clock.h"
#include "link/ddc_link.h"
#include "tests/fuzz/fuzz_bus.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedVirtualClock clock;  // the link's waits cost nothing
    clock.clearRecord();
    if (size < 1) {
        return 0;
    }
    const int bufferSize = data[0] < 0x40 ? data[0] : kCapabilitiesBufferSize;
    fuzzBusStart(data + 1, size - 1);

    DdcLink link(0, kTransferParameter, kInterfaceSelector);
    // Exactly the size given, so the sanitizer sees any write past it.
    const std::unique_ptr<char[]> buffer =
        std::make_unique<char[]>(static_cast<size_t>(bufferSize));
    const int result = link.readCapabilities(buffer.get(), bufferSize);
    FUZZ_CHECK_LINK_RESULT(result);
    if (result >= 0) {
        FUZZ_CHECK(result < bufferSize);
        FUZZ_CHECK(buffer[result] == 0);
        CapabilitySet set;
        (void)set.parseCapabilities({buffer.get(), static_cast<size_t>(result)});
    }
    return 0;
}
