// VESKOL_BACKEND=hardware under Wine: the library serves the real-monitor
// backend, which finds whatever Wine's system libraries give, even though
// VESKOL_SIMULATE names simulated monitors and Wine alone would get the
// simulator. The suite runs with both variables set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "link/display_interface.h"
#include "veskol/hardware/hardware_backend.h"
#include "veskol/hardware/windows_monitor_api.h"

TEST(ForcedBackend, HardwareUnderWineServesTheSystemsMonitorsNotTheNamedSimulation) {
    ASSERT_STREQ(std::getenv("VESKOL_BACKEND"), "hardware");
    ASSERT_STREQ(std::getenv("VESKOL_SIMULATE"), "qrv-crt,tsw-lcd");
    ASSERT_TRUE(veskol::hardware::runningUnderWine());

    veskol::hardware::HardwareBackend direct(veskol::hardware::systemMonitorApi());
    EnumerateInterfaces(1, kInterfaceSelector);
    const unsigned count = GetNumDisplayInterfaces();
    EXPECT_EQ(count, direct.interfaceCount());
    for (unsigned i = 0; i < count; ++i) {
        DisplayInterfaceInfo info{};
        info.size = kDisplayInterfaceInfoSize;
        ASSERT_EQ(GetDisplayInterfaceInfo(static_cast<int>(i), &info), 0);
        EXPECT_EQ(std::string(info.driverName), veskol::hardware::kHardwareDriverName);
    }
}
