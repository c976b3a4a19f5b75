// The built-in profiles come in groups, one source file each: the first four
// (profiles.cpp), the listed tubes, the listed panels and the unlisted models
// with a behaviour of their own. builtInProfiles() joins them in that order.
// Also the data the groups share.
#pragma once

#include <span>

#include "veskol/sim/monitor_profile.h"

namespace veskol {

inline constexpr uint8_t kMomentary = 1;  // MCCS type byte of action codes

// The status byte (vendor query 0x14) and answers to the vendor queries 05
// and 06 (the vendor save, and the nudge after a preset switch).
inline constexpr VendorAnswer kStatusByte[] = {{0x14, 0x21}, {0x05, 0x00}, {0x06, 0x00}};

[[nodiscard]] std::span<const MonitorProfile> listedTubeProfiles();
[[nodiscard]] std::span<const MonitorProfile> listedPanelProfiles();
[[nodiscard]] std::span<const MonitorProfile> unlistedProfiles();

}  // namespace veskol
