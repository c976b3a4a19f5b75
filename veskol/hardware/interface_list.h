// Finding the display interfaces of the hardware backend: one per physical
// monitor paired with an EDID (the program picks its monitors by the
// EDID's vendor, without DDC/CI traffic, so a monitor still waking or busy
// is listed all the same), and one per other physical monitor that answers
// DDC/CI within three tries 150 ms apart; in the scan's order (displays by
// the number in their GDI device name, then each display's monitors).
// A display none of whose monitors becomes an interface is released at once.
// Portable: reaches the system only through MonitorApi.
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "veskol/hardware/display_scan.h"
#include "veskol/hardware/monitor_api.h"
#include "veskol/hardware/monitor_bus.h"

namespace veskol::hardware {

// One display interface: its monitor's bus, used by one caller at a time.
struct HardwareInterface {
    explicit HardwareInterface(MonitorBus bus) : bus(std::move(bus)) {}

    MonitorBus bus;
    std::mutex busMutex;
};

using InterfaceList = std::vector<std::unique_ptr<HardwareInterface>>;

// Asks the system for every display and physical monitor and keeps those
// described above.
[[nodiscard]] InterfaceList findInterfaces(const MonitorApi& api);

// Whether a physical monitor answers DDC/CI: its brightness can be read
// (or the monitor says it has none), or it gives its timing report.
[[nodiscard]] bool answersDdc(const MonitorApi& api, MonitorHandle monitor);

}  // namespace veskol::hardware
