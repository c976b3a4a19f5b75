// BusTransport: one monitor's I2C bus as the DDC/CI message layer. Frames
// outgoing messages (source byte, length byte, checksum), checks and unpacks
// replies, reads EDID registers, and waits. Keeps no state between calls and
// never retries; retries and the waits between attempts belong to DdcLink.
// Depends on: the display-interface functions and the clock.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

// What taking and giving back the bus involves. The library needs no lock,
// so by default both steps do nothing and return 0; a bus that must be
// shared, or a test that needs a refused bus, puts its own steps in.
struct BusAccessSteps {
    std::function<int()> acquire;  // non-zero: the bus is refused, with that error
    std::function<int()> release;
};

class BusTransport {
  public:
    // (interfaceIndex, transferParameter, interfaceSelector) as DdcLink passes them.
    BusTransport(int interfaceIndex, int transferParameter, int interfaceSelector);
    virtual ~BusTransport() = default;

    BusTransport(const BusTransport&) = delete;
    BusTransport& operator=(const BusTransport&) = delete;

    // Hooks every exchange calls around its transfers: acquire and release
    // run the access steps (none by default: 0). A non-zero acquire result
    // is an error code for the caller, who then skips the transfer, the
    // release and the waits.
    [[nodiscard]] virtual int open();
    virtual int release();
    [[nodiscard]] virtual int acquire();
    virtual int setParameter(int value);
    void setAccessSteps(BusAccessSteps steps) { accessSteps_ = std::move(steps); }

    // I2C_WRITE to the 8-bit write address; the library's result unchanged.
    [[nodiscard]] virtual int rawWrite(uint8_t address, const uint8_t* data, int length);
    // I2C_READ from the address with bit 0 set: 1 when the library returns 0
    // (so a good read is always positive), else the library's value.
    [[nodiscard]] virtual int rawRead(uint8_t address, uint8_t* buffer, int length);
    // Writes the one-byte register offset, then reads `length` bytes.
    [[nodiscard]] virtual int readRegister(uint8_t* buffer, uint8_t address, uint8_t offset,
                                           int length);
    // Reads one DDC/CI reply of at most `capacity` payload bytes into
    // `payload`: returns the payload length (0 for a null message) or an error.
    [[nodiscard]] virtual int readFrame(uint8_t* payload, int capacity);
    // Frames `length` payload bytes and writes them to 0x6E.
    [[nodiscard]] virtual int writeFrame(const uint8_t* payload, int length);
    // Waits on the process clock, unless the library carries the waits.
    virtual int sleep(int milliseconds);

    // Whether the library carries each request as a whole transaction with
    // the protocol's waits (an operating system's monitor calls do). Then
    // sleep returns at once: the link's waits would only come on top.
    void setLibraryCarriesWaits(bool carries) { libraryCarriesWaits_ = carries; }
    [[nodiscard]] bool libraryCarriesWaits() const { return libraryCarriesWaits_; }

    [[nodiscard]] int interfaceIndex() const { return interfaceIndex_; }
    [[nodiscard]] int interfaceSelector() const { return interfaceSelector_; }
    [[nodiscard]] int transferParameter() const { return transferParameter_; }

  private:
    int interfaceSelector_;
    int interfaceIndex_;
    int transferParameter_;
    BusAccessSteps accessSteps_;
    bool libraryCarriesWaits_ = false;
};

// Reads the interface's information record (zeroed first, so a library that
// writes nothing there reads as a raw bus): true when the library marks it
// as carrying whole transactions.
[[nodiscard]] bool libraryCarriesWholeTransactions(int interfaceIndex);

// The DDC/CI checksum: XOR of `seed` and `length` bytes.
[[nodiscard]] uint8_t ddcChecksum(uint8_t seed, const uint8_t* bytes, int length);

// Builds the message writeFrame sends: 0x51, 0x80|L, payload, checksum.
// `out` needs length + 3 bytes; returns the message length, or kErrTooLong /
// kErrLength for a payload length outside 0..120.
[[nodiscard]] int buildDdcMessage(const uint8_t* payload, int length, uint8_t* out);

// Checks and unpacks a reply as read from 0x6F (`raw` holds capacity + 3
// bytes): the payload length, kErrBadSource, kErrLength or kErrChecksum.
// Writes the payload to `payload` only on success.
[[nodiscard]] int parseDdcReply(const uint8_t* raw, int capacity, uint8_t* payload);
