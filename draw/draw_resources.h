// Loading the program's own strings and bitmaps (their numbers are in
// resources/resource_ids.h) from the program's module: the stored instance
// handle, or the executable itself before one is stored, as in tests.
#pragma once

#include <string>

#include "app/win32.h"
#include "draw/gdi_handles.h"
#include "resources/resource_ids.h"

// The module whose resources the program shows.
[[nodiscard]] HINSTANCE resourceModule();

// A bitmap resource as a DIB section, or an empty owner when there is none.
[[nodiscard]] ScopedBitmap loadBitmapResource(int id);

// Width and height of a bitmap; false for a null or unreadable one.
[[nodiscard]] bool bitmapSize(HBITMAP bitmap, SIZE* size);

// A string resource; empty when there is none.
[[nodiscard]] std::wstring loadStringResource(int id);
