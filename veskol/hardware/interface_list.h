// Finding the display interfaces of the hardware backend: one per physical
// monitor that answers DDC/CI, in a stable order (displays by the number in
// their device name, then each display's physical monitors in the API's
// order). Each interface knows its monitor device, matched by position
// among the display's active monitor devices, for the EDID.
// The physical-monitor handles one display gave are released together,
// with DestroyPhysicalMonitors, when the last interface that uses them is
// gone; a display none of whose monitors answers is released at once.
// Portable: reaches the system only through MonitorApi.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "veskol/hardware/monitor_api.h"
#include "veskol/hardware/monitor_bus.h"

namespace veskol::hardware {

// The physical monitors of one display, as one call gave them.
class PhysicalMonitorGroup {
  public:
    PhysicalMonitorGroup(const MonitorApi& api, std::vector<MonitorHandle> monitors);
    ~PhysicalMonitorGroup();
    PhysicalMonitorGroup(const PhysicalMonitorGroup&) = delete;
    PhysicalMonitorGroup& operator=(const PhysicalMonitorGroup&) = delete;

    [[nodiscard]] const std::vector<MonitorHandle>& monitors() const { return monitors_; }

  private:
    MonitorApi api_;
    std::vector<MonitorHandle> monitors_;
};

// One display interface: its monitor's bus, used by one caller at a time,
// and the handles that keep the monitor open.
struct HardwareInterface {
    HardwareInterface(std::shared_ptr<PhysicalMonitorGroup> group, MonitorBus bus)
        : group(std::move(group)), bus(std::move(bus)) {}

    std::shared_ptr<PhysicalMonitorGroup> group;  // declared first: outlives the bus
    MonitorBus bus;
    std::mutex busMutex;
};

using InterfaceList = std::vector<std::unique_ptr<HardwareInterface>>;

// Asks the system for every display and physical monitor and keeps those
// that answer DDC/CI. Calls that fail leave their display out.
[[nodiscard]] InterfaceList findInterfaces(const MonitorApi& api);

// Whether a physical monitor answers DDC/CI: its brightness can be read
// (or the monitor says it has none), or it gives its timing report.
[[nodiscard]] bool answersDdc(const MonitorApi& api, MonitorHandle monitor);

}  // namespace veskol::hardware
