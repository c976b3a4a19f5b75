// The fault-injection soak: the real main window and its pages against
// simulated monitors that corrupt, drop and refuse frames, go away and come
// back, driven by random user sessions (open, switch monitors and pages,
// move sliders, pick presets, run actions, undo, OK, Cancel, close, close
// during an open). After every step and every session it checks that
//   - the program shows no value of a control that it did not write or read,
//   - after OK (or Yes when switching) the monitor has stored what it shows,
//   - after Cancel (or No) every changed control is back at its baseline,
//   - closing leaves no GDI object or window behind,
// and a watchdog ends the run when a session stops making progress.
//
// LUMETRA_SOAK_SESSIONS (default 40), LUMETRA_SOAK_SEED (default 1) and
// LUMETRA_SOAK_FIRST (the session to start at, to repeat one) choose the
// run; `make soak` runs a long one.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/workers.h"
#include "patterns/pattern_window.h"
#include "tests/win/panels/colour_page_fixture.h"
#include "tests/win/soak/bus_ledger.h"
#include "tests/win/support/gui_object_counts.h"

namespace {

constexpr const char* kProfilePairs[] = {
    "qrv-crt,tsw-lcd",
    "tsw-rich-caps,paged-busy",
    "tsw-four-preset,qrv-lcd-p3",
    "tsw-lcd-p1,qrv-picture-mode",
    "qrv-inverted-black,tsw-lcd-p2",
    "qrv-vendor-save,qrv-300ms",
};
constexpr int kStallSeconds = 120;
constexpr int kSaturationCode = 0x8A;

int environmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

// Ends the process when the soak stops making progress for kStallSeconds.
struct Watchdog {
    std::atomic<long> progress{0};
    std::atomic<int> session{0};
    std::atomic<int> stop{0};

    static DWORD WINAPI run(LPVOID self) {
        auto& dog = *static_cast<Watchdog*>(self);
        long last = -1;
        int still = 0;
        while (!dog.stop) {
            Sleep(1000);
            const long now = dog.progress.load();
            still = now == last ? still + 1 : 0;
            last = now;
            if (still >= kStallSeconds) {
                std::fprintf(stderr, "soak: no progress for %d s in session %d (seed %d)\n",
                             kStallSeconds, dog.session.load(),
                             environmentNumber("LUMETRA_SOAK_SEED", 1));
                std::fflush(stderr);
                TerminateProcess(GetCurrentProcess(), 3);
            }
        }
        return 0;
    }
};

struct Figures {
    long sessions = 0;
    long steps = 0;
    long faults = 0;
    long writes = 0;
    long checks = 0;
    long failures = 0;
};

class SoakTest : public ColourPageTest {
  protected:
    std::mt19937 random;
    BusLedger ledger;
    Figures figures;
    Watchdog watchdog;
    std::string faultSpec[2];
    bool gone[2] = {false, false};      // the monitor has left the bus
    bool wentAway[2] = {false, false};  // ... at some point of this episode
    std::string profiles_;
    std::string trail_;  // what the user did this session, for the report

    int pick(int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); }
    bool chance(int percent) { return pick(100) < percent; }

    void check(bool ok, const char* what, int a = 0, int b = 0, int c = 0) {
        ++figures.checks;
        if (!ok) {
            ++figures.failures;
            ADD_FAILURE() << "session " << watchdog.session.load() << " on " << profiles_ << ": "
                          << what << " (" << a << ", " << b << ", " << c << ")" << trail_;
        }
    }

    std::string randomFaults(int iface) {
        static const char* kKinds[] = {"checksum", "null", "nak", "truncate", "wrong"};
        std::string spec = "seed=" + std::to_string(random() % 100000 + iface);
        for (const char* kind : kKinds) {
            static const int kRates[] = {0, 10, 30, 60};
            spec += std::string(",") + kind + "=" + std::to_string(kRates[pick(4)]);
        }
        return spec;
    }

    // The interface the open monitor is on, or -1.
    int openInterface() const {
        ActiveMonitor* monitor = app().monitor;
        return monitor && !app().busy && monitor->isOpen() ? monitor->interfaceIndex() : -1;
    }

    // A monitor has been opened (or re-opened): a new episode of writes.
    void beginEpisode() {
        ledger.absorb();
        const int iface = openInterface();
        if (iface >= 0) {
            ledger.startEpisode(iface);
            wentAway[iface] = gone[iface];
        }
    }

    // Every value the program holds for a control is the one the bus carried
    // last: a write the monitor took, or a well-formed reply.
    void checkValuesCameFromTheBus() {
        ledger.absorb();
        const int iface = openInterface();
        if (iface < 0) {
            return;
        }
        for (int i = 0; i < kControlCount; ++i) {
            const ControlEntry& entry = monitor().control(i);
            if (entry.vcpCode == kNoVcpCode || !entry.supported || entry.maximum <= 0) {
                continue;
            }
            const std::optional<int> carried = ledger.latest(iface, entry.vcpCode);
            check(carried == entry.current, "a value held that the bus did not carry last",
                  entry.vcpCode, entry.current, carried.value_or(-1));
        }
    }

    // Black levels that this model counts downwards are shown counted upwards.
    bool shownInverted(int iface, int code) const {
        const size_t comma = profiles_.find(',');
        const std::string profile =
            iface == 0 ? profiles_.substr(0, comma) : profiles_.substr(comma + 1);
        return profile == "qrv-inverted-black" && (code == 0x6C || code == 0x6E || code == 0x70);
    }

    // The value text nearest to `bar` on its page (the texts end in "%").
    static HWND valueTextOf(HWND bar) {
        const RECT at = placeOf(bar);
        HWND nearest = nullptr;
        long best = 0;
        for (HWND child : descendants(GetParent(bar))) {
            const std::wstring text = textOf(child);
            if (GetParent(child) != GetParent(bar) || _wcsicmp(classOf(child).c_str(), L"Static") ||
                !IsWindowVisible(child) || text.empty() || text.back() != L'%') {
                continue;
            }
            const RECT place = placeOf(child);
            const long dx = (place.left + place.right - at.left - at.right) / 2;
            const long dy = (place.top + place.bottom - at.top - at.bottom) / 2;
            if (!nearest || dx * dx + dy * dy < best) {
                nearest = child;
                best = dx * dx + dy * dy;
            }
        }
        return nearest;
    }

    // After a slider step that wrote one control: the slider and its value
    // text show the value the bus carried last for it.
    void checkSliderShowsTheBus(HWND bar, int since) {
        ledger.absorb();
        const int iface = openInterface();
        if (iface < 0 || !IsWindow(bar) || !IsWindowVisible(bar)) {
            return;
        }
        const std::set<int> codes = ledger.takenSince(iface, since);
        if (codes.size() != 1) {
            return;
        }
        const int code = *codes.begin();
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        GetScrollInfo(bar, SB_CTL, &info);
        const bool vertical = (GetWindowLongW(bar, GWL_STYLE) & SBS_VERT) != 0;
        const int shown = vertical ? info.nMax + info.nMin - info.nPos : info.nPos;
        const int carried = ledger.latest(iface, code).value_or(-1);
        const int expected = shownInverted(iface, code) ? info.nMax - carried : carried;
        check(shown == expected, "a slider shows a value the bus did not carry", code, shown,
              expected);
        if (HWND text = valueTextOf(bar); text && info.nMax > info.nMin) {
            int permille = (shown - info.nMin) * 1000 / (info.nMax - info.nMin);
            // The six-axis slider shows the change from the centre: half the
            // range for saturation, the whole range either way for a hue.
            if (GetDlgCtrlID(bar) == kCtlSixAxisSlider) {
                permille = code == kSaturationCode ? permille - 500 : 2 * permille - 1000;
            }
            wchar_t want[32];
            std::swprintf(
                want, 32,
                permille != 0 && permille > -1000 && permille < 1000 ? L"%.1f%%" : L"%.0f%%",
                permille / 10.0);
            check(textOf(text) == want, "a value text disagrees with its slider", code, shown,
                  permille);
        }
    }

    // Whether the monitor on `iface` left the bus this episode: what it
    // holds then proves nothing.
    bool leftThisEpisode(int iface) {
        ledger.absorb();
        return wentAway[iface] || gone[iface];
    }

    // After OK (or Yes): a store went to the monitor after the last change it
    // took, and unless it refused every store, it keeps what it holds for
    // every control written this episode.
    void checkStored(int iface) {
        if (leftThisEpisode(iface)) {
            return;
        }
        const int lastWrite = ledger.lastTakenWrite(iface);
        if (lastWrite < 0) {
            return;
        }
        const BusLedger::Stores stores = ledger.storesSince(iface, lastWrite);
        check(stores.sent > 0, "changes taken, then no store sent", lastWrite);
        if (stores.taken == 0) {
            return;  // every store refused: the monitor kept nothing new
        }
        check(VeskolSimSaveCount(iface) > 0, "a store taken, yet the monitor stored nothing");
        for (int code : ledger.written(iface)) {
            int value = 0;
            int saved = 0;
            // Actions (degauss, resets) are written but kept nowhere.
            if (VeskolSimGetValue(iface, code, &value) == 0 &&
                VeskolSimGetSavedValue(iface, code, &saved) == 0 && saved >= 0) {
                check(saved == value, "a written value not stored", code, value, saved);
                if (saved != value) {
                    std::printf("  bus history of %02X: %s\n", code,
                                ledger.history(iface, code).c_str());
                }
            }
        }
    }

    // What Cancel (or No) is to put back, from the bus: every control the
    // monitor took a change of, with the value the bus carried before it.
    struct Restore {
        int code;
        int baseline;
        int otherwise;  // another value Cancel may rightly leave, or -1
    };
    std::vector<Restore> toRestore() {
        std::vector<Restore> out;
        ledger.absorb();
        const int iface = openInterface();
        if (iface < 0) {
            return out;
        }
        for (const auto& [code, expected] : ledger.changedSinceBaseline(iface)) {
            out.push_back({code, expected.value, expected.otherwise});
        }
        return out;
    }

    // After a restore from frame `since` on: every changed control is back
    // at its baseline, unless the monitor refused the write that would have
    // put it back.
    void checkRestored(int iface, const std::vector<Restore>& restores, int since) {
        if (leftThisEpisode(iface)) {
            return;
        }
        const std::set<int> rewritten = ledger.takenSince(iface, since);
        for (const Restore& restore : restores) {
            int value = 0;
            const bool refused = ledger.written(iface).count(restore.code) &&
                                 !rewritten.count(restore.code) &&
                                 !ledger.lastWriteTaken(iface, restore.code);
            if (!refused && VeskolSimGetValue(iface, restore.code, &value) == 0) {
                const bool back = value == restore.baseline || value == restore.otherwise;
                check(back, "a changed value not put back", restore.code, value, restore.baseline);
                if (!back) {
                    std::printf("  bus history of %02X: %s\n", restore.code,
                                ledger.history(iface, restore.code).c_str());
                }
            }
        }
    }

    // --- what the user does ---

    // The page's visible, enabled controls of window class `className`.
    std::vector<HWND> pageControls(const wchar_t* className) const {
        std::vector<HWND> found;
        for (HWND child : page() ? descendants(page()) : std::vector<HWND>{}) {
            if (_wcsicmp(classOf(child).c_str(), className) == 0 && IsWindowVisible(child) &&
                IsWindowEnabled(child)) {
                found.push_back(child);
            }
        }
        return found;
    }

    // One of `controls` at random, or null.
    HWND anyOf(const std::vector<HWND>& controls) {
        return controls.empty()
                   ? nullptr
                   : controls[static_cast<size_t>(pick(static_cast<int>(controls.size())))];
    }

    // Returns the slider moved, or null.
    HWND moveASlider() {
        HWND bar = anyOf(pageControls(L"ScrollBar"));
        if (!bar) {
            return nullptr;
        }
        const UINT message = (GetWindowLongW(bar, GWL_STYLE) & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
        int low = 0;
        int high = 0;
        GetScrollRange(bar, SB_CTL, &low, &high);
        static const int kRequests[] = {SB_LINEUP,     SB_LINEDOWN,      SB_PAGEUP, SB_PAGEDOWN,
                                        SB_THUMBTRACK, SB_THUMBPOSITION, SB_TOP,    SB_BOTTOM};
        const int request = kRequests[pick(8)];
        const int thumb = low + (high > low ? pick(high - low + 1) : 0);
        SendMessageW(GetParent(bar), message, MAKEWPARAM(request, thumb),
                     reinterpret_cast<LPARAM>(bar));
        if (request == SB_THUMBTRACK || chance(50)) {
            SendMessageW(GetParent(bar), message, MAKEWPARAM(SB_ENDSCROLL, 0),
                         reinterpret_cast<LPARAM>(bar));
        }
        return bar;
    }

    void pressAButton() {
        std::vector<HWND> buttons;
        for (HWND button : pageControls(L"Button")) {
            if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX) {
                buttons.push_back(button);
            }
        }
        HWND button = anyOf(buttons);
        if (!button) {
            return;
        }
        SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }

    void pickFromADropDown() {
        HWND list = anyOf(pageControls(L"ComboBox"));
        const int count = list ? static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0)) : 0;
        if (count <= 0) {
            return;
        }
        SendMessageW(list, CB_SETCURSEL, pick(count), 0);
        SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }

    void undoFromTheMenu() {
        HWND bar = anyOf(pageControls(L"ScrollBar"));
        if (!bar) {
            return;
        }
        RECT place{};
        GetWindowRect(bar, &place);
        SendMessageW(GetParent(bar), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar),
                     MAKELPARAM(place.left + 2, place.top + 2));
    }

    void switchMonitor() {
        if (rows().size() < 2 || app().busy) {
            return;
        }
        const int from = openInterface();
        const int answer = chance(50) ? IDYES : IDNO;
        bool asked = false;
        app().ask = [&](HWND, const wchar_t*, const wchar_t*, UINT) {
            asked = true;
            return answer;
        };
        const std::vector<Restore> restores = toRestore();
        const int since = ledger.position();
        chooseRow(1 - selectedRow());
        answerEveryQuestion(IDYES);
        trail_ += answer == IDYES ? " switch-yes" : " switch-no";
        if (asked && from >= 0) {
            answer == IDYES ? checkStored(from) : checkRestored(from, restores, since);
        }
        beginEpisode();
    }

    void countFaults(int iface) { figures.faults += std::max(0, VeskolSimFaultsInjected(iface)); }

    void leaveOrComeBack() {
        const int iface = pick(2);
        countFaults(iface);
        gone[iface] = !gone[iface];
        wentAway[iface] = wentAway[iface] || gone[iface];
        const std::string spec = faultSpec[iface] + (gone[iface] ? ",disappear=0" : "");
        ASSERT_EQ(VeskolSimSetFaults(iface, spec.c_str()), 0);
    }

    // A user takes a moment between two actions; the monitor's clock (the
    // test's virtual clock) moves on meanwhile, so an action's busy time can
    // end before the next step, as it does for a real user.
    void thinkAMoment() { clock.advance(300 + pick(2700)); }

    void oneStep() {
        thinkAMoment();
        const int roll = pick(100);
        trail_ += ' ';
        trail_ += std::to_string(roll);
        HWND moved = nullptr;
        ledger.absorb();
        const int since = ledger.position();
        if (roll < 38) {
            moved = moveASlider();
        } else if (roll < 58) {
            pressAButton();
        } else if (roll < 66) {
            pickFromADropDown();
        } else if (roll < 78) {
            const std::vector<int> tags = tabTags();
            showTab(tags[static_cast<size_t>(pick(static_cast<int>(tags.size())))]);
        } else if (roll < 83) {
            if (innerTabs() && IsWindowVisible(innerTabs())) {
                selectInner(pick(std::max(1, TabCtrl_GetItemCount(innerTabs()))));
            }
        } else if (roll < 88) {
            undoFromTheMenu();
        } else if (roll < 93) {
            switchMonitor();
        } else if (roll < 96) {
            leaveOrComeBack();
        } else {
            press(kMainTestPatternBox);
        }
        pump();
        waitForOpen();
        if (moved) {
            checkSliderShowsTheBus(moved, since);
        }
    }

    void endSession() {
        thinkAMoment();
        const int iface = openInterface();
        const int roll = pick(100);
        trail_ += " end-" + std::to_string(roll);
        if (roll < 90) {
            // OK, Cancel or the close box; OK and Cancel store.
            const int way = roll < 35 ? kMainOk : roll < 70 ? kMainCancel : 0;
            const std::vector<Restore> restores = toRestore();
            const int since = ledger.position();
            closeWith(way);
            if (iface >= 0 && way == kMainCancel) {
                checkRestored(iface, restores, since);
            }
            if (iface >= 0 && way != 0) {
                checkStored(iface);
            }
        } else if (rows().size() >= 2) {
            // Close while the other monitor is being opened.
            HWND combo = control(kMainMonitorList);
            SendMessageW(combo, CB_SETCURSEL, 1 - selectedRow(), 0);
            SendMessageW(window, WM_COMMAND, MAKEWPARAM(kMainMonitorList, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo));
            DestroyWindow(window);
        }
        close();
        check(app().openWorker.load() == nullptr && app().monitor == nullptr,
              "the close left a worker or a monitor behind");
    }

    void session(int number) {
        random.seed(static_cast<unsigned>(environmentNumber("LUMETRA_SOAK_SEED", 1)) * 1000003u +
                    static_cast<unsigned>(number));
        const char* profiles = kProfilePairs[pick(static_cast<int>(std::size(kProfilePairs)))];
        profiles_ = profiles;
        trail_.clear();
        watchdog.session = number;
        ledger.reset();
        for (int iface = 0; iface < 2; ++iface) {
            faultSpec[iface] = randomFaults(iface);
            gone[iface] = wentAway[iface] = false;
        }
        start(profiles, "", [&] {
            for (int iface = 0; iface < 2; ++iface) {
                (void)VeskolSimSetFaults(iface, faultSpec[iface].c_str());
            }
        });
        beginEpisode();
        const int steps = 5 + pick(35);
        for (int step = 0; step < steps; ++step) {
            ++watchdog.progress;
            oneStep();
            ++figures.steps;
            checkValuesCameFromTheBus();
        }
        ledger.absorb();
        figures.writes += ledger.writes();
        countFaults(0);
        countFaults(1);
        endSession();
        ++figures.sessions;
    }
};

TEST_F(SoakTest, RandomSessionsAgainstFaultyMonitorsKeepEveryPromise) {
    answerEveryQuestion(IDYES);
    app().trackMenu = [](HMENU menu, int, int, HWND owner) {
        // The user picks Undo whenever the menu offers it.
        if (!(GetMenuState(menu, kCmdUndo, MF_BYCOMMAND) & MF_GRAYED)) {
            PostMessageW(owner, WM_COMMAND, kCmdUndo, 0);
        }
    };
    app().openInShell = [](HWND, const wchar_t*) {};
    app().showHelpFile = [](HWND, const wchar_t*) {};
    HANDLE dog = CreateThread(nullptr, 0, Watchdog::run, &watchdog, 0, nullptr);
    ASSERT_NE(dog, nullptr);

    const int sessions = environmentNumber("LUMETRA_SOAK_SESSIONS", 40);
    // The first sessions make what lives as long as the program (classes,
    // cached bitmaps and fonts, the system's own caches): the counts after
    // them are the ones every later session must come back to.
    const int first = environmentNumber("LUMETRA_SOAK_FIRST", 0);
    const int warmUp = first + std::min(10, sessions / 4);
    int gdiObjects = 0;
    int windows = 0;
    GdiObjectSnapshot afterWarmUp;
    for (int number = first; number < sessions; ++number) {
        session(number);
        if (number + 1 == warmUp) {
            gdiObjects = liveGdiObjects();
            windows = liveWindows();
            afterWarmUp = GdiObjectSnapshot();
        } else if (number >= warmUp) {
            const int live = liveGdiObjects();
            check(live == gdiObjects, "GDI objects left behind", live, gdiObjects);
            if (live != gdiObjects) {
                std::printf("%s", afterWarmUp.objectsMadeSince().c_str());
            }
            check(liveWindows() == windows, "windows left behind", liveWindows(), windows);
        }
    }
    watchdog.stop = 1;
    WaitForSingleObject(dog, INFINITE);
    CloseHandle(dog);
    std::printf(
        "soak: %ld sessions, %ld steps, %ld faults injected, %ld writes, "
        "%ld invariant checks, "
        "%ld failures\n",
        figures.sessions, figures.steps, figures.faults, figures.writes, figures.checks,
        figures.failures);
    EXPECT_EQ(figures.failures, 0);
    // A run that played no session, or checked nothing, proved nothing.
    EXPECT_GT(figures.sessions, 0);
    EXPECT_GT(figures.checks, 0);
}

}  // namespace
