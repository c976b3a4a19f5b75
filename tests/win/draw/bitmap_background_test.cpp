#include "draw/bitmap_background.h"

#include <gtest/gtest.h>

TEST(ReplaceGreyPixels, OnlyExactLightGreyChanges) {
    EXPECT_EQ(replaceGreyPixels(nullptr, RGB(1, 2, 3)), -1);

    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 1);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF before[4] = {RGB(192, 192, 192), RGB(192, 192, 191), RGB(0, 0, 0),
                                RGB(192, 192, 192)};
    for (int x = 0; x < 4; ++x) {
        SetPixel(dc, x, 0, before[x]);
    }
    SelectObject(dc, old);
    EXPECT_EQ(replaceGreyPixels(bitmap, RGB(10, 20, 30)), 0);
    old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(192, 192, 191));
    EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 0), RGB(10, 20, 30));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
}
