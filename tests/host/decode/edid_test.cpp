#include "decode/edid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "tests/support/edid_image.h"

namespace {

// EDID 1.4 of QRV's product 0571, week 12 of 2018, digital input with 8
// bits per colour: a detailed timing and three dummy descriptors.
EdidImage baseImage() {
    EdidImage image(1, 4);
    image.identity(0x46, 0x56, 0x0571, 0, 12, 28).set(20, {0xA5});
    image.descriptor(54, edidTiming(14850, 1920, 1080));
    for (int at : {72, 90, 108}) {
        image.descriptor(at, edidTextDescriptor(0x10, ""));
    }
    return image;
}

// Descriptor slot 0 to 3 of block 0, or an offset into the extension block.
int slot(int n) {
    return 54 + 18 * n;
}
int inExtension(int offset) {
    return kEdidBlockBytes + offset;
}

EdidInfo decode(EdidImage& image) {
    EdidInfo info;
    EXPECT_EQ(decodeEdid(image.sealed(), info), 0);
    return info;
}

TEST(EdidIdentity, ComesFromBytes8To11) {
    struct Case {
        std::array<uint8_t, 4> bytes;  // bytes 8 to 11
        const char* letters;
        uint16_t productCode;
        const char* productText;
        uint32_t monitorId;
    };
    const Case cases[] = {
        {{0x04, 0x43, 0x34, 0x12}, "ABC", 0x1234, "1234", 0x43041234},
        {{0x46, 0x56, 0x05, 0x0A}, "QRV", 0x0A05, "0A05", 0x56460A05},
        {{0x52, 0x77, 0xEF, 0xBE}, "TSW", 0xBEEF, "BEEF", 0x7752BEEF},
        {{0x6B, 0x5A, 0x00, 0x00}, "ZZZ", 0x0000, "0000", 0x5A6B0000},
    };
    for (const Case& c : cases) {
        EdidImage image = baseImage();
        std::copy(c.bytes.begin(), c.bytes.end(), image.bytes.begin() + 8);
        const EdidBytes edid = image.sealed();
        EXPECT_STREQ(vendorLetters(edidVendorWord(edid)).data(), c.letters);
        EXPECT_EQ(edidProductCode(edid), c.productCode);
        EXPECT_STREQ(productCodeText(edidProductCode(edid)).data(), c.productText);
        EXPECT_EQ(edidMonitorId(edid), c.monitorId);
        EXPECT_EQ(std::string(hardwareId(edid).data()), std::string(c.letters) + c.productText);

        EdidInfo info;
        ASSERT_EQ(decodeEdid(edid, info), 0);
        EXPECT_STREQ(info.vendorLetters, c.letters);
        EXPECT_EQ(info.productCode[0] | info.productCode[1] << 8, c.productCode);
    }
}

TEST(EdidDecode, ReadsTheBaseBlock) {
    EdidImage image = baseImage();
    image.bytes[12] = 0x01;
    image.bytes[13] = 0x02;
    image.bytes[17] = 20;
    image.descriptor(slot(1), edidRangeDescriptor(50, 75, 30, 83));
    image.descriptor(slot(2), edidTextDescriptor(0xFC, "L1234\n"));
    image.descriptor(slot(3), edidTextDescriptor(0xFB, ""));
    const EdidInfo info = decode(image);

    EXPECT_EQ(info.serialNumber, 513u);
    EXPECT_STREQ(info.serialText, "513");  // no serial-number descriptor
    EXPECT_EQ(info.manufactureWeek, 12);
    EXPECT_EQ(info.manufactureYear, 2010);
    EXPECT_EQ(info.digitalInput, 1);
    EXPECT_STREQ(info.modelName, "L1234");
    EXPECT_EQ(info.rangeLimits.minVertical, 50);
    EXPECT_EQ(info.rangeLimits.maxVertical, 75);
    EXPECT_EQ(info.rangeLimits.minHorizontal, 30);
    EXPECT_EQ(info.rangeLimits.maxHorizontal, 83);
    ASSERT_EQ(info.descriptorCount, 4);
    const uint8_t types[] = {kDescriptorTiming, kDescriptorRangeLimits, kDescriptorName,
                             kDescriptorColourPoint};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(info.descriptors[i].type, types[i]);
    }

    image.bytes[20] = 0x0E;                          // analog input
    std::fill_n(image.bytes.begin() + 12, 4, 0xFF);  // the largest serial number
    EXPECT_EQ(decode(image).digitalInput, 0);
    EXPECT_STREQ(decode(image).serialText, "4294967295");
}

TEST(EdidDecode, JoinsDescriptorTexts) {
    EdidImage image = baseImage();
    image.descriptor(slot(0), edidTextDescriptor(0xFC, "AB\n"));
    image.descriptor(slot(1), edidTextDescriptor(0xFF, "SN-0042  \n"));
    image.descriptor(slot(2), edidTextDescriptor(0xFC, "CD\n"));
    image.descriptor(slot(3), edidTextDescriptor(0xFE, "THIRTEENCHARS"));
    EdidInfo info = decode(image);
    EXPECT_STREQ(info.modelName, "ABCD");
    EXPECT_STREQ(info.serialText, "SN-0042  ");  // spaces before the line feed stay
    EXPECT_STREQ(info.descriptors[3].text, "THIRTEENCHARS");

    // A descriptor whose byte 2 is set is a timing, whatever its tag says.
    EdidDescriptorBytes timing = edidTextDescriptor(0xFC, "EF\n");
    timing[2] = 1;
    image.descriptor(slot(2), timing);
    info = decode(image);
    EXPECT_STREQ(info.modelName, "AB");
    EXPECT_EQ(info.descriptors[2].type, kDescriptorTiming);
}

TEST(EdidDecode, ReadsDescriptorsOfACeaExtension) {
    struct Case {
        uint8_t tag;
        uint8_t offset;
        int descriptors;
    };
    const Case cases[] = {
        {0x02, 4, 10},   // offsets 4 to 94
        {0x02, 18, 10},  // offsets 18 to 108: the last ends just before the checksum
        {0x02, 19, 10},  // offsets 19 to 109
        {0x02, 20, 9},   // offsets 20 to 92: one at 110 would cover the checksum
        {0x02, 92, 5},   // only the first: the next would start at 110
        {0x02, 110, 5},  // the last place a descriptor fits
        {0x02, 111, 4},  // none fits in the block
        {0x02, 2, 4},    // no descriptors
        {0x70, 4, 4},    // a block of another kind
    };
    for (const Case& c : cases) {
        EdidImage image = baseImage();
        image.extension(c.tag, c.offset);
        for (int offset = c.offset; offset > 2 && offset + kEdidDescriptorBytes <= kEdidBlockBytes;
             offset += kEdidDescriptorBytes) {
            image.descriptor(inExtension(offset), edidTextDescriptor(0xFC, "M\n"));
        }
        const EdidInfo info = decode(image);
        EXPECT_EQ(info.descriptorCount, c.descriptors) << int(c.offset);
        EXPECT_EQ(std::strlen(info.modelName), static_cast<size_t>(c.descriptors - 4));
    }
}

// A monitor may put its serial-number text in the last place of the
// extension; the information page must show it, not the numeric serial.
TEST(EdidDecode, ReadsSerialTextsOfACeaExtensionIntoTheirField) {
    // The first descriptor's offset, and the text shown when the serial
    // descriptor is the sixth, 90 bytes on.
    const std::pair<uint8_t, const char*> cases[] = {{18, "SN108"}, {19, "SN109"}, {20, "0"}};
    for (const auto& [firstOffset, serialText] : cases) {
        EdidImage image = baseImage();
        image.extension(0x02, firstOffset);
        const int last = firstOffset + 5 * kEdidDescriptorBytes;
        image.descriptor(inExtension(last),
                         edidTextDescriptor(0xFF, ("SN" + std::to_string(last) + "\n").c_str()));
        EXPECT_STREQ(decode(image).serialText, serialText) << int(firstOffset);
    }

    // Ten serial descriptors: their texts are joined up to the field's end.
    EdidImage image = baseImage();
    image.extension(0x02, 4);
    for (int i = 0; i < 4; ++i) {
        image.descriptor(slot(i), edidTextDescriptor(0xFF, "0123456789ABC"));
    }
    for (int offset = 4; offset < 108; offset += kEdidDescriptorBytes) {
        image.descriptor(inExtension(offset), edidTextDescriptor(0xFF, "0123456789ABC"));
    }
    const EdidInfo info = decode(image);
    ASSERT_EQ(info.descriptorCount, 10);
    EXPECT_EQ(std::strlen(info.serialText), 127u);  // 130 characters offered
    EXPECT_EQ(std::string(info.serialText).substr(104), "0123456789ABC0123456789");
}

TEST(EdidDecode, RefusesABrokenImageAndLeavesTheRecordEmpty) {
    // What breaks, and the byte changed after sealing.
    const std::pair<const char*, int> cases[] = {
        {"header", 0}, {"block 0 checksum", 40}, {"block 1 checksum", 200}};
    for (const auto& [what, offset] : cases) {
        EdidImage image = baseImage();
        image.extension(0x02, 4);
        image.descriptor(slot(1), edidTextDescriptor(0xFC, "NAME\n"));
        std::array<uint8_t, kEdidBytes> bytes = image.sealed();
        bytes[offset] ^= 0x01;
        if (offset == 0) {  // keep the sum right: only the header is wrong
            bytes[127] = static_cast<uint8_t>(bytes[127] - 1);
        }
        EdidInfo info;
        std::memset(&info, 0x55, sizeof info);
        EXPECT_EQ(decodeEdid(bytes, info), -1) << what;
        EXPECT_EQ(info.descriptorCount, 0) << what;
        EXPECT_STREQ(info.modelName, "") << what;
        EXPECT_STREQ(info.serialText, "") << what;
    }
    // Block 1 is not checked when no extension is announced.
    EdidImage image = baseImage();
    std::array<uint8_t, kEdidBytes> bytes = image.sealed();
    bytes[200] = 0x42;
    EdidInfo info;
    EXPECT_EQ(decodeEdid(bytes, info), 0);
}

}  // namespace
