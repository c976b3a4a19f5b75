// Background work and the main window's timers: the monitor-open worker,
// the store that follows a burst of writes on models that need it, the
// re-read after a display-mode change, and waiting for the workers when the
// window closes while keeping messages flowing.
#pragma once

#include "platform/win32.h"

// Private message: the open worker has finished (wParam unused). The window
// work that follows an open runs on the user-interface thread.
constexpr UINT kMsgOpenDone = WM_APP + 1;

constexpr UINT_PTR kTimerDisplayChange = 3;  // 2000 ms after WM_DISPLAYCHANGE
constexpr UINT_PTR kTimerDeferredSave = 4;   // 500 ms after the last write
constexpr UINT kDisplayChangeDelayMs = 2000;
constexpr UINT kDeferredSaveDelayMs = 500;

// Opens `interfaceIndex` (or, for -1, leaves the monitor closed) on a worker
// thread: the combo box is disabled and the pages show the wait message
// until it is done.
void startOpenWorker(int interfaceIndex);

// The open worker's end, on the user-interface thread.
void onOpenWorkerDone();

// Records, for the pattern hints, whether the open monitor is a flat panel
// (after an open ends or the monitor is closed).
void recordOpenedMonitor();

// (Re)arms timer 4: the settings are stored 500 ms after the last write.
void armDeferredSave();

// WM_TIMER of the main window.
void onMainTimer(UINT_PTR timer);

// The settings were just stored: the pending store of timer 4 is not needed.
void cancelDeferredSave();

// The window is being destroyed: sets the abort flag (an open stops at its
// next control read, and a finished open's window work is skipped), then
// dispatches messages until the open worker and the illustration worker
// have ended.
void waitForWorkers();
