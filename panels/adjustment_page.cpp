#include "panels/adjustment_page.h"

#include "app/app_state.h"
#include "app/illustration_worker.h"
#include "app/shared_utilities.h"
#include "app/strings.h"
#include "draw/animated_illustration.h"
#include "draw/pixels/illustration_geometry.h"
#include "hints/hint_window.h"
#include "monitor/active_monitor.h"
#include "panels/page_state.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kSliderLength = 140;
constexpr int kSliderThickness = 25;
constexpr int kValueTextWidth = 40;
constexpr int kValueTextHeight = 15;

}  // namespace

HWND AdjustmentPage::create(AdjustmentPage* page, HWND parent, const wchar_t* templateName) {
    HWND window = CreateDialogParamW(app().instance, templateName, parent, dialogProc,
                                     reinterpret_cast<LPARAM>(page));
    if (!window) {
        delete page;  // the window never took it
    }
    return window;
}

AdjustmentPage::~AdjustmentPage() = default;

INT_PTR CALLBACK AdjustmentPage::dialogProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* page = reinterpret_cast<AdjustmentPage*>(lParam);
        page->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
        // Tab and Shift+Tab move from the main window's controls into the page.
        SetWindowLongPtrW(window, GWL_EXSTYLE,
                          GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
        page->undoMenu_ = CreatePopupMenu();
        AppendMenuW(page->undoMenu_, MF_STRING, kCmdUndo, loadString(IDS_MENU_UNDO).c_str());
        page->onInit();
        return FALSE;
    }
    auto* page = reinterpret_cast<AdjustmentPage*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!page) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete page;
        return FALSE;
    }
    return page->handle(message, wParam, lParam);
}

INT_PTR AdjustmentPage::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            handleCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (lParam) {
                handleScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam),
                             static_cast<short>(HIWORD(wParam)));
            }
            return TRUE;
        case WM_CONTEXTMENU:
            onContextMenu(
                reinterpret_cast<HWND>(wParam),
                POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return TRUE;
        case WM_TIMER:
            if (wParam == kPageTimer) {
                onTick();
            } else {
                onTimer(wParam);
            }
            return TRUE;
        case WM_DRAWITEM:
            return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
        case WM_NOTIFY:
            if (!answerHintText(*reinterpret_cast<NMHDR*>(lParam))) {
                onNotify(*reinterpret_cast<const NMHDR*>(lParam));
            }
            return TRUE;
        case WM_CTLCOLORSCROLLBAR:
            return reinterpret_cast<INT_PTR>(sliderBrush(reinterpret_cast<HWND>(lParam)));
        case WM_DESTROY:
            KillTimer(window_, kPageTimer);
            detachHints();
            onClose();
            if (undoMenu_) {
                DestroyMenu(undoMenu_);
                undoMenu_ = nullptr;
            }
            return TRUE;
        default:
            return FALSE;
    }
}

void AdjustmentPage::handleCommand(int id, int notification) {
    switch (id) {
        case kCmdPictureChanged:
            showMonitorPicture();
            onPictureChanged();
            break;
        case kCmdUndo:
            if (monitorOpen()) {
                restoreUndone(pageState().undoFeature);
            }
            onUndo();
            break;
        case kCmdRefresh:
            onRefresh();
            break;
        default:
            (void)onCommand(id, notification);
            break;
    }
}

void AdjustmentPage::handleScroll(HWND bar, int request, int thumb) {
    if (!monitorBusy()) {
        onScroll(bar, request, thumb);
    }
}

void AdjustmentPage::onUndo() {
    onRefresh();
}

bool AdjustmentPage::onCommand(int, int) {
    return false;
}

void AdjustmentPage::onScroll(HWND, int, int) {}

void AdjustmentPage::onContextMenu(HWND, POINT) {}

bool AdjustmentPage::onDrawItem(const DRAWITEMSTRUCT&) {
    return false;
}

void AdjustmentPage::onTick() {
    illustrationTick(window_);
}

void AdjustmentPage::onTimer(UINT_PTR) {}

void AdjustmentPage::onClose() {}

void AdjustmentPage::onNotify(const NMHDR&) {}

HBRUSH AdjustmentPage::sliderBrush(HWND) {
    return nullptr;
}

bool AdjustmentPage::canUndo(int feature) {
    return monitor()->isFeatureChanged(feature) == 1;
}

void AdjustmentPage::restoreUndone(int feature) {
    (void)monitor()->restoreFeature(feature);
}

void AdjustmentPage::attachPageHints(int textBase) {
    detachHints();
    (void)attachHints(window_, textBase);
}

ActiveMonitor* AdjustmentPage::monitor() const {
    return app().monitor;
}

bool AdjustmentPage::monitorOpen() const {
    return app().monitor && !app().busy && app().monitor->isOpen();
}

bool AdjustmentPage::monitorBusy() const {
    return app().busy != 0;
}

HWND AdjustmentPage::createControl(const wchar_t* windowClass, const wchar_t* text, DWORD style,
                                   int id, int x, int y, int width, int height) {
    return createChildControl(window_, windowClass, text, style, id, x, y, width, height);
}

void AdjustmentPage::createMonitorPicture() {
    createControl(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, kCtlMonitorPicture,
                  kPictureLeft, kPictureTop, kPictureSize, kPictureSize);
    showMonitorPicture();
}

void AdjustmentPage::showMonitorPicture() {
    if (HWND picture = GetDlgItem(window_, kCtlMonitorPicture)) {
        SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(app().monitorPicture));
    }
}

SliderRow AdjustmentPage::createSlider(int id, int x, int y, bool vertical, int textId, int textX,
                                       int textY) {
    SliderRow row;
    row.vertical = vertical;
    row.bar = createControl(L"SCROLLBAR", L"0",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | (vertical ? SBS_VERT : SBS_HORZ),
                            id, x, y, vertical ? kSliderThickness : kSliderLength,
                            vertical ? kSliderLength : kSliderThickness);
    row.text = createControl(L"STATIC", L"000", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOTIFY,
                             textId, textX, textY, kValueTextWidth, kValueTextHeight);
    return row;
}

void AdjustmentPage::showSliderValue(const SliderRow& row, int feature) {
    ActiveMonitor* mon = monitor();
    const bool open = monitorOpen();
    const SliderRange range{open ? mon->minimum(feature) : 0, open ? mon->maximum(feature) : 0};
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = range.minimum;
    info.nMax = std::max(range.minimum, range.maximum);
    info.nPos = open ? barPosition(mon->value(feature), range, row.vertical) : 0;
    SetScrollInfo(row.bar, SB_CTL, &info, TRUE);
    wchar_t text[32];
    formatPermille(open ? mon->permille(feature) : 0, text, 32);
    SetWindowTextW(row.text, text);
}

void AdjustmentPage::setSliderVisible(const SliderRow& row, bool visible) {
    ShowWindow(row.bar, visible ? SW_SHOW : SW_HIDE);
    ShowWindow(row.text, visible ? SW_SHOW : SW_HIDE);
}

int AdjustmentPage::stepFeature(const SliderRow& row, int feature, int request, int thumb,
                                const std::function<int(int)>& limit) {
    if (!monitorOpen()) {
        return 1;
    }
    ActiveMonitor* mon = monitor();
    const SliderRange range{mon->minimum(feature), mon->maximum(feature)};
    std::optional<int> next =
        steppedValue(request, mon->value(feature), thumb, range, row.vertical);
    if (!next) {
        return 1;
    }
    noteAdjustedItem(feature);
    if (limit) {
        next = limit(*next);
    }
    const int result = mon->setValue(feature, *next);
    if (result == 0) {
        showSliderValue(row, feature);
    }
    return result;
}

POINT gridCell(int k) {
    return POINT{5 + 40 * (k % 3), 4 + 40 * (k / 3)};
}

void AdjustmentPage::showUndoMenu(int feature, POINT at, int partner) {
    pageState().undoFeature = feature;
    const bool changed = monitorOpen() && (canUndo(feature) || (partner >= 0 && canUndo(partner)));
    EnableMenuItem(undoMenu_, kCmdUndo, MF_BYCOMMAND | (changed ? MF_ENABLED : MF_GRAYED));
    app().trackMenu(undoMenu_, at.x, at.y, window_);
}

void AdjustmentPage::chooseIllustration(int code) {
    AnimatedIllustration* illustration = app().illustration;
    if (illustration && illustration->item() != code) {
        restartIllustration(code);
    }
}

void AdjustmentPage::restartIllustration(int code) {
    if (AnimatedIllustration* illustration = app().illustration) {
        illustration->setItem(code);
        illustration->freeFrames();
    }
}

void AdjustmentPage::startIllustrationTimer() {
    SetTimer(window_, kPageTimer, kPageTimerMs, nullptr);
}
