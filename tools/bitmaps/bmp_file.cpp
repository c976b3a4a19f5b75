#include "bmp_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace art {

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

uint32_t get16(const std::vector<uint8_t>& in, size_t at) {
    return in[at] | static_cast<uint32_t>(in[at + 1]) << 8;
}

uint32_t get32(const std::vector<uint8_t>& in, size_t at) {
    return get16(in, at) | get16(in, at + 2) << 16;
}

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

// BITMAPINFOHEADER for an uncompressed bottom-up image.
void putInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageSize) {
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(height));
    put16(out, 1);     // planes
    put16(out, bits);  // bits per pixel
    put32(out, 0);     // BI_RGB
    put32(out, imageSize);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
}

uint8_t toByte(float v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); }

}  // namespace

std::vector<uint8_t> encodeBmp(const Image& image) {
    uint32_t stride = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    uint32_t imageSize = stride * static_cast<uint32_t>(image.height);
    std::vector<uint8_t> out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, kFileHeaderSize + kInfoHeaderSize + imageSize);
    put32(out, 0);
    put32(out, kFileHeaderSize + kInfoHeaderSize);
    putInfoHeader(out, image.width, image.height, 24, imageSize);
    for (int y = image.height - 1; y >= 0; --y) {
        size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            Rgb8 p = image.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

std::optional<Image> decodeBmp(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    uint32_t offset = get32(bytes, 10);
    int width = static_cast<int32_t>(get32(bytes, 18));
    int height = static_cast<int32_t>(get32(bytes, 22));
    uint32_t bits = get16(bytes, 28);
    uint32_t compression = get32(bytes, 30);
    if (width <= 0 || height == 0 || (bits != 24 && bits != 32) || compression != 0) {
        return std::nullopt;
    }
    bool bottomUp = height > 0;
    height = std::abs(height);
    uint32_t bytesPerPixel = bits / 8;
    uint32_t stride = (static_cast<uint32_t>(width) * bytesPerPixel + 3) & ~3u;
    if (offset + static_cast<uint64_t>(stride) * height > bytes.size()) {
        return std::nullopt;
    }
    Image image{width, height, std::vector<Rgb8>(static_cast<size_t>(width) * height)};
    for (int row = 0; row < height; ++row) {
        int y = bottomUp ? height - 1 - row : row;
        size_t at = offset + static_cast<size_t>(row) * stride;
        for (int x = 0; x < width; ++x, at += bytesPerPixel) {
            image.at(x, y) = {bytes[at + 2], bytes[at + 1], bytes[at]};
        }
    }
    return image;
}

IconImage iconImage(const Canvas& canvas) {
    IconImage icon{canvas.width(), {}};
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            icon.pixels.push_back(canvas.pixel(x, y));
        }
    }
    return icon;
}

std::vector<uint8_t> encodeIco(const std::vector<IconImage>& images) {
    constexpr uint32_t kDirSize = 6, kEntrySize = 16;
    std::vector<std::vector<uint8_t>> bodies;
    for (const IconImage& icon : images) {
        int n = icon.size;
        uint32_t maskStride = ((static_cast<uint32_t>(n) + 31) / 32) * 4;
        uint32_t colourSize = static_cast<uint32_t>(n) * n * 4;
        std::vector<uint8_t> body;
        putInfoHeader(body, n, 2 * n, 32, colourSize + maskStride * n);
        // Colour rows bottom-up, straight BGRA.
        for (int y = n - 1; y >= 0; --y) {
            for (int x = 0; x < n; ++x) {
                const Pixel& p = icon.pixels[static_cast<size_t>(y) * n + x];
                float a = p.a;
                auto straight = [a](float v) { return a > 0 ? v / a : 0.0f; };
                body.push_back(toByte(straight(p.b)));
                body.push_back(toByte(straight(p.g)));
                body.push_back(toByte(straight(p.r)));
                body.push_back(toByte(a));
            }
        }
        // Mask rows bottom-up: a set bit is a fully transparent pixel, for
        // the few places that ignore the alpha channel.
        for (int y = n - 1; y >= 0; --y) {
            std::vector<uint8_t> row(maskStride, 0);
            for (int x = 0; x < n; ++x) {
                if (icon.pixels[static_cast<size_t>(y) * n + x].a < 0.5f / 255) {
                    row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
                }
            }
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(body));
    }
    std::vector<uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // icon
    put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = kDirSize + kEntrySize * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        int n = images[i].size;
        out.push_back(static_cast<uint8_t>(n >= 256 ? 0 : n));  // 0 stands for 256
        out.push_back(static_cast<uint8_t>(n >= 256 ? 0 : n));
        out.push_back(0);  // no palette
        out.push_back(0);
        put16(out, 1);   // planes
        put16(out, 32);  // bits per pixel
        put32(out, static_cast<uint32_t>(bodies[i].size()));
        put32(out, offset);
        offset += static_cast<uint32_t>(bodies[i].size());
    }
    for (const std::vector<uint8_t>& body : bodies) {
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace art
