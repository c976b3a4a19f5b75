// Common ground of the link tests: a scripted device on interface 0, a
// virtual clock, and a command set on that interface.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "link/clock.h"
#include "link/link_errors.h"
#include "link/monitor_command_set.h"
#include "tests/support/scripted_device.h"

using Bytes = std::vector<uint8_t>;

// The outputs of a VCP read or paged set, preset to values no reply
// carries so that a test sees which ones a call wrote.
struct VcpReading {
    int current = -1;
    int maximum = -1;
    uint8_t result = 0xEE;
    uint8_t type = 0xEE;
};

// A reply a command refuses: the error it gives and how many exchanges it
// takes (one when asking again cannot help, five when it can).
struct RefusedReply {
    const char* what;
    Bytes reply;
    int result;
    int exchanges;
};

class LinkTest : public ::testing::Test {
  protected:
    ScopedVirtualClock clock;
    ScriptedDevice& bus = installScriptedDevice();
    MonitorCommandSet link{0, 10000, 3};

    int exchanges() const { return static_cast<int>(bus.sentPayloads().size()); }
    // Starts the record of writes, reads and waits afresh.
    void forgetTraffic() {
        bus.writes.clear();
        bus.readCount = 0;
        clock.clearRecord();
    }
};
