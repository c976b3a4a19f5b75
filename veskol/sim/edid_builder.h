// Builds the 256-byte EDID a simulated monitor serves: a valid EDID 1.3
// base block (header, vendor, product, serial, week/year, input kind, range
// limits, serial and name descriptors, checksum) and, when asked, a CEA
// extension block with its own checksum; bytes 128-255 are zero otherwise.
#pragma once

#include <array>
#include <cstdint>

#include "veskol/sim/monitor_profile.h"

namespace veskol {

using EdidBytes = std::array<uint8_t, 256>;

[[nodiscard]] EdidBytes buildEdid(const EdidSpec& spec);

// The two manufacturer bytes (8 and 9) for three letters A-Z.
void encodeVendor(const char* letters, uint8_t& byte8, uint8_t& byte9);

}  // namespace veskol
