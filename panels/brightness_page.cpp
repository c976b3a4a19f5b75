#include "panels/brightness_page.h"

#include <algorithm>

#include "app/app_state.h"
#include "app/illustration_worker.h"
#include "app/shared_utilities.h"
#include "app/strings.h"
#include "draw/bitmap_background.h"
#include "draw/picture_button_group.h"
#include "monitor/active_monitor.h"
#include "panels/page_state.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kBrightness = 14;
constexpr int kContrast = 15;
constexpr int kWindowMode = 95;
constexpr int kMaxModes = 7;

constexpr int kSliderX = 154;
constexpr int kSliderY = 30;
constexpr int kValueX = 146;
constexpr int kValueY = 175;
constexpr int kCommandButtonSize = 37;

// Picture of each feature's button.
int featureBitmap(int feature) {
    return feature == kBrightness ? IDB_BRIGHTNESS : IDB_CONTRAST;
}

// Illustration codes of messages.
constexpr int kShowNoMonitor = -1;
constexpr int kShowReading = -5;
constexpr int kShowSrgbLocked = -8;
constexpr int kShowNothing = -10;

}  // namespace

BrightnessPage::BrightnessPage() = default;

BrightnessPage::~BrightnessPage() = default;

POINT BrightnessPage::nextCell() {
    return gridCell(cellCount_++);
}

void BrightnessPage::onInit() {
    cellCount_ = 0;
    createMonitorPicture();
    buttons_ = std::make_unique<PictureButtonGroup>();
    buttons_->attach(window());
    buildFeatureList();
    createFeatureButtons();
    slider_ = createSlider(kCtlPrimarySlider, kSliderX, kSliderY, true, kCtlPrimaryValue, kValueX,
                           kValueY);
    rebuildSlider();
    createResetButton();
    createModeGroup();
    attachPageHints(kTextBaseMain);
    buttons_->select(kCtlItemButtonBase + pageState().brightnessSelection);
    startIllustrationTimer();
}

void BrightnessPage::onClose() {
    buttons_.reset();
    if (resetBitmap_) {
        DeleteObject(resetBitmap_);
        resetBitmap_ = nullptr;
    }
}

void BrightnessPage::buildFeatureList() {
    features_.clear();
    ActiveMonitor* mon = monitor();
    if (monitorOpen() && !mon->brightnessContrastLocked()) {
        for (int feature : {kBrightness, kContrast}) {
            if (mon->featureAvailability(feature) > 1) {
                features_.push_back(feature);
            }
        }
    }
    int& selection = pageState().brightnessSelection;
    const bool listed = std::find(features_.begin(), features_.end(), selection) != features_.end();
    if (!listed && !features_.empty()) {
        selection = features_.front();  // contrast not adjustable: brightness
    }
}

void BrightnessPage::createFeatureButtons() {
    for (int feature : features_) {
        const POINT cell = nextCell();
        (void)buttons_->createButton(kCtlItemButtonBase + feature, featureBitmap(feature), cell.x,
                                     cell.y);
    }
}

void BrightnessPage::rebuildSlider() {
    const int selection = pageState().brightnessSelection;
    if (monitorBusy()) {
        restartIllustration(kShowReading);
    } else if (!features_.empty()) {
        restartIllustration(selection);
    } else if (monitorOpen() && monitor()->brightnessContrastLocked()) {
        restartIllustration(kShowSrgbLocked);
    } else {
        restartIllustration(monitorOpen() ? kShowNothing : kShowNoMonitor);
    }
    if (features_.empty()) {
        setSliderVisible(slider_, false);
        return;
    }
    setSliderVisible(slider_, true);
    showSliderValue(slider_, selection);
}

void BrightnessPage::createResetButton() {
    if (!monitorOpen() || !monitor()->canResetBrightnessContrast()) {
        return;
    }
    if (!resetBitmap_) {
        resetBitmap_ = static_cast<HBITMAP>(
            LoadImageW(app().instance, MAKEINTRESOURCEW(IDB_RESET_BRIGHTNESS_CONTRAST),
                       IMAGE_BITMAP, 0, 0, 0));
        replaceGreyPixels(resetBitmap_, GetSysColor(COLOR_BTNFACE));
    }
    const POINT cell = nextCell();
    resetButton_ = createControl(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_BITMAP,
                                 kCtlResetBrightnessContrast, cell.x, cell.y, kCommandButtonSize,
                                 kCommandButtonSize);
    SendMessageW(resetButton_, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(resetBitmap_));
}

void BrightnessPage::removeResetButton() {
    if (resetButton_) {
        DestroyWindow(resetButton_);
        resetButton_ = nullptr;
    }
}

void BrightnessPage::createModeGroup() {
    if (!monitorOpen() || monitor()->windowModeAvailability() == 0) {
        return;
    }
    ActiveMonitor* mon = monitor();
    const int rows = (cellCount_ + 2) / 3;  // a partly filled row counts
    const int y0 = 4 + 40 * rows;
    const int modes = std::clamp(mon->maximum(kWindowMode), 0, kMaxModes);
    const int caption = mon->displayTechnology() == 1 ? IDS_MODE_GROUP_HALO : IDS_MODE_GROUP_VIVO;
    createControl(L"BUTTON", loadString(caption).c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                  kCtlModeGroup, 4, y0 + 5, 125, 20 * modes + 45);
    createControl(L"BUTTON", loadString(IDS_MODE_OFF).c_str(),
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON, kCtlModeOff, 12,
                  y0 + 25, 108, 20);
    if (modes > 1) {
        const std::wstring format = loadString(IDS_MODE_NUMBERED);
        for (int i = 0; i < modes; ++i) {
            createControl(L"BUTTON", formatText(format, {static_cast<long long>(i + 1)}).c_str(),
                          WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, kCtlModeOff + 1 + i, 12,
                          y0 + 45 + 20 * i, 108, 20);
        }
    } else {
        createControl(L"BUTTON", loadString(IDS_MODE_ON).c_str(),
                      WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, kCtlModeOff + 1, 12, y0 + 45, 108,
                      20);
    }
    checkModeRadio();
    const bool usable = mon->windowModeAvailability() > 1;
    for (int id = kCtlModeGroup; id <= kCtlModeLast; ++id) {
        if (HWND control = GetDlgItem(window(), id)) {
            EnableWindow(control, usable);
        }
    }
}

void BrightnessPage::checkModeRadio() {
    const int value = monitorOpen() ? monitor()->value(kWindowMode) : -1;
    for (int id = kCtlModeOff; id <= kCtlModeLast; ++id) {
        if (HWND radio = GetDlgItem(window(), id)) {
            SendMessageW(radio, BM_SETCHECK,
                         id - kCtlModeOff == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void BrightnessPage::removeModeGroup() {
    for (int id = kCtlModeGroup; id <= kCtlModeLast; ++id) {
        if (HWND control = GetDlgItem(window(), id)) {
            DestroyWindow(control);
        }
    }
}

void BrightnessPage::onRefresh() {
    buttons_->clear();
    removeModeGroup();
    removeResetButton();
    cellCount_ = 0;
    buildFeatureList();
    createFeatureButtons();
    buttons_->select(kCtlItemButtonBase + pageState().brightnessSelection);
    rebuildSlider();
    createResetButton();
    createModeGroup();
    attachPageHints(kTextBaseMain);  // the reset button and the radios may be new
}

void BrightnessPage::onUndo() {
    rebuildSlider();
}

bool BrightnessPage::onCommand(int id, int notification) {
    // Every control of the page is a button; a double click reports a click
    // and then a double click, and must act once.
    if (notification != BN_CLICKED) {
        return false;
    }
    if (id == kCtlItemButtonBase + kBrightness || id == kCtlItemButtonBase + kContrast) {
        const int feature = id - kCtlItemButtonBase;
        pageState().brightnessSelection = feature;
        noteAdjustedItem(feature);
        rebuildSlider();  // shows the feature's animation afresh
        buttons_->select(id);
        return true;
    }
    if (id == kCtlResetBrightnessContrast) {
        if (monitorOpen()) {
            showWaitIllustration(window());
            (void)monitor()->resetBrightnessContrast();
        }
        rebuildSlider();
        return true;
    }
    if (id >= kCtlModeOff && id <= kCtlModeLast) {
        if (monitorOpen() && monitor()->selectWindowMode(id - kCtlModeOff) == 0) {
            rebuildSlider();
            checkModeRadio();
        }
        return true;
    }
    return false;
}

int BrightnessPage::contrastFloor(int value) {
    // Below a quarter the picture of a tube is hard to see: only with Shift.
    if (!monitor()->hasGeometry() || (GetKeyState(VK_SHIFT) & 0x8000) != 0) {
        return value;
    }
    return std::max(value, monitor()->maximum(kContrast) / 4);
}

void BrightnessPage::onScroll(HWND bar, int request, int thumb) {
    if (bar != slider_.bar || features_.empty()) {
        return;
    }
    const int feature = pageState().brightnessSelection;
    if (feature == kContrast) {
        (void)stepFeature(slider_, feature, request, thumb,
                          [this](int value) { return contrastFloor(value); });
    } else {
        (void)stepFeature(slider_, feature, request, thumb);
    }
}

void BrightnessPage::onContextMenu(HWND over, POINT at) {
    const int id = over ? GetDlgCtrlID(over) : 0;
    if (id != kCtlItemButtonBase + kBrightness && id != kCtlItemButtonBase + kContrast) {
        return;
    }
    if (at.x == -1 && at.y == -1) {  // from the keyboard: at the button
        RECT rect{};
        GetWindowRect(over, &rect);
        at = POINT{rect.left + 4, rect.bottom - 4};
    }
    showUndoMenu(id - kCtlItemButtonBase, at);
}

bool BrightnessPage::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON || !buttons_) {
        return false;
    }
    buttons_->drawItem(&item);
    return true;
}
