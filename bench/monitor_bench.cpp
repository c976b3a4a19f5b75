// A full open of the richest simulated monitor: the program's total wait on
// the virtual clock (every wait it made: the protocol's, its retries' and its
// polls'; how long the open takes on a real bus, less the transfers), the
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
    state.counters["program_wait_ms"] = static_cast<double>(waited);
    state.counters["messages_sent"] = static_cast<double>(messages);
}
BENCHMARK(fullOpenOfTheRichestMonitor)->Unit(benchmark::kMillisecond);

}  // namespace
