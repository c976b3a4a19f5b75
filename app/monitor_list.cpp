#include "app/monitor_list.h"

#include <cwctype>

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
    // Windows writes the prefix in capitals ("MONITOR\"); compare it, like
    // the identifier after it, without regard to case.
    static constexpr std::wstring_view kPrefix = L"monitor\\";
    if (deviceId.size() < kPrefix.size() + kHardwareIdLength ||
        hardwareId.size() < kHardwareIdLength) {
        return false;
    }
    const std::wstring_view id(deviceId);
    return equalsIgnoringCase(id.substr(0, kPrefix.size()), kPrefix) &&
           equalsIgnoringCase(id.substr(kPrefix.size(), kHardwareIdLength),
                              std::wstring_view(hardwareId).substr(0, kHardwareIdLength));
}

std::wstring findWindowsMonitorName(const std::wstring& letters, const std::wstring& productCode) {
    const std::wstring hardwareId = letters + productCode;
    DISPLAY_DEVICEW adapter{};
    adapter.cb = sizeof adapter;
    for (DWORD a = 0; EnumDisplayDevicesW(nullptr, a, &adapter, 0); ++a) {
        if (adapter.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) {
            DISPLAY_DEVICEW monitor{};
            monitor.cb = sizeof monitor;
            for (DWORD m = 0; EnumDisplayDevicesW(adapter.DeviceName, m, &monitor, 0); ++m) {
                if (deviceIdMatches(monitor.DeviceID, hardwareId)) {
                    return monitor.DeviceString;
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
