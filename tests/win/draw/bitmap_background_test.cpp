#include "draw/bitmap_background.h"

#include <gtest/gtest.h>

#include "draw/gdi_handles.h"

TEST(ReplaceGreyPixels, OnlyExactLightGreyChanges) {
    EXPECT_EQ(replaceGreyPixels(nullptr, RGB(1, 2, 3)), -1);

    WindowDc screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), 4, 1));
    MemoryDc dc(screen.get());
    const COLORREF before[4] = {RGB(192, 192, 192), RGB(192, 192, 191), RGB(0, 0, 0),
                                RGB(192, 192, 192)};
    const COLORREF after[4] = {RGB(10, 20, 30), RGB(192, 192, 191), RGB(0, 0, 0), RGB(10, 20, 30)};
    {
        ScopedSelectObject select(dc.get(), bitmap.get());
        for (int x = 0; x < 4; ++x) {
            SetPixel(dc.get(), x, 0, before[x]);
        }
    }
    EXPECT_EQ(replaceGreyPixels(bitmap.get(), RGB(10, 20, 30)), 0);
    ScopedSelectObject select(dc.get(), bitmap.get());
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(GetPixel(dc.get(), x, 0), after[x]) << x;
    }
}
