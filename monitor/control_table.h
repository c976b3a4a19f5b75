// The control table: the 72 places in which the monitor object mirrors every
// VCP control of the monitor (maximum, current value, the baseline that
// Cancel and Undo return to, and whether it was changed), and the two fixed
// maps between a table index and the program's feature number (FeatureId),
// the key the panels, illustrations and test patterns share.
// Portable: no Windows headers.
#pragma once

#include <cstdint>

constexpr int kControlCount = 72;
constexpr uint16_t kNoVcpCode = 0xFFFF;
constexpr int kNoFeature = -1;

struct ControlEntry {
    int32_t maximum = 0;            // as reported by Get VCP; 0 when never read
    int32_t current = 0;            // last value read or written
    int32_t baseline = 0;           // value at the last read with a new baseline or commit
    uint16_t vcpCode = kNoVcpCode;  // page * 256 + code; kNoVcpCode = no control
    int32_t supported = 0;          // the control answered (or is a known action)
    int32_t baselineValid = 0;      // the baseline may be written back
    int32_t modified = 0;           // written since the last baseline
};

// Table indices the monitor object addresses by name.
enum ControlIndex : int {
    kIndexDegauss = 1,
    kIndexColourReset = 2,
    kIndexGeometryReset = 3,
    kIndexFactoryReset = 4,
    kIndexPreset = 5,
    kIndexBrightness = 6,
    kIndexContrast = 7,
    kIndexRedGain = 8,
    kIndexGreenGain = 9,
    kIndexBlueGain = 10,
    kIndexRedBlackLevel = 30,
    kIndexGreenBlackLevel = 31,
    kIndexBlueBlackLevel = 32,
    kIndexWindowMode = 42,
    kIndexTableColourTemperature = 51,
    kIndexSaturation = 53,
    kIndexAutoSetup = 55,
    kIndexPictureMode = 56,
    kIndexAutoGeometry = 57,
    kIndexRedHue = 58,
    kIndexColourTemperatureStep = 70,
    kIndexColourTemperatureRequest = 71,
};

// Feature numbers the monitor object uses itself.
enum FeatureNumber : int {
    kFeatureBrightness = 14,
    kFeatureContrast = 15,
    kFeatureGreenBlackLevel = 26,
    kFeatureBlueBlackLevel = 27,
    kFeatureRedBlackLevel = 28,
    kFeatureTableColourTemperature = 69,
    kFeatureWindowMode = 95,
};

// The VCP code of a table index (kNoVcpCode for indices without one and
// outside 0..71).
[[nodiscard]] uint16_t controlVcpCode(int index);

// FeatureId of a table index, kNoFeature when it has none.
[[nodiscard]] int controlFeature(int index);

// Table index of a FeatureId, -1 when it has none.
[[nodiscard]] int featureControl(int feature);

// The six one-shot action codes: never read, only written with 1.
[[nodiscard]] bool isActionVcpCode(int code);
