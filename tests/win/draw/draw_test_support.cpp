#include "tests/win/draw/draw_test_support.h"

#include <cstdio>

namespace {

constexpr wchar_t kClassName[] = L"LumetraDrawTest";

void fillPixels(const PixelView& pixels, COLORREF colour) {
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            pixels.at(x, y) = pixelOfColour(colour);
        }
    }
}

COLORREF colourAt(const PixelView& pixels, int x, int y) {
    return pixels.contains(x, y) ? colourOfPixel(pixels.at(x, y)) : CLR_INVALID;
}

// A 32-bit, top-row-first bitmap header.
BITMAPINFOHEADER topDownHeader(int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && TestWindow::onDrawItem) {
        return TestWindow::onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerClass() {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = testWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    registered = RegisterClassW(&windowClass) != 0;
}

}  // namespace

TestWindow::TestWindow(int width, int height, bool visible) {
    registerClass();
    window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0,
                              width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (visible) {
        UpdateWindow(window_);
        pumpMessages();
    }
}

TestWindow::~TestWindow() {
    DestroyWindow(window_);
    pumpMessages();
}

COLORREF TestWindow::pixel(int x, int y) const {
    WindowDc dc(window_);
    return GetPixel(dc.get(), x, y);
}

void TestWindow::fill(COLORREF colour) const {
    WindowDc dc(window_);
    RECT client{};
    GetClientRect(window_, &client);
    ScopedBrush brush(CreateSolidBrush(colour));
    FillRect(dc.get(), &client, brush.get());
    pumpMessages();  // lets the window's new content reach the screen
}

Canvas::Canvas(int width, int height)
    : bitmap_(width, height), dc_(nullptr), select_(dc_.get(), bitmap_.get()) {
    fillPixels(bitmap_.pixels(), kMarker);
}

COLORREF Canvas::pixel(int x, int y) const {
    return colourAt(bitmap_.pixels(), x, y);
}

void Canvas::set(int x, int y, COLORREF colour) const {
    const PixelView pixels = bitmap_.pixels();
    if (pixels.contains(x, y)) {
        pixels.at(x, y) = pixelOfColour(colour);
    }
}

int Canvas::count(COLORREF colour) const {
    const PixelView pixels = bitmap_.pixels();
    int n = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            n += colourOfPixel(pixels.at(x, y)) == colour ? 1 : 0;
        }
    }
    return n;
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::vector<uint32_t> bitmapPixels(HBITMAP bitmap, int* width, int* height) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) {
        return {};
    }
    BITMAPINFO header{};
    header.bmiHeader = topDownHeader(info.bmWidth, info.bmHeight);
    std::vector<uint32_t> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    WindowDc screen(nullptr);
    GetDIBits(screen.get(), bitmap, 0, info.bmHeight, pixels.data(), &header, DIB_RGB_COLORS);
    for (uint32_t& p : pixels) {
        p &= 0x00FFFFFF;
    }
    *width = info.bmWidth;
    *height = info.bmHeight;
    return pixels;
}

COLORREF framePixel(HBITMAP frame, int x, int y) {
    return colourAt(pixelsOfBitmap(frame), x, y);
}

void fillFrame(HBITMAP frame, COLORREF colour) {
    fillPixels(pixelsOfBitmap(frame), colour);
}

void useSharedFont() {
    if (!drawingEnvironment().font) {
        setDrawingEnvironment(DrawingEnvironment{
            .font =
                CreateFontW(12, 0, 0, 0, 300, FALSE, FALSE, FALSE, 1, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic")});
    }
}

DRAWITEMSTRUCT drawRequest(int id, HDC dc, int width, int height, UINT action, UINT state) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(id);
    item.itemAction = action;
    item.itemState = state;
    item.hDC = dc;
    item.rcItem = RECT{0, 0, width, height};
    return item;
}

bool writeBitmapFile(const std::wstring& path, HBITMAP bitmap) {
    int width = 0, height = 0;
    const std::vector<uint32_t> pixels = bitmapPixels(bitmap, &width, &height);
    if (pixels.empty()) {
        return false;
    }
    const BITMAPINFOHEADER info = topDownHeader(width, height);
    const DWORD dataSize = static_cast<DWORD>(pixels.size() * 4);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + dataSize;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (!out) {
        return false;
    }
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    fwrite(pixels.data(), 4, pixels.size(), out);
    fclose(out);
    return true;
}
