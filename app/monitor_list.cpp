#include "app/monitor_list.h"

#include <cwctype>
#include <vector>

#include "app/app_state.h"
#include "app/shared_utilities.h"
#include "app/storing.h"
#include "app/strings.h"
#include "app/tabs.h"
#include "app/workers.h"
#include "draw/bitmap_background.h"
#include "link/display_interface.h"
#include "monitor/active_monitor.h"
#include "monitor/model_table.h"
#include "panels/page_state.h"
#include "platform/display_targets.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kHardwareIdLength = 7;  // three letters and four hex digits

bool isListedVendor(uint32_t monitorId) {
    const uint16_t vendor = static_cast<uint16_t>(monitorId >> 16);
    return vendor == kVendorQrv || vendor == kVendorTsw;
}

bool equalsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) {
            return false;
        }
    }
    return true;
}

void addRow(HWND comboBox, const std::wstring& label, LPARAM data) {
    const LRESULT row =
        SendMessageW(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    if (row >= 0) {
        SendMessageW(comboBox, CB_SETITEMDATA, static_cast<WPARAM>(row), data);
    }
}

}  // namespace

std::wstring monitorLabel(int number, bool tsw, const std::wstring& windowsName,
                          const std::wstring& modelName, const std::wstring& letters,
                          const std::wstring& productCode) {
    const long long n = number;
    if (!windowsName.empty()) {
        return formatText(L"%1u. %s", {n, windowsName});
    }
    if (!modelName.empty()) {
        return formatText(loadString(tsw ? IDS_LIST_TSW_MODEL : IDS_LIST_QRV_MODEL),
                          {n, modelName});
    }
    return formatText(loadString(tsw ? IDS_LIST_TSW_CODE : IDS_LIST_QRV_CODE),
                      {n, letters, productCode});
}

bool deviceIdMatches(const std::wstring& deviceId, const std::wstring& hardwareId) {
    // Windows writes the prefixes in capitals ("MONITOR\", "\\?\DISPLAY#");
    // compare them, like the identifier after them, without regard to case.
    static constexpr std::wstring_view kPrefixes[] = {L"monitor\\", L"\\\\?\\display#"};
    if (hardwareId.size() < kHardwareIdLength) {
        return false;
    }
    const std::wstring_view id(deviceId);
    const std::wstring_view wanted = std::wstring_view(hardwareId).substr(0, kHardwareIdLength);
    for (const std::wstring_view prefix : kPrefixes) {
        if (id.size() >= prefix.size() + kHardwareIdLength &&
            equalsIgnoringCase(id.substr(0, prefix.size()), prefix) &&
            equalsIgnoringCase(id.substr(prefix.size(), kHardwareIdLength), wanted)) {
            return true;
        }
    }
    return false;
}

bool isGenericMonitorName(const std::wstring& name) {
    // What the inbox monitor driver calls every monitor it drives, in the
    // languages Windows ships ("Generic PnP Monitor", "汎用 PnP モニター",
    // "Generic Non-PnP Monitor") and in older wordings.
    static constexpr std::wstring_view kMarks[] = {L"pnp", L"plug and play", L"default monitor",
                                                   L"既定のモニター", L"プラグ アンド プレイ"};
    std::wstring lower = name;
    for (wchar_t& c : lower) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    for (const std::wstring_view mark : kMarks) {
        if (lower.find(mark) != std::wstring::npos) {
            return true;
        }
    }
    return name.empty();
}

namespace {

// The display settings' name counts only when Windows took it from the
// monitor's EDID or was told it: otherwise it is a placeholder ("Display1").
bool nameFromMonitor(const DISPLAYCONFIG_TARGET_DEVICE_NAME& target) {
    return target.flags.friendlyNameFromEdid != 0 || target.flags.friendlyNameForced != 0;
}

// The name the display settings show for the active monitor with that
// hardware identifier (QueryDisplayConfig's monitor friendly name), or empty.
std::wstring displaySettingsName(const std::wstring& hardwareId) {
    std::vector<ActiveDisplayTarget> targets;
    (void)activeDisplayTargets(targets);
    for (const ActiveDisplayTarget& target : targets) {
        if (deviceIdMatches(target.name.monitorDevicePath, hardwareId) &&
            nameFromMonitor(target.name) &&
            !isGenericMonitorName(target.name.monitorFriendlyDeviceName)) {
            return target.name.monitorFriendlyDeviceName;
        }
    }
    return {};
}

}  // namespace

std::wstring findWindowsMonitorName(const std::wstring& letters, const std::wstring& productCode) {
    const std::wstring hardwareId = letters + productCode;
    if (std::wstring name = displaySettingsName(hardwareId); !name.empty()) {
        return name;
    }
    DISPLAY_DEVICEW adapter{};
    adapter.cb = sizeof adapter;
    for (DWORD a = 0; EnumDisplayDevicesW(nullptr, a, &adapter, 0); ++a) {
        if (adapter.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) {
            DISPLAY_DEVICEW monitor{};
            monitor.cb = sizeof monitor;
            for (DWORD m = 0; EnumDisplayDevicesW(adapter.DeviceName, m, &monitor, 0); ++m) {
                if (deviceIdMatches(monitor.DeviceID, hardwareId)) {
                    // A driver's generic string is no name: the labels
                    // then carry the model name instead.
                    return isGenericMonitorName(monitor.DeviceString) ? std::wstring()
                                                                      : monitor.DeviceString;
                }
                monitor.cb = sizeof monitor;
            }
        }
        adapter.cb = sizeof adapter;
    }
    return {};
}

std::vector<ListedMonitor> listMonitors(ActiveMonitor& monitor, int interfaceSelector,
                                        ListOptions options) {
    const int limit = options.limit;
    std::vector<ListedMonitor> listed;
    (void)EnumerateInterfaces(1, interfaceSelector);
    const unsigned count = GetNumDisplayInterfaces();
    for (unsigned i = 0; i < count && (limit <= 0 || static_cast<int>(listed.size()) < limit);
         ++i) {
        DisplayInterfaceInfo info{};
        info.size = kDisplayInterfaceInfoSize;
        if (GetDisplayInterfaceInfo(static_cast<int>(i), &info) != 0 || info.skip != 0) {
            continue;
        }
        (void)monitor.openMonitor(static_cast<int>(i), false);
        const MonitorIdentity& id = monitor.identityFields();
        if (id.vendorLetters[0] != '\0' && isListedVendor(id.monitorId)) {
            ListedMonitor row;
            row.number = static_cast<int>(listed.size()) + 1;
            row.interfaceIndex = static_cast<int>(i);
            row.identity = id;
            if (options.labels) {
                const std::wstring letters = fromUtf8(id.vendorLetters);
                const std::wstring code = fromUtf8(id.productCodeText);
                const bool tsw = (id.monitorId >> 16) == kVendorTsw;
                row.label = monitorLabel(row.number, tsw, findWindowsMonitorName(letters, code),
                                         fromUtf8(id.modelName), letters, code);
            }
            (void)monitor.driverName(row.driverName);
            listed.push_back(std::move(row));
        }
        (void)monitor.openMonitor(-1, false);
    }
    return listed;
}

int fillMonitorList(HWND comboBox) {
    std::vector<ListedMonitor> listed;
    if (app().monitor) {
        listed = listMonitors(*app().monitor, app().interfaceSelector);
    }
    for (const ListedMonitor& row : listed) {
        addRow(comboBox, row.label, static_cast<LPARAM>(row.interfaceIndex));
    }
    if (listed.empty()) {
        addRow(comboBox, loadString(IDS_NO_MONITOR_FOUND), kNoMonitorRow);
    }
    if (SendMessageW(comboBox, CB_GETCURSEL, 0, 0) == CB_ERR) {
        SendMessageW(comboBox, CB_SETCURSEL, 0, 0);
    }
    return listed.empty() ? -1 : listed.front().interfaceIndex;
}

void closeMonitor() {
    if (app().monitor) {
        (void)app().monitor->openMonitor(-1, true);
    }
    recordOpenedMonitor();
    resetPageSelections();
    updateTabs();
}

void pickMonitorPicture() {
    int style = 1;
    int picture = kDefaultMonitorPicture;
    ActiveMonitor* monitor = app().monitor;
    if (monitor && monitor->identity()) {
        const uint32_t id = monitor->identity()->monitorId;
        picture = monitorPictureFor(id);
        style = illustrationStyleFor(id);
    }
    app().illustrationStyle = style;
    if (picture != app().monitorPictureNumber) {
        if (app().monitorPicture) {
            DeleteObject(app().monitorPicture);
        }
        app().monitorPicture = static_cast<HBITMAP>(
            LoadImageW(app().instance, MAKEINTRESOURCEW(picture), IMAGE_BITMAP, 0, 0, 0));
        replaceGreyPixels(app().monitorPicture, GetSysColor(COLOR_BTNFACE));
        app().monitorPictureNumber = picture;
    }
    postPageCommand(kCmdPictureChanged);
}

void switchMonitor(HWND comboBox, int row) {
    const LPARAM data = SendMessageW(comboBox, CB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    if (data == CB_ERR) {
        return;
    }
    if (data > 99) {
        closeMonitor();
        pickMonitorPicture();
        postPageCommand(kCmdRefresh);
        return;
    }
    ActiveMonitor* monitor = app().monitor;
    if (monitor && monitor->hasUnstoredChanges()) {
        const int answer = app().ask(app().mainWindow, loadString(IDS_ASK_STORE_SETTINGS).c_str(),
                                     L"Lumetra", MB_ICONQUESTION | MB_YESNO);
        if (answer != IDYES) {
            (void)monitor->restoreAll();
            (void)monitor->storeSettings();
        } else if (!storeBeforeSwitch(*monitor, comboBox)) {
            return;  // the changes stay with this monitor, unstored
        }
    }
    if (app().busy) {
        return;  // the monitor being opened finishes first
    }
    closeMonitor();
    sendPageCommand(kCmdRefresh);
    startOpenWorker(static_cast<int>(data));
}
