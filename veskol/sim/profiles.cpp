// The built-in simulated monitors. Each profile exercises one kind of
// monitor the program must handle; the README lists them. This file holds
// the first four and joins the groups of profile_groups.h.
#include <cstring>
#include <iterator>
#include <vector>

#include "veskol/sim/monitor_profile.h"
#include "veskol/sim/profile_groups.h"

namespace veskol {
namespace {

// A QRV cathode-ray-tube monitor with the full set of geometry controls.
constexpr VcpDef kQrvCrtControls[] = {
    {0x00, 1, 0, kMomentary},  // degauss
    {0x04, 1, 0, kMomentary},  // restore factory defaults
    {0x06, 1, 0, kMomentary},  // restore geometry defaults
    {0x08, 1, 0, kMomentary},  // restore colour defaults
    {0x10, 100, 50},           // brightness
    {0x12, 100, 80},           // contrast
    {0x14, 11, 5},             // colour preset
    {0x16, 255, 220},          // red gain
    {0x18, 255, 210},          // green gain
    {0x1A, 255, 200},          // blue gain
    {0x20, 100, 50},           // horizontal position
    {0x22, 100, 60},           // horizontal size
    {0x24, 100, 50},           // pincushion
    {0x26, 100, 50},           // pincushion balance
    {0x28, 100, 50},           // horizontal convergence
    {0x30, 100, 50},           // vertical position
    {0x32, 100, 55},           // vertical size
    {0x38, 100, 50},           // vertical convergence
    {0x3A, 100, 50},           // vertical linearity
    {0x3C, 100, 50},           // vertical linearity balance
    {0x40, 100, 50},           // parallelogram
    {0x42, 100, 50},           // trapezoid
    {0x44, 100, 50},           // rotation
    {0x46, 100, 50},           // top corner flare
    {0x48, 100, 50},           // top corner hook
    {0x4A, 100, 50},           // bottom corner flare
    {0x4C, 100, 50},           // bottom corner hook
    {0x56, 100, 0},            // horizontal moire
    {0x58, 100, 0},            // vertical moire
    {0x6C, 255, 128},          // red black level
    {0x6E, 255, 128},          // green black level
    {0x70, 255, 128},          // blue black level
    {0xB1, 1, 0, kMomentary},  // automatic size and distortion
    {0xE6, 100, 50},           // centre pincushion
    {0xE8, 100, 50},           // purity, four corners
    {0xE9, 100, 50},
    {0xEA, 100, 50},
    {0xEB, 100, 50},
};

// A TSW flat panel driven by its capabilities string, with a vendor page.
constexpr VcpDef kTswLcdControls[] = {
    {0x04, 1, 0, kMomentary},
    {0x08, 1, 0, kMomentary},
    {0x10, 100, 75},
    {0x12, 100, 70},
    {0x14, 11, 5},
    {0x16, 100, 90},
    {0x18, 100, 85},
    {0x1A, 100, 80},
    {0x60, 3, 1},
    {0x6C, 100, 50},
    {0x6E, 100, 50},
    {0x70, 100, 50},
    {0xD6, 4, 1},
    {0x0210, 10, 3},
    {0x0220, 255, 128},
    {0x0221, 255, 64},
};

constexpr const char kTswLcdCapabilities[] =
    "(prot(monitor)type(LCD)model(TSW L19A)cmds(01 02 03 07 0C E3 F3)"
    "vcp(04 08 10 12 14(01 05 08 0B) 16 18 1A 60(01 03) 6C 6E 70 D6(01 04))"
    "vcp_p02(10 20 21)mccs_ver(2.1)asset_eep(40)mpu_ver(1.02))";

// A monitor whose paged sets answer "busy" (null messages) before the paged
// reply, so the host has to poll.
constexpr VcpDef kPagedBusyControls[] = {
    {0x10, 100, 40},  {0x12, 100, 60},    {0x14, 11, 5},  {0x0201, 31, 16},
    {0x0202, 31, 16}, {0x0203, 255, 200}, {0x0310, 1, 0},
};

constexpr const char kPagedBusyCapabilities[] =
    "(prot(monitor)type(crt)model(QRV P17)cmds(01 02 03 0C F3)vcp(10 12 14(05 08))"
    "vcp_p02(01 02 03)vcp_p03(10)mccs_ver(2.0))";

// A monitor of another maker: the program must not list it.
constexpr VcpDef kOtherVendorControls[] = {
    {0x10, 100, 60},
    {0x12, 100, 50},
    {0x14, 11, 5},
};

constexpr const char kOtherVendorCapabilities[] =
    "(prot(monitor)type(lcd)model(ZK-1700)cmds(01 02 03 0C F3)vcp(10 12 14(05 06 08))"
    "mccs_ver(2.0))";

constexpr MonitorProfile kProfiles[] = {
    {
        .name = "qrv-crt",
        .description = "QRV G17, listed cathode-ray tube with code template 2: geometry, "
                       "convergence, linearity, purity, centre pincushion, automatic geometry "
                       "and degauss; its geometry reset (0x06) is outside the template",
        .edid = {.vendor = "QRV",
                 .productCode = 0x2017,
                 .serialNumber = 0x0001E240,
                 .serialText = "QV7A012345",
                 .modelName = "QRV G17",
                 .week = 14,
                 .year = 2003},
        .capabilities = "(prot(monitor)type(crt)model(QRV G17)cmds(01 02 03 07 0C F3)"
                        "vcp(00 04 06 08 10 12 14(05 08 0B) 16 18 1A 20 22 24 26 28 30 32 38"
                        " 3A 3C 40 42 44 46 48 4A 4C 56 58 6C 6E 70 B1 E6 E8 E9 EA EB)"
                        "mccs_ver(2.0))",
        .vcps = kQrvCrtControls,
        .vendorAnswers = kStatusByte,
    },
    {
        .name = "tsw-lcd",
        .description = "TSW flat panel (unlisted model) driven by its capabilities string, "
                       "with a vcp_p02 page of vendor codes",
        .edid = {.vendor = "TSW",
                 .productCode = 0x4C20,
                 .serialNumber = 77001,
                 .modelName = "TSW L19A",
                 .week = 30,
                 .year = 2006,
                 .digitalInput = true,
                 .minVerticalHz = 56,
                 .maxVerticalHz = 76,
                 .minHorizontalKHz = 30,
                 .maxHorizontalKHz = 82,
                 .ceaExtension = true},
        .capabilities = kTswLcdCapabilities,
        .vcps = kTswLcdControls,
        .vendorAnswers = kStatusByte,
        .horizontalFrequency = 6400,
        .verticalFrequency = 6000,
    },
    {
        .name = "paged-busy",
        .description = "QRV monitor (unlisted) with paged vendor codes whose sets answer "
                       "busy (null messages) three times before the paged reply",
        .edid = {.vendor = "QRV",
                 .productCode = 0x7A01,
                 .serialNumber = 4242,
                 .serialText = "PB0042",
                 .modelName = "QRV P17",
                 .week = 2,
                 .year = 2005},
        .capabilities = kPagedBusyCapabilities,
        .vcps = kPagedBusyControls,
        .vendorAnswers = kStatusByte,
        .pagedSetBusyReads = 3,
    },
    {
        .name = "other-vendor",
        .description = "a monitor of another maker (ZKX), never listed by the program",
        .edid = {.vendor = "ZKX",
                 .productCode = 0x0100,
                 .serialNumber = 1,
                 .modelName = "ZK-1700",
                 .week = 40,
                 .year = 2004,
                 .digitalInput = true},
        .capabilities = kOtherVendorCapabilities,
        .vcps = kOtherVendorControls,
    },
};

}  // namespace

std::span<const MonitorProfile> builtInProfiles() {
    static const std::vector<MonitorProfile> all = [] {
        std::vector<MonitorProfile> profiles(std::begin(kProfiles), std::end(kProfiles));
        for (std::span<const MonitorProfile> group :
             {listedTubeProfiles(), listedPanelProfiles(), unlistedProfiles()}) {
            profiles.insert(profiles.end(), group.begin(), group.end());
        }
        return profiles;
    }();
    return all;
}

const MonitorProfile* findProfile(const char* name) {
    for (const MonitorProfile& profile : builtInProfiles()) {
        if (name && std::strcmp(profile.name, name) == 0) {
            return &profile;
        }
    }
    return nullptr;
}

}  // namespace veskol
