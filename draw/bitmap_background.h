// The program's bitmaps are drawn on a light-grey background that stands
// for the button face: before a bitmap is shown, that grey is replaced by
// the user's button-face colour so that the picture blends with the window.
#pragma once

#include <cstdint>

#include "platform/win32.h"

// Light grey that marks the background of the program's bitmaps.
constexpr COLORREF kBitmapBackground = RGB(192, 192, 192);

// Sets every pixel of exactly RGB(192,192,192) in `bitmap` to `colour`.
// Returns -1 for a null bitmap, else 0.
int replaceGreyPixels(HBITMAP bitmap, COLORREF colour);

// Pixel-memory form, for 32-bit 0x00RRGGBB pixels: returns how many changed.
int replaceColourInPixels(uint32_t* pixels, int count, uint32_t from, uint32_t to);
