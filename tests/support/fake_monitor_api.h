// A scripted stand-in for the system's monitor calls: displays, their
// physical monitors, monitor devices, EDID registry values and display
// targets. It hands out fresh handles, refuses handles not out or gone
// stale (as a sleeping PC leaves them), gives each failure a last-error
// code, and counts what reached each monitor and every release, so tests
// can check that nothing leaks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "veskol/hardware/monitor_api.h"

namespace fake {

using namespace veskol::hardware;

struct Vcp {
    uint32_t current = 0;
    uint32_t maximum = 100;
    VcpKind kind = VcpKind::kSetParameter;
    bool unsupported = false;  // the monitor answers "unsupported code"
};

// The calls a test can make fail for one monitor.
enum class Call { kGetVcp, kSetVcp, kSave, kTiming, kCapabilitiesLength, kCapabilities };

struct Monitor {
    std::map<uint8_t, Vcp> vcps = {{0x10, Vcp{50, 100}}};
    TimingReport timing{31500, 60, 0x03};
    std::optional<std::string> capabilities;  // none: both capabilities calls fail
    uint32_t announcedLength = 0;             // 0: the string's size and its zero
    std::set<Call> failing;
    bool ddc = true;              // false: no DDC/CI at all, every request fails
    int failuresLeft = 0;         // the next this many requests fail, whatever they are
    std::string description;      // as the physical-monitor record gives it
    uint32_t failureCode = 0x1F;  // the last error of a failed request

    // What reached the monitor.
    std::vector<std::pair<uint8_t, uint32_t>> sets;
    int saves = 0;
    int capabilityReads = 0;
    int requests = 0;
};

struct Display {
    std::string name;
    std::vector<Monitor> monitors;
    std::vector<MonitorDevice> devices;
    bool countFails = false;
    bool monitorsFail = false;
};

inline MonitorDevice device(const char* path, bool active = true, const char* name = "") {
    MonitorDevice d;
    std::strncpy(d.path, path, sizeof d.path - 1);
    std::strncpy(d.name, name, sizeof d.name - 1);
    d.active = active;
    return d;
}

class MonitorCalls {
  public:
    std::vector<Display> displays;
    // EDID values by device path as the device registry writes it; a path
    // with an empty value is a device without an EDID value.
    std::map<std::string, std::vector<uint8_t>> registry;
    std::vector<DisplayTarget> targets;  // QueryDisplayConfig's
    int releaseCalls = 0;
    int wrongReleases = 0;      // releases of handles not out
    int countCalls = 0;         // of the physical-monitor count
    int listCalls = 0;          // of the display list: one per scan
    int staleCalls = 0;         // requests on a handle gone stale
    uint32_t countSurplus = 0;  // added to the next count only: a monitor went meanwhile

    [[nodiscard]] size_t handlesOut() const { return open_.size(); }
    // Every handle out stops working, as after the PC slept; new ones work.
    void staleHandles() {
        for (auto& entry : open_) {
            stale_.insert(entry.first);
        }
    }
    [[nodiscard]] MonitorApi table() { return monitorApiOf<MonitorCalls>(this); }

    static int listDisplays(void* c, DisplayEntry* out, int capacity) {
        ++self(c).listCalls;
        const auto& list = self(c).displays;
        const int count = std::min(capacity, static_cast<int>(list.size()));
        for (int i = 0; i < count; ++i) {
            out[i].handle = reinterpret_cast<void*>(static_cast<uintptr_t>(i) + 1);
            std::strncpy(out[i].deviceName, list[i].name.c_str(), sizeof out[i].deviceName - 1);
        }
        return count;
    }
    static bool physicalMonitorCount(void* c, void* display, uint32_t* count) {
        const Display& d = self(c).displays.at(reinterpret_cast<uintptr_t>(display) - 1);
        ++self(c).countCalls;
        *count = static_cast<uint32_t>(d.monitors.size()) + self(c).countSurplus;
        self(c).countSurplus = 0;
        return !d.countFails;
    }
    static bool physicalMonitors(void* c, void* display, uint32_t count, PhysicalMonitor* out) {
        const size_t index = reinterpret_cast<uintptr_t>(display) - 1;
        const Display& d = self(c).displays.at(index);
        if (d.monitorsFail || count != d.monitors.size()) {
            return false;
        }
        for (uint32_t i = 0; i < count; ++i) {
            out[i].handle = reinterpret_cast<MonitorHandle>(++self(c).lastHandle_);
            std::strncpy(out[i].description, d.monitors[i].description.c_str(),
                         sizeof out[i].description - 1);
            self(c).open_[out[i].handle] = {index, i};
        }
        return true;
    }
    static bool destroyPhysicalMonitors(void* c, uint32_t count, MonitorHandle* monitors) {
        ++self(c).releaseCalls;
        for (uint32_t i = 0; i < count; ++i) {
            self(c).wrongReleases += self(c).open_.erase(monitors[i]) == 0 ? 1 : 0;
            self(c).stale_.erase(monitors[i]);
        }
        return true;
    }
    static VcpAnswer getVcp(void* c, MonitorHandle h, uint8_t code, VcpKind* kind,
                            uint32_t* current, uint32_t* maximum) {
        Monitor* m = reach(c, h, Call::kGetVcp);
        if (!m) {
            return VcpAnswer::kFailed;
        }
        const auto found = m->vcps.find(code);
        if (found == m->vcps.end() || found->second.unsupported) {
            return VcpAnswer::kUnsupported;
        }
        *kind = found->second.kind;
        *current = found->second.current;
        *maximum = found->second.maximum;
        return VcpAnswer::kAnswered;
    }
    static bool setVcp(void* c, MonitorHandle h, uint8_t code, uint32_t value) {
        Monitor* m = reach(c, h, Call::kSetVcp);
        return m && (m->sets.emplace_back(code, value), m->vcps[code].current = value, true);
    }
    static bool saveSettings(void* c, MonitorHandle h) {
        Monitor* m = reach(c, h, Call::kSave);
        return m && ++m->saves > 0;
    }
    static bool timingReport(void* c, MonitorHandle h, TimingReport* report) {
        Monitor* m = reach(c, h, Call::kTiming);
        return m && (*report = m->timing, true);
    }
    static bool capabilitiesLength(void* c, MonitorHandle h, uint32_t* length) {
        Monitor* m = reach(c, h, Call::kCapabilitiesLength);
        if (!m || !m->capabilities) {
            return false;
        }
        *length = m->announcedLength ? m->announcedLength
                                     : static_cast<uint32_t>(m->capabilities->size() + 1);
        return true;
    }
    static bool capabilities(void* c, MonitorHandle h, char* text, uint32_t length) {
        Monitor* m = reach(c, h, Call::kCapabilities);
        if (!m || !m->capabilities || length == 0) {
            return false;
        }
        ++m->capabilityReads;
        std::memset(text, 0, length);
        m->capabilities->copy(text, length - 1);
        return true;
    }
    static bool monitorDevice(void* c, const char* name, uint32_t index, MonitorDevice* out) {
        for (const Display& d : self(c).displays) {
            if (d.name == name && index < d.devices.size()) {
                *out = d.devices[index];
                return true;
            }
        }
        return false;
    }
    static int displayTargets(void* c, DisplayTarget* out, int capacity) {
        const auto& list = self(c).targets;
        const int count = std::min(capacity, static_cast<int>(list.size()));
        std::copy(list.begin(), list.begin() + count, out);
        return count;
    }
    static uint32_t lastError(void* c) { return self(c).lastError_; }
    static int deviceEdid(void* c, const char* path, uint8_t* buffer, int capacity) {
        for (const auto& [registered, value] : self(c).registry) {
            if (sameDevicePath(registered.c_str(), path)) {
                if (!value.empty()) {
                    std::memcpy(buffer, value.data(), std::min<size_t>(value.size(), capacity));
                }
                return static_cast<int>(value.size());
            }
        }
        return kEdidNoDevice;
    }

  private:
    static MonitorCalls& self(void* c) { return *static_cast<MonitorCalls*>(c); }

    // The monitor behind a handle that is out, when that call may succeed.
    static Monitor* reach(void* c, MonitorHandle handle, Call call) {
        MonitorCalls& calls = self(c);
        const auto found = calls.open_.find(handle);
        if (found == calls.open_.end() || calls.stale_.count(handle)) {
            calls.staleCalls += calls.stale_.count(handle) ? 1 : 0;
            calls.lastError_ = kErrorInvalidMonitorHandle;
            return nullptr;
        }
        Monitor& m = calls.displays[found->second.first].monitors[found->second.second];
        ++m.requests;
        if (!m.ddc || m.failing.count(call) || (m.failuresLeft > 0 && m.failuresLeft-- > 0)) {
            calls.lastError_ = m.failureCode;
            return nullptr;
        }
        return &m;
    }

    std::map<MonitorHandle, std::pair<size_t, size_t>> open_;  // handle: display, monitor
    std::set<MonitorHandle> stale_;
    uint32_t lastError_ = 0;
    uintptr_t lastHandle_ = 0x1000;
};

}  // namespace fake
