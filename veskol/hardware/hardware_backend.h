// HardwareBackend: the five display-interface functions served by real
// monitors through the operating system's monitor calls (MonitorApi). Each
// physical monitor paired with an EDID, or answering DDC/CI, is one
// interface (interface_list.h says which); its information
// record names the driver "Monitor Configuration API" and carries the
// whole-transactions tag (each call holds the DDC/CI waits, so the link adds
// none); its transfers go to its MonitorBus.
// Enumerating builds a fresh list and swaps it in; a transfer still running
// on the old list keeps its monitor open until it returns, so no caller
// waits for another's enumeration, and callers on different monitors never
// wait for each other. Calls on one interface take turns.
// Portable: reaches the system only through MonitorApi.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>

#include "link/display_interface.h"
#include "veskol/hardware/interface_list.h"
#include "veskol/hardware/monitor_api.h"

namespace veskol::hardware {

inline constexpr char kHardwareDriverName[] = "Monitor Configuration API";

class HardwareBackend {
  public:
    explicit HardwareBackend(const MonitorApi& api);

    // Rebuilds the interface list; returns the number of interfaces.
    int enumerate();
    // The first call to any of these enumerates when nothing has yet.
    unsigned interfaceCount();
    int interfaceInfo(int index, DisplayInterfaceInfo* info);
    int write(int index, uint8_t address, const uint8_t* data, int length);
    int read(int index, uint8_t address, uint8_t* buffer, int length);

  private:
    using SharedList = std::shared_ptr<InterfaceList>;
    [[nodiscard]] SharedList currentList();
    // Runs `transfer` on the interface's bus; kLibBadArgument for no such index.
    template <typename Transfer>
    int onBus(int index, Transfer transfer);

    MonitorApi api_;
    std::mutex enumerateMutex_;  // one enumeration at a time
    std::mutex listMutex_;       // guards list_ itself, never held during a call
    SharedList list_;
};

}  // namespace veskol::hardware
