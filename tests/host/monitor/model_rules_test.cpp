// Per-model rules of the monitor object, each against the simulated model
// that has it: preset tables and labels, preset switching with its waits,
// the four-preset rule, deferred and vendor saving, inverted black levels,
// the 300 ms gain wait, colour temperature, actions and their reloads.
#include "tests/host/monitor/monitor_fixture.h"

#include <algorithm>

namespace {

// Waits recorded by the virtual clock, without the 50 ms that follow every
// exchange (the protocol's own), to look at the rule-made waits.
std::vector<int> longWaits(const std::vector<int>& waits, int atLeast) {
    std::vector<int> out;
    std::copy_if(waits.begin(), waits.end(), std::back_inserter(out),
                 [atLeast](int w) { return w >= atLeast; });
    return out;
}

}  // namespace

TEST_F(MonitorTest, PresetListsAndLabelsOfEachKindOfModel) {
    struct Case {
        const char* profile;
        std::vector<int> list;
        std::vector<std::pair<int, std::string>> labels;
    };
    const Case cases[] = {
        // From the capabilities; a preset they do not list keeps the
        // default numbering.
        {"tsw-lcd",
         {1, 5, 8, 11},
         {{1, "sRGB"},
          {5, "色モード 2"},
          {8, "色モード 1"},
          {11, "カスタム"},
          {12, "ビデオ"},
          {2, "色補正オフ"},
          {6, "色モード 7"}}},
        {"tsw-lcd-p1",
         {1, 2, 11, 12},
         {{1, "sRGB"}, {2, "色補正オフ"}, {11, "カスタム"}, {12, "ビデオ"}, {3, "Unsupported"}}},
        {"tsw-lcd-p2",
         {0, 1, 2, 3},
         {{0, "色補正オフ"}, {1, "sRGB"}, {2, "ビデオ"}, {3, "カスタム"}, {5, "色モード 6"}}},
        {"qrv-lcd-p3",
         {2, 4, 5, 6, 7, 8},
         {{2, "色補正オフ"},
          {4, "色モード 5"},
          {6, "色モード 3"},
          {8, "色モード 1"},
          {3, "Unsupported"}}},
        {"qrv-lcd-p4",
         {1, 2, 4, 6, 7, 8},
         {{1, "sRGB"},
          {4, "色モード 4"},
          {7, "色モード 2"},
          {11, "カスタム"},
          {12, "ビデオ"},
          {5, "Unsupported"}}},
        {"tsw-lcd-p5",
         {1, 2, 4, 6, 7, 8},
         {{2, "色補正オフ"}, {4, "色モード 5"}, {6, "色モード 3"}, {11, "Unsupported"}}},
        // sRGB at 3, presets from 0: the rest numbered kind + 1.
        {"qrv-crt",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         {{3, "sRGB"}, {0, "色モード 1"}, {5, "色モード 6"}}},
        // Four presets from 1, sRGB at 4.
        {"tsw-four-preset", {1, 2, 3, 4}, {{4, "sRGB"}, {2, "色モード 2"}, {1, "色モード 1"}}},
    };
    for (const Case& c : cases) {
        open(c.profile);
        ASSERT_EQ(monitor.isOpen(), 1) << c.profile;
        std::vector<int> list;
        for (int i = 0; i < monitor.presetListSize(); ++i) {
            list.push_back(monitor.presetAt(i));
        }
        EXPECT_EQ(list, c.list) << c.profile;
        for (const auto& [kind, text] : c.labels) {
            EXPECT_EQ(label(kind), text) << c.profile << " kind " << kind;
        }
    }
}

TEST_F(MonitorTest, PresetSwitchesGoThroughThePictureModeCodeAndStoreWaitAndNudgeAsTheModelNeeds) {
    open("qrv-picture-mode");
    EXPECT_EQ(monitor.presetCount(), 5);
    EXPECT_EQ(monitor.presetListSize(), 5);
    EXPECT_EQ(monitor.usesPictureModeCode(), 1);
    ASSERT_EQ(monitor.selectPresetAt(2), 0);  // list value 2
    EXPECT_EQ(simValue(0xD8), 3);
    EXPECT_EQ(simValue(0x14), 2);  // the monitor's preset follows its mode
    EXPECT_EQ(monitor.currentPreset(), 2);
    EXPECT_EQ(longWaits(clock.waits(), 100), std::vector<int>{800});

    struct Case {
        const char* profile;
        int value;
        std::vector<int> waits;  // rule-made waits in order
        int vendorQueries;       // 06 + 05 of a store, 05 of a nudge
    };
    const Case cases[] = {
        {"qrv-lcd-p4", 4, {200, 800}, 2},   // store first, then the switch
        {"tsw-lcd-p5", 6, {200, 2000}, 2},  // store first, a long switch
        {"tsw-lcd-p2", 2, {800}, 1},        // a nudge after the switch
        {"qrv-lcd-p3", 4, {800}, 0},
    };
    for (const Case& c : cases) {
        open(c.profile);
        const int queries = requests(0xC0);
        ASSERT_EQ(monitor.selectPreset(c.value), 0) << c.profile;
        EXPECT_EQ(simValue(0x14), c.value) << c.profile;
        EXPECT_EQ(longWaits(clock.waits(), 200), c.waits) << c.profile;
        EXPECT_EQ(requests(0xC0) - queries, c.vendorQueries) << c.profile;
    }
}

TEST_F(MonitorTest, PresetSwitchReloadsTheColoursWithANewBaselineUnlessTheWriteFails) {
    open("tsw-lcd-p5");  // preset 6, gains 100/96/90
    ASSERT_EQ(monitor.selectPreset(1), 0);
    EXPECT_EQ(monitor.gain(kColourRed), 97);  // the preset's own gains
    EXPECT_EQ(monitor.gain(kColourBlue), 94);
    EXPECT_EQ(monitor.isModified(18), 0);
    EXPECT_EQ(monitor.currentPresetPosition(), 0);
    // The preset itself counts as changed: Cancel puts preset 6 back.
    EXPECT_EQ(monitor.anyModified(), 1);
    ASSERT_EQ(monitor.restoreAll(), 0);
    EXPECT_EQ(simValue(0x14), 6);

    open("qrv-lcd-p3");
    ASSERT_EQ(VeskolSimSetFaults(0, "nak=1000"), 0);
    EXPECT_EQ(monitor.selectPreset(4), -1);
    EXPECT_EQ(longWaits(clock.waits(), 100), std::vector<int>{});
    EXPECT_EQ(monitor.currentPreset(), 6);
}

TEST_F(MonitorTest, PresetFourOfTheFourPresetModelsLocksBrightnessContrastAndGains) {
    const auto expectLocked = [this](const char* when) {
        EXPECT_EQ(monitor.brightnessAvailability(), 1) << when;
        EXPECT_EQ(monitor.contrastAvailability(), 1) << when;
        for (int index :
             {kIndexRedGain, kIndexGreenGain, kIndexBlueGain, kIndexTableColourTemperature}) {
            EXPECT_EQ(monitor.control(index).supported, 0) << when << " index " << index;
        }
        EXPECT_EQ(monitor.isSrgbActive(), 1) << when;
    };
    open("tsw-four-preset");
    EXPECT_EQ(monitor.brightnessAvailability(), 2);
    ASSERT_EQ(monitor.selectPreset(4), 0);
    expectLocked("after the switch");
    // These models store each switch (vendor queries 06 and 05).
    EXPECT_EQ(VeskolSimSaveCount(0), 1);

    ASSERT_EQ(monitor.selectPreset(2), 0);
    EXPECT_EQ(monitor.brightnessAvailability(), 2);
    EXPECT_EQ(monitor.control(kIndexRedGain).supported, 1);

    // Opened while already in preset 4: locked from the start.
    VeskolSimConfigure("tsw-four-preset", "", "");
    ASSERT_EQ(VeskolSimSetValue(0, 0x14, 4), 0);
    ASSERT_EQ(monitor.openMonitor(0, true), 0);
    ASSERT_EQ(monitor.isOpen(), 1);
    expectLocked("at open");
}

TEST_F(MonitorTest, EachModelStoresItsOwnWay) {
    // After each write, by the shell's timer.
    open("tsw-four-preset");
    EXPECT_EQ(monitor.savesAfterEachWrite(), 1);
    ASSERT_EQ(monitor.setValue(14, 40), 0);
    ASSERT_EQ(monitor.setValue(14, 41), 0);
    EXPECT_EQ(deferredSaveArmings, 2);
    EXPECT_EQ(VeskolSimSaveCount(0), 0);  // the shell's timer stores later

    // When asked, by the MCCS save.
    open("qrv-crt");
    ASSERT_EQ(monitor.setValue(14, 40), 0);
    EXPECT_EQ(deferredSaveArmings, 2);
    ASSERT_EQ(monitor.setValue(15, 34), 0);
    ASSERT_EQ(monitor.storeSettings(), 0);
    EXPECT_EQ(requests(0x0C), 1);
    EXPECT_EQ(requests(0xC0), 1);  // only the status byte of the open
    EXPECT_EQ(simSaved(0x12), 34);

    // When asked, by the vendor queries.
    open("qrv-vendor-save");
    ASSERT_EQ(monitor.setValue(15, 33), 0);
    EXPECT_EQ(monitor.usesVendorSave(), 1);
    ASSERT_EQ(monitor.storeSettings(), 0);
    EXPECT_EQ(requests(0x0C), 0);
    EXPECT_EQ(simSaved(0x12), 33);
}

TEST_F(MonitorTest, InvertedBlackLevelsAndThe300msGainWaitHoldOnlyOnTheirModels) {
    open("qrv-inverted-black");
    const int maximum = monitor.maximum(28);
    ASSERT_GT(maximum, 10);
    EXPECT_EQ(monitor.isInverted(28), 1);
    EXPECT_EQ(monitor.isInverted(14), 0);
    ASSERT_EQ(monitor.setValue(28, 10), 0);
    EXPECT_EQ(simValue(0x6C), maximum - 10);
    EXPECT_EQ(monitor.value(28), 10);
    EXPECT_EQ(monitor.complementValue(28), maximum - 10);

    open("tsw-lcd");  // not inverted
    ASSERT_EQ(monitor.setValue(28, 10), 0);
    EXPECT_EQ(simValue(0x6C), 10);

    open("qrv-300ms");
    ASSERT_EQ(monitor.setGain(kColourGreen, 60), 0);
    EXPECT_EQ(clock.waits(), (std::vector<int>{50, 300}));
    ASSERT_EQ(monitor.setValue(14, 60), 0);  // not a gain: no wait
    EXPECT_EQ(clock.waits().back(), 50);
}

TEST_F(MonitorTest, AvailabilityTellsMissingFromUnusableControls) {
    open("qrv-unsupported");  // lists 0x10 and 0x8C, answers "unsupported"
    EXPECT_EQ(monitor.brightnessAvailability(), 1);
    EXPECT_EQ(monitor.featureAvailability(82), 1);  // sharpness
    EXPECT_EQ(monitor.contrastAvailability(), 2);
    EXPECT_EQ(monitor.featureAvailability(0), 0);  // no position control
    EXPECT_EQ(monitor.value(14), 0);

    open("qrv-no-caps");  // no capabilities, no template: everything tried
    EXPECT_EQ(monitor.capabilitiesLoaded(), 0);
    EXPECT_EQ(monitor.isCodeSupported(0x10), -1);
    EXPECT_EQ(monitor.brightnessAvailability(), 2);
    EXPECT_EQ(monitor.featureAvailability(0), 0);  // tried, not answering
    EXPECT_GT(requests(0x01), 40);                 // every control was asked for
}

TEST_F(MonitorTest, ColourTemperatureInKelvinsAndPresetTableColourControlsFollowThePreset) {
    open("tsw-rich-caps");  // lists 0x0B (step) and 0x0C (request)
    EXPECT_EQ(monitor.colourTemperatureBase(), 3000);
    EXPECT_EQ(monitor.colourTemperatureStep(), 100);
    EXPECT_EQ(monitor.colourTemperatureMaximum(), 70);
    EXPECT_EQ(monitor.colourTemperature(), 35);
    EXPECT_EQ(monitor.colourTemperatureAvailability(), 2);
    ASSERT_EQ(monitor.setColourTemperature(40), 0);
    EXPECT_EQ(simValue(0x0C), 40);
    EXPECT_EQ(monitor.isColourTemperatureModified(), 1);

    // The preset-table models: from 5000 K in their own steps.
    const std::pair<const char*, int> steps[] = {
        {"tsw-lcd-p2", 100}, {"tsw-lcd-p5", 50}, {"qrv-lcd-p3", 25}, {"qrv-lcd-p4", 18}};
    for (const auto& [profile, step] : steps) {
        open(profile);
        EXPECT_EQ(monitor.colourTemperatureBase(), 5000) << profile;
        EXPECT_EQ(monitor.colourTemperatureStep(), step) << profile;
    }

    open("qrv-lcd-p3");  // preset 6: a colour-temperature preset
    EXPECT_EQ(monitor.colourTemperatureAvailability(), 2);
    EXPECT_EQ(monitor.saturationAvailability(), 2);
    ASSERT_EQ(monitor.selectPreset(2), 0);  // native
    EXPECT_EQ(monitor.colourTemperatureAvailability(), 1);
    EXPECT_EQ(monitor.hueAvailability(), 1);

    open("qrv-crt");  // no preset table
    EXPECT_EQ(monitor.colourTemperatureAvailability(), 0);
}

TEST_F(MonitorTest, ActionsWaitThenShowWhatTheMonitorDidAndThoseNotOfferedSendNothing) {
    open("qrv-crt");
    EXPECT_EQ(monitor.canDegauss(), 1);
    EXPECT_EQ(monitor.degauss(), 0);
    EXPECT_EQ(requests(0x03), 1);
    EXPECT_EQ(longWaits(clock.waits(), 100), std::vector<int>{});  // degauss: no wait
    EXPECT_EQ(monitor.setValue(15, 33), -1);                       // the tube is still degaussing
    clock.advance(1500);

    ASSERT_EQ(monitor.setValue(15, 33), 0);
    clock.clearRecord();
    ASSERT_EQ(monitor.canFactoryReset(), 1);
    ASSERT_EQ(monitor.factoryReset(), 0);
    EXPECT_EQ(longWaits(clock.waits(), 100), std::vector<int>{2000});
    EXPECT_EQ(monitor.value(15), 80);  // the factory value, read back
    EXPECT_EQ(monitor.isFeatureChanged(15), 1);
    // Cancel puts back the value from before the reset.
    ASSERT_EQ(monitor.restoreAll(), 0);
    EXPECT_EQ(simValue(0x12), 33);

    EXPECT_EQ(monitor.canResetGeometry(), 0);  // its template has no 0x06
    EXPECT_EQ(monitor.resetGeometry(), -1);
    ASSERT_EQ(monitor.canResetColour(), 1);
    ASSERT_EQ(monitor.setGain(kColourRed, 10), 0);
    ASSERT_EQ(monitor.resetColour(), 0);
    EXPECT_EQ(monitor.gain(kColourRed), 220);
    EXPECT_EQ(monitor.isModified(18), 0);  // colour reset: new baseline

    open("qrv-crt-t1");  // template 1: degauss but no resets
    const int writes = requests(0x03);
    EXPECT_EQ(monitor.factoryReset(), -1);
    EXPECT_EQ(monitor.autoSetup(), -1);
    EXPECT_EQ(monitor.autoGeometry(), -1);
    EXPECT_EQ(requests(0x03), writes);
    ASSERT_EQ(monitor.openMonitor(-1, true), 0);
    EXPECT_EQ(monitor.degauss(), -1);
    EXPECT_EQ(monitor.canDegauss(), 0);

    // Neither model has a code template, so every action code is asked for;
    // both answer only the factory and colour resets.
    for (const char* profile : {"qrv-no-caps", "tsw-lcd-p5"}) {
        open(profile);
        EXPECT_EQ(monitor.canDegauss(), 0) << profile;
        EXPECT_EQ(monitor.canResetGeometry(), 0) << profile;
        EXPECT_EQ(monitor.canAutoSetup(), 0) << profile;
        EXPECT_EQ(monitor.canAutoGeometry(), 0) << profile;
        EXPECT_EQ(monitor.canFactoryReset(), 1) << profile;
        EXPECT_EQ(monitor.canResetColour(), 1) << profile;
        const int writesBefore = requests(0x03);
        EXPECT_EQ(monitor.degauss(), -1) << profile;
        EXPECT_EQ(monitor.autoSetup(), -1) << profile;
        EXPECT_EQ(requests(0x03), writesBefore) << profile;
    }

    // A well-formed answer without a value still shows the action exists.
    VeskolSimConfigure("qrv-no-caps", "", "");
    ASSERT_EQ(VeskolSimSetMaximum(0, 0x04, 0), 0);
    ASSERT_EQ(monitor.openMonitor(0, true), 0);
    EXPECT_EQ(monitor.canFactoryReset(), 1);
}

TEST_F(MonitorTest, BrightnessAndContrastDefaultsByTechnology) {
    open("qrv-crt");  // a tube
    ASSERT_EQ(monitor.canResetBrightnessContrast(), 1);
    ASSERT_EQ(monitor.resetBrightnessContrast(), 0);
    EXPECT_EQ(simValue(0x10), 50);
    EXPECT_EQ(simValue(0x12), 100);

    open("tsw-lcd");  // a flat panel by its capabilities
    ASSERT_EQ(monitor.resetBrightnessContrast(), 0);
    EXPECT_EQ(simValue(0x10), 100);
    EXPECT_EQ(simValue(0x12), 50);
    EXPECT_EQ(clock.waits(), (std::vector<int>{50, 50, 50}));

    open("qrv-t7-display");  // in neither technology list, no capabilities read
    int brightness = 0, contrast = 0;
    EXPECT_EQ(monitor.defaultBrightnessContrast(brightness, contrast), -1);
    EXPECT_EQ(monitor.canResetBrightnessContrast(), 0);
}

TEST_F(MonitorTest, CapabilitiesAreReadByUnlistedModelsAndReplacedOnlyWithFirmware300) {
    open("tsw-replacement-caps");
    EXPECT_EQ(monitor.capabilitiesLoaded(), 1);
    EXPECT_EQ(monitor.isCodeSupported(0x023B), 1);
    EXPECT_EQ(monitor.isCodeSupported(0x3B), 0);
    EXPECT_EQ(monitor.displayTechnology(), 1);

    open("tsw-replacement-fw301");
    EXPECT_EQ(monitor.isCodeSupported(0x023B), 0);

    open("tsw-rich-caps");  // reports 3.0.0 but is another model
    EXPECT_EQ(monitor.isCodeSupported(0x023B), 0);

    open("qrv-crt");
    EXPECT_EQ(monitor.isUnlistedModel(), 0);
    EXPECT_EQ(monitor.capabilitiesLoaded(), 0);
    EXPECT_EQ(requests(0xF3), 0);
    EXPECT_EQ(monitor.displayTechnology(), 1);
    EXPECT_EQ(monitor.hasGeometry(), 1);

    open("qrv-caps-exempt");  // reads them, yet follows the model tables
    EXPECT_EQ(monitor.capabilitiesLoaded(), 1);
    EXPECT_EQ(monitor.followsCapabilities(), 0);
    EXPECT_EQ(monitor.isUnlistedModel(), 1);
}

TEST_F(MonitorTest, StoringWaitsForADegaussAndKeepsChangesTakenOverAsANewBaseline) {
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "cancel" : "ok");
        open("qrv-crt");
        const int before = monitor.value(15);
        ASSERT_EQ(monitor.setValue(15, before + 7), 0);
        ASSERT_EQ(monitor.degauss(), 0);
        clock.clearRecord();
        if (cancel) {
            ASSERT_EQ(monitor.restoreAll(), 0);
        }
        ASSERT_EQ(monitor.storeSettings(), 0);
        EXPECT_EQ(longWaits(clock.waits(), 1000), std::vector<int>{2000});
        EXPECT_EQ(simSaved(0x12), cancel ? before : before + 7);
        // Once the degauss is over, storing does not wait for it again.
        clock.clearRecord();
        ASSERT_EQ(monitor.storeSettings(), 0);
        EXPECT_EQ(longWaits(clock.waits(), 1000), std::vector<int>{});
    }

    open("qrv-crt");
    EXPECT_EQ(monitor.hasUnstoredChanges(), 0);
    ASSERT_EQ(monitor.setValue(15, monitor.value(15) + 7), 0);
    EXPECT_EQ(monitor.hasUnstoredChanges(), 1);
    ASSERT_EQ(monitor.resetColour(), 0);  // reads contrast back as a baseline
    EXPECT_EQ(monitor.anyModified(), 0);
    EXPECT_EQ(monitor.hasUnstoredChanges(), 1);
    ASSERT_EQ(monitor.storeSettings(), 0);
    EXPECT_EQ(monitor.hasUnstoredChanges(), 0);
    EXPECT_EQ(simSaved(0x12), simValue(0x12));
}
