// Listed cathode-ray tubes (and the listed data display): monitors the
// program drives by their code template, never by a capabilities string.
// Each has controls outside its template too, so that the template's limits
// show, and a capabilities string that lists them, so that reading it by
// mistake would show as well.
#include "veskol/sim/profile_groups.h"

namespace veskol {
namespace {

// QRV G15: template 1, the geometry base set and nothing else.
constexpr VcpDef kQrvG15Controls[] = {
    {0x00, 1, 0, kMomentary},  // degauss
    {0x04, 1, 0, kMomentary},  // factory reset: the monitor has it, template 1 does not
    {0x10, 100, 45},           // brightness
    {0x12, 100, 85},           // contrast
    {0x14, 4, 1},              // presets 0-4, sRGB is 3
    {0x16, 255, 230},          // gains
    {0x18, 255, 215},
    {0x1A, 255, 205},
    {0x20, 100, 50},  // position, size, pincushion and balance
    {0x22, 100, 62},
    {0x24, 100, 48},
    {0x26, 100, 50},
    {0x28, 100, 50},  // convergence
    {0x30, 100, 50},
    {0x32, 100, 58},
    {0x38, 100, 50},
    {0x40, 100, 50},  // parallelogram, trapezoid, rotation
    {0x42, 100, 51},
    {0x44, 100, 50},
    {0x46, 100, 50},  // corners
    {0x48, 100, 50},
    {0x4A, 100, 50},
    {0x4C, 100, 50},
    {0x56, 100, 0},  // horizontal moire
};

// TSW E22: template 6, with resets, linearity and purity.
constexpr VcpDef kTswE22Controls[] = {
    {0x00, 1, 0, kMomentary},
    {0x04, 1, 0, kMomentary},
    {0x06, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 55},
    {0x12, 100, 90},
    {0x14, 5, 2},  // presets 0-5, sRGB is 3
    {0x16, 255, 240},
    {0x18, 255, 228},
    {0x1A, 255, 210},
    {0x20, 127, 64},
    {0x22, 127, 80},
    {0x24, 127, 60},
    {0x26, 127, 64},
    {0x28, 127, 64},
    {0x30, 127, 64},
    {0x32, 127, 75},
    {0x38, 127, 64},
    {0x3A, 127, 64},  // vertical linearity and its balance
    {0x3C, 127, 64},
    {0x40, 127, 64},
    {0x42, 127, 64},
    {0x44, 127, 62},
    {0x46, 127, 64},
    {0x48, 127, 64},
    {0x4A, 127, 64},
    {0x4C, 127, 64},
    {0x56, 127, 0},
    {0xB1, 1, 0, kMomentary},  // automatic geometry: outside template 6
    {0xE6, 127, 64},           // centre pincushion: outside template 6
    {0xE8, 127, 64},           // purity, four corners
    {0xE9, 127, 64},
    {0xEA, 127, 64},
    {0xEB, 127, 64},
};

// QRV GF19: template 4 (base set and purity); presets through picture modes.
constexpr VcpDef kQrvGf19Controls[] = {
    {0x00, 1, 0, kMomentary}, {0x10, 100, 50},
    {0x12, 100, 80},          {0x14, 4, 0},  // follows the picture mode: preset = mode - 1
    {0x16, 255, 220},         {0x18, 255, 210},
    {0x1A, 255, 200},         {0x20, 100, 50},
    {0x22, 100, 64},          {0x24, 100, 50},
    {0x26, 100, 50},          {0x28, 100, 50},
    {0x30, 100, 50},          {0x32, 100, 60},
    {0x38, 100, 50},          {0x40, 100, 50},
    {0x42, 100, 50},          {0x44, 100, 50},
    {0x46, 100, 50},          {0x48, 100, 50},
    {0x4A, 100, 50},          {0x4C, 100, 50},
    {0x56, 100, 0},           {0xD8, 5, 1},  // picture mode 1-5
    {0xE8, 100, 50},          {0xE9, 100, 50},
    {0xEA, 100, 50},          {0xEB, 100, 50},
};

// Picture modes: standard, text, photo, sRGB, movie. Each recalls its preset,
// brightness and gains.
constexpr PresetLoad kQrvGf19Modes[] = {
    {0xD8, 1, 0x14, 0},   {0xD8, 1, 0x10, 50},  {0xD8, 1, 0x16, 220}, {0xD8, 1, 0x18, 210},
    {0xD8, 1, 0x1A, 200}, {0xD8, 2, 0x14, 1},   {0xD8, 2, 0x10, 35},  {0xD8, 2, 0x16, 200},
    {0xD8, 2, 0x18, 200}, {0xD8, 2, 0x1A, 200}, {0xD8, 3, 0x14, 2},   {0xD8, 3, 0x10, 55},
    {0xD8, 3, 0x16, 235}, {0xD8, 3, 0x18, 220}, {0xD8, 3, 0x1A, 205}, {0xD8, 4, 0x14, 3},
    {0xD8, 4, 0x10, 45},  {0xD8, 4, 0x16, 240}, {0xD8, 4, 0x18, 235}, {0xD8, 4, 0x1A, 230},
    {0xD8, 5, 0x14, 4},   {0xD8, 5, 0x10, 70},  {0xD8, 5, 0x16, 245}, {0xD8, 5, 0x18, 225},
    {0xD8, 5, 0x1A, 200},
};

// QRV D21: template 7 only.
constexpr VcpDef kQrvD21Controls[] = {
    {0x06, 1, 0, kMomentary}, {0x10, 100, 60}, {0x12, 100, 75},          {0x14, 3, 0},
    {0x20, 100, 50},          {0x30, 100, 50}, {0xB1, 1, 0, kMomentary},
};

constexpr MonitorProfile kProfiles[] = {
    {
        .name = "qrv-crt-t1",
        .description = "QRV G15, listed cathode-ray tube with code template 1 (the geometry "
                       "base set only): its factory reset (0x04) is outside the template and "
                       "never offered; presets 0-4 with sRGB as preset 3",
        .edid = {.vendor = "QRV",
                 .productCode = 0x2015,
                 .serialNumber = 0x00004711,
                 .serialText = "QV5A004711",
                 .modelName = "QRV G15",
                 .week = 22,
                 .year = 2001,
                 .maxVerticalHz = 120,
                 .maxHorizontalKHz = 70},
        .capabilities =
            "(prot(monitor)type(crt)model(QRV G15)cmds(01 02 03 07 0C F3)vcp(00 04 10 12 "
            "14(00 01 02 03 04) 16 18 1A 20 22 24 26 28 30 32 38 40 42 44 46 48 4A "
            "4C 56)mccs_ver(2.0))",
        .vcps = kQrvG15Controls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 6868,
    },
    {
        .name = "tsw-crt-t6",
        .description = "TSW E22, listed cathode-ray tube with code template 6 (resets, "
                       "linearity, purity); its automatic geometry (0xB1) and centre "
                       "pincushion (0xE6) are outside the template; long timeout",
        .edid = {.vendor = "TSW",
                 .productCode = 0x4522,
                 .serialNumber = 512,
                 .serialText = "E22-3H00512",
                 .modelName = "TSW E22",
                 .week = 9,
                 .year = 2004,
                 .minVerticalHz = 48,
                 .maxHorizontalKHz = 121},
        .capabilities =
            "(prot(monitor)type(crt)model(TSW E22)cmds(01 02 03 07 0C F3)vcp(00 04 06 08 "
            "10 12 14 16 18 1A 20 22 24 26 28 30 32 38 3A 3C 40 42 44 46 48 4A 4C 56 "
            "B1 E6 E8 E9 EA EB)mccs_ver(2.0))",
        .vcps = kTswE22Controls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 9150,
    },
    {
        .name = "qrv-picture-mode",
        .description = "QRV GF19, listed flat-face tube (template 4) that switches presets "
                       "through picture modes: writing mode v to VCP 0xD8 recalls preset "
                       "v - 1 in 0x14 with that mode's brightness and gains; mode 4 is sRGB",
        .edid = {.vendor = "QRV",
                 .productCode = 0x2119,
                 .serialNumber = 0x0002A7F3,
                 .serialText = "QF9C174067",
                 .modelName = "QRV GF19",
                 .week = 37,
                 .year = 2003},
        .capabilities = "(prot(monitor)type(crt)model(QRV GF19)cmds(01 02 03 07 0C F3)vcp(00 10 12 "
                        "14 16 18 1A 20 22 24 26 28 30 32 38 40 42 44 46 48 4A 4C 56 D8(01 02 03 "
                        "04 05) E8 E9 EA EB)mccs_ver(2.0))",
        .vcps = kQrvGf19Controls,
        .vendorAnswers = kStatusByte,
        .presetLoads = kQrvGf19Modes,
        .horizontalFrequency = 9120,
    },
    {
        .name = "qrv-t7-display",
        .description = "QRV D21, the listed data display in neither technology list: code "
                       "template 7 (geometry reset, brightness, contrast, presets, position, "
                       "automatic geometry); no brightness and contrast defaults",
        .edid = {.vendor = "QRV",
                 .productCode = 0x2D21,
                 .serialNumber = 210044,
                 .modelName = "QRV D21",
                 .week = 5,
                 .year = 2002,
                 .maxHorizontalKHz = 96},
        .capabilities = "(prot(monitor)model(QRV D21)cmds(01 02 03 07 0C F3)vcp(06 10 12 14 20 30 "
                        "B1)mccs_ver(2.0))",
        .vcps = kQrvD21Controls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 6000,
        .verticalFrequency = 7500,
    },
};

}  // namespace

std::span<const MonitorProfile> listedTubeProfiles() {
    return kProfiles;
}

}  // namespace veskol
