// The operating system's monitor calls the hardware backend is built on, as
// a table of plain functions: the Monitor Configuration API (physical
// monitors and their DDC/CI requests), the display list and each display's
// monitor devices, a monitor device's EDID from the device registry, the
// display configuration's targets, and the last error of a failed call.
// The Windows file fills the table with the real calls; tests and fuzzers
// fill it with scripted fakes, so everything above the table is portable.
// Every entry gets the table's `context` first. Texts are UTF-8.
// Portable: no Windows headers.
#pragma once

#include <cstdint>

namespace veskol::hardware {

using DisplayHandle = void*;  // one display of the desktop
using MonitorHandle = void*;  // one physical monitor, open until destroyed

// One display of the desktop and the name of its display device
// ("\\.\DISPLAY1").
struct DisplayEntry {
    DisplayHandle handle = nullptr;
    char deviceName[64] = {};
};

// One physical monitor as GetPhysicalMonitorsFromHMONITOR gives it: its
// handle and the driver's description of it.
struct PhysicalMonitor {
    MonitorHandle handle = nullptr;
    char description[256] = {};
};

// One monitor device attached to a display: its device interface path, its
// device string (the driver's description) and whether it is active (shows
// part of the desktop).
struct MonitorDevice {
    char path[256] = {};
    char name[256] = {};
    bool active = false;
};

// What QueryDisplayConfig knows of one active display target: its monitor
// device's interface path, the EDID identifiers the system read (meaningful only
// when edidIdsValid) and the refresh rate as a fraction.
struct DisplayTarget {
    char devicePath[256] = {};
    bool edidIdsValid = false;
    uint16_t edidManufacturer = 0;
    uint16_t edidProduct = 0;
    uint32_t refreshNumerator = 0;
    uint32_t refreshDenominator = 0;
};

// Last-error codes of the Monitor Configuration API that say the handle
// itself is dead (the monitor left the topology), not that one request
// went wrong.
constexpr uint32_t kErrorInvalidMonitorHandle = 0xC026258C;
constexpr uint32_t kErrorMonitorNoLongerExists = 0xC026258D;

// The API's own order of its two VCP kinds.
enum class VcpKind : uint32_t { kMomentary = 0, kSetParameter = 1 };

// How a Get VCP request went: answered, answered "unsupported code" by the
// monitor, or failed (no answer, bus error).
enum class VcpAnswer { kFailed, kAnswered, kUnsupported };

// The timing report as the API gives it: frequencies in hertz.
struct TimingReport {
    uint32_t horizontalHz = 0;
    uint32_t verticalHz = 0;
    uint8_t status = 0;
};

// deviceEdid's results besides a byte count.
constexpr int kEdidNoValue = 0;    // the device exists but has no EDID value
constexpr int kEdidNoDevice = -1;  // no monitor device has that path

struct MonitorApi {
    void* context = nullptr;

    // The desktop's displays in the system's order: up to `capacity` entries
    // written, the number written returned (negative: the call failed).
    int (*listDisplays)(void* context, DisplayEntry* displays, int capacity) = nullptr;
    // GetNumberOfPhysicalMonitorsFromHMONITOR and GetPhysicalMonitorsFromHMONITOR.
    bool (*physicalMonitorCount)(void* context, DisplayHandle display, uint32_t* count) = nullptr;
    bool (*physicalMonitors)(void* context, DisplayHandle display, uint32_t count,
                             PhysicalMonitor* monitors) = nullptr;
    // DestroyPhysicalMonitors: releases what one physicalMonitors call gave.
    bool (*destroyPhysicalMonitors)(void* context, uint32_t count,
                                    MonitorHandle* monitors) = nullptr;

    // GetVCPFeatureAndVCPFeatureReply: outputs written when answered.
    VcpAnswer (*getVcp)(void* context, MonitorHandle monitor, uint8_t code, VcpKind* kind,
                        uint32_t* current, uint32_t* maximum) = nullptr;
    // SetVCPFeature and SaveCurrentSettings.
    bool (*setVcp)(void* context, MonitorHandle monitor, uint8_t code, uint32_t value) = nullptr;
    bool (*saveSettings)(void* context, MonitorHandle monitor) = nullptr;
    // GetTimingReport.
    bool (*timingReport)(void* context, MonitorHandle monitor, TimingReport* report) = nullptr;
    // GetCapabilitiesStringLength (terminating zero included) and
    // CapabilitiesRequestAndCapabilitiesReply into `length` bytes.
    bool (*capabilitiesLength)(void* context, MonitorHandle monitor, uint32_t* length) = nullptr;
    bool (*capabilities)(void* context, MonitorHandle monitor, char* text,
                         uint32_t length) = nullptr;

    // The `index`-th monitor device of the display named `displayName`
    // (EnumDisplayDevicesW with its interface name); false past the last.
    bool (*monitorDevice)(void* context, const char* displayName, uint32_t index,
                          MonitorDevice* device) = nullptr;
    // The EDID value of the monitor device whose interface path is
    // `devicePath`: up to `capacity` bytes copied, the value's size returned,
    // or kEdidNoValue / kEdidNoDevice.
    int (*deviceEdid)(void* context, const char* devicePath, uint8_t* buffer,
                      int capacity) = nullptr;
    // QueryDisplayConfig's active targets: up to `capacity` written, the
    // number written returned (negative: the call failed).
    int (*displayTargets)(void* context, DisplayTarget* targets, int capacity) = nullptr;

    // The system's error code of the last call on this thread that failed
    // (GetLastError), read right after that call.
    uint32_t (*lastError)(void* context) = nullptr;
};

// The table whose entries are the static functions of `Calls` of the same
// names, called with `context`.
template <typename Calls>
[[nodiscard]] MonitorApi monitorApiOf(void* context) {
    MonitorApi api;
    api.context = context;
    api.listDisplays = Calls::listDisplays;
    api.physicalMonitorCount = Calls::physicalMonitorCount;
    api.physicalMonitors = Calls::physicalMonitors;
    api.destroyPhysicalMonitors = Calls::destroyPhysicalMonitors;
    api.getVcp = Calls::getVcp;
    api.setVcp = Calls::setVcp;
    api.saveSettings = Calls::saveSettings;
    api.timingReport = Calls::timingReport;
    api.capabilitiesLength = Calls::capabilitiesLength;
    api.capabilities = Calls::capabilities;
    api.monitorDevice = Calls::monitorDevice;
    api.deviceEdid = Calls::deviceEdid;
    api.displayTargets = Calls::displayTargets;
    api.lastError = Calls::lastError;
    return api;
}

// Device interface paths name the same device whatever the letter case
// (the display list writes them in capitals, the device registry in small
// letters).
[[nodiscard]] bool sameDevicePath(const char* a, const char* b);

// Display names in the order people count them: "\\.\DISPLAY2" before
// "\\.\DISPLAY10".
[[nodiscard]] bool displayNameBefore(const char* a, const char* b);

}  // namespace veskol::hardware
