#include "panels/feature_grid_page.h"

#include <algorithm>
#include <span>

#include "app/app_state.h"
#include "draw/item_button_group.h"
#include "monitor/active_monitor.h"
#include "panels/page_state.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kMaxFeatures = PictureButtonGroup::kCapacity;

// The features of each kind, in the order their buttons appear.
constexpr int kGeometryFeatures[] = {1, 0, 7, 8, 9, 10, 12, 45, 46, 6, 41, 40, 42, 49, 50, 11, 43};
constexpr int kOtherFeatures[] = {13, 44, 73, 74, 75, 76, 51, 62, 48, 66, 65, 68, 67, 82};

// Horizontal position and size; their vertical partners are adjusted on
// the second slider and never listed.
constexpr int kPosition = 0;
constexpr int kSize = 1;
constexpr int kVerticalPosition = 2;
constexpr int kVerticalSize = 3;

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

// How far an arrow key moves through the grid of three columns.
int arrowStep(UINT key) {
    switch (key) {
        case VK_LEFT:
            return -1;
        case VK_RIGHT:
            return 1;
        case VK_UP:
            return -3;
        case VK_DOWN:
            return 3;
        default:
            return 0;
    }
}

}  // namespace

int featureGridContent(GridKind kind) {
    if (!monitorIsOpen()) {
        return 0;
    }
    ActiveMonitor* monitor = app().monitor;
    return static_cast<int>(listedFeatures(kind, monitor).size()) +
           FeatureGridPage::offeredCommands(kind, monitor);
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
    attachPageHints(kTextBaseMain);
    buttons_->select(kCtlItemButtonBase + selection());
    moveTabStop();
    startIllustrationTimer();
}

void FeatureGridPage::onRefresh() {
    // The focused button is re-created: the focus returns to the new one.
    HWND focus = GetFocus();
    const int focused = IsChild(window(), focus) ? GetDlgCtrlID(focus) : 0;
    buttons_->clear();
    removeCommandButtons();
    cellCount_ = 0;
    buildFeatureList();
    createFeatureButtons();
    createCommandButtons();
    keepSelectionListed();
    buttons_->select(kCtlItemButtonBase + selection());
    moveTabStop();
    rebuildSliders();
    attachPageHints(kTextBaseMain);  // buttons came and went
    if (HWND again = focused != 0 ? GetDlgItem(window(), focused) : nullptr) {
        SetFocus(again);
    }
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
        const int id = kCtlItemButtonBase + feature;
        if (buttons_->createItemButton(id, cell.x, cell.y, FeatureGridPage::kButtonSize,
                                       FeatureGridPage::kButtonSize) != 0) {
            continue;
        }
        // The arrow keys move the selection through the grid.
        SetWindowSubclass(GetDlgItem(window(), id), gridKeys, 0, reinterpret_cast<DWORD_PTR>(this));
    }
}

LRESULT CALLBACK FeatureGridPage::gridKeys(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR page) {
    if (message == WM_GETDLGCODE) {
        return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTARROWS;
    }
    if (message == WM_KEYDOWN) {
        const int step = arrowStep(static_cast<UINT>(wParam));
        if (step != 0) {
            reinterpret_cast<FeatureGridPage*>(page)->stepSelection(button, step);
            return 0;
        }
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

void FeatureGridPage::stepSelection(HWND from, int step) {
    const auto at =
        std::find(features_.begin(), features_.end(), GetDlgCtrlID(from) - kCtlItemButtonBase);
    const long index = (at - features_.begin()) + step;
    if (at == features_.end() || index < 0 || index >= static_cast<long>(features_.size())) {
        return;  // the edge of the grid
    }
    const int feature = features_[static_cast<size_t>(index)];
    SetFocus(GetDlgItem(window(), kCtlItemButtonBase + feature));
    selectFeature(feature);
}

void FeatureGridPage::moveTabStop() {
    // Tab enters the grid at the selected feature.
    for (int feature : features_) {
        HWND button = GetDlgItem(window(), kCtlItemButtonBase + feature);
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE) & ~LONG_PTR{WS_TABSTOP};
        SetWindowLongPtrW(button, GWL_STYLE, style | (feature == selection() ? WS_TABSTOP : 0));
    }
}

void FeatureGridPage::rebuildSliders() {
    const int selected = selection();
    if (monitorBusy()) {
        restartIllustration(kShowReading);
    } else {
        restartIllustration(!features_.empty() && selected >= 0 ? selected : kShowNothing);
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
    moveTabStop();
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
    return runCommand(id);
}

void FeatureGridPage::onScroll(HWND bar, int request, int thumb) {
    if (!monitorOpen() || !listed(selection())) {
        return;
    }
    const bool primary = bar == primary_.bar;
    const int feature = primary ? selection() : (bar == secondary_.bar ? secondAxis() : -1);
    // Only a feature the monitor can adjust now moves: one whose re-read
    // failed has no range left, and a step would write 0 to it.
    if (feature >= 0 && monitor()->featureAvailability(feature) == 2) {
        (void)stepFeature(primary ? primary_ : secondary_, feature, request, thumb);
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
