// The simulator's fault settings text over arbitrary input, then the faults
// it configures applied to reply frames of every length the bus reads. A
// rejected settings text must leave the injector as it was, faults of every
// kind included; a corrupted reply changes only the bytes its fault names.
#include <cstring>
#include <string>

#include "tests/fuzz/fuzz_check.h"
#include "veskol/sim/fault_injector.h"

namespace {

using veskol::Fault;

// Whether `fault` may change byte `index` of a reply of `length` bytes whose
// length byte announces `payload` bytes: the length byte and the checksum's
// new place for a truncation, the opcode and checksum for a wrong reply, the
// checksum for a checksum error, the length byte and opcode for a null
// reply; never a byte beyond what the reader asked for.
bool mayChange(Fault fault, int index, int length, int payload) {
    if (length < 3 || index >= length) {
        return false;
    }
    switch (fault) {
        case Fault::Checksum:
            return index == payload + 2;
        case Fault::Truncate:
            return payload > 0 && (index == 1 || index == payload + 1);
        case Fault::Wrong:
            return payload > 0 && (index == 2 || index == payload + 2);
        case Fault::Null:
            return index == 1 || index == 2;
        default:
            return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string spec(reinterpret_cast<const char*>(data), size);
    veskol::FaultInjector configured;
    // Every kind of fault at once, so that any change a rejected spec made
    // shows in what is drawn next.
    FUZZ_CHECK(configured.configure(
        "seed=3,nak=300,checksum=150,truncate=150,wrong=150,null=150,disappear=12,delay=4,"
        "next=null*2"));
    veskol::FaultInjector untouched = configured;
    if (!configured.configure(spec)) {
        FUZZ_CHECK(configured.transferDelayMs() == untouched.transferDelayMs());
        for (int i = 0; i < 16; ++i) {
            FUZZ_CHECK(configured.nextWriteFault() == untouched.nextWriteFault());
            FUZZ_CHECK(configured.nextReadFault() == untouched.nextReadFault());
            FUZZ_CHECK(configured.countTransferAndCheckGone() ==
                       untouched.countTransferAndCheckGone());
            FUZZ_CHECK(configured.injected() == untouched.injected());
        }
        return 0;
    }
    FUZZ_CHECK(configured.transferDelayMs() >= 0 && configured.transferDelayMs() <= 10000);
    uint8_t frame[40];
    uint8_t original[sizeof frame];
    for (int length = 0; length <= static_cast<int>(sizeof frame); ++length) {
        // Reply bytes from the input, so that the announced length varies.
        for (size_t i = 0; i < sizeof frame; ++i) {
            original[i] = size ? data[(i + static_cast<size_t>(length)) % size] : 0x84;
        }
        original[0] = 0x6E;
        std::memcpy(frame, original, sizeof frame);
        (void)configured.nextWriteFault();
        (void)configured.countTransferAndCheckGone();
        const Fault fault = configured.nextReadFault();
        veskol::FaultInjector::corruptReply(fault, frame, length);
        const int payload = original[1] & 0x7F;
        for (int i = 0; i < static_cast<int>(sizeof frame); ++i) {
            FUZZ_CHECK(frame[i] == original[i] || mayChange(fault, i, length, payload));
        }
    }
    return 0;
}
