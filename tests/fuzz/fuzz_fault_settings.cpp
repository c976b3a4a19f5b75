// The simulator's fault settings text over arbitrary input, then the faults
// it configures applied to reply frames of every length the bus reads. A
// rejected settings text must leave the injector as it was.
#include <cstring>
#include <string>

#include "tests/fuzz/fuzz_check.h"
#include "veskol/sim/fault_injector.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string spec(reinterpret_cast<const char*>(data), size);
    veskol::FaultInjector configured;
    FUZZ_CHECK(configured.configure("seed=3,next=null"));
    veskol::FaultInjector untouched = configured;
    if (!configured.configure(spec)) {
        // Unchanged: the same faults in the same order as a copy kept aside.
        for (int i = 0; i < 8; ++i) {
            FUZZ_CHECK(configured.nextReadFault() == untouched.nextReadFault());
        }
        return 0;
    }
    FUZZ_CHECK(configured.transferDelayMs() >= 0 && configured.transferDelayMs() <= 10000);
    uint8_t frame[40];
    for (int length = 0; length <= static_cast<int>(sizeof frame); ++length) {
        std::memset(frame, 0x84, sizeof frame);
        frame[0] = 0x6E;
        (void)configured.nextWriteFault();
        (void)configured.countTransferAndCheckGone();
        veskol::FaultInjector::corruptReply(configured.nextReadFault(), frame, length);
    }
    return 0;
}
