#include "app/strings.h"
#include "app/tabs.h"
#include "app/workers.h"
#include "tests/win/app/main_window_fixture.h"

// The monitor list's rows: text and item data.
using Rows = std::vector<std::pair<std::wstring, LPARAM>>;

TEST_F(MainWindowTest, CreationMakesEveryControlInItsPlace) {
    start("qrv-crt,tsw-lcd,other-vendor");
    EXPECT_EQ(FindWindowW(L"Lumetra", L"Lumetra  "), window);
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 30);
    EXPECT_EQ(frame.top, 30);
    EXPECT_EQ(frame.right - frame.left, 383);
    EXPECT_EQ(frame.bottom - frame.top, 376 + GetSystemMetrics(SM_CYSIZE));

    struct Expected {
        int id;
        const wchar_t* windowClass;
        int x, y, width, height;  // -1: any width or height
    };
    const Expected expected[] = {
        {kMainTestPatternBox, L"Button", 20, 315, 220, 25},
        {kMainOk, L"Button", 210, 338, 70, 24},
        {kMainCancel, L"Button", 290, 338, 70, 24},
        {kMainMonitorList, L"ComboBox", 5, 338, 193, -1},
        {kMainLogo, L"Button", 10, 275, -1, -1},
    };
    for (const Expected& e : expected) {
        HWND c = control(e.id);
        ASSERT_NE(c, nullptr) << e.id;
        EXPECT_EQ(classOf(c), e.windowClass) << e.id;
        const RECT r = placeOf(c);
        const RECT want{e.x, e.y, e.width > 0 ? e.x + e.width : r.right,
                        e.height > 0 ? e.y + e.height : r.bottom};
        EXPECT_TRUE(EqualRect(&r, &want))
            << e.id << " at " << r.left << "," << r.top << " to " << r.right << "," << r.bottom;
    }
    EXPECT_EQ(textOf(control(kMainOk)), L"OK");
    EXPECT_EQ(textOf(control(kMainCancel)), L"キャンセル");
    EXPECT_EQ(textOf(control(kMainTestPatternBox)), L"テストパターン表示");
    EXPECT_FALSE(IsWindowEnabled(control(kMainLogo)));

    // The tab control with its three permanent tabs and, for the tube, the
    // colour, geometry and other-settings tabs in parameter order, images
    // only, and the brightness page inside it.
    HWND tabs = control(kMainTabControl);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabTags(), (std::vector<int>{0, 1, 4, 5, 6, 7}));
    const int images[] = {0, 1, 2, 3, 4, 6};
    for (int position = 0; position < 6; ++position) {
        TCITEMW item{};
        item.mask = TCIF_IMAGE;
        TabCtrl_GetItem(tabs, position, &item);
        EXPECT_EQ(item.iImage, images[position]) << position;
    }
    ASSERT_NE(page(), nullptr);
    EXPECT_EQ(GetParent(page()), tabs);
    EXPECT_NE(pageControl(kCtlMonitorPicture), nullptr);

    // The system menu offers the about box.
    wchar_t about[64] = {};
    GetMenuStringW(GetSystemMenu(window, FALSE), kSysMenuAbout, about, 64, MF_BYCOMMAND);
    EXPECT_STREQ(about, L"&About...");
}

TEST_F(MainWindowTest, ListsOnlyTheMakersMonitorsAndOpensTheFirst) {
    start("qrv-crt,other-vendor,paged-busy");
    EXPECT_EQ(rows(), (Rows{{L"1. QRVモニター (QRV G17)", 0}, {L"2. QRVモニター (QRV P17)", 2}}));
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(monitor().isOpen(), 1);
    EXPECT_EQ(monitor().interfaceIndex(), 0);
    EXPECT_TRUE(IsWindowEnabled(control(kMainMonitorList)));
    EXPECT_EQ(app().busy, 0);
}

TEST_F(MainWindowTest, WithoutMonitorsTheListSaysSoAndNothingOpens) {
    start("other-vendor");
    EXPECT_EQ(rows(), (Rows{{L"DDC/CIモニターが見つかりません", 100}}));
    EXPECT_EQ(monitor().isOpen(), 0);
    chooseRow(0);
    EXPECT_EQ(monitor().isOpen(), 0);
    EXPECT_FALSE(IsWindowVisible(pageControl(kCtlPrimarySlider)));
}

TEST_F(MainWindowTest, SwitchingMonitorsAsksAndStoresOnYes) {
    start("qrv-crt,tsw-lcd");
    ASSERT_EQ(monitor().setValue(15, 33), 0);
    int asked = 0;
    app().ask = [&](HWND, const wchar_t* text, const wchar_t* title, UINT) {
        ++asked;
        EXPECT_STREQ(text, L"調整の内容をモニターに記憶させますか？");
        EXPECT_STREQ(title, L"Lumetra");
        return IDYES;
    };
    chooseRow(1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(simSaved(0, 0x12), 33);
    EXPECT_EQ(simValue(0, 0x12), 33);
    EXPECT_EQ(monitor().interfaceIndex(), 1);
    EXPECT_EQ(monitor().isOpen(), 1);
}

TEST_F(MainWindowTest, SwitchingMonitorsWithNoPutsTheValuesBackThenStores) {
    start("qrv-crt,tsw-lcd");
    ASSERT_EQ(monitor().setValue(15, 33), 0);
    ASSERT_EQ(monitor().setValue(14, 20), 0);
    answerEveryQuestion(IDNO);
    chooseRow(1);
    EXPECT_EQ(simValue(0, 0x12), 80);
    EXPECT_EQ(simValue(0, 0x10), 50);
    EXPECT_EQ(simSaved(0, 0x12), 80);
    EXPECT_EQ(VeskolSimSaveCount(0), 1);
}

TEST_F(MainWindowTest, SwitchingWithoutChangesAsksNothing) {
    start("qrv-crt,tsw-lcd");
    app().ask = [](HWND, const wchar_t*, const wchar_t*, UINT) -> int {
        ADD_FAILURE() << "asked without a change";
        return IDNO;
    };
    chooseRow(1);
    EXPECT_EQ(VeskolSimSaveCount(0), 0);
    EXPECT_EQ(monitor().interfaceIndex(), 1);
}

// OK stores what changed, also a change that a colour reset took over as
// its new baseline; Cancel puts every changed value back and stores that;
// the close box stores nothing and puts nothing back. Without a change, no
// way of closing stores.
TEST_F(MainWindowTest, EachWayOfClosingStoresOrPutsBackAsItShould) {
    struct Case {
        const char* name;
        int way;         // the button, or 0 for the close box
        bool changed;    // brightness set to 70
        bool reset;      // then the colours reset (brightness read back as a baseline)
        int brightness;  // on the monitor afterwards
        int stored;      // in its memory (-1: never stored)
        int saves;
    };
    const Case cases[] = {
        {"OK, unchanged", kMainOk, false, false, 50, -1, 0},
        {"OK, changed", kMainOk, true, false, 70, 70, 1},
        {"OK, changed, colours reset", kMainOk, true, true, 70, 70, 1},
        {"Cancel, unchanged", kMainCancel, false, false, 50, -1, 0},
        {"Cancel, changed", kMainCancel, true, false, 50, 50, 1},
        {"close box, changed", 0, true, false, 70, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start("qrv-crt");
        if (c.changed) {
            ASSERT_EQ(monitor().setValue(14, 70), 0);
        }
        if (c.reset) {
            ASSERT_EQ(monitor().resetColour(), 0);
        }
        closeWith(c.way);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(simValue(0, 0x10), c.brightness);
        EXPECT_EQ(simSaved(0, 0x10), c.stored);
        EXPECT_EQ(VeskolSimSaveCount(0), c.saves);
    }
}

TEST_F(MainWindowTest, DisplayChangeReReadsEverythingWithANewBaseline) {
    start("qrv-crt");
    ASSERT_EQ(VeskolSimSetValue(0, 0x22, 77), 0);  // the mode switch moved the picture
    SendMessageW(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    SendMessageW(window, WM_TIMER, kTimerDisplayChange, 0);
    pump();
    EXPECT_EQ(monitor().value(1), 77);
    EXPECT_EQ(monitor().anyModified(), 0);  // not a change of the user's

    // Unplugged since: the reload gives up, and the window shows what it
    // shows after a failed open.
    ASSERT_EQ(VeskolSimSetFaults(0, "disappear=0"), 0);
    SendMessageW(window, WM_TIMER, kTimerDisplayChange, 0);
    pump();
    EXPECT_EQ(monitor().isOpen(), 0);
    EXPECT_EQ(tabTags(), (std::vector<int>{0, 6, 7}));
    EXPECT_FALSE(IsWindowVisible(pageControl(kCtlPrimarySlider)));
    EXPECT_EQ(app().monitorPictureNumber, kDefaultMonitorPicture);
}

// A store the monitor does not take (its save refused five times) is told;
// OK leaves the window open and a Yes stays on the monitor, each with the
// value as the user set it, so that the next try can store it. Cancel still
// puts the value back and closes.
TEST_F(MainWindowTest, AStoreTheMonitorDidNotTakeIsToldAndLosesNothing) {
    struct Case {
        const char* name;
        int retry;       // what the user does after being told
        int brightness;  // on the monitor afterwards
        int stored;
    };
    const Case cases[] = {
        {"OK, then OK again", kMainOk, 70, 70},
        {"OK, then Cancel", kMainCancel, 50, 50},
        {"Yes, then Yes again", 0, 70, 70},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        start("qrv-crt,tsw-lcd");
        ASSERT_EQ(monitor().setValue(14, 70), 0);
        std::vector<std::wstring> told;
        app().ask = [&](HWND, const wchar_t* text, const wchar_t*, UINT flags) {
            if (flags == (MB_ICONWARNING | MB_OK)) {
                told.emplace_back(text);
                return IDOK;
            }
            return IDYES;
        };
        ASSERT_EQ(VeskolSimSetFaults(0, "next=nak*5"), 0);
        if (c.retry) {
            press(kMainOk);
            EXPECT_TRUE(IsWindow(window));
        } else {
            chooseRow(1);
            EXPECT_EQ(monitor().interfaceIndex(), 0);
            EXPECT_EQ(selectedRow(), 0);
        }
        EXPECT_EQ(told, std::vector<std::wstring>{loadString(IDS_STORE_FAILED)});
        EXPECT_EQ(monitor().value(14), 70);
        EXPECT_EQ(simSaved(0, 0x10), -1);

        if (c.retry) {
            closeWith(c.retry);
            EXPECT_FALSE(IsWindow(window));
        } else {
            chooseRow(1);
            EXPECT_EQ(monitor().interfaceIndex(), 1);
        }
        EXPECT_EQ(told.size(), 1u);
        EXPECT_EQ(simValue(0, 0x10), c.brightness);
        EXPECT_EQ(simSaved(0, 0x10), c.stored);
    }
}

TEST_F(MainWindowTest, DeferredSaveStoresOnceAfterTheLastWrite) {
    start("qrv-crt");
    armDeferredSave();
    EXPECT_EQ(app().deferredSavePending, 1);
    armDeferredSave();  // a second write pushes the store further
    EXPECT_EQ(VeskolSimSaveCount(0), 0);
    SendMessageW(window, WM_TIMER, kTimerDeferredSave, 0);
    EXPECT_EQ(app().deferredSavePending, 0);
    EXPECT_EQ(VeskolSimSaveCount(0), 1);
}

// On a monitor that stores every change shortly after the last write, OK
// and Cancel store once and the close that follows adds no second store;
// the close box makes the store that was still waiting.
TEST_F(MainWindowTest, EachWayOfClosingStoresADeferredSaveOnce) {
    for (int way : {kMainOk, kMainCancel, 0}) {
        SCOPED_TRACE(way);
        start("tsw-four-preset");
        const int original = simValue(0, 0x10);
        ASSERT_EQ(monitor().setValue(14, 70), 0);
        ASSERT_EQ(app().deferredSavePending, 1);
        const int before = VeskolSimSaveCount(0);
        closeWith(way);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(VeskolSimSaveCount(0) - before, 1);
        EXPECT_EQ(simSaved(0, 0x10), way == kMainCancel ? original : 70);
    }
}

namespace {

HWND watchedList = nullptr;
int listEnabled = 0;

LRESULT CALLBACK recordListEnabled(int code, WPARAM wParam, LPARAM lParam) {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call.hwnd == watchedList && call.message == WM_ENABLE && call.wParam) {
        ++listEnabled;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

// An open that ends just as the window closes: its done message is still
// queued while the destruction dispatches messages. The window work of a
// finished open (tabs, picture, page, monitor list) must not run then.
TEST_F(MainWindowTest, AnOpenEndingDuringTheCloseDoesNoWindowWork) {
    start("qrv-crt");
    watchedList = control(kMainMonitorList);
    EnableWindow(watchedList, FALSE);
    listEnabled = 0;
    // A worker that has cleared busy and posted its message, about to end.
    app().openWorker = CreateThread(
        nullptr, 0, [](LPVOID) -> DWORD { return Sleep(100), 0; }, nullptr, 0, nullptr);
    PostMessageW(window, kMsgOpenDone, 0, 0);
    HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, recordListEnabled, nullptr, GetCurrentThreadId());
    DestroyWindow(window);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(listEnabled, 0);
    EXPECT_EQ(app().openWorker.load(), nullptr);
    window = nullptr;
}

// The list stays disabled while a monitor is opened; a close during an open
// stops the reading early and ends without a hang.
TEST_F(MainWindowTest, AnOpenDisablesTheListUntilTheMonitorIsReadAndACloseStopsIt) {
    start("qrv-crt,tsw-lcd");
    // The first open of interface 1 happened while listing it (identity
    // only); this one opens it fully and counts its control reads.
    const int readsBefore = VeskolSimRequestCount(1, 0x01);
    startOpenWorker(1);
    EXPECT_EQ(app().busy, 1);  // set before the worker runs
    EXPECT_FALSE(IsWindowEnabled(control(kMainMonitorList)));
    waitForOpen();
    EXPECT_EQ(app().busy, 0);
    EXPECT_TRUE(IsWindowEnabled(control(kMainMonitorList)));
    EXPECT_EQ(monitor().isOpen(), 1);
    EXPECT_EQ(monitor().interfaceIndex(), 1);
    EXPECT_TRUE(IsWindowVisible(pageControl(kCtlPrimarySlider)));  // the page was refreshed
    const int fullOpenReads = VeskolSimRequestCount(1, 0x01) - readsBefore;
    ASSERT_GT(fullOpenReads, 5);

    // The worker held in its tenth wait, well inside the reading.
    clock.holdWorkerAtWait(10);
    const int before = VeskolSimRequestCount(1, 0x01);
    startOpenWorker(1);
    EXPECT_EQ(app().busy, 1);
    ASSERT_TRUE(clock.waitUntilHeld());
    DestroyWindow(window);  // returns once the worker has stopped
    pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(app().openWorker.load(), nullptr);
    EXPECT_EQ(app().monitor, nullptr);
    EXPECT_LT(VeskolSimRequestCount(1, 0x01) - before, fullOpenReads);  // the read stopped early
    window = nullptr;
}
