#include "draw/picture_button_group.h"

#include <gtest/gtest.h>

#include "tests/win/draw/draw_test_support.h"

namespace {

struct FrameColours {
    COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    COLORREF black = RGB(0, 0, 0);
};

// Checks the frame of a width × height button, raised or pressed, edge by
// edge: two rings, each lit on one side and dark on the other.
void expectFrame(const Canvas& canvas, int r, int b, bool pressed) {
    const FrameColours c;
    ASSERT_NE(c.light, c.shadow);
    // Top and left edges, then bottom and right edges, of the outer and the
    // inner ring.
    const COLORREF lit[2] = {pressed ? c.black : c.light, pressed ? c.shadow : c.light};
    const COLORREF dark[2] = {pressed ? c.light : c.black, pressed ? c.light : c.shadow};
    for (int ring = 0; ring < 2; ++ring) {
        SCOPED_TRACE(ring ? "inner ring" : "outer ring");
        for (int x = ring; x <= r - 2 - ring; ++x) {
            EXPECT_EQ(canvas.pixel(x, ring), lit[ring]) << "top " << x;
            EXPECT_EQ(canvas.pixel(x, b - 1 - ring), dark[ring]) << "bottom " << x;
        }
        for (int y = ring + 1; y <= b - 2 - ring; ++y) {
            EXPECT_EQ(canvas.pixel(ring, y), lit[ring]) << "left " << y;
            EXPECT_EQ(canvas.pixel(r - 1 - ring, y), dark[ring]) << "right " << y;
        }
    }
    // The corners where the two colours meet.
    EXPECT_EQ(canvas.pixel(r - 1, 0), c.black);
    EXPECT_EQ(canvas.pixel(0, b - 1), dark[0]);
    EXPECT_EQ(canvas.pixel(r - 1, b - 1), dark[0]);
    EXPECT_EQ(canvas.pixel(r - 2, 1), c.shadow);
    EXPECT_EQ(canvas.pixel(2, 2), c.face);
    EXPECT_EQ(canvas.pixel(r, b), kMarker);  // nothing outside the item
}

// The test bitmap's three coloured pixels around its centre (cx, cy).
void expectTestBitmapAt(const Canvas& canvas, int cx, int cy) {
    EXPECT_EQ(canvas.pixel(cx, cy - 1), RGB(255, 0, 0));
    EXPECT_EQ(canvas.pixel(cx, cy), RGB(0, 255, 0));
    EXPECT_EQ(canvas.pixel(cx, cy + 1), RGB(0, 0, 255));
    EXPECT_EQ(canvas.pixel(cx - 1, cy), RGB(192, 192, 191));
    EXPECT_EQ(canvas.pixel(cx + 1, cy), RGB(192, 192, 191));
}

}  // namespace

// Only a button of the group can be selected; clear forgets the selection.
TEST(PictureButtonGroup, HoldsAtMostThirtyButtonsAndSelectsOneOfThem) {
    TestWindow page(300, 300);
    PictureButtonGroup group;
    group.attach(page.get());
    group.select(100);
    EXPECT_EQ(group.selected(), -1);
    for (int i = 0; i < PictureButtonGroup::kCapacity; ++i) {
        ASSERT_EQ(group.createButton(100 + i, kTestBitmap, 10 * i, 0), 0) << i;
    }
    EXPECT_EQ(group.selected(), -1);  // the failed selection stays
    EXPECT_EQ(group.createButton(200, kTestBitmap, 0, 50), -1);
    EXPECT_EQ(GetDlgItem(page.get(), 200), nullptr);
    EXPECT_EQ(group.addButton(201, kTestBitmap), -1);
    EXPECT_EQ(group.count(), PictureButtonGroup::kCapacity);
    group.select(101);
    EXPECT_EQ(group.selected(), 101);

    // clear destroys the windows and makes room again.
    group.clear();
    EXPECT_EQ(group.count(), 0);
    EXPECT_EQ(group.selected(), -1);
    EXPECT_EQ(GetDlgItem(page.get(), 100), nullptr);
    EXPECT_EQ(group.addButton(400, kTestBitmap), 0);
}

TEST(PictureButtonGroup, CreatesOwnerDrawnButtonsSizedToTheirBitmap) {
    TestWindow page(300, 300);
    {
        PictureButtonGroup group;
        EXPECT_EQ(group.createButton(4014, kTestBitmap, 7, 9), -1);  // not attached yet
        group.attach(page.get());
        ASSERT_EQ(group.createButton(4014, kTestBitmap, 7, 9), 0);
        HWND button = GetDlgItem(page.get(), 4014);
        ASSERT_NE(button, nullptr);
        RECT rect{};
        GetWindowRect(button, &rect);
        MapWindowPoints(nullptr, page.get(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, 7);
        EXPECT_EQ(rect.top, 9);
        EXPECT_EQ(rect.right - rect.left, kTestBitmapWidth + 5);
        EXPECT_EQ(rect.bottom - rect.top, kTestBitmapHeight + 5);
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_TRUE(style & WS_VISIBLE);
        EXPECT_EQ(GetWindowTextLengthW(button), 0);

        // A bitmap that isn't there: no window, nothing recorded.
        EXPECT_EQ(group.createButton(4015, kMissingBitmap, 50, 9), -1);
        EXPECT_EQ(GetDlgItem(page.get(), 4015), nullptr);
        EXPECT_EQ(group.count(), 1);
    }
    // The group's end takes its buttons along.
    EXPECT_EQ(GetDlgItem(page.get(), 4014), nullptr);
}

TEST(PictureButtonGroup, DrawsRaisedOrPressedWithTheBitmapCentred) {
    constexpr int kWidth = 24;
    constexpr int kHeight = 20;
    PictureButtonGroup group;
    ASSERT_EQ(group.addButton(1, kTestBitmap), 0);
    ASSERT_EQ(group.addButton(2, kTestBitmap), 0);
    ASSERT_EQ(group.addButton(3, 0), 0);  // no bitmap of its own
    group.select(1);

    struct Case {
        const char* name;
        int id;
        UINT action;
        UINT state;
        bool pressed;
        bool focusCue;  // the dotted rectangle 3 pixels inside the edge
    };
    const Case cases[] = {
        {"selected", 1, ODA_DRAWENTIRE, 0, true, false},
        {"other", 2, ODA_DRAWENTIRE, 0, false, false},
        {"other being pushed", 2, ODA_SELECT, ODS_SELECTED, true, false},
        {"other released", 2, ODA_SELECT, 0, false, false},
        {"other with focus only", 2, ODA_FOCUS, ODS_SELECTED | ODS_FOCUS, false, true},
        {"selected with focus", 1, ODA_FOCUS, ODS_FOCUS, true, true},
        {"focus, no cue asked", 2, ODA_FOCUS, ODS_FOCUS | ODS_NOFOCUSRECT, false, false},
    };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(kWidth + 4, kHeight + 4);
        const DRAWITEMSTRUCT item =
            drawRequest(c.id, canvas.dc(), kWidth, kHeight, c.action, c.state);
        ASSERT_EQ(group.drawItem(&item), 0);
        expectFrame(canvas, kWidth, kHeight, c.pressed);
        const int sink = c.pressed ? 1 : 0;
        expectTestBitmapAt(canvas, kWidth / 2 + sink, kHeight / 2 + sink);
        int cue = 0;  // dots on the top and bottom lines of the rectangle
        for (int x = 3; x < kWidth - 3; ++x) {
            cue += (canvas.pixel(x, 3) != face) + (canvas.pixel(x, kHeight - 4) != face);
        }
        EXPECT_EQ(cue >= kWidth - 6, c.focusCue) << cue;
    }

    // Controls outside the group, or without a bitmap, are left alone.
    for (int id : {3, 4}) {
        Canvas canvas(kWidth, kHeight);
        const DRAWITEMSTRUCT item = drawRequest(id, canvas.dc(), kWidth, kHeight);
        EXPECT_EQ(group.drawItem(&item), -1);
        EXPECT_EQ(canvas.count(kMarker), kWidth * kHeight);
    }
}

TEST(PictureButtonGroup, CentredBitmapTakesTheButtonFaceForExactLightGreyOnly) {
    PictureButtonGroup group;
    Canvas canvas(20, 20);
    ASSERT_EQ(group.drawBitmapCentred(canvas.dc(), kTestBitmap, 10, 10), 0);
    // Top-left corner at (10 - 5/2, 10 - 3/2) = (8, 9).
    expectTestBitmapAt(canvas, 10, 10);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(canvas.pixel(8, 9), face);
    EXPECT_EQ(canvas.pixel(12, 11), face);
    EXPECT_EQ(canvas.count(face), kTestBitmapWidth * kTestBitmapHeight - 5);
    EXPECT_EQ(canvas.count(kMarker), 20 * 20 - kTestBitmapWidth * kTestBitmapHeight);

    Canvas untouched(20, 20);
    EXPECT_EQ(group.drawBitmapCentred(untouched.dc(), kMissingBitmap, 10, 10), -1);
    EXPECT_EQ(untouched.count(kMarker), 20 * 20);
}

TEST(PictureButtonGroup, PaintsItsButtonsOnTheScreenThroughThePage) {
    TestWindow page(200, 100);
    static PictureButtonGroup* forwardTo = nullptr;
    PictureButtonGroup group;
    forwardTo = &group;
    TestWindow::onDrawItem = [](const DRAWITEMSTRUCT& item) -> LRESULT {
        return forwardTo->drawItem(&item) == 0;
    };
    group.attach(page.get());
    ASSERT_EQ(group.createButton(4014, kTestBitmap, 10, 10), 0);
    ASSERT_EQ(group.createButton(4015, kTestBitmap, 40, 10), 0);
    group.select(4014);
    UpdateWindow(page.get());
    pumpMessages();

    // Button 4014 (10 × 8) pressed, 4015 raised; on the page's screen area.
    const FrameColours c;
    EXPECT_EQ(page.pixel(10, 10), c.black);
    EXPECT_EQ(page.pixel(10 + 9, 10 + 7), c.light);
    EXPECT_EQ(page.pixel(10 + 6, 10 + 5), RGB(0, 255, 0));  // centre (5, 4), one lower right
    EXPECT_EQ(page.pixel(40, 10), c.light);
    EXPECT_EQ(page.pixel(40 + 9, 10 + 7), c.black);
    EXPECT_EQ(page.pixel(40 + 5, 10 + 4), RGB(0, 255, 0));

    // Selecting the other one redraws both.
    group.select(4015);
    UpdateWindow(GetDlgItem(page.get(), 4014));
    UpdateWindow(GetDlgItem(page.get(), 4015));
    pumpMessages();
    EXPECT_EQ(page.pixel(10, 10), c.light);
    EXPECT_EQ(page.pixel(40, 10), c.black);

    // The same bitmap straight on the page's own device context.
    EXPECT_EQ(group.drawBitmapCentredInWindow(page.get(), kTestBitmap, 100, 60), 0);
    EXPECT_EQ(page.pixel(100, 59), RGB(255, 0, 0));
    EXPECT_EQ(page.pixel(98, 59), c.face);

    TestWindow::onDrawItem = nullptr;
}
