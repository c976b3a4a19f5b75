// VESKOL.dll's five display-interface functions: served by the monitor
// simulator or by the real monitors, as chooseBackend decides once for the
// process. The library has no way in for another table of monitor calls:
// tests serve the functions in-process over theirs.
#include <cstdlib>
#include <memory>
#include <mutex>

#include "link/display_interface.h"
#include "veskol/hardware/backend_choice.h"
#include "veskol/hardware/hardware_backend.h"
#include "veskol/hardware/windows_monitor_api.h"
#include "veskol/sim/sim_bus.h"
#include "veskol/simulator_api.h"

using veskol::SimBus;
using veskol::hardware::HardwareBackend;

namespace {

using SharedBackend = std::shared_ptr<HardwareBackend>;

struct Selection {
    std::mutex mutex;
    bool chosen = false;
    SharedBackend hardware;  // null: the simulator serves
};

// Never destroyed: the system releases the process's monitor handles at
// exit, and releasing them from the library's unloading would call into
// dxva2.dll, which may be gone by then.
Selection& selection() {
    static Selection* const instance = new Selection;
    return *instance;
}

// The hardware backend the functions use now, or null for the simulator.
SharedBackend hardware() {
    Selection& s = selection();
    std::lock_guard<std::mutex> guard(s.mutex);
    if (!s.chosen) {
        s.chosen = true;
        const veskol::BackendRequest request =
            veskol::backendRequestOf(std::getenv("VESKOL_BACKEND"));
        const bool simulationRequested = std::getenv("VESKOL_SIMULATE") != nullptr;
        if (veskol::chooseBackend(request, simulationRequested,
                                  veskol::hardware::runningUnderWine()) ==
            veskol::Backend::kHardware) {
            s.hardware = std::make_shared<HardwareBackend>(veskol::hardware::systemMonitorApi());
        }
    }
    return s.hardware;
}

}  // namespace

extern "C" {

VESKOL_API int VESKOL_CALL EnumerateInterfaces(int mode, int interfaceSelector) {
    if (const SharedBackend backend = hardware()) {
        return backend->enumerate();
    }
    return SimBus::instance().enumerate(mode, interfaceSelector);
}

VESKOL_API unsigned VESKOL_CALL GetNumDisplayInterfaces(void) {
    if (const SharedBackend backend = hardware()) {
        return backend->interfaceCount();
    }
    return SimBus::instance().interfaceCount();
}

VESKOL_API int VESKOL_CALL GetDisplayInterfaceInfo(int interfaceIndex, DisplayInterfaceInfo* info) {
    if (const SharedBackend backend = hardware()) {
        return backend->interfaceInfo(interfaceIndex, info);
    }
    return SimBus::instance().interfaceInfo(interfaceIndex, info);
}

VESKOL_API int VESKOL_CALL I2C_WRITE(int interfaceIndex, uint8_t address, const uint8_t* data,
                                     uint8_t length, int transferParameter) {
    if (const SharedBackend backend = hardware()) {
        return backend->write(interfaceIndex, address, data, length);
    }
    return SimBus::instance().write(interfaceIndex, address, data, length, transferParameter);
}

VESKOL_API int VESKOL_CALL I2C_READ(int interfaceIndex, uint8_t address, uint8_t* buffer,
                                    uint8_t length, int transferParameter) {
    if (const SharedBackend backend = hardware()) {
        return backend->read(interfaceIndex, address, buffer, length);
    }
    return SimBus::instance().read(interfaceIndex, address, buffer, length, transferParameter);
}

}  // extern "C"
