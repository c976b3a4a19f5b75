// A simulated monitor described as data: its EDID fields, capabilities
// string, VCP controls (standard and paged), vendor query answers, timing
// report and behaviour switches. Profiles are looked up by name
// (VESKOL_SIMULATE lists one per interface).
#pragma once

#include <cstdint>
#include <span>

namespace veskol {

// One VCP control. `code` is page * 256 + code; codes above 0xFF are paged.
struct VcpDef {
    uint16_t code;
    uint16_t maximum;
    uint16_t value;            // factory value
    uint8_t type = 0;          // MCCS type byte (0 set parameter, 1 momentary)
    bool unsupported = false;  // answers with result byte 1
};

// Answer to the one-byte vendor query C0 <subcode>.
struct VendorAnswer {
    uint8_t subcode;
    uint8_t value;
};

// Writing `value` to the preset selector `selector` (VCP 0x14, or a picture
// mode code) loads `setting` into control `code`, as a monitor recalls the
// gains and other settings of the preset it switches to.
struct PresetLoad {
    uint16_t selector;
    uint16_t value;
    uint16_t code;
    uint16_t setting;
};

// After a write to `code` the monitor is busy for `busyMs` (it acknowledges
// nothing), as some recompute their colour tables or switch presets slowly.
struct WriteSettle {
    uint16_t code;
    uint16_t busyMs;
};

// The fields the simulator writes into the EDID it serves.
struct EdidSpec {
    char vendor[4];  // three letters A-Z
    uint16_t productCode;
    uint32_t serialNumber = 0;
    const char* serialText = nullptr;  // serial-number descriptor, or none
    const char* modelName = nullptr;   // monitor-name descriptor, or none
    uint8_t week = 1;
    uint16_t year = 2004;
    bool digitalInput = false;
    uint8_t minVerticalHz = 50, maxVerticalHz = 160;
    uint8_t minHorizontalKHz = 30, maxHorizontalKHz = 110;
    bool ceaExtension = false;  // a second (tag 2) block with two timings
};

struct MonitorProfile {
    const char* name;
    const char* description;  // the behaviour it exercises
    EdidSpec edid;
    const char* capabilities;  // nullptr: the monitor never answers F3
    std::span<const VcpDef> vcps;
    std::span<const VendorAnswer> vendorAnswers = {};
    std::span<const PresetLoad> presetLoads = {};
    std::span<const WriteSettle> writeSettles = {};
    uint8_t timingStatus = 0x03;
    uint16_t horizontalFrequency = 6983;  // kHz * 100
    uint16_t verticalFrequency = 8500;    // Hz * 100
    int pagedSetBusyReads = 0;            // null replies before a paged set's C7 reply
    bool vendorSave = false;              // vendor queries 06 then 05 store the settings
    bool ignoresSaveCommand = false;      // MCCS 0C does nothing
    int actionBusyMs = 1500;              // how long degauss, resets and auto setup keep it busy
    const char* driverName = "VESKOL Simulated DDC/CI";
};

// The built-in profiles, and the default list when VESKOL_SIMULATE is unset.
[[nodiscard]] std::span<const MonitorProfile> builtInProfiles();
[[nodiscard]] const MonitorProfile* findProfile(const char* name);
constexpr const char* kDefaultProfiles = "qrv-crt,tsw-lcd,other-vendor";

}  // namespace veskol
