// DdcLink: the program's link to one monitor. Owns a BusTransport and offers
// the three DDC/CI exchange forms (send; send and read the reply; read only)
// with their length checks, five attempts and waits, and on top of them the
// standard MCCS commands and the EDID read. Keeps no state between exchanges
// and takes no lock: never run two exchanges on one link at the same time.
// Results: 0 or a non-negative count on success, a negative code of
// link_errors.h (or of the library) on failure. Outputs are written only on
// success.
#pragma once

#include <cstdint>
#include <memory>

#include "link/bus_transport.h"

class DdcLink {
  public:
    DdcLink(int interfaceIndex, int transferParameter, int interfaceSelector);
    virtual ~DdcLink();

    DdcLink(const DdcLink&) = delete;
    DdcLink& operator=(const DdcLink&) = delete;

    // --- exchanges (`request` and `reply` hold the payload, opcode first) ---

    // Sends one message, then waits `waitMs` whether it went out or not.
    [[nodiscard]] int exchangeWrite(const uint8_t* request, int length, int waitMs);

    // Sends a request and reads its reply. `replyLength` is the capacity on
    // entry and the received payload length on return (0 on failure). A null
    // message is an error (kErrNoData) when `nullIsError`, else a success of
    // length 0. Attempt i waits baseWaitMs + 50 * i between write and read
    // and again after a failure; the exchange ends with a 50 ms wait.
    [[nodiscard]] int exchangeWriteRead(const uint8_t* request, int length, uint8_t* reply,
                                        int& replyLength, bool nullIsError, int baseWaitMs);

    // Reads a reply without sending (a monitor still busy with an earlier
    // request); a null message is a success of length 0.
    [[nodiscard]] int exchangeRead(uint8_t* reply, int& replyLength, int waitMs);

    // --- standard MCCS commands ---

    // Get VCP feature (code 0-255). The monitor treats a non-zero resultCode
    // or a maximum of 0 as "not supported"; that is the caller's decision.
    [[nodiscard]] int getVcp(int code, int& current, int& maximum, uint8_t& resultCode,
                             uint8_t& typeCode);
    [[nodiscard]] int setVcp(int code, int value);
    [[nodiscard]] int saveSettings();
    // Frequencies in kHz and Hz (reply words / 100).
    [[nodiscard]] int getTimingReport(uint8_t& status, float& horizontal, float& vertical);
    // One capabilities fragment: the number of reply bytes (header included).
    [[nodiscard]] int requestCapabilitiesFragment(int offset, uint8_t* fragment, int capacity);
    // The whole capabilities string, zero-terminated: its length or an error.
    [[nodiscard]] int readCapabilities(char* buffer, int size);
    // EDID block 0 and, when announced, block 1 into 256 bytes.
    [[nodiscard]] int readEdid(uint8_t* buffer);
    // Takes and gives back the bus: 0 when the interface can be used.
    [[nodiscard]] int probe();

    // Asks the interface's library whether it carries whole transactions
    // with their waits; if it does, the link adds no waits of its own. Done
    // when a monitor is opened. A write the library cannot carry
    // (kLibraryCannotCarry) ends an exchange at once on any interface: no
    // more attempts and no waits.
    void adoptLibraryTiming();

    [[nodiscard]] int retryCount() const { return retryCount_; }
    [[nodiscard]] int interfaceSelector() const { return interfaceSelector_; }
    [[nodiscard]] BusTransport& transport() { return *transport_; }

  protected:
    // Sends `request` and reads a reply of exactly `expectedLength` bytes,
    // repeating the whole exchange on a wrong length (up to retryCount more).
    [[nodiscard]] int exchangeExpectingLength(const uint8_t* request, int length, uint8_t* reply,
                                              int expectedLength);

    int interfaceSelector_;
    int retryCount_ = 4;
    std::unique_ptr<BusTransport> transport_;
};

constexpr int kEdidSize = 256;
constexpr int kEdidBlockSize = 128;
constexpr int kCapabilitiesBufferSize = 4000;
