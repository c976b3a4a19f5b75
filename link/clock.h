// The process-wide clock of the monitor link: every DDC/CI wait goes through
// sleepMs, every timestamp through nowMs. The real clock sleeps; tests install
// a VirtualClock that records each wait and advances time at once, so a test
// can check "five attempts and 1,550 ms of waits" without waiting.
// Portable: no Windows headers.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

// Blocks the calling thread for `milliseconds` (no-op for values <= 0 on the
// real clock; recorded as given on a virtual clock).
void sleepMs(int milliseconds);

// Milliseconds since an arbitrary, fixed starting point; never decreases.
[[nodiscard]] int64_t nowMs();

class Clock {
  public:
    virtual ~Clock() = default;
    virtual void sleep(int milliseconds) = 0;
    [[nodiscard]] virtual int64_t now() = 0;
};

// Makes `clock` the process-wide clock; nullptr puts the real clock back.
// The caller keeps ownership and must uninstall it before destroying it.
void installClock(Clock* clock);

// A clock that never blocks: sleep adds to the time and to the record.
// Safe to use from several threads (the GUI tests' workers share it).
class VirtualClock : public Clock {
  public:
    void sleep(int milliseconds) override;
    int64_t now() override;

    // Moves time forward without recording a wait (time spent "on the bus").
    void advance(int milliseconds);

    [[nodiscard]] std::vector<int> waits() const;  // every sleep, in order
    [[nodiscard]] int64_t totalWaited() const;     // sum of all sleeps
    [[nodiscard]] int waitCount() const;
    void clearRecord();

  private:
    mutable std::mutex mutex_;
    int64_t now_ = 0;
    int64_t total_ = 0;
    std::vector<int> waits_;
};

// Installs a VirtualClock for the lifetime of the object (tests).
class ScopedVirtualClock : public VirtualClock {
  public:
    ScopedVirtualClock() { installClock(this); }
    ~ScopedVirtualClock() override { installClock(nullptr); }
    ScopedVirtualClock(const ScopedVirtualClock&) = delete;
    ScopedVirtualClock& operator=(const ScopedVirtualClock&) = delete;
};
