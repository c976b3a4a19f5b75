// What the main window owns for the whole program, reachable from the pages,
// the drawing code and the workers: the monitor object, the illustration,
// the shared font and bitmaps, window handles, and the flags the worker
// threads share with the user-interface thread (atomics: one thread writes,
// others read).
#pragma once

#include <atomic>
#include <functional>

#include "platform/win32.h"

// After windows.h, which it needs.
#include <shellapi.h>

class ActiveMonitor;
class AnimatedIllustration;

// The HTML Help viewer's display-topic command for `file`; nothing when the
// viewer is not installed.
void showHelpInViewer(HWND owner, const wchar_t* file);

struct AppState {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND tabControl = nullptr;
    HWND comboBox = nullptr;
    HWND currentPanel = nullptr;

    ActiveMonitor* monitor = nullptr;
    AnimatedIllustration* illustration = nullptr;

    HFONT font = nullptr;  // the shared dialog font of every control
    HBITMAP logo = nullptr;
    HBITMAP monitorPicture = nullptr;
    int monitorPictureNumber = 0;
    std::atomic<int> illustrationStyle{1};  // 1 or 2, chosen with the monitor picture

    std::atomic<int> busy{0};       // the open worker is opening a monitor
    std::atomic<int> abortFlag{0};  // the main window is being destroyed
    std::atomic<int> deferredSavePending{0};
    std::atomic<int> illustrationRunning{0};
    std::atomic<HANDLE> openWorker{nullptr};
    std::atomic<HANDLE> illustrationWorker{nullptr};
    std::atomic<HWND> illustrationTarget{nullptr};
    int pendingInterface = -1;
    // Whether the monitor whose open ended last is a flat panel, as the
    // pattern hints draw it. Recorded on this thread when an open ends (and
    // kept while the next one runs), so a paint never reads the monitor while
    // the open worker is filling it in.
    bool openedFlatPanel = false;
    int interfaceSelector = 3;

    // Asks the user a question (the store question when switching monitors);
    // tests answer it themselves.
    std::function<int(HWND owner, const wchar_t* text, const wchar_t* title, UINT flags)> ask =
        [](HWND owner, const wchar_t* text, const wchar_t* title, UINT flags) {
            return MessageBoxW(owner, text, title, flags);
        };
    // Opens a web address or file with the shell's "open" verb, shown
    // normally; tests record the request instead of starting a browser.
    std::function<void(HWND owner, const wchar_t* target)> openInShell = [](HWND owner,
                                                                            const wchar_t* target) {
        ShellExecuteW(owner, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
    };
    // Shows a help file in the HTML Help viewer (loaded when first needed),
    // at its default topic; tests record the request instead.
    std::function<void(HWND owner, const wchar_t* file)> showHelpFile = showHelpInViewer;
    // Shows a popup menu at the pointer (the pages' undo menu); tests look
    // at the menu instead of tracking it.
    std::function<void(HMENU menu, int x, int y, HWND owner)> trackMenu = [](HMENU menu, int x,
                                                                             int y, HWND owner) {
        TrackPopupMenu(menu, TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    };
};

// The program's one AppState.
AppState& app();
