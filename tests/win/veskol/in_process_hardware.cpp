#include "tests/win/veskol/in_process_hardware.h"

#include <memory>
#include <mutex>

#include "link/display_interface.h"
#include "veskol/hardware/hardware_backend.h"
#include "veskol/library_errors.h"

using veskol::hardware::HardwareBackend;

namespace {

std::mutex backendMutex;
std::shared_ptr<HardwareBackend> installed;

std::shared_ptr<HardwareBackend> backend() {
    std::lock_guard<std::mutex> guard(backendMutex);
    return installed;
}

}  // namespace

void useHardwareApi(const veskol::hardware::MonitorApi* api) {
    std::shared_ptr<HardwareBackend> old;
    {
        std::lock_guard<std::mutex> guard(backendMutex);
        old = std::move(installed);
        if (api) {
            installed = std::make_shared<HardwareBackend>(*api);
        }
    }
    // `old` releases its monitors here, outside the lock.
}

extern "C" {

int EnumerateInterfaces(int, int) {
    const auto b = backend();
    return b ? b->enumerate() : 0;
}

unsigned GetNumDisplayInterfaces(void) {
    const auto b = backend();
    return b ? b->interfaceCount() : 0;
}

int GetDisplayInterfaceInfo(int interfaceIndex, DisplayInterfaceInfo* info) {
    const auto b = backend();
    return b ? b->interfaceInfo(interfaceIndex, info) : veskol::kLibBadArgument;
}

int I2C_WRITE(int interfaceIndex, uint8_t address, const uint8_t* data, uint8_t length, int) {
    const auto b = backend();
    return b ? b->write(interfaceIndex, address, data, length) : veskol::kLibBadArgument;
}

int I2C_READ(int interfaceIndex, uint8_t address, uint8_t* buffer, uint8_t length, int) {
    const auto b = backend();
    return b ? b->read(interfaceIndex, address, buffer, length) : veskol::kLibBadArgument;
}

}  // extern "C"
