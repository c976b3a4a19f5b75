// The monitor object on an interface served as the operating system's
// monitor calls serve it: the real-monitor backend's frame translation over a
// scripted table of calls, installed on the simulated bus. Such a library
// carries whole transactions with their waits and cannot carry the vendor
// queries.
#include <memory>
#include <string>
#include <utility>

#include "link/display_interface.h"
#include "tests/host/monitor/monitor_fixture.h"
#include "tests/support/fake_monitor_api.h"
#include "tests/support/scripted_device.h"
#include "veskol/hardware/monitor_bus.h"
#include "veskol/sim/edid_builder.h"

namespace {

constexpr char kPath[] = "\\\\?\\DISPLAY#QRV3115#5&1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";

// The backend's bus as a device of the simulated bus; counts the vendor
// queries the link sent.
class SystemCallsDevice : public veskol::SimDevice {
  public:
    explicit SystemCallsDevice(veskol::hardware::MonitorBus bus) : bus_(std::move(bus)) {}
    int write(uint8_t address, const uint8_t* data, int length) override {
        vendorQueries += length > 2 && data[2] == 0xC0 ? 1 : 0;
        return bus_.write(address, data, length);
    }
    int read(uint8_t address, uint8_t* buffer, int length) override {
        return bus_.read(address, buffer, length);
    }
    int vendorQueries = 0;

  private:
    veskol::hardware::MonitorBus bus_;
};

// A panel of the vendor-save list, as the simulator's profile describes it,
// behind the scripted system calls.
class SystemLibraryTest : public MonitorTest {
  protected:
    void SetUp() override {
        const veskol::MonitorProfile& profile = *veskol::findProfile("qrv-vendor-save");
        fake::Monitor panel;
        panel.capabilities = profile.capabilities;
        panel.capabilities->insert(panel.capabilities->rfind(')'), "vcp_p02(10)");
        for (const veskol::VcpDef& vcp : profile.vcps) {
            panel.vcps[static_cast<uint8_t>(vcp.code)] = {vcp.value, vcp.maximum};
        }
        calls.displays = {{"\\\\.\\DISPLAY1", {panel}, {fake::device(kPath)}}};
        const veskol::EdidBytes edid = veskol::buildEdid(profile.edid);
        calls.registry[kPath].assign(edid.begin(), edid.begin() + kEdidBlockSize);
        api = calls.table();
        veskol::hardware::DisplayEntry display;
        ASSERT_EQ(api.listDisplays(api.context, &display, 1), 1);
        ASSERT_TRUE(api.physicalMonitors(api.context, display.handle, 1, &physical));
    }
    void TearDown() override {
        // The bus may hold handles it took again; they go before the calls do.
        installScriptedDevice();
        (void)api.destroyPhysicalMonitors(api.context, 1, &physical.handle);
    }

    // Puts the panel on interface 0, its record with or without the tag.
    SystemCallsDevice& install(bool tagged) {
        installScriptedDevice();
        veskol::hardware::MonitorSlot slot;
        slot.handle = physical.handle;
        slot.displayName = "\\\\.\\DISPLAY1";
        slot.devicePath = kPath;
        auto device =
            std::make_unique<SystemCallsDevice>(veskol::hardware::MonitorBus(api, std::move(slot)));
        SystemCallsDevice& ref = *device;
        veskol::SimBus::instance().installDevice(0, std::move(device));
        if (tagged) {
            markWholeTransactions(0);
        }
        return ref;
    }
    fake::Monitor& panel() { return calls.displays[0].monitors[0]; }

    fake::MonitorCalls calls;
    veskol::hardware::MonitorApi api{};
    veskol::hardware::PhysicalMonitor physical;
};

}  // namespace

TEST_F(SystemLibraryTest, OpensWithoutTheLinksWaitsAndStoresThroughTheStandardSave) {
    // The same panel on a library that says nothing: every wait of the link.
    install(false);
    ASSERT_EQ(monitor.openMonitor(0, true), 0);
    ASSERT_EQ(monitor.isOpen(), 1);
    const int requests = panel().requests;
    EXPECT_GT(clock.totalWaited(), 150);

    SystemCallsDevice& device = install(true);
    clock.clearRecord();
    panel().requests = 0;
    ASSERT_EQ(monitor.openMonitor(0, true), 0);
    ASSERT_EQ(monitor.isOpen(), 1);
    EXPECT_EQ(panel().requests, requests);
    EXPECT_EQ(monitor.value(15), 50);
    // Only the monitor object's own pause before an unlisted model's
    // capabilities; the status byte's query was refused once, not retried.
    EXPECT_EQ(clock.waits(), std::vector<int>{150});
    EXPECT_EQ(device.vendorQueries, 1);
    // A vendor page the capabilities list is out of this library's reach: a
    // dump holds every other control and does not fail for it.
    std::vector<CodeReading> readings;
    int failedCode = 0;
    EXPECT_EQ(monitor.readControls(readings, failedCode), 0);
    EXPECT_FALSE(readings.empty());
    for (const CodeReading& reading : readings) {
        EXPECT_LE(reading.code, 0xFF);
    }

    // OK: the vendor store is refused at its first query, the standard save
    // stores instead.
    clock.clearRecord();
    ASSERT_EQ(monitor.setValue(15, 33), 0);
    EXPECT_EQ(monitor.usesVendorSave(), 1);
    ASSERT_EQ(monitor.storeSettings(), 0);
    EXPECT_EQ(panel().vcps[0x12].current, 33u);
    EXPECT_EQ(panel().saves, 1);
    EXPECT_EQ(device.vendorQueries, 2);
    EXPECT_EQ(clock.waitCount(), 0);

    // A save the monitor does not take is reported, and the change is still
    // there to be stored again.
    ASSERT_EQ(monitor.setValue(15, 34), 0);
    panel().failing = {fake::Call::kSave};
    EXPECT_EQ(monitor.storeSettings(), -1);
    EXPECT_EQ(monitor.value(15), 34);
    panel().failing.clear();
    EXPECT_EQ(monitor.storeSettings(), 0);
    EXPECT_EQ(panel().saves, 2);
}
