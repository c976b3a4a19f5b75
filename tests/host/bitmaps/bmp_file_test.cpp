// The picture files the resource compiler reads: 24-bit BMP rows are padded
// to four bytes and stored bottom-up; icon images carry a doubled height,
// an alpha channel and a mask for fully transparent pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tools/bitmaps/bmp_file.h"

namespace {

using art::Image;
using art::Rgb8;

uint32_t read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t read16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

Image pattern(int width, int height) {
    Image image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels.push_back({static_cast<uint8_t>(x * 7 + y), static_cast<uint8_t>(y * 13),
                                    static_cast<uint8_t>(x ^ (y * 3))});
        }
    }
    return image;
}

// Widths whose rows need 3, 2, 1 and 0 bytes of padding, among them the
// caption strip (127) and the monitor picture (178).
TEST(BmpFile, EveryPixelSurvivesARoundTripBottomUpWhateverTheRowPadding) {
    for (int width : {1, 127, 178, 4}) {
        Image image = pattern(width, 5);
        std::vector<uint8_t> bytes = art::encodeBmp(image);
        uint32_t stride = (width * 3 + 3) / 4 * 4;
        EXPECT_EQ(bytes.size(), 54 + stride * 5) << width;
        EXPECT_EQ(read32(bytes, 2), bytes.size());
        EXPECT_EQ(read32(bytes, 10), 54u);
        EXPECT_EQ(static_cast<int32_t>(read32(bytes, 22)), 5) << "bottom-up rows";
        EXPECT_EQ(read16(bytes, 28), 24);
        // The first row in the file is the picture's bottom row, stored blue,
        // green, red.
        EXPECT_EQ(bytes[54], image.at(0, 4).b) << width;
        EXPECT_EQ(bytes[56], image.at(0, 4).r) << width;
        auto decoded = art::decodeBmp(bytes);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->width, width);
        EXPECT_EQ(decoded->height, 5);
        EXPECT_EQ(decoded->pixels, image.pixels) << width;
    }
}

TEST(IcoFile, DirectoryDescribesEveryImageAndTheMaskMarksTransparentPixels) {
    std::vector<art::IconImage> images;
    for (int size : {16, 256}) {
        art::Canvas canvas(size, size);
        canvas.fill(art::rect(0, 0, size / 2.0f, static_cast<float>(size)), art::rgb(10, 20, 30));
        images.push_back(art::iconImage(canvas));
    }
    std::vector<uint8_t> bytes = art::encodeIco(images);
    EXPECT_EQ(read16(bytes, 2), 1) << "icon type";
    ASSERT_EQ(read16(bytes, 4), 2);
    uint32_t expectedOffset = 6 + 2 * 16;
    const int sizes[] = {16, 256};
    for (int i = 0; i < 2; ++i) {
        size_t entry = 6 + 16 * i;
        EXPECT_EQ(bytes[entry], sizes[i] == 256 ? 0 : sizes[i]);
        EXPECT_EQ(read16(bytes, entry + 6), 32);
        uint32_t length = read32(bytes, entry + 8);
        uint32_t offset = read32(bytes, entry + 12);
        EXPECT_EQ(offset, expectedOffset);
        expectedOffset += length;
        int n = sizes[i];
        EXPECT_EQ(static_cast<int>(read32(bytes, offset + 4)), n);
        EXPECT_EQ(static_cast<int>(read32(bytes, offset + 8)), 2 * n) << "colour and mask";
        uint32_t maskStride = (n + 31) / 32 * 4;
        EXPECT_EQ(length, 40 + n * n * 4 + maskStride * n);
        // The bottom row: left half drawn (opaque, mask clear), right half
        // transparent (mask set).
        size_t colour = offset + 40;
        EXPECT_EQ(bytes[colour + 3], 255);
        EXPECT_EQ(bytes[colour + (n - 1) * 4 + 3], 0);
        size_t mask = colour + n * n * 4;
        EXPECT_EQ(bytes[mask], 0x00);
        EXPECT_EQ(bytes[mask + n / 8 - 1], 0xFF);
    }
    EXPECT_EQ(expectedOffset, bytes.size());
}

}  // namespace
