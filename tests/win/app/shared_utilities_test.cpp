#include "app/shared_utilities.h"

#include <gtest/gtest.h>

TEST(PermilleText, TenthsOfAPercentWithoutBlanks) {
    struct Case {
        int permille;
        const wchar_t* text;
    };
    const Case cases[] = {{0, L"0%"},        {5, L"0.5%"},    {999, L"99.9%"},
                          {1000, L"100%"},   {-5, L"-0.5%"},  {-999, L"-99.9%"},
                          {-1000, L"-100%"}, {125, L"12.5%"}, {1001, L"100%"}};
    for (const Case& c : cases) {
        EXPECT_EQ(permilleText(c.permille, true), c.text) << c.permille;
    }
    EXPECT_EQ(permilleText(500, false), L"");  // no monitor: no text
}

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
