#include "patterns/pattern_window.h"

#include "platform/win32.h"

namespace {

// The pattern window, while one is shown.
HWND patternWindow = nullptr;

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
