// The program's own resources as the drawing code uses them: the numbers of
// the strings and bitmaps it shows, and loading them from the program's
// module (the stored instance handle, or the executable itself before one
// is stored, as in tests).
#pragma once

#include <string>

#include "app/win32.h"
#include "draw/gdi_handles.h"

// Strings of the illustration's messages and of the maker's line.
constexpr int kStringMakerName = 103;
constexpr int kStringNoMonitor = 111;
constexpr int kStringDriverPort = 115;
constexpr int kStringLibraryMissing = 116;
constexpr int kStringReadingSettings = 117;
constexpr int kStringNoAnimation = 118;
constexpr int kStringColourModeLocked = 124;
constexpr int kStringSrgbLocked = 125;

// Bitmaps of the illustration: eight caption images (one per frame) and the
// maker's emblem.
constexpr int kBitmapCaptionFirst = 910;
constexpr int kBitmapMakerEmblem = 920;

// The module whose resources the program shows.
[[nodiscard]] HINSTANCE resourceModule();

// A bitmap resource as a DIB section, or an empty owner when there is none.
[[nodiscard]] ScopedBitmap loadBitmapResource(int id);

// Width and height of a bitmap; false for a null or unreadable one.
[[nodiscard]] bool bitmapSize(HBITMAP bitmap, SIZE* size);

// A string resource; empty when there is none.
[[nodiscard]] std::wstring loadStringResource(int id);
