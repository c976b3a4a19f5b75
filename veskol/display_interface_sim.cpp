// The five display-interface functions, served by the monitor simulator.
#include "link/display_interface.h"
#include "veskol/sim/sim_bus.h"

using veskol::SimBus;

// The link takes this result as "the library cannot carry the request" and
// neither retries nor waits for it; both backends refuse with it.
static_assert(veskol::kLibNotAvailable == kLibraryCannotCarry);

extern "C" {

VESKOL_API int VESKOL_CALL EnumerateInterfaces(int mode, int interfaceSelector) {
    return SimBus::instance().enumerate(mode, interfaceSelector);
}

VESKOL_API unsigned VESKOL_CALL GetNumDisplayInterfaces(void) {
    return SimBus::instance().interfaceCount();
}

VESKOL_API int VESKOL_CALL GetDisplayInterfaceInfo(int interfaceIndex, DisplayInterfaceInfo* info) {
    return SimBus::instance().interfaceInfo(interfaceIndex, info);
}

VESKOL_API int VESKOL_CALL I2C_WRITE(int interfaceIndex, uint8_t address, const uint8_t* data,
                                     uint8_t length, int transferParameter) {
    return SimBus::instance().write(interfaceIndex, address, data, length, transferParameter);
}

VESKOL_API int VESKOL_CALL I2C_READ(int interfaceIndex, uint8_t address, uint8_t* buffer,
                                    uint8_t length, int transferParameter) {
    return SimBus::instance().read(interfaceIndex, address, buffer, length, transferParameter);
}

}  // extern "C"
