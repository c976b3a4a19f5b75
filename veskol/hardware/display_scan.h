// Scanning the desktop for physical monitors: every display's physical
// monitors, in a stable order (displays by the number in their GDI device
// name, then each display's monitors in the API's order), each paired with
// the monitor device it is and that device's EDID where that is known
// without guessing.
// Pairing is by position among the display's active monitor devices, which
// no documentation promises; so it is made only when the counts agree and
// nothing contradicts it: on a display that shows several monitors (the
// duplicate mode), the monitor's description must be the device's string;
// and where the display configuration has valid EDID identifiers for the
// device, the registry's EDID must carry them. A monitor that cannot be
// paired gets no device and no EDID rather than another monitor's.
// The physical-monitor handles one display gave are released together,
// with DestroyPhysicalMonitors, when the last slot that holds them is gone.
// Portable: reaches the system only through MonitorApi.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "veskol/hardware/monitor_api.h"

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

// One physical monitor found, and what is known of it.
struct MonitorSlot {
    std::shared_ptr<PhysicalMonitorGroup> group;  // keeps `handle` open (null: the caller does)
    MonitorHandle handle = nullptr;
    std::string displayName;    // "\\.\DISPLAY1"; may change while the monitor stays
    uint32_t position = 0;      // among the display's physical monitors
    std::string devicePath;     // the paired monitor device; empty: not paired
    std::vector<uint8_t> edid;  // the paired device's EDID value; empty: none
};

// Every physical monitor of the desktop. Displays whose calls fail are left
// out.
[[nodiscard]] std::vector<MonitorSlot> scanDisplays(const MonitorApi& api);

// The monitor of `lost` as the desktop has it now: the slot of the same
// monitor device (by its interface path; the display's name may have
// changed) wherever it is, or for a monitor without a device, the same
// display name and position. Empty when it is not there. Every other
// monitor found on the way is released again.
[[nodiscard]] std::optional<MonitorSlot> findAgain(const MonitorApi& api, const MonitorSlot& lost);

// The display configuration's active target of the monitor device at
// `devicePath`; false when it has none.
[[nodiscard]] bool findTarget(const MonitorApi& api, const std::string& devicePath,
                              DisplayTarget& target);

// Whether the EDID carries the manufacturer and product the display
// configuration gives for its device (true when it gives no valid ones).
[[nodiscard]] bool edidAgreesWith(const DisplayTarget& target, const std::vector<uint8_t>& edid);

}  // namespace veskol::hardware
