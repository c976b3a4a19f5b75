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
