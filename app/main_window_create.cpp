// The main window's creation and destruction handlers, step by step.
#include <cwchar>
#include <new>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/monitor_list.h"
#include "app/shared_utilities.h"
#include "app/strings.h"
#include "app/tabs.h"
#include "app/workers.h"
#include "draw/animated_illustration.h"
#include "draw/bitmap_background.h"
#include "draw/draw_resources.h"
#include "link/display_interface.h"
#include "monitor/active_monitor.h"
#include "panels/page_state.h"
#include "patterns/pattern_window.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kDefaultFontHeight = 14;
constexpr COLORREF kTabImageMask = RGB(0x00, 0x80, 0x80);
constexpr int kTabImageWidth = 15;
constexpr int kFirstMonitorPicture = IDB_MONITOR_CRT_IVORY_17;

// The three tabs every monitor has: (image, parameter).
constexpr struct {
    int image;
    int tag;
} kPermanentTabs[] = {{0, kTabBrightness}, {4, kTabTestPattern}, {6, kTabInformation}};

HFONT createSharedFont() {
    unsigned height = 0;
    if (std::swscanf(loadString(IDS_UI_FONT_HEIGHT).c_str(), L"%u", &height) != 1) {
        height = kDefaultFontHeight;
    }
    return CreateFontW(static_cast<int>(height), 0, 0, 0, 300, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       loadString(IDS_UI_FONT_FACE).c_str());
}

HBITMAP loadPicture(int id) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(app().instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
    replaceGreyPixels(bitmap, GetSysColor(COLOR_BTNFACE));
    return bitmap;
}

void createLogo(HWND window) {
    app().logo = loadPicture(IDB_LOGO);
    BITMAP size{};
    if (app().logo) {
        GetObjectW(app().logo, sizeof size, &size);
    }
    createChildControl(window, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_OWNERDRAW,
                       kMainLogo, 10, 275, size.bmWidth, size.bmHeight);
}

void createTabControl(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    app().tabControl = createChildControl(window, WC_TABCONTROLW, L"",
                                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | TCS_TOOLTIPS,
                                          kMainTabControl, 0, 0, client.right, client.bottom);
    // Tab moves from the main window's controls into the page and back.
    SetWindowLongPtrW(app().tabControl, GWL_EXSTYLE,
                      GetWindowLongPtrW(app().tabControl, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
}

void addTabImagesAndTabs() {
    HIMAGELIST images = ImageList_LoadImageW(app().instance, MAKEINTRESOURCEW(IDB_TAB_IMAGES),
                                             kTabImageWidth, 0, kTabImageMask, IMAGE_BITMAP, 0);
    TabCtrl_SetImageList(app().tabControl, images);
    int position = 0;
    for (const auto& tab : kPermanentTabs) {
        insertTab(app().tabControl, position++, tab.tag, tab.image);
    }
}

void createButtons(HWND window) {
    createChildControl(window, L"BUTTON", loadString(IDS_BUTTON_OK).c_str(),
                       WS_CHILD | WS_VISIBLE | WS_TABSTOP, kMainOk, 210, 338, 70, 24);
    createChildControl(window, L"BUTTON", loadString(IDS_BUTTON_CANCEL).c_str(),
                       WS_CHILD | WS_VISIBLE | WS_TABSTOP, kMainCancel, 290, 338, 70, 24);
    app().comboBox = createChildControl(window, L"COMBOBOX", L"",
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST,
                                        kMainMonitorList, 5, 338, 193, 150);
}

void addAboutToSystemMenu(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kSysMenuAbout, loadString(IDS_MENU_ABOUT).c_str());
}

// Start-up: list the monitors and open the first one in the background.
void listAndOpenFirstMonitor() {
    const int first = fillMonitorList(app().comboBox);
    resetPageSelections();
    pickMonitorPicture();
    postPageCommand(kCmdRefresh);
    startOpenWorker(first);
}

void dispatchMonitorHooks() {
    app().monitor->setHooks(MonitorHooks{
        .abortFlag = &app().abortFlag,
        .armDeferredSave = armDeferredSave,
        .loadString = loadStringUtf8,
    });
}

}  // namespace

bool onMainCreate(HWND window) {
    AppState& state = app();
    state.interfaceSelector = kInterfaceSelector;
    state.mainWindow = window;
    state.monitor = new (std::nothrow) ActiveMonitor(1);
    if (!state.monitor) {
        return false;
    }
    dispatchMonitorHooks();
    state.abortFlag = 0;
    state.illustrationRunning = 0;
    state.busy = 0;
    state.openedFlatPanel = false;
    state.openWorker = nullptr;
    state.illustrationWorker = nullptr;
    state.deferredSavePending = 0;
    patternOptions() = PatternOptions{};
    state.illustrationStyle = 1;

    state.font = createSharedFont();
    setDrawingEnvironment(
        DrawingEnvironment{.module = state.instance, .font = state.font, .mainWindow = window});
    setPatternEnvironment(PatternEnvironment{
        .mainWindow = window,
        .flatPanel = [] { return app().openedFlatPanel; },
        .shownChanged =
            [](bool shown) {
                CheckDlgButton(app().mainWindow, kMainTestPatternBox,
                               shown ? BST_CHECKED : BST_UNCHECKED);
            },
    });
    createLogo(window);
    createTabControl(window);
    createChildControl(window, L"BUTTON", loadString(IDS_SHOW_TEST_PATTERN).c_str(),
                       WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, kMainTestPatternBox, 20,
                       315, 220, 25);
    state.monitorPicture = loadPicture(kFirstMonitorPicture);
    state.monitorPictureNumber = kFirstMonitorPicture;
    addTabImagesAndTabs();
    createButtons(window);
    showPage(kTabBrightness, L"SCREENDLG");
    RECT client{};
    GetClientRect(window, &client);
    PostMessageW(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    addAboutToSystemMenu(window);
    state.illustration = new (std::nothrow) AnimatedIllustration();
    listAndOpenFirstMonitor();
    return state.tabControl != nullptr;
}

void onMainDestroy(HWND window) {
    AppState& state = app();
    const bool openInterrupted = state.busy.load() != 0;
    waitForWorkers();
    KillTimer(window, kTimerDisplayChange);
    KillTimer(window, kTimerDeferredSave);
    // A store still waiting for its timer is made now: closing right after
    // a slider move must not lose the setting on models that store each write.
    if (state.deferredSavePending.exchange(0) && state.monitor && !openInterrupted) {
        (void)state.monitor->storeSettings();
    }
    delete state.illustration;
    state.illustration = nullptr;
    setDrawingEnvironment(DrawingEnvironment{});
    closePatternWindow();
    setPatternEnvironment(PatternEnvironment{});
    if (state.currentPanel) {
        DestroyWindow(state.currentPanel);
        state.currentPanel = nullptr;
    }
    // A tab control never destroys the image list it was given.
    if (state.tabControl) {
        ImageList_Destroy(TabCtrl_SetImageList(state.tabControl, nullptr));
    }
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(state.monitorPicture),
                           static_cast<HGDIOBJ>(state.logo), static_cast<HGDIOBJ>(state.font)}) {
        if (object) {
            DeleteObject(object);
        }
    }
    state.monitorPicture = nullptr;
    state.monitorPictureNumber = 0;
    state.logo = nullptr;
    state.font = nullptr;
    PostQuitMessage(0);
    delete state.monitor;
    state.monitor = nullptr;
    state.mainWindow = nullptr;
    state.tabControl = nullptr;
    state.comboBox = nullptr;
}
