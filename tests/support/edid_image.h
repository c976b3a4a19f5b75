// EDID images for the decoder's tests and the fuzz seeds: the fixed header,
// the fields a test sets, 18-byte descriptors written where it puts them and
// both checksums sealed on request (an extension block of zeros seals to
// zeros, so a single block stays as it was).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

using EdidDescriptorBytes = std::array<uint8_t, 18>;

// A text descriptor: `tag`, then up to 13 characters padded with spaces
// (a line feed ends a shorter text only where the caller writes one).
inline EdidDescriptorBytes edidTextDescriptor(uint8_t tag, const char* text) {
    EdidDescriptorBytes d{0, 0, 0, tag, 0};
    std::memset(d.data() + 5, ' ', 13);
    std::memcpy(d.data() + 5, text, std::min<size_t>(std::strlen(text), 13));
    return d;
}

inline EdidDescriptorBytes edidRangeDescriptor(uint8_t minV, uint8_t maxV, uint8_t minH,
                                               uint8_t maxH) {
    return {0,    0,    0,    0xFD, 0,   minV, maxV, minH, maxH,
            0x1E, 0x00, 0x0A, ' ',  ' ', ' ',  ' ',  ' ',  ' '};
}

// A detailed timing of h × v pixels at `pixelClock10kHz`.
inline EdidDescriptorBytes edidTiming(uint16_t pixelClock10kHz, int h, int v) {
    const uint8_t clockLow = pixelClock10kHz & 0xFF, clockHigh = pixelClock10kHz >> 8;
    const uint8_t hLow = h & 0xFF, hHigh = (h >> 8) << 4 | 1, vLow = v & 0xFF,
                  vHigh = (v >> 8) << 4;
    return {clockLow, clockHigh, hLow, 0xA0, hHigh, vLow, 0x2D, vHigh, 0,
            0,        0,         0,    0,    0,     0,    0,    0,     0x1E};
}

class EdidImage {
  public:
    EdidImage(uint8_t version, uint8_t revision) {
        constexpr uint8_t header[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
        std::memcpy(bytes.data(), header, sizeof header);
        bytes[18] = version;
        bytes[19] = revision;
    }
    // Bytes 8 to 17: vendor word and product code as stored, serial number,
    // week and year of manufacture.
    EdidImage& identity(uint8_t b8, uint8_t b9, uint16_t product, uint32_t serial, uint8_t week,
                        uint8_t year) {
        set(8, {b8, b9, static_cast<uint8_t>(product), static_cast<uint8_t>(product >> 8)});
        for (int i = 0; i < 4; ++i) {
            bytes[12 + i] = static_cast<uint8_t>(serial >> (8 * i));
        }
        return set(16, {week, year});
    }
    EdidImage& set(int at, std::initializer_list<uint8_t> values) {
        std::copy(values.begin(), values.end(), bytes.begin() + at);
        return *this;
    }
    // Descriptor `d` at byte `at` of the image (block 0's are at 54, 72, 90, 108).
    EdidImage& descriptor(int at, const EdidDescriptorBytes& d) {
        std::copy(d.begin(), d.end(), bytes.begin() + at);
        return *this;
    }
    // An announced extension block of kind `tag` whose descriptors start at
    // `offset`; a CEA-861 one (tag 2) carries a video data block.
    EdidImage& extension(uint8_t tag, uint8_t offset, bool videoBlock = false) {
        set(126, {1});
        set(128, {tag, 3, offset});
        if (videoBlock) {
            set(131, {0xF1, 0x44, 0x10, 0x04, 0x03, 0x1F, 0x23, 0x09, 0x07, 0x07, 0x82, 0x01});
        }
        return *this;
    }
    // Fixes both checksums and returns the image.
    const std::array<uint8_t, 256>& sealed() {
        for (uint8_t* block : {bytes.data(), bytes.data() + 128}) {
            block[127] = static_cast<uint8_t>(0x100 - std::accumulate(block, block + 127, 0));
        }
        return bytes;
    }
    std::vector<uint8_t> sealedBytes() {
        sealed();
        return {bytes.begin(), bytes.end()};
    }

    std::array<uint8_t, 256> bytes{};
};
