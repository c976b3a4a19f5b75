#include <tuple>

#include "tests/win/app/main_window_fixture.h"
#include "tests/win/draw/draw_test_support.h"

namespace {

constexpr int kBrightness = 14;
constexpr int kContrast = 15;

}  // namespace

class BrightnessPageTest : public MainWindowTest {
  protected:
    HWND slider() const { return pageControl(kCtlPrimarySlider); }
    std::wstring valueText() const { return textOf(pageControl(kCtlPrimaryValue)); }

    // The user scrolls the page's slider.
    void scroll(int request, int thumb = 0) {
        scrollBar(page(), WM_VSCROLL, slider(), request, thumb);
    }
    // A double click: the button reports a click, then the double click.
    void doubleClickOnPage(int id) {
        pressOnPage(id);
        pressOnPage(id, BN_DOUBLECLICKED);
    }
    int barPosition() const { return GetScrollPos(slider(), SB_CTL); }
};

TEST_F(BrightnessPageTest, SliderStepsTheSelectedFeatureMirrored) {
    start("tsw-lcd");  // contrast 70 of 100 selected, no geometry: no floor
    ASSERT_TRUE(IsWindowVisible(slider()));
    EXPECT_EQ(barPosition(), 30);  // the top of the bar is the maximum
    EXPECT_EQ(valueText(), L"70.0%");

    // A scroll request, its thumb position, and the contrast afterwards.
    const std::tuple<int, int, int> steps[] = {
        {SB_LINEUP, 0, 71},      {SB_LINEDOWN, 0, 70},       {SB_PAGEUP, 0, 86},
        {SB_PAGEUP, 0, 100},     {SB_LINEUP, 0, 100},        {SB_PAGEDOWN, 0, 84},
        {SB_THUMBTRACK, 90, 10}, {SB_THUMBPOSITION, 25, 75}, {SB_TOP, 0, 100},
        {SB_BOTTOM, 0, 0},       {SB_LINEDOWN, 0, 0},        {SB_ENDSCROLL, 0, 0},
    };
    for (const auto& [request, thumb, contrast] : steps) {
        scroll(request, thumb);
        EXPECT_EQ(simValue(0, 0x12), contrast) << request << " " << thumb;
        EXPECT_EQ(barPosition(), 100 - contrast) << request;
    }
    EXPECT_EQ(valueText(), L"0%");
    EXPECT_EQ(VeskolSimRequestCount(0, 0x03), 11);  // one write a request, none for the end
}

// The feature buttons choose what the slider adjusts; a tube's contrast
// stops at a quarter unless Shift is held, its brightness has no floor.
TEST_F(BrightnessPageTest, FeatureButtonsChooseTheSlidersFeatureAndATubesContrastHasAFloor) {
    start("qrv-crt");  // contrast 80 of 100 selected, a tube
    ASSERT_NE(pageControl(kCtlItemButtonBase + kBrightness), nullptr);
    ASSERT_NE(pageControl(kCtlItemButtonBase + kContrast), nullptr);
    EXPECT_EQ(valueText(), L"80.0%");
    pressOnPage(kCtlItemButtonBase + kBrightness);
    EXPECT_EQ(valueText(), L"50.0%");
    scroll(SB_LINEUP);
    EXPECT_EQ(simValue(0, 0x10), 51);
    EXPECT_EQ(simValue(0, 0x12), 80);
    scroll(SB_BOTTOM);
    EXPECT_EQ(simValue(0, 0x10), 0);

    pressOnPage(kCtlItemButtonBase + kContrast);
    holdShift(false);
    scroll(SB_BOTTOM);
    EXPECT_EQ(simValue(0, 0x12), 25);
    EXPECT_EQ(valueText(), L"25.0%");
    holdShift(true);
    scroll(SB_BOTTOM);
    EXPECT_EQ(simValue(0, 0x12), 0);
    holdShift(false);
    scroll(SB_LINEUP);  // below the floor: the next move without Shift lifts it
    EXPECT_EQ(simValue(0, 0x12), 25);
}

// Each press plays the button's animation from its first frame, drawn from a
// fresh capture; the slider leaves the playing animation alone.
TEST_F(BrightnessPageTest, FeatureButtonsPlayTheirAnimationAfreshOnEveryPress) {
    start("qrv-crt");
    KillTimer(page(), kPageTimer);  // the test plays the illustration itself
    // A worker an earlier tick started could otherwise render the pressed
    // feature before the test looks (a busy machine starts it late).
    waitForIllustrationWorker();
    AnimatedIllustration& illustration = *app().illustration;
    const auto level = [&](int k) {  // of the whole frame
        int width = 0, height = 0;
        long long sum = 0;
        for (uint32_t p : bitmapPixels(illustration.frame(k), &width, &height)) {
            sum += redOf(p) + greenOf(p) + blueOf(p);
        }
        return sum;
    };
    for (int feature : {kBrightness, kContrast, kBrightness}) {
        pressOnPage(kCtlItemButtonBase + feature);
        EXPECT_EQ(illustration.item(), feature);
        EXPECT_EQ(illustration.isReady(), 0) << "a press frees the frames";
        playIllustration();
        ASSERT_EQ(illustration.isReady(), 1) << feature;
        EXPECT_EQ(illustration.tick(), 1) << "frame 0 shown first";
        // Brightness lightens the picture frame by frame, contrast darkens it.
        EXPECT_EQ(level(7) > level(0), feature == kBrightness) << feature;
        EXPECT_EQ(level(7) < level(0), feature == kContrast) << feature;
    }
    const HBITMAP playing = illustration.frame(0);
    scroll(SB_LINEUP);
    EXPECT_EQ(illustration.frame(0), playing);
    pressOnPage(kCtlItemButtonBase + kBrightness);
    playIllustration();
    EXPECT_NE(illustration.frame(0), playing);
    EXPECT_EQ(illustration.tick(), 1);
}

TEST_F(BrightnessPageTest, AMonitorWithoutAdjustableContrastOpensOnBrightness) {
    start("qrv-crt", "", [] { VeskolSimSetMaximum(0, 0x12, 0); });
    EXPECT_EQ(pageControl(kCtlItemButtonBase + kContrast), nullptr);
    ASSERT_NE(pageControl(kCtlItemButtonBase + kBrightness), nullptr);
    scroll(SB_LINEUP);
    EXPECT_EQ(simValue(0, 0x10), 51);
}

TEST_F(BrightnessPageTest, ResetButtonReturnsBothToTheFactoryBalance) {
    start("qrv-crt");
    scroll(SB_BOTTOM);
    HWND reset = pageControl(kCtlResetBrightnessContrast);
    ASSERT_NE(reset, nullptr);
    const RECT r = placeOf(reset);
    EXPECT_EQ(r.left, 85);  // the cell after the two feature buttons
    EXPECT_EQ(r.top, 4);
    const int writes = VeskolSimRequestCount(0, 0x03);
    pressOnPage(kCtlResetBrightnessContrast);
    EXPECT_EQ(simValue(0, 0x10), 50);
    EXPECT_EQ(simValue(0, 0x12), 100);
    EXPECT_EQ(valueText(), L"100%");

    const int resetWrites = VeskolSimRequestCount(0, 0x03) - writes;
    doubleClickOnPage(kCtlResetBrightnessContrast);  // resets once
    EXPECT_EQ(VeskolSimRequestCount(0, 0x03) - writes, 2 * resetWrites);
}

TEST_F(BrightnessPageTest, ModeRadiosFollowTheModeMaximum) {
    // The mode maximum, and the radios' texts.
    const std::pair<int, std::vector<std::wstring>> cases[] = {
        {1, {L"オフ", L"オン"}},
        {3, {L"オフ", L"Mode 1", L"Mode 2", L"Mode 3"}},
        {12,
         {L"オフ", L"Mode 1", L"Mode 2", L"Mode 3", L"Mode 4", L"Mode 5", L"Mode 6", L"Mode 7"}},
    };
    for (const auto& [maximum, expected] : cases) {
        const int modes = maximum;  // copied for the lambda that sets it
        start("tsw-rich-caps", "", [&] { VeskolSimSetMaximum(0, 0xF9, modes); });
        std::vector<std::wstring> radios;
        for (int id = kCtlModeOff; id <= kCtlModeLast; ++id) {
            if (HWND radio = pageControl(id)) {
                radios.push_back(textOf(radio));
            }
        }
        EXPECT_EQ(radios, expected) << maximum;
        EXPECT_EQ(textOf(pageControl(kCtlModeGroup)), L"Vivo Mode");
        EXPECT_TRUE(checkedOnPage(kCtlModeOff));
        close();
    }
}

TEST_F(BrightnessPageTest, ChoosingAModeWritesItAndRefreshKeepsOneGroup) {
    start("tsw-rich-caps");  // modes off, 1-4
    const int writes = VeskolSimRequestCount(0, 0x03);
    doubleClickOnPage(kCtlModeOff + 2);
    EXPECT_EQ(VeskolSimRequestCount(0, 0x03) - writes, 1);
    EXPECT_EQ(simValue(0, 0xF9), 2);
    EXPECT_TRUE(checkedOnPage(kCtlModeOff + 2));
    EXPECT_FALSE(checkedOnPage(kCtlModeOff));

    commandPage(kCmdRefresh);
    commandPage(kCmdRefresh);
    int groups = 0;
    int radios = 0;
    for (HWND child = GetWindow(page(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        groups += id == kCtlModeGroup ? 1 : 0;
        radios += id >= kCtlModeOff && id <= kCtlModeLast ? 1 : 0;
    }
    EXPECT_EQ(groups, 1);
    EXPECT_EQ(radios, 5);

    // The mode is the user's change even though its colour values came with
    // new baselines: OK stores it, Cancel puts the old mode back.
    press(kMainOk);
    EXPECT_EQ(simSaved(0, 0xF9), 2);
    start("tsw-rich-caps");
    doubleClickOnPage(kCtlModeOff + 3);
    press(kMainCancel);
    EXPECT_EQ(simValue(0, 0xF9), 0);
}

TEST_F(BrightnessPageTest, UndoIsOfferedOnlyForAChangedFeatureAndKeysMoveTheSlider) {
    start("qrv-crt");
    HWND contrastButton = pageControl(kCtlItemButtonBase + kContrast);
    EXPECT_EQ(undoInMenu(page(), contrastButton), false);
    scroll(SB_LINEUP);
    EXPECT_EQ(undoInMenu(page(), contrastButton), true);
    EXPECT_EQ(undoInMenu(page(), slider()), std::nullopt);  // only the feature buttons have one

    commandPage(kCmdUndo);
    EXPECT_EQ(simValue(0, 0x12), 80);
    EXPECT_EQ(valueText(), L"80.0%");
    EXPECT_EQ(undoInMenu(page(), contrastButton), false);  // written back to its baseline

    ASSERT_TRUE(tabTo(kCtlPrimarySlider));  // through the main window's controls and the page's
    const std::pair<UINT, int> keys[] = {{VK_UP, 81}, {VK_NEXT, 65}, {VK_HOME, 100}};
    for (const auto& [vk, contrast] : keys) {
        SendMessageW(slider(), WM_KEYDOWN, vk, 0);
        pump();
        EXPECT_EQ(simValue(0, 0x12), contrast) << vk;
    }
}
