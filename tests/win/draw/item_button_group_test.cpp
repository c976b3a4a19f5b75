#include "draw/item_button_group.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "tests/win/draw/draw_test_support.h"

namespace {

// 21 x 3 test strip: seven 3 x 3 frames (see draw_test_resources.rc).
constexpr int kTestStrip = 61002;
constexpr int kFrameSize = 3;
constexpr COLORREF kGrey = RGB(192, 192, 192);

// Pixel (x, y) of frame k of the test strip.
COLORREF stripPixel(int k, int x, int y) {
    if (k == 0 && x == y && (x == 0 || x == 2)) {
        return kGrey;
    }
    return RGB(10 + 30 * k, 20 + 60 * x, 30 + 60 * y);
}

}  // namespace

TEST(ItemButtonGroup, HoldsAtMostThirtyOwnerDrawnButtons) {
    TestWindow page(400, 400);
    ItemButtonGroup group;
    group.attach(page.get());
    for (int i = 0; i < ItemButtonGroup::kCapacity; ++i) {
        ASSERT_EQ(group.createItemButton(4000 + i, 40 * (i % 9), 40 * (i / 9), 37, 37), 0) << i;
    }
    EXPECT_EQ(group.createItemButton(4090, 0, 360, 37, 37), -1);
    EXPECT_EQ(GetDlgItem(page.get(), 4090), nullptr);
    EXPECT_EQ(group.count(), ItemButtonGroup::kCapacity);

    HWND button = GetDlgItem(page.get(), 4012);
    ASSERT_NE(button, nullptr);
    const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_FALSE(style & BS_BITMAP);
    RECT rect{};
    GetClientRect(button, &rect);
    EXPECT_EQ(rect.right, 37);
    EXPECT_EQ(rect.bottom, 37);
}

// The selected button's phase runs 0..14 and round again; the frame the
// quarters take walks 0..6, 6..0 and holds 0 once more; the mirrored
// quarters walk the same frames in their reversed strips.
TEST(ItemButtonGroup, AnimationWalksFifteenPhases) {
    const int frames[] = {0, 1, 2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1, 0, 0};
    for (int phase = 0; phase < ItemButtonGroup::kPhases; ++phase) {
        const SpriteOffsets at = spriteOffsets(phase, 16);
        EXPECT_EQ(at.forward, 16 * frames[phase]) << phase;
        EXPECT_EQ(at.backward, 16 * (6 - frames[phase])) << phase;
        EXPECT_EQ(at.middle, 48) << phase;
    }

    ItemButtonGroup group;
    ASSERT_EQ(group.addButton(4000, 0), 0);
    ASSERT_EQ(group.addButton(4001, 0), 0);
    group.select(4000);
    std::vector<int> counters;
    for (int tick = 0; tick < 16; ++tick) {
        group.stepAnimation();
        counters.push_back(group.animationCounter());
    }
    EXPECT_EQ(counters, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 1}));

    group.select(4000);  // the same button keeps running
    EXPECT_EQ(group.animationCounter(), 1);
    group.select(4001);  // another starts at phase 0
    EXPECT_EQ(group.animationCounter(), 0);
}

// The icon is the frame top left, its horizontal mirror top right, its
// vertical mirror bottom left and both bottom right; flags run quarters in
// the opposite phase (frame 6 at phase 0) or hold them on the middle frame.
// The light grey touching any of the four corners becomes the button face;
// grey inside, cut off from the corners, stays.
TEST(ItemButtonGroup, IconMirrorsOneFrameIntoFourQuarters) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(face, kGrey);
    struct Case {
        int flags;
        int frames[4];  // top left, top right, bottom left, bottom right
    };
    const Case cases[] = {
        {0x00, {0, 0, 0, 0}}, {0x0E, {0, 6, 6, 6}}, {0x02, {0, 6, 0, 0}},
        {0xF0, {3, 3, 3, 3}}, {0x90, {3, 0, 0, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        ItemButtonGroup group;
        const int side = 2 * kFrameSize;
        Canvas canvas(side + 2, side + 2);
        ASSERT_EQ(group.drawSprite(canvas.dc(), kTestStrip, 1, 1, c.flags), 0);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const bool right = x >= kFrameSize;
                const bool bottom = y >= kFrameSize;
                const int fx = right ? side - 1 - x : x;
                const int fy = bottom ? side - 1 - y : y;
                COLORREF expected = stripPixel(c.frames[2 * bottom + right], fx, fy);
                if (expected == kGrey && fx == 0 && fy == 0) {
                    expected = face;  // a corner of the icon
                }
                EXPECT_EQ(canvas.pixel(1 + x, 1 + y), expected) << x << "," << y;
            }
        }
        // Nothing outside the icon.
        EXPECT_EQ(canvas.count(kMarker), (side + 2) * (side + 2) - side * side);
    }

    ItemButtonGroup group;
    Canvas untouched(8, 8);
    EXPECT_EQ(group.drawSprite(untouched.dc(), kMissingBitmap, 1, 1, 0), -1);
    EXPECT_EQ(untouched.count(kMarker), 64);
}

// Raised, the icon sits at (2, 2) on the shadow colour with phase 0;
// pressed, at (3, 3) with the running phase. No phase of any program strip
// leaves light grey in its icon.
TEST(ItemButtonGroup, DrawsEachFeatureIconRaisedOrPressed) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    ItemButtonGroup group;
    // One feature for each strip.
    const int features[] = {0, 1, 6, 8, 11, 12, 13, 40, 43, 44, 48, 51, 62, 73, 75, 82};
    for (int feature : features) {
        ASSERT_EQ(group.addButton(4000 + feature, 0), 0);
    }
    const auto draw = [&](int id, bool pressed) {
        SCOPED_TRACE(testing::Message() << id << (pressed ? " pressed" : " raised") << " phase "
                                        << group.animationCounter());
        const int corner = pressed ? 3 : 2;
        Canvas canvas(38, 38);
        const DRAWITEMSTRUCT item = drawRequest(id, canvas.dc(), 37, 37);
        ASSERT_EQ(group.drawItem(&item), 0);
        int grey = 0;
        for (int y = corner; y < corner + 32; ++y) {
            for (int x = corner; x < corner + 32; ++x) {
                grey += canvas.pixel(x, y) == kGrey ? 1 : 0;
            }
        }
        EXPECT_EQ(grey, 0);
        EXPECT_EQ(canvas.pixel(corner, corner), face);  // the background at the corner
        // The shadow colour shows beside the icon, on its sunken side.
        EXPECT_EQ(canvas.pixel(pressed ? 2 : 34, 18), shadow);
        EXPECT_EQ(canvas.pixel(37, 37), kMarker);
    };
    group.select(4000 + features[0]);
    for (int feature : features) {
        if (feature != features[0]) {
            draw(4000 + feature, false);
        }
    }
    for (int feature : features) {
        group.select(4000 + feature);
        for (int phase = 0; phase < ItemButtonGroup::kPhases; ++phase) {
            draw(4000 + feature, true);
            group.stepAnimation();
        }
    }

    Canvas canvas(38, 38);
    const DRAWITEMSTRUCT outside = drawRequest(4099, canvas.dc(), 37, 37);
    EXPECT_EQ(group.drawItem(&outside), -1);
    EXPECT_EQ(canvas.count(kMarker), 38 * 38);
}

// Each feature's icon comes from its strip, and only the quarters its name
// points at move: the corner of a corner purity, the half of an edge
// convergence or of an upper or lower pincushion; the others move whole.
TEST(ItemButtonGroup, EachFeatureAnimatesTheQuartersItNames) {
    constexpr int kTopLeft = 1, kTopRight = 2, kBottomLeft = 4, kBottomRight = 8;
    constexpr int kTop = kTopLeft | kTopRight, kBottom = kBottomLeft | kBottomRight;
    constexpr int kLeft = kTopLeft | kBottomLeft, kRight = kTopRight | kBottomRight;
    constexpr int kWhole = kTop | kBottom;
    const struct {
        int feature;
        int strip;
        int moving;
    } features[] = {
        {45, IDB_SPRITE_CORNER_PINCUSHION, kTop},
        {46, IDB_SPRITE_CORNER_PINCUSHION, kTop},
        {49, IDB_SPRITE_CORNER_PINCUSHION, kBottom},
        {50, IDB_SPRITE_CORNER_PINCUSHION, kBottom},
        {66, IDB_SPRITE_PURITY, kTopLeft},
        {65, IDB_SPRITE_PURITY, kTopRight},
        {68, IDB_SPRITE_PURITY, kBottomLeft},
        {67, IDB_SPRITE_PURITY, kBottomRight},
        {73, IDB_SPRITE_EDGE_V_CONVERGENCE, kTop},
        {74, IDB_SPRITE_EDGE_V_CONVERGENCE, kBottom},
        {75, IDB_SPRITE_EDGE_H_CONVERGENCE, kLeft},
        {76, IDB_SPRITE_EDGE_H_CONVERGENCE, kRight},
        {48, IDB_SPRITE_PURITY, kWhole},
        {40, IDB_SPRITE_CORNER_PINCUSHION, kWhole},
        {0, IDB_SPRITE_POSITION, kWhole},
        {12, IDB_SPRITE_ROTATION, kWhole},
    };
    for (const auto& f : features) {
        SCOPED_TRACE(f.feature);
        EXPECT_EQ(itemSprite(f.feature).strip, f.strip);
        ItemButtonGroup group;
        ASSERT_EQ(group.addButton(4000 + f.feature, 0), 0);
        group.select(4000 + f.feature);
        // Phases 0 and 6 show the strip's first and last frames.
        Canvas first(37, 37), last(37, 37);
        for (Canvas* canvas : {&first, &last}) {
            const DRAWITEMSTRUCT item = drawRequest(4000 + f.feature, canvas->dc(), 37, 37);
            ASSERT_EQ(group.drawItem(&item), 0);
            for (int step = 0; step < 6; ++step) {
                group.stepAnimation();
            }
        }
        int moving = 0;
        for (int quarter = 0; quarter < 4; ++quarter) {
            const int left = 3 + 16 * (quarter % 2), top = 3 + 16 * (quarter / 2);
            for (int y = top; y < top + 16; ++y) {
                for (int x = left; x < left + 16; ++x) {
                    moving |= first.pixel(x, y) != last.pixel(x, y) ? 1 << quarter : 0;
                }
            }
        }
        EXPECT_EQ(moving, f.moving);
    }
}
