// Result codes of the monitor link. Every link operation returns a 32-bit
// signed integer: 0 (or a non-negative count) is success, -20 to -30 are the
// link's own errors, and other negative values are the display-interface
// library's errors passed up unchanged.
#pragma once

constexpr int kErrChecksum = -20;      // reply checksum wrong
constexpr int kErrEdidChecksum = -21;  // an EDID block does not sum to 0
constexpr int kErrEdidHeader = -22;    // EDID block 0 has no 00 FF..FF 00 header
constexpr int kErrNoData = -23;        // a request needing data got a null message
constexpr int kErrLength = -24;        // empty request, zero capacity or wrong reply length
constexpr int kErrCodeMismatch = -25;  // reply is about another VCP code or page
constexpr int kErrBadReply = -26;      // wrong opcode, sub-opcode or offset echo
constexpr int kErrBadSource = -27;     // reply byte 0 is neither 0x6E nor 0x51
constexpr int kErrTooLong = -28;       // request or capacity above 120 bytes
constexpr int kErrCodeRange = -29;     // VCP code or page above 255
constexpr int kErrBufferFull = -30;    // capabilities string does not fit the buffer

// Internal to exchangeWriteRead: a null message where data was needed.
// Becomes kErrNoData before it leaves the exchange.
constexpr int kNullReply = -99;

// Longest DDC/CI payload in either direction.
constexpr int kMaxPayload = 120;

// "kErrChecksum" and so on; "ok" for non-negative results, "library error"
// for other negative values. For test messages.
[[nodiscard]] const char* linkErrorName(int code);

// A short description of the code, as in the name table.
[[nodiscard]] const char* linkErrorMeaning(int code);
