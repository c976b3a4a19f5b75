#include <tuple>

#include "app/strings.h"
#include "app/tabs.h"
#include "draw/animated_illustration.h"
#include "draw/bitmap_background.h"
#include "panels/page_state.h"
#include "patterns/pattern_window.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/draw/draw_test_support.h"

namespace {

constexpr int kPosition = 0;
constexpr int kSize = 1;
constexpr int kRotation = 12;
constexpr int kHorizontalConvergence = 13;
constexpr int kSharpness = 82;

// VCP codes of the features the tests move.
constexpr int kVcpHorizontalPosition = 0x20;
constexpr int kVcpVerticalPosition = 0x30;
constexpr int kVcpRotation = 0x44;

}  // namespace

class FeatureGridPageTest : public MainWindowTest {
  protected:
    ~FeatureGridPageTest() override { closePatternWindow(); }

    void openGeometryPage(const char* profiles,
                          const std::function<void()>& beforeWindow = nullptr) {
        start(profiles, "", beforeWindow);
        showTab(kTabGeometry);
    }

    // The page's grid buttons (features as 4000 + f, then commands) in the
    // order of their cells.
    std::vector<int> gridButtons() const {
        std::vector<std::pair<int, int>> cells;  // (cell number, id)
        for (HWND child = GetWindow(page(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            const int id = GetDlgCtrlID(child);
            const bool feature = id >= kCtlItemButtonBase && id < kCtlItemButtonBase + 100;
            const bool command = id >= kCtlDegauss && id <= kCtlAutoSetup;
            if (feature || command) {
                const RECT r = placeOf(child);
                EXPECT_EQ(r.right - r.left, 37) << id;
                EXPECT_EQ(r.bottom - r.top, 37) << id;
                EXPECT_EQ((r.left - 5) % 40, 0) << id;
                EXPECT_EQ((r.top - 4) % 40, 0) << id;
                cells.emplace_back((r.top - 4) / 40 * 3 + (r.left - 5) / 40, id);
            }
        }
        std::sort(cells.begin(), cells.end());
        std::vector<int> ids;
        for (size_t k = 0; k < cells.size(); ++k) {
            EXPECT_EQ(cells[k].first, static_cast<int>(k)) << "cells follow each other";
            ids.push_back(cells[k].second);
        }
        return ids;
    }

    void selectFeature(int feature) { pressOnPage(kCtlItemButtonBase + feature); }
    // Leaves a waiting automatic command to the test's own ticks: on a busy
    // machine the page's 400 ms timer could otherwise run the command while
    // the test still looks at the pattern put up before it.
    void holdAutomaticCommand() {
        KillTimer(page(), 3);
        KillTimer(page(), 4);
    }
    void pressAutomatic(int id) {
        SendMessageW(page(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(pageControl(id)));
        holdAutomaticCommand();
        pump();
    }
    void scroll(int sliderId, int request, int thumb = 0) {
        scrollBar(page(), sliderId == kCtlPrimarySlider ? WM_HSCROLL : WM_VSCROLL,
                  pageControl(sliderId), request, thumb);
    }
    // A double click as the mouse delivers it, all four messages queued at
    // once: the second click arrives while the first one's command runs.
    void doubleClick(int id) {
        HWND button = pageControl(id);
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
            PostMessageW(button, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                         MAKELPARAM(10, 10));
        }
        pump();
    }
    bool visible(int id) const { return IsWindowVisible(pageControl(id)) != FALSE; }
    int barPosition(int id) const { return GetScrollPos(pageControl(id), SB_CTL); }
    std::wstring text(int id) const { return textOf(pageControl(id)); }
    bool undoOfferedOver(int id) { return undoInMenu(page(), pageControl(id)).value_or(false); }
    void tick(UINT_PTR timer) {
        SendMessageW(page(), WM_TIMER, timer, 0);
        pump();
    }
    // A key as the message loop hands it over: through the main window's
    // dialog navigation first. With `automaticByTicks` an automatic command
    // the key starts waits for the test's ticks.
    void key(UINT vk, bool automaticByTicks = false) {
        pressKey(vk, [&] {
            if (automaticByTicks) {
                holdAutomaticCommand();
            }
        });
    }
    int writes() const { return VeskolSimRequestCount(0, 0x03); }
};

int commandPicture(int id) {
    return id == kCtlResetGeometry  ? IDB_RESET_GEOMETRY
           : id == kCtlDegauss      ? IDB_DEGAUSS
           : id == kCtlFactoryReset ? IDB_FACTORY_RESET
                                    : IDB_AUTO_ADJUST;  // automatic geometry and set-up
}

std::vector<int> itemButtons(std::initializer_list<int> features,
                             std::initializer_list<int> commands) {
    std::vector<int> ids;
    for (int f : features) {
        ids.push_back(kCtlItemButtonBase + f);
    }
    ids.insert(ids.end(), commands);
    return ids;
}

// Features appear in the page's order, only those the monitor offers, the
// commands after them; a tab is present only with something to show.
TEST_F(FeatureGridPageTest, ListsTheOfferedFeaturesInOrderThenTheCommands) {
    struct Case {
        const char* profile;
        int tag;
        std::vector<int> buttons;  // empty: no tab
    };
    const Case cases[] = {
        // Full geometry template; the geometry reset is outside it.
        {"qrv-crt", kTabGeometry,
         itemButtons({1, 0, 7, 8, 9, 10, 12, 45, 46, 6, 49, 50, 11, 43}, {kCtlAutoGeometry})},
        {"qrv-crt", kTabOther,
         itemButtons({13, 44, 51, 66, 65, 68, 67}, {kCtlDegauss, kCtlFactoryReset})},
        // Centre pincushion and automatic geometry are outside template 6.
        {"tsw-crt-t6", kTabGeometry,
         itemButtons({1, 0, 7, 8, 9, 10, 12, 45, 46, 49, 50, 11, 43}, {kCtlResetGeometry})},
        // A panel on its analogue input: position, geometry reset, set-up.
        {"tsw-lcd-p2", kTabGeometry, itemButtons({0}, {kCtlResetGeometry, kCtlAutoSetup})},
        {"tsw-lcd-p2", kTabOther, itemButtons({kSharpness}, {kCtlFactoryReset})},
        {"tsw-lcd", kTabGeometry, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.profile) + " tab " + std::to_string(c.tag));
        start(c.profile);
        ASSERT_EQ(tabPosition(c.tag) >= 0, !c.buttons.empty());
        if (!c.buttons.empty()) {
            showTab(c.tag);
            EXPECT_EQ(gridButtons(), c.buttons);
            for (int id : c.buttons) {
                // Pictures only on the buttons: a screen reader names them by their hint.
                EXPECT_EQ(textOf(pageControl(id)), loadString(id)) << id;
                if (id < kCtlItemButtonBase) {  // a command shows its picture on the face
                    const auto shown = reinterpret_cast<HBITMAP>(
                        SendMessageW(pageControl(id), BM_GETIMAGE, IMAGE_BITMAP, 0));
                    ScopedBitmap picture(static_cast<HBITMAP>(
                        LoadImageW(app().instance, MAKEINTRESOURCEW(commandPicture(id)),
                                   IMAGE_BITMAP, 0, 0, 0)));
                    ASSERT_EQ(replaceGreyPixels(picture.get(), GetSysColor(COLOR_BTNFACE)), 0);
                    int w = 0, h = 0;
                    const std::vector<uint32_t> expected = bitmapPixels(picture.get(), &w, &h);
                    EXPECT_FALSE(expected.empty());
                    EXPECT_EQ(bitmapPixels(shown, &w, &h), expected) << id;
                }
            }
            // The first feature is the selection.
            const int selected =
                c.tag == kTabGeometry ? pageState().geometrySelection : pageState().otherSelection;
            EXPECT_EQ(selected, c.buttons.front() - kCtlItemButtonBase);
        }
        close();
    }
}

TEST_F(FeatureGridPageTest, PositionAndSizeShowTheirVerticalPartnerOnTheSecondSlider) {
    openGeometryPage("qrv-crt");
    // Size is listed first and selected; its partner is the vertical size.
    EXPECT_TRUE(visible(kCtlPrimarySlider));
    EXPECT_TRUE(visible(kCtlSecondarySlider));
    EXPECT_TRUE(visible(kCtlSecondaryValue));

    const std::pair<int, bool> partners[] = {{kPosition, true}, {kRotation, false}, {kSize, true}};
    for (const auto& [feature, second] : partners) {
        selectFeature(feature);
        EXPECT_EQ(pageState().geometrySelection, feature);
        EXPECT_TRUE(visible(kCtlPrimarySlider)) << feature;
        EXPECT_EQ(visible(kCtlSecondarySlider), second) << feature;
        EXPECT_EQ(visible(kCtlSecondaryValue), second) << feature;
    }

    // Position: 4101 moves the horizontal axis unmirrored, 4102 the vertical
    // one mirrored (the top is the maximum).
    selectFeature(kPosition);
    const int vMax = monitor().maximum(2);
    const int h0 = simValue(0, kVcpHorizontalPosition);
    const int v0 = simValue(0, kVcpVerticalPosition);
    EXPECT_EQ(barPosition(kCtlPrimarySlider), h0);
    EXPECT_EQ(barPosition(kCtlSecondarySlider), vMax - v0);
    scroll(kCtlPrimarySlider, SB_LINERIGHT);
    EXPECT_EQ(simValue(0, kVcpHorizontalPosition), h0 + 1);
    EXPECT_EQ(simValue(0, kVcpVerticalPosition), v0);
    scroll(kCtlPrimarySlider, SB_PAGELEFT);
    EXPECT_EQ(simValue(0, kVcpHorizontalPosition), h0 + 1 - 16);
    scroll(kCtlPrimarySlider, SB_LEFT);
    EXPECT_EQ(simValue(0, kVcpHorizontalPosition), 0);
    EXPECT_EQ(text(kCtlPrimaryValue), L"0%");
    scroll(kCtlSecondarySlider, SB_LINEUP);
    EXPECT_EQ(simValue(0, kVcpVerticalPosition), v0 + 1);
    EXPECT_EQ(barPosition(kCtlSecondarySlider), vMax - v0 - 1);
    scroll(kCtlSecondarySlider, SB_TOP);
    EXPECT_EQ(simValue(0, kVcpVerticalPosition), vMax);
    EXPECT_EQ(text(kCtlSecondaryValue), L"100%");
    scroll(kCtlSecondarySlider, SB_THUMBTRACK, vMax);  // dragged to the bottom
    EXPECT_EQ(simValue(0, kVcpVerticalPosition), 0);
    EXPECT_EQ(text(kCtlSecondaryValue), L"0%");
    EXPECT_EQ(simValue(0, kVcpHorizontalPosition), 0);  // the other axis stays
}

// A feature button shows its animation afresh on every press, also after a
// refresh; a slider leaves it playing.
TEST_F(FeatureGridPageTest, FeatureButtonsRestartTheAnimationSlidersDoNot) {
    openGeometryPage("qrv-crt");
    KillTimer(page(), kPageTimer);  // the test plays the illustration itself
    // A worker an earlier tick started could otherwise render the pressed
    // feature before the test looks (a busy machine starts it late).
    waitForIllustrationWorker();
    AnimatedIllustration& illustration = *app().illustration;
    for (int feature : {kRotation, kRotation, kSize}) {
        selectFeature(feature);
        EXPECT_EQ(illustration.item(), feature);
        EXPECT_EQ(illustration.isReady(), 0) << feature;
        playIllustration();
        ASSERT_EQ(illustration.isReady(), 1) << feature;
        EXPECT_EQ(illustration.tick(), 1) << feature;
    }
    const HBITMAP playing = illustration.frame(0);
    scroll(kCtlPrimarySlider, SB_LINERIGHT);
    scroll(kCtlSecondarySlider, SB_LINEUP);
    EXPECT_EQ(illustration.frame(0), playing);
    commandPage(kCmdRefresh);
    EXPECT_EQ(illustration.isReady(), 0);
    playIllustration();
    EXPECT_NE(illustration.frame(0), playing);
}

// A selection survives tab switches. One that a reload took out of the list
// gives way to the first listed feature (its slider never stays bound to an
// unusable control), and so does every selection on another monitor.
TEST_F(FeatureGridPageTest, SelectionsSurviveTabSwitchesAndResetWithTheirFeatureOrMonitor) {
    start("qrv-crt,tsw-crt-t6");
    app().ask = [](HWND, const wchar_t*, const wchar_t*, UINT) { return IDNO; };
    showTab(kTabGeometry);
    selectFeature(kRotation);
    showTab(kTabOther);
    selectFeature(44);
    showTab(kTabBrightness);
    showTab(kTabGeometry);
    EXPECT_EQ(pageState().geometrySelection, kRotation);
    EXPECT_FALSE(visible(kCtlSecondarySlider));
    const int rotation = simValue(0, kVcpRotation);
    scroll(kCtlPrimarySlider, SB_LINERIGHT);
    EXPECT_EQ(simValue(0, kVcpRotation), rotation + 1);
    showTab(kTabOther);
    EXPECT_EQ(pageState().otherSelection, 44);

    showTab(kTabGeometry);
    VeskolSimSetMaximum(0, kVcpRotation, 0);
    SendMessageW(window, WM_TIMER, 3, 0);  // a display change: everything re-read
    pump();
    ASSERT_LT(monitor().featureAvailability(kRotation), 2);
    EXPECT_EQ(pageControl(kCtlItemButtonBase + kRotation), nullptr);
    EXPECT_EQ(pageState().geometrySelection, kSize);
    const int size = simValue(0, 0x22);
    scroll(kCtlPrimarySlider, SB_LINERIGHT);
    EXPECT_EQ(simValue(0, 0x22), size + 1);

    chooseRow(1);  // another monitor: the first listed feature again
    showTab(kTabOther);
    EXPECT_EQ(pageState().otherSelection, 13);
    showTab(kTabGeometry);
    EXPECT_EQ(pageState().geometrySelection, kSize);
}

TEST_F(FeatureGridPageTest, UndoOverPositionRestoresBothAxesOnlyWhereChanged) {
    openGeometryPage("qrv-crt");
    const int h0 = simValue(0, kVcpHorizontalPosition);
    const int v0 = simValue(0, kVcpVerticalPosition);
    EXPECT_FALSE(undoOfferedOver(kCtlItemButtonBase + kPosition));

    selectFeature(kPosition);
    scroll(kCtlSecondarySlider, SB_LINEDOWN);  // only the vertical axis moves
    EXPECT_TRUE(undoOfferedOver(kCtlItemButtonBase + kPosition));
    EXPECT_FALSE(undoOfferedOver(kCtlItemButtonBase + kSize));
    EXPECT_TRUE(undoOfferedOver(kCtlSecondarySlider));
    EXPECT_TRUE(undoOfferedOver(kCtlItemButtonBase + kPosition));

    scroll(kCtlPrimarySlider, SB_PAGERIGHT);
    const int moved = writes();
    commandPage(kCmdUndo);
    EXPECT_EQ(simValue(0, kVcpHorizontalPosition), h0);
    EXPECT_EQ(simValue(0, kVcpVerticalPosition), v0);
    EXPECT_EQ(writes() - moved, 2);
    EXPECT_EQ(barPosition(kCtlSecondarySlider), monitor().maximum(2) - v0);
    EXPECT_FALSE(undoOfferedOver(kCtlItemButtonBase + kPosition));

    // Only the horizontal axis changed: undo writes it alone.
    scroll(kCtlPrimarySlider, SB_LINERIGHT);
    const int before = writes();
    commandPage(kCmdUndo);
    EXPECT_EQ(writes() - before, 1);
    EXPECT_EQ(simValue(0, kVcpHorizontalPosition), h0);
}

TEST_F(FeatureGridPageTest, FactoryResetAsksAndActsOnlyOnYes) {
    start("qrv-crt");
    showTab(kTabOther);
    int asked = 0;
    int answer = IDNO;
    std::wstring question;
    app().ask = [&](HWND, const wchar_t* text, const wchar_t* title, UINT flags) {
        ++asked;
        question = text;
        EXPECT_STREQ(title, L"Lumetra");
        EXPECT_EQ(flags, static_cast<UINT>(MB_ICONQUESTION | MB_YESNO));
        pump();  // as the question's own message loop does
        return answer;
    };
    const int resets = writes();
    for (int declined : {IDNO, IDCANCEL}) {
        answer = declined;
        pressOnPage(kCtlFactoryReset);
    }
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(question.substr(0, 11), L"この操作によりすべての");
    EXPECT_EQ(writes(), resets);

    // A double click asks once and resets once.
    answer = IDYES;
    doubleClick(kCtlFactoryReset);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(writes(), resets + 1);
}

TEST_F(FeatureGridPageTest, GeometryResetAndDegaussWriteTheirCodes) {
    openGeometryPage("tsw-crt-t6");
    selectFeature(kRotation);
    scroll(kCtlPrimarySlider, SB_LEFT);
    EXPECT_EQ(barPosition(kCtlPrimarySlider), 0);
    doubleClick(kCtlResetGeometry);  // a double click acts once
    EXPECT_EQ(writes(), 2);
    // The sliders show what the monitor holds after the reset.
    const int rotation = simValue(0, kVcpRotation);
    EXPECT_GT(rotation, 0);
    EXPECT_EQ(barPosition(kCtlPrimarySlider), rotation);
    showTab(kTabOther);
    doubleClick(kCtlDegauss);
    EXPECT_EQ(writes(), 3);
}

// A reset or automatic command re-reads every control: a feature whose
// control stopped answering leaves the grid, the selection falls back to
// the first listed feature, and no slider step writes the lost one.
TEST_F(FeatureGridPageTest, AFeatureLostInTheReloadLeavesTheGridAndIsNeverStepped) {
    struct Case {
        const char* profile;
        int tag;
        int command;
        UINT_PTR timer;  // 0: runs at once
        int feature;
        int code;
    };
    const Case cases[] = {
        {"tsw-crt-t6", kTabGeometry, kCtlResetGeometry, 0, kRotation, kVcpRotation},
        {"qrv-crt", kTabGeometry, kCtlAutoGeometry, 3, kRotation, kVcpRotation},
        {"tsw-lcd-p2", kTabGeometry, kCtlAutoSetup, 4, kPosition, kVcpHorizontalPosition},
        {"qrv-crt", kTabOther, kCtlFactoryReset, 0, kHorizontalConvergence, 0x28},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        close();
        start(c.profile);
        answerEveryQuestion(IDYES);
        showTab(c.tag);
        selectFeature(c.feature);
        VeskolSimSetMaximum(0, c.code, 0);  // no value to read any more
        if (c.timer != 0) {
            pressAutomatic(c.command);
            tick(c.timer);
        } else {
            pressOnPage(c.command);
        }
        // The monitor answers again; the page has read nothing of it.
        VeskolSimSetMaximum(0, c.code, 100);
        VeskolSimSetValue(0, c.code, 50);
        EXPECT_EQ(pageControl(kCtlItemButtonBase + c.feature), nullptr);
        const int first = gridButtons().front();
        EXPECT_EQ(
            c.tag == kTabGeometry ? pageState().geometrySelection : pageState().otherSelection,
            first >= kCtlItemButtonBase ? first - kCtlItemButtonBase : -1);
        scroll(kCtlPrimarySlider, SB_LINERIGHT);
        EXPECT_EQ(simValue(0, c.code), 50);
    }
}

TEST_F(FeatureGridPageTest, OnlyAGeometryResetStillMakesTheTab) {
    const int geometryCodes[] = {0x20, 0x22, 0x24, 0x26, 0x3A, 0x3C, 0x40, 0x42,
                                 0x44, 0x46, 0x48, 0x4A, 0x4C, 0x30, 0x32};
    start("tsw-crt-t6", "", [&] {
        for (int code : geometryCodes) {
            VeskolSimSetMaximum(0, code, 0);
        }
    });
    ASSERT_GE(tabPosition(kTabGeometry), 0);
    showTab(kTabGeometry);
    EXPECT_EQ(gridButtons(), std::vector<int>{kCtlResetGeometry});
    EXPECT_FALSE(visible(kCtlPrimarySlider));
    EXPECT_FALSE(visible(kCtlSecondarySlider));
    EXPECT_FALSE(visible(kCtlPrimaryValue));
    EXPECT_EQ(app().illustration->item(), -10);
    scroll(kCtlPrimarySlider, SB_LINERIGHT);  // nothing selected: nothing written
    EXPECT_EQ(writes(), 0);
}

// The automatic commands put their pattern up, and only their timer's tick
// runs the monitor's command; the pattern shown before comes back.
TEST_F(FeatureGridPageTest, AutomaticCommandsRunAtTheirTimerAndAlwaysRestoreThePattern) {
    // The profile, the command's button, its pattern and its timer.
    const std::tuple<const char*, int, int, UINT_PTR> commands[] = {
        {"tsw-lcd-p2", kCtlAutoSetup, 23, 4}, {"qrv-crt", kCtlAutoGeometry, 24, 3}};
    for (const auto& [profile, button, pattern, timer] : commands) {
        SCOPED_TRACE(profile);
        close();  // the previous case's window
        openGeometryPage(profile);
        pressAutomatic(button);
        EXPECT_EQ(currentPattern(), pattern);
        EXPECT_EQ(writes(), 0);
        tick(timer);
        EXPECT_EQ(writes(), 1);
        EXPECT_FALSE(patternWindowOpen());  // none was open before
        tick(timer);                        // the timer ended with its first tick
        EXPECT_EQ(writes(), 1);
    }

    // A second command while one waits is ignored: the pattern to restore
    // stays the one shown before the first.
    ASSERT_EQ(showTestPattern(5), 0);
    pressAutomatic(kCtlAutoGeometry);
    pressAutomatic(kCtlAutoSetup);
    EXPECT_EQ(currentPattern(), 24);
    tick(4);
    EXPECT_EQ(writes(), 1);
    tick(3);
    EXPECT_EQ(writes(), 2);
    EXPECT_EQ(currentPattern(), 5);

    // A click queued while the command runs starts nothing afterwards.
    pressAutomatic(kCtlAutoGeometry);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
        PostMessageW(pageControl(kCtlAutoGeometry), message, 0, MAKELPARAM(10, 10));
    }
    SendMessageW(page(), WM_TIMER, 3, 0);
    pump();
    holdAutomaticCommand();
    EXPECT_EQ(currentPattern(), 5);
    tick(3);
    EXPECT_EQ(writes(), 3);

    // The user closed the pattern window meanwhile: it is not opened again.
    pressAutomatic(kCtlAutoGeometry);
    ASSERT_EQ(showTestPattern(0), 0);
    tick(3);
    EXPECT_EQ(writes(), 4);
    EXPECT_FALSE(patternWindowOpen());

    // A page that goes while its command waits puts the earlier pattern back.
    for (int before : {0, 7}) {  // 0: no pattern window
        SCOPED_TRACE(before);
        ASSERT_EQ(showTestPattern(before), 0);
        showTab(kTabGeometry);
        pressAutomatic(kCtlAutoGeometry);
        EXPECT_EQ(currentPattern(), 24);
        showTab(kTabBrightness);
        EXPECT_EQ(currentPattern(), before == 0 ? -1 : before);
    }
}

// A vertical partner the monitor can't adjust gets no slider, and undo over
// its button never writes it.
TEST_F(FeatureGridPageTest, AnUnusablePartnerIsNeitherShownNorRestored) {
    openGeometryPage("qrv-crt", [] { VeskolSimSetMaximum(0, kVcpVerticalPosition, 0); });
    ASSERT_LT(monitor().featureAvailability(2), 2);
    selectFeature(kPosition);
    EXPECT_TRUE(visible(kCtlPrimarySlider));
    EXPECT_FALSE(visible(kCtlSecondarySlider));
    EXPECT_FALSE(visible(kCtlSecondaryValue));
    scroll(kCtlSecondarySlider, SB_LINEUP);
    EXPECT_EQ(writes(), 0);

    scroll(kCtlPrimarySlider, SB_LINERIGHT);
    pageState().undoFeature = kPosition;
    commandPage(kCmdUndo);
    EXPECT_EQ(writes(), 2);  // the move and its undo
}

TEST_F(FeatureGridPageTest, TabEntersAtTheSelectionArrowsMoveItEnterAndSpacePress) {
    openGeometryPage("qrv-crt");
    ASSERT_TRUE(tabTo(kCtlItemButtonBase + kSize));
    EXPECT_EQ(pageState().geometrySelection, kSize);
    key(VK_RIGHT);
    EXPECT_EQ(GetFocus(), pageControl(kCtlItemButtonBase + kPosition));
    EXPECT_EQ(pageState().geometrySelection, kPosition);
    EXPECT_TRUE(visible(kCtlSecondarySlider));
    // Down a row of three, and not past the edges.
    key(VK_DOWN);
    EXPECT_EQ(pageState().geometrySelection, 9);
    EXPECT_FALSE(visible(kCtlSecondarySlider));
    for (UINT vk : {VK_UP, VK_UP, VK_LEFT, VK_LEFT}) {
        key(vk);
    }
    EXPECT_EQ(pageState().geometrySelection, kSize);
    key(VK_RIGHT);
    EXPECT_EQ(pageState().geometrySelection, kPosition);

    // Tab leaves the grid for the command; coming back lands on the
    // selection again.
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), pageControl(kCtlAutoGeometry));
    ASSERT_TRUE(tabTo(kCtlItemButtonBase + kPosition));
    EXPECT_EQ(writes(), 0);  // moving the focus writes nothing

    // Enter and Space press the focused command button of the page, even
    // where its identifier is also that of the main window's OK or Cancel.
    int asked = 0;
    app().ask = [&](HWND, const wchar_t*, const wchar_t*, UINT) {
        ++asked;
        return IDNO;
    };
    showTab(kTabOther);
    ASSERT_TRUE(tabTo(kCtlFactoryReset));  // the same number as OK
    key(VK_RETURN);
    EXPECT_EQ(asked, 1);
    key(VK_SPACE);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(IsWindow(window));

    showTab(kTabGeometry);
    ASSERT_TRUE(tabTo(kCtlAutoGeometry));  // the same number as Cancel
    key(VK_RETURN, true);
    EXPECT_EQ(currentPattern(), 24);
    tick(3);
    EXPECT_EQ(writes(), 1);
    EXPECT_TRUE(IsWindow(window));
}
