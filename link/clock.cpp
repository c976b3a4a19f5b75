#include "link/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class RealClock : public Clock {
  public:
    void sleep(int milliseconds) override {
        if (milliseconds > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        }
    }
    int64_t now() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now() - start_).count();
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

RealClock& realClock() {
    static RealClock clock;
    return clock;
}

std::atomic<Clock*> installed{nullptr};

Clock& current() {
    Clock* clock = installed.load();
    return clock ? *clock : realClock();
}

}  // namespace

void sleepMs(int milliseconds) {
    current().sleep(milliseconds);
}

int64_t nowMs() {
    return current().now();
}

void installClock(Clock* clock) {
    installed.store(clock);
}

void VirtualClock::sleep(int milliseconds) {
    std::lock_guard lock(mutex_);
    waits_.push_back(milliseconds);
    if (milliseconds > 0) {
        now_ += milliseconds;
        total_ += milliseconds;
    }
}

int64_t VirtualClock::now() {
    std::lock_guard lock(mutex_);
    return now_;
}

void VirtualClock::advance(int milliseconds) {
    std::lock_guard lock(mutex_);
    now_ += milliseconds;
}

std::vector<int> VirtualClock::waits() const {
    std::lock_guard lock(mutex_);
    return waits_;
}

int64_t VirtualClock::totalWaited() const {
    std::lock_guard lock(mutex_);
    return total_;
}

int VirtualClock::waitCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(waits_.size());
}

void VirtualClock::clearRecord() {
    std::lock_guard lock(mutex_);
    waits_.clear();
    total_ = 0;
}
