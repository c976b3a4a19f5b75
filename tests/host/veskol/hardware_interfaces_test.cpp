// The real-monitor backend's interfaces over a scripted table of monitor
// calls: which physical monitors become interfaces and in what order, their
// information records, and that every handle handed out is released.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "link/clock.h"
#include "link/display_interface.h"
#include "tests/support/fake_monitor_api.h"
#include "veskol/hardware/backend_choice.h"
#include "veskol/hardware/hardware_backend.h"
#include "veskol/library_errors.h"

using veskol::hardware::HardwareBackend;

namespace {

const uint8_t kGetBrightness[] = {0x51, 0x82, 0x01, 0x10, 0xAC};
const uint8_t kSave[] = {0x51, 0x81, 0x0C, 0xB2};

fake::Monitor monitorWithBrightness(uint32_t brightness) {
    fake::Monitor m;
    m.vcps[0x10].current = brightness;
    return m;
}

// The brightness interface `index` reports, which tells the monitors
// apart: -1 when the request fails, -2 when it is "unsupported".
int brightnessOf(HardwareBackend& backend, int index) {
    uint8_t reply[11] = {};
    if (backend.write(index, kDdcAddress, kGetBrightness, sizeof kGetBrightness) != 0 ||
        backend.read(index, kDdcAddress | 1, reply, sizeof reply) != 0) {
        return -1;
    }
    return reply[3] != 0 ? -2 : reply[8] << 8 | reply[9];
}

// The first EDID byte interface `index` serves: -1 when it serves none.
int edidOf(HardwareBackend& backend, int index) {
    const uint8_t zero = 0;
    uint8_t edid = 0;
    if (backend.write(index, kEdidAddress, &zero, 1) != 0 ||
        backend.read(index, kEdidAddress | 1, &edid, 1) != 0) {
        return -1;
    }
    return edid;
}

// An EDID base block's first twelve bytes: manufacturer and product.
std::vector<uint8_t> edidWithIds(uint8_t first, uint16_t vendor, uint16_t product) {
    return {first,
            0xFF,
            0xFF,
            0xFF,
            0xFF,
            0xFF,
            0xFF,
            0x00,
            static_cast<uint8_t>(vendor),
            static_cast<uint8_t>(vendor >> 8),
            static_cast<uint8_t>(product),
            static_cast<uint8_t>(product >> 8)};
}

}  // namespace

TEST(HardwareInterfaces, OnePerAnsweringMonitorByDisplayNumberThenPhysicalMonitor) {
    ScopedVirtualClock clock;
    fake::MonitorCalls calls;
    fake::Monitor silent = monitorWithBrightness(99);
    silent.ddc = false;
    fake::Monitor timingOnly = monitorWithBrightness(98);
    timingOnly.failing = {fake::Call::kGetVcp};  // still answers: its timing report
    fake::Monitor noBrightness;
    noBrightness.vcps.clear();  // answers "unsupported" for brightness
    calls.displays = {
        {"\\\\.\\DISPLAY10", {monitorWithBrightness(40)}, {}},
        {"\\\\.\\DISPLAY2", {monitorWithBrightness(20), silent, monitorWithBrightness(21)}, {}},
        {"\\\\.\\DISPLAY1",
         {monitorWithBrightness(10), noBrightness},
         {fake::device("\\\\?\\DISPLAY#OFF#1", false), fake::device("\\\\?\\DISPLAY#A#1"),
          fake::device("\\\\?\\DISPLAY#B#1")}},
        {"\\\\.\\DISPLAY3", {timingOnly}, {}},
        {"\\\\.\\DISPLAY4", {monitorWithBrightness(50)}, {}, true},         // count fails
        {"\\\\.\\DISPLAY5", {monitorWithBrightness(51)}, {}, false, true},  // handles refused
    };
    // Each monitor's EDID is that of its display's active monitor device at its place.
    calls.registry["\\\\?\\display#off#1"] = {0xEE};
    calls.registry["\\\\?\\display#a#1"] = {0xA0};
    calls.registry["\\\\?\\display#b#1"] = {0xB0};
    HardwareBackend backend(calls.table());
    ASSERT_EQ(backend.interfaceCount(), 6u);          // the first call enumerates
    const int expected[] = {10, -2, 20, 21, -1, 40};  // -1: the timing-only monitor
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(brightnessOf(backend, i), expected[i]) << i;
    }
    const uint8_t zero = 0;
    for (int i = 0; i < 2; ++i) {
        uint8_t edid = 0;
        ASSERT_EQ(backend.write(i, kEdidAddress, &zero, 1), 0);
        ASSERT_EQ(backend.read(i, kEdidAddress | 1, &edid, 1), 0);
        EXPECT_EQ(edid, i == 0 ? 0xA0 : 0xB0);
    }

    DisplayInterfaceInfo info;
    std::memset(&info, 0xAB, sizeof info);
    info.size = kDisplayInterfaceInfoSize;
    ASSERT_EQ(backend.interfaceInfo(5, &info), 0);
    EXPECT_STREQ(info.driverName, "Monitor Configuration API");
    EXPECT_EQ(std::memcmp(info.reserved1, kWholeTransactionsTag, 4), 0);
    EXPECT_EQ(info.skip + info.reserved1[4] + info.reserved2[1], 0);
    info.size = 95;
    EXPECT_EQ(backend.interfaceInfo(0, &info), veskol::kLibBadArgument);
    info.size = kDisplayInterfaceInfoSize;
    EXPECT_EQ(backend.interfaceInfo(6, &info), veskol::kLibBadArgument);
    EXPECT_EQ(backend.interfaceInfo(-1, &info), veskol::kLibBadArgument);
    EXPECT_EQ(backend.interfaceInfo(0, nullptr), veskol::kLibBadArgument);
    uint8_t byte = 0;
    EXPECT_EQ(backend.write(6, kEdidAddress, &byte, 1), veskol::kLibBadArgument);
    EXPECT_EQ(backend.read(-1, kEdidAddress | 1, &byte, 1), veskol::kLibBadArgument);
}

TEST(HardwareInterfaces, EveryHandleHandedOutIsReleasedOnEveryPath) {
    ScopedVirtualClock clock;
    fake::MonitorCalls calls;
    fake::Monitor silent;
    silent.ddc = false;
    calls.displays = {{"\\\\.\\DISPLAY1", {fake::Monitor{}, silent}, {}},
                      {"\\\\.\\DISPLAY2", {silent, silent}, {}},
                      {"\\\\.\\DISPLAY3", {fake::Monitor{}}, {}, false, true}};
    {
        HardwareBackend backend(calls.table());
        ASSERT_EQ(backend.enumerate(), 1);
        // The display none of whose monitors answers is given back at once;
        // the other keeps both its handles while its interface exists.
        EXPECT_EQ(calls.releaseCalls, 1);
        EXPECT_EQ(calls.handlesOut(), 2u);

        // A new list releases the old one's monitors; a monitor that went
        // away leaves the list.
        calls.displays[0].monitors[0].ddc = false;
        ASSERT_EQ(backend.enumerate(), 0);
        EXPECT_EQ(calls.handlesOut(), 0u);
        EXPECT_EQ(backend.write(0, kDdcAddress, kSave, 4), veskol::kLibBadArgument);
        calls.displays[0].monitors[0].ddc = true;
        ASSERT_EQ(backend.enumerate(), 1);
        EXPECT_EQ(backend.write(0, kDdcAddress, kSave, 4), 0);
        EXPECT_EQ(calls.displays[0].monitors[0].saves, 1);
    }
    EXPECT_EQ(calls.handlesOut(), 0u);  // the backend's end releases the rest
    EXPECT_EQ(calls.wrongReleases, 0);
}

TEST(HardwareInterfaces, MonitorsWithAnEdidNeedNoAnswerOthersGetThreeTries150MsApart) {
    ScopedVirtualClock clock;
    fake::MonitorCalls calls;
    fake::Monitor asleep;
    asleep.ddc = false;
    fake::Monitor waking = monitorWithBrightness(30);
    waking.failuresLeft = 4;  // two probes of two requests each
    fake::Monitor silent;
    silent.ddc = false;
    calls.displays = {{"\\\\.\\DISPLAY1", {asleep}, {fake::device("\\\\?\\DISPLAY#A#1")}},
                      {"\\\\.\\DISPLAY2", {waking, silent}, {}}};
    calls.registry["\\\\?\\DISPLAY#A#1"] = {0xA0};
    calls.countSurplus = 1;  // a monitor went between the count and the handles
    HardwareBackend backend(calls.table());
    ASSERT_EQ(backend.enumerate(), 2);
    EXPECT_EQ(calls.displays[0].monitors[0].requests, 0);  // listed by its EDID alone
    EXPECT_EQ(clock.waits(), (std::vector<int>{150, 150, 150, 150}));
    EXPECT_EQ(calls.countCalls, 3);  // the changed count read once more
    EXPECT_EQ(edidOf(backend, 0), 0xA0);
    EXPECT_EQ(brightnessOf(backend, 1), 30);
    // A failure on a monitor that never answered searches nothing; awake, it answers.
    EXPECT_EQ(brightnessOf(backend, 0), -1);
    EXPECT_EQ(calls.listCalls, 1);
    calls.displays[0].monitors[0].ddc = true;
    EXPECT_EQ(brightnessOf(backend, 0), 50);
    EXPECT_EQ(calls.handlesOut(), 3u);  // the silent monitor shares its display's handles
}

TEST(HardwareInterfaces, DuplicatedMonitorsArePairedWithDevicesOnlyWhereNothingContradictsIt) {
    ScopedVirtualClock clock;
    constexpr char kA[] = "\\\\?\\DISPLAY#QRV1234#1";
    constexpr char kB[] = "\\\\?\\DISPLAY#ZKX0001#1";
    const auto target = [](const char* path, uint16_t vendor, uint16_t product) {
        veskol::hardware::DisplayTarget t;
        std::strcpy(t.devicePath, path);
        t.edidIdsValid = true;
        t.edidManufacturer = vendor;
        t.edidProduct = product;
        return t;
    };
    const struct {
        const char* descriptions[2];
        const char* deviceNames[2];
        std::vector<veskol::hardware::DisplayTarget> targets;
        bool thirdDevice;
        int edids[2];
    } cases[] = {
        {{"", ""}, {"QRV G17", "Other"}, {}, false, {0xA0, 0xB0}},
        {{"qrv g17 ", "Other"}, {"QRV G17", "Other"}, {}, false, {0xA0, 0xB0}},
        {{"Other", "QRV G17"}, {"QRV G17", "Other"}, {}, false, {-1, -1}},  // swapped
        {{"", ""},
         {"", ""},
         {target(kA, 0x5646, 0x1234), target(kB, 0x7752, 1)},
         false,
         {0xA0, -1}},  // B's registry is not B
        {{"", ""}, {"", ""}, {target(kA, 0x4656, 0x3412)}, false, {0xA0, 0xB0}},  // other order
        {{"", ""}, {"", ""}, {}, true, {-1, -1}},                                 // counts disagree
    };
    for (const auto& c : cases) {
        fake::MonitorCalls calls;
        std::vector<fake::Monitor> monitors(2);
        std::vector<veskol::hardware::MonitorDevice> devices;
        for (int i = 0; i < 2; ++i) {
            monitors[i].description = c.descriptions[i];
            devices.push_back(fake::device(i == 0 ? kA : kB, true, c.deviceNames[i]));
        }
        if (c.thirdDevice) {
            devices.push_back(fake::device("\\\\?\\DISPLAY#C#1"));
        }
        calls.displays = {{"\\\\.\\DISPLAY1", monitors, devices}};
        calls.registry[kA] = edidWithIds(0xA0, 0x5646, 0x1234);
        calls.registry[kB] = edidWithIds(0xB0, 0x7C5A, 0x0001);
        calls.targets = c.targets;
        HardwareBackend backend(calls.table());
        ASSERT_EQ(backend.enumerate(), 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(edidOf(backend, i), c.edids[i]) << c.descriptions[0] << i;
        }
    }
    // One monitor on its display is its device, whatever the strings say.
    fake::MonitorCalls calls;
    fake::Monitor alone;
    alone.description = "Generic PnP Monitor";
    calls.displays = {{"\\\\.\\DISPLAY1", {alone}, {fake::device(kA, true, "QRV G17")}}};
    calls.registry[kA] = edidWithIds(0xA0, 0x5646, 0x1234);
    HardwareBackend backend(calls.table());
    ASSERT_EQ(backend.enumerate(), 1);
    EXPECT_EQ(edidOf(backend, 0), 0xA0);
}

TEST(HardwareInterfaces, AMonitorThatComesBackIsFoundAgainByItsDeviceAtMostOnceIn2s) {
    ScopedVirtualClock clock;
    fake::MonitorCalls calls;
    calls.displays = {
        {"\\\\.\\DISPLAY1", {monitorWithBrightness(10)}, {fake::device("\\\\?\\DISPLAY#A#1")}},
        {"\\\\.\\DISPLAY2", {monitorWithBrightness(20)}, {fake::device("\\\\?\\DISPLAY#B#1")}}};
    calls.registry["\\\\?\\display#a#1"] = {0xA0};
    calls.registry["\\\\?\\display#b#1"] = {0xB0};
    HardwareBackend backend(calls.table());
    ASSERT_EQ(backend.enumerate(), 2);
    ASSERT_EQ(brightnessOf(backend, 1), 20);

    // The PC slept: every handle is dead, and the desktop now numbers the
    // displays the other way round.
    calls.staleHandles();
    std::swap(calls.displays[0], calls.displays[1]);
    calls.displays[0].name = "\\\\.\\DISPLAY3";
    const uint8_t set55[] = {0x51, 0x84, 0x03, 0x10, 0x00, 0x37, 0x9F};
    ASSERT_EQ(backend.write(1, kDdcAddress, set55, sizeof set55), 0);
    EXPECT_EQ(calls.displays[0].monitors[0].sets,
              (std::vector<std::pair<uint8_t, uint32_t>>{{0x10, 55}}));
    EXPECT_EQ(brightnessOf(backend, 1), 55);  // the same index, the fresh handle
    EXPECT_EQ(edidOf(backend, 1), 0xB0);
    EXPECT_EQ(calls.handlesOut(), 2u);  // the dead one released, the other display's too
    EXPECT_EQ(calls.listCalls, 2);

    // Gone again: one search, then the dead handle is left alone for 2 s.
    calls.staleHandles();
    const int staleCalls = calls.staleCalls;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(brightnessOf(backend, 1), -1);
    }
    EXPECT_EQ(calls.listCalls, 2);
    EXPECT_EQ(calls.staleCalls, staleCalls + 1);
    clock.advance(2000);
    EXPECT_EQ(brightnessOf(backend, 1), 55);
    EXPECT_EQ(calls.listCalls, 3);

    // Unplugged: the search finds nothing and nothing breaks.
    calls.staleHandles();
    calls.displays.pop_back();
    clock.advance(2000);
    EXPECT_EQ(brightnessOf(backend, 0), -1);
    EXPECT_EQ(calls.wrongReleases, 0);
}

TEST(DevicePaths, MatchWhateverTheCaseAndDisplaysSortByTheirNumber) {
    using veskol::hardware::displayNameBefore;
    using veskol::hardware::sameDevicePath;
    EXPECT_TRUE(sameDevicePath("\\\\?\\DISPLAY#ABC1234#{E6F0}", "\\\\?\\display#abc1234#{e6f0}"));
    EXPECT_FALSE(sameDevicePath("\\\\?\\DISPLAY#ABC1234", "\\\\?\\DISPLAY#ABC12345"));
    EXPECT_FALSE(sameDevicePath("\\\\?\\DISPLAY#ABC1234", nullptr));
    EXPECT_TRUE(displayNameBefore("\\\\.\\DISPLAY2", "\\\\.\\DISPLAY10"));
    EXPECT_FALSE(displayNameBefore("\\\\.\\DISPLAY10", "\\\\.\\DISPLAY2"));
    EXPECT_TRUE(displayNameBefore("\\\\.\\DISPLAY1", "\\\\.\\DISPLAY01x"));
    EXPECT_FALSE(displayNameBefore("\\\\.\\DISPLAY3", "\\\\.\\DISPLAY3"));
    EXPECT_TRUE(displayNameBefore("\\\\.\\DISPLAY", "\\\\.\\DISPLAY1"));
}

TEST(BackendChoice, VeskolBackendForcesEitherWayOtherwiseASimulationOrWineGivesTheSimulator) {
    using veskol::Backend;
    using veskol::BackendRequest;
    using veskol::backendRequestOf;
    EXPECT_EQ(backendRequestOf("hardware"), BackendRequest::kHardware);
    EXPECT_EQ(backendRequestOf("Simulator"), BackendRequest::kSimulator);
    for (const char* nothing : {static_cast<const char*>(nullptr), "", "hardwar", "hardware2"}) {
        EXPECT_EQ(backendRequestOf(nothing), BackendRequest::kNone) << (nothing ? nothing : "null");
    }
    // {request, simulation named, under Wine, backend}
    const struct {
        BackendRequest request;
        bool simulate, wine;
        Backend expected;
    } cases[] = {
        {BackendRequest::kHardware, true, true, Backend::kHardware},
        {BackendRequest::kSimulator, false, false, Backend::kSimulator},
        {BackendRequest::kNone, false, false, Backend::kHardware},
        {BackendRequest::kNone, true, false, Backend::kSimulator},
        {BackendRequest::kNone, false, true, Backend::kSimulator},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(veskol::chooseBackend(c.request, c.simulate, c.wine), c.expected)
            << static_cast<int>(c.request) << c.simulate << c.wine;
    }
}
