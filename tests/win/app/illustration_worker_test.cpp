#include "app/illustration_worker.h"

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "draw/animated_illustration.h"
#include "tests/win/draw/draw_test_support.h"
#include "tests/win/support/gui_object_counts.h"

namespace {

// An illustration whose rendering stops after it has started, until the
// test lets it go on: the moment to change the code under a running worker.
class HeldIllustration : public AnimatedIllustration {
  public:
    HeldIllustration()
        : started_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          proceed_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~HeldIllustration() override {
        proceed();  // a test that stopped early must not leave the worker waiting
        waitForIllustrationWorker();
        CloseHandle(started_);
        CloseHandle(proceed_);
    }
    HDC captureScreen(HWND window, bool capture) override {
        ++captures;
        SetEvent(started_);
        WaitForSingleObject(proceed_, INFINITE);
        return AnimatedIllustration::captureScreen(window, capture);
    }
    void waitUntilStarted() const { WaitForSingleObject(started_, INFINITE); }
    void proceed() const { SetEvent(proceed_); }

    std::atomic<int> captures{0};

  private:
    HANDLE started_;
    HANDLE proceed_;
};

// Installs an illustration as the program's one for the test's duration.
class IllustrationWorkerTest : public testing::Test {
  protected:
    void SetUp() override {
        useSharedFont();
        app().illustrationStyle = 1;
    }
    void TearDown() override {
        waitForIllustrationWorker();
        app().illustration = nullptr;
        app().illustrationTarget = nullptr;
    }
    TestWindow page{400, 260};
};

PixelPoint panelCorner(const AnimatedIllustration& illustration) {
    const PixelPoint at = framePagePosition(illustration.geometry());
    return {at.x + 2, at.y + 2};
}

}  // namespace

TEST_F(IllustrationWorkerTest, TickRendersInTheBackgroundThenPlays) {
    AnimatedIllustration illustration;
    app().illustration = &illustration;
    illustration.setItem(kIllustrationNothing);
    page.fill(kMarker);

    illustrationTick(page.get());  // not ready: starts the worker
    waitForIllustrationWorker();
    EXPECT_EQ(app().illustrationRunning.load(), 0);
    EXPECT_EQ(app().illustrationWorker.load(), nullptr);
    EXPECT_EQ(app().illustrationTarget.load(), page.get());
    EXPECT_EQ(illustration.isReady(), 1);
    EXPECT_EQ(illustration.isBusy(), 0);
    EXPECT_EQ(illustration.layout(), 1);  // the style applied first
    const PixelPoint corner = panelCorner(illustration);
    EXPECT_EQ(page.pixel(corner.x, corner.y), kMarker);  // nothing shown yet

    illustrationTick(page.get());  // ready: shows frame 0
    EXPECT_EQ(page.pixel(corner.x, corner.y), kIllustrationPanel);
    EXPECT_EQ(illustration.tick(), 1);
}

TEST_F(IllustrationWorkerTest, CodeChangedWhileRenderingThrowsTheFramesAway) {
    HeldIllustration illustration;
    app().illustration = &illustration;
    illustration.setItem(kIllustrationReadingSettings);

    startIllustrationWorker(page.get());
    illustration.waitUntilStarted();
    EXPECT_EQ(illustration.isBusy(), 1);
    EXPECT_EQ(illustration.isReady(), 0);
    EXPECT_EQ(app().illustrationRunning.load(), 1);
    EXPECT_NE(app().illustrationWorker.load(), nullptr);
    illustrationTick(page.get());  // busy: no second worker
    startIllustrationWorker(page.get());
    EXPECT_EQ(illustration.captures.load(), 1);

    illustration.setItem(kIllustrationNothing);
    illustration.freeFrames();
    illustration.proceed();
    waitForIllustrationWorker();
    EXPECT_EQ(illustration.isReady(), 0);
    EXPECT_EQ(illustration.isBusy(), 0);
    for (int k = 0; k < kIllustrationFrames; ++k) {
        EXPECT_EQ(illustration.frame(k), nullptr) << k;
    }
    EXPECT_EQ(app().illustrationRunning.load(), 0);
    EXPECT_EQ(app().illustrationWorker.load(), nullptr);

    // The next tick renders the new code.
    illustrationTick(page.get());
    waitForIllustrationWorker();
    EXPECT_EQ(illustration.captures.load(), 2);
    EXPECT_EQ(illustration.isReady(), 1);
    EXPECT_EQ(illustration.item(), kIllustrationNothing);
}

// Frames freed while a worker renders never become ready: the worker throws
// its own away, the next tick renders from a new capture, and nothing is left
// behind.
TEST_F(IllustrationWorkerTest, FramesFreedDuringARenderingNeverBecomeReady) {
    const int held = heldGdiHandles();
    const int objects = liveGdiObjects();  // the process's own count, too
    {
        HeldIllustration illustration;
        app().illustration = &illustration;
        illustration.setItem(kIllustrationNothing);
        illustrationTick(page.get());
        illustration.waitUntilStarted();
        illustration.freeFrames();  // the same item, frames wanted afresh
        illustration.freeFrames();  // twice does no harm
        illustration.proceed();
        waitForIllustrationWorker();
        EXPECT_EQ(illustration.isReady(), 0);
        EXPECT_EQ(heldGdiHandles(), held);
        illustrationTick(page.get());
        waitForIllustrationWorker();
        EXPECT_EQ(illustration.captures.load(), 2);
        EXPECT_EQ(illustration.isReady(), 1);
        EXPECT_EQ(heldGdiHandles(), held + kIllustrationFrames);
        app().illustration = nullptr;
    }
    EXPECT_EQ(heldGdiHandles(), held);
    EXPECT_EQ(liveGdiObjects(), objects);
}

TEST_F(IllustrationWorkerTest, WaitMessageAppearsAtOnce) {
    AnimatedIllustration illustration;
    illustration.setLayout(2);
    const PixelPoint corner = panelCorner(illustration);
    page.fill(kMarker);
    showWaitIllustration(page.get());  // no illustration object yet: nothing
    EXPECT_EQ(page.pixel(corner.x, corner.y), kMarker);

    app().illustration = &illustration;
    showWaitIllustration(page.get());
    EXPECT_EQ(illustration.item(), kIllustrationReadingSettings);
    EXPECT_EQ(illustration.isReady(), 1);
    EXPECT_EQ(illustration.tick(), 1);  // frame 0 is on the page
    EXPECT_EQ(page.pixel(corner.x, corner.y), kIllustrationPanel);
    EXPECT_EQ(app().illustrationRunning.load(), 0);  // all on this thread
}

// Frames change hands only on the user-interface thread: frames a worker
// finished for an item that was replaced before the page took them are
// never shown, and the frames the page is playing stay alive while the
// worker renders and delivers the next item's.
TEST_F(IllustrationWorkerTest, FramesOfAReplacedItemAreNeverShownNorDeletedByTheWorker) {
    AnimatedIllustration illustration;
    app().illustration = &illustration;
    illustration.setItem(kIllustrationReadingSettings);
    page.fill(kMarker);

    startIllustrationWorker(page.get());
    waitForIllustrationWorker();                          // delivered, not yet taken
    const PixelPoint corner = panelCorner(illustration);  // in the layout the worker applied
    illustration.setItem(kIllustrationNothing);           // the page moved on meanwhile
    illustrationTick(page.get());
    EXPECT_EQ(page.pixel(corner.x, corner.y), kMarker);  // the old item never appears
    waitForIllustrationWorker();                         // the tick rendered the new item

    illustrationTick(page.get());
    ASSERT_EQ(page.pixel(corner.x, corner.y), kIllustrationPanel);
    const HBITMAP playing = illustration.frame(0);
    ASSERT_NE(playing, nullptr);
    illustration.setItem(kIllustrationReadingSettings);
    startIllustrationWorker(page.get());
    waitForIllustrationWorker();
    EXPECT_EQ(GetObjectType(playing), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(illustration.isReady(), 1);  // takes the new frames
    EXPECT_NE(illustration.frame(0), playing);
}
