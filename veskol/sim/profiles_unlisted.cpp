// Unlisted models with a behaviour of their own: the program reads their
// capabilities string (or fails to) and applies the per-model rules that
// still concern them.
#include "veskol/sim/profile_groups.h"

namespace veskol {
namespace {

// QRV L19C: the panel recomputes its colour tables after a gain or colour
// temperature write and acknowledges nothing meanwhile.
constexpr VcpDef kQrvL19cControls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 80},
    {0x12, 100, 50},
    {0x14, 12, 6},
    {0x16, 255, 250},
    {0x18, 255, 242},
    {0x1A, 255, 230},
    {0x54, 100, 50},
    {0x8A, 100, 50},
};

constexpr PresetLoad kQrvL19cPresets[] = {
    {0x14, 1, 0x16, 235}, {0x14, 1, 0x18, 230}, {0x14, 1, 0x1A, 226}, {0x14, 1, 0x54, 50},
    {0x14, 6, 0x16, 250}, {0x14, 6, 0x18, 242}, {0x14, 6, 0x1A, 230}, {0x14, 6, 0x54, 50},
};

constexpr WriteSettle kColourTableSettle[] = {
    {0x16, 250},
    {0x18, 250},
    {0x1A, 250},
    {0x54, 250},
};

// QRV L17C: black levels count downwards (255 is the darkest).
constexpr VcpDef kQrvL17cControls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 75},
    {0x12, 100, 50},
    {0x14, 12, 6},
    {0x16, 100, 100},
    {0x18, 100, 96},
    {0x1A, 100, 90},
    {0x6C, 255, 200},
    {0x6E, 255, 205},
    {0x70, 255, 210},
};

// QRV L15C: basic panel controls.
constexpr VcpDef kQrvL15cControls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 70},
    {0x12, 100, 50},
    {0x14, 12, 6},
    {0x16, 100, 100},
    {0x18, 100, 96},
    {0x1A, 100, 90},
};

// TSW G21: the controls its built-in replacement string lists.
constexpr VcpDef kTswG21Controls[] = {
    {0x00, 1, 0, kMomentary},
    {0x04, 1, 0, kMomentary},
    {0x06, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 50},
    {0x12, 100, 85},
    {0x14, 8, 6},
    {0x16, 255, 235},
    {0x18, 255, 225},
    {0x1A, 255, 215},
    {0x1E, 1, 0, kMomentary},
    {0x20, 127, 64},
    {0x22, 127, 78},
    {0x24, 127, 64},
    {0x26, 127, 64},
    {0x28, 127, 64},
    {0x30, 127, 64},
    {0x32, 127, 70},
    {0x38, 127, 64},
    {0x3A, 127, 64},
    {0x3C, 127, 64},
    {0x40, 127, 64},
    {0x42, 127, 64},
    {0x44, 127, 64},
    {0x46, 127, 64},
    {0x48, 127, 64},
    {0x4A, 127, 64},
    {0x4C, 127, 64},
    {0x54, 100, 50},
    {0x56, 127, 0},
    {0x6C, 255, 128},
    {0x6E, 255, 128},
    {0x70, 255, 128},
    {0xE6, 127, 64},
    {0xE8, 127, 64},
    {0xE9, 127, 64},
    {0xEA, 127, 64},
    {0xEB, 127, 64},
    {0xF9, 4, 0},
    {0x023B, 255, 128},
    {0x023C, 255, 128},
};

constexpr EdidSpec kTswG21Edid = {.vendor = "TSW",
                                  .productCode = 0x4721,
                                  .serialNumber = 210377,
                                  .serialText = "G21-4K10377",
                                  .modelName = "TSW G21",
                                  .week = 41,
                                  .year = 2004,
                                  .minVerticalHz = 48,
                                  .maxHorizontalKHz = 121};

// TSW W24: a wide panel with colour temperature in kelvins (0x0C, 100 K a
// step from 0x0B), six-axis hue and saturation and window modes.
constexpr VcpDef kTswW24Controls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x0B, 100, 100},  // kelvins per colour-temperature step
    {0x0C, 70, 35},    // colour temperature: 3000 K + 35 steps = 6500 K
    {0x10, 100, 80},
    {0x12, 100, 70},
    {0x14, 11, 5},
    {0x16, 100, 100},
    {0x18, 100, 95},
    {0x1A, 100, 90},
    {0x60, 17, 3},  // input source
    {0x6C, 100, 50},
    {0x6E, 100, 50},
    {0x70, 100, 50},
    {0x8A, 100, 50},
    {0x9B, 100, 50},  // six-axis hue: red, yellow, green, cyan, blue, magenta
    {0x9C, 100, 50},
    {0x9D, 100, 50},
    {0x9E, 100, 50},
    {0x9F, 100, 50},
    {0xA0, 100, 50},
    {0xD6, 4, 1},            // power mode
    {0xDF, 0x0202, 0x0202},  // MCCS version 2.2
    {0xF9, 4, 0},            // window mode off, 1-4
};

constexpr PresetLoad kTswW24Presets[] = {
    {0x14, 1, 0x0C, 35}, {0x14, 1, 0x16, 100}, {0x14, 1, 0x18, 100}, {0x14, 1, 0x1A, 100},
    {0x14, 5, 0x0C, 35}, {0x14, 5, 0x16, 100}, {0x14, 5, 0x18, 95},  {0x14, 5, 0x1A, 90},
    {0x14, 8, 0x0C, 63}, {0x14, 8, 0x16, 88},  {0x14, 8, 0x18, 93},  {0x14, 8, 0x1A, 100},
};

// QRV L15E and L17E: plain panels.
constexpr VcpDef kQrvL15eControls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 70},
    {0x12, 100, 50},
    {0x14, 11, 5},
    {0x16, 100, 100},
    {0x18, 100, 96},
    {0x1A, 100, 90},
    {0x6C, 100, 50},
    {0x6E, 100, 50},
    {0x70, 100, 50},
};

// Brightness follows the ambient-light sensor and sharpness is fixed: both
// are listed but answer "unsupported".
constexpr VcpDef kQrvL17eControls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 60, 0, true},
    {0x12, 100, 50},
    {0x14, 11, 5},
    {0x16, 100, 100},
    {0x18, 100, 96},
    {0x1A, 100, 90},
    {0x6C, 100, 50},
    {0x6E, 100, 50},
    {0x70, 100, 50},
    {0x8C, 4, 2, 0, true},
};

// QRV GZ19: a tube that reports capabilities.
constexpr VcpDef kQrvGz19Controls[] = {
    {0x00, 1, 0, kMomentary}, {0x04, 1, 0, kMomentary}, {0x08, 1, 0, kMomentary},
    {0x10, 100, 50},          {0x12, 100, 85},          {0x14, 11, 5},
    {0x16, 255, 230},         {0x18, 255, 220},         {0x1A, 255, 210},
    {0x20, 100, 50},          {0x22, 100, 60},          {0x24, 100, 50},
    {0x26, 100, 50},          {0x28, 100, 50},          {0x30, 100, 50},
    {0x32, 100, 58},          {0x38, 100, 50},          {0x40, 100, 50},
    {0x42, 100, 50},          {0x44, 100, 50},          {0x46, 100, 50},
    {0x48, 100, 50},          {0x4A, 100, 50},          {0x4C, 100, 50},
    {0x54, 100, 50},          {0x56, 100, 0},
};

constexpr PresetLoad kQrvGz19Presets[] = {
    {0x14, 1, 0x16, 240}, {0x14, 1, 0x18, 236}, {0x14, 1, 0x1A, 232},
    {0x14, 5, 0x16, 230}, {0x14, 5, 0x18, 220}, {0x14, 5, 0x1A, 210},
};

constexpr MonitorProfile kProfiles[] = {
    {
        .name = "qrv-300ms",
        .description = "QRV L19C, unlisted panel of the 300 ms list: after a gain or colour "
                       "temperature write it acknowledges nothing for 250 ms; in sRGB (preset "
                       "1) its colour temperature is locked; vendor save",
        .edid = {.vendor = "QRV",
                 .productCode = 0x3119,
                 .serialNumber = 0x0006B2D0,
                 .serialText = "QC9A440016",
                 .modelName = "QRV L19C",
                 .week = 16,
                 .year = 2007,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 83},
        .capabilities = "(prot(monitor)type(LCD)model(QRV L19C)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "08 10 12 14(01 02 05 06 08 0B) 16 18 1A 54 8A)mccs_ver(2.1)"
                        "mpu_ver(1.10))",
        .vcps = kQrvL19cControls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kQrvL19cPresets,
        .writeSettles = kColourTableSettle,
        .horizontalFrequency = 6398,
        .verticalFrequency = 6002,
        .vendorSave = true,
    },
    {
        .name = "qrv-inverted-black",
        .description = "QRV L17C, unlisted panel whose black levels (0x6C, 0x6E, 0x70) count "
                       "downwards, so the program shows maximum - value; vendor save",
        .edid = {.vendor = "QRV",
                 .productCode = 0x3117,
                 .serialNumber = 0x0006A015,
                 .serialText = "QC7A433173",
                 .modelName = "QRV L17C",
                 .week = 12,
                 .year = 2007,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 81},
        .capabilities = "(prot(monitor)type(LCD)model(QRV L17C)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "08 10 12 14(01 05 08 0B) 16 18 1A 6C 6E 70)mccs_ver(2.1)mpu_ver(1.10))",
        .vcps = kQrvL17cControls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 6398,
        .verticalFrequency = 6002,
        .vendorSave = true,
    },
    {
        .name = "qrv-vendor-save",
        .description = "QRV L15C, unlisted panel that stores its settings only through vendor "
                       "queries 06 then 05; the MCCS save command (0x0C) does nothing",
        .edid = {.vendor = "QRV",
                 .productCode = 0x3115,
                 .serialNumber = 0x00069E44,
                 .serialText = "QC5A432708",
                 .modelName = "QRV L15C",
                 .week = 10,
                 .year = 2007,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 60},
        .capabilities = "(prot(monitor)type(LCD)model(QRV L15C)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "08 10 12 14(01 05 08 0B) 16 18 1A)mccs_ver(2.1)mpu_ver(1.10))",
        .vcps = kQrvL15cControls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 4840,
        .verticalFrequency = 6000,
        .vendorSave = true,
        .ignoresSaveCommand = true,
    },
    {
        .name = "tsw-replacement-caps",
        .description = "TSW G21, unlisted tube with firmware 3.0.0, whose capabilities string "
                       "lists only brightness, contrast, presets and gains; the program parses "
                       "its built-in string instead (geometry, purity, colour temperature, "
                       "black levels, which this model never offers)",
        .edid = kTswG21Edid,
        .capabilities = "(prot(monitor)type(CRT)model(TSW G21)cmds(01 02 03 07 0C F3)vcp(10 12 "
                        "14(05 08) 16 18 1A)mccs_ver(1.1)mpu_ver(3.0.0))",
        .vcps = kTswG21Controls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 9150,
    },
    {
        .name = "tsw-replacement-fw301",
        .description = "the same TSW G21 with firmware 3.0.1: its own capabilities string "
                       "is right and is kept",
        .edid = kTswG21Edid,
        .capabilities = "(prot(monitor)type(CRT)model(TSW G21)cmds(01 02 03 07 0C F3)vcp(00 04 "
                        "06 08 10 12 14(05 06 08) 16 18 1A 1E 20 22 24 26 28 30 32 38 3A 3C 40 "
                        "42 44 46 48 4A 4C 56 E6 E8 E9 EA EB)mccs_ver(2.0)mpu_ver(3.0.1))",
        .vcps = kTswG21Controls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 9150,
    },
    {
        .name = "tsw-rich-caps",
        .description = "TSW W24, unlisted wide panel (illustration style 2) driven by a rich "
                       "capabilities string: presets 1, 5, 8, 11; gains; black levels; "
                       "colour-temperature step (0x0B) and request (0x0C); six-axis hue; "
                       "saturation; window mode; resets. It reports firmware 3.0.0 but is not "
                       "the replacement model, so its own string counts",
        .edid = {.vendor = "TSW",
                 .productCode = 0x5724,
                 .serialNumber = 240815,
                 .serialText = "W24-7H40815",
                 .modelName = "TSW W24",
                 .week = 33,
                 .year = 2007,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 83,
                 .ceaExtension = true},
        .capabilities = "(prot(monitor)type(LCD)model(TSW W24)cmds(01 02 03 07 0C C0 E3 F3)"
                        "vcp(02 04 08 0B 0C 10 12 14(01 05 08 0B) 16 18 1A 60(01 03 11) 6C 6E "
                        "70 8A 9B 9C 9D 9E 9F A0 D6(01 04) DF F9)mccs_ver(2.2)mpu_ver(3.0.0))",
        .vcps = kTswW24Controls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kTswW24Presets,
        .horizontalFrequency = 7468,
        .verticalFrequency = 5995,
    },
    {
        .name = "qrv-no-caps",
        .description = "QRV L15E, unlisted panel that never answers the capabilities "
                       "request: every control is tried, and of the actions only the "
                       "factory and colour resets it answers can be offered",
        .edid = {.vendor = "QRV",
                 .productCode = 0x3215,
                 .serialNumber = 0x0007C001,
                 .serialText = "QE5A508417",
                 .modelName = "QRV L15E",
                 .week = 20,
                 .year = 2008,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 60},
        .capabilities = nullptr,
        .vcps = kQrvL15eControls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 4840,
        .verticalFrequency = 6000,
    },
    {
        .name = "qrv-unsupported",
        .description = "QRV L17E, unlisted panel whose capabilities list brightness (0x10) "
                       "and sharpness (0x8C) but which answers them with result byte 1 "
                       "(unsupported)",
        .edid = {.vendor = "QRV",
                 .productCode = 0x3217,
                 .serialNumber = 0x0007C3A9,
                 .serialText = "QE7A509162",
                 .modelName = "QRV L17E",
                 .week = 22,
                 .year = 2008,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 81},
        .capabilities = "(prot(monitor)type(LCD)model(QRV L17E)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "08 10 12 14(01 05 08 0B) 16 18 1A 6C 6E 70 8C)mccs_ver(2.1))",
        .vcps = kQrvL17eControls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 6398,
        .verticalFrequency = 6002,
    },
    {
        .name = "qrv-caps-exempt",
        .description = "QRV GZ19, unlisted tube that reads its capabilities yet follows the "
                       "model tables for its colour controls (gains locked in sRGB, colour "
                       "temperature only in presets 3-11); code template 1 when its "
                       "capabilities cannot be read",
        .edid = {.vendor = "QRV",
                 .productCode = 0x2319,
                 .serialNumber = 0x0004D2E8,
                 .serialText = "QZ9A316648",
                 .modelName = "QRV GZ19",
                 .week = 48,
                 .year = 2004},
        .capabilities = "(prot(monitor)type(CRT)model(QRV GZ19)cmds(01 02 03 07 0C F3)vcp(00 04 "
                        "08 10 12 14(01 03 05 08 0B) 16 18 1A 20 22 24 26 28 30 32 38 40 42 44 "
                        "46 48 4A 4C 54 56)mccs_ver(2.0)mpu_ver(2.04))",
        .vcps = kQrvGz19Controls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kQrvGz19Presets,
        .horizontalFrequency = 9120,
    },
};

}  // namespace

std::span<const MonitorProfile> unlistedProfiles() {
    return kProfiles;
}

}  // namespace veskol
