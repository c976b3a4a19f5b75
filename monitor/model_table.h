// The maker's model table: every per-model rule of the monitor object is a
// membership test of the 32-bit monitor ID ((vendor word << 16) | product
// code, vendor word = EDID bytes 8-9 read little-endian) in one of these
// lists. One row per monitor ID, one column per list; an ID without a row is
// in no list. Also the monitor picture and illustration style per ID.
// Portable: no Windows headers.
#pragma once

#include <cstdint>
#include <span>

constexpr uint16_t kVendorQrv = 0x5646;
constexpr uint16_t kVendorTsw = 0x7752;
extern const uint16_t kVendorOem;  // the OEM brand sold with the maker's firmware

constexpr int kDefaultMonitorPicture = 1021;

// Values of ModelRow::technology.
constexpr uint8_t kTechnologyCrt = 1;
constexpr uint8_t kTechnologyFlatPanel = 2;

struct ModelRow {
    uint32_t monitorId;
    uint8_t technology = 0;         // 1 cathode-ray-tube list, 2 flat-panel list, 0 neither
    bool known = false;             // capabilities are never read
    bool capabilityExempt = false;  // follows the model tables although its capabilities are read
    bool replacementCapabilities = false;  // the built-in capabilities string
    uint8_t codeTemplate = 0;              // T1..T11, 0 none
    bool wait300ms = false;                // 300 ms after gain / colour-temperature writes
    bool fourPreset = false;               // four presets, preset-4 rule, store after each write
    bool invertedBlackLevel = false;
    bool pictureMode = false;  // presets through VCP 0xD8
    bool presetsFromOne = false;
    bool saveBeforeSwitch = false;
    bool nudgeAfterSwitch = false;
    bool longSwitchDelay = false;  // 2000 ms after a preset switch
    bool srgbAt3 = false;
    bool srgbAt4 = false;
    bool srgbAt3Label = false;
    bool excludedBlackLevel = false;
    uint8_t presetTable = 0;  // P1..P5, 0 none
    bool vendorSave = false;
    bool longTimeout = false;       // modelTimeout 50000
    uint16_t picture = 0;           // monitor picture bitmap, 0 = default (1021)
    uint8_t illustrationStyle = 1;  // 2 for the models drawn in the second style
};

// The row of `monitorId`, or a row with every list empty (and that ID) when
// the model is not in the table. Never null; the reference stays valid for
// the life of the program, whichever thread asked.
[[nodiscard]] const ModelRow& findModel(uint32_t monitorId);

// All rows, for tests that check the list sizes.
[[nodiscard]] std::span<const ModelRow> modelTable();

// Picture number for the monitor picture (1021 when none) and its style.
[[nodiscard]] int monitorPictureFor(uint32_t monitorId);
[[nodiscard]] int illustrationStyleFor(uint32_t monitorId);

// Whether code template 1..11 holds `code`. Template 10 holds 0x06, 0x20
// and 0x30 only while the monitor's input is analogue.
[[nodiscard]] bool codeTemplateContains(int codeTemplate, int code, bool digitalInput);
