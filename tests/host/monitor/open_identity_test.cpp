#include "tests/host/monitor/monitor_fixture.h"
#include "tests/support/scripted_device.h"
#include "veskol/sim/edid_builder.h"
#include "veskol/sim/monitor_profile.h"

TEST_F(MonitorTest, IdentityOnlyOpenFillsTheIdentityButLeavesTheMonitorClosed) {
    VeskolSimConfigure("other-vendor,tsw-lcd", "", "");
    ASSERT_EQ(monitor.openMonitor(1, false), 0);
    EXPECT_EQ(monitor.isOpen(), 0);
    EXPECT_EQ(monitor.identity(), nullptr);
    const MonitorIdentity& id = monitor.identityFields();
    EXPECT_STREQ(id.vendorLetters, "TSW");
    EXPECT_STREQ(id.productCodeText, "4C20");
    EXPECT_EQ(id.monitorId, 0x77524C20u);
    EXPECT_STREQ(id.modelName, "TSW L19A");
    EXPECT_STREQ(id.serialText, "77001");  // no serial descriptor: the number
    EXPECT_EQ(requests(0x01, 1), 0);       // no control was read
    EXPECT_EQ(requests(0xF3, 1), 0);

    ASSERT_EQ(monitor.openMonitor(-1, false), 0);
    EXPECT_STREQ(id.vendorLetters, "");
    EXPECT_STREQ(id.productCodeText, "");
    EXPECT_EQ(id.monitorId, 0u);
    EXPECT_EQ(monitor.interfaceIndex(), -1);
}

TEST_F(MonitorTest, FullOpenReadsIdentityCapabilitiesControlsTimingAndStatus) {
    open("other-vendor,tsw-lcd", 1);
    ASSERT_EQ(monitor.isOpen(), 1);
    const MonitorIdentity* id = monitor.identity();
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id->weekOfManufacture, 30);
    EXPECT_EQ(id->yearOfManufacture, 2006);
    EXPECT_EQ(id->minVerticalRate, 56);
    EXPECT_EQ(id->maxVerticalRate, 76);
    EXPECT_EQ(id->minHorizontalRate, 30);
    EXPECT_EQ(id->maxHorizontalRate, 82);
    EXPECT_FLOAT_EQ(id->horizontalFrequency, 64.0f);
    EXPECT_FLOAT_EQ(id->verticalFrequency, 60.0f);
    EXPECT_EQ(monitor.digitalInput(), 1);
    EXPECT_EQ(monitor.statusByte(), 0x21);
    EXPECT_EQ(monitor.timingFlags()[3], 0x01);  // status 0x03: both polarities positive
    EXPECT_EQ(monitor.timingFlags()[0], 0);

    // An unlisted model: driven by its capabilities string.
    EXPECT_EQ(monitor.isUnlistedModel(), 1);
    EXPECT_EQ(monitor.capabilitiesLoaded(), 1);
    EXPECT_EQ(monitor.displayTechnology(), 2);
    EXPECT_EQ(monitor.hasGeometry(), 0);
    EXPECT_EQ(monitor.isCodeSupported(0x0220), 1);
    EXPECT_EQ(monitor.isCodeSupported(0x20), 0);
    EXPECT_EQ(monitor.value(14), 75);
    EXPECT_EQ(monitor.maximum(14), 100);

    std::string driver;
    EXPECT_EQ(monitor.driverName(driver), 0);
    EXPECT_EQ(driver, "VESKOL Simulated DDC/CI");
}

TEST_F(MonitorTest, ClosingForgetsTheMonitorAndANewOpenStartsAfresh) {
    open("tsw-lcd,qrv-crt");
    ASSERT_EQ(monitor.isOpen(), 1);
    ASSERT_EQ(monitor.setValue(14, 10), 0);
    ASSERT_EQ(monitor.openMonitor(-1, true), 0);
    EXPECT_EQ(monitor.anyModified(), 0);
    EXPECT_EQ(monitor.isOpen(), 0);
    EXPECT_EQ(monitor.identity(), nullptr);
    EXPECT_EQ(monitor.capabilitiesLoaded(), 0);
    EXPECT_EQ(monitor.value(14), -1);
    std::string driver;
    EXPECT_EQ(monitor.driverName(driver), 0);
    EXPECT_EQ(driver, "VESKOL");  // no interface any more
    EXPECT_EQ(monitor.storeSettings(), -1);
}

TEST_F(MonitorTest, AMonitorWhoseControlsAllFailNeverOpens) {
    // EDID answers, the capabilities do not, every Get VCP gets null messages.
    ScriptedDevice& bus = installScriptedDevice();
    const veskol::EdidBytes edid = veskol::buildEdid(veskol::findProfile("tsw-lcd")->edid);
    bus.setEdid(std::vector<uint8_t>(edid.begin(), edid.end()));
    ASSERT_EQ(monitor.openMonitor(0, true), 0);
    EXPECT_EQ(monitor.isOpen(), 0);
    EXPECT_EQ(monitor.identityFields().monitorId, 0x77524C20u);
    EXPECT_EQ(monitor.capabilitiesLoaded(), 0);
    EXPECT_EQ(monitor.isCodeSupported(0x10), -1);  // no capabilities, no template

    // Every code was a candidate, but after 21 failed reads the 22nd control
    // (index 22, VCP 0x42) was not tried.
    std::vector<int> codes;
    for (const auto& payload : bus.sentPayloads()) {
        if (payload[0] == 0x01 && (codes.empty() || codes.back() != payload[1])) {
            codes.push_back(payload[1]);
        }
    }
    ASSERT_EQ(codes.size(), 21u);
    EXPECT_EQ(codes.front(), 0x00);  // even the degauss action: support unknown
    EXPECT_EQ(codes.back(), 0x40);   // index 21
    EXPECT_EQ(monitor.storeSettings(), -1);
    EXPECT_EQ(monitor.controlAvailability(kIndexBrightness), 0);
}

TEST_F(MonitorTest, AnAbortOrAnEdidFailureLeavesTheMonitorClosed) {
    abortFlag = 1;  // stops the full read
    VeskolSimConfigure("tsw-lcd", "", "");
    ASSERT_EQ(monitor.openMonitor(0, true), 0);
    EXPECT_EQ(monitor.isOpen(), 0);
    EXPECT_EQ(requests(0x01), 0);
    EXPECT_EQ(monitor.refreshControl(kIndexBrightness, true), 0);

    // Without an EDID there is no identity either.
    abortFlag = 0;
    ASSERT_EQ(VeskolSimSetFaults(0, "disappear=0"), 0);
    ASSERT_EQ(monitor.openMonitor(0, true), 0);
    EXPECT_EQ(monitor.isOpen(), 0);
    EXPECT_EQ(monitor.identityFields().monitorId, 0u);
    EXPECT_STREQ(monitor.identityFields().vendorLetters, "");
}

namespace {

// A bus whose library reports every read as done (a non-negative result)
// without putting a byte into the buffer.
class EmptyReadBus : public veskol::SimDevice {
  public:
    int write(uint8_t, const uint8_t*, int) override { return 0; }
    int read(uint8_t, uint8_t*, int) override { return 1; }
};

}  // namespace

TEST_F(MonitorTest, AnEmptyEdidReadOrAFailedOpenNeverShowsOrTouchesThePreviousMonitor) {
    VeskolSimConfigure("tsw-lcd", "", "");
    veskol::SimBus::instance().installDevice(1, std::make_unique<EmptyReadBus>());
    // One interface after the other from one place, as the monitor list reads
    // them: the second read's buffer lies where the first one's bytes are.
    ActiveMonitor readers[] = {ActiveMonitor{0}, ActiveMonitor{1}};
    int results[2] = {};
    for (int i = 0; i < 2; ++i) {
        results[i] = readers[i].readIdentity();
    }
    EXPECT_EQ(results[0], 0);
    EXPECT_EQ(readers[0].identityFields().monitorId, 0x77524C20u);
    EXPECT_NE(results[1], 0);
    EXPECT_EQ(readers[1].identityFields().monitorId, 0u);
    EXPECT_STREQ(readers[1].identityFields().vendorLetters, "");

    open("tsw-lcd");
    ASSERT_EQ(monitor.setValue(14, 10), 0);
    // The next monitor's EDID is unreadable (all zeros): its open fails.
    auto next = std::make_unique<ScriptedDevice>();
    const ScriptedDevice& nextBus = *next;
    veskol::SimBus::instance().installDevice(1, std::move(next));
    ASSERT_EQ(monitor.openMonitor(1, true), 0);
    ASSERT_EQ(monitor.isOpen(), 0);

    // The store question is not asked, and answering it sends nothing.
    EXPECT_EQ(monitor.anyModified(), 0);
    EXPECT_EQ(monitor.restoreAll(), 0);
    EXPECT_EQ(monitor.storeSettings(), -1);
    EXPECT_TRUE(nextBus.sentPayloads().empty());
    EXPECT_EQ(simValue(0x10), 10);
}
