#include <array>
#include <tuple>

#include "panels/colour_sub_panels.h"
#include "panels/page_state.h"
#include "tests/win/panels/colour_page_fixture.h"

TEST_F(ColourPageTest, ACapabilityDrivenMonitorOffersEveryPanelAndItsPresets) {
    openColourPage("tsw-rich-caps");  // presets 01 05 08 0B, preset 5 current
    EXPECT_EQ(innerKinds(), (std::vector<int>{0, 1, 2, 3}));

    // Tab tips: string 560 + kind.
    HWND tips = TabCtrl_GetToolTips(innerTabs());
    ASSERT_NE(tips, nullptr);
    for (UINT_PTR position = 0; position < 4; ++position) {
        EXPECT_EQ(reinterpret_cast<UINT_PTR>(tipOf(page(), tips, position).lpszText),
                  IDS_COLOURTAB_GAIN + position);
    }

    HWND list = pageControl(kCtlPresetList);
    ASSERT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(rows(list),
              (std::vector<std::pair<std::wstring, LPARAM>>{
                  {L"sRGB", 0}, {L"色モード 2", 1}, {L"色モード 1", 2}, {L"カスタム", 3}}));
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(pageControl(kCtlResetColour)));

    // The gain panel first: red 100, green 95, blue 90 of 100, mirrored.
    EXPECT_EQ(pageState().currentFeature, 18);
    EXPECT_EQ(illustration(), 18);
    const int sliders[] = {kCtlRedGain, kCtlGreenGain, kCtlBlueGain};
    const int gains[] = {100, 95, 90};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(enabled(sliders[i]));
        EXPECT_EQ(barMaximum(sliders[i]), 100);
        EXPECT_EQ(bar(sliders[i]), 100 - gains[i]);
    }
    EXPECT_EQ(panelText(kCtlRedGainValue), L"100%");
    EXPECT_EQ(panelText(kCtlBlueGainValue), L"90.0%");

    // A gain step writes at once and the bar follows.
    scrollPanel(kCtlBlueGain, SB_LINEUP);
    EXPECT_EQ(simValue(0, 0x1A), 91);
    EXPECT_EQ(bar(kCtlBlueGain), 9);
    EXPECT_EQ(pageState().currentFeature, 17);

    // Choosing the third preset writes 8 and shows its gains.
    choosePreset(2);
    EXPECT_EQ(simValue(0, 0x14), 8);
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(bar(kCtlRedGain), 100 - 88);
    EXPECT_EQ(panelText(kCtlRedGainValue), L"88.0%");
}

// The temperature's text in kelvin, and undo restoring the control the
// capability string lists (0x0C).
TEST_F(ColourPageTest, ColourTemperatureTextsAndUndo) {
    // Maximum, value, base and step in kelvin, and the text.
    const std::tuple<int, int, int, int, const wchar_t*> cases[] = {
        {70, 10, 5000, 50, L"5500K"}, {255, 255, 5000, 18, L"Custom"}, {0, 0, 5000, 50, L"- K"},
        {-1, 3, 5000, 50, L"- K"},    {70, 10, 5000, 0, L"- K"},       {70, 10, 0, 50, L"- K"},
    };
    for (const auto& [maximum, value, base, step, text] : cases) {
        EXPECT_EQ(temperatureText(maximum, value, base, step), text) << maximum << " " << value;
    }

    openColourPage("tsw-rich-caps");  // 0x0C: 3000 K + 35 steps of 100 K
    selectInner(2);
    EXPECT_EQ(pageState().currentFeature, 69);
    EXPECT_EQ(panelText(kCtlTemperatureValue), L"6500K");
    EXPECT_EQ(bar(kCtlTemperatureSlider), 70 - 35);
    EXPECT_FALSE(undoOffered());
    scrollPanel(kCtlTemperatureSlider, SB_PAGEUP);
    ASSERT_EQ(simValue(0, 0x0C), 51);
    EXPECT_TRUE(undoOffered());
    undo();
    EXPECT_EQ(simValue(0, 0x0C), 35);
    EXPECT_EQ(panelText(kCtlTemperatureValue), L"6500K");
    EXPECT_FALSE(undoOffered());
    scrollPanel(kCtlTemperatureSlider, SB_LINEUP);
    EXPECT_EQ(simValue(0, 0x0C), 36);
    EXPECT_EQ(panelText(kCtlTemperatureValue), L"6600K");
}

TEST_F(ColourPageTest, SwitchingPanelsRereadsOnlyAfterAWriteAndKeepsTheChange) {
    openColourPage("tsw-rich-caps");
    // Without a colour-temperature write the gains are not read again.
    ASSERT_EQ(VeskolSimSetValue(0, 0x16, 60), 0);
    selectInner(2);
    selectInner(0);
    EXPECT_EQ(bar(kCtlRedGain), 0);  // still the 100 read at opening

    selectInner(2);
    scrollPanel(kCtlTemperatureSlider, SB_LINEUP);
    ASSERT_EQ(VeskolSimSetValue(0, 0x16, 70), 0);  // the monitor recomputes a gain
    selectInner(0);
    EXPECT_EQ(bar(kCtlRedGain), 30);
    EXPECT_EQ(panelText(kCtlRedGainValue), L"70.0%");

    // The colour-temperature change is still one to store.
    press(kMainOk);
    EXPECT_EQ(simSaved(0, 0x0C), 36);
}

TEST_F(ColourPageTest, TheGreenBiasMovesOnlyWithShiftHeldWhenThePanelOpens) {
    for (bool shift : {false, true}) {
        SCOPED_TRACE(shift);
        openColourPage("tsw-rich-caps");
        holdShift(shift);
        selectInner(1);
        holdShift(false);
        EXPECT_EQ(pageState().currentFeature, 28);
        EXPECT_TRUE(enabled(kCtlRedBias));
        EXPECT_TRUE(enabled(kCtlBlueBias));
        EXPECT_EQ(enabled(kCtlGreenBias), shift);
        EXPECT_EQ(enabled(kCtlGreenBiasValue), shift);
        EXPECT_EQ(panelText(kCtlGreenBiasValue), L"50.0%");
        scrollPanel(kCtlRedBias, SB_LINEUP);
        EXPECT_EQ(simValue(0, 0x6C), 51);
        scrollPanel(kCtlGreenBias, SB_LINEUP);
        EXPECT_EQ(simValue(0, 0x6E), shift ? 51 : 50);
        close();
    }
}

// Each gain without a range (sRGB and display native: all three; a gain
// the monitor lacks) is shown disabled, empty and never written; the others
// stay adjustable.
TEST_F(ColourPageTest, GainsWithoutARangeAreShownDisabledAndNeverWritten) {
    struct Case {
        const char* what;
        int code;  // 0x14: the preset; a gain: its maximum becomes 0
        int value;
        std::array<bool, 3> ranged;  // red, green, blue
        int illustration;
    };
    const Case cases[] = {
        {"sRGB", 0x14, 1, {false, false, false}, -11},
        {"display native", 0x14, 2, {false, false, false}, -11},
        {"no blue gain", 0x1A, 0, {true, true, false}, 18},
        {"no green gain", 0x18, 0, {true, false, true}, 18},
    };
    const int sliders[] = {kCtlRedGain, kCtlGreenGain, kCtlBlueGain};
    const int texts[] = {kCtlRedGainValue, kCtlGreenGainValue, kCtlBlueGainValue};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(openColourPage("tsw-rich-caps", [&] {
            ASSERT_EQ(c.code == 0x14 ? VeskolSimSetValue(0, c.code, c.value)
                                     : VeskolSimSetMaximum(0, c.code, c.value),
                      0);
        }));
        ASSERT_EQ(innerKinds().front(), 0);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(enabled(sliders[i]), c.ranged[i]) << i;
            EXPECT_EQ(barMaximum(sliders[i]) > 0, c.ranged[i]) << i;
            EXPECT_EQ(panelText(texts[i]).empty(), !c.ranged[i]) << i;
        }
        EXPECT_EQ(illustration(), c.illustration);
        const int writes = VeskolSimRequestCount(0, 0x03);
        for (int i = 0; i < 3; ++i) {
            if (!c.ranged[i]) {
                scrollPanel(sliders[i], SB_TOP);
            }
        }
        EXPECT_EQ(VeskolSimRequestCount(0, 0x03), writes);
        close();
    }

    // A colour temperature without a range: its slider is disabled, and so
    // is its illustration.
    ASSERT_NO_FATAL_FAILURE(
        openColourPage("qrv-lcd-p4", [] { ASSERT_EQ(VeskolSimSetMaximum(0, 0x54, 0), 0); }));
    ASSERT_EQ(innerKinds().front(), 2);
    EXPECT_FALSE(enabled(kCtlTemperatureSlider));
    EXPECT_EQ(pageState().colourIllustration, -11);
}

TEST_F(ColourPageTest, APageWithoutPanelsStillLeavesTheSrgbPreset) {
    // The four-preset panel offers no colour control, only the reset (not in
    // its sRGB preset, 4) and its preset list.
    ASSERT_NO_FATAL_FAILURE(openColourPage("tsw-four-preset"));
    EXPECT_TRUE(innerKinds().empty());
    EXPECT_EQ(subPanel(), nullptr);
    EXPECT_EQ(pageState().currentFeature, -1);  // no feature, not FeatureId 0
    EXPECT_EQ(illustration(), -11);
    EXPECT_TRUE(IsWindowVisible(pageControl(kCtlResetColour)));
    close();

    ASSERT_NO_FATAL_FAILURE(
        openColourPage("tsw-four-preset", [] { ASSERT_EQ(VeskolSimSetValue(0, 0x14, 4), 0); }));
    EXPECT_TRUE(innerKinds().empty());
    EXPECT_FALSE(IsWindowVisible(pageControl(kCtlResetColour)));
    HWND list = pageControl(kCtlPresetList);
    ASSERT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 3);
    choosePreset(0);
    EXPECT_EQ(simValue(0, 0x14), 1);
}

TEST_F(ColourPageTest, AFullRangeColourTemperatureIsReadAgainKeepingItsBaseline) {
    // The table-driven panel's 0x54 runs to 255, its custom setting.
    ASSERT_NO_FATAL_FAILURE(
        openColourPage("qrv-lcd-p4", [] { ASSERT_EQ(VeskolSimSetValue(0, 0x54, 255), 0); }));
    ASSERT_EQ(innerKinds().front(), 2);
    EXPECT_EQ(panelText(kCtlTemperatureValue), L"Custom");
    scrollPanel(kCtlTemperatureSlider, SB_LINEDOWN);
    EXPECT_EQ(simValue(0, 0x54), 254);
    EXPECT_EQ(panelText(kCtlTemperatureValue), L"9572K");  // 5000 K + 254 steps of 18 K
    scrollPanel(kCtlTemperatureSlider, SB_ENDSCROLL);
    // Read again once per gesture: at its first message, not at every step
    // of a dragged thumb.
    for (int gesture = 0; gesture < 2; ++gesture) {
        const int reads = VeskolSimRequestCount(0, 0x01);
        scrollPanel(kCtlTemperatureSlider, SB_THUMBTRACK, 2);
        const int reread = VeskolSimRequestCount(0, 0x01) - reads;
        EXPECT_GT(reread, 0);
        for (int thumb : {3, 4, 2}) {
            scrollPanel(kCtlTemperatureSlider, SB_THUMBTRACK, thumb);
        }
        scrollPanel(kCtlTemperatureSlider, SB_THUMBPOSITION, 2);
        scrollPanel(kCtlTemperatureSlider, SB_ENDSCROLL);
        EXPECT_EQ(VeskolSimRequestCount(0, 0x01) - reads, reread);
    }
    EXPECT_EQ(simValue(0, 0x54), 253);
    // The value read at opening is still the one to go back to.
    EXPECT_TRUE(undoOffered());
    undo();
    EXPECT_EQ(simValue(0, 0x54), 255);
    EXPECT_EQ(panelText(kCtlTemperatureValue), L"Custom");
}

// A preset switch waits and, on this model, stores first: it happens once
// per deliberate choice, driven here through the combo box itself.
TEST_F(ColourPageTest, ThePresetSwitchesOncePerDeliberateChoice) {
    ASSERT_NO_FATAL_FAILURE(openColourPage("qrv-lcd-p4"));  // stores before every switch
    HWND list = pageControl(kCtlPresetList);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ASSERT_TRUE(GetComboBoxInfo(list, &parts));
    SetFocus(list);
    const int start = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    const int last = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0)) - 1;
    ASSERT_GE(start, 0);
    ASSERT_LE(start + 2, last);
    auto inEffect = [&] { return monitor().currentPresetPosition(); };
    auto dropped = [&] { return SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; };
    // The user's input: keys on the focused box, the wheel over it, a click
    // on the first entry of the open list.
    constexpr int kWheelDown = -1;
    constexpr int kWheelUp = -2;
    constexpr int kClickFirst = -3;
    auto give = [&](int input) {
        if (input >= 0) {
            return pressKey(static_cast<UINT>(input));
        }
        if (input != kClickFirst) {
            SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, input == kWheelUp ? 120 : -120), 0);
            return pump();
        }
        RECT place{};
        SendMessageW(parts.hwndList, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&place));
        const LPARAM at = MAKELPARAM(place.left + 5, (place.top + place.bottom) / 2);
        SendMessageW(parts.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(parts.hwndList, WM_LBUTTONUP, 0, at);
        pump();
    };
    struct Step {
        const char* what;
        std::vector<int> input;
        int switches;  // 0 or 1
        int row;       // the entry in effect afterwards
    };
    // Down opens the closed list; in the open list it browses.
    const Step steps[] = {
        {"the wheel over the closed box", {kWheelDown, kWheelDown, kWheelUp}, 0, start},
        {"browsing the open list, then Escape",
         {VK_DOWN, VK_DOWN, kWheelDown, VK_ESCAPE},
         0,
         start},
        {"Enter on a browsed entry", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, 1, start + 2},
        {"a click on an entry", {VK_DOWN, kClickFirst}, 1, 0},
        {"a click on the entry in effect", {VK_DOWN, kClickFirst}, 0, 0},
        {"Enter on the entry in effect", {VK_DOWN, VK_RETURN}, 0, 0},
        {"End on the closed box", {VK_END}, 1, last},
    };
    int perSwitch = -1;  // Set VCP requests of one switch
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const int writes = VeskolSimRequestCount(0, 0x03);
        const int stores = VeskolSimSaveCount(0);
        for (size_t i = 0; i < step.input.size(); ++i) {
            give(step.input[i]);
            EXPECT_EQ(dropped(), i + 1 < step.input.size() && step.input[0] == VK_DOWN) << i;
        }
        EXPECT_EQ(VeskolSimSaveCount(0) - stores, step.switches);
        const int written = VeskolSimRequestCount(0, 0x03) - writes;
        if (step.switches && perSwitch < 0) {
            perSwitch = written;
            EXPECT_GT(perSwitch, 0);
        }
        EXPECT_EQ(written, step.switches ? perSwitch : 0);
        EXPECT_EQ(inEffect(), step.row);
        EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), step.row);
    }
}
