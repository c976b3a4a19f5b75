#include "veskol/hardware/interface_list.h"

#include <algorithm>
#include <utility>

namespace veskol::hardware {
namespace {

constexpr int kMostDisplays = 32;
constexpr uint32_t kMostMonitorsPerDisplay = 16;
constexpr uint32_t kMostMonitorDevices = 32;
constexpr uint8_t kBrightness = 0x10;

// The interface paths of a display's active monitor devices, in order.
std::vector<std::string> activeDevicePaths(const MonitorApi& api, const DisplayEntry& display) {
    std::vector<std::string> paths;
    MonitorDevice device;
    for (uint32_t i = 0; i < kMostMonitorDevices; ++i) {
        device = MonitorDevice{};
        if (!api.monitorDevice(api.context, display.deviceName, i, &device)) {
            break;
        }
        if (device.active) {
            device.path[sizeof device.path - 1] = '\0';
            paths.emplace_back(device.path);
        }
    }
    return paths;
}

// The display's interfaces, appended to `list`.
void addDisplay(const MonitorApi& api, const DisplayEntry& display, InterfaceList& list) {
    uint32_t count = 0;
    if (!api.physicalMonitorCount(api.context, display.handle, &count) || count == 0) {
        return;
    }
    count = std::min(count, kMostMonitorsPerDisplay);
    std::vector<MonitorHandle> monitors(count, nullptr);
    if (!api.physicalMonitors(api.context, display.handle, count, monitors.data())) {
        return;  // nothing was handed out, so nothing to release
    }
    auto group = std::make_shared<PhysicalMonitorGroup>(api, std::move(monitors));
    const std::vector<std::string> paths = activeDevicePaths(api, display);
    for (size_t i = 0; i < group->monitors().size(); ++i) {
        const MonitorHandle monitor = group->monitors()[i];
        if (!answersDdc(api, monitor)) {
            continue;
        }
        std::string path = i < paths.size() ? paths[i] : std::string();
        list.push_back(
            std::make_unique<HardwareInterface>(group, MonitorBus(api, monitor, std::move(path))));
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

bool answersDdc(const MonitorApi& api, MonitorHandle monitor) {
    VcpKind kind = VcpKind::kSetParameter;
    uint32_t current = 0;
    uint32_t maximum = 0;
    if (api.getVcp(api.context, monitor, kBrightness, &kind, &current, &maximum) !=
        VcpAnswer::kFailed) {
        return true;
    }
    TimingReport report;
    return api.timingReport(api.context, monitor, &report);
}

InterfaceList findInterfaces(const MonitorApi& api) {
    InterfaceList list;
    std::vector<DisplayEntry> displays(kMostDisplays);
    const int count = api.listDisplays(api.context, displays.data(), kMostDisplays);
    if (count <= 0) {
        return list;
    }
    displays.resize(static_cast<size_t>(std::min(count, kMostDisplays)));
    for (DisplayEntry& display : displays) {
        display.deviceName[sizeof display.deviceName - 1] = '\0';
    }
    std::stable_sort(displays.begin(), displays.end(),
                     [](const DisplayEntry& a, const DisplayEntry& b) {
                         return displayNameBefore(a.deviceName, b.deviceName);
                     });
    for (const DisplayEntry& display : displays) {
        addDisplay(api, display, list);
    }
    return list;
}

}  // namespace veskol::hardware
