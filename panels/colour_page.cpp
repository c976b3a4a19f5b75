#include "panels/colour_page.h"

#include "app/app_state.h"
#include "app/illustration_worker.h"
#include "app/shared_utilities.h"
#include "app/strings.h"
#include "draw/bitmap_background.h"
#include "hints/hint_window.h"
#include "monitor/active_monitor.h"
#include "panels/colour_availability.h"
#include "panels/colour_sub_panels.h"
#include "panels/page_state.h"
#include "panels/six_axis_panel.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

namespace {

constexpr COLORREF kTabImageMask = RGB(0, 128, 128);
constexpr int kInnerTabWidth = 40;
constexpr int kInnerTabHeight = 22;

// Illustration codes of messages.
constexpr int kShowNoMonitor = -1;
constexpr int kShowReading = -5;

// The wheel over the closed preset box would switch presets one after
// another: a pointer resting there while the user scrolls is no choice.
// Over the open list it browses as usual.
LRESULT CALLBACK presetListWheel(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
    if (message == WM_MOUSEWHEEL && !SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0)) {
        return 0;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

AdjustmentPage* makeSubPanel(int kind) {
    switch (kind) {
        case kPanelGain:
            return new GainPanel();
        case kPanelBias:
            return new BiasPanel();
        case kPanelTemperature:
            return new TemperaturePanel();
        default:
            return new SixAxisPanel();
    }
}

}  // namespace

void ColourPage::onInit() {
    createMonitorPicture();
    presetList_ =
        createControl(L"COMBOBOX", L"", WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                      kCtlPresetList, 205, 215, 100, 250);
    // The arrow keys open the closed list instead of switching the preset.
    SendMessageW(presetList_, CB_SETEXTENDEDUI, TRUE, 0);
    SetWindowSubclass(presetList_, presetListWheel, 0, 0);
    resetBitmap_.reset(static_cast<HBITMAP>(
        LoadImageW(app().instance, MAKEINTRESOURCEW(IDB_RESET_COLOUR), IMAGE_BITMAP, 0, 0, 0)));
    replaceGreyPixels(resetBitmap_.get(), GetSysColor(COLOR_BTNFACE));
    resetButton_ = createControl(L"BUTTON", L"", WS_CHILD | WS_TABSTOP | BS_BITMAP, kCtlResetColour,
                                 310, 215, 37, 24);
    SendMessageW(resetButton_, BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(resetBitmap_.get()));
    startIllustrationTimer();
    createInnerTabs();
    insertOfferedTabs();
    rebuildFrame();
    switchSubPanel(false);
    attachPageHints(kTextBaseColour);
}

void ColourPage::onClose() {
    if (tabImages_) {
        ImageList_Destroy(tabImages_);
        tabImages_ = nullptr;
    }
}

void ColourPage::createInnerTabs() {
    innerTabs_ = createControl(
        WC_TABCONTROLW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | TCS_TOOLTIPS | TCS_FIXEDWIDTH,
        kCtlColourTabs, 5, 5, 170, 240);
    // Four image tabs side by side within the control's width.
    TabCtrl_SetItemSize(innerTabs_, kInnerTabWidth, kInnerTabHeight);
    // Tab moves on into the sub-panel's controls.
    SetWindowLongPtrW(innerTabs_, GWL_EXSTYLE,
                      GetWindowLongPtrW(innerTabs_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    tabImages_ = ImageList_LoadImageW(app().instance, MAKEINTRESOURCEW(IDB_COLOUR_TAB_IMAGES),
                                      kTabImageWidth, 0, kTabImageMask, IMAGE_BITMAP, 0);
    TabCtrl_SetImageList(innerTabs_, tabImages_);
}

void ColourPage::insertOfferedTabs() {
    TabCtrl_DeleteAllItems(innerTabs_);
    int position = 0;
    for (int kind : offeredColourPanels(monitorOpen() ? monitor() : nullptr)) {
        TCITEMW item{};
        item.mask = TCIF_IMAGE | TCIF_PARAM;
        item.iImage = kind;
        item.lParam = kind;
        TabCtrl_InsertItem(innerTabs_, position++, &item);
    }
    TabCtrl_SetCurSel(innerTabs_, 0);
}

int ColourPage::selectedKind() const {
    TCITEMW item{};
    item.mask = TCIF_PARAM;
    const int position = TabCtrl_GetCurSel(innerTabs_);
    if (position < 0 || !TabCtrl_GetItem(innerTabs_, position, &item)) {
        return -1;
    }
    return static_cast<int>(item.lParam);
}

void ColourPage::rebuildFrame() {
    if (monitorBusy()) {
        chooseIllustration(kShowReading);
    } else if (monitorOpen()) {
        chooseIllustration(pageState().colourIllustration);
    } else {
        chooseIllustration(kShowNoMonitor);
    }
    fillPresetList();
    ShowWindow(resetButton_, monitorOpen() && monitor()->canResetColour() ? SW_SHOW : SW_HIDE);
    if (subPanel_) {
        PostMessageW(subPanel_, WM_COMMAND, kCmdRefresh, 0);
    }
}

void ColourPage::fillPresetList() {
    const int current = monitorOpen() ? monitor()->currentPresetPosition() : -1;
    if (current < 0) {
        ShowWindow(presetList_, SW_HIDE);
        return;
    }
    ShowWindow(presetList_, SW_SHOW);
    SendMessageW(presetList_, CB_RESETCONTENT, 0, 0);
    const int size = monitor()->presetListSize();
    for (int position = 0; position < size; ++position) {
        std::string label;
        (void)monitor()->presetLabelAt(label, position);
        const auto row = SendMessageW(presetList_, CB_ADDSTRING, 0,
                                      reinterpret_cast<LPARAM>(fromUtf8(label).c_str()));
        SendMessageW(presetList_, CB_SETITEMDATA, row, position);
    }
    showPresetInEffect();
}

// Selects the entry whose item data is the preset the monitor is in; none
// when no entry matches.
void ColourPage::showPresetInEffect() {
    const int current = monitorOpen() ? monitor()->currentPresetPosition() : -1;
    int shown = -1;
    const int rows = static_cast<int>(SendMessageW(presetList_, CB_GETCOUNT, 0, 0));
    for (int row = 0; row < rows && shown < 0; ++row) {
        if (SendMessageW(presetList_, CB_GETITEMDATA, row, 0) == current) {
            shown = row;
        }
    }
    if (SendMessageW(presetList_, CB_GETCURSEL, 0, 0) != shown) {
        SendMessageW(presetList_, CB_SETCURSEL, static_cast<WPARAM>(shown), 0);
    }
}

void ColourPage::chooseColourIllustration() {
    if (monitorBusy() || !monitorOpen()) {
        return;  // the frame shows the wait or no-monitor message
    }
    const int code = colourIllustration(*monitor(), pageState().currentFeature);
    pageState().colourIllustration = code;
    chooseIllustration(code);
}

// A colour-temperature write makes the monitor recompute its gains and
// biases, and a gain write may move the colour temperature: the values are
// read again (keeping what the user changed) before the other panel shows them.
void ColourPage::rereadBeforeSwitch(int kind) {
    if (!monitorOpen()) {
        return;
    }
    ActiveMonitor* mon = monitor();
    bool reread = false;
    if (kind == kPanelGain || kind == kPanelBias) {
        reread = mon->isColourTemperatureModified() == 1;
    } else if (kind == kPanelTemperature) {
        reread = mon->isModified(kFeatureRedGain) == 1 || mon->isModified(kFeatureGreenGain) == 1 ||
                 mon->isModified(kFeatureBlueGain) == 1;
    }
    if (reread) {
        (void)mon->rereadColours();
    }
}

void ColourPage::switchSubPanel(bool byUser) {
    if (subPanel_) {
        detachHints();
        DestroyWindow(subPanel_);
        subPanel_ = nullptr;
    }
    const int kind = selectedKind();
    if (kind < 0) {
        // Only the colour reset is offered: nothing to adjust.
        pageState().currentFeature = -1;
        chooseColourIllustration();
        return;
    }
    rereadBeforeSwitch(kind);
    subPanel_ = AdjustmentPage::create(makeSubPanel(kind), innerTabs_, kPageTemplate);
    if (subPanel_) {
        RECT area{};
        GetClientRect(innerTabs_, &area);
        TabCtrl_AdjustRect(innerTabs_, FALSE, &area);
        MoveWindow(subPanel_, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   TRUE);
        ShowWindow(subPanel_, SW_SHOW);
    }
    chooseColourIllustration();
    if (byUser) {
        SetFocus(innerTabs_);
        attachPageHints(kTextBaseColour);
        if (pageState().currentFeature >= 0) {  // a panel with nothing to adjust keeps the hint
            noteAdjustedItem(pageState().currentFeature);
        }
    }
}

void ColourPage::onRefresh() {
    rebuildFrame();
    chooseColourIllustration();
    attachPageHints(kTextBaseColour);
}

// A preset switch waits up to two seconds and on some models stores the
// settings first, so it runs once per deliberate choice and never while the
// user browses. In the open list, moving through the entries (arrow keys,
// the wheel, the pointer) switches nothing; a click or Enter on an entry
// ends the list with CBN_SELENDOK, and the switch follows at CBN_CLOSEUP,
// once the list is gone. Escape or a click elsewhere (CBN_SELENDCANCEL)
// shows the preset in effect again. On the closed box the arrow keys open
// the list and the wheel does nothing; any other change made there (Home,
// End, a letter) is a choice of its own.
void ColourPage::onPresetListNotification(int notification) {
    const bool dropped = SendMessageW(presetList_, CB_GETDROPPEDSTATE, 0, 0) != 0;
    switch (notification) {
        case CBN_SELENDOK:
            presetChoicePending_ = dropped;
            if (!dropped) {
                onPresetChosen();
            }
            break;
        case CBN_CLOSEUP:
            if (presetChoicePending_) {
                onPresetChosen();
            }
            break;
        case CBN_SELCHANGE:
            if (!dropped) {
                onPresetChosen();
            }
            break;
        case CBN_SELENDCANCEL:
            presetChoicePending_ = false;
            showPresetInEffect();
            break;
        default:
            break;
    }
}

void ColourPage::onPresetChosen() {
    presetChoicePending_ = false;
    const auto row = SendMessageW(presetList_, CB_GETCURSEL, 0, 0);
    if (row < 0 || !monitorOpen()) {
        return;
    }
    const auto position = static_cast<int>(SendMessageW(presetList_, CB_GETITEMDATA, row, 0));
    if (position == monitor()->currentPresetPosition()) {
        return;  // the preset in effect: nothing to switch
    }
    showWaitIllustration(window());
    (void)monitor()->selectPresetAt(position);
    rebuildFrame();
    chooseColourIllustration();
}

void ColourPage::onResetColour() {
    if (!monitorOpen()) {
        return;
    }
    showWaitIllustration(window());
    (void)monitor()->resetColour();
    chooseColourIllustration();
    rebuildFrame();
}

bool ColourPage::onCommand(int id, int notification) {
    if (id == kCtlPresetList) {
        onPresetListNotification(notification);
        return true;
    }
    if (id == kCtlResetColour && notification == BN_CLICKED) {
        onResetColour();
        return true;
    }
    return false;
}

void ColourPage::answerTabTip(const NMHDR& header) {
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(const_cast<NMHDR&>(header));
    TCITEMW item{};
    item.mask = TCIF_IMAGE;
    info.hinst = app().instance;
    if (TabCtrl_GetItem(innerTabs_, static_cast<int>(header.idFrom), &item)) {
        info.lpszText = MAKEINTRESOURCEW(kFirstColourTabTipString + item.iImage);
    } else if (const int id = GetDlgCtrlID(reinterpret_cast<HWND>(header.idFrom)); id != 0) {
        info.lpszText = MAKEINTRESOURCEW(id + kTextBaseColour);  // as a control's hint
    }
}

void ColourPage::onNotify(const NMHDR& header) {
    if (header.hwndFrom == innerTabs_ && header.code == TCN_SELCHANGE) {
        switchSubPanel(true);
    } else if (header.code == TTN_GETDISPINFOW &&
               header.hwndFrom == TabCtrl_GetToolTips(innerTabs_)) {
        answerTabTip(header);
    }
}
