// MonitorBus: one physical monitor's I2C bus as the program sees it, served
// by the operating system's monitor calls instead of raw bus transfers.
// A DDC/CI request written to 0x6E is checked (source, length, checksum)
// and carried out at once with the matching call; the reply frame the
// monitor would have sent is kept for the next read from 0x6F. Get VCP,
// Set VCP, Save Current Settings, the timing report and capabilities
// fragments are carried; vendor requests are not (the calls offer none).
// The EDID comes from the monitor device's registry value: an offset
// written to 0xA0, then bytes read from 0xA1.
// Results follow the library's senses: writes give 0 or a negative library
// error, reads give 0 when the buffer holds the requested bytes.
// Not locked: one caller at a time.
// Portable: no Windows headers; reaches the system only through MonitorApi.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "veskol/hardware/monitor_api.h"

namespace veskol::hardware {

class MonitorBus {
  public:
    // `monitor` stays owned by the caller and must stay open while the bus
    // is used; `devicePath` names its monitor device (empty: no EDID).
    MonitorBus(const MonitorApi& api, MonitorHandle monitor, std::string devicePath);

    // `address` is the 8-bit write address (0x6E or 0xA0).
    [[nodiscard]] int write(uint8_t address, const uint8_t* data, int length);
    // `address` has bit 0 set (0x6F or 0xA1).
    [[nodiscard]] int read(uint8_t address, uint8_t* buffer, int length);

  private:
    [[nodiscard]] int request(const uint8_t* payload, int length);
    [[nodiscard]] int getVcp(uint8_t code);
    [[nodiscard]] int setVcp(uint8_t code, uint32_t value);
    [[nodiscard]] int saveSettings();
    [[nodiscard]] int timingReport();
    [[nodiscard]] int capabilitiesFragment(int offset);
    [[nodiscard]] int loadCapabilities();
    [[nodiscard]] int readReply(uint8_t* buffer, int length);
    [[nodiscard]] int readEdid(uint8_t* buffer, int length);
    void reply(std::vector<uint8_t> payload);

    enum class Capabilities { kUnread, kRead, kFailed };

    MonitorApi api_;
    MonitorHandle monitor_;
    std::string devicePath_;
    std::vector<uint8_t> pendingReply_;
    bool hasPendingReply_ = false;
    // Read from the monitor once while it is open: each read is slow, and
    // the program asks for the string in many fragments.
    Capabilities capabilitiesState_ = Capabilities::kUnread;
    std::string capabilities_;
    std::vector<uint8_t> edid_;  // empty until read
    uint8_t edidOffset_ = 0;
};

}  // namespace veskol::hardware
