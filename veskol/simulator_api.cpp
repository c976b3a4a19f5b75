#include "veskol/simulator_api.h"

#include <cstring>
#include <string>

#include "veskol/sim/sim_bus.h"

using veskol::SimBus;
using veskol::SimInterface;

namespace {

int copyText(const std::string& text, char* out, int size) {
    if (!out || size <= 0) {
        return -1;
    }
    const size_t length = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
    return 0;
}

// Runs `body` with the interface under the bus lock; -1 when there is none.
template <typename Body>
int withInterface(int index, Body body) {
    SimBus& bus = SimBus::instance();
    auto guard = bus.lock();
    SimInterface* iface = bus.at(index);
    if (!iface) {
        return -1;
    }
    return body(*iface);
}

// The same with the interface's simulated monitor; -1 when there is none.
template <typename Body>
int withMonitor(int index, Body body) {
    return withInterface(
        index, [&](SimInterface& iface) { return iface.monitor ? body(*iface.monitor) : -1; });
}

}  // namespace

extern "C" {

VESKOL_API int VESKOL_CALL VeskolSimConfigure(const char* profiles, const char* statePath,
                                              const char* logPath) {
    SimBus& bus = SimBus::instance();
    if (!profiles) {
        bus.configureFromEnvironment();
    } else {
        bus.configure(profiles, statePath ? statePath : "", logPath ? logPath : "");
    }
    return 0;
}

VESKOL_API int VESKOL_CALL VeskolSimListProfiles(char* text, int size) {
    std::string names;
    for (const veskol::MonitorProfile& profile : veskol::builtInProfiles()) {
        if (!names.empty()) {
            names += ',';
        }
        names += profile.name;
    }
    return copyText(names, text, size);
}

VESKOL_API int VESKOL_CALL VeskolSimInterfaceStatus(int index, char* profile, int profileSize,
                                                    char* error, int errorSize) {
    return withInterface(index, [&](SimInterface& iface) {
        if (profile) {
            (void)copyText(iface.profileName, profile, profileSize);
        }
        if (error) {
            (void)copyText(iface.error, error, errorSize);
        }
        return iface.device ? 0 : 1;
    });
}

VESKOL_API int VESKOL_CALL VeskolSimGetValue(int index, int code, int* value) {
    return withMonitor(
        index, [&](veskol::SimMonitor& m) { return value && m.value(code, *value) ? 0 : -1; });
}

VESKOL_API int VESKOL_CALL VeskolSimGetMaximum(int index, int code, int* maximum) {
    return withMonitor(index, [&](veskol::SimMonitor& m) {
        return maximum && m.maximum(code, *maximum) ? 0 : -1;
    });
}

VESKOL_API int VESKOL_CALL VeskolSimGetSavedValue(int index, int code, int* value) {
    return withMonitor(index, [&](veskol::SimMonitor& m) {
        if (!value) {
            return -1;
        }
        int current = 0;
        if (!m.value(code, current)) {
            return -1;
        }
        if (!m.savedValue(code, *value)) {
            *value = -1;
        }
        return 0;
    });
}

VESKOL_API int VESKOL_CALL VeskolSimSetValue(int index, int code, int value) {
    return withMonitor(index,
                       [&](veskol::SimMonitor& m) { return m.setValue(code, value) ? 0 : -1; });
}

VESKOL_API int VESKOL_CALL VeskolSimSetMaximum(int index, int code, int maximum) {
    return withMonitor(index,
                       [&](veskol::SimMonitor& m) { return m.setMaximum(code, maximum) ? 0 : -1; });
}

VESKOL_API int VESKOL_CALL VeskolSimSaveCount(int index) {
    return withMonitor(index, [](veskol::SimMonitor& m) { return m.saveCount(); });
}

VESKOL_API int VESKOL_CALL VeskolSimRequestCount(int index, int opcode) {
    return withMonitor(
        index, [&](veskol::SimMonitor& m) { return m.requestCount(static_cast<uint8_t>(opcode)); });
}

VESKOL_API int VESKOL_CALL VeskolSimSetFaults(int index, const char* spec) {
    return withInterface(
        index, [&](SimInterface& iface) { return spec && iface.faults.configure(spec) ? 0 : -1; });
}

VESKOL_API int VESKOL_CALL VeskolSimEnumerateCalls(int* mode, int* interfaceSelector) {
    const veskol::EnumerationRecord record = SimBus::instance().enumeration();
    if (mode) {
        *mode = record.mode;
    }
    if (interfaceSelector) {
        *interfaceSelector = record.interfaceSelector;
    }
    return record.calls;
}

VESKOL_API int VESKOL_CALL VeskolSimTransferCount(int index) {
    return withInterface(index, [](SimInterface& iface) {
        int calls = 0;
        for (const auto& [parameter, count] : iface.transferParameters) {
            calls += count;
        }
        return calls;
    });
}

VESKOL_API int VESKOL_CALL VeskolSimFaultsInjected(int index) {
    return withInterface(
        index, [](SimInterface& iface) { return static_cast<int>(iface.faults.injected()); });
}

VESKOL_API int VESKOL_CALL VeskolSimTransferParameterCount(int index, int transferParameter) {
    return withInterface(index, [&](SimInterface& iface) {
        const auto found = iface.transferParameters.find(transferParameter);
        return found == iface.transferParameters.end() ? 0 : found->second;
    });
}

VESKOL_API int VESKOL_CALL VeskolSimFrameCount(void) {
    return static_cast<int>(SimBus::instance().frameCount());
}

VESKOL_API int VESKOL_CALL VeskolSimFrame(int position, char* line, int size) {
    std::string frame;
    if (position < 0 || !SimBus::instance().frameAt(static_cast<size_t>(position), frame)) {
        return -1;
    }
    return copyText(frame, line, size);
}

VESKOL_API int VESKOL_CALL VeskolSimFrameTaken(int position) {
    return position < 0 ? -1 : SimBus::instance().frameTaken(static_cast<size_t>(position));
}

VESKOL_API int VESKOL_CALL VeskolSimClearFrames(void) {
    SimBus::instance().clearFrames();
    return 0;
}

}  // extern "C"
