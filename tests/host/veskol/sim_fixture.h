// Raw access to the simulated buses for the simulator's own tests: frames
// are written and read through the five library functions, as the link does.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "link/bus_transport.h"
#include "link/clock.h"
#include "link/display_interface.h"
#include "veskol/sim/sim_bus.h"
#include "veskol/simulator_api.h"

using Bytes = std::vector<uint8_t>;

// 51, 80|L, payload, checksum, as the link frames it.
inline Bytes request(const Bytes& payload) {
    Bytes frame(payload.size() + 3);
    (void)buildDdcMessage(payload.data(), static_cast<int>(payload.size()), frame.data());
    return frame;
}

inline int send(int index, const Bytes& frame) {
    return I2C_WRITE(index, 0x6E, frame.data(), static_cast<uint8_t>(frame.size()), 10000);
}

// Reads a reply of up to `capacity` payload bytes; returns the payload
// (empty for a null message).
inline Bytes receive(int index, int capacity = 32) {
    uint8_t raw[64] = {};
    EXPECT_EQ(I2C_READ(index, 0x6F, raw, static_cast<uint8_t>(capacity + 3), 10000), 0);
    const int length = raw[1] & 0x7F;
    EXPECT_EQ(ddcChecksum(0x50, raw, length + 3), 0) << "reply checksum";
    return Bytes(raw + 2, raw + 2 + length);
}

class SimulatorTest : public ::testing::Test {
  protected:
    ScopedVirtualClock clock;

    // Sends a request and reads its reply after the monitor's reply time.
    Bytes ask(int index, const Bytes& payload, int capacity = 32) {
        EXPECT_EQ(send(index, request(payload)), 0);
        clock.sleep(50);
        return receive(index, capacity);
    }

    int value(int index, int code) {
        int v = -1;
        EXPECT_EQ(VeskolSimGetValue(index, code, &v), 0);
        return v;
    }

    int saved(int index, int code) {
        int v = -2;
        EXPECT_EQ(VeskolSimGetSavedValue(index, code, &v), 0);
        return v;
    }
};
