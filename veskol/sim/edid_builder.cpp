#include "veskol/sim/edid_builder.h"

#include <cstring>

namespace veskol {
namespace {

constexpr uint8_t kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};

struct Timing {
    int pixelClock10kHz;
    int hActive, hBlank, hSyncOffset, hSyncWidth;
    int vActive, vBlank, vSyncOffset, vSyncWidth;
};

// 1280x1024 at 85 Hz and 1024x768 at 85 Hz (VESA DMT).
constexpr Timing kPreferred = {15750, 1280, 448, 64, 160, 1024, 48, 1, 3};
constexpr Timing kSecondary = {9450, 1024, 352, 48, 96, 768, 40, 1, 3};

void writeTiming(uint8_t* d, const Timing& t) {
    d[0] = static_cast<uint8_t>(t.pixelClock10kHz & 0xFF);
    d[1] = static_cast<uint8_t>(t.pixelClock10kHz >> 8);
    d[2] = static_cast<uint8_t>(t.hActive & 0xFF);
    d[3] = static_cast<uint8_t>(t.hBlank & 0xFF);
    d[4] = static_cast<uint8_t>(((t.hActive >> 8) << 4) | (t.hBlank >> 8));
    d[5] = static_cast<uint8_t>(t.vActive & 0xFF);
    d[6] = static_cast<uint8_t>(t.vBlank & 0xFF);
    d[7] = static_cast<uint8_t>(((t.vActive >> 8) << 4) | (t.vBlank >> 8));
    d[8] = static_cast<uint8_t>(t.hSyncOffset & 0xFF);
    d[9] = static_cast<uint8_t>(t.hSyncWidth & 0xFF);
    d[10] = static_cast<uint8_t>(((t.vSyncOffset & 0x0F) << 4) | (t.vSyncWidth & 0x0F));
    d[11] = 0;
    d[12] = 0x40;  // image size 320 x 240 mm
    d[13] = 0xF0;
    d[14] = 0x00;
    d[15] = 0;
    d[16] = 0;
    d[17] = 0x1E;  // separate sync, both polarities positive
}

// A text descriptor (tag 0xFF serial, 0xFC name): up to 13 characters, then
// a line feed and space padding as the standard asks.
void writeText(uint8_t* d, uint8_t tag, const char* text) {
    std::memset(d, 0, 18);
    d[3] = tag;
    size_t length = std::strlen(text);
    if (length > 13) {
        length = 13;
    }
    std::memcpy(d + 5, text, length);
    if (length < 13) {
        d[5 + length] = 0x0A;
        for (size_t i = length + 1; i < 13; ++i) {
            d[5 + i] = ' ';
        }
    }
}

void writeRangeLimits(uint8_t* d, const EdidSpec& spec) {
    std::memset(d, 0, 18);
    d[3] = 0xFD;
    d[5] = spec.minVerticalHz;
    d[6] = spec.maxVerticalHz;
    d[7] = spec.minHorizontalKHz;
    d[8] = spec.maxHorizontalKHz;
    d[9] = 23;  // 230 MHz
    d[10] = 0x00;
    d[11] = 0x0A;
    for (int i = 12; i < 18; ++i) {
        d[i] = ' ';
    }
}

void writeDummy(uint8_t* d) {
    std::memset(d, 0, 18);
    d[3] = 0x10;
}

void sealBlock(uint8_t* block) {
    uint8_t sum = 0;
    for (int i = 0; i < 127; ++i) {
        sum = static_cast<uint8_t>(sum + block[i]);
    }
    block[127] = static_cast<uint8_t>(0x100 - sum);
}

void writeCeaExtension(uint8_t* block) {
    block[0] = 0x02;  // CEA-861 tag
    block[1] = 0x03;  // revision
    block[2] = 4;     // detailed timings start right after the header
    block[3] = 0x00;
    writeTiming(block + 4, kPreferred);
    writeTiming(block + 22, kSecondary);
    sealBlock(block);
}

}  // namespace

void encodeVendor(const char* letters, uint8_t& byte8, uint8_t& byte9) {
    const unsigned word = ((letters[0] - '@') & 0x1F) << 10 | ((letters[1] - '@') & 0x1F) << 5 |
                          ((letters[2] - '@') & 0x1F);
    byte8 = static_cast<uint8_t>(word >> 8);
    byte9 = static_cast<uint8_t>(word & 0xFF);
}

EdidBytes buildEdid(const EdidSpec& spec) {
    EdidBytes edid{};
    uint8_t* b = edid.data();
    std::memcpy(b, kHeader, sizeof kHeader);
    encodeVendor(spec.vendor, b[8], b[9]);
    b[10] = static_cast<uint8_t>(spec.productCode & 0xFF);
    b[11] = static_cast<uint8_t>(spec.productCode >> 8);
    for (int i = 0; i < 4; ++i) {
        b[12 + i] = static_cast<uint8_t>(spec.serialNumber >> (8 * i));
    }
    b[16] = spec.week;
    b[17] = static_cast<uint8_t>(spec.year - 1990);
    b[18] = 1;
    b[19] = 3;
    b[20] = spec.digitalInput ? 0x80 : 0x0E;
    b[21] = 40;  // 40 x 30 cm
    b[22] = 30;
    b[23] = 120;  // gamma 2.2
    b[24] = 0xEA;
    static constexpr uint8_t kChromaticity[10] = {0xEE, 0x95, 0xA3, 0x54, 0x4C,
                                                  0x99, 0x26, 0x0F, 0x50, 0x54};
    std::memcpy(b + 25, kChromaticity, sizeof kChromaticity);
    b[35] = 0x21;  // 640x480@60, 800x600@60
    b[36] = 0x08;  // 1024x768@60
    for (int i = 38; i < 54; ++i) {
        b[i] = 0x01;  // unused standard timings
    }
    writeTiming(b + 54, kPreferred);
    writeRangeLimits(b + 72, spec);
    if (spec.serialText) {
        writeText(b + 90, 0xFF, spec.serialText);
    } else {
        writeDummy(b + 90);
    }
    if (spec.modelName) {
        writeText(b + 108, 0xFC, spec.modelName);
    } else {
        writeDummy(b + 108);
    }
    b[126] = spec.ceaExtension ? 1 : 0;
    sealBlock(b);
    if (spec.ceaExtension) {
        writeCeaExtension(b + 128);
    }
    return edid;
}

}  // namespace veskol
