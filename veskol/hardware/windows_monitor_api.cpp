// The Windows glue of the hardware backend: each MonitorApi entry is one
// system call, its arguments converted and nothing else decided here.
#include "veskol/hardware/windows_monitor_api.h"

#include "platform/display_targets.h"
#include "platform/win32.h"

// After windows.h, which it needs.
#include <setupapi.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace veskol::hardware {
namespace {

// The Monitor Configuration API's records, as dxva2.dll lays them out.
#pragma pack(push, 1)
struct SystemPhysicalMonitor {
    HANDLE handle;
    WCHAR description[128];
};
#pragma pack(pop)

struct SystemTimingReport {
    DWORD horizontalHz;
    DWORD verticalHz;
    BYTE status;
};

// What GetVCPFeatureAndVCPFeatureReply leaves in the last error when the
// monitor answered that it has no such control.
constexpr DWORD kVcpNotSupported = 0xC0262584;

// The device interface class of monitors.
constexpr GUID kMonitorInterfaceClass = {
    0xe6f07b5f, 0xee97, 0x4a90, {0xb0, 0x76, 0x33, 0xf5, 0x7b, 0xf4, 0xea, 0xa7}};

struct SystemCalls {
    BOOL(WINAPI* physicalMonitorCount)(HMONITOR, DWORD*) = nullptr;
    BOOL(WINAPI* physicalMonitors)(HMONITOR, DWORD, SystemPhysicalMonitor*) = nullptr;
    BOOL(WINAPI* destroyPhysicalMonitors)(DWORD, SystemPhysicalMonitor*) = nullptr;
    BOOL(WINAPI* getVcp)(HANDLE, BYTE, DWORD*, DWORD*, DWORD*) = nullptr;
    BOOL(WINAPI* setVcp)(HANDLE, BYTE, DWORD) = nullptr;
    BOOL(WINAPI* saveSettings)(HANDLE) = nullptr;
    BOOL(WINAPI* timingReport)(HANDLE, SystemTimingReport*) = nullptr;
    BOOL(WINAPI* capabilitiesLength)(HANDLE, DWORD*) = nullptr;
    BOOL(WINAPI* capabilities)(HANDLE, LPSTR, DWORD) = nullptr;
    HDEVINFO(WINAPI* classDevices)(const GUID*, PCWSTR, HWND, DWORD) = nullptr;
    BOOL(WINAPI* enumInterfaces)
    (HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD, PSP_DEVICE_INTERFACE_DATA) = nullptr;
    BOOL(WINAPI* interfaceDetail)
    (HDEVINFO, PSP_DEVICE_INTERFACE_DATA, PSP_DEVICE_INTERFACE_DETAIL_DATA_W, DWORD, PDWORD,
     PSP_DEVINFO_DATA) = nullptr;
    HKEY(WINAPI* openDeviceKey)(HDEVINFO, PSP_DEVINFO_DATA, DWORD, DWORD, DWORD, REGSAM) = nullptr;
    BOOL(WINAPI* destroyDeviceList)(HDEVINFO) = nullptr;
    LSTATUS(WINAPI* queryValue)(HKEY, LPCWSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD) = nullptr;
    LSTATUS(WINAPI* closeKey)(HKEY) = nullptr;
};

template <typename Function>
void find(HMODULE module, const char* name, Function& slot) {
    if (module) {
        slot = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
}

// Only from the system folder, never from beside the program: by its full
// path there, which every Windows the program runs on honours (the
// system-folder search flag needs an update on Windows 7).
HMODULE systemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    std::wstring path(folder, length);
    path += L'\\';
    path += name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Loaded once for the process and never unloaded: monitor handles given
// out by dxva2.dll must stay valid while anyone holds them.
const SystemCalls& calls() {
    static const SystemCalls loaded = [] {
        SystemCalls c;
        const HMODULE dxva2 = systemLibrary(L"dxva2.dll");
        find(dxva2, "GetNumberOfPhysicalMonitorsFromHMONITOR", c.physicalMonitorCount);
        find(dxva2, "GetPhysicalMonitorsFromHMONITOR", c.physicalMonitors);
        find(dxva2, "DestroyPhysicalMonitors", c.destroyPhysicalMonitors);
        find(dxva2, "GetVCPFeatureAndVCPFeatureReply", c.getVcp);
        find(dxva2, "SetVCPFeature", c.setVcp);
        find(dxva2, "SaveCurrentSettings", c.saveSettings);
        find(dxva2, "GetTimingReport", c.timingReport);
        find(dxva2, "GetCapabilitiesStringLength", c.capabilitiesLength);
        find(dxva2, "CapabilitiesRequestAndCapabilitiesReply", c.capabilities);
        const HMODULE setupapi = systemLibrary(L"setupapi.dll");
        find(setupapi, "SetupDiGetClassDevsW", c.classDevices);
        find(setupapi, "SetupDiEnumDeviceInterfaces", c.enumInterfaces);
        find(setupapi, "SetupDiGetDeviceInterfaceDetailW", c.interfaceDetail);
        find(setupapi, "SetupDiOpenDevRegKey", c.openDeviceKey);
        find(setupapi, "SetupDiDestroyDeviceInfoList", c.destroyDeviceList);
        const HMODULE advapi32 = systemLibrary(L"advapi32.dll");
        find(advapi32, "RegQueryValueExW", c.queryValue);
        find(advapi32, "RegCloseKey", c.closeKey);
        return c;
    }();
    return loaded;
}

std::string toUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

std::wstring toWide(const char* text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (size <= 1) {
        return {};
    }
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), size);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

template <size_t N>
void copyText(const std::string& text, char (&out)[N]) {
    const size_t length = std::min(text.size(), N - 1);
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

BOOL CALLBACK collectDisplay(HMONITOR display, HDC, LPRECT, LPARAM list) {
    reinterpret_cast<std::vector<HMONITOR>*>(list)->push_back(display);
    return TRUE;
}

// The monitor devices' list, released whichever way the search ends.
class DeviceList {
  public:
    DeviceList()
        : list_(calls().classDevices(&kMonitorInterfaceClass, nullptr, nullptr,
                                     DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {}
    ~DeviceList() {
        if (valid()) {
            calls().destroyDeviceList(list_);
        }
    }
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;
    [[nodiscard]] bool valid() const { return list_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HDEVINFO get() const { return list_; }

  private:
    HDEVINFO list_;
};

class RegistryKey {
  public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() {
        if (valid()) {
            calls().closeKey(key_);
        }
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    [[nodiscard]] bool valid() const { return key_ && key_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HKEY get() const { return key_; }

  private:
    HKEY key_;
};

// The registry value "EDID" of the device's own key.
int readEdidValue(HDEVINFO list, SP_DEVINFO_DATA& device, uint8_t* buffer, int capacity) {
    const RegistryKey key(
        calls().openDeviceKey(list, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ));
    DWORD type = 0;
    DWORD size = 0;
    if (!key.valid() ||
        calls().queryValue(key.get(), L"EDID", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY || size == 0) {
        return kEdidNoValue;
    }
    std::vector<BYTE> value(size);
    if (calls().queryValue(key.get(), L"EDID", nullptr, &type, value.data(), &size) !=
        ERROR_SUCCESS) {
        return kEdidNoValue;
    }
    std::memcpy(buffer, value.data(), std::min<size_t>(size, static_cast<size_t>(capacity)));
    return static_cast<int>(size);
}

// The table's entries, each one system call.
struct WindowsCalls {
    static int listDisplays(void*, DisplayEntry* displays, int capacity) {
        std::vector<HMONITOR> found;
        if (!EnumDisplayMonitors(nullptr, nullptr, collectDisplay,
                                 reinterpret_cast<LPARAM>(&found))) {
            return -1;
        }
        int written = 0;
        for (HMONITOR display : found) {
            MONITORINFOEXW info{};
            info.cbSize = sizeof info;
            if (written == capacity || !GetMonitorInfoW(display, &info)) {
                continue;
            }
            displays[written].handle = display;
            copyText(toUtf8(info.szDevice), displays[written].deviceName);
            ++written;
        }
        return written;
    }

    static bool physicalMonitorCount(void*, DisplayHandle display, uint32_t* count) {
        DWORD number = 0;
        if (!calls().physicalMonitorCount ||
            !calls().physicalMonitorCount(static_cast<HMONITOR>(display), &number)) {
            return false;
        }
        *count = number;
        return true;
    }

    static bool physicalMonitors(void*, DisplayHandle display, uint32_t count,
                                 PhysicalMonitor* monitors) {
        std::vector<SystemPhysicalMonitor> records(count);
        if (!calls().physicalMonitors ||
            !calls().physicalMonitors(static_cast<HMONITOR>(display), count, records.data())) {
            return false;
        }
        for (uint32_t i = 0; i < count; ++i) {
            monitors[i].handle = records[i].handle;
            records[i].description[127] = L'\0';
            copyText(toUtf8(records[i].description), monitors[i].description);
        }
        return true;
    }

    static bool destroyPhysicalMonitors(void*, uint32_t count, MonitorHandle* monitors) {
        std::vector<SystemPhysicalMonitor> records(count);
        for (uint32_t i = 0; i < count; ++i) {
            records[i].handle = monitors[i];
        }
        return calls().destroyPhysicalMonitors &&
               calls().destroyPhysicalMonitors(count, records.data());
    }

    static VcpAnswer getVcp(void*, MonitorHandle monitor, uint8_t code, VcpKind* kind,
                            uint32_t* current, uint32_t* maximum) {
        if (!calls().getVcp) {
            return VcpAnswer::kFailed;
        }
        DWORD type = 0;
        DWORD value = 0;
        DWORD most = 0;
        if (!calls().getVcp(monitor, code, &type, &value, &most)) {
            return GetLastError() == kVcpNotSupported ? VcpAnswer::kUnsupported
                                                      : VcpAnswer::kFailed;
        }
        *kind = static_cast<VcpKind>(type);
        *current = value;
        *maximum = most;
        return VcpAnswer::kAnswered;
    }

    static bool setVcp(void*, MonitorHandle monitor, uint8_t code, uint32_t value) {
        return calls().setVcp && calls().setVcp(monitor, code, value);
    }

    static bool saveSettings(void*, MonitorHandle monitor) {
        return calls().saveSettings && calls().saveSettings(monitor);
    }

    static bool timingReport(void*, MonitorHandle monitor, TimingReport* report) {
        SystemTimingReport got{};
        if (!calls().timingReport || !calls().timingReport(monitor, &got)) {
            return false;
        }
        *report = TimingReport{got.horizontalHz, got.verticalHz, got.status};
        return true;
    }

    static bool capabilitiesLength(void*, MonitorHandle monitor, uint32_t* length) {
        DWORD size = 0;
        if (!calls().capabilitiesLength || !calls().capabilitiesLength(monitor, &size)) {
            return false;
        }
        *length = size;
        return true;
    }

    static bool capabilities(void*, MonitorHandle monitor, char* text, uint32_t length) {
        return calls().capabilities && calls().capabilities(monitor, text, length);
    }

    static bool monitorDevice(void*, const char* displayName, uint32_t index,
                              MonitorDevice* device) {
        const std::wstring name = toWide(displayName);
        DISPLAY_DEVICEW found{};
        found.cb = sizeof found;
        if (!EnumDisplayDevicesW(name.c_str(), index, &found, EDD_GET_DEVICE_INTERFACE_NAME)) {
            return false;
        }
        copyText(toUtf8(found.DeviceID), device->path);
        copyText(toUtf8(found.DeviceString), device->name);
        device->active = (found.StateFlags & DISPLAY_DEVICE_ACTIVE) != 0;
        return true;
    }

    static int displayTargets(void*, DisplayTarget* targets, int capacity) {
        std::vector<ActiveDisplayTarget> active;
        if (!activeDisplayTargets(active)) {
            return -1;
        }
        int written = 0;
        for (const ActiveDisplayTarget& found : active) {
            if (written == capacity) {
                break;
            }
            DisplayTarget& target = targets[written++];
            target = DisplayTarget{};
            copyText(toUtf8(found.name.monitorDevicePath), target.devicePath);
            target.edidIdsValid = found.name.flags.edidIdsValid != 0;
            target.edidManufacturer = found.name.edidManufactureId;
            target.edidProduct = found.name.edidProductCodeId;
            target.refreshNumerator = found.path.targetInfo.refreshRate.Numerator;
            target.refreshDenominator = found.path.targetInfo.refreshRate.Denominator;
        }
        return written;
    }

    static uint32_t lastError(void*) { return GetLastError(); }

    static int deviceEdid(void*, const char* devicePath, uint8_t* buffer, int capacity) {
        const SystemCalls& c = calls();
        if (!c.classDevices || !c.enumInterfaces || !c.interfaceDetail || !c.openDeviceKey ||
            !c.destroyDeviceList || !c.queryValue || !c.closeKey) {
            return kEdidNoDevice;
        }
        const DeviceList list;
        if (!list.valid()) {
            return kEdidNoDevice;
        }
        SP_DEVICE_INTERFACE_DATA entry{};
        entry.cbSize = sizeof entry;
        for (DWORD i = 0; c.enumInterfaces(list.get(), nullptr, &kMonitorInterfaceClass, i, &entry);
             ++i) {
            // Room for the longest path; the record's size word is that of its fixed part.
            alignas(SP_DEVICE_INTERFACE_DETAIL_DATA_W) BYTE storage[sizeof(DWORD) + 2048];
            auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage);
            detail->cbSize = sizeof *detail;
            SP_DEVINFO_DATA device{};
            device.cbSize = sizeof device;
            if (!c.interfaceDetail(list.get(), &entry, detail, sizeof storage, nullptr, &device)) {
                continue;
            }
            storage[sizeof storage - 1] = 0;
            storage[sizeof storage - 2] = 0;
            if (sameDevicePath(toUtf8(detail->DevicePath).c_str(), devicePath)) {
                return readEdidValue(list.get(), device, buffer, capacity);
            }
        }
        return kEdidNoDevice;
    }
};

}  // namespace

MonitorApi systemMonitorApi() {
    return monitorApiOf<WindowsCalls>(nullptr);
}

bool runningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace veskol::hardware
