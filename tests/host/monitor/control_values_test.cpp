#include "tests/host/monitor/monitor_fixture.h"

namespace {

constexpr int kBrightness = 14;
constexpr int kContrast = 15;

}  // namespace

TEST_F(MonitorTest, SetValueTracksWrittenChangesAndTellsUnknownFeaturesFromClosedMonitors) {
    open("tsw-lcd");
    EXPECT_EQ(monitor.setValue(kContrast, 30), 0);
    EXPECT_EQ(simValue(0x12), 30);
    EXPECT_EQ(monitor.value(kContrast), 30);
    EXPECT_EQ(monitor.isModified(kContrast), 1);
    EXPECT_EQ(monitor.isFeatureChanged(kContrast), 1);
    EXPECT_EQ(monitor.anyModified(), 1);
    EXPECT_EQ(monitor.permille(kContrast), 300);
    EXPECT_EQ(monitor.complementValue(kContrast), 70);
    EXPECT_EQ(clock.waits(), std::vector<int>{50});  // one Set VCP, no model wait
    EXPECT_EQ(deferredSaveArmings, 0);

    // Undo of one control: written back, still "modified" but not changed.
    EXPECT_EQ(monitor.restoreFeature(kContrast), 0);
    EXPECT_EQ(simValue(0x12), 70);
    EXPECT_EQ(monitor.isModified(kContrast), 1);
    EXPECT_EQ(monitor.isFeatureChanged(kContrast), 0);

    // A refused write leaves the entry as it was.
    ASSERT_EQ(VeskolSimSetFaults(0, "nak=1000"), 0);
    EXPECT_EQ(monitor.setValue(kBrightness, 10), -1);
    EXPECT_EQ(monitor.value(kBrightness), 75);
    EXPECT_EQ(monitor.isModified(kBrightness), 0);

    open("tsw-lcd");
    EXPECT_EQ(monitor.value(99), -2);
    EXPECT_EQ(monitor.maximum(99), -2);
    EXPECT_EQ(monitor.minimum(99), -2);
    EXPECT_EQ(monitor.setValue(99, 1), -2);
    EXPECT_EQ(monitor.isModified(99), -2);
    EXPECT_EQ(monitor.featureAvailability(99), 0);
    EXPECT_EQ(monitor.permille(0), 0);  // never read: maximum 0

    // Features with a place in the table but no bus code: never written.
    veskol::SimBus::instance().clearFrames();
    for (int feature : {75, 76, 48, 73, 74, 41, 79}) {
        EXPECT_EQ(monitor.featureAvailability(feature), 0) << feature;
        EXPECT_EQ(monitor.setValue(feature, 1), -2) << feature;
        EXPECT_EQ(monitor.restoreFeature(feature), -2) << feature;
        EXPECT_EQ(monitor.isModified(feature), 0) << feature;
    }
    EXPECT_EQ(VeskolSimFrameCount(), 0);
    EXPECT_EQ(monitor.anyModified(), 0);

    ASSERT_EQ(monitor.openMonitor(-1, true), 0);
    EXPECT_EQ(monitor.value(kBrightness), -1);
    EXPECT_EQ(monitor.setValue(kBrightness, 1), -1);
    EXPECT_EQ(monitor.permille(kBrightness), -1);
    EXPECT_EQ(monitor.brightnessAvailability(), 0);
}

TEST_F(MonitorTest, CancelRestoresOkCommitsAndReloadsMarkWhatTheMonitorChanged) {
    open("tsw-lcd");
    ASSERT_EQ(monitor.setValue(kBrightness, 10), 0);
    ASSERT_EQ(monitor.setValue(kContrast, 20), 0);
    ASSERT_EQ(monitor.restoreAll(), 0);
    EXPECT_EQ(simValue(0x10), 75);
    EXPECT_EQ(simValue(0x12), 70);
    EXPECT_EQ(monitor.anyModified(), 0);
    EXPECT_EQ(monitor.value(kBrightness), 75);

    ASSERT_EQ(monitor.setValue(kBrightness, 11), 0);
    ASSERT_EQ(monitor.commitAll(), 0);
    EXPECT_EQ(monitor.anyModified(), 0);
    const int writesBefore = requests(0x03);
    ASSERT_EQ(monitor.restoreAll(), 0);  // nothing left to restore
    EXPECT_EQ(requests(0x03), writesBefore);
    EXPECT_EQ(simValue(0x10), 11);
    // The committed value is what Undo and Cancel return to from now on.
    ASSERT_EQ(monitor.setValue(kBrightness, 12), 0);
    ASSERT_EQ(monitor.restoreFeature(kBrightness), 0);
    EXPECT_EQ(simValue(0x10), 11);
    EXPECT_EQ(monitor.isFeatureChanged(kBrightness), 0);
    ASSERT_EQ(monitor.setValue(kBrightness, 13), 0);
    ASSERT_EQ(monitor.restoreAll(), 0);
    EXPECT_EQ(simValue(0x10), 11);

    open("tsw-lcd");
    ASSERT_EQ(VeskolSimSetValue(0, 0x10, 33), 0);  // changed on the monitor's own buttons
    EXPECT_EQ(monitor.reload(0, false), 1);
    EXPECT_EQ(monitor.value(kBrightness), 33);
    EXPECT_EQ(monitor.isFeatureChanged(kBrightness), 1);
    // Cancel puts back the value read when the monitor was opened.
    ASSERT_EQ(monitor.restoreAll(), 0);
    EXPECT_EQ(simValue(0x10), 75);

    ASSERT_EQ(VeskolSimSetValue(0, 0x10, 34), 0);
    EXPECT_EQ(monitor.reload(0, true), 0);  // a new baseline: nothing modified
    EXPECT_EQ(monitor.value(kBrightness), 34);
    EXPECT_EQ(monitor.isModified(kBrightness), 0);
    EXPECT_EQ(monitor.reload(0, true), 0);

    veskol::SimBus::instance().clearFrames();
    ASSERT_EQ(monitor.reload(1, true), 0);
    std::vector<int> codes;
    for (const std::string& frame : veskol::SimBus::instance().frames()) {
        // "<ms> W 0 6E 51 82 01 <code> <sum>"
        if (frame.find(" W 0 6E 51 82 01 ") != std::string::npos) {
            codes.push_back(std::stoi(frame.substr(frame.size() - 5, 2), nullptr, 16));
        }
    }
    // Preset, contrast, brightness, then the colour codes the capabilities
    // list; the colour-reset action (0x08) is never read.
    EXPECT_EQ(codes, (std::vector<int>{0x14, 0x12, 0x10, 0x16, 0x18, 0x1A, 0x6C, 0x6E, 0x70}));
}

TEST_F(MonitorTest, AControlWithoutAValueLosesItsMaximumAndIsNeverWrittenBack) {
    open("tsw-lcd");
    ASSERT_EQ(VeskolSimSetFaults(0, "next=null*5"), 0);
    EXPECT_EQ(monitor.refreshControl(kIndexBrightness, true), 0);
    EXPECT_EQ(monitor.control(kIndexBrightness).supported, 0);
    EXPECT_EQ(monitor.maximum(kBrightness), 0);
    EXPECT_EQ(monitor.brightnessAvailability(), 1);                // listed, but not answering
    EXPECT_EQ(monitor.refreshControl(kIndexBrightness, true), 0);  // colour code: read again
    EXPECT_EQ(monitor.brightnessAvailability(), 2);

    VeskolSimConfigure("tsw-lcd", "", "");
    ASSERT_EQ(VeskolSimSetMaximum(0, 0x10, 0), 0);  // brightness has no value at first
    ASSERT_EQ(monitor.openMonitor(0, true), 0);
    ASSERT_EQ(VeskolSimSetMaximum(0, 0x10, 100), 0);
    ASSERT_EQ(VeskolSimSetValue(0, 0x10, 60), 0);
    EXPECT_EQ(monitor.reload(0, false), 1);
    EXPECT_EQ(monitor.value(kBrightness), 60);
    EXPECT_EQ(monitor.isFeatureChanged(kBrightness), 0);  // no Undo offered
    const int writes = requests(0x03);
    EXPECT_EQ(monitor.restoreFeature(kBrightness), -1);
    ASSERT_EQ(monitor.restoreAll(), 0);
    EXPECT_EQ(requests(0x03), writes);
    EXPECT_EQ(simValue(0x10), 60);
}

// A monitor unplugged while open fails every read only after all its
// attempts; a reload stops trying after three reads in a row got no answer
// and closes the monitor. The timing report and status byte do not count,
// and an answer in between starts the count again.
TEST_F(MonitorTest, AReloadTakesTheMonitorAsGoneAfterThreeReadsInARowFail) {
    struct Case {
        const char* what;
        const char* faults;
        int colourOnly;
        bool gone;
    };
    const Case cases[] = {
        // Timing report, status byte and preset answer; then it is gone.
        {"unplugged during a full reload", "disappear=6", 0, true},
        {"unplugged before a colour reload", "disappear=0", 1, true},
        // Timing report, status byte, preset and brightness fail; the
        // contrast answers, the red gain fails.
        {"an answer between failures", "next=nak*20,next=none*1,next=nak*5", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open("tsw-lcd");
        veskol::SimBus::instance().clearFrames();
        const int transfers = VeskolSimTransferCount(0);
        ASSERT_EQ(VeskolSimSetFaults(0, c.faults), 0);
        const int result = monitor.reload(c.colourOnly, true);
        const int refused = VeskolSimTransferCount(0) - transfers - VeskolSimFrameCount();
        if (c.gone) {
            EXPECT_EQ(result, -1);
            EXPECT_EQ(monitor.isOpen(), 0);
            EXPECT_EQ(refused, 3 * 5);  // three reads of five attempts each
            // Readable, but never tried.
            EXPECT_EQ(monitor.control(kIndexBlueGain).supported, 0);
            EXPECT_EQ(monitor.control(kIndexBlueGain).maximum, 0);
        } else {
            EXPECT_EQ(result, 0);
            EXPECT_EQ(monitor.isOpen(), 1);
            EXPECT_EQ(monitor.control(kIndexBrightness).supported, 0);
            EXPECT_EQ(monitor.control(kIndexContrast).supported, 1);
            EXPECT_EQ(monitor.control(kIndexRedGain).supported, 0);
            EXPECT_EQ(monitor.control(kIndexBlueGain).supported, 1);
        }
    }
}
