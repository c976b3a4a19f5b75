#include "panels/six_axis_panel.h"

#include <algorithm>
#include <cmath>

#include "app/app_state.h"
#include "app/shared_utilities.h"
#include "draw/animated_illustration.h"
#include "monitor/active_monitor.h"
#include "panels/colour_availability.h"
#include "panels/page_state.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kSaturationPageStep = 2;

bool isHue(int feature) {
    return hueAxisOf(feature) >= 0;
}

const wchar_t* cursorOf(int feature) {
    const int axis = hueAxisOf(feature);
    return axis >= 0 ? kHueAxes[axis].cursor : IDC_SIZEALL;
}

}  // namespace

void SixAxisPanel::onInit() {
    dragging_ = false;
    hovered_ = kNoWheelItem;
    for (int axis = 0; axis < 6; ++axis) {
        brushes_[axis].reset(CreateSolidBrush(kHueAxes[axis].brush));
    }
    evaluate();
    row_ = createSlider(kCtlSixAxisSlider, 10, 165, false, kCtlSixAxisValue, 60, 195);
    SetWindowTextW(row_.text, L"0");
    wheel_ = createControl(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY,
                           kCtlHueWheel, 1, 1, kWheelSize, kWheelSize);
    SetWindowLongPtrW(wheel_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previousWheelProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(wheel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wheelProc)));
    rebuildSlider();
    attachPageHints(kTextBaseMain);  // the colour page registers again with its own base
}

void SixAxisPanel::onClose() {
    if (wheel_ && previousWheelProc_) {
        SetWindowLongPtrW(wheel_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWheelProc_));
        SetWindowLongPtrW(wheel_, GWLP_USERDATA, 0);
    }
    previousWheelProc_ = nullptr;
}

// A control is adjustable when it is usable now and has a range; a hue
// whose maximum reads 0 is left off the wheel.
void SixAxisPanel::evaluate() {
    saturationAdjustable_ = false;
    hueAdjustable_ = false;
    int firstHue = -1;
    if (monitorOpen()) {
        ActiveMonitor* mon = monitor();
        saturationAdjustable_ =
            mon->saturationAvailability() == 2 && mon->maximum(kFeatureSaturation) > 0;
        if (mon->hueAvailability() == 2) {
            for (const HueAxis& axis : kHueAxes) {
                if (mon->maximum(axis.feature) > 0 && firstHue < 0) {
                    firstHue = axis.feature;
                }
            }
        }
        hueAdjustable_ = firstHue >= 0;
    }
    // A refresh keeps the selection while it can still be adjusted; the
    // saturation first, then the first hue, is only the fallback.
    const bool keep = (selected_ == kFeatureSaturation && saturationAdjustable_) ||
                      (isHue(selected_) && hueAdjustable_ && monitor()->maximum(selected_) > 0);
    if (!keep) {
        selected_ = saturationAdjustable_ ? kFeatureSaturation : firstHue;
    }
    pageState().currentFeature = selected_;
}

WheelState SixAxisPanel::wheelState() {
    WheelState state;
    state.saturationAdjustable = saturationAdjustable_;
    state.hueAdjustable = hueAdjustable_;
    state.selected = selected_;
    state.hovered = hovered_;
    if (monitorOpen()) {
        ActiveMonitor* mon = monitor();
        state.saturation = mon->value(kFeatureSaturation);
        state.saturationMaximum = mon->maximum(kFeatureSaturation);
        for (int axis = 0; axis < 6; ++axis) {
            state.hue[axis] = mon->value(kHueAxes[axis].feature);
            state.hueMaximum[axis] = std::max(0, mon->maximum(kHueAxes[axis].feature));
        }
    }
    return state;
}

void SixAxisPanel::rebuildSlider() {
    const bool usable = monitorOpen() && selected_ >= 0;
    EnableWindow(row_.bar, usable);
    EnableWindow(row_.text, usable);
    if (!usable) {
        SetWindowTextW(row_.text, L"");
        return;
    }
    ActiveMonitor* mon = monitor();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMax = std::max(0, mon->maximum(selected_));
    info.nPos = mon->value(selected_);
    SetScrollInfo(row_.bar, SB_CTL, &info, TRUE);
    // Saturation reads -50% .. 50%, a hue -100% .. 100%.
    const int shown = selected_ == kFeatureSaturation ? mon->permille(selected_) - 500
                                                      : 2 * mon->permille(selected_) - 1000;
    wchar_t text[32];
    formatPermille(shown, text, 32);
    SetWindowTextW(row_.text, text);
    InvalidateRect(row_.bar, nullptr, TRUE);  // the bar takes the hue's colour
}

void SixAxisPanel::repaintWheel() {
    InvalidateRect(wheel_, nullptr, FALSE);
}

void SixAxisPanel::rebuild() {
    // A drag does not outlive a refresh: its feature may have changed.
    if (dragging_) {
        endDrag();
        ReleaseCapture();
    }
    evaluate();
    rebuildSlider();
    repaintWheel();
    if (monitorOpen() && !monitorBusy()) {
        const int code = colourIllustration(*monitor(), selected_);
        pageState().colourIllustration = code;
        chooseIllustration(code);
    }
}

void SixAxisPanel::onUndo() {
    rebuildSlider();
    repaintWheel();
}

void SixAxisPanel::showSelectedIllustration() {
    AnimatedIllustration* illustration = app().illustration;
    if (illustration && illustration->item() != selected_) {
        illustration->freeFrames();
        illustration->setItem(selected_);
    }
}

void SixAxisPanel::select(int feature) {
    if (feature == kFeatureSaturation && saturationAdjustable_) {
        selected_ = feature;
    } else if (isHue(feature) && hueAdjustable_) {
        selected_ = feature;
    }
    repaintWheel();
    if (selected_ >= 0) {
        noteAdjustedItem(selected_);
        pageState().currentFeature = selected_;
        showSelectedIllustration();
    }
    rebuildSlider();
}

bool SixAxisPanel::onCommand(int id, int notification) {
    // The second click of a double click presses as the first did.
    if (id != kCtlHueWheel || (notification != STN_CLICKED && notification != STN_DBLCLK)) {
        return false;
    }
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(wheel_, &at);
    select(wheelHitTest(wheelState(), at.x, at.y));
    return true;
}

void SixAxisPanel::onScroll(HWND bar, int request, int thumb) {
    if (bar != row_.bar || selected_ < 0 || !monitorOpen()) {
        return;
    }
    ActiveMonitor* mon = monitor();
    noteAdjustedItem(selected_);
    showSelectedIllustration();
    const int maximum = mon->maximum(selected_);
    const int pageStep = selected_ == kFeatureSaturation ? kSaturationPageStep : maximum / 20 + 1;
    const std::optional<int> next =
        steppedValue(request, mon->value(selected_), thumb, {0, maximum}, false, pageStep);
    if (next && mon->setValue(selected_, *next) == 0) {
        rebuildSlider();
        repaintWheel();
    }
}

void SixAxisPanel::onContextMenu(HWND over, POINT at) {
    if (over == wheel_ && selected_ >= 0) {
        showUndoMenu(selected_, at);
    }
}

bool SixAxisPanel::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != static_cast<UINT>(kCtlHueWheel)) {
        return false;
    }
    paintWheel(item.hDC, wheelState());
    return true;
}

HBRUSH SixAxisPanel::sliderBrush(HWND bar) {
    const int axis = hueAxisOf(selected_);
    return bar == row_.bar && axis >= 0 ? brushes_[axis].get() : nullptr;
}

// A press on a handle or the ring starts a drag from where it was grabbed:
// the value moves with the pointer from there, so grabbing a handle off its
// centre does not make it jump.
void SixAxisPanel::grab(int x, int y) {
    const int hit = wheelHitTest(wheelState(), x, y);
    if (hit == kNoWheelItem) {
        return;
    }
    dragging_ = true;
    grabPoint_ = POINT{x, y};
    grabValue_ = monitor()->value(hit);
    SetCapture(wheel_);
}

void SixAxisPanel::dragTo(int x, int y) {
    ActiveMonitor* mon = monitor();
    const int maximum = mon->maximum(selected_);
    const int axis = hueAxisOf(selected_);
    auto travel = [&](POINT p) {
        return axis >= 0 ? hueTravel(axis, p.x, p.y, maximum) : saturationTravel(p.x, p.y, maximum);
    };
    const double moved = travel(POINT{x, y}) - travel(grabPoint_);
    const int value =
        std::clamp(grabValue_ + static_cast<int>(std::lround(moved)), 0, std::max(0, maximum));
    SetCursor(LoadCursorW(nullptr, cursorOf(selected_)));
    if (value == mon->value(selected_)) {
        return;  // nothing new for the monitor
    }
    // The handle follows what the monitor object holds, written or not.
    (void)mon->setValue(selected_, value);
    repaintWheel();
    rebuildSlider();
}

void SixAxisPanel::hover(int x, int y) {
    const int hit = wheelHitTest(wheelState(), x, y);
    if (hit != kNoWheelItem && hit == selected_) {
        SetCursor(LoadCursorW(nullptr, cursorOf(hit)));
    }
    if (hit != hovered_) {
        hovered_ = hit;
        repaintWheel();
    }
}

void SixAxisPanel::endDrag() {
    dragging_ = false;
    repaintWheel();
}

void SixAxisPanel::onWheelMouse(UINT message, int x, int y) {
    if (!monitorOpen() || monitorBusy()) {
        return;
    }
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            grab(x, y);
            break;
        case WM_MOUSEMOVE:
            if (dragging_ && selected_ >= 0) {
                dragTo(x, y);
            } else {
                hover(x, y);
            }
            break;
        case WM_LBUTTONUP:
            if (dragging_) {
                endDrag();
                ReleaseCapture();
            }
            break;
        case WM_CAPTURECHANGED:  // the capture went elsewhere: the drag is over
            if (dragging_) {
                endDrag();
            }
            break;
        default:
            break;
    }
}

LRESULT CALLBACK SixAxisPanel::wheelProc(HWND wheel, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* panel = reinterpret_cast<SixAxisPanel*>(GetWindowLongPtrW(wheel, GWLP_USERDATA));
    if (!panel) {
        return DefWindowProcW(wheel, message, wParam, lParam);
    }
    const WNDPROC previous = panel->previousWheelProc_;
    panel->onWheelMouse(message, static_cast<short>(LOWORD(lParam)),
                        static_cast<short>(HIWORD(lParam)));
    return CallWindowProcW(previous, wheel, message, wParam, lParam);
}
