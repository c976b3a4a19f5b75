// Every picture the generator draws stays inside its bitmap: nothing of a
// monitor, stand or shadow is cut off at the edge.
#include <gtest/gtest.h>

#include "resources/monitor_pictures.h"
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

TEST(Pictures, NothingIsCutOffAtTheBitmapsEdge) {
    for (const MonitorPicture& p : kMonitorPictures) {
        EXPECT_LT(borderCoverage(drawMonitorPicture(p.bitmapId)), 0.02f) << "monitor " << p.bitmapId;
    }
    for (int id = IDB_RESET_BRIGHTNESS_CONTRAST; id <= IDB_CONTRAST; ++id) {
        EXPECT_LT(borderCoverage(drawButtonPicture(id)), 0.02f) << "button " << id;
    }
    EXPECT_LT(borderCoverage(drawLogo()), 0.02f);
}

// Each tab image keeps to its own 15-pixel cell, so the image list cuts
// them apart cleanly.
TEST(Pictures, TabImagesStayInTheirCells) {
    for (const Canvas& strip : {drawTabImages(), drawColourTabImages()}) {
        for (int cell = 1; cell < strip.width() / kTabImageWidth; ++cell) {
            for (int y = 0; y < strip.height(); ++y) {
                EXPECT_LT(strip.pixel(cell * kTabImageWidth, y).a, 0.02f) << cell;
                EXPECT_LT(strip.pixel(cell * kTabImageWidth - 1, y).a, 0.02f) << cell;
            }
        }
    }
}

}  // namespace
