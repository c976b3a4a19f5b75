#include "decode/edid.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr int kExtensionCountByte = 126;
constexpr int kFirstDescriptor = 54;
constexpr int kBlock0Descriptors = 4;
constexpr uint8_t kCeaExtensionTag = 0x02;
// In a CEA extension, descriptors run from the offset in byte 2; a further
// one is read only when it ends before the block's checksum byte.
constexpr int kExtensionChecksumByte = 127;

struct DescriptorTag {
    uint8_t tag;
    uint8_t type;
};
constexpr DescriptorTag kDescriptorTags[] = {
    {0xFF, kDescriptorSerial}, {0xFE, kDescriptorText},        {0xFD, kDescriptorRangeLimits},
    {0xFC, kDescriptorName},   {0xFB, kDescriptorColourPoint}, {0xFA, kDescriptorStandardTimings},
};

bool sumsToZero(const uint8_t* block) {
    uint8_t sum = 0;
    for (int i = 0; i < kEdidBlockBytes; ++i) {
        sum = static_cast<uint8_t>(sum + block[i]);
    }
    return sum == 0;
}

uint8_t descriptorType(const uint8_t* descriptor) {
    if (descriptor[0] != 0 || descriptor[1] != 0 || descriptor[2] != 0) {
        return kDescriptorTiming;
    }
    for (const DescriptorTag& entry : kDescriptorTags) {
        if (descriptor[3] == entry.tag) {
            return entry.type;
        }
    }
    return kDescriptorOther;
}

bool hasText(uint8_t type) {
    return type == kDescriptorSerial || type == kDescriptorText || type == kDescriptorName;
}

void decodeDescriptor(const uint8_t* descriptor, EdidInfo& info) {
    if (info.descriptorCount >= kMaxEdidDescriptors) {
        return;
    }
    EdidDescriptor& out = info.descriptors[info.descriptorCount++];
    out.type = descriptorType(descriptor);
    if (hasText(out.type)) {
        // Bytes 5-17; a line feed ends the text.
        for (int i = 0; i < kEdidDescriptorTextSize - 1; ++i) {
            const uint8_t c = descriptor[5 + i];
            out.text[i] = c == 0x0A ? 0 : static_cast<char>(c);
        }
    } else if (out.type == kDescriptorRangeLimits) {
        info.rangeLimits = {descriptor[5], descriptor[6], descriptor[7], descriptor[8]};
    }
}

// Appends `text` to the zero-terminated `field`, cutting what does not fit.
void append(char (&field)[kEdidTextSize], const char* text) {
    const size_t used = std::strlen(field);
    const size_t room = sizeof field - 1 - used;
    const size_t length = std::min(std::strlen(text), room);
    std::memcpy(field + used, text, length);
    field[used + length] = 0;
}

}  // namespace

int decodeEdid(EdidBytes edid, EdidInfo& info) {
    info = {};
    const uint8_t* block0 = edid.data();
    const uint8_t* block1 = block0 + kEdidBlockBytes;
    const bool hasExtension = block0[kExtensionCountByte] != 0;
    if (std::memcmp(block0, kHeader, sizeof kHeader) != 0 || !sumsToZero(block0) ||
        (hasExtension && !sumsToZero(block1))) {
        return -1;
    }

    const std::array<char, 4> letters = vendorLetters(edidVendorWord(edid));
    std::memcpy(info.vendorLetters, letters.data(), letters.size());
    info.productCode[0] = edid[10];
    info.productCode[1] = edid[11];
    info.serialNumber = static_cast<uint32_t>(edid[12]) | static_cast<uint32_t>(edid[13]) << 8 |
                        static_cast<uint32_t>(edid[14]) << 16 |
                        static_cast<uint32_t>(edid[15]) << 24;
    info.manufactureWeek = edid[16];
    info.manufactureYear = edid[17] + 1990;
    info.digitalInput = edid[20] >> 7;

    for (int i = 0; i < kBlock0Descriptors; ++i) {
        decodeDescriptor(block0 + kFirstDescriptor + i * kEdidDescriptorBytes, info);
    }
    if (hasExtension && block1[0] == kCeaExtensionTag && block1[2] > 2) {
        // The first descriptor always, when it fits in the block at all.
        for (int offset = block1[2]; offset + kEdidDescriptorBytes <= kEdidBlockBytes;
             offset += kEdidDescriptorBytes) {
            if (offset != block1[2] && offset + kEdidDescriptorBytes > kExtensionChecksumByte) {
                break;
            }
            decodeDescriptor(block1 + offset, info);
        }
    }

    bool serialDescriptor = false;
    for (int i = 0; i < info.descriptorCount; ++i) {
        const EdidDescriptor& descriptor = info.descriptors[i];
        if (descriptor.type == kDescriptorSerial) {
            serialDescriptor = true;
            append(info.serialText, descriptor.text);
        } else if (descriptor.type == kDescriptorName) {
            append(info.modelName, descriptor.text);
        }
    }
    if (!serialDescriptor) {
        std::snprintf(info.serialText, sizeof info.serialText, "%u", info.serialNumber);
    }
    return 0;
}
