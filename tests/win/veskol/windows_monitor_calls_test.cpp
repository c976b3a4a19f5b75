// The Windows glue of the real-monitor backend against what Wine offers:
// its display, the display's monitor device found again in the device
// registry by its interface path, the EDID value there, and Wine's monitor
// calls, which give no physical monitor, so no interface.
#include <gtest/gtest.h>

#include "platform/win32.h"

// After windows.h, which it needs.
#include <setupapi.h>

#include <numeric>
#include <string>
#include <vector>

#include "link/display_interface.h"
#include "veskol/hardware/hardware_backend.h"
#include "veskol/hardware/windows_monitor_api.h"
#include "veskol/library_errors.h"

using namespace veskol::hardware;

namespace {

constexpr GUID kMonitorInterfaceClass = {
    0xe6f07b5f, 0xee97, 0x4a90, {0xb0, 0x76, 0x33, 0xf5, 0x7b, 0xf4, 0xea, 0xa7}};

// Writes (or, with an empty value, deletes) the EDID value of the first
// monitor device, as a monitor driver would.
bool setFirstMonitorsEdid(const std::vector<uint8_t>& value) {
    HDEVINFO list = SetupDiGetClassDevsW(&kMonitorInterfaceClass, nullptr, nullptr,
                                         DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    HKEY key =
        SetupDiEnumDeviceInfo(list, 0, &device)
            ? SetupDiOpenDevRegKey(list, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_SET_VALUE)
            : static_cast<HKEY>(INVALID_HANDLE_VALUE);
    SetupDiDestroyDeviceInfoList(list);
    if (key == INVALID_HANDLE_VALUE) {
        return false;
    }
    const LSTATUS status = value.empty() ? RegDeleteValueW(key, L"EDID")
                                         : RegSetValueExW(key, L"EDID", 0, REG_BINARY, value.data(),
                                                          static_cast<DWORD>(value.size()));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

TEST(WindowsMonitorCalls, FindTheDisplaysMonitorDeviceAndItsEdidButNoPhysicalMonitorUnderWine) {
    const MonitorApi api = systemMonitorApi();
    DisplayEntry displays[8];
    const int count = api.listDisplays(api.context, displays, 8);
    ASSERT_GE(count, 1);
    EXPECT_EQ(std::string(displays[0].deviceName).rfind("\\\\.\\DISPLAY", 0), 0u)
        << displays[0].deviceName;
    MonitorDevice device;
    ASSERT_TRUE(api.monitorDevice(api.context, displays[0].deviceName, 0, &device));
    EXPECT_TRUE(device.active);
    EXPECT_EQ(std::string(device.path).rfind("\\\\?\\", 0), 0u) << device.path;
    EXPECT_STRNE(device.name, "");
    // The display configuration names the same monitor device.
    DisplayTarget targets[8];
    const int targetCount = api.displayTargets(api.context, targets, 8);
    ASSERT_GE(targetCount, 1);
    EXPECT_TRUE(sameDevicePath(targets[0].devicePath, device.path)) << targets[0].devicePath;
    EXPECT_GT(targets[0].refreshDenominator, 0u);

    // Wine's display list and device registry spell the path differently.
    std::vector<uint8_t> edid(128);
    std::iota(edid.rbegin(), edid.rend(), uint8_t{128});  // 255 down to 128
    ASSERT_TRUE(setFirstMonitorsEdid(edid));
    uint8_t read[256] = {};
    EXPECT_EQ(api.deviceEdid(api.context, device.path, read, sizeof read), 128);
    EXPECT_EQ(std::vector<uint8_t>(read, read + 128), edid);
    ASSERT_TRUE(setFirstMonitorsEdid({}));
    EXPECT_EQ(api.deviceEdid(api.context, device.path, read, sizeof read), kEdidNoValue);
    EXPECT_EQ(api.deviceEdid(api.context, "\\\\?\\DISPLAY#NONE#0#{x}", read, sizeof read),
              kEdidNoDevice);

    HardwareBackend backend(api);
    EXPECT_EQ(backend.enumerate(), 0);
    const uint8_t offset = 0;
    EXPECT_EQ(backend.write(0, kEdidAddress, &offset, 1), veskol::kLibBadArgument);
}
