#include "draw/draw_resources.h"

namespace {

DrawingEnvironment environment;

}  // namespace

void setDrawingEnvironment(const DrawingEnvironment& given) {
    environment = given;
}

const DrawingEnvironment& drawingEnvironment() {
    return environment;
}

HINSTANCE resourceModule() {
    return environment.module ? environment.module : GetModuleHandleW(nullptr);
}

HFONT drawingFont() {
    return environment.font ? environment.font
                            : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

ScopedBitmap loadBitmapResource(int id) {
    return ScopedBitmap(static_cast<HBITMAP>(LoadImageW(resourceModule(), MAKEINTRESOURCEW(id),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

bool bitmapSize(HBITMAP bitmap, SIZE* size) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        return false;
    }
    *size = SIZE{info.bmWidth, info.bmHeight};
    return true;
}

std::wstring loadStringResource(int id) {
    // With a zero length LoadStringW hands out a pointer into the resource
    // itself, so strings of any length load whole.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(resourceModule(), static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}
