// A full open of the richest simulated monitor: the waits the protocol
// prescribes (the floor of how long an open takes on a real bus), the
// number of messages on the bus, and the CPU time spent outside the waits.
#include <benchmark/benchmark.h>

#include <string>

#include "link/clock.h"
#include "monitor/active_monitor.h"
#include "veskol/sim/sim_bus.h"

namespace {

void fullOpenOfTheRichestMonitor(benchmark::State& state) {
    ScopedVirtualClock clock;
    int64_t waited = 0;
    size_t messages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        veskol::SimBus::instance().configure("tsw-rich-caps", "", "");
        clock.clearRecord();
        state.ResumeTiming();

        ActiveMonitor monitor(1);
        (void)monitor.openMonitor(0, true);
        if (!monitor.isOpen()) {
            state.SkipWithError("the monitor did not open");
            break;
        }

        state.PauseTiming();
        waited = clock.totalWaited();
        messages = 0;
        for (const std::string& frame : veskol::SimBus::instance().frames()) {
            messages += frame.find(" W ") != std::string::npos ? 1 : 0;
        }
        state.ResumeTiming();
    }
    state.counters["wait_floor_ms"] = static_cast<double>(waited);
    state.counters["messages_sent"] = static_cast<double>(messages);
}
BENCHMARK(fullOpenOfTheRichestMonitor)->Unit(benchmark::kMillisecond);

}  // namespace
