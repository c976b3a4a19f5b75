#include "veskol/hardware/interface_list.h"

#include <utility>

#include "link/clock.h"

namespace veskol::hardware {
namespace {

constexpr uint8_t kBrightness = 0x10;
constexpr int kProbeTries = 3;
constexpr int kProbeIntervalMs = 150;

// A monitor without an EDID to go by is asked a few times: one that is
// still waking, or busy with another program, misses a single request.
bool answersWithinTries(const MonitorApi& api, MonitorHandle monitor) {
    for (int attempt = 0; attempt < kProbeTries; ++attempt) {
        if (attempt > 0) {
            sleepMs(kProbeIntervalMs);
        }
        if (answersDdc(api, monitor)) {
            return true;
        }
    }
    return false;
}

}  // namespace

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
    for (MonitorSlot& slot : scanDisplays(api)) {
        if (!slot.edid.empty() || answersWithinTries(api, slot.handle)) {
            list.push_back(std::make_unique<HardwareInterface>(MonitorBus(api, std::move(slot))));
        }
    }
    return list;
}

}  // namespace veskol::hardware
