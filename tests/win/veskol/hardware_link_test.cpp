// The real-monitor backend reached as the program reaches it: the link's
// commands and the monitor object through the five display-interface
// functions, served in-process by the backend over a scripted table of
// monitor calls in place of the system's.
#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "link/clock.h"
#include "link/display_interface.h"
#include "link/link_errors.h"
#include "link/monitor_command_set.h"
#include "monitor/active_monitor.h"
#include "tests/support/fake_monitor_api.h"
#include "tests/win/veskol/in_process_hardware.h"
#include "veskol/library_errors.h"

namespace {

constexpr char kDevicePath[] = "\\\\?\\DISPLAY#TSW9999#5&1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";

// The EDID base block of a TSW panel of no listed model (product 0x9999).
std::vector<uint8_t> tswEdid() {
    std::vector<uint8_t> edid = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                                 0x52, 0x77, 0x99, 0x99, 0x01, 0x02, 0x00, 0x00};
    edid.resize(128, 0);
    edid[127] = static_cast<uint8_t>(-std::accumulate(edid.begin(), edid.end(), 0));
    return edid;
}

struct HardwareLink : ::testing::Test {
    ScopedVirtualClock clock;
    fake::MonitorCalls calls;

    void SetUp() override {
        fake::Monitor monitor;
        monitor.capabilities =
            "(prot(monitor)type(lcd)cmds(01 02 03 07 0C F3)vcp(10 12)mccs_ver(2.1))";
        monitor.vcps[0x12] = {60, 100};
        calls.displays = {{"\\\\.\\DISPLAY1", {monitor}, {fake::device(kDevicePath)}}};
        calls.registry[kDevicePath] = tswEdid();
        const veskol::hardware::MonitorApi api = calls.table();
        useHardwareApi(&api);
    }
    void TearDown() override { useHardwareApi(nullptr); }
    fake::Monitor& monitor() { return calls.displays[0].monitors[0]; }
};

}  // namespace

TEST_F(HardwareLink, VendorCommandsAndFailedCallsComeBackAsLibraryErrorsAndHandlesAreReleased) {
    // Requests the calls cannot carry are refused at the write, with no
    // call made; the link hands the library's errors up unchanged.
    MonitorCommandSet link(0, kTransferParameter, kInterfaceSelector);
    EnumerateInterfaces(1, kInterfaceSelector);
    const int requests = monitor().requests;
    int value = 0xAB, most = -1;
    uint8_t code = 0xFF, kind = 0xFF;
    EXPECT_EQ(link.vendorQuery(0x14, value), veskol::kLibNotAvailable);
    EXPECT_EQ(link.getPagedVcp(2, 0x3B, value, most, code, kind), veskol::kLibNotAvailable);
    EXPECT_EQ(link.setPagedVcp(2, 0x3B, value, most, code, kind), veskol::kLibNotAvailable);
    EXPECT_EQ(value, 0xAB);
    EXPECT_EQ(monitor().requests, requests);
    monitor().failing = {fake::Call::kGetVcp};
    int current = -1, maximum = -1;
    uint8_t result = 0xFF, type = 0xFF;
    EXPECT_EQ(link.getVcp(0x10, current, maximum, result, type), veskol::kLibApiFailed);
    EXPECT_EQ(current, -1);
    // A monitor device without an EDID value: its monitor answers, so it
    // is an interface, with no EDID to read.
    calls.registry[kDevicePath] = {};
    EnumerateInterfaces(1, kInterfaceSelector);
    uint8_t edid[kEdidSize];
    EXPECT_EQ(link.readEdid(edid), veskol::kLibNoEdid);

    ASSERT_EQ(calls.handlesOut(), 1u);
    useHardwareApi(nullptr);
    EXPECT_EQ(calls.handlesOut(), 0u);
    EXPECT_EQ(calls.wrongReleases, 0);
}

TEST_F(HardwareLink, TheMonitorObjectOpensAdjustsAndStoresARealMonitorUnchanged) {
    // Not a listed model: driven by its capabilities string.
    EnumerateInterfaces(1, kInterfaceSelector);
    ActiveMonitor active(0);
    ASSERT_EQ(active.openMonitor(0, true), 0);
    EXPECT_EQ(active.isUnlistedModel(), 1);
    EXPECT_EQ(active.capabilitiesLoaded(), 1);
    EXPECT_EQ(active.value(14), 50);  // brightness
    EXPECT_FLOAT_EQ(active.identity()->horizontalFrequency, 31.5f);
    EXPECT_FLOAT_EQ(active.identity()->verticalFrequency, 60.0f);
    EXPECT_EQ(monitor().capabilityReads, 1);
    std::string driver;
    ASSERT_EQ(active.driverName(driver), 0);
    EXPECT_EQ(driver, "Monitor Configuration API");

    ASSERT_EQ(active.setValue(14, 80), 0);
    EXPECT_EQ(monitor().vcps[0x10].current, 80u);
    ASSERT_EQ(active.storeSettings(), 0);
    EXPECT_EQ(monitor().saves, 1);
}
