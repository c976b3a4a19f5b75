// The colour page's changes across re-reads: what the user changed stays
// changed for OK, Cancel and Undo, whichever colour-temperature control the
// monitor has, and gains stay untouched where the monitor fixes them.
#include "tests/host/monitor/monitor_fixture.h"

TEST_F(MonitorTest, RereadsKeepTheUsersChangesUndoRestoresTheTemperatureAndNativeKeepsTheGains) {
    open("tsw-rich-caps");  // colour temperature 35 on 0x0C, red gain 100
    ASSERT_EQ(monitor.setColourTemperature(40), 0);
    ASSERT_EQ(monitor.setGain(kColourRed, 60), 0);
    ASSERT_EQ(VeskolSimSetValue(0, 0x18, 77), 0);  // the monitor moved green itself

    ASSERT_EQ(monitor.rereadColours(), 0);
    EXPECT_EQ(monitor.gain(kColourGreen), 77);
    EXPECT_EQ(monitor.isColourTemperatureModified(), 1);
    EXPECT_EQ(monitor.isColourTemperatureChanged(), 1);
    EXPECT_EQ(monitor.isModified(18), 1);
    EXPECT_EQ(monitor.isModified(16), 0);
    EXPECT_EQ(monitor.anyModified(), 1);  // OK still stores

    // Cancel puts back the values read at opening.
    ASSERT_EQ(monitor.restoreAll(), 0);
    EXPECT_EQ(simValue(0x0C), 35);
    EXPECT_EQ(simValue(0x16), 100);

    monitor.clearControls();
    EXPECT_EQ(monitor.rereadColours(), -1);

    struct Case {
        const char* profile;
        int code;  // the request code 0x0C when listed, else the table's 0x54
        int opened;
        int written;
    };
    const Case cases[] = {{"tsw-rich-caps", 0x0C, 35, 40}, {"qrv-lcd-p4", 0x54, 100, 120}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        open(c.profile);
        EXPECT_EQ(monitor.isColourTemperatureChanged(), 0);
        ASSERT_EQ(monitor.setColourTemperature(c.written), 0);
        EXPECT_EQ(simValue(c.code), c.written);
        EXPECT_EQ(monitor.isColourTemperatureChanged(), 1);
        ASSERT_EQ(monitor.restoreColourTemperature(), 0);
        EXPECT_EQ(simValue(c.code), c.opened);
        EXPECT_EQ(monitor.colourTemperature(), c.opened);
        EXPECT_EQ(monitor.isColourTemperatureChanged(), 0);
    }

    VeskolSimConfigure("tsw-rich-caps", "", "");
    ASSERT_EQ(VeskolSimSetValue(0, 0x14, 2), 0);  // display native
    ASSERT_EQ(monitor.openMonitor(0, true), 0);
    ASSERT_EQ(monitor.isNativeActive(), 1);
    EXPECT_EQ(monitor.gainAvailability(), 2);  // said usable, yet without a range
    EXPECT_EQ(monitor.gainMaximum(kColourRed), 0);
    const int writes = requests(0x03);
    EXPECT_EQ(monitor.setGain(kColourRed, 50), 0);
    EXPECT_EQ(requests(0x03), writes);
    EXPECT_EQ(simValue(0x16), 100);
}
