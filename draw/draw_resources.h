// What the drawing code borrows from the program that uses it, and loading
// the program's own strings and bitmaps (their numbers are in
// resources/resource_ids.h). The shell hands over its module, its shared
// user-interface font and its main window when the main window is created
// and takes them back when it goes; until then the executable's own
// resources and the default GUI font serve, as in tests.
#pragma once

#include <string>

#include "draw/gdi_handles.h"
#include "platform/win32.h"
#include "resources/resource_ids.h"

struct DrawingEnvironment {
    HINSTANCE module = nullptr;  // whose resources are shown; null: the executable
    HFONT font = nullptr;        // the texts' font; null: the default GUI font
    HWND mainWindow = nullptr;   // its monitor is the one the illustration captures
};

// Set while no rendering runs (before the illustration exists, after it went).
void setDrawingEnvironment(const DrawingEnvironment& environment);
[[nodiscard]] const DrawingEnvironment& drawingEnvironment();

// The module whose resources the program shows.
[[nodiscard]] HINSTANCE resourceModule();

// The font of the drawing code's texts.
[[nodiscard]] HFONT drawingFont();

// A bitmap resource as a DIB section, or an empty owner when there is none.
[[nodiscard]] ScopedBitmap loadBitmapResource(int id);

// Width and height of a bitmap; false for a null or unreadable one.
[[nodiscard]] bool bitmapSize(HBITMAP bitmap, SIZE* size);

// A string resource; empty when there is none.
[[nodiscard]] std::wstring loadStringResource(int id);
