// Writing and reading the picture files the resource compiler takes in:
// uncompressed 24-bit BMP files (bottom-up rows padded to four bytes) and
// ICO files of 32-bit images with an alpha channel. The reader accepts the
// 24- and 32-bit uncompressed BMP files that the writer produces, so tests
// can check a file after a round trip.
// Host tool only; no Windows headers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "canvas.h"

namespace art {

// The bytes of a 24-bit BMP file of the image.
std::vector<uint8_t> encodeBmp(const Image& image);
// The image in a BMP file, or nothing when the bytes are not an
// uncompressed 24- or 32-bit BMP.
std::optional<Image> decodeBmp(const std::vector<uint8_t>& bytes);

// One image of an icon: straight colour with alpha, top row first.
struct IconImage {
    int size = 0;  // width and height
    std::vector<Pixel> pixels;  // premultiplied, from a Canvas
};
IconImage iconImage(const Canvas& canvas);
// The bytes of an ICO file holding the images in the order given.
std::vector<uint8_t> encodeIco(const std::vector<IconImage>& images);

[[nodiscard]] bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace art
