// lumetra_bitmaps OUTPUT_DIR: draws every bitmap and the icon of Lumetra's
// resources into OUTPUT_DIR, under the file names that lumetra.rc names.
// Each bitmap must come out at the size listed in resources/resource_ids.h;
// a drawing of another size, or a file that cannot be written, fails the
// build.
#include <cctype>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "bmp_file.h"
#include "pictures.h"
#include "resources/resource_ids.h"

namespace {

using art::Canvas;
using art::Image;

// The button face of current Windows: partly covered edge pixels of keyed
// pictures are blended with it, so they meet the replaced background cleanly.
constexpr art::Rgb8 kButtonFace = {240, 240, 240};
// Tab images sit on the tab's own face, nearly white.
constexpr art::Rgb8 kTabFace = {248, 248, 248};

struct Output {
    int id;  // bitmap resource, or 0 for the icon
    std::string file;
    Image image;
};

Image keyed(const Canvas& canvas) {
    return art::flattenKeyed(canvas, art::kGreyKey, kButtonFace);
}

std::vector<Output> drawBitmaps() {
    std::vector<Output> outputs;
    for (int id = IDB_RESET_BRIGHTNESS_CONTRAST; id <= IDB_CONTRAST; ++id) {
        outputs.push_back(
            {id, "button_" + std::to_string(id) + ".bmp", keyed(art::drawButtonPicture(id))});
    }
    for (int id : kSpriteStrips) {
        outputs.push_back(
            {id, "sprite_" + std::to_string(id) + ".bmp", keyed(art::drawSpriteStrip(id))});
    }
    for (int frame = 0; frame <= IDB_CAPTION_LAST - IDB_CAPTION_FIRST; ++frame) {
        int id = IDB_CAPTION_FIRST + frame;
        outputs.push_back({id, "caption_" + std::to_string(id) + ".bmp",
                           art::flattenOver(art::drawCaption(frame), art::kIllustrationBlue)});
    }
    outputs.push_back({IDB_MAKER_EMBLEM, "maker_emblem.bmp",
                       art::flattenOver(art::drawMakerEmblem(), art::kIllustrationBlue)});
    outputs.push_back({IDB_LOGO, "logo.bmp", keyed(art::drawLogo())});
    outputs.push_back({IDB_TAB_IMAGES, "tab_images.bmp",
                       art::flattenKeyed(art::drawTabImages(), art::kTabMask, kTabFace)});
    outputs.push_back({IDB_COLOUR_TAB_IMAGES, "colour_tab_images.bmp",
                       art::flattenKeyed(art::drawColourTabImages(), art::kTabMask, kTabFace)});
    for (art::NumberedImage& picture : art::drawPatternButtons()) {
        outputs.push_back({picture.id, "pattern_button_" + std::to_string(picture.id) + ".bmp",
                           std::move(picture.image)});
    }
    for (const BitmapResource& b : kBitmaps) {
        if (b.width == 178 && b.height == 178) {
            outputs.push_back({b.id, "monitor_" + std::to_string(b.id) + ".bmp",
                               keyed(art::drawMonitorPicture(b.id))});
        }
    }
    return outputs;
}

bool sizeMatches(const Output& out) {
    for (const BitmapResource& b : kBitmaps) {
        if (b.id == out.id) {
            return b.width == out.image.width && b.height == out.image.height;
        }
    }
    return false;
}

// The test patterns' named bitmaps, as pattern_NAME.bmp (name in lower case).
bool writePatternBitmaps(const std::string& dir) {
    std::vector<art::NamedImage> images = art::drawPatternBitmaps();
    if (images.size() != std::size(kPatternBitmaps)) {
        std::fprintf(stderr, "lumetra_bitmaps: drew %zu pattern bitmaps, the list has %zu\n",
                     images.size(), std::size(kPatternBitmaps));
        return false;
    }
    for (size_t k = 0; k < images.size(); ++k) {
        const NamedBitmapResource& listed = kPatternBitmaps[k];
        const art::NamedImage& drawn = images[k];
        if (drawn.name != listed.name || drawn.image.width != listed.width ||
            drawn.image.height != listed.height) {
            std::fprintf(stderr, "lumetra_bitmaps: pattern bitmap %s is not as listed\n",
                         drawn.name.c_str());
            return false;
        }
        std::string file = "pattern_";
        for (char c : drawn.name) {
            file += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        if (!art::writeFile(dir + "/" + file + ".bmp", art::encodeBmp(drawn.image))) {
            std::fprintf(stderr, "lumetra_bitmaps: cannot write %s/%s.bmp\n", dir.c_str(),
                         file.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    std::vector<Output> outputs = drawBitmaps();
    if (outputs.size() != std::size(kBitmaps)) {
        std::fprintf(stderr, "lumetra_bitmaps: drew %zu bitmaps, the resource list has %zu\n",
                     outputs.size(), std::size(kBitmaps));
        return 1;
    }
    for (const Output& out : outputs) {
        if (!sizeMatches(out)) {
            std::fprintf(stderr, "lumetra_bitmaps: bitmap %d is %dx%d, not the listed size\n",
                         out.id, out.image.width, out.image.height);
            return 1;
        }
        if (!art::writeFile(dir + "/" + out.file, art::encodeBmp(out.image))) {
            std::fprintf(stderr, "lumetra_bitmaps: cannot write %s/%s\n", dir.c_str(),
                         out.file.c_str());
            return 1;
        }
    }
    if (!writePatternBitmaps(dir)) {
        return 1;
    }
    std::vector<art::IconImage> icon;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 256}) {
        icon.push_back(art::iconImage(art::drawAppIcon(size)));
    }
    if (!art::writeFile(dir + "/lumetra.ico", art::encodeIco(icon))) {
        std::fprintf(stderr, "lumetra_bitmaps: cannot write %s/lumetra.ico\n", dir.c_str());
        return 1;
    }
    return 0;
}
