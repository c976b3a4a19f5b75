// Every picture the generator draws stays inside its bitmap: nothing of a
// monitor, stand or shadow is cut off at the edge.
#include <gtest/gtest.h>

#include <algorithm>

#include "resources/monitor_pictures.h"
#include "resources/resource_ids.h"
#include "tools/bitmaps/pictures.h"

namespace {

using namespace art;

// The largest coverage found on the outermost row and column of pixels.
float borderCoverage(const Canvas& c) {
    float most = 0;
    for (int x = 0; x < c.width(); ++x) {
        most = std::max({most, c.pixel(x, 0).a, c.pixel(x, c.height() - 1).a});
    }
    for (int y = 0; y < c.height(); ++y) {
        most = std::max({most, c.pixel(0, y).a, c.pixel(c.width() - 1, y).a});
    }
    return most;
}

TEST(Pictures, NothingIsCutOffAtTheBitmapsOrTabCellsEdge) {
    for (const MonitorPicture& p : kMonitorPictures) {
        EXPECT_LT(borderCoverage(drawMonitorPicture(p.bitmapId)), 0.02f)
            << "monitor " << p.bitmapId;
    }
    for (int id = IDB_RESET_BRIGHTNESS_CONTRAST; id <= IDB_CONTRAST; ++id) {
        EXPECT_LT(borderCoverage(drawButtonPicture(id)), 0.02f) << "button " << id;
    }
    EXPECT_LT(borderCoverage(drawLogo()), 0.02f);
    // Each tab image keeps to its own 15-pixel cell, so the image list cuts
    // them apart cleanly.
    for (const Canvas& strip : {drawTabImages(), drawColourTabImages()}) {
        for (int cell = 1; cell < strip.width() / kTabImageWidth; ++cell) {
            for (int y = 0; y < strip.height(); ++y) {
                EXPECT_LT(strip.pixel(cell * kTabImageWidth, y).a, 0.02f) << cell;
                EXPECT_LT(strip.pixel(cell * kTabImageWidth - 1, y).a, 0.02f) << cell;
            }
        }
    }
}

// The test-pattern buttons' pictures fill their bitmaps: the program's
// light-grey key (replaced by the button face) shows only around the
// picture of the button that closes the pattern.
TEST(Pictures, PatternButtonsFillTheirBitmapsExceptTheClosingOne) {
    const std::vector<NumberedImage> pictures = drawPatternButtons();
    ASSERT_EQ(pictures.size(), 28u);
    for (size_t k = 0; k < pictures.size(); ++k) {
        const NumberedImage& picture = pictures[k];
        EXPECT_EQ(picture.id, IDB_PATTERN_BUTTON_FIRST + static_cast<int>(k));
        EXPECT_EQ(picture.image.width, kPatternButtonBitmapWidth);
        EXPECT_EQ(picture.image.height, kPatternButtonBitmapHeight);
        const long keyed =
            std::count(picture.image.pixels.begin(), picture.image.pixels.end(), kGreyKey);
        if (picture.id == patternButtonBitmap(16)) {
            EXPECT_EQ(picture.image.at(0, 0), kGreyKey);
            EXPECT_GT(keyed, 0);
        } else {
            EXPECT_EQ(keyed, 0) << picture.id;
        }
    }
    // Two of them by the painter's rules, inside a one-pixel bezel: the
    // medium checkerboard's squares (H/8 = 3 pixels on a 32 x 29 screen),
    // the white centre patch (side W/3).
    const auto screenPixel = [&](int pattern, int x, int y) {
        return pictures[patternButtonBitmap(pattern) - IDB_PATTERN_BUTTON_FIRST].image.at(x + 1,
                                                                                          y + 1);
    };
    const Rgb8 white{255, 255, 255};
    const Rgb8 black{0, 0, 0};
    EXPECT_EQ(screenPixel(19, 2, 2), white);
    EXPECT_EQ(screenPixel(19, 4, 1), black);
    EXPECT_EQ(screenPixel(19, 5, 5), white);
    EXPECT_EQ(screenPixel(12, 16, 14), white);
    EXPECT_EQ(screenPixel(12, 32 / 3 - 1, 14), black);
}

}  // namespace
