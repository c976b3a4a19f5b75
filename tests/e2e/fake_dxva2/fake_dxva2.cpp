// A stand-in for the system's dxva2.dll in the end-to-end runs: the Monitor
// Configuration API's physical-monitor and DDC/CI calls with their documented
// prototypes and record layouts, answered from a script instead of monitors.
//
// FAKE_DXVA2_SCRIPT names the script, one statement a line ('#' comments):
//   latency <Call> <ms>            each call of that name takes this long
//   display <n>                    monitors below belong to the n-th display
//                                  (0-based, in EnumDisplayMonitors' order)
//   monitor <description...>       a physical monitor of that display
//   vcp <code> <current> <maximum> [momentary]
//   caps <capabilities string...>
//   timing <horizontal Hz> <vertical Hz> <status>
//   fail <Call|*> <error> [after <k>] [times <n>]
//                                  the monitor's calls of that name, past the
//                                  first k, fail with that last error n times
//   stale <k> [Call]               its first handle dies after k calls (of
//                                  that name); handles taken later work
//   unplug <k> [Call]              after k calls (of that name) it leaves its
//                                  display: every call fails, and the windows
//                                  are told as Windows tells them of a
//                                  display change
// Codes, errors and status are hexadecimal. A code without a vcp line answers
// "unsupported". FAKE_DXVA2_LOG names a file that gets one line a call:
//   <ms since load> <latency ms> <Call> <arguments> -> <result>
// where a monitor handle reads m<monitor>.<handle generation>, both from 1.
#include <windows.h>

// After windows.h, which it needs.
#include <physicalmonitorenumerationapi.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The low-level API's records and the errors it leaves in the last error.
enum MC_VCP_CODE_TYPE { MC_MOMENTARY, MC_SET_PARAMETER };
#pragma pack(push, 1)
struct MC_TIMING_REPORT {
    DWORD dwHorizontalFrequencyInHZ;
    DWORD dwVerticalFrequencyInHZ;
    BYTE bTimingStatusByte;
};
#pragma pack(pop)
constexpr DWORD kVcpNotSupported = 0xC0262584;
constexpr DWORD kInvalidHandle = 0xC026258C;
constexpr DWORD kInvalidCapabilities = 0xC0262587;
constexpr DWORD kMonitorGone = 0xC026258D;

struct Vcp {
    DWORD current = 0;
    DWORD maximum = 0;
    bool momentary = false;
};

struct Fault {
    std::string call;  // "*" for every DDC/CI call
    DWORD error = 0;
    long after = 0;
    long times = -1;  // -1: for ever
    long seen = 0;
};

struct Monitor {
    int display = 0;
    std::wstring description;
    std::map<int, Vcp> vcp;
    std::string caps;
    MC_TIMING_REPORT timing{};
    std::vector<Fault> faults;
    Fault stale{"", 0, -1};  // `after` of -1: never
    Fault unplug{"", 0, -1};
    bool gone = false;
    int generations = 0;  // handles given out so far
};

struct Handle {
    size_t monitor;
    int generation;
    bool open;
};

struct Fake {
    std::mutex mutex;
    std::vector<Monitor> monitors;
    std::map<std::string, DWORD> latency;
    std::map<HANDLE, Handle> handles;
    std::string logPath;
    DWORD start = GetTickCount();
};

std::wstring wide(const std::string& text) {
    std::wstring out(text.size() + 1, L'\0');
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), static_cast<int>(out.size()));
    out.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    return out;
}

std::string restOf(std::istringstream& in) {
    std::string rest;
    std::getline(in >> std::ws, rest);
    return rest;
}

void parseLine(Fake& fake, int& display, const std::string& line) {
    std::istringstream in(line);
    std::string word;
    if (!(in >> word) || word[0] == '#') {
        return;
    }
    if (word == "latency") {
        std::string call;
        DWORD ms = 0;
        in >> call >> ms;
        fake.latency[call] = ms;
    } else if (word == "display") {
        in >> display;
    } else if (word == "monitor") {
        fake.monitors.push_back(Monitor{});
        fake.monitors.back().display = display;
        fake.monitors.back().description = wide(restOf(in));
    } else if (fake.monitors.empty()) {
        return;
    } else if (Monitor& m = fake.monitors.back(); word == "vcp") {
        int code = 0;
        Vcp vcp;
        std::string kind;
        in >> std::hex >> code >> std::dec >> vcp.current >> vcp.maximum >> kind;
        vcp.momentary = kind == "momentary";
        m.vcp[code] = vcp;
    } else if (word == "caps") {
        m.caps = restOf(in);
    } else if (word == "timing") {
        unsigned status = 0;
        in >> m.timing.dwHorizontalFrequencyInHZ >> m.timing.dwVerticalFrequencyInHZ >> std::hex >>
            status;
        m.timing.bTimingStatusByte = static_cast<BYTE>(status);
    } else if (word == "fail") {
        Fault f;
        in >> f.call >> std::hex >> f.error >> std::dec;
        for (std::string key; in >> key;) {
            in >> (key == "after" ? f.after : f.times);
        }
        m.faults.push_back(f);
    } else if (word == "stale" || word == "unplug") {
        Fault& f = word == "stale" ? m.stale : m.unplug;
        in >> f.after >> f.call;
    }
}

Fake& fake() {
    static Fake* const instance = [] {
        auto* f = new Fake;
        if (const char* log = std::getenv("FAKE_DXVA2_LOG")) {
            f->logPath = log;
        }
        int display = 0;
        std::ifstream script(std::getenv("FAKE_DXVA2_SCRIPT") ? std::getenv("FAKE_DXVA2_SCRIPT")
                                                              : "");
        for (std::string line; std::getline(script, line);) {
            parseLine(*f, display, line);
        }
        return f;
    }();
    return *instance;
}

// One log line; called with the lock held.
void logCall(Fake& f, DWORD startMs, DWORD latencyMs, const char* format, ...) {
    FILE* out = f.logPath.empty() ? nullptr : std::fopen(f.logPath.c_str(), "ab");
    if (!out) {
        return;
    }
    std::fprintf(out, "%lu %lu ", startMs - f.start, latencyMs);
    va_list args;
    va_start(args, format);
    std::vfprintf(out, format, args);
    va_end(args);
    std::fputc('\n', out);
    std::fclose(out);
}

// printf into a string (GCC 12 warns falsely about chains of string +).
template <typename... Args>
std::string text(const char* format, Args... args) {
    char out[160];
    std::snprintf(out, sizeof out, format, args...);
    return out;
}

std::string label(const Handle& h) {
    return text("m%zu.%d", h.monitor + 1, h.generation);
}

int displayIndex(HMONITOR display) {
    struct Search {
        HMONITOR wanted;
        int index = -1;
        int seen = 0;
    } search{display};
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR each, HDC, LPRECT, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (each == s->wanted) {
                s->index = s->seen;
            }
            ++s->seen;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.index;
}

std::vector<size_t> monitorsOf(Fake& f, HMONITOR display) {
    std::vector<size_t> found;
    const int index = displayIndex(display);
    for (size_t i = 0; i < f.monitors.size(); ++i) {
        if (index >= 0 && f.monitors[i].display == index && !f.monitors[i].gone) {
            found.push_back(i);
        }
    }
    return found;
}

// One DDC/CI call on a monitor handle: waits the call's latency, logs it and
// returns the monitor, or fails (last error set, null returned) as scripted.
// `detail` receives the text for the log line's arguments.
class Call {
  public:
    Call(const char* name, HANDLE handle) : lock_(fake().mutex), name_(name) {
        Fake& f = fake();
        start_ = GetTickCount();
        latency_ = f.latency.count(name) ? f.latency[name] : 0;
        const auto found = f.handles.find(handle);
        if (found == f.handles.end() || !found->second.open) {
            refuse(kInvalidHandle);
            return;
        }
        handleName_ = label(found->second);
        monitor_ = &f.monitors[found->second.monitor];
        if (monitor_->gone || reached(monitor_->unplug, name)) {
            if (!monitor_->gone) {
                monitor_->gone = true;
                PostMessageW(
                    HWND_BROADCAST, WM_DISPLAYCHANGE, 32,
                    MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
            }
            refuse(kMonitorGone);
            return;
        }
        if (found->second.generation == 1 && reached(monitor_->stale, name)) {
            refuse(kInvalidHandle);
            return;
        }
        for (Fault& fault : monitor_->faults) {
            if ((fault.call == "*" || fault.call == name) && fault.seen++ >= fault.after &&
                fault.times != 0) {
                fault.times -= fault.times > 0 ? 1 : 0;
                refuse(fault.error);
                return;
            }
        }
        Sleep(latency_);
    }

    Monitor* monitor() const { return error_ ? nullptr : monitor_; }

    // Ends the call: the log line, and the last error of a failure.
    BOOL done(const std::string& arguments, const std::string& answer = "") {
        logCall(fake(), start_, latency_, "%s %s %s -> %s", name_, handleName_.c_str(),
                arguments.c_str(),
                error_ ? hex(error_).c_str() : text("1%s", answer.c_str()).c_str());
        SetLastError(error_ ? error_ : ERROR_SUCCESS);
        return error_ ? FALSE : TRUE;
    }

    void fail(DWORD error) { error_ = error; }
    static std::string hex(DWORD value) { return text("%lX", value); }

  private:
    // Whether a stale handle or an unplug has come with this call.
    static bool reached(Fault& when, const char* name) {
        const bool counts = when.after >= 0 && (when.call.empty() || when.call == name);
        return when.after >= 0 && (when.seen += counts ? 1 : 0) > when.after;
    }

    // A failure before the monitor was reached costs no bus time.
    void refuse(DWORD error) {
        error_ = error;
        latency_ = 0;
    }

    std::lock_guard<std::mutex> lock_;
    const char* name_;
    DWORD start_ = 0;
    DWORD latency_ = 0;
    DWORD error_ = 0;
    std::string handleName_ = "?";
    Monitor* monitor_ = nullptr;
};

}  // namespace

extern "C" {

BOOL WINAPI GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR display, LPDWORD count) {
    Fake& f = fake();
    std::lock_guard<std::mutex> lock(f.mutex);
    const int index = displayIndex(display);
    if (!count || index < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *count = static_cast<DWORD>(monitorsOf(f, display).size());
    logCall(f, GetTickCount(), 0, "GetNumberOfPhysicalMonitorsFromHMONITOR d%d -> 1 %lu", index,
            *count);
    return TRUE;
}

BOOL WINAPI GetPhysicalMonitorsFromHMONITOR(HMONITOR display, DWORD size,
                                            LPPHYSICAL_MONITOR records) {
    Fake& f = fake();
    std::lock_guard<std::mutex> lock(f.mutex);
    const std::vector<size_t> found = monitorsOf(f, display);
    if (!records || size < found.size()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string given;
    for (size_t i = 0; i < found.size(); ++i) {
        Monitor& m = f.monitors[found[i]];
        const int generation = ++m.generations;
        const auto handle = reinterpret_cast<HANDLE>((found[i] + 1) << 16 | generation);
        f.handles[handle] = Handle{found[i], generation, true};
        records[i].hPhysicalMonitor = handle;
        lstrcpynW(records[i].szPhysicalMonitorDescription, m.description.c_str(),
                  PHYSICAL_MONITOR_DESCRIPTION_SIZE);
        given.append(" ").append(label(f.handles[handle]));
    }
    logCall(f, GetTickCount(), 0, "GetPhysicalMonitorsFromHMONITOR d%d %lu -> 1%s",
            displayIndex(display), size, given.c_str());
    return TRUE;
}

BOOL WINAPI DestroyPhysicalMonitors(DWORD size, LPPHYSICAL_MONITOR records) {
    Fake& f = fake();
    std::lock_guard<std::mutex> lock(f.mutex);
    std::string released;
    BOOL ok = records != nullptr;
    for (DWORD i = 0; ok && i < size; ++i) {
        const auto found = f.handles.find(records[i].hPhysicalMonitor);
        const bool open = found != f.handles.end() && found->second.open;
        released.append(" ").append(open ? label(found->second) : "?");
        ok = ok && open;
        if (open) {
            found->second.open = false;
        }
    }
    logCall(f, GetTickCount(), 0, "DestroyPhysicalMonitors %lu%s -> %d", size, released.c_str(),
            ok);
    SetLastError(ok ? ERROR_SUCCESS : kInvalidHandle);
    return ok;
}

BOOL WINAPI GetVCPFeatureAndVCPFeatureReply(HANDLE handle, BYTE code, MC_VCP_CODE_TYPE* type,
                                            LPDWORD current, LPDWORD maximum) {
    Call call("GetVCPFeatureAndVCPFeatureReply", handle);
    const std::string arguments = Call::hex(code);
    Monitor* m = call.monitor();
    if (!m) {
        return call.done(arguments);
    }
    const auto found = m->vcp.find(code);
    if (found == m->vcp.end()) {
        call.fail(kVcpNotSupported);
        return call.done(arguments);
    }
    const Vcp& vcp = found->second;
    if (type) {
        *type = vcp.momentary ? MC_MOMENTARY : MC_SET_PARAMETER;
    }
    if (current) {
        *current = vcp.current;
    }
    if (maximum) {
        *maximum = vcp.maximum;
    }
    return call.done(arguments, text(" %lu %lu", vcp.current, vcp.maximum));
}

BOOL WINAPI SetVCPFeature(HANDLE handle, BYTE code, DWORD value) {
    Call call("SetVCPFeature", handle);
    if (Monitor* m = call.monitor(); m && m->vcp.count(code)) {
        m->vcp[code].current = value;  // a code the monitor lacks is ignored, as monitors do
    }
    return call.done(text("%X %lu", code, value));
}

BOOL WINAPI SaveCurrentSettings(HANDLE handle) {
    Call call("SaveCurrentSettings", handle);
    return call.done("");
}

BOOL WINAPI GetTimingReport(HANDLE handle, MC_TIMING_REPORT* report) {
    Call call("GetTimingReport", handle);
    if (Monitor* m = call.monitor(); m && report) {
        *report = m->timing;
    }
    return call.done("");
}

BOOL WINAPI GetCapabilitiesStringLength(HANDLE handle, LPDWORD length) {
    Call call("GetCapabilitiesStringLength", handle);
    Monitor* m = call.monitor();
    if (m && m->caps.empty()) {
        call.fail(kInvalidCapabilities);
    } else if (m && length) {
        *length = static_cast<DWORD>(m->caps.size() + 1);
    }
    return call.done("", m ? text(" %zu", m->caps.size() + 1) : "");
}

BOOL WINAPI CapabilitiesRequestAndCapabilitiesReply(HANDLE handle, LPSTR buffer, DWORD length) {
    Call call("CapabilitiesRequestAndCapabilitiesReply", handle);
    Monitor* m = call.monitor();
    if (m && (m->caps.empty() || !buffer || length < m->caps.size() + 1)) {
        call.fail(m->caps.empty() ? kInvalidCapabilities : ERROR_INVALID_PARAMETER);
    } else if (m) {
        lstrcpynA(buffer, m->caps.c_str(), static_cast<int>(length));
    }
    return call.done(text("%lu", length));
}

}  // extern "C"
