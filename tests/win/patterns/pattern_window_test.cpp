// The full-screen pattern window with the real main window: opening,
// switching and closing, the main window adopted and released at the same
// screen position, repaints only when something changed, and the automatic
// choice of a pattern.
#include <gtest/gtest.h>

#include <vector>

#include "patterns/pattern_window.h"
#include "patterns/pixels/pattern_geometry.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/patterns/pattern_screen.h"
#include "tests/win/support/message_spy.h"

namespace {

class PatternWindowTest : public MainWindowTest {
  protected:
    ~PatternWindowTest() override {
        closePatternWindow();
        patternOptions() = PatternOptions{};
    }
};

TEST_F(PatternWindowTest, OpensOverTheMonitorAdoptsTheMainWindowAndGivesItBack) {
    start("qrv-crt");
    RECT before{};
    GetWindowRect(window, &before);
    ASSERT_EQ(showTestPattern(7), 0);
    pump();
    HWND pattern = patternHandle();
    ASSERT_NE(pattern, nullptr);
    wchar_t name[32] = {};
    GetClassNameW(pattern, name, 32);
    EXPECT_STREQ(name, L"backgrnd");
    EXPECT_EQ(textOf(pattern), L"Lumetra");
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    RECT covered{};
    GetWindowRect(pattern, &covered);
    EXPECT_TRUE(EqualRect(&covered, &info.rcMonitor));
    EXPECT_EQ(GetParent(window), pattern);
    RECT adopted{};
    GetWindowRect(window, &adopted);
    EXPECT_TRUE(EqualRect(&adopted, &before));
    const POINT free = freePoint();
    EXPECT_EQ(screenPixel(free.x, free.y), RGB(255, 0, 0));
    EXPECT_TRUE(IsWindowVisible(window));

    // A second open keeps the pattern; selecting switches it at once.
    ASSERT_EQ(showTestPattern(9), 0);
    EXPECT_EQ(currentPattern(), 7);
    selectPattern(8);
    EXPECT_EQ(screenPixel(free.x, free.y), RGB(0, 255, 0));

    ASSERT_EQ(showTestPattern(0), 0);
    pump();
    EXPECT_FALSE(IsWindow(pattern));
    EXPECT_EQ(testPatternWindow(), nullptr);
    EXPECT_EQ(currentPattern(), -1);
    EXPECT_EQ(GetParent(window), nullptr);
    EXPECT_NE(GetWindowLongPtrW(window, GWL_STYLE) & WS_POPUP, 0);
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_TRUE(EqualRect(&after, &before));

    // On a screen whose origin is not (0, 0), the main window, released,
    // never stands anywhere but at its place, not even for one move.
    ASSERT_EQ(showTestPattern(7), 0);
    SetWindowPos(patternHandle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT place{};
    GetWindowRect(window, &place);
    EXPECT_EQ(place.left, before.left + 40);
    static std::vector<RECT> shownAt;
    shownAt.clear();
    HHOOK hook = SetWindowsHookExW(
        WH_CALLWNDPROCRET,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
            if (sent->message == WM_WINDOWPOSCHANGED && sent->hwnd == app().mainWindow &&
                GetAncestor(sent->hwnd, GA_PARENT) == GetDesktopWindow() &&
                IsWindowVisible(sent->hwnd)) {
                RECT r{};
                GetWindowRect(sent->hwnd, &r);
                shownAt.push_back(r);
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_EQ(showTestPattern(0), 0);
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(shownAt.empty());
    for (const RECT& r : shownAt) {
        EXPECT_TRUE(EqualRect(&r, &place)) << r.left << "," << r.top;
    }
}

// The screen is repainted only when what it shows changes, and a repaint
// never covers the main window, which stays on top.
TEST_F(PatternWindowTest, RepaintsOnlyForAnotherPatternOrHintAndLeaveTheMainWindowAlone) {
    start("qrv-crt");
    ASSERT_EQ(showTestPattern(10), 0);
    pump();
    RECT main{};
    GetWindowRect(window, &main);
    MapWindowPoints(nullptr, patternHandle(), reinterpret_cast<POINT*>(&main), 2);
    const COLORREF face = screenPixel(main.left + 100, main.bottom - 8);
    EXPECT_NE(face, RGB(255, 255, 255));
    selectPattern(6);
    EXPECT_EQ(screenPixel(main.left + 100, main.bottom - 8), face);
    EXPECT_EQ(screenPixel(main.right + 2, main.bottom + 2), RGB(0, 0, 0));

    const POINT p = freePoint();
    markScreen(p);
    selectPattern(6);
    EXPECT_EQ(screenPixel(p), kScreenMarker);
    selectPattern(10);
    EXPECT_EQ(screenPixel(p), RGB(255, 255, 255));

    // Hints are off with automatic choice off: the item is only remembered.
    HintedPatternWindow* shown = testPatternWindow();
    shown->setHintsEnabled(false);
    markScreen(p);
    shown->setAdjustedItem(48);
    EXPECT_EQ(screenPixel(p), kScreenMarker);
    shown->setHintsEnabled(true);  // shows the remembered item's hint
    EXPECT_EQ(screenPixel(p), RGB(255, 255, 255));
    markScreen(p);
    shown->setAdjustedItem(48);
    EXPECT_EQ(screenPixel(p), kScreenMarker);
}

TEST_F(PatternWindowTest, AutomaticChoiceFollowsTheAdjustedItem) {
    start("qrv-crt");
    noteAdjustedItem(14);  // no window: nothing at all
    EXPECT_FALSE(patternWindowOpen());
    ASSERT_EQ(showTestPattern(3), 0);
    EXPECT_EQ(testPatternWindow()->adjustedItem(), -1);
    EXPECT_TRUE(testPatternWindow()->hintsEnabled());
    // A new item with a new pattern paints the screen once, pattern and
    // hint together.
    const struct {
        int feature;
        int pattern;  // shown afterwards
        int paints;
    } steps[] = {{14, 23, 1}, {15, 23, 1}, {15, 23, 0}, {48, 8, 1},  {4, 8, 1},
                 {11, 1, 1},  {73, 21, 1}, {62, 21, 1}, {82, 18, 1}, {1, 15, 1}};
    for (const auto& step : steps) {
        int paints = 0;
        MessageSpy spy(patternHandle(), [&](UINT message, WPARAM, LPARAM) {
            paints += message == WM_PAINT ? 1 : 0;
        });
        noteAdjustedItem(step.feature);
        EXPECT_EQ(currentPattern(), step.pattern) << step.feature;
        EXPECT_EQ(testPatternWindow()->adjustedItem(), step.feature);
        EXPECT_EQ(paints, step.paints) << step.feature;
    }
    patternOptions().automaticChoice = false;
    noteAdjustedItem(48);
    EXPECT_EQ(currentPattern(), 15);
    EXPECT_EQ(testPatternWindow()->adjustedItem(), 48);
}

// The window opens with hints only when both options are on.
TEST_F(PatternWindowTest, OpensWithHintsOnlyWhenBothOptionsAreOn) {
    start("qrv-crt");
    const struct {
        bool automatic, hints, shown;
    } cases[] = {{true, true, true}, {true, false, false}, {false, true, false}};
    for (const auto& c : cases) {
        patternOptions() = PatternOptions{c.automatic, c.hints};
        ASSERT_EQ(showTestPattern(1), 0);
        EXPECT_EQ(testPatternWindow()->hintsEnabled(), c.shown);
        ASSERT_EQ(showTestPattern(0), 0);
    }
}

// The focus stays with the main window, and Alt+F4 on the pattern (the
// system menu's Close) ends the program, not just the pattern.
TEST_F(PatternWindowTest, FocusStaysWithTheMainWindowAndClosingThePatternClosesTheProgram) {
    start("qrv-crt");
    ASSERT_EQ(showTestPattern(1), 0);
    pump();
    SetFocus(patternHandle());
    pump();
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == window || IsChild(window, focus));

    // The system menu's Close, Alt+F4 and a close from outside (End task)
    // all go the main window's own way.
    for (UINT message : {WM_SYSCOMMAND, WM_CLOSE}) {
        if (!window) {
            start("qrv-crt");
            ASSERT_EQ(showTestPattern(1), 0);
            pump();
        }
        int closes = 0;
        MessageSpy spy(window, [&](UINT message, WPARAM wParam, LPARAM) {
            closes += message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE ? 1 : 0;
        });
        SendMessageW(patternHandle(), message, message == WM_CLOSE ? 0 : SC_CLOSE, 0);
        pump();
        EXPECT_EQ(closes, 1) << message;
        EXPECT_FALSE(IsWindow(window));
        EXPECT_FALSE(patternWindowOpen());
        window = nullptr;
    }
}

}  // namespace
