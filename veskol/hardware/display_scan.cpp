#include "veskol/hardware/display_scan.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <utility>

namespace veskol::hardware {
namespace {

constexpr int kMostDisplays = 32;
constexpr int kMostTargets = 64;
// More physical monitors on one display than this is a broken answer.
constexpr uint32_t kMostMonitorsPerDisplay = 64;
constexpr uint32_t kMostMonitorDevices = 32;
constexpr int kEdidSpace = 256;  // what an 8-bit register offset reaches

template <size_t N>
std::string textOf(const char (&text)[N]) {
    return std::string(text, std::find(text, text + N, '\0'));
}

// Letter case and surrounding spaces aside, the same text.
bool sameText(const std::string& a, const std::string& b) {
    const auto trimmed = [](const std::string& s) {
        const size_t first = s.find_first_not_of(' ');
        return first == std::string::npos ? std::string()
                                          : s.substr(first, s.find_last_not_of(' ') - first + 1);
    };
    const std::string x = trimmed(a);
    const std::string y = trimmed(b);
    return x.size() == y.size() && std::equal(x.begin(), x.end(), y.begin(), [](char p, char q) {
               return std::tolower(static_cast<unsigned char>(p)) ==
                      std::tolower(static_cast<unsigned char>(q));
           });
}

// The display's physical monitors. The count is asked for first; when the
// monitors cannot be had for it and the count has changed meanwhile (a
// monitor came or went), both are asked for once more.
bool readPhysicalMonitors(const MonitorApi& api, DisplayHandle display,
                          std::vector<PhysicalMonitor>& monitors) {
    uint32_t count = 0;
    if (!api.physicalMonitorCount(api.context, display, &count)) {
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (count == 0 || count > kMostMonitorsPerDisplay) {
            return false;
        }
        monitors.assign(count, PhysicalMonitor{});
        if (api.physicalMonitors(api.context, display, count, monitors.data())) {
            return true;
        }
        uint32_t now = 0;
        if (!api.physicalMonitorCount(api.context, display, &now) || now == count) {
            return false;
        }
        count = now;
    }
    return false;  // nothing was handed out, so nothing to release
}

// The display's active monitor devices, in order.
std::vector<MonitorDevice> activeDevices(const MonitorApi& api, const DisplayEntry& display) {
    std::vector<MonitorDevice> devices;
    for (uint32_t i = 0; i < kMostMonitorDevices; ++i) {
        MonitorDevice device;
        if (!api.monitorDevice(api.context, display.deviceName, i, &device)) {
            break;
        }
        if (device.active) {
            device.path[sizeof device.path - 1] = '\0';
            device.name[sizeof device.name - 1] = '\0';
            devices.push_back(device);
        }
    }
    return devices;
}

std::vector<DisplayTarget> readTargets(const MonitorApi& api) {
    std::vector<DisplayTarget> targets(kMostTargets);
    const int count =
        api.displayTargets ? api.displayTargets(api.context, targets.data(), kMostTargets) : -1;
    targets.resize(static_cast<size_t>(std::clamp(count, 0, kMostTargets)));
    for (DisplayTarget& target : targets) {
        target.devicePath[sizeof target.devicePath - 1] = '\0';
    }
    return targets;
}

std::vector<uint8_t> readEdid(const MonitorApi& api, const std::string& devicePath) {
    uint8_t value[kEdidSpace];
    const int size = api.deviceEdid(api.context, devicePath.c_str(), value, kEdidSpace);
    return size > 0 ? std::vector<uint8_t>(value, value + std::min(size, kEdidSpace))
                    : std::vector<uint8_t>();
}

// Pairs the display's monitors with its active devices by position, where
// nothing speaks against it.
void pairWithDevices(const MonitorApi& api, const DisplayEntry& display,
                     const std::vector<PhysicalMonitor>& monitors,
                     const std::vector<DisplayTarget>& targets, std::vector<MonitorSlot>& slots) {
    const std::vector<MonitorDevice> devices = activeDevices(api, display);
    if (devices.size() != monitors.size()) {
        return;
    }
    const bool duplicated = monitors.size() > 1;
    for (size_t i = 0; i < monitors.size(); ++i) {
        const std::string description = textOf(monitors[i].description);
        const std::string name = textOf(devices[i].name);
        if (duplicated && !description.empty() && !name.empty() && !sameText(description, name)) {
            continue;
        }
        const std::string path = textOf(devices[i].path);
        std::vector<uint8_t> edid = readEdid(api, path);
        const auto target = std::find_if(targets.begin(), targets.end(), [&](const auto& t) {
            return sameDevicePath(t.devicePath, path.c_str());
        });
        if (target != targets.end() && !edidAgreesWith(*target, edid)) {
            continue;
        }
        slots[i].devicePath = path;
        slots[i].edid = std::move(edid);
    }
}

}  // namespace

PhysicalMonitorGroup::PhysicalMonitorGroup(const MonitorApi& api,
                                           std::vector<MonitorHandle> monitors)
    : api_(api), monitors_(std::move(monitors)) {}

PhysicalMonitorGroup::~PhysicalMonitorGroup() {
    if (!monitors_.empty()) {
        (void)api_.destroyPhysicalMonitors(api_.context, static_cast<uint32_t>(monitors_.size()),
                                           monitors_.data());
    }
}

bool edidAgreesWith(const DisplayTarget& target, const std::vector<uint8_t>& edid) {
    if (!target.edidIdsValid) {
        return true;
    }
    if (edid.size() < 12) {
        return false;
    }
    // Either byte order: the documentation does not say which the fields use.
    const auto either = [](uint16_t field, uint8_t first, uint8_t second) {
        return field == (first << 8 | second) || field == (second << 8 | first);
    };
    return either(target.edidManufacturer, edid[8], edid[9]) &&
           either(target.edidProduct, edid[10], edid[11]);
}

std::vector<MonitorSlot> scanDisplays(const MonitorApi& api) {
    std::vector<MonitorSlot> slots;
    std::vector<DisplayEntry> displays(kMostDisplays);
    const int count = api.listDisplays(api.context, displays.data(), kMostDisplays);
    if (count <= 0) {
        return slots;
    }
    displays.resize(static_cast<size_t>(std::min(count, kMostDisplays)));
    for (DisplayEntry& display : displays) {
        display.deviceName[sizeof display.deviceName - 1] = '\0';
    }
    std::stable_sort(displays.begin(), displays.end(),
                     [](const DisplayEntry& a, const DisplayEntry& b) {
                         return displayNameBefore(a.deviceName, b.deviceName);
                     });
    const std::vector<DisplayTarget> targets = readTargets(api);
    for (const DisplayEntry& display : displays) {
        std::vector<PhysicalMonitor> monitors;
        if (!readPhysicalMonitors(api, display.handle, monitors)) {
            continue;
        }
        std::vector<MonitorHandle> handles;
        for (PhysicalMonitor& monitor : monitors) {
            monitor.description[sizeof monitor.description - 1] = '\0';
            handles.push_back(monitor.handle);
        }
        auto group = std::make_shared<PhysicalMonitorGroup>(api, std::move(handles));
        std::vector<MonitorSlot> found(monitors.size());
        for (size_t i = 0; i < monitors.size(); ++i) {
            found[i].group = group;
            found[i].handle = monitors[i].handle;
            found[i].displayName = display.deviceName;
            found[i].position = static_cast<uint32_t>(i);
        }
        pairWithDevices(api, display, monitors, targets, found);
        std::move(found.begin(), found.end(), std::back_inserter(slots));
    }
    return slots;
}

bool findTarget(const MonitorApi& api, const std::string& devicePath, DisplayTarget& target) {
    for (const DisplayTarget& candidate : readTargets(api)) {
        if (sameDevicePath(candidate.devicePath, devicePath.c_str())) {
            target = candidate;
            return true;
        }
    }
    return false;
}

std::optional<MonitorSlot> findAgain(const MonitorApi& api, const MonitorSlot& lost) {
    for (MonitorSlot& slot : scanDisplays(api)) {
        const bool same =
            lost.devicePath.empty()
                ? slot.displayName == lost.displayName && slot.position == lost.position
                : sameDevicePath(slot.devicePath.c_str(), lost.devicePath.c_str());
        if (same) {
            return std::move(slot);
        }
    }
    return std::nullopt;
}

}  // namespace veskol::hardware
