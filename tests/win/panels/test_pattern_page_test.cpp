// The test-pattern page on the real main window: its buttons in their grid
// with their pictures, opening, switching and closing patterns, the two
// option boxes and their enabling rule, and the main window's test-pattern
// box kept in step whichever way a pattern opens or closes.
#include <gtest/gtest.h>

#include "patterns/pattern_window.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/draw/draw_test_support.h"
#include "tests/win/patterns/pattern_screen.h"

namespace {

constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 37;

class TestPatternPageTest : public MainWindowTest {
  protected:
    ~TestPatternPageTest() override {
        closePatternWindow();
        patternOptions() = PatternOptions{};
    }

    void openPage(const char* profiles = "qrv-crt") {
        start(profiles);
        showTab(kTabTestPattern);
    }
    // Button `id` as the page draws it: whether it is pressed in (the
    // frame's dark edge at the top left) and the colour in its middle.
    struct Drawn {
        bool pressed;
        COLORREF middle;
    };
    Drawn drawn(int id) {
        Canvas canvas(kButtonWidth, kButtonHeight);
        DRAWITEMSTRUCT request = drawRequest(id, canvas.dc(), kButtonWidth, kButtonHeight);
        request.hwndItem = pageControl(id);
        SendMessageW(page(), WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&request));
        return {canvas.pixel(0, 0) == RGB(0, 0, 0), canvas.pixel(20, 18)};
    }
    // The one button drawn pressed in.
    int pressedButton() {
        int found = -1;
        for (int id = kCtlPatternButtonBase + 1; id <= kCtlPatternButtonBase + 28; ++id) {
            if (drawn(id).pressed) {
                EXPECT_EQ(found, -1) << "two buttons pressed in";
                found = id;
            }
        }
        return found;
    }
    bool boxChecked() const {
        return IsDlgButtonChecked(window, kMainTestPatternBox) == BST_CHECKED;
    }
    bool checked(int id) const { return IsDlgButtonChecked(page(), id) == BST_CHECKED; }
    bool enabled(int id) const { return IsWindowEnabled(pageControl(id)) != FALSE; }
};

TEST_F(TestPatternPageTest, ButtonsSitInTheirGridWithTheirPatternsPictures) {
    openPage();
    const int grid[4][7] = {{216, 201, 202, 228, 223, 224, 205},
                            {207, 208, 209, 210, 225, 226, 227},
                            {211, 212, 213, 214, 215, 206, 217},
                            {218, 219, 220, 203, 221, 222, 204}};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 7; ++column) {
            const int id = grid[row][column];
            ASSERT_NE(pageControl(id), nullptr) << id;
            const RECT r = placeOf(pageControl(id));
            const int x = 11 + 48 * column;
            const int y = 50 + 43 * row;
            const RECT expected{x, y, x + kButtonWidth, y + kButtonHeight};
            EXPECT_TRUE(EqualRect(&r, &expected)) << id << " at " << r.left << "," << r.top;
        }
    }
    // Each button shows its own pattern: the solid screens by their colour.
    const std::pair<int, COLORREF> solids[] = {
        {206, RGB(0, 0, 0)},     {207, RGB(255, 0, 0)},     {208, RGB(0, 255, 0)},
        {209, RGB(0, 0, 255)},   {210, RGB(255, 255, 255)}, {225, RGB(255, 255, 0)},
        {226, RGB(255, 0, 255)}, {227, RGB(0, 255, 255)},   {212, RGB(255, 255, 255)},
        {211, RGB(0, 255, 0)},   {213, RGB(0, 0, 0)}};
    for (const auto& [id, colour] : solids) {
        EXPECT_EQ(drawn(id).middle, colour) << id;
    }
    EXPECT_EQ(textOf(pageControl(kCtlPatternGroup)), L"テストパターン");
    EXPECT_EQ(textOf(pageControl(kCtlPatternAutoChoice)), L"パターンの自動選択");
    EXPECT_EQ(textOf(pageControl(kCtlPatternShowHints)), L"ヒントの表示");
    EXPECT_TRUE(checked(kCtlPatternAutoChoice) && checked(kCtlPatternShowHints));
    EXPECT_TRUE(enabled(kCtlPatternShowHints));
    EXPECT_EQ(pressedButton(), kCtlPatternOff);  // no pattern shown
}

TEST_F(TestPatternPageTest, PatternButtonsOpenSwitchAndCloseThePattern) {
    openPage();
    pressOnPage(205);
    ASSERT_TRUE(patternWindowOpen());
    EXPECT_EQ(currentPattern(), 5);
    EXPECT_EQ(testPatternWindow()->adjustedItem(), -1);
    EXPECT_TRUE(boxChecked());
    EXPECT_EQ(pressedButton(), 205);

    // A button chosen while an item's hint shows: the hint goes.
    noteAdjustedItem(48);
    EXPECT_EQ(currentPattern(), 8);
    pressOnPage(207);
    EXPECT_EQ(currentPattern(), 7);
    EXPECT_EQ(testPatternWindow()->adjustedItem(), -1);
    EXPECT_EQ(pressedButton(), 207);

    // The pattern shown, chosen again: still shown, not painted again.
    const POINT p = freePoint();
    markScreen(p);
    pressOnPage(207);
    EXPECT_TRUE(patternWindowOpen());
    EXPECT_EQ(screenPixel(p), kScreenMarker);
    EXPECT_EQ(pressedButton(), 207);

    pressOnPage(kCtlPatternOff);
    EXPECT_FALSE(patternWindowOpen());
    EXPECT_FALSE(boxChecked());
    EXPECT_EQ(pressedButton(), kCtlPatternOff);

    // Opening the page while a pattern shows marks that pattern's button.
    ASSERT_EQ(showTestPattern(22), 0);
    showTab(kTabInformation);
    showTab(kTabTestPattern);
    EXPECT_EQ(pressedButton(), 222);
}

TEST_F(TestPatternPageTest, AutomaticChoiceAndHintBoxes) {
    openPage();
    // Automatic choice off with no window: nothing opens, hints' box disabled.
    pressOnPage(kCtlPatternAutoChoice);
    EXPECT_FALSE(patternOptions().automaticChoice);
    EXPECT_FALSE(checked(kCtlPatternAutoChoice));
    EXPECT_FALSE(enabled(kCtlPatternShowHints));
    EXPECT_TRUE(checked(kCtlPatternShowHints));
    EXPECT_FALSE(patternWindowOpen());

    // On again with no window: pattern 1 opens with hints, the box follows.
    pressOnPage(kCtlPatternAutoChoice);
    EXPECT_TRUE(enabled(kCtlPatternShowHints));
    ASSERT_TRUE(patternWindowOpen());
    EXPECT_EQ(currentPattern(), 1);
    EXPECT_TRUE(boxChecked());
    EXPECT_EQ(pressedButton(), 201);
    EXPECT_TRUE(testPatternWindow()->hintsEnabled());

    // Automatic choice off takes the hints off the pattern at once (their
    // box can't be used then); on again brings them back.
    pressOnPage(kCtlPatternAutoChoice);
    EXPECT_FALSE(testPatternWindow()->hintsEnabled());
    pressOnPage(kCtlPatternAutoChoice);
    EXPECT_TRUE(testPatternWindow()->hintsEnabled());

    // Hints off: an item is remembered without a repaint; on again shows it.
    pressOnPage(kCtlPatternShowHints);
    EXPECT_FALSE(checked(kCtlPatternShowHints));
    EXPECT_FALSE(testPatternWindow()->hintsEnabled());
    const POINT p = freePoint();
    markScreen(p);
    noteAdjustedItem(4);  // no pattern of its own
    EXPECT_EQ(testPatternWindow()->adjustedItem(), 4);
    EXPECT_EQ(screenPixel(p), kScreenMarker);
    pressOnPage(kCtlPatternShowHints);
    EXPECT_TRUE(testPatternWindow()->hintsEnabled());
    EXPECT_NE(screenPixel(p), kScreenMarker);

    // Hints on with no window open pattern 1 too.
    pressOnPage(kCtlPatternOff);
    pressOnPage(kCtlPatternShowHints);
    EXPECT_FALSE(patternWindowOpen());
    pressOnPage(kCtlPatternShowHints);
    EXPECT_EQ(currentPattern(), 1);
    EXPECT_TRUE(boxChecked());
}

TEST_F(TestPatternPageTest, TheMainWindowsBoxFollowsEveryWayAPatternComesAndGoes) {
    start("qrv-crt");
    showTab(kTabGeometry);
    // Not pumped: the command's own 400 ms timer must not run it first.
    SendMessageW(page(), WM_COMMAND, MAKEWPARAM(kCtlAutoGeometry, BN_CLICKED),
                 reinterpret_cast<LPARAM>(pageControl(kCtlAutoGeometry)));
    EXPECT_EQ(currentPattern(), 24);
    EXPECT_TRUE(boxChecked());
    SendMessageW(page(), WM_TIMER, 3, 0);  // the command ran: the pattern goes
    pump();
    EXPECT_FALSE(patternWindowOpen());
    EXPECT_FALSE(boxChecked());

    // Escape closes the pattern like the box does, and the page follows.
    showTab(kTabTestPattern);
    pressOnPage(219);
    ASSERT_TRUE(boxChecked());
    SetFocus(pageControl(219));
    MSG escape{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(window, &escape));
    pump();
    EXPECT_FALSE(patternWindowOpen());
    EXPECT_FALSE(boxChecked());
    EXPECT_EQ(pressedButton(), kCtlPatternOff);
    EXPECT_TRUE(IsWindow(window));  // with no pattern, Escape does nothing
    EXPECT_TRUE(IsDialogMessageW(window, &escape));
    EXPECT_TRUE(IsWindow(window));

    // The box itself opens pattern 1, which the page marks, and closes
    // whichever pattern shows by then.
    press(kMainTestPatternBox);
    EXPECT_EQ(currentPattern(), 1);
    EXPECT_TRUE(boxChecked());
    EXPECT_EQ(pressedButton(), 201);
    selectPattern(5);
    press(kMainTestPatternBox);
    EXPECT_FALSE(patternWindowOpen());
    EXPECT_FALSE(boxChecked());
    EXPECT_EQ(pressedButton(), kCtlPatternOff);
}

}  // namespace
