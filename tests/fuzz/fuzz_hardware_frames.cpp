// The real-monitor backend's frame translation over arbitrary conversations:
// the scripted monitor's answers (failing calls, its capabilities string,
// its EDID) and then any sequence of writes and reads on its bus, with
// frames either as they come or sealed (header and checksum right) so that
// the translation behind the checks is reached. Every result must be 0 or a
// library error, and every reply read whole must be a well-formed frame.
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "link/display_interface.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/fake_monitor_api.h"
#include "veskol/hardware/monitor_bus.h"

namespace {

constexpr char kPath[] = "\\\\?\\DISPLAY#QRV1234#5&1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";

// Reads the fuzz input front to back; past its end every byte is 0.
struct Input {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    uint8_t next() { return at < size ? data[at++] : 0; }
    bool done() const { return at >= size; }
    uint32_t word() {
        const uint32_t high = next();
        return high << 8 | next();
    }
    std::string text(size_t length) {
        std::string out;
        while (length-- > 0 && !done()) {
            out.push_back(static_cast<char>(next()));
        }
        return out;
    }
};

bool libraryResult(int result) {
    return result == 0 || (result >= -9 && result <= -1);
}

// Source byte, length byte and checksum as a host sends them.
std::vector<uint8_t> sealed(const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> frame = {0x51, static_cast<uint8_t>(0x80 | (payload.size() & 0x7F))};
    frame.insert(frame.end(), payload.begin(), payload.end());
    uint8_t sum = 0x6E;
    for (uint8_t b : frame) {
        sum ^= b;
    }
    frame.push_back(sum);
    return frame;
}

void checkReply(const uint8_t* frame, int length) {
    FUZZ_CHECK(frame[0] == 0x6E && (frame[1] & 0x80) != 0);
    const int payload = frame[1] & 0x7F;
    if (payload + 3 <= length) {
        uint8_t sum = 0x50;
        for (int i = 0; i < payload + 3; ++i) {
            sum ^= frame[i];
        }
        FUZZ_CHECK(sum == 0);
    }
}

void converse(veskol::hardware::MonitorBus& bus, Input& in) {
    for (int step = 0; step < 64 && !in.done(); ++step) {
        const uint8_t op = in.next();
        const int length = in.next() % 48;
        switch (op % 5) {
            case 0:
            case 1: {
                std::vector<uint8_t> bytes;
                for (int i = 0; i < length; ++i) {
                    bytes.push_back(in.next());
                }
                if (op % 5 == 1) {
                    bytes.resize(std::min<size_t>(bytes.size(), 32));
                    bytes = sealed(bytes);
                }
                FUZZ_CHECK(libraryResult(
                    bus.write(kDdcAddress, bytes.data(), static_cast<int>(bytes.size()))));
                break;
            }
            case 2: {
                uint8_t reply[48];
                std::memset(reply, 0xCC, sizeof reply);
                const int result = bus.read(kDdcAddress | 1, reply, std::max(length, 1));
                FUZZ_CHECK(libraryResult(result));
                if (result == 0 && length >= 3) {
                    checkReply(reply, length);
                }
                break;
            }
            case 3: {
                const uint8_t offset = in.next();
                FUZZ_CHECK(libraryResult(bus.write(0xA0, &offset, 1)));
                break;
            }
            default: {
                uint8_t edid[48];
                FUZZ_CHECK(libraryResult(bus.read(0xA1, edid, std::max(length, 1))));
                break;
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in{data, size};
    fake::MonitorCalls calls;
    fake::Monitor monitor;
    const uint8_t failing = in.next();
    for (int call = 0; call < 6; ++call) {
        if (failing & (1 << call)) {
            monitor.failing.insert(static_cast<fake::Call>(call));
        }
    }
    const uint8_t shape = in.next();
    if (shape & 1) {
        monitor.capabilities = in.text(in.next() + (shape & 2 ? 256u : 0u));
        monitor.announcedLength = (shape & 4) ? in.next() : 0;
    }
    for (int i = in.next() % 8; i > 0; --i) {
        const uint8_t code = in.next();
        fake::Vcp vcp;
        vcp.current = in.word();
        vcp.maximum = in.word();
        vcp.kind = (in.next() & 1) ? veskol::hardware::VcpKind::kMomentary
                                   : veskol::hardware::VcpKind::kSetParameter;
        vcp.unsupported = (in.next() & 3) == 0;
        monitor.vcps[code] = vcp;
    }
    calls.displays.push_back({"\\\\.\\DISPLAY1", {monitor}, {fake::device(kPath)}});
    if (shape & 8) {
        calls.registry[kPath] =
            std::vector<uint8_t>(data, data + std::min<size_t>(size, in.next()));
    }

    veskol::hardware::MonitorApi api = calls.table();
    veskol::hardware::DisplayEntry display;
    FUZZ_CHECK(api.listDisplays(api.context, &display, 1) == 1);
    veskol::hardware::PhysicalMonitor physical;
    FUZZ_CHECK(api.physicalMonitors(api.context, display.handle, 1, &physical));
    {
        veskol::hardware::MonitorSlot slot;
        slot.handle = physical.handle;
        slot.displayName = display.deviceName;
        slot.devicePath = (shape & 16) ? "" : kPath;
        veskol::hardware::MonitorBus bus(api, std::move(slot));
        converse(bus, in);
    }
    FUZZ_CHECK(api.destroyPhysicalMonitors(api.context, 1, &physical.handle));
    return 0;
}
