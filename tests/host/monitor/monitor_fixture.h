// Common ground of the monitor-object tests: simulated monitors behind the
// library functions, a virtual clock, the shell's hooks, and helpers that
// look at what reached the simulated monitor.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <string>

#include "link/clock.h"
#include "monitor/active_monitor.h"
#include "veskol/sim/sim_bus.h"
#include "veskol/simulator_api.h"

// The preset label texts of the shipped string table.
inline std::string presetString(int id) {
    static const std::map<int, std::string> kTexts = {{550, "色モード %i"},
                                                      {551, "sRGB"},
                                                      {552, "色補正オフ"},
                                                      {553, "ビデオ"},
                                                      {554, "カスタム"}};
    auto it = kTexts.find(id);
    return it == kTexts.end() ? std::string() : it->second;
}

class MonitorTest : public ::testing::Test {
  protected:
    MonitorTest() {
        monitor.setHooks(MonitorHooks{
            .abortFlag = &abortFlag,
            .armDeferredSave = [this] { ++deferredSaveArmings; },
            .loadString = presetString,
        });
    }

    // Simulates `profiles` (one per interface) and opens interface `index`.
    void open(const char* profiles, int index = 0) {
        VeskolSimConfigure(profiles, "", "");
        ASSERT_EQ(monitor.openMonitor(index, true), 0);
        clock.clearRecord();
    }

    int simValue(int code, int index = 0) {
        int v = -1;
        EXPECT_EQ(VeskolSimGetValue(index, code, &v), 0) << "code " << code;
        return v;
    }
    int simSaved(int code, int index = 0) {
        int v = -2;
        EXPECT_EQ(VeskolSimGetSavedValue(index, code, &v), 0) << "code " << code;
        return v;
    }
    int requests(int opcode, int index = 0) { return VeskolSimRequestCount(index, opcode); }

    std::string label(int kind) {
        std::string text;
        EXPECT_EQ(monitor.presetLabel(text, kind), 0);
        return text;
    }

    ScopedVirtualClock clock;
    std::atomic<int> abortFlag{0};
    int deferredSaveArmings = 0;
    ActiveMonitor monitor{1};
};
