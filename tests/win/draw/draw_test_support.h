// What the drawing tests share: a real top-level window (shown, so that its
// pixels can be read back), a memory canvas backed by a DIB section, the
// test bitmap linked into the test program (beside the program's own
// resources), and the shared font as the main window makes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw/draw_resources.h"
#include "draw/gdi_handles.h"
#include "platform/win32.h"

// 5 × 3 bitmap of the test program: light-grey background; red at (2, 0),
// green at (2, 1) between two (192,192,191) pixels, blue at (2, 2).
constexpr int kTestBitmap = 61001;
constexpr int kTestBitmapWidth = 5;
constexpr int kTestBitmapHeight = 3;
constexpr int kMissingBitmap = 61999;

constexpr COLORREF kMarker = RGB(1, 2, 3);               // background the code never draws
constexpr COLORREF kIllustrationPanel = RGB(0, 0, 127);  // behind the illustration's messages

// Handles and lets other messages through; WM_DRAWITEM goes to `onDrawItem`
// when set.
class TestWindow {
  public:
    TestWindow(int width, int height, bool visible = true);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    [[nodiscard]] HWND get() const { return window_; }
    // The colour of a client pixel as it is on screen.
    [[nodiscard]] COLORREF pixel(int x, int y) const;
    void fill(COLORREF colour) const;

    static inline LRESULT (*onDrawItem)(const DRAWITEMSTRUCT&) = nullptr;

  private:
    HWND window_ = nullptr;
};

// A width × height 32-bit canvas with a memory device context, filled with
// kMarker.
class Canvas {
  public:
    Canvas(int width, int height);
    [[nodiscard]] HDC dc() const { return dc_.get(); }
    [[nodiscard]] COLORREF pixel(int x, int y) const;
    void set(int x, int y, COLORREF colour) const;
    [[nodiscard]] int count(COLORREF colour) const;

  private:
    DibSection bitmap_;
    MemoryDc dc_;
    ScopedSelectObject select_;
};

// The owner-draw request of button `id` drawn into `dc`, its item
// rectangle (0, 0, width, height).
[[nodiscard]] DRAWITEMSTRUCT drawRequest(int id, HDC dc, int width, int height,
                                         UINT action = ODA_DRAWENTIRE, UINT state = 0);

// Dispatches every message waiting for this thread.
void pumpMessages();

// The pixels of any bitmap, top row first, as 0x00RRGGBB.
[[nodiscard]] std::vector<uint32_t> bitmapPixels(HBITMAP bitmap, int* width, int* height);

// The colour of pixel (x, y) of a 32-bit DIB section.
[[nodiscard]] COLORREF framePixel(HBITMAP frame, int x, int y);
// Paints a whole 32-bit DIB section in one colour.
void fillFrame(HBITMAP frame, COLORREF colour);

// Makes the shared font the way the main window does (face "MS UI Gothic",
// height 12, weight 300, character set 1) and hands it to the drawing code.
void useSharedFont();

// Writes any bitmap to a 32-bit BMP file at `path`; false on failure.
bool writeBitmapFile(const std::wstring& path, HBITMAP bitmap);
