// The one-shot commands of the feature-grid pages: which buttons the
// monitor offers, their pictures, the resets and degauss, and the automatic
// commands that put their test pattern up and run the monitor's work from
// a page timer 400 ms later.
#include "app/app_state.h"
#include "app/illustration_worker.h"
#include "app/strings.h"
#include "app/tabs.h"
#include "draw/bitmap_background.h"
#include "monitor/active_monitor.h"
#include "panels/feature_grid_page.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

namespace {

struct CommandButton {
    GridKind kind;
    int id;
    int (ActiveMonitor::*offered)();
    int bitmap;
};

constexpr CommandButton kCommandButtons[] = {
    {GridKind::geometry, kCtlResetGeometry, &ActiveMonitor::canResetGeometry, IDB_RESET_GEOMETRY},
    {GridKind::geometry, kCtlAutoGeometry, &ActiveMonitor::canAutoGeometry, IDB_AUTO_ADJUST},
    {GridKind::geometry, kCtlAutoSetup, &ActiveMonitor::canAutoSetup, IDB_AUTO_ADJUST},
    {GridKind::other, kCtlDegauss, &ActiveMonitor::canDegauss, IDB_DEGAUSS},
    {GridKind::other, kCtlFactoryReset, &ActiveMonitor::canFactoryReset, IDB_FACTORY_RESET},
};

// The automatic commands: their test pattern and the page timer that
// starts the monitor's work once the pattern is up.
struct AutomaticCommand {
    int id;
    int pattern;
    UINT_PTR timer;
    int (ActiveMonitor::*run)();
};

constexpr AutomaticCommand kAutomaticCommands[] = {
    {kCtlAutoGeometry, 24, 3, &ActiveMonitor::autoGeometry},
    {kCtlAutoSetup, 23, 4, &ActiveMonitor::autoSetup},
};
constexpr UINT kAutomaticDelayMs = 400;

const AutomaticCommand* automaticCommand(int id) {
    for (const AutomaticCommand& command : kAutomaticCommands) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace

int FeatureGridPage::offeredCommands(GridKind kind, ActiveMonitor* monitor) {
    int count = 0;
    for (const CommandButton& command : kCommandButtons) {
        if (command.kind == kind && (monitor->*command.offered)()) {
            ++count;
        }
    }
    return count;
}

HBITMAP FeatureGridPage::commandBitmap(int bitmapId) {
    ScopedBitmap& bitmap = bitmaps_[bitmapId];
    if (!bitmap) {
        bitmap.reset(static_cast<HBITMAP>(
            LoadImageW(app().instance, MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, 0)));
        (void)replaceGreyPixels(bitmap.get(), GetSysColor(COLOR_BTNFACE));
    }
    return bitmap.get();
}

void FeatureGridPage::createCommandButtons() {
    if (!monitorOpen()) {
        return;
    }
    for (const CommandButton& command : kCommandButtons) {
        if (command.kind != kind_ || !(monitor()->*command.offered)()) {
            continue;
        }
        const POINT cell = gridCell(cellCount_++);
        HWND button = createControl(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_BITMAP,
                                    command.id, cell.x, cell.y, kButtonSize, kButtonSize);
        SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(commandBitmap(command.bitmap)));
    }
}

void FeatureGridPage::removeCommandButtons() {
    for (const CommandButton& command : kCommandButtons) {
        if (HWND button = GetDlgItem(window(), command.id)) {
            DestroyWindow(button);
        }
    }
}

bool FeatureGridPage::runCommand(int id) {
    if (!monitorOpen()) {
        return false;
    }
    if (commandRunning_) {
        return true;  // pressed again from within the first run's message box
    }
    commandRunning_ = true;
    const bool ran = startCommand(id);
    commandRunning_ = false;
    return ran;
}

void FeatureGridPage::dropQueuedClicks() {
    // Presses that reached a command button while a command ran (the
    // second click of a double click, impatient clicks during the monitor's
    // wait) are dropped: a one-shot command runs once per press that could
    // see its result. A real double click gives a push button two clicks.
    for (const CommandButton& command : kCommandButtons) {
        HWND button = GetDlgItem(window(), command.id);
        MSG message;
        while (button && PeekMessageW(&message, button, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK,
                                      PM_REMOVE | PM_NOYIELD)) {
        }
    }
}

bool FeatureGridPage::startCommand(int id) {
    switch (id) {
        case kCtlResetGeometry:
            showWaitIllustration(window());
            (void)monitor()->resetGeometry();
            refreshAfterReload();
            return true;
        case kCtlDegauss:
            (void)monitor()->degauss();
            dropQueuedClicks();
            return true;
        case kCtlFactoryReset:
            factoryReset();
            return true;
        case kCtlAutoGeometry:
        case kCtlAutoSetup:
            startAutomatic(id);
            return true;
        default:
            return false;
    }
}

void FeatureGridPage::factoryReset() {
    const int answer = app().ask(window(), loadString(IDS_ASK_FACTORY_RESET).c_str(), L"Lumetra",
                                 MB_ICONQUESTION | MB_YESNO);
    dropQueuedClicks();  // made while the question was up
    if (answer != IDYES) {
        return;
    }
    showWaitIllustration(window());
    (void)monitor()->factoryReset();
    refreshAfterReload();
    updateTabs();  // last: it may replace this page
}

void FeatureGridPage::startAutomatic(int id) {
    if (automaticTimer_ != 0) {
        return;  // one at a time: the first remembers the pattern to restore
    }
    const AutomaticCommand* command = automaticCommand(id);
    showWaitIllustration(window());
    SetTimer(window(), command->timer, kAutomaticDelayMs, nullptr);
    automaticTimer_ = command->timer;
    if (patternWindowOpen()) {
        rememberedPattern_ = currentPattern();
        selectPattern(command->pattern);
    } else {
        rememberedPattern_ = -1;
        (void)showTestPattern(command->pattern);
    }
}

void FeatureGridPage::onTimer(UINT_PTR timer) {
    if (timer == automaticTimer_) {
        finishAutomatic(timer);
    }
}

void FeatureGridPage::finishAutomatic(UINT_PTR timer) {
    KillTimer(window(), timer);
    automaticTimer_ = 0;
    for (const AutomaticCommand& command : kAutomaticCommands) {
        if (command.timer == timer && monitorOpen()) {
            (void)(monitor()->*command.run)();
        }
    }
    refreshAfterReload();
    restorePattern();
}

void FeatureGridPage::refreshAfterReload() {
    // The command re-read every control: one that stopped answering has
    // lost its range, so its button goes and the selection falls back to
    // the first listed feature, as on a refresh. Presses queued meanwhile
    // go first.
    dropQueuedClicks();
    onRefresh();
}

void FeatureGridPage::restorePattern() {
    if (rememberedPattern_ == -1) {
        (void)showTestPattern(0);
    } else if (patternWindowOpen()) {
        // The user may have closed the window meanwhile: not opened again.
        selectPattern(rememberedPattern_);
    }
}
