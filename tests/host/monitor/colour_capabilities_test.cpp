// Colour rules of a monitor driven by its capabilities string.
#include "tests/host/monitor/monitor_fixture.h"

TEST_F(MonitorTest, PresetsColourControlsAndGainLimitsComeFromTheCapabilities) {
    open("tsw-lcd");  // 14(01 05 08 0B), current preset 5
    EXPECT_EQ(monitor.presetAt(4), -1);
    EXPECT_EQ(monitor.presetAt(20), 0);
    EXPECT_EQ(monitor.presetAt(-1), 0);
    EXPECT_EQ(monitor.currentPreset(), 5);
    EXPECT_EQ(monitor.currentPresetPosition(), 1);
    EXPECT_EQ(monitor.presetCount(), 12);  // maximum 11 + 1
    std::string text;
    EXPECT_EQ(monitor.presetLabelAt(text, 3), 0);
    EXPECT_EQ(text, "カスタム");

    ASSERT_EQ(VeskolSimSetValue(0, 0x16, 10), 0);  // the gains follow the preset
    ASSERT_EQ(monitor.selectPresetAt(0), 0);       // sRGB
    EXPECT_EQ(simValue(0x14), 1);
    const std::vector<int> waits = clock.waits();
    ASSERT_GE(waits.size(), 2u);
    EXPECT_EQ(waits[0], 50);   // Set VCP
    EXPECT_EQ(waits[1], 800);  // the monitor switches
    EXPECT_EQ(monitor.currentPreset(), 1);
    EXPECT_EQ(monitor.gain(kColourRed), 10);
    EXPECT_EQ(monitor.isModified(18), 0);  // the switch sets a new baseline
    EXPECT_EQ(monitor.isSrgbActive(), 1);
    EXPECT_EQ(monitor.gainMaximum(kColourRed), 0);

    // Gains are fixed in sRGB: nothing is sent.
    const int writes = requests(0x03);
    EXPECT_EQ(monitor.setGain(kColourRed, 50), 0);
    EXPECT_EQ(requests(0x03), writes);
    EXPECT_EQ(simValue(0x16), 10);

    open("tsw-lcd");  // no 0x0C, 0x54, 0x9B, 0x8A in its list
    EXPECT_EQ(monitor.colourTemperatureAvailability(), 0);
    EXPECT_EQ(monitor.hueAvailability(), 0);
    EXPECT_EQ(monitor.saturationAvailability(), 0);
    EXPECT_EQ(monitor.colourTemperatureBase(), 5000);
    EXPECT_EQ(monitor.colourTemperatureStep(), -1);
    EXPECT_EQ(monitor.colourTemperatureMaximum(), 0);
    EXPECT_EQ(monitor.blackLevelAvailability(), 2);
    EXPECT_EQ(monitor.canResetColour(), 1);
    EXPECT_EQ(monitor.brightnessContrastLocked(), 0);  // a flat panel by its type

    EXPECT_EQ(monitor.allGainsSupported(), 1);
    EXPECT_EQ(monitor.gainMaximum(kColourGreen), 100);
    EXPECT_EQ(monitor.gainMinimum(kColourGreen), 0);
    EXPECT_EQ(monitor.gainMinimum(4), -1);
    EXPECT_EQ(monitor.gainMaximum(4), -1);
    EXPECT_EQ(monitor.setGain(4, 1), -3);
    EXPECT_EQ(monitor.gain(4), -1);
    EXPECT_EQ(monitor.gainPermille(0), -1);
    EXPECT_EQ(monitor.setGain(kColourBlue, 40), 0);
    EXPECT_EQ(simValue(0x1A), 40);
    EXPECT_EQ(monitor.gain(kColourBlue), 40);
    EXPECT_EQ(monitor.gainPermille(kColourBlue), 400);
    EXPECT_EQ(monitor.isModified(17), 1);
    EXPECT_EQ(monitor.gainAvailability(), 2);
}
