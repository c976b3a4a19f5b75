#include "app/workers.h"

#include "app/app_state.h"
#include "app/monitor_list.h"
#include "app/tabs.h"
#include "draw/animated_illustration.h"
#include "monitor/active_monitor.h"
#include "panels/page_state.h"
#include "resources/resource_ids.h"

namespace {

DWORD WINAPI openWorker(LPVOID) {
    (void)app().monitor->openMonitor(app().pendingInterface, true);
    app().busy = 0;
    PostMessageW(app().mainWindow, kMsgOpenDone, 0, 0);
    return 0;
}

// Runs the message loop until `handle` (an atomic thread handle) is
// signalled or cleared.
void dispatchUntilEnded(std::atomic<HANDLE>& handle) {
    for (;;) {
        HANDLE thread = handle.load();
        if (!thread || WaitForSingleObject(thread, 0) == WAIT_OBJECT_0) {
            return;
        }
        MsgWaitForMultipleObjects(1, &thread, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

// The window work after an open, and after a reload that found the monitor
// gone: the tabs, the page and the picture show what the monitor now is, a
// closed one as after a failed open.
void showMonitorAsOpened() {
    resetPageSelections();
    updateTabs();
    postPageCommand(kCmdRefresh);
    pickMonitorPicture();
}

}  // namespace

void startOpenWorker(int interfaceIndex) {
    app().pendingInterface = interfaceIndex;
    // Busy and the disabled list first, so that no second choice slips in
    // between; then the wait message and the default picture.
    app().busy = 1;
    EnableWindow(app().comboBox, FALSE);
    if (app().illustration) {
        app().illustration->setItem(-5);
        app().illustration->freeFrames();
    }
    pickMonitorPicture();
    HANDLE thread = CreateThread(nullptr, 0, openWorker, nullptr, 0, nullptr);
    if (!thread) {
        app().busy = 0;
        onOpenWorkerDone();
        return;
    }
    app().openWorker = thread;
}

void onOpenWorkerDone() {
    if (HANDLE thread = app().openWorker.exchange(nullptr)) {
        WaitForSingleObject(thread, INFINITE);  // it posted its last message
        CloseHandle(thread);
    }
    if (app().abortFlag) {
        return;  // the window is going away
    }
    showMonitorAsOpened();
    EnableWindow(app().comboBox, TRUE);
}

void cancelDeferredSave() {
    KillTimer(app().mainWindow, kTimerDeferredSave);
    app().deferredSavePending = 0;
}

void armDeferredSave() {
    if (app().deferredSavePending) {
        KillTimer(app().mainWindow, kTimerDeferredSave);
    }
    SetTimer(app().mainWindow, kTimerDeferredSave, kDeferredSaveDelayMs, nullptr);
    app().deferredSavePending = 1;
}

void onMainTimer(UINT_PTR timer) {
    ActiveMonitor* monitor = app().monitor;
    switch (timer) {
        case kTimerDisplayChange:
            KillTimer(app().mainWindow, kTimerDisplayChange);
            if (monitor && !app().busy && monitor->isOpen() && monitor->reload(0, true) < 0) {
                showMonitorAsOpened();  // unplugged: the reload gave up on it
                break;
            }
            postPageCommand(kCmdRefresh);
            break;
        case kTimerDeferredSave:
            KillTimer(app().mainWindow, kTimerDeferredSave);
            if (monitor && !app().busy) {
                (void)monitor->storeSettings();
            }
            app().deferredSavePending = 0;
            break;
        default:
            break;
    }
}

void waitForWorkers() {
    // Always: an open that has just finished may have its done message
    // queued, and its window work must not run while the window goes.
    app().abortFlag = 1;
    dispatchUntilEnded(app().openWorker);
    if (HANDLE thread = app().openWorker.exchange(nullptr)) {
        CloseHandle(thread);  // it ended before its last message was handled
    }
    dispatchUntilEnded(app().illustrationWorker);
}
