// The link against the simulated monitors: the whole path from command to
// bytes and back, as it runs in the program.
#include <cstring>
#include <string>

#include "link/clock.h"
#include "link/monitor_command_set.h"
#include "tests/host/link/link_fixture.h"
#include "veskol/sim/monitor_profile.h"
#include "veskol/sim/sim_bus.h"
#include "veskol/simulator_api.h"

namespace {

class SimulatedMonitorTest : public ::testing::Test {
  protected:
    SimulatedMonitorTest() {
        veskol::SimBus::instance().configure("qrv-crt,tsw-lcd,paged-busy", "", "");
    }

    ScopedVirtualClock clock;
    MonitorCommandSet crt{0, 10000, 3};
    MonitorCommandSet lcd{1, 10000, 3};
    MonitorCommandSet paged{2, 10000, 3};
};

}  // namespace

TEST_F(SimulatedMonitorTest, ReadsIdentityValuesAndTiming) {
    uint8_t edid[kEdidSize];
    ASSERT_EQ(crt.readEdid(edid), 0);
    EXPECT_EQ(edid[8], 0x46);  // QRV, vendor word 0x5646
    EXPECT_EQ(edid[9], 0x56);
    EXPECT_EQ(edid[10] | edid[11] << 8, 0x2017);

    ASSERT_EQ(lcd.readEdid(edid), 0);  // with its CEA extension
    EXPECT_EQ(edid[126], 1);
    EXPECT_EQ(edid[128], 0x02);

    VcpReading r;
    ASSERT_EQ(crt.getVcp(0x10, r.current, r.maximum, r.result, r.type), 0);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.maximum, 100);
    EXPECT_EQ(r.current, 50);

    ASSERT_EQ(crt.getVcp(0x8C, r.current, r.maximum, r.result, r.type), 0);  // not a control of it
    EXPECT_EQ(r.result, 1);

    uint8_t status = 0;
    float horizontal = 0, vertical = 0;
    ASSERT_EQ(lcd.getTimingReport(status, horizontal, vertical), 0);
    EXPECT_FLOAT_EQ(horizontal, 64.0f);
    EXPECT_FLOAT_EQ(vertical, 60.0f);
}

TEST_F(SimulatedMonitorTest, SetSaveAndReadBack) {
    ASSERT_EQ(crt.setVcp(0x12, 33), 0);
    int value = 0;
    ASSERT_EQ(VeskolSimGetValue(0, 0x12, &value), 0);
    EXPECT_EQ(value, 33);
    ASSERT_EQ(VeskolSimGetSavedValue(0, 0x12, &value), 0);
    EXPECT_EQ(value, -1);

    ASSERT_EQ(crt.saveSettings(), 0);
    ASSERT_EQ(VeskolSimGetSavedValue(0, 0x12, &value), 0);
    EXPECT_EQ(value, 33);
    EXPECT_EQ(VeskolSimSaveCount(0), 1);

    VcpReading r;
    ASSERT_EQ(crt.getVcp(0x12, r.current, r.maximum, r.result, r.type), 0);
    EXPECT_EQ(r.current, 33);
}

TEST_F(SimulatedMonitorTest, CapabilitiesComeBackWhole) {
    char text[kCapabilitiesBufferSize];
    const int length = lcd.readCapabilities(text, sizeof text);
    const char* expected = veskol::findProfile("tsw-lcd")->capabilities;
    ASSERT_EQ(length, static_cast<int>(std::strlen(expected)));
    EXPECT_STREQ(text, expected);
    EXPECT_EQ(VeskolSimRequestCount(1, 0xF3), (length + 31) / 32 + 1);
}

TEST_F(SimulatedMonitorTest, PagedCodesOfAVendorPageAndABusyPagedSet) {
    VcpReading r;
    ASSERT_EQ(lcd.getVcp(0x0220, r.current, r.maximum, r.result, r.type), 0);
    EXPECT_EQ(r.maximum, 255);
    EXPECT_EQ(r.current, 128);
    ASSERT_EQ(lcd.setVcp(0x0220, 140), 0);
    int value = 0;
    ASSERT_EQ(VeskolSimGetValue(1, 0x0220, &value), 0);
    EXPECT_EQ(value, 140);

    // A busy monitor's paged set is polled until the monitor answers.
    clock.clearRecord();
    r.current = 20;
    ASSERT_EQ(paged.setPagedVcp(2, 0x01, r.current, r.maximum, r.result, r.type), 0);
    EXPECT_EQ(r.current, 20);
    EXPECT_EQ(r.maximum, 31);
    EXPECT_EQ(VeskolSimRequestCount(2, 0xC8), 1);  // sent once, then polled
    // The first read of the set and two polls see "busy"; the third poll
    // gets the reply: 50+50 for the exchange, then 3 x (100 + 50).
    EXPECT_EQ(clock.totalWaited(), 100 + 3 * 150);
}
