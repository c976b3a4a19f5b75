#include "hints/hint_window.h"
#include "app/strings.h"
#include "tests/win/panels/colour_page_fixture.h"
#include "tests/win/support/message_spy.h"

class HintWindowTest : public ColourPageTest {
  protected:
    // The string the hint tool tip would show for `control` of the hinted page.
    int hintString(HWND hinted, HWND control) {
        NMTTDISPINFOW info{};
        info.hdr = {hintToolTip(), reinterpret_cast<UINT_PTR>(control),
                    static_cast<UINT>(TTN_GETDISPINFOW)};
        SendMessageW(hinted, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.hinst, app().instance);
        return static_cast<int>(reinterpret_cast<UINT_PTR>(info.lpszText));
    }
    bool isTool(HWND control) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = page();
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        return SendMessageW(hintToolTip(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool));
    }
};

// Each page's controls are tools of the hint tool tip, which shows the
// string of the control's own number.
TEST_F(HintWindowTest, PageControlsShowTheirStringsThroughOneToolTip) {
    start("qrv-crt");
    ASSERT_TRUE(hintHookInstalled());
    ASSERT_NE(hintToolTip(), nullptr);
    struct Page {
        int tag;
        int textBase;
        std::vector<int> ids;
    };
    const Page pages[] = {
        {kTabBrightness, 0, {kCtlPrimarySlider, kCtlPrimaryValue, kCtlResetBrightnessContrast}},
        {kTabGeometry, 0, {kCtlItemButtonBase + 0, kCtlPrimarySlider, kCtlSecondarySlider}},
        {kTabInformation, 0, {kCtlInformationText}},
        {kTabTestPattern,
         6000,
         {kCtlPatternButtonBase + 5, kCtlPatternOff, kCtlPatternAutoChoice}}};
    for (const Page& p : pages) {
        showTab(p.tag);
        for (int id : p.ids) {
            ASSERT_NE(pageControl(id), nullptr) << id;
            EXPECT_TRUE(isTool(pageControl(id))) << id;
            EXPECT_EQ(hintString(page(), pageControl(id)), id + p.textBase);
        }
    }
    // A pattern button paints only its picture: a screen reader names it by
    // its hint, the pattern's name.
    for (int id = kCtlPatternButtonBase + 1; id <= kCtlPatternButtonBase + 28; ++id) {
        EXPECT_EQ(textOf(pageControl(id)), loadString(6000 + id)) << id;
    }
    EXPECT_EQ(textOf(pageControl(kCtlPatternButtonBase + 5)),
              L"色、グレースケールおよびモアレ評価パターン");
    EXPECT_EQ(loadString(kCtlPrimaryValue), L"選択された項目の設定値");

    // The tool tip belongs to the main window, so it goes with its page
    // explicitly: switching pages leaves one tool tip, not one per page.
    HWND toolTip = hintToolTip();
    showTab(kTabBrightness);
    EXPECT_FALSE(IsWindow(toolTip));
    EXPECT_TRUE(IsWindow(hintToolTip()));

    // A refresh makes the reset button anew; the new one has its hint too.
    HWND before = pageControl(kCtlResetBrightnessContrast);
    commandPage(kCmdRefresh);
    HWND after = pageControl(kCtlResetBrightnessContrast);
    ASSERT_NE(after, nullptr);
    EXPECT_NE(after, before);
    EXPECT_TRUE(isTool(after));
    EXPECT_EQ(hintString(page(), after), kCtlResetBrightnessContrast);

    close();
    EXPECT_FALSE(hintHookInstalled());
}

TEST_F(HintWindowTest, ColourPageHintsCoverTheSubPanelWithItsOwnBase) {
    ASSERT_NO_FATAL_FAILURE(openColourPage("tsw-rich-caps"));
    EXPECT_EQ(hintString(page(), pageControl(kCtlPresetList)), IDS_CTL_PRESET_LIST);
    EXPECT_EQ(hintString(page(), panelControl(kCtlRedGain)), IDS_CTL_RED_GAIN);
    selectInner(3);
    EXPECT_TRUE(isTool(panelControl(kCtlHueWheel)));
    EXPECT_EQ(hintString(page(), panelControl(kCtlHueWheel)), IDS_CTL_HUE_WHEEL);
}

TEST_F(HintWindowTest, OnlyMovesAndSinglePressesReachTheToolTip) {
    start("qrv-crt");
    std::vector<UINT> relayed;  // the pointer messages relayed to the hint tool tip
    MessageSpy spy(hintToolTip(), [&](UINT message, WPARAM, LPARAM lParam) {
        if (message == TTM_RELAYEVENT && lParam) {
            relayed.push_back(reinterpret_cast<const MSG*>(lParam)->message);
        }
    });
    HWND valueText = pageControl(kCtlPrimaryValue);
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}) {
        PostMessageW(valueText, message, 0, MAKELPARAM(3, 3));
    }
    PostMessageW(control(kMainOk), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));  // not on the page
    pump();
    EXPECT_EQ(relayed, (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}
