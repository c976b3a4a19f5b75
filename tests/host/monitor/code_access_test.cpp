// Single controls by VCP code on a monitor opened for its identity only:
// what reaches the bus, the model's rules on values and writes, storing the
// way each model stores, and every control of an open monitor in the order
// that restores it.
#include "tests/host/monitor/monitor_fixture.h"

#include <algorithm>

namespace {

class CodeAccessTest : public MonitorTest {
  protected:
    // Identity only: probe and EDID, nothing else.
    void identify(const char* profiles, int index = 0) {
        ASSERT_EQ(VeskolSimConfigure(profiles, "", ""), 0);
        ASSERT_EQ(monitor.openMonitor(index, false), 0);
        ASSERT_EQ(monitor.isOpen(), 0);
        clock.clearRecord();
    }
    // Value and maximum of `code`, read on the monitor.
    std::pair<int, int> read(int code) {
        int value = -1;
        int maximum = -1;
        EXPECT_EQ(monitor.readCode(code, value, maximum), 0) << code;
        return {value, maximum};
    }
};

}  // namespace

TEST_F(CodeAccessTest, ReadsOnlyTheCodesAskedForStandardAndPaged) {
    identify("tsw-lcd");
    EXPECT_EQ(read(0x10), std::pair(75, 100));
    EXPECT_EQ(read(0x0210), std::pair(3, 10));
    EXPECT_EQ(requests(0x01), 1);  // one Get VCP
    EXPECT_EQ(requests(0xC6), 1);  // one paged get
    EXPECT_EQ(requests(0xF3), 0);  // no capabilities, no full read

    // An action is never read; a code the monitor lacks has no value; both
    // leave the outputs alone.
    int value = -7;
    int maximum = -7;
    EXPECT_EQ(monitor.readCode(0x04, value, maximum), kCodeWithoutValue);
    EXPECT_EQ(requests(0x01), 1);
    EXPECT_EQ(monitor.readCode(0x8C, value, maximum), kCodeWithoutValue);
    EXPECT_EQ(value, -7);
    EXPECT_EQ(maximum, -7);

    // A monitor gone from the bus gives the link's error.
    ASSERT_EQ(VeskolSimSetFaults(0, "disappear=0"), 0);
    EXPECT_LT(monitor.readCode(0x10, value, maximum), 0);
    EXPECT_EQ(value, -7);
}

TEST_F(CodeAccessTest, WritesFollowTheModelsRulesAndFinishingStoresTheWayEachModelStores) {
    // Black levels counted downwards are read and written counted upwards.
    identify("qrv-inverted-black");
    const auto [value, maximum] = read(0x6C);
    EXPECT_EQ(value, maximum - simValue(0x6C));
    ASSERT_EQ(monitor.writeCode(0x6C, 10, maximum), 0);
    EXPECT_EQ(simValue(0x6C), maximum - 10);
    EXPECT_EQ(read(0x6C), std::pair(10, maximum));
    ASSERT_EQ(monitor.writeCode(0x10, 33, 100), 0);  // other codes as they are
    EXPECT_EQ(simValue(0x10), 33);

    // A paged set that the monitor answers busy is polled to its end.
    identify("qrv-crt,paged-busy", 1);
    ASSERT_EQ(monitor.writeCode(0x0201, 20, 31), 0);
    EXPECT_EQ(simValue(0x0201, 1), 20);

    // The sRGB preset of a four-preset model fixes brightness and gains:
    // refused unwritten there, written in another preset.
    identify("tsw-four-preset");
    ASSERT_EQ(VeskolSimSetValue(0, 0x14, 4), 0);
    const int brightness = simValue(0x10);
    EXPECT_EQ(monitor.writeCode(0x10, brightness / 2, 100), kCodeLocked);
    EXPECT_EQ(monitor.writeCode(0x18, 1, 100), kCodeLocked);
    EXPECT_EQ(simValue(0x10), brightness);
    EXPECT_EQ(requests(0x03), 0);
    ASSERT_EQ(VeskolSimSetValue(0, 0x14, 2), 0);
    EXPECT_EQ(monitor.writeCode(0x10, brightness / 2, 100), 0);
    EXPECT_EQ(simValue(0x10), brightness / 2);

    // A preset switch on a model that stores first: the store, the switch,
    // then the model's switch delay.
    identify("qrv-lcd-p4");
    const int before = VeskolSimSaveCount(0);
    ASSERT_EQ(monitor.writeCode(0x14, 6, 12), 0);
    EXPECT_EQ(VeskolSimSaveCount(0), before + 1);
    EXPECT_EQ(simValue(0x14), 6);
    const std::vector<int> waits = clock.waits();
    EXPECT_NE(std::find(waits.begin(), waits.end(), monitor.presetSwitchDelay()), waits.end());

    // MCCS save when asked, nothing when not; the vendor sequence on a model
    // that ignores the MCCS save; unasked on a model that stores every change.
    struct Case {
        const char* profile;
        int code, value;
        bool store;
        int mccsSaves, vendorSaves, saved;
    };
    const Case cases[] = {{"qrv-crt", 0x12, 40, false, 0, 0, -1},
                          {"qrv-crt", 0x12, 40, true, 1, 0, 40},
                          {"qrv-vendor-save", 0x10, 22, true, 0, 2, 22},
                          {"tsw-four-preset", 0x10, 30, false, 0, 2, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.profile) + (c.store ? " store" : ""));
        identify(c.profile);
        ASSERT_EQ(monitor.writeCode(c.code, c.value, 100), 0);
        EXPECT_EQ(monitor.finishWrites(c.store), 0);
        EXPECT_EQ(requests(0x0C), c.mccsSaves);
        EXPECT_EQ(requests(0xC0), c.vendorSaves);
        EXPECT_EQ(simSaved(c.code), c.saved);
    }

    // A failed MCCS save is reported.
    identify("qrv-crt");
    ASSERT_EQ(VeskolSimSetFaults(0, "disappear=0"), 0);
    EXPECT_LT(monitor.finishWrites(true), 0);
}

TEST_F(CodeAccessTest, ReadControlsListsPresetFirstThenTableThenPages) {
    std::vector<CodeReading> readings;
    int failedCode = 0;
    EXPECT_EQ(monitor.readControls(readings, failedCode), -1);  // not open

    open("tsw-lcd");
    ASSERT_EQ(monitor.readControls(readings, failedCode), 0);
    std::vector<int> codes;
    for (const CodeReading& r : readings) {
        codes.push_back(r.code);
        EXPECT_GT(r.maximum, 0);
        EXPECT_FALSE(monitor.isActionCode(r.code)) << r.code;
    }
    // Table order (0x60 and 0xD6 are no controls of the table), pages last.
    const std::vector<int> expected = {0x14, 0x10, 0x12, 0x16,   0x18,   0x1A,
                                       0x6C, 0x6E, 0x70, 0x0210, 0x0220, 0x0221};
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(readings.back().value, 64);
    EXPECT_EQ(readings.back().maximum, 255);

    // Values in the program's terms, as the sliders show them.
    open("qrv-inverted-black");
    ASSERT_EQ(monitor.readControls(readings, failedCode), 0);
    const auto black = std::find_if(readings.begin(), readings.end(),
                                    [](const CodeReading& r) { return r.code == 0x6C; });
    ASSERT_NE(black, readings.end());
    EXPECT_EQ(black->value, monitor.value(kFeatureRedBlackLevel));

    // A paged read that fails names its code.
    open("tsw-lcd");
    ASSERT_EQ(VeskolSimSetFaults(0, "disappear=0"), 0);
    EXPECT_LT(monitor.readControls(readings, failedCode), 0);
    EXPECT_EQ(failedCode, 0x0210);
}
