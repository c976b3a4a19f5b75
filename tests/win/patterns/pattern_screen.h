// What the pattern-window tests read off the screen: the pattern window's
// pixels as they are shown, and a marker that a repaint would cover, so a
// test can tell whether the window was painted again.
#pragma once

#include "patterns/pattern_window.h"
#include "platform/win32.h"

constexpr COLORREF kScreenMarker = RGB(1, 2, 3);

inline HWND patternHandle() {
    return testPatternWindow() ? testPatternWindow()->windowHandle() : nullptr;
}

// A pixel of the pattern window as it is on the screen.
inline COLORREF screenPixel(int x, int y) {
    HDC dc = GetDC(patternHandle());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(patternHandle(), dc);
    return colour;
}

// Paints the marker where a repaint would paint the pattern.
inline void markScreen(POINT p) {
    HDC dc = GetDC(patternHandle());
    SetPixelV(dc, p.x, p.y, kScreenMarker);
    ReleaseDC(patternHandle(), dc);
}

inline COLORREF screenPixel(POINT p) {
    return screenPixel(p.x, p.y);
}

// A point of the pattern outside the main window (which sits at the top
// left of the screen at start).
inline POINT freePoint() {
    RECT client{};
    GetClientRect(patternHandle(), &client);
    return POINT{client.right - 3, client.bottom - 3};
}
