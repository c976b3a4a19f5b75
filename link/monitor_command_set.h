// MonitorCommandSet: the DdcLink the monitor object holds for its monitor.
// Its getVcp/setVcp take a 16-bit VCP code (page * 256 + code) and route
// codes 0-255 to the standard MCCS commands and larger ones to the paged
// vendor commands; beside them sit the vendor's one-byte queries.
#pragma once

#include "link/ddc_link.h"

// Sub-codes of vendorQuery.
constexpr int kVendorQueryNudge = 0x05;   // second step of the vendor save
constexpr int kVendorQuerySave = 0x06;    // first step of the vendor save
constexpr int kVendorQueryStatus = 0x14;  // status byte; retried on wrong length

class MonitorCommandSet : public DdcLink {
  public:
    MonitorCommandSet(int interfaceIndex, int transferParameter, int interfaceSelector);
    ~MonitorCommandSet() override;

    // Bits above 15 of `code` are ignored.
    [[nodiscard]] virtual int getVcp(int code, int& current, int& maximum, uint8_t& resultCode,
                                     uint8_t& typeCode);
    [[nodiscard]] virtual int setVcp(int code, int value);

    // Paged get (C6 -> C7).
    [[nodiscard]] int getPagedVcp(int page, int code, int& current, int& maximum,
                                  uint8_t& resultCode, uint8_t& typeCode);
    // Paged set (C8 -> C7, or a null message and then polls for the C7).
    // `value` is the value to set on entry and the monitor's value on return.
    [[nodiscard]] int setPagedVcp(int page, int code, int& value, int& maximum, uint8_t& resultCode,
                                  uint8_t& typeCode);
    // One-byte vendor query (C0 -> C1).
    [[nodiscard]] int vendorQuery(int subcode, int& value);
    // The vendor save sequence: query 0x06 then 0x05. Monitors need not
    // answer them, so their answers are not checked: 0, or
    // kLibraryCannotCarry when the library cannot carry them (nothing was
    // stored then).
    [[nodiscard]] int vendorSaveSequence();

  private:
    struct PagedReply;
    [[nodiscard]] int checkPagedReply(const uint8_t* reply, int length, int page, int code,
                                      PagedReply& out) const;
    [[nodiscard]] int pollPagedSet(int page, int code, PagedReply& out);
};
