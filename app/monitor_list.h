// The monitor combo box: every display interface behind which a QRV or TSW
// monitor answers, labelled with the name Windows gives it (or its model
// name, or its product identification); switching the one monitor object to
// the chosen row; and the monitor picture that goes with the monitor.
#pragma once

#include <string>
#include <vector>

#include "monitor/active_monitor.h"
#include "platform/win32.h"

// Item data of the single row shown when no monitor was found; any item
// data above 99 means no monitor is behind the row.
constexpr LPARAM kNoMonitorRow = 100;

// One row of the monitor list.
struct ListedMonitor {
    int number = 0;  // 1, 2, ... in the list's order
    int interfaceIndex = -1;
    std::wstring label;  // as the combo box shows it
    MonitorIdentity identity;
    std::string driverName;
};

struct ListOptions {
    int limit = 0;       // stop after this many monitors (0: all of them)
    bool labels = true;  // build each label (looks up the monitor's Windows name)
};

// Every display interface behind which a QRV or TSW monitor answers, in the
// list's order, each opened for its identity only and closed again.
[[nodiscard]] std::vector<ListedMonitor> listMonitors(ActiveMonitor& monitor, int interfaceSelector,
                                                      ListOptions options = {});

// Fills the combo box; returns the interface index of the first listed
// monitor, or -1.
int fillMonitorList(HWND comboBox);

// The row's label: "n. Name" for a Windows name, else the maker's format
// with the model name, or with letters and product code.
[[nodiscard]] std::wstring monitorLabel(int number, bool tsw, const std::wstring& windowsName,
                                        const std::wstring& modelName, const std::wstring& letters,
                                        const std::wstring& productCode);

// The name Windows shows for the monitor whose hardware identifier is
// letters + product code ("QRV2017"): the name its display settings show,
// else the monitor device's string; empty when none matches or the only
// one is a generic driver's string.
[[nodiscard]] std::wstring findWindowsMonitorName(const std::wstring& letters,
                                                  const std::wstring& productCode);

// Whether a name is the generic one the inbox monitor driver gives every
// monitor ("Generic PnP Monitor", localised), or empty: not a name.
[[nodiscard]] bool isGenericMonitorName(const std::wstring& name);

// Whether a monitor device ID ("MONITOR\QRV2017\{...}") or device
// interface path ("\\?\DISPLAY#QRV2017#...") names the monitor with that
// 7-character hardware identifier (letter case ignored).
[[nodiscard]] bool deviceIdMatches(const std::wstring& deviceId, const std::wstring& hardwareId);

// CBN_SELCHANGE on `row`: asks whether to store changes, then opens the
// row's monitor in the background.
void switchMonitor(HWND comboBox, int row);

// Closes the monitor, resets the pages' selections and updates the tabs.
void closeMonitor();

// Chooses the monitor picture and illustration style for the open monitor
// (default picture when closed) and tells the page.
void pickMonitorPicture();
