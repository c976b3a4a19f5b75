// What sits on one simulated I2C bus. The simulated monitor is one kind;
// host tests install scripted devices of their own to play exact byte
// sequences. Results follow the library's senses: writes return 0 or a
// negative library error, reads return 0 when `buffer` holds `length` bytes.
#pragma once

#include <cstdint>

#include "veskol/library_errors.h"

namespace veskol {

class SimDevice {
  public:
    virtual ~SimDevice() = default;
    // `address` is the 8-bit write address (0x6E or 0xA0).
    [[nodiscard]] virtual int write(uint8_t address, const uint8_t* data, int length) = 0;
    // `address` has bit 0 set (0x6F or 0xA1).
    [[nodiscard]] virtual int read(uint8_t address, uint8_t* buffer, int length) = 0;
};

}  // namespace veskol
