// Listed flat panels: each has its own preset table or preset rule, and the
// panel firmware's vendor save (vendor queries 06 then 05). Selecting a
// preset recalls its gains (and colour temperature), so a program that
// reloads after a switch sees them change. Their capabilities strings list
// what the model table leaves out, so that reading one by mistake would show.
#include "veskol/sim/profile_groups.h"

namespace veskol {
namespace {

// TSW L15: preset table 1 (1 sRGB, 2 native, 11 user 1, 12 user 2), template 11.
constexpr VcpDef kTswL15Controls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 80},
    {0x12, 100, 50},
    {0x14, 12, 2},
    {0x16, 100, 100},
    {0x18, 100, 100},
    {0x1A, 100, 100},
    {0x1E, 1, 0, kMomentary},
    {0x54, 255, 128},  // colour temperature, 18 K a step
    {0x6C, 100, 50},   // black levels: outside template 11
    {0x6E, 100, 50},
    {0x70, 100, 50},
    {0x8A, 100, 50},
    {0x8C, 10, 5},
};

constexpr PresetLoad kTswL15Presets[] = {
    {0x14, 1, 0x16, 96},  {0x14, 1, 0x18, 94},  {0x14, 1, 0x1A, 92},
    {0x14, 2, 0x16, 100}, {0x14, 2, 0x18, 100}, {0x14, 2, 0x1A, 100},
};

// TSW L17 on an analogue input: preset table 2 (0 native, 1 sRGB, 2 video,
// 3 custom), template 10.
constexpr VcpDef kTswL17Controls[] = {
    {0x04, 1, 0, kMomentary}, {0x06, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary}, {0x10, 100, 70},
    {0x12, 100, 50},          {0x14, 3, 0},
    {0x16, 255, 255},         {0x18, 255, 255},
    {0x1A, 255, 255},         {0x1E, 1, 0, kMomentary},
    {0x20, 100, 50},  // position: counts while the input is analogue
    {0x22, 100, 50},  // size: outside template 10
    {0x30, 100, 50},          {0x32, 100, 50},
    {0x54, 45, 20},  // colour temperature, 100 K a step
    {0x8A, 100, 50},          {0x8C, 4, 2},
};

constexpr PresetLoad kTswL17Presets[] = {
    {0x14, 0, 0x16, 255}, {0x14, 0, 0x18, 255}, {0x14, 0, 0x1A, 255},
    {0x14, 1, 0x16, 235}, {0x14, 1, 0x18, 230}, {0x14, 1, 0x1A, 225},
    {0x14, 2, 0x16, 250}, {0x14, 2, 0x18, 235}, {0x14, 2, 0x1A, 215},
};

// QRV L17 on an analogue input: preset table 3 (2 native, 4-8 colour
// temperatures), template 9.
constexpr VcpDef kQrvL17Controls[] = {
    {0x04, 1, 0, kMomentary}, {0x06, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary}, {0x10, 100, 75},
    {0x12, 100, 50},          {0x14, 8, 6},
    {0x16, 100, 100},         {0x18, 100, 95},
    {0x1A, 100, 88},          {0x1E, 1, 0, kMomentary},
    {0x20, 100, 50},          {0x22, 100, 50},
    {0x30, 100, 50},          {0x32, 100, 50},
    {0x54, 100, 40},  // colour temperature, 25 K a step
    {0x8A, 100, 50},          {0x8C, 4, 2},
};

constexpr PresetLoad kQrvL17Presets[] = {
    {0x14, 2, 0x16, 100}, {0x14, 2, 0x18, 100}, {0x14, 2, 0x1A, 100}, {0x14, 4, 0x16, 85},
    {0x14, 4, 0x18, 90},  {0x14, 4, 0x1A, 100}, {0x14, 4, 0x54, 80},  {0x14, 6, 0x16, 100},
    {0x14, 6, 0x18, 95},  {0x14, 6, 0x1A, 88},  {0x14, 6, 0x54, 40},  {0x14, 8, 0x16, 100},
    {0x14, 8, 0x18, 88},  {0x14, 8, 0x1A, 75},  {0x14, 8, 0x54, 0},
};

// QRV L19: preset table 4 (1 sRGB, 2 native, 4 and 6-8 colour
// temperatures), template 8.
constexpr VcpDef kQrvL19Controls[] = {
    {0x04, 1, 0, kMomentary}, {0x06, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary}, {0x10, 100, 80},
    {0x12, 100, 50},          {0x14, 12, 6},
    {0x16, 255, 250},         {0x18, 255, 240},
    {0x1A, 255, 228},         {0x1E, 1, 0, kMomentary},
    {0x54, 255, 100},  // colour temperature, 18 K a step
    {0x8A, 100, 50},          {0x8C, 4, 2},
};

constexpr PresetLoad kQrvL19Presets[] = {
    {0x14, 1, 0x16, 242}, {0x14, 1, 0x18, 238}, {0x14, 1, 0x1A, 236},
    {0x14, 4, 0x16, 215}, {0x14, 4, 0x18, 228}, {0x14, 4, 0x1A, 255},
    {0x14, 6, 0x16, 250}, {0x14, 6, 0x18, 240}, {0x14, 6, 0x1A, 228},
};

// TSW L19: preset table 5 (1 sRGB, 2 native, 4 and 6-8 colour
// temperatures), no template: every control is tried.
constexpr VcpDef kTswL19Controls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 80},
    {0x12, 100, 50},
    {0x14, 8, 6},
    {0x16, 100, 100},
    {0x18, 100, 96},
    {0x1A, 100, 90},
    {0x54, 60, 30},  // colour temperature, 50 K a step
    {0x6C, 100, 50},
    {0x6E, 100, 50},
    {0x70, 100, 50},
    {0x8A, 100, 50},
    {0x8C, 4, 2},
};

constexpr PresetLoad kTswL19Presets[] = {
    {0x14, 1, 0x16, 97},  {0x14, 1, 0x18, 95}, {0x14, 1, 0x1A, 94},
    {0x14, 6, 0x16, 100}, {0x14, 6, 0x18, 96}, {0x14, 6, 0x1A, 90},
};

// It takes the panel 1.5 s to switch presets: more than the usual 800 ms.
constexpr WriteSettle kSlowPresetSwitch[] = {{0x14, 1500}};

// TSW L19S: four presets numbered from 1 (warm, normal, cool, sRGB), template 11.
constexpr VcpDef kTswL19sControls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 70},
    {0x12, 100, 50},
    {0x14, 4, 2},
    {0x16, 255, 245},
    {0x18, 255, 240},
    {0x1A, 255, 230},
    {0x1E, 1, 0, kMomentary},
    {0x54, 100, 50},
    {0x8A, 100, 50},
    {0x8C, 4, 2},
};

constexpr PresetLoad kTswL19sPresets[] = {
    {0x14, 1, 0x16, 255}, {0x14, 1, 0x18, 235}, {0x14, 1, 0x1A, 210}, {0x14, 2, 0x16, 245},
    {0x14, 2, 0x18, 240}, {0x14, 2, 0x1A, 230}, {0x14, 3, 0x16, 220}, {0x14, 3, 0x18, 232},
    {0x14, 3, 0x1A, 255}, {0x14, 4, 0x10, 60},  {0x14, 4, 0x12, 50},  {0x14, 4, 0x16, 240},
    {0x14, 4, 0x18, 236}, {0x14, 4, 0x1A, 232},
};

constexpr MonitorProfile kProfiles[] = {
    {
        .name = "tsw-lcd-p1",
        .description = "TSW L15, listed panel with preset table 1 (sRGB, native, user 1, "
                       "user 2; colour temperature only in user 1) and code template 11; "
                       "a four-preset model: every change is stored (vendor save) shortly "
                       "after the last write",
        .edid = {.vendor = "TSW",
                 .productCode = 0x4C15,
                 .serialNumber = 150331,
                 .serialText = "L15-5C50331",
                 .modelName = "TSW L15",
                 .week = 11,
                 .year = 2005,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 60},
        .capabilities = "(prot(monitor)type(LCD)model(TSW L15)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "08 10 12 14(01 02 0B 0C) 16 18 1A 1E 54 6C 6E 70 8A 8C)mccs_ver(2.1))",
        .vcps = kTswL15Controls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kTswL15Presets,
        .horizontalFrequency = 4840,
        .verticalFrequency = 6000,
        .vendorSave = true,
    },
    {
        .name = "tsw-lcd-p2",
        .description = "TSW L17 on an analogue input, listed panel with preset table 2 "
                       "(native, sRGB, video, custom; colour temperature only in custom, "
                       "100 K a step) and code template 10 (position and geometry reset count "
                       "while analogue); asks vendor query 05 after a preset switch",
        .edid = {.vendor = "TSW",
                 .productCode = 0x4C17,
                 .serialNumber = 170912,
                 .serialText = "L17-5F70912",
                 .modelName = "TSW L17",
                 .week = 19,
                 .year = 2005,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 81},
        .capabilities = "(prot(monitor)type(LCD)model(TSW L17)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "06 08 10 12 14(00 01 02 03) 16 18 1A 1E 20 22 30 32 54 8A 8C)"
                        "mccs_ver(2.1))",
        .vcps = kTswL17Controls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kTswL17Presets,
        .horizontalFrequency = 6400,
        .verticalFrequency = 6000,
        .vendorSave = true,
    },
    {
        .name = "qrv-lcd-p3",
        .description = "QRV L17 on an analogue input, listed panel with preset table 3 "
                       "(native and colour temperatures 4-8, each recalling its own colour "
                       "temperature, 25 K a step) and code template 9 (with position and size)",
        .edid = {.vendor = "QRV",
                 .productCode = 0x3017,
                 .serialNumber = 0x0003A1C5,
                 .serialText = "QL7B238021",
                 .modelName = "QRV L17",
                 .week = 45,
                 .year = 2004,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 81},
        .capabilities = "(prot(monitor)type(LCD)model(QRV L17)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "06 08 10 12 14(02 04 05 06 07 08) 16 18 1A 1E 20 22 30 32 54 6C 6E 70 "
                        "8A 8C)mccs_ver(2.0))",
        .vcps = kQrvL17Controls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kQrvL17Presets,
        .horizontalFrequency = 6400,
        .verticalFrequency = 6000,
        .vendorSave = true,
    },
    {
        .name = "qrv-lcd-p4",
        .description = "QRV L19, listed panel with preset table 4 (sRGB, native, colour "
                       "temperatures 4 and 6-8; 18 K a step) and code template 8; stores its "
                       "settings (vendor save) before every preset switch",
        .edid = {.vendor = "QRV",
                 .productCode = 0x3019,
                 .serialNumber = 0x00051F02,
                 .serialText = "QL9A335618",
                 .modelName = "QRV L19",
                 .week = 8,
                 .year = 2006,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 83},
        .capabilities = "(prot(monitor)type(LCD)model(QRV L19)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "06 08 10 12 14(01 02 04 06 07 08 0B 0C) 16 18 1A 1E 54 8A 8C)"
                        "mccs_ver(2.1))",
        .vcps = kQrvL19Controls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kQrvL19Presets,
        .horizontalFrequency = 6398,
        .verticalFrequency = 6002,
        .vendorSave = true,
    },
    {
        .name = "tsw-lcd-p5",
        .description = "TSW L19, listed panel with preset table 5 (sRGB, native, colour "
                       "temperatures 4 and 6-8; 50 K a step) and no code template, so every "
                       "control is tried, black levels included; stores (vendor save) before "
                       "a preset switch, and after the switch acknowledges nothing for 1.5 s "
                       "(long switch delay)",
        .edid = {.vendor = "TSW",
                 .productCode = 0x4C19,
                 .serialNumber = 190207,
                 .serialText = "L19-6A90207",
                 .modelName = "TSW L19",
                 .week = 3,
                 .year = 2006,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 82},
        .capabilities = "(prot(monitor)type(LCD)model(TSW L19)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "08 10 12 14(01 02 04 06 07 08) 16 18 1A 54 6C 6E 70 8A 8C)"
                        "mccs_ver(2.1))",
        .vcps = kTswL19Controls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kTswL19Presets,
        .writeSettles = kSlowPresetSwitch,
        .horizontalFrequency = 6398,
        .verticalFrequency = 6002,
        .vendorSave = true,
    },
    {
        .name = "tsw-four-preset",
        .description = "TSW L19S, listed panel with four presets numbered from 1, sRGB "
                       "fourth (brightness, contrast, gains and colour temperature locked "
                       "there); stores every change (vendor save) shortly after the last "
                       "write and asks vendor query 05 after a preset switch",
        .edid = {.vendor = "TSW",
                 .productCode = 0x4C1A,
                 .serialNumber = 190588,
                 .serialText = "L19S-6D90588",
                 .modelName = "TSW L19S",
                 .week = 27,
                 .year = 2006,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .maxHorizontalKHz = 82},
        .capabilities = "(prot(monitor)type(LCD)model(TSW L19S)cmds(01 02 03 07 0C C0 F3)vcp(04 "
                        "08 10 12 14(01 02 03 04) 16 18 1A 1E 54 8A 8C)mccs_ver(2.1))",
        .vcps = kTswL19sControls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kTswL19sPresets,
        .horizontalFrequency = 6398,
        .verticalFrequency = 6002,
        .vendorSave = true,
    },
};

}  // namespace

std::span<const MonitorProfile> listedPanelProfiles() {
    return kProfiles;
}

}  // namespace veskol
