// MonitorBus: one physical monitor's I2C bus as the program sees it, served
// by the operating system's monitor calls instead of raw bus transfers.
// A DDC/CI request written to 0x6E is checked (source, length, checksum)
// and carried out at once with the matching call; the reply frame the
// monitor would have sent is kept for the next read from 0x6F. Get VCP,
// Set VCP, Save Current Settings, the timing report and capabilities
// fragments are carried; every other request (vendor requests among them)
// is refused at the write: the calls offer no way to send it.
// The EDID is the paired monitor device's registry value: an offset
// written to 0xA0, then bytes read from 0xA1.
// A monitor that comes back (after the PC slept, or after it was switched
// off, went to standby or was plugged in again) has a dead handle: when a
// call fails on a monitor that answered before, the bus finds the same
// monitor device again, wherever the desktop now has it, takes a fresh
// handle and makes the call once more. It looks at most once every 2 s;
// meanwhile a handle the system called dead is not used at all.
// Results follow the library's senses: writes give 0 or a negative library
// error, reads give 0 when the buffer holds the requested bytes.
// Not locked: one caller at a time.
// Portable: no Windows headers; reaches the system only through MonitorApi.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "veskol/hardware/display_scan.h"
#include "veskol/hardware/monitor_api.h"

namespace veskol::hardware {

class MonitorBus {
  public:
    // `slot.handle` must stay open while the bus uses it: `slot.group`
    // keeps it so, or the caller does when that is null.
    MonitorBus(const MonitorApi& api, MonitorSlot slot);

    // `address` is the 8-bit write address (0x6E or 0xA0).
    [[nodiscard]] int write(uint8_t address, const uint8_t* data, int length);
    // `address` has bit 0 set (0x6F or 0xA1).
    [[nodiscard]] int read(uint8_t address, uint8_t* buffer, int length);

    // The system's error code of the last call that failed (0: the last
    // call answered).
    [[nodiscard]] uint32_t lastError() const { return lastError_; }

  private:
    [[nodiscard]] int request(const uint8_t* payload, int length);
    [[nodiscard]] int getVcp(uint8_t code);
    [[nodiscard]] int setVcp(uint8_t code, uint32_t value);
    [[nodiscard]] int saveSettings();
    [[nodiscard]] int timingReport();
    [[nodiscard]] uint32_t verticalHundredths(uint32_t verticalHz) const;
    [[nodiscard]] int capabilitiesFragment(int offset);
    [[nodiscard]] int loadCapabilities();
    [[nodiscard]] bool readCapabilities();
    [[nodiscard]] int readReply(uint8_t* buffer, int length);
    [[nodiscard]] int readEdid(uint8_t* buffer, int length);
    void reply(std::vector<uint8_t> payload);

    // Runs `call` (true when the monitor answered) on the monitor's handle,
    // finding the monitor again as described above.
    template <typename Call>
    [[nodiscard]] bool reach(Call call);
    template <typename Call>
    [[nodiscard]] bool attempt(Call call);
    [[nodiscard]] bool findMonitorAgain();

    enum class Capabilities { kUnread, kRead, kFailed };

    MonitorApi api_;
    MonitorSlot slot_;
    std::vector<uint8_t> pendingReply_;
    bool hasPendingReply_ = false;
    // Read from the monitor once while it is open: each read is slow, and
    // the program asks for the string in many fragments. A failed read is
    // remembered only until the monitor is opened again.
    Capabilities capabilitiesState_ = Capabilities::kUnread;
    std::string capabilities_;
    uint8_t edidOffset_ = 0;
    bool answered_ = false;    // some call reached the monitor
    bool handleDead_ = false;  // the system said so; not used until found again
    bool searched_ = false;
    int64_t lastSearchMs_ = 0;
    uint32_t lastError_ = 0;
};

}  // namespace veskol::hardware
