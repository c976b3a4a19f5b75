// Seeded fault injection for one simulated bus. Faults are drawn from a
// deterministic generator (the same seed gives the same faults in the same
// order) at per-mille rates, or queued to hit the next transfers exactly.
// Spec text, as the inspection API takes it: comma-separated key=value with
// keys seed, nak, checksum, truncate, wrong, null (per-mille rates),
// disappear (transfers until the monitor vanishes), delay (real
// milliseconds every transfer takes: a slow bus) and next=<kind>*<count>
// to queue faults, e.g. "seed=7,checksum=100,next=null*3" (kind "none"
// leaves a reply alone, so queued faults can hit requests apart).
#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace veskol {

enum class Fault { None, Nak, Checksum, Truncate, Wrong, Null };

class FaultInjector {
  public:
    // Parses `spec` (see above); false and no change for a malformed spec.
    [[nodiscard]] bool configure(const std::string& spec);
    void reset();

    // Drawn once per transfer. Writes can only fail with a NAK; replies can
    // be corrupted in any way.
    [[nodiscard]] Fault nextWriteFault();
    [[nodiscard]] Fault nextReadFault();
    // True once the monitor has vanished from the bus (every transfer fails).
    [[nodiscard]] bool countTransferAndCheckGone();
    // Faults drawn so far (refused writes and corrupted replies).
    [[nodiscard]] long injected() const { return injected_; }
    // Real time every transfer takes, in milliseconds (0: none).
    [[nodiscard]] int transferDelayMs() const { return delayMs_; }

    // Applies a reply fault to the frame bytes read from 0x6F.
    static void corruptReply(Fault fault, uint8_t* frame, int length);

  private:
    [[nodiscard]] uint32_t nextRandom();
    [[nodiscard]] bool roll(int perMille);
    Fault counted(Fault fault);

    uint64_t state_ = 0;
    int nak_ = 0, checksum_ = 0, truncate_ = 0, wrong_ = 0, null_ = 0;
    long disappearAfter_ = -1;
    int delayMs_ = 0;
    long transfers_ = 0;
    long injected_ = 0;
    std::deque<Fault> queued_;
};

}  // namespace veskol
