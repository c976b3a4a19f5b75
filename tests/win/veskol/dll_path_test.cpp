// The whole cross path: the link in this program, VESKOL.dll through its
// import library, the simulated default monitor behind it, real waits.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "link/monitor_command_set.h"
#include "veskol/hardware/windows_monitor_api.h"
#include "veskol/simulator_api.h"

TEST(VeskolDll, UnderWineWithNoVariableSetServesTheDefaultSimulatedMonitors) {
    ASSERT_EQ(std::getenv("VESKOL_SIMULATE"), nullptr);
    ASSERT_EQ(std::getenv("VESKOL_BACKEND"), nullptr);
    ASSERT_TRUE(veskol::hardware::runningUnderWine());
    ASSERT_EQ(VeskolSimConfigure(nullptr, nullptr, nullptr), 0);  // environment: defaults
    EnumerateInterfaces(1, kInterfaceSelector);
    ASSERT_EQ(GetNumDisplayInterfaces(), 3u);
    DisplayInterfaceInfo info{};
    info.size = kDisplayInterfaceInfoSize;
    ASSERT_EQ(GetDisplayInterfaceInfo(0, &info), 0);
    EXPECT_STREQ(info.driverName, "VESKOL Simulated DDC/CI");
    char profile[64] = {};
    ASSERT_EQ(VeskolSimInterfaceStatus(0, profile, sizeof profile, nullptr, 0), 0);
    EXPECT_STREQ(profile, "qrv-crt");

    MonitorCommandSet link(0, kTransferParameter, kInterfaceSelector);
    ASSERT_EQ(link.probe(), 0);
    uint8_t edid[kEdidSize];
    ASSERT_EQ(link.readEdid(edid), 0);
    EXPECT_EQ(edid[8] | edid[9] << 8, 0x5646);  // QRV

    int current = -1, maximum = -1;
    uint8_t result = 0xFF, type = 0xFF;
    ASSERT_EQ(link.getVcp(0x10, current, maximum, result, type), 0);
    EXPECT_EQ(result, 0);
    int simulated = -2;
    ASSERT_EQ(VeskolSimGetValue(0, 0x10, &simulated), 0);
    EXPECT_EQ(current, simulated);
    EXPECT_GT(maximum, 0);
}

TEST(VeskolDll, StateFileSurvivesAReconfigureOnWindowsPaths) {
    char path[260];
    ASSERT_GT(GetTempPathA(sizeof path, path), 0u);
    std::strcat(path, "lumetra-dll-state.txt");
    std::remove(path);
    ASSERT_EQ(VeskolSimConfigure("tsw-lcd", path, nullptr), 0);
    MonitorCommandSet link(0, kTransferParameter, kInterfaceSelector);
    ASSERT_EQ(link.setVcp(0x12, 44), 0);
    ASSERT_EQ(link.saveSettings(), 0);
    ASSERT_EQ(link.setVcp(0x12, 45), 0);
    ASSERT_EQ(link.saveSettings(), 0);  // replaces the existing file

    ASSERT_EQ(VeskolSimConfigure("tsw-lcd", path, nullptr), 0);
    int value = 0;
    ASSERT_EQ(VeskolSimGetValue(0, 0x12, &value), 0);
    EXPECT_EQ(value, 45);
    std::remove(path);
}
