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

class LinkTest : public ::testing::Test {
  protected:
    ScopedVirtualClock clock;
    ScriptedDevice& bus = installScriptedDevice();
    MonitorCommandSet link{0, 10000, 3};

    int exchanges() const { return static_cast<int>(bus.sentPayloads().size()); }
};
