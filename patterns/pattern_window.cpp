#include "patterns/pattern_window.h"

#include "platform/win32.h"

namespace {

// The pattern window, while one is shown, and its pattern. The window is
// made hidden: painting the patterns full screen is the painter's work.
HWND patternWindow = nullptr;
int shownPattern = 1;

}  // namespace

void noteAdjustedItem(int /*feature*/) {
    if (!patternWindow) {
        return;
    }
}

bool patternWindowOpen() {
    return patternWindow != nullptr;
}

void closePatternWindow() {
    if (patternWindow) {
        DestroyWindow(patternWindow);
        patternWindow = nullptr;
    }
}

int showTestPattern(int pattern) {
    if (pattern == 0) {
        closePatternWindow();
        return 0;
    }
    if (patternWindow) {
        return 0;
    }
    patternWindow = CreateWindowExW(0, L"STATIC", L"Lumetra", WS_POPUP, 0, 0, 1, 1, nullptr,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!patternWindow) {
        return -1;
    }
    shownPattern = pattern;
    return 0;
}

int currentPattern() {
    return patternWindow ? shownPattern : -1;
}

void selectPattern(int pattern) {
    if (patternWindow) {
        shownPattern = pattern;
    }
}
