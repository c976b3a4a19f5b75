// CPU cost of the link's commands against a simulated monitor. The virtual
// clock returns from every wait at once, so the figures are the work of the
// link and the simulator, without the waits the protocol prescribes.
#include <benchmark/benchmark.h>

#include "link/clock.h"
#include "link/ddc_link.h"
#include "link/monitor_command_set.h"
#include "veskol/sim/sim_bus.h"

namespace {

void getVcpExchange(benchmark::State& state) {
    ScopedVirtualClock clock;
    veskol::SimBus::instance().configure("qrv-crt", "", "");
    MonitorCommandSet link(0, 10000, 3);
    for (auto _ : state) {
        int current = 0, maximum = 0;
        uint8_t result = 0, type = 0;
        if (link.getVcp(0x10, current, maximum, result, type) != 0) {
            state.SkipWithError("getVcp failed");
            break;
        }
        benchmark::DoNotOptimize(current);
        veskol::SimBus::instance().clearFrames();  // keep the in-memory record small
    }
}
BENCHMARK(getVcpExchange)->Unit(benchmark::kMicrosecond);

void capabilitiesRead(benchmark::State& state) {
    ScopedVirtualClock clock;
    veskol::SimBus::instance().configure("tsw-lcd", "", "");
    MonitorCommandSet link(0, 10000, 3);
    char text[kCapabilitiesBufferSize];
    int length = 0;
    for (auto _ : state) {
        length = link.readCapabilities(text, sizeof text);
        if (length <= 0) {
            state.SkipWithError("capabilities read failed");
            break;
        }
        veskol::SimBus::instance().clearFrames();
    }
    state.counters["bytes"] = length;
}
BENCHMARK(capabilitiesRead)->Unit(benchmark::kMicrosecond);

}  // namespace
