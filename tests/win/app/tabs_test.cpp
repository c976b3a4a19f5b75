#include "app/tabs.h"
#include "tests/win/app/main_window_fixture.h"

class TabsTest : public MainWindowTest {
  protected:
    // Each test chooses its optional tabs; the program's come back after.
    TabsTest() { setOptionalTabs({}); }
    ~TabsTest() override { setOptionalTabs(programOptionalTabs()); }
};

TEST_F(TabsTest, TabTipsAreTheStringOfTheTabImage) {
    setOptionalTabs(programOptionalTabs());  // the tube has every tab
    start("qrv-crt");
    HWND tips = TabCtrl_GetToolTips(control(kMainTabControl));
    ASSERT_NE(tips, nullptr);
    const UINT_PTR strings[] = {500, 501, 502, 503, 504, 506};  // by tab position
    for (UINT_PTR position = 0; position < std::size(strings); ++position) {
        const NMTTDISPINFOW info = tipOf(window, tips, position);
        EXPECT_EQ(info.hinst, app().instance) << position;
        EXPECT_EQ(reinterpret_cast<UINT_PTR>(info.lpszText), strings[position]) << position;
    }
}

TEST_F(TabsTest, ChangingTabsMakesANewPageInTheTabsArea) {
    start("qrv-crt");
    HWND first = page();
    EXPECT_EQ(classOf(first), L"ScreenDlg");  // a dialog of the pages' own class
    showTab(tabTagAt(2));
    ASSERT_NE(page(), nullptr);
    EXPECT_NE(page(), first);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(GetParent(page()), control(kMainTabControl));
    EXPECT_EQ(classOf(page()), L"ScreenDlg");
    RECT area{};
    GetClientRect(window, &area);
    TabCtrl_AdjustRect(control(kMainTabControl), FALSE, &area);
    const RECT placed = placeOf(page());
    EXPECT_EQ(placed.left, area.left);
    EXPECT_EQ(placed.top, area.top);
}

TEST_F(TabsTest, OptionalTabsFollowTheirPagesAndNeedAnOpenMonitor) {
    int colourContent = 1;
    const OptionalTab tabs[] = {{kTabColour, 1, [&] { return colourContent; }},
                                {kTabOther, 3, [] { return 0; }}};
    start("qrv-crt");
    setOptionalTabs(tabs);
    updateTabs();
    // Inserted before the first tab with a larger parameter.
    ASSERT_EQ(tabCount(), 4);
    EXPECT_EQ(tabTagAt(1), kTabColour);
    EXPECT_EQ(tabTagAt(2), kTabTestPattern);

    // Removing the selected tab shows the brightness page first.
    showTab(kTabColour);
    HWND colourPage = page();
    colourContent = 0;
    updateTabs();
    pump();
    EXPECT_EQ(tabCount(), 3);
    EXPECT_EQ(TabCtrl_GetCurSel(control(kMainTabControl)), 0);
    EXPECT_FALSE(IsWindow(colourPage));
    EXPECT_NE(pageControl(kCtlPrimarySlider), nullptr);

    colourContent = 1;
    updateTabs();
    EXPECT_EQ(tabCount(), 4);
    chooseRow(0);  // reopening: the tab stays
    EXPECT_EQ(tabCount(), 4);

    // Without an open monitor no optional tab is shown, whatever its content.
    close();
    colourContent = 5;
    start("other-vendor");
    updateTabs();
    EXPECT_EQ(tabCount(), 3);
}
