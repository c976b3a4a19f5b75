// The small bitmaps the test patterns tile or use as brushes, drawn pixel
// by pixel: black and white line screens for the moiré patterns, the
// focus pattern's letters and the four colourings of the text sample.
#include <array>
#include <functional>
#include <string_view>

#include "pictures.h"

namespace art {

namespace {

constexpr Rgb8 kBlack = {0, 0, 0};
constexpr Rgb8 kWhite = {255, 255, 255};
constexpr Rgb8 kLightGrey = {192, 192, 192};

Image blank(int width, int height, Rgb8 colour) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, colour);
    return image;
}

// An 8 × 8 screen: black where `black(x, y)`, white elsewhere.
Image screen(const std::function<bool(int, int)>& black) {
    Image image = blank(8, 8, kWhite);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (black(x, y)) {
                image.at(x, y) = kBlack;
            }
        }
    }
    return image;
}

// White capital H letters on black, 4 across and 2 down.
Image letters() {
    Image image = blank(48, 34, kBlack);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int left = 12 * column + 1;
            const int top = 17 * row + 3;
            for (int y = top; y < top + 11; ++y) {
                for (int x : {left, left + 1, left + 8, left + 9}) {
                    image.at(x, y) = kWhite;
                }
            }
            for (int x = left; x < left + 10; ++x) {
                image.at(x, top + 5) = kWhite;
            }
        }
    }
    return image;
}

// Three-by-five glyphs of the sample's letters.
struct Glyph {
    char letter;
    std::array<std::string_view, 5> rows;
};
constexpr Glyph kGlyphs[] = {
    {'8', {"###", "#.#", "###", "#.#", "###"}}, {'p', {"...", "##.", "#.#", "##.", "#.."}},
    {'o', {"...", "###", "#.#", "#.#", "###"}}, {'i', {".#.", "...", ".#.", ".#.", ".#."}},
    {'n', {"...", "##.", "#.#", "#.#", "#.#"}}, {'t', {".#.", "###", ".#.", ".#.", ".##"}},
    {'e', {".##", "#.#", "###", "#..", ".##"}}, {'x', {"...", "#.#", ".#.", ".#.", "#.#"}},
};

// "8 point text" in `ink` on `paper`, 56 × 13.
Image textSample(Rgb8 ink, Rgb8 paper) {
    Image image = blank(56, 13, paper);
    int x = 4;
    for (char letter : std::string_view("8 point text")) {
        for (const Glyph& glyph : kGlyphs) {
            if (glyph.letter != letter) {
                continue;
            }
            for (int row = 0; row < 5; ++row) {
                for (int column = 0; column < 3; ++column) {
                    if (glyph.rows[row][column] == '#') {
                        image.at(x + column, 4 + row) = ink;
                    }
                }
            }
        }
        x += 4;
    }
    return image;
}

}  // namespace

std::vector<NamedImage> drawPatternBitmaps() {
    return {
        {"MOIRE", screen([](int x, int) { return x % 2 == 0; })},
        {"MOIRE2", screen([](int x, int y) { return (x + y) % 2 == 0; })},
        {"MOIRE3", screen([](int, int y) { return y % 2 == 0; })},
        {"MOIRE4", screen([](int x, int) { return x % 4 < 2; })},
        {"MOIRE5", screen([](int, int y) { return y % 4 < 2; })},
        {"H", letters()},
        {"TEXT1", textSample(kBlack, kLightGrey)},
        {"TEXT2", textSample(kWhite, kLightGrey)},
        {"TEXT3", textSample(kWhite, kBlack)},
        {"TEXT4", textSample(kBlack, kWhite)},
    };
}

}  // namespace art
