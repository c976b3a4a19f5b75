#include "patterns/pattern_window.h"

#include <new>

#include "draw/draw_resources.h"
#include "draw/gdi_handles.h"
#include "patterns/pattern_overlay.h"
#include "patterns/pixels/pattern_geometry.h"

namespace {

constexpr const wchar_t* kPatternClass = L"backgrnd";
constexpr const wchar_t* kPatternTitle = L"Lumetra";
// Hands the focus on once the focus change that reached the pattern is over.
constexpr UINT kMsgPassFocus = WM_APP + 1;

PatternEnvironment environment;
PatternOptions options;
HintedPatternWindow* shown = nullptr;

// The main window's rectangle on the screen.
RECT screenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The full rectangle (not the work area) of the monitor nearest `window`.
RECT monitorRectNear(HWND window) {
    HMONITOR monitor = window ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                              : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info.rcMonitor;
}

// A top-level popup as the pattern window's child, or back. The style
// changes with the parent: a popup inside another window is not painted
// everywhere.
void setMainWindowParent(HWND main, HWND parent) {
    LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
    style = parent ? (style & ~WS_POPUP) | WS_CHILD : (style & ~WS_CHILD) | WS_POPUP;
    if (parent) {
        SetWindowLongPtrW(main, GWL_STYLE, style);
        SetParent(main, parent);
    } else {
        SetParent(main, nullptr);
        SetWindowLongPtrW(main, GWL_STYLE, style);
    }
}

void moveMainWindow(HWND main, int x, int y) {
    SetWindowPos(main, nullptr, x, y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

// Gives the main window back to the desktop at `place` on the screen. A
// window changing parent keeps its numbers, so it would first stand at its
// place inside the pattern window, read as screen coordinates: away from
// its place on a screen whose origin is not (0, 0). It is hidden while it
// changes parent and shown again only at its place; the focus stays where
// it was.
void releaseMainWindow(HWND main, const RECT& place) {
    HWND focus = GetFocus();
    const bool focusInside = focus && (focus == main || IsChild(main, focus));
    ShowWindow(main, SW_HIDE);
    setMainWindowParent(main, nullptr);
    moveMainWindow(main, place.left, place.top);
    if (focusInside && IsWindow(focus)) {
        SetFocus(focus);
    }
}

// The pattern and its hint are painted off screen, into pixel memory the
// painter fills directly, and copied to the screen in one step (the copy
// keeps to the update region, so the main window stays untouched).
void onPaint(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (shown && dc) {
        RECT client{};
        GetClientRect(window, &client);
        DibSection image(client.right, client.bottom);
        MemoryDc offscreen(dc);
        ScopedSelectObject select(offscreen.get(), image.get());
        if (image && offscreen && select.ok()) {
            shown->paint(window, offscreen.get(), paint.rcPaint);
            BitBlt(dc, 0, 0, client.right, client.bottom, offscreen.get(), 0, 0, SRCCOPY);
        } else {
            shown->paint(window, dc, paint.rcPaint);  // too big to hold: straight on
        }
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK patternWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
            // The keys belong to the main window floating above the pattern.
            PostMessageW(window, kMsgPassFocus, 0, 0);
            return 0;
        case kMsgPassFocus:
            if (environment.mainWindow && GetFocus() == window) {
                SetFocus(environment.mainWindow);
            }
            return 0;
        case WM_PAINT:
            onPaint(window);
            return 0;
        case WM_SYSCOMMAND:
            // Closing the pattern (its system menu, Alt+F4) closes the program.
            if ((wParam & 0xFFF0) == SC_CLOSE && environment.mainWindow) {
                SendMessageW(environment.mainWindow, message, wParam, lParam);
                return 0;
            }
            break;
        case WM_CLOSE:
            // So does a close from outside (End task, another program): the
            // main window, inside the pattern, closes its own way.
            if (environment.mainWindow) {
                SendMessageW(environment.mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool registerPatternClass() {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = patternWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(resourceModule(), kIconName);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kPatternClass;
    return RegisterClassW(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

void setPatternEnvironment(const PatternEnvironment& given) {
    environment = given;
}

PatternOptions& patternOptions() {
    return options;
}

int PatternWindow::selectPattern(int n) {
    if (n != pattern_) {
        pattern_ = n;
        repaint();
    }
    return 0;
}

int PatternWindow::paint(HWND window, HDC dc, const RECT& /*update*/) {
    RECT client{};
    GetClientRect(window, &client);
    return paintPattern(dc, pattern_, client.right, client.bottom, pens_);
}

int PatternWindow::show(int n) {
    HWND main = environment.mainWindow;
    if (n == 0) {
        if (main && window_ && GetParent(main) == window_) {
            releaseMainWindow(main, screenRectOf(main));
        }
        if (window_) {
            DestroyWindow(window_);
            window_ = nullptr;
        }
        createTools(false);
        UnregisterClassW(kPatternClass, GetModuleHandleW(nullptr));
        return 0;
    }
    if (!registerPatternClass()) {
        return 0;
    }
    const RECT screen = monitorRectNear(main);
    pattern_ = n;
    createTools(true);
    window_ =
        CreateWindowExW(0, kPatternClass, L"", WS_POPUP | WS_VISIBLE | WS_SYSMENU, screen.left,
                        screen.top, screen.right - screen.left, screen.bottom - screen.top, nullptr,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_) {
        return 0;
    }
    SetWindowTextW(window_, kPatternTitle);
    if (main) {
        const RECT place = screenRectOf(main);
        setMainWindowParent(main, window_);
        ShowWindow(window_, SW_SHOW);
        moveMainWindow(main, place.left - screen.left, place.top - screen.top);
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    return 0;
}

void PatternWindow::createTools(bool create) {
    if (create) {
        (void)pens_.create();
    } else {
        pens_.destroy();
    }
}

void PatternWindow::repaint() {
    if (!window_) {
        return;
    }
    InvalidateRect(window_, nullptr, TRUE);
    // The main window sits inside the pattern window, which does not clip
    // its children: leave its area out, or the pattern would cover it.
    HWND main = environment.mainWindow;
    if (main && GetParent(main) == window_ && IsWindowVisible(main)) {
        RECT place = screenRectOf(main);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        ValidateRect(window_, &place);
    }
    UpdateWindow(window_);
}

int HintedPatternWindow::paint(HWND window, HDC dc, const RECT& update) {
    const bool flatPanel = patternHintsForFlatPanel();
    PatternWindow::paint(window, dc, update);
    if (hints_ && feature_ >= 0) {
        RECT client{};
        GetClientRect(window, &client);
        paintHint(dc, feature_, client.right, client.bottom, flatPanel);
    }
    return 0;
}

void HintedPatternWindow::setHintsEnabled(bool enabled) {
    if (enabled != hints_) {
        hints_ = enabled;
        repaint();
    }
}

void HintedPatternWindow::setAdjustedItem(int feature) {
    const bool changed = feature != feature_;
    feature_ = feature;
    if (changed && hints_) {
        repaint();
    }
}

void HintedPatternWindow::showItem(int feature, int pattern) {
    const bool hintChanged = feature != feature_ && hints_;
    feature_ = feature;
    if (pattern != 0 && pattern != currentPattern()) {
        selectPattern(pattern);  // with the new item's hint
    } else if (hintChanged) {
        repaint();
    }
}

void HintedPatternWindow::repaintHint() {
    if (hints_ && feature_ >= 0) {
        repaint();
    }
}

HintedPatternWindow* testPatternWindow() {
    return shown;
}

void noteAdjustedItem(int feature) {
    if (!shown) {
        return;
    }
    shown->showItem(feature, options.automaticChoice ? automaticPattern(feature) : 0);
}

bool patternHintsForFlatPanel() {
    return environment.flatPanel && environment.flatPanel();
}

void repaintPatternHint() {
    if (shown) {
        shown->repaintHint();
    }
}

bool patternWindowOpen() {
    return shown != nullptr;
}

void closePatternWindow() {
    (void)showTestPattern(0);
}

namespace {

void tellShownChanged(bool open) {
    if (environment.shownChanged) {
        environment.shownChanged(open);
    }
}

}  // namespace

int showTestPattern(int pattern) {
    if (pattern == 0) {
        if (shown) {
            shown->show(0);
            delete shown;
            shown = nullptr;
            tellShownChanged(false);
        }
        return 0;
    }
    if (shown) {
        return 0;
    }
    shown = new (std::nothrow) HintedPatternWindow();
    if (!shown) {
        return -1;
    }
    shown->setHintsEnabled(options.hints && options.automaticChoice);
    shown->setAdjustedItem(-1);
    shown->show(pattern);
    tellShownChanged(true);
    return 0;
}

int currentPattern() {
    return shown ? shown->currentPattern() : -1;
}

void selectPattern(int pattern) {
    if (shown) {
        shown->selectPattern(pattern);
    }
}
