// Small utilities every page uses: the percent text of a permille value and
// the replacement of a bitmap's light-grey background by the button face.
#pragma once

#include <cstdint>
#include <string>

#include "app/win32.h"

// Light grey that marks the background of the program's bitmaps.
constexpr COLORREF kBitmapBackground = RGB(192, 192, 192);

// The text of a permille value: "12.5%", "0%", "100%", "-0.5%"; empty when
// `monitorOpen` is false.
[[nodiscard]] std::wstring permilleText(int permille, bool monitorOpen);

// formatPermille: permilleText for the program's monitor, written into
// `text` (at least 16 characters).
void formatPermille(int permille, wchar_t* text, int size);

// A child control of `parent` with identifier `id`, in the shared font.
HWND createChildControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style,
                        int id, int x, int y, int width, int height);

// Sets every pixel of exactly RGB(192,192,192) in `bitmap` to `colour`.
// Returns -1 for a null bitmap, else 0.
int replaceGreyPixels(HBITMAP bitmap, COLORREF colour);

// Pixel-memory form, for 32-bit 0x00RRGGBB pixels: returns how many changed.
int replaceColourInPixels(uint32_t* pixels, int count, uint32_t from, uint32_t to);
