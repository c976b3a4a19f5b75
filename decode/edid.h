// EDID decoding: the monitor's identity and the facts of the information page
// from the 256 bytes the link reads (block 0 and one extension block, zeros
// when there is none). The identity helpers read bytes 8 to 11 directly and
// give the vendor letters, the product code, its text and the 32-bit monitor
// ID that keys every per-model rule; decodeEdid walks the VESA EDID 1.x
// layout and its 18-byte descriptors. Texts never overrun their fields.
// Depends on: the standard library only. Portable: no Windows headers.
#pragma once

#include <array>
#include <cstdint>
#include <span>

constexpr int kEdidBytes = 256;  // block 0 and one extension block
constexpr int kEdidBlockBytes = 128;
constexpr int kEdidDescriptorBytes = 18;
constexpr int kMaxEdidDescriptors = 20;
constexpr int kEdidDescriptorTextSize = 14;  // 13 characters and a zero
constexpr int kEdidTextSize = 128;           // serialText, modelName: 127 characters and a zero

using EdidBytes = std::span<const uint8_t, kEdidBytes>;

// --- identity, straight from bytes 8 to 11 ---

// Bytes 8 and 9 read little-endian: the byte-swapped form of the standard's
// manufacturer field, and the upper half of the monitor ID.
[[nodiscard]] constexpr uint16_t edidVendorWord(EdidBytes edid) {
    return static_cast<uint16_t>(edid[9] << 8 | edid[8]);
}

// Bytes 10 and 11 read little-endian.
[[nodiscard]] constexpr uint16_t edidProductCode(EdidBytes edid) {
    return static_cast<uint16_t>(edid[11] << 8 | edid[10]);
}

// (vendor word << 16) | product code.
[[nodiscard]] constexpr uint32_t edidMonitorId(EdidBytes edid) {
    return static_cast<uint32_t>(edidVendorWord(edid)) << 16 | edidProductCode(edid);
}

// The three manufacturer letters of a vendor word, zero-terminated: five
// bits each, 1 standing for A.
[[nodiscard]] constexpr std::array<char, 4> vendorLetters(uint16_t vendorWord) {
    const uint8_t first = static_cast<uint8_t>(vendorWord);  // EDID byte 8
    const uint8_t second = static_cast<uint8_t>(vendorWord >> 8);
    return {static_cast<char>(((first & 0x7C) >> 2) + 0x40),
            static_cast<char>((((first & 0x03) << 3) | (second >> 5)) + 0x40),
            static_cast<char>((second & 0x1F) + 0x40), 0};
}

// Four upper-case hexadecimal digits, high byte first, zero-terminated.
[[nodiscard]] constexpr std::array<char, 5> productCodeText(uint16_t productCode) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[productCode >> 12 & 0xF], kDigits[productCode >> 8 & 0xF],
            kDigits[productCode >> 4 & 0xF], kDigits[productCode & 0xF], 0};
}

// Letters and product-code text ("ABC1234"): how the operating system's
// display-device list names the monitor.
[[nodiscard]] constexpr std::array<char, 8> hardwareId(EdidBytes edid) {
    const std::array<char, 4> letters = vendorLetters(edidVendorWord(edid));
    const std::array<char, 5> code = productCodeText(edidProductCode(edid));
    return {letters[0], letters[1], letters[2], code[0], code[1], code[2], code[3], 0};
}

// --- the decoded record ---

// Descriptor type numbers.
constexpr uint8_t kDescriptorTiming = 0;           // detailed timing (bytes 0-2 not all zero)
constexpr uint8_t kDescriptorSerial = 1;           // tag 0xFF, text
constexpr uint8_t kDescriptorText = 2;             // tag 0xFE, text
constexpr uint8_t kDescriptorRangeLimits = 3;      // tag 0xFD
constexpr uint8_t kDescriptorName = 4;             // tag 0xFC, text
constexpr uint8_t kDescriptorColourPoint = 5;      // tag 0xFB
constexpr uint8_t kDescriptorStandardTimings = 6;  // tag 0xFA
constexpr uint8_t kDescriptorOther = 7;

struct EdidDescriptor {
    uint8_t type;
    char text[kEdidDescriptorTextSize];  // types 1, 2 and 4; up to the first line feed
};

struct EdidRangeLimits {
    uint8_t minVertical;    // Hz
    uint8_t maxVertical;    // Hz
    uint8_t minHorizontal;  // kHz
    uint8_t maxHorizontal;  // kHz
};

struct EdidInfo {
    char vendorLetters[4];
    uint8_t productCode[2];  // low byte, high byte
    uint32_t serialNumber;   // bytes 12-15, little-endian
    uint8_t manufactureWeek;
    int32_t manufactureYear;
    uint8_t digitalInput;  // 1 for a digital input
    EdidDescriptor descriptors[kMaxEdidDescriptors];
    int32_t descriptorCount;
    EdidRangeLimits rangeLimits;  // the last range-limits descriptor; zeros without one
    // The serial-number descriptor texts one after another, or the serial
    // number in decimal when there is none; cut at 127 characters.
    char serialText[kEdidTextSize];
    // The monitor-name descriptor texts one after another, cut at 127
    // characters; empty when there is none.
    char modelName[kEdidTextSize];
};

// Decodes the 256 bytes into `info`. Returns 0, or -1 when block 0 lacks
// the header or its checksum, or an announced extension block does not sum
// to 0; then `info` is left cleared.
[[nodiscard]] int decodeEdid(EdidBytes edid, EdidInfo& info);
