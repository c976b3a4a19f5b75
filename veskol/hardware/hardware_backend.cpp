#include "veskol/hardware/hardware_backend.h"

#include <cstring>
#include <utility>

#include "veskol/library_errors.h"

namespace veskol::hardware {

HardwareBackend::HardwareBackend(const MonitorApi& api) : api_(api) {}

int HardwareBackend::enumerate() {
    std::lock_guard<std::mutex> one(enumerateMutex_);
    auto fresh = std::make_shared<InterfaceList>(findInterfaces(api_));
    const int count = static_cast<int>(fresh->size());
    SharedList old;
    {
        std::lock_guard<std::mutex> guard(listMutex_);
        old = std::exchange(list_, std::move(fresh));
    }
    // `old` releases its monitors here, outside the list lock, unless a
    // transfer still holds it.
    return count;
}

HardwareBackend::SharedList HardwareBackend::currentList() {
    {
        std::lock_guard<std::mutex> guard(listMutex_);
        if (list_) {
            return list_;
        }
    }
    (void)enumerate();
    std::lock_guard<std::mutex> guard(listMutex_);
    return list_;
}

unsigned HardwareBackend::interfaceCount() {
    return static_cast<unsigned>(currentList()->size());
}

int HardwareBackend::interfaceInfo(int index, DisplayInterfaceInfo* info) {
    const SharedList list = currentList();
    if (!info || info->size != kDisplayInterfaceInfoSize || index < 0 ||
        static_cast<size_t>(index) >= list->size()) {
        return kLibBadArgument;
    }
    std::memset(reinterpret_cast<uint8_t*>(info) + sizeof info->size, 0,
                sizeof *info - sizeof info->size);
    // The system's calls hold the protocol's waits themselves.
    std::memcpy(reinterpret_cast<uint8_t*>(info) + kWholeTransactionsTagOffset,
                kWholeTransactionsTag, sizeof kWholeTransactionsTag);
    std::strncpy(info->driverName, kHardwareDriverName, sizeof info->driverName - 1);
    return 0;
}

template <typename Transfer>
int HardwareBackend::onBus(int index, Transfer transfer) {
    const SharedList list = currentList();
    if (index < 0 || static_cast<size_t>(index) >= list->size()) {
        return kLibBadArgument;
    }
    HardwareInterface& iface = *(*list)[static_cast<size_t>(index)];
    std::lock_guard<std::mutex> turn(iface.busMutex);
    return transfer(iface.bus);
}

int HardwareBackend::write(int index, uint8_t address, const uint8_t* data, int length) {
    return onBus(index, [&](MonitorBus& bus) { return bus.write(address, data, length); });
}

int HardwareBackend::read(int index, uint8_t address, uint8_t* buffer, int length) {
    return onBus(index, [&](MonitorBus& bus) { return bus.read(address, buffer, length); });
}

}  // namespace veskol::hardware
