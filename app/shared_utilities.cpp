#include "app/shared_utilities.h"

#include <cstdio>

#include "app/app_state.h"
#include "monitor/active_monitor.h"

std::wstring permilleText(int permille, bool monitorOpen) {
    if (!monitorOpen) {
        return {};
    }
    wchar_t text[32];
    const bool fraction = permille != 0 && permille >= -999 && permille <= 999;
    std::swprintf(text, 32, fraction ? L"%.1f%%" : L"%.0f%%", permille / 10.0);
    return text;
}

void formatPermille(int permille, wchar_t* text, int size) {
    if (!text || size <= 0) {
        return;
    }
    const bool open = app().monitor && app().monitor->isOpen();
    const std::wstring formatted = permilleText(permille, open);
    lstrcpynW(text, formatted.c_str(), size);
}

HWND createChildControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                        int id, int x, int y, int width, int height) {
    HWND control =
        CreateWindowExW(0, windowClass, text, style, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app().instance, nullptr);
    if (control && app().font) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(app().font), FALSE);
    }
    return control;
}
