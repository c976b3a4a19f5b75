// SimMonitor: a DDC/CI monitor emulated byte by byte from a profile. It
// checks each request frame (source, length, checksum), answers Get/Set VCP,
// timing report, capabilities fragments, paged get/set (optionally busy for
// a few reads) and vendor queries, serves its EDID at 0xA0, keeps a
// non-volatile store that Save Current Settings (or the vendor save) fills,
// recalls a preset's settings when a preset is selected, and behaves like
// real hardware in time: a reply read too soon after its request is a null
// message, and actions (and, on some models, colour or preset writes) keep
// the monitor busy.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "veskol/sim/edid_builder.h"
#include "veskol/sim/monitor_profile.h"
#include "veskol/sim/sim_device.h"

namespace veskol {

// A monitor needs this long after a request before its reply is ready.
constexpr int kReplyReadyMs = 40;

class SimMonitor : public SimDevice {
  public:
    // `store` is called with the whole non-volatile store after every save.
    using StoreListener = std::function<void(const std::map<int, int>&)>;

    explicit SimMonitor(const MonitorProfile& profile);

    int write(uint8_t address, const uint8_t* data, int length) override;
    int read(uint8_t address, uint8_t* buffer, int length) override;

    // Power-on state from saved settings: each code's current and stored value.
    void applySaved(const std::map<int, int>& saved);
    void setStoreListener(StoreListener listener) { storeListener_ = std::move(listener); }

    // Inspection.
    [[nodiscard]] const MonitorProfile& profile() const { return profile_; }
    [[nodiscard]] bool value(int code, int& out) const;
    [[nodiscard]] bool maximum(int code, int& out) const;
    [[nodiscard]] bool setValue(int code, int value);
    [[nodiscard]] bool setMaximum(int code, int maximum);
    [[nodiscard]] bool savedValue(int code, int& out) const;
    [[nodiscard]] const std::map<int, int>& store() const { return store_; }
    [[nodiscard]] int saveCount() const { return saveCount_; }
    [[nodiscard]] int requestCount(uint8_t opcode) const;

  private:
    struct Control {
        int maximum;
        int value;
        int factory;
        uint8_t type;
        bool unsupported;
    };

    void handleRequest(const uint8_t* payload, int length);
    void handleGetVcp(int code);
    void handleSetVcp(int code, int value);
    void handleTimingReport();
    void handleCapabilities(int offset);
    void handlePagedGet(int page, int code);
    void handlePagedSet(int page, int code, int value);
    void handleVendorQuery(uint8_t subcode);
    void runAction(int code);
    void restoreFactory(const std::vector<int>& codes);
    void saveSettings();
    void reply(std::vector<uint8_t> payload, int busyReads = 0);
    void pagedReply(int page, int code);
    [[nodiscard]] bool busy() const;

    const MonitorProfile& profile_;
    EdidBytes edid_;
    std::map<int, Control> controls_;
    std::map<int, int> store_;
    StoreListener storeListener_;

    std::vector<uint8_t> pendingReply_;
    bool hasPendingReply_ = false;
    int pendingBusyReads_ = 0;
    int64_t requestAtMs_ = 0;
    int64_t busyUntilMs_ = 0;
    uint8_t edidOffset_ = 0;
    bool vendorSaveArmed_ = false;
    int saveCount_ = 0;
    std::map<uint8_t, int> requestCounts_;
};

}  // namespace veskol
