#include "app/shared_utilities.h"

#include <gtest/gtest.h>

#include <utility>

TEST(PermilleText, TenthsOfAPercentWithoutBlanks) {
    const std::pair<int, const wchar_t*> cases[] = {
        {0, L"0%"},        {5, L"0.5%"},      {999, L"99.9%"}, {1000, L"100%"}, {-5, L"-0.5%"},
        {-999, L"-99.9%"}, {-1000, L"-100%"}, {125, L"12.5%"}, {1001, L"100%"}};
    for (const auto& [permille, text] : cases) {
        EXPECT_EQ(permilleText(permille, true), text) << permille;
    }
    EXPECT_EQ(permilleText(500, false), L"");  // no monitor: no text
}
