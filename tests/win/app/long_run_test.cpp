// Long runs of the whole window: a thousand switches of pages, colour
// panels and patterns give back every GDI object and window they made, and
// closing the program at any point of a monitor open ends cleanly.
#include <random>
#include <set>

#include "app/workers.h"
#include "patterns/pattern_window.h"
#include "tests/win/panels/colour_page_fixture.h"
#include "tests/win/support/gui_object_counts.h"

namespace {

constexpr int kSwitches = 1000;
constexpr int kCloseRounds = 200;

using LongRunTest = ColourPageTest;

TEST_F(LongRunTest, AThousandSwitchesOfPagesPanelsAndPatternsGiveEverythingBack) {
    openColourPage("tsw-rich-caps,qrv-crt");
    const std::vector<int> tags = tabTags();
    ASSERT_GE(tags.size(), 4u);
    const int innerCount = TabCtrl_GetItemCount(innerTabs());
    ASSERT_GE(innerCount, 2);
    // Switch i: a page, a colour panel, a pattern opened or changed, or the
    // pattern closed every other round.
    auto switchOnce = [&](int i) {
        const int round = i / 4;
        switch (i % 4) {
            case 0:
                showTab(tags[static_cast<size_t>(round) % tags.size()]);
                break;
            case 1:
                showTab(kTabColour);
                selectInner(round % innerCount);
                break;
            case 2:
                if (patternWindowOpen()) {
                    selectPattern(1 + round % 28);
                } else {
                    (void)showTestPattern(1 + round % 28);
                }
                pump();
                break;
            default:
                if (round % 2) {
                    closePatternWindow();
                    pump();
                }
                break;
        }
    };
    // The brightness page with its illustration playing: two moments there
    // hold the same objects.
    auto backToTheStart = [&] {
        closePatternWindow();
        showTab(kTabBrightness);
        playIllustration();
    };
    // One round through every page, panel and pattern first: fonts, cached
    // bitmaps and classes made once for the life of the program (or of
    // Wine's own caches) are not leaks.
    for (int i = 0; i < 4 * 28; ++i) {
        switchOnce(i);
    }
    backToTheStart();
    const int gdiObjects = liveGdiObjects();
    const int windows = liveWindows();
    const GdiObjectSnapshot before;
    ASSERT_GT(gdiObjects, 0);

    for (int i = 0; i < kSwitches; ++i) {
        switchOnce(i);
    }
    backToTheStart();
    EXPECT_EQ(liveGdiObjects(), gdiObjects) << before.objectsMadeSince();
    EXPECT_EQ(liveWindows(), windows);
}

// Which windows get messages once the main window is gone.
std::set<HWND> closedWindows;
bool mainWindowGone = false;
HWND watchedMain = nullptr;
int messagesAfterTheClose = 0;

void noteMessage(HWND window, UINT message) {
    if (window == watchedMain && message == WM_NCDESTROY) {
        mainWindowGone = true;
    } else if (mainWindowGone && closedWindows.count(window)) {
        ++messagesAfterTheClose;
    }
}

LRESULT CALLBACK watchSent(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    noteMessage(sent->hwnd, sent->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK watchPosted(int code, WPARAM wParam, LPARAM lParam) {
    const auto* posted = reinterpret_cast<const MSG*>(lParam);
    noteMessage(posted->hwnd, posted->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The program is closed at random points of a monitor open, in each of the
// ways a user can close it. Every close returns (DestroyWindow waits for the
// worker), the worker has ended, nothing reaches the windows that are gone,
// and the next start opens the monitor normally.
TEST_F(LongRunTest, ClosingAtAnyPointOfAnOpenNeverHangsNorTouchesTheClosedWindow) {
    answerEveryQuestion(IDYES);
    start("qrv-crt,tsw-lcd");
    clock.holdWorkerAtWait(0);  // counts the waits of a full open, holds nowhere
    startOpenWorker(1);
    waitForOpen();
    const int fullOpen = clock.workerWaits();
    ASSERT_GT(fullOpen, 10);
    close();

    std::mt19937 random(20261207);
    HHOOK sentHook = SetWindowsHookExW(WH_CALLWNDPROC, watchSent, nullptr, GetCurrentThreadId());
    HHOOK postedHook = SetWindowsHookExW(WH_GETMESSAGE, watchPosted, nullptr, GetCurrentThreadId());
    int closedDuringAnOpen = 0;
    for (int round = 0; round < kCloseRounds; ++round) {
        start("qrv-crt,tsw-lcd");
        ASSERT_NE(app().monitor, nullptr);
        ASSERT_TRUE(app().monitor->isOpen()) << round;
        // The worker held at a random wait of the open until the close begins.
        clock.holdWorkerAtWait(1 + static_cast<int>(random() % static_cast<unsigned>(fullOpen)));
        startOpenWorker(1);
        closedDuringAnOpen += clock.waitUntilHeld() ? 1 : 0;

        const std::vector<HWND> inside = descendants(window);
        closedWindows = {inside.begin(), inside.end()};
        closedWindows.insert(window);
        watchedMain = window;
        mainWindowGone = false;
        messagesAfterTheClose = 0;
        switch (round % 3) {
            case 0:
                DestroyWindow(window);
                break;
            case 1:
                SendMessageW(window, WM_CLOSE, 0, 0);
                break;
            default:
                SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
        }
        pump();
        EXPECT_FALSE(IsWindow(window)) << round;
        EXPECT_TRUE(mainWindowGone) << round;
        EXPECT_EQ(messagesAfterTheClose, 0) << round;
        EXPECT_EQ(app().openWorker.load(), nullptr) << round;
        EXPECT_EQ(app().monitor, nullptr) << round;
        EXPECT_EQ(app().illustrationRunning.load(), 0) << round;
        window = nullptr;
    }
    UnhookWindowsHookEx(sentHook);
    UnhookWindowsHookEx(postedHook);
    EXPECT_EQ(closedDuringAnOpen, kCloseRounds);  // every close lands inside the open
}

}  // namespace
