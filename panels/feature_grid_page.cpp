#include "panels/feature_grid_page.h"

#include <algorithm>
#include <span>

#include "app/app_state.h"
#include "app/illustration_worker.h"
#include "app/strings.h"
#include "app/tabs.h"
#include "draw/bitmap_background.h"
#include "draw/draw_resources.h"
#include "draw/item_button_group.h"
#include "monitor/active_monitor.h"
#include "panels/page_state.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kMaxFeatures = PictureButtonGroup::kCapacity;
constexpr int kButtonSize = 37;

// The features of each kind, in the order their buttons appear.
constexpr int kGeometryFeatures[] = {1, 0, 7, 8, 9, 10, 12, 45, 46, 6, 41, 40, 42, 49, 50, 11, 43};
constexpr int kOtherFeatures[] = {13, 44, 73, 74, 75, 76, 51, 62, 48, 66, 65, 68, 67, 82};

// Horizontal position and size; their vertical partners are adjusted on
// the second slider and never listed.
constexpr int kPosition = 0;
constexpr int kSize = 1;
constexpr int kVerticalPosition = 2;
constexpr int kVerticalSize = 3;

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

// Illustration codes of messages.
constexpr int kShowReading = -5;
constexpr int kShowNothing = -10;

constexpr int kPrimaryX = 209;
constexpr int kPrimaryY = 195;
constexpr int kPrimaryValueX = 259;
constexpr int kPrimaryValueY = 225;
constexpr int kSecondaryX = 154;
constexpr int kSecondaryY = 30;
constexpr int kSecondaryValueX = 146;
constexpr int kSecondaryValueY = 175;

std::span<const int> featureOrder(GridKind kind) {
    return kind == GridKind::geometry ? std::span<const int>(kGeometryFeatures)
                                      : std::span<const int>(kOtherFeatures);
}

// The features of `kind` the monitor can adjust now, at most 30.
std::vector<int> listedFeatures(GridKind kind, ActiveMonitor* monitor) {
    std::vector<int> features;
    for (int feature : featureOrder(kind)) {
        if (features.size() < kMaxFeatures && monitor->featureAvailability(feature) > 1) {
            features.push_back(feature);
        }
    }
    return features;
}

bool monitorIsOpen() {
    return app().monitor && !app().busy && app().monitor->isOpen();
}

int verticalPartner(int feature) {
    if (feature == kPosition) {
        return kVerticalPosition;
    }
    return feature == kSize ? kVerticalSize : -1;
}

const AutomaticCommand* automaticCommand(int id) {
    for (const AutomaticCommand& command : kAutomaticCommands) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace

int featureGridContent(GridKind kind) {
    if (!monitorIsOpen()) {
        return 0;
    }
    ActiveMonitor* monitor = app().monitor;
    int content = static_cast<int>(listedFeatures(kind, monitor).size());
    for (const CommandButton& command : kCommandButtons) {
        if (command.kind == kind && (monitor->*command.offered)()) {
            ++content;
        }
    }
    return content;
}

FeatureGridPage::FeatureGridPage(GridKind kind) : kind_(kind) {}

FeatureGridPage::~FeatureGridPage() = default;

int& FeatureGridPage::selection() const {
    return kind_ == GridKind::geometry ? pageState().geometrySelection : pageState().otherSelection;
}

int FeatureGridPage::secondAxis() const {
    const int partner = verticalPartner(selection());
    // A partner the monitor can't adjust now gets no slider: moving it
    // would write a value that was never read.
    if (partner < 0 || !monitorOpen() || monitor()->featureAvailability(partner) != 2) {
        return -1;
    }
    return partner;
}

bool FeatureGridPage::listed(int feature) const {
    return std::find(features_.begin(), features_.end(), feature) != features_.end();
}

void FeatureGridPage::onInit() {
    cellCount_ = 0;
    createMonitorPicture();
    buildFeatureList();
    buttons_ = std::make_unique<ItemButtonGroup>();
    buttons_->attach(window());
    createFeatureButtons();
    createCommandButtons();
    secondary_ = createSlider(kCtlSecondarySlider, kSecondaryX, kSecondaryY, true,
                              kCtlSecondaryValue, kSecondaryValueX, kSecondaryValueY);
    primary_ = createSlider(kCtlPrimarySlider, kPrimaryX, kPrimaryY, false, kCtlPrimaryValue,
                            kPrimaryValueX, kPrimaryValueY);
    keepSelectionListed();
    rebuildSliders();
    // The hints of the page's controls are attached here.
    buttons_->select(kCtlItemButtonBase + selection());
    startIllustrationTimer();
}

void FeatureGridPage::onRefresh() {
    buttons_->clear();
    removeCommandButtons();
    cellCount_ = 0;
    buildFeatureList();
    createFeatureButtons();
    createCommandButtons();
    keepSelectionListed();
    buttons_->select(kCtlItemButtonBase + selection());
    rebuildSliders();
    // Buttons came and went: the hints are attached again here.
}

void FeatureGridPage::onClose() {
    if (automaticTimer_ != 0) {
        // The page goes before the monitor started: the pattern shown
        // before the command comes back.
        KillTimer(window(), automaticTimer_);
        automaticTimer_ = 0;
        restorePattern();
    }
    buttons_.reset();
    bitmaps_.clear();
}

void FeatureGridPage::buildFeatureList() {
    features_ = monitorOpen() ? listedFeatures(kind_, monitor()) : std::vector<int>{};
}

void FeatureGridPage::keepSelectionListed() {
    // The remembered feature may have left the list (a new monitor, or a
    // reload that found it unusable): the first listed one takes its place.
    int& selected = selection();
    if (!listed(selected)) {
        selected = features_.empty() ? -1 : features_.front();
    }
}

void FeatureGridPage::createFeatureButtons() {
    for (int feature : features_) {
        const POINT cell = gridCell(cellCount_++);
        (void)buttons_->createItemButton(kCtlItemButtonBase + feature, cell.x, cell.y, kButtonSize,
                                         kButtonSize);
    }
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

void FeatureGridPage::rebuildSliders() {
    const int selected = selection();
    if (monitorBusy()) {
        chooseIllustration(kShowReading);
    } else {
        chooseIllustration(!features_.empty() && selected >= 0 ? selected : kShowNothing);
    }
    if (features_.empty() || selected < 0) {
        setSliderVisible(primary_, false);
        setSliderVisible(secondary_, false);
        return;
    }
    showSliderValue(primary_, selected);
    setSliderVisible(primary_, true);
    const int partner = secondAxis();
    if (partner >= 0) {
        showSliderValue(secondary_, partner);
    }
    setSliderVisible(secondary_, partner >= 0);
}

void FeatureGridPage::selectFeature(int feature) {
    selection() = feature;
    noteAdjustedItem(feature);
    rebuildSliders();
    buttons_->select(kCtlItemButtonBase + feature);
}

void FeatureGridPage::onUndo() {
    // Position and size go back on both axes; a partner that was not
    // changed is not written.
    const int partner = verticalPartner(pageState().undoFeature);
    if (partner >= 0 && monitorOpen() && monitor()->isFeatureChanged(partner) == 1) {
        (void)monitor()->restoreFeature(partner);
    }
    rebuildSliders();
}

bool FeatureGridPage::onCommand(int id, int notification) {
    // A double click reports a click and then a double click: act once.
    if (notification != BN_CLICKED) {
        return false;
    }
    const int feature = id - kCtlItemButtonBase;
    if (listed(feature)) {
        selectFeature(feature);
        return true;
    }
    if (!monitorOpen()) {
        return false;
    }
    switch (id) {
        case kCtlResetGeometry:
            showWaitIllustration(window());
            (void)monitor()->resetGeometry();
            rebuildSliders();
            return true;
        case kCtlDegauss:
            (void)monitor()->degauss();
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
    if (answer != IDYES) {
        return;
    }
    showWaitIllustration(window());
    (void)monitor()->factoryReset();
    rebuildSliders();
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
    rebuildSliders();
    restorePattern();
}

void FeatureGridPage::restorePattern() {
    if (rememberedPattern_ == -1) {
        (void)showTestPattern(0);
    } else if (patternWindowOpen()) {
        // The user may have closed the window meanwhile: not opened again.
        selectPattern(rememberedPattern_);
    }
}

void FeatureGridPage::onScroll(HWND bar, int request, int thumb) {
    if (features_.empty() || selection() < 0) {
        return;
    }
    if (bar == primary_.bar) {
        (void)stepFeature(primary_, selection(), request, thumb);
    } else if (bar == secondary_.bar && secondAxis() >= 0) {
        (void)stepFeature(secondary_, secondAxis(), request, thumb);
    }
}

void FeatureGridPage::onContextMenu(HWND over, POINT at) {
    const int id = over ? GetDlgCtrlID(over) : 0;
    int feature = -1;
    if (id == kCtlPrimarySlider || id == kCtlSecondarySlider) {
        feature = selection();
    } else if (id >= kCtlItemButtonBase && id < kCtlItemButtonBase + 100 &&
               listed(id - kCtlItemButtonBase)) {
        feature = id - kCtlItemButtonBase;
    }
    if (feature < 0) {
        return;
    }
    if (at.x == -1 && at.y == -1) {  // from the keyboard: at the control
        RECT rect{};
        GetWindowRect(over, &rect);
        at = POINT{rect.left + 4, rect.bottom - 4};
    }
    showUndoMenu(feature, at, verticalPartner(feature));
}

bool FeatureGridPage::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON || !buttons_) {
        return false;
    }
    return buttons_->drawItem(&item) == 0;
}

void FeatureGridPage::onTick() {
    AdjustmentPage::onTick();
    if (!buttons_) {
        return;
    }
    buttons_->stepAnimation();
    if (buttons_->selected() >= 0) {
        if (HWND button = GetDlgItem(window(), buttons_->selected())) {
            InvalidateRect(button, nullptr, FALSE);
        }
    }
}
