// The program's main window created in the test process, with simulated
// monitors linked in and the virtual clock shared with the open worker.
// Tests send the messages a user's actions produce, pump, and look at the
// windows and at what reached the simulated monitors.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/illustration_worker.h"
#include "app/main_window.h"
#include "app/tabs.h"
#include "draw/animated_illustration.h"
#include "link/clock.h"
#include "monitor/active_monitor.h"
#include "panels/adjustment_page.h"
#include "resources/resource_ids.h"
#include "veskol/simulator_api.h"

// Shift held (or not) as the next key-state query sees it.
inline void holdShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// The tests' virtual clock, which can also hold the open worker in one of
// its waits until the main window's close has begun: a close that lands at
// a known step of an open, however busy the machine is.
class WorkerHoldingClock : public ScopedVirtualClock {
  public:
    // Holds the worker in its `wait`th wait from now (1 is the next).
    void holdWorkerAtWait(int wait) {
        held_ = false;
        waited_ = 0;
        holdAt_ = wait;
    }
    // Waits until the worker is held or has finished its open; whether it
    // is held.
    bool waitUntilHeld() const {
        while (!held_ && app().busy) {
            Sleep(0);
        }
        return held_;
    }
    // Waits made by threads other than the test's since the last hold was set.
    [[nodiscard]] int workerWaits() const { return waited_; }

    void sleep(int milliseconds) override {
        ScopedVirtualClock::sleep(milliseconds);
        if (GetCurrentThreadId() == testThread_) {
            return;
        }
        if (++waited_ == holdAt_) {
            held_ = true;
            while (!app().abortFlag) {
                Sleep(1);
            }
            holdAt_ = -1;
        }
    }

  private:
    const DWORD testThread_ = GetCurrentThreadId();
    std::atomic<int> holdAt_{-1};
    std::atomic<int> waited_{0};
    std::atomic<bool> held_{false};
};

class MainWindowTest : public ::testing::Test {
  protected:
    ~MainWindowTest() override {
        close();
        app().ask = savedAsk_;  // tests answer with lambdas over their own locals
        app().trackMenu = savedTrackMenu_;
        app().openInShell = savedOpenInShell_;
        app().showHelpFile = savedShowHelpFile_;
    }

    // Simulates `profiles`, creates the main window and waits until the
    // first monitor is open (or found missing).
    void start(const char* profiles, const char* state = "",
               const std::function<void()>& beforeWindow = nullptr) {
        ASSERT_EQ(VeskolSimConfigure(profiles, state, ""), 0);
        if (beforeWindow) {
            beforeWindow();  // e.g. change a simulated monitor first
        }
        app().instance = GetModuleHandleW(nullptr);
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        ASSERT_TRUE(registerMainWindowClass(app().instance));
        window = createMainWindow(app().instance, SW_SHOW);
        ASSERT_NE(window, nullptr);
        waitForOpen();
    }

    // Dispatches every pending message.
    static void pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                continue;  // the next test's window runs its own loop
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    // Pumps until the open worker has ended and its window work is done; an
    // open still running after the time given to it fails the test.
    static void waitForOpen() {
        for (int i = 0; i < 20000 && (app().openWorker.load() || app().busy); ++i) {
            pump();
            Sleep(1);
        }
        EXPECT_FALSE(app().openWorker.load() || app().busy) << "the monitor open did not end";
        pump();
    }

    void close() {
        if (window && IsWindow(window)) {
            DestroyWindow(window);
        }
        window = nullptr;
        pump();
    }

    HWND control(int id) const { return GetDlgItem(window, id); }
    HWND page() const { return app().currentPanel; }
    HWND pageControl(int id) const { return GetDlgItem(page(), id); }
    ActiveMonitor& monitor() const { return *app().monitor; }

    // A control's rectangle in its parent's client coordinates.
    static RECT placeOf(HWND control) {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    static std::wstring textOf(HWND control) {
        wchar_t text[256] = {};
        GetWindowTextW(control, text, 256);
        return text;
    }

    // The name of `window`'s window class.
    static std::wstring classOf(HWND window) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        return name;
    }

    // Every window inside `parent`: its children and theirs.
    static std::vector<HWND> descendants(HWND parent) {
        std::vector<HWND> found;
        EnumChildWindows(
            parent,
            [](HWND child, LPARAM list) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    // The rows of `combo` (the monitor list when null): (text, item data).
    std::vector<std::pair<std::wstring, LPARAM>> rows(HWND combo = nullptr) const {
        std::vector<std::pair<std::wstring, LPARAM>> out;
        combo = combo ? combo : control(kMainMonitorList);
        const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[256] = {};
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            out.emplace_back(text, SendMessageW(combo, CB_GETITEMDATA, i, 0));
        }
        return out;
    }

    // The user picks row `row` of the monitor list.
    void chooseRow(int row) {
        HWND combo = control(kMainMonitorList);
        SendMessageW(combo, CB_SETCURSEL, row, 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(kMainMonitorList, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        waitForOpen();
    }

    // The selected row of the monitor list.
    int selectedRow() const {
        return static_cast<int>(SendMessageW(control(kMainMonitorList), CB_GETCURSEL, 0, 0));
    }

    // The parameters of the tabs, in their order.
    static std::vector<int> tabTags() {
        std::vector<int> tags;
        for (int position = 0; position < tabCount(); ++position) {
            tags.push_back(tabTagAt(position));
        }
        return tags;
    }

    // The position of the tab whose parameter is `tag`, -1 for none.
    static int tabPosition(int tag) {
        for (int position = 0; position < tabCount(); ++position) {
            if (tabTagAt(position) == tag) {
                return position;
            }
        }
        return -1;
    }

    // The user picks the tab whose parameter is `tag`.
    void showTab(int tag) {
        const int position = tabPosition(tag);
        ASSERT_GE(position, 0) << "no tab " << tag;
        HWND tabs = control(kMainTabControl);
        TabCtrl_SetCurSel(tabs, position);
        NMHDR header{tabs, kMainTabControl, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(window, WM_NOTIFY, kMainTabControl, reinterpret_cast<LPARAM>(&header));
        pump();
    }

    void press(int id) {
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control(id)));
        pump();
    }

    // The user closes the window with button `id` (OK, Cancel), or with its
    // close box when `id` is 0.
    void closeWith(int id) {
        if (id) {
            press(id);
        } else {
            SendMessageW(window, WM_CLOSE, 0, 0);
            pump();
        }
    }

    // Every question the program asks is answered with `answer`.
    static void answerEveryQuestion(int answer) {
        app().ask = [answer](HWND, const wchar_t*, const wchar_t*, UINT) { return answer; };
    }

    // Tab presses from the monitor list, as the message loop hands them to
    // the main window's dialog navigation, until the focus is on page control
    // `id`.
    bool tabTo(int id) {
        SetFocus(control(kMainMonitorList));
        for (int i = 0; i < 20; ++i) {
            pressKey(VK_TAB);
            if (GetFocus() == pageControl(id)) {
                return true;
            }
        }
        return false;
    }

    // A key pressed and let go on the focused control, through the dialog
    // navigation as the message loop hands it over, else to the control;
    // `beforePump` runs after each of the two messages is handled.
    void pressKey(UINT vk, const std::function<void()>& beforePump = nullptr) {
        for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
            MSG msg{GetFocus(), message, vk, 0, 0, {}};
            if (!IsDialogMessageW(window, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            if (beforePump) {
                beforePump();
            }
            pump();
        }
    }

    // The user presses control `id` of the current page.
    void pressOnPage(int id, int notification = BN_CLICKED) {
        SendMessageW(page(), WM_COMMAND, MAKEWPARAM(id, notification),
                     reinterpret_cast<LPARAM>(pageControl(id)));
        pump();
    }

    // The user moves scroll bar control `bar` of `owner` (`message` is
    // WM_HSCROLL or WM_VSCROLL).
    static void scrollBar(HWND owner, UINT message, HWND bar, int request, int thumb = 0) {
        SendMessageW(owner, message, MAKEWPARAM(request, thumb), reinterpret_cast<LPARAM>(bar));
        pump();
    }

    // The tip `owner` gives for item `position` of tool-tip window `tips`.
    static NMTTDISPINFOW tipOf(HWND owner, HWND tips, UINT_PTR position) {
        NMTTDISPINFOW info{};
        info.hdr = {tips, position, static_cast<UINT>(TTN_GETDISPINFOW)};
        SendMessageW(owner, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }

    // Whether button `id` of the current page is checked.
    bool checkedOnPage(int id) const {
        return SendMessageW(pageControl(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    // A menu command (undo, refresh) for the current page.
    void commandPage(int command) {
        SendMessageW(page(), WM_COMMAND, command, 0);
        pump();
    }

    // The context menu of `owner` over its control `over`: none when no menu
    // shows, else whether its undo entry is enabled.
    std::optional<bool> undoInMenu(HWND owner, HWND over) {
        std::optional<bool> undoEnabled;
        app().trackMenu = [&](HMENU menu, int, int, HWND) {
            undoEnabled = (GetMenuState(menu, kCmdUndo, MF_BYCOMMAND) & MF_GRAYED) == 0;
        };
        SendMessageW(owner, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(over), MAKELPARAM(50, 50));
        pump();
        app().trackMenu = savedTrackMenu_;
        return undoEnabled;
    }

    // Page ticks until the illustration's frames are ready (the worker
    // renders them between two ticks), then one more that shows frame 0.
    void playIllustration() {
        for (int i = 0; i < 50 && !app().illustration->isReady(); ++i) {
            SendMessageW(page(), WM_TIMER, kPageTimer, 0);
            waitForIllustrationWorker();
            pump();
        }
        SendMessageW(page(), WM_TIMER, kPageTimer, 0);
        pump();
    }

    int simValue(int index, int code) {
        int v = -1;
        EXPECT_EQ(VeskolSimGetValue(index, code, &v), 0);
        return v;
    }
    int simSaved(int index, int code) {
        int v = -2;
        EXPECT_EQ(VeskolSimGetSavedValue(index, code, &v), 0);
        return v;
    }

    WorkerHoldingClock clock;
    HWND window = nullptr;

  private:
    decltype(AppState::ask) savedAsk_ = app().ask;
    decltype(AppState::trackMenu) savedTrackMenu_ = app().trackMenu;
    decltype(AppState::openInShell) savedOpenInShell_ = app().openInShell;
    decltype(AppState::showHelpFile) savedShowHelpFile_ = app().showHelpFile;
};
