// Small utilities every page uses: the percent text of a permille value and
// child controls in the shared font.
#pragma once

#include <string>

#include "platform/win32.h"

// The text of a permille value: "12.5%", "0%", "100%", "-0.5%"; empty when
// `monitorOpen` is false.
[[nodiscard]] std::wstring permilleText(int permille, bool monitorOpen);

// formatPermille: permilleText for the program's monitor, written into
// `text` (at least 16 characters).
void formatPermille(int permille, wchar_t* text, int size);

// A child control of `parent` with identifier `id`, in the shared font.
HWND createChildControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                        int id, int x, int y, int width, int height);
