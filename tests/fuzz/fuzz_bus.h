// The fuzz bus: a fuzz-only implementation of the five display-interface
// functions that serves every I2C read from the fuzz input, so the link's
// reply handling (framing, retries, reassembly, polling) runs over arbitrary
// monitor behaviour. One interface; writes succeed unless the input says
// otherwise.
//
// Input format, one record per I2C_READ, in the order the link reads:
//   control byte c; c & 0x80 makes the next I2C_WRITE fail; c & 3 is the mode:
//     0 raw     - the next `length` bytes are what the bus returns;
//     1 framed  - a byte n (n & 0x7F is the payload length), then n payload
//                 bytes; the bus adds source byte, length byte and a correct
//                 checksum, so replies get past the checksum test;
//     2 fail    - the library reports the failure -1 - ((c >> 2) & 7);
//     3 odd     - the library returns the positive value 1 + ((c >> 2) & 7)
//                 and leaves the buffer alone.
// When the input runs out every read fails, so each exchange ends.
// The builders below write records in this format (seeds, tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/display_interface.h"

constexpr uint8_t kBusRaw = 0;
constexpr uint8_t kBusFramed = 1;
constexpr uint8_t kBusFail = 2;
constexpr uint8_t kBusOdd = 3;
constexpr uint8_t kBusFailNextWrite = 0x80;

// Serves `data` (which must outlive the run) to the following reads.
void fuzzBusStart(const uint8_t* data, size_t size);

// The bytes the last read put in the caller's buffer; empty when it failed.
[[nodiscard]] std::span<const uint8_t> fuzzBusLastRead();

// A framed reply record carrying `payload`.
inline void appendFramedRead(std::vector<uint8_t>& out, std::span<const uint8_t> payload) {
    out.push_back(kBusFramed);
    out.push_back(static_cast<uint8_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
}

// A framed null message: the monitor has nothing to say yet.
inline void appendNullRead(std::vector<uint8_t>& out) {
    appendFramedRead(out, {});
}

inline void appendFailedRead(std::vector<uint8_t>& out) {
    out.push_back(kBusFail);
}
