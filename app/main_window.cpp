#include "app/main_window.h"

#include "app/app_state.h"
#include "app/monitor_list.h"
#include "app/storing.h"
#include "app/strings.h"
#include "app/tabs.h"
#include "app/workers.h"
#include "monitor/active_monitor.h"
#include "panels/about_box.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

// The handlers of the main window's messages (main_window_create.cpp holds
// creation and destruction).
bool onMainCreate(HWND window);
void onMainDestroy(HWND window);

namespace {

void onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != static_cast<UINT>(kMainLogo) || !app().logo) {
        return;
    }
    BITMAP size{};
    GetObjectW(app().logo, sizeof size, &size);
    HDC memory = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(memory, app().logo);
    BitBlt(item.hDC, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

LRESULT onNotify(const NMHDR& header) {
    if (header.hwndFrom == app().tabControl && header.code == TCN_SELCHANGE) {
        onTabChanged();
    } else if (header.code == TTN_GETDISPINFOW &&
               header.hwndFrom == TabCtrl_GetToolTips(app().tabControl)) {
        // The tip of a tab is string 500 + its image.
        auto& info = *reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(&header));
        TCITEMW item{};
        item.mask = TCIF_IMAGE;
        TabCtrl_GetItem(app().tabControl, static_cast<int>(header.idFrom), &item);
        info.hinst = app().instance;
        info.lpszText = MAKEINTRESOURCEW(kFirstTabTipString + item.iImage);
    }
    return 0;
}

// The open monitor when it holds changes not yet stored, else null.
ActiveMonitor* monitorWithUnstoredChanges() {
    ActiveMonitor* monitor = app().monitor;
    return monitor && !app().busy && monitor->isOpen() && monitor->hasUnstoredChanges() ? monitor
                                                                                        : nullptr;
}

// OK stores what changed and closes; a store the monitor did not take is
// told, and the window stays open with every value as the user set it.
void onOk(HWND window) {
    if (ActiveMonitor* monitor = monitorWithUnstoredChanges()) {
        if (!storeOnUsersWord(*monitor, window)) {
            return;
        }
        cancelDeferredSave();  // stored now: closing must not store again
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
}

// Cancel puts the values back and stores them, then closes whatever the
// monitor did: it is the way out when storing fails.
void onCancel(HWND window) {
    if (ActiveMonitor* monitor = monitorWithUnstoredChanges()) {
        (void)monitor->restoreAll();  // re-arms the deferred store on some models
        if (monitor->storeSettings() == 0) {
            cancelDeferredSave();
        }
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
}

// Opens pattern 1 or closes the pattern shown; the box follows whenever a
// pattern opens or closes, and the page marks what is shown.
void onTestPatternBox() {
    (void)showTestPattern(patternWindowOpen() ? 0 : 1);
    sendPageCommand(kCmdRefresh);
}

// Escape takes a full-screen pattern away, as the box would.
void onEscape() {
    if (patternWindowOpen()) {
        onTestPatternBox();
    }
}

void onCommand(HWND window, int id, int notification) {
    switch (id) {
        case kCmdRefresh:
            postPageCommand(kCmdRefresh);
            break;
        case kMainTestPatternBox:
            onTestPatternBox();
            break;
        case IDCANCEL:  // Escape
            onEscape();
            break;
        case kMainOk:
            onOk(window);
            break;
        case kMainCancel:
            onCancel(window);
            break;
        case kMainMonitorList:
            if (notification == CBN_SELCHANGE) {
                const LRESULT row = SendMessageW(app().comboBox, CB_GETCURSEL, 0, 0);
                if (row != CB_ERR) {
                    switchMonitor(app().comboBox, static_cast<int>(row));
                }
            }
            break;
        default:
            break;
    }
}

// A control inside the page, rather than one of the main window's own.
bool isPageControl(HWND control) {
    return control && app().currentPanel && IsChild(app().currentPanel, control);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return onMainCreate(window) ? 0 : -1;
        case WM_DESTROY:
            onMainDestroy(window);
            return 0;
        case WM_SIZE:
            if (app().currentPanel) {
                layoutMainWindow();
            }
            return 0;
        case WM_CLOSE:
            closePatternWindow();
            DestroyWindow(window);
            return 0;
        case WM_DRAWITEM:
            onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_NOTIFY:
            return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_DISPLAYCHANGE:
            SetTimer(window, kTimerDisplayChange, kDisplayChangeDelayMs, nullptr);
            return 0;
        case WM_COMMAND:
            if (isPageControl(reinterpret_cast<HWND>(lParam))) {
                // Enter on a page's button reaches the main window with that
                // button's identifier (which may be OK's or Cancel's): it
                // belongs to the page.
                SendMessageW(GetParent(reinterpret_cast<HWND>(lParam)), message, wParam, lParam);
                return 0;
            }
            onCommand(window, LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_SYSCOMMAND:
            // The whole value: the item's number is no multiple of 16, so the
            // low bits the system reserves are part of it.
            if (wParam == static_cast<WPARAM>(kSysMenuAbout)) {
                showAboutBox(app().tabControl);
                return 0;
            }
            break;
        case WM_TIMER:
            onMainTimer(wParam);
            return 0;
        case kMsgOpenDone:
            onOpenWorkerDone();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, kIconName);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    if (!RegisterClassW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        return false;
    }
    // The pages' dialog class: an ordinary dialog window under its own name.
    WNDCLASSW pageClass{};
    pageClass.lpfnWndProc = DefDlgProcW;
    pageClass.cbWndExtra = DLGWINDOWEXTRA;
    pageClass.hInstance = instance;
    pageClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    pageClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    pageClass.lpszClassName = kPageWindowClass;
    return RegisterClassW(&pageClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND createMainWindow(HINSTANCE instance, int showCommand) {
    HWND window = CreateWindowExW(
        0, kMainWindowClass, kMainWindowTitle, WS_POPUPWINDOW | WS_DLGFRAME | WS_MINIMIZEBOX, 30,
        30, 383, 376 + GetSystemMetrics(SM_CYSIZE), nullptr, nullptr, instance, nullptr);
    if (window) {
        ShowWindow(window, showCommand);
        UpdateWindow(window);
    }
    return window;
}

int runMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (app().mainWindow && IsDialogMessageW(app().mainWindow, &msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int runLumetra(HINSTANCE instance, int showCommand) {
    app().instance = instance;
    if (HWND running = FindWindowW(kMainWindowClass, kMainWindowTitle)) {
        ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(running);
        return 0;
    }
    // The tab control's class must exist before the window creates it.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!registerMainWindowClass(instance) || !createMainWindow(instance, showCommand)) {
        return 0;
    }
    return runMessageLoop();
}
