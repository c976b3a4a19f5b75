#include "patterns/pixels/hint_arrows.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"

namespace {

struct Screen {
    int w;
    int h;
};
constexpr Screen kScreens[] = {{1280, 1024}, {1024, 768}, {800, 600}, {1920, 1080}};

// The tip of the first arrow: where its first stroke ends.
ArrowStroke firstStroke(int feature, int w, int h, bool flatPanel = false) {
    const HintDrawing hint = hintDrawing(feature, w, h, flatPanel);
    return hint.strokes.empty() ? ArrowStroke{} : hint.strokes.front();
}

TEST(HintArrows, StayOnTheScreenForEveryItem) {
    for (const Screen& s : kScreens) {
        int hinted = 0;  // items with arrows, on either kind of monitor
        for (int feature = 0; feature < 96; ++feature) {
            for (bool flatPanel : {false, true}) {
                const HintDrawing hint = hintDrawing(feature, s.w, s.h, flatPanel);
                hinted += hint.strokes.empty() ? 0 : 1;
                for (const ArrowStroke& k : hint.strokes) {
                    EXPECT_TRUE(k.x0 >= 0 && k.x0 <= s.w && k.x1 >= 0 && k.x1 <= s.w && k.y0 >= 0 &&
                                k.y0 <= s.h && k.y1 >= 0 && k.y1 <= s.h)
                        << feature << " at " << s.w << "x" << s.h;
                }
            }
        }
        EXPECT_GT(hinted, 40) << s.w << "x" << s.h;
    }
}

// The edge convergence arrows stop four pixels short of a row or column
// of convergence marks, which lie on multiples of H / 20 from the top and
// from the centre.
TEST(HintArrows, EdgeConvergenceArrowsPointAtTheMarks) {
    for (const Screen& s : kScreens) {
        const int g = s.h / 20;
        EXPECT_EQ(firstStroke(73, s.w, s.h).y1 + 4, 2 * g);             // top
        EXPECT_EQ(firstStroke(74, s.w, s.h).y1 + 4, 17 * g);            // bottom
        EXPECT_EQ(firstStroke(75, s.w, s.h).x1 + 4, s.w / 2 - 11 * g);  // left
        EXPECT_EQ(firstStroke(76, s.w, s.h).x1 + 4, s.w / 2 + 11 * g);  // right
        EXPECT_EQ(firstStroke(44, s.w, s.h).y1 + 4, s.h / 2);
    }
}

TEST(HintArrows, PointWhereThePatternShowsTheItem) {
    // At H = 1024 the unit is 25 pixels.
    const int w = 1280, h = 1024, u = 25;
    EXPECT_EQ(firstStroke(12, w, h), (ArrowStroke{u, 4 * u, u, 0}));
    EXPECT_EQ(firstStroke(66, w, h), (ArrowStroke{8 * u, 8 * u, 4 * u, 4 * u}));
    EXPECT_EQ(firstStroke(65, w, h), (ArrowStroke{w - 8 * u, 8 * u, w - 4 * u, 4 * u}));
    EXPECT_EQ(firstStroke(67, w, h), (ArrowStroke{w - 8 * u, h - 8 * u, w - 4 * u, h - 4 * u}));
    EXPECT_EQ(firstStroke(68, w, h), (ArrowStroke{8 * u, h - 8 * u, 4 * u, h - 4 * u}));
    EXPECT_EQ(firstStroke(14, w, h), (ArrowStroke{w - 15 * u, 437, w - 212, 11 * u}));
    // Hue arrows at the middle of the red (first) and magenta (213th)
    // columns of the hue ramp, 4 pixels a column.
    EXPECT_EQ(firstStroke(83, w, h), (ArrowStroke{130, h - 6 * u, 130, h - 2 * u}));
    EXPECT_EQ(firstStroke(88, w, h).x0, 982);
    // Contrast on a panel: the bright end of the grey ramp, above and below.
    const HintDrawing contrast = hintDrawing(15, w, h, true);
    ASSERT_EQ(contrast.strokes.size(), 6u);
    EXPECT_EQ(contrast.strokes[0],
              (ArrowStroke{w / 2 + 505, h * 4 / 10 - 3 * u, w / 2 + 505, h * 4 / 10 - 4}));
    EXPECT_EQ(contrast.strokes[3].y1, h * 6 / 10 + 4);
    // Linearity: the diagonals of the centred H × H square.
    const HintDrawing linearity = hintDrawing(11, w, h, false);
    ASSERT_EQ(linearity.strokes.size(), 12u);
    EXPECT_EQ(linearity.strokes[10], (ArrowStroke{w / 2 - h / 2 + 1, 1, w / 2 + h / 2 - 1, h - 1}));
    EXPECT_EQ(linearity.strokes[0], (ArrowStroke{w / 2, h / 2 + 2 * u, w / 2, h / 2 - 2 * u}));
    EXPECT_EQ(hintDrawing(43, w, h, false).strokes[0], (ArrowStroke{w / 2, 6 * u, w / 2, 2 * u}));
}

TEST(HintArrows, TextArrowsAndPenByItemAndTechnology) {
    const struct {
        int feature;
        bool flatPanel;
        int text;
        size_t strokes;
        bool darkPen;
    } cases[] = {
        {0, false, IDS_HINT_POSITION, 0, false},
        {2, false, IDS_HINT_POSITION, 0, false},  // the vertical slider of position
        {3, true, IDS_HINT_SIZE, 0, false},       // and of size
        {14, false, IDS_HINT_BRIGHTNESS, 3, false},
        {14, true, IDS_HINT_CONTRAST, 0, false},
        {15, false, IDS_HINT_CONTRAST, 0, false},
        {15, true, 0, 6, false},
        {40, false, IDS_HINT_CORNER_PINCUSHION, 12, false},
        {48, false, IDS_HINT_PURITY, 12, true},
        {65, false, IDS_HINT_PURITY_TOP_RIGHT, 3, true},
        {68, true, IDS_HINT_PURITY_BOTTOM_LEFT, 3, true},
        {49, false, IDS_HINT_BOTTOM_PINCUSHION, 6, false},
        {13, false, IDS_HINT_H_CONVERGENCE, 6, false},
        {62, false, IDS_HINT_VERTICAL_MOIRE, 0, false},
        {90, false, 5090, 0, false},  // no string: the window shows no text
    };
    for (const auto& c : cases) {
        const HintDrawing hint = hintDrawing(c.feature, 1280, 1024, c.flatPanel);
        EXPECT_EQ(hint.textString, c.text) << c.feature;
        EXPECT_EQ(hint.strokes.size(), c.strokes) << c.feature;
        EXPECT_EQ(hint.darkPen, c.darkPen) << c.feature;
    }
    const HintDrawing none = hintDrawing(-1, 1280, 1024, false);
    EXPECT_EQ(none.textString, 0);
    EXPECT_TRUE(none.strokes.empty());
}

}  // namespace
