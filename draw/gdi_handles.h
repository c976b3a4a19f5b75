// Owners for the GDI handles that drawing code makes for one paint or one
// rendering: objects (bitmaps, pens, brushes, fonts), memory and window
// device contexts, objects selected into a device context, and 32-bit DIB
// sections whose pixel memory the illustration effects work on. Each owner
// gives its handle back in its destructor, so an early return can neither
// leak a handle nor leave an object selected.
#pragma once

#include <atomic>
#include <cstdint>
#include <utility>

#include "draw/pixels/pixel_view.h"
#include "platform/win32.h"

// How many handles the owners below hold right now: the drawing code's own
// count of its GDI objects and device contexts, so that a test can tell that
// a rendering gave back everything it made (the system's count is not
// available everywhere the program runs).
namespace gdi_count {
inline std::atomic<int> held{0};
inline void take(const void* handle) {
    if (handle) {
        held.fetch_add(1, std::memory_order_relaxed);
    }
}
inline void give(const void* handle) {
    if (handle) {
        held.fetch_sub(1, std::memory_order_relaxed);
    }
}
}  // namespace gdi_count
[[nodiscard]] inline int heldGdiHandles() {
    return gdi_count::held.load();
}

// Deletes a GDI object (HBITMAP, HPEN, HBRUSH, HFONT) when it goes.
template <typename Handle>
class ScopedGdiObject {
  public:
    ScopedGdiObject() = default;
    explicit ScopedGdiObject(Handle handle) : handle_(handle) { gdi_count::take(handle_); }
    ~ScopedGdiObject() { reset(); }
    ScopedGdiObject(ScopedGdiObject&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)) {}
    ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;

    [[nodiscard]] Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Hands the object over to the caller, who deletes it.
    [[nodiscard]] Handle release() {
        gdi_count::give(handle_);
        return std::exchange(handle_, nullptr);
    }
    void reset(Handle handle = nullptr) {
        if (handle_) {
            DeleteObject(handle_);
            gdi_count::give(handle_);
        }
        handle_ = handle;
        gdi_count::take(handle_);
    }

  private:
    Handle handle_ = nullptr;
};

using ScopedBitmap = ScopedGdiObject<HBITMAP>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedFont = ScopedGdiObject<HFONT>;

// A memory device context compatible with `reference` (the screen when null).
class MemoryDc {
  public:
    explicit MemoryDc(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {
        gdi_count::take(dc_);
    }
    // Takes over a memory device context made elsewhere.
    static MemoryDc adopt(HDC dc) {
        MemoryDc owner(nullptr, dc);
        gdi_count::take(dc);
        return owner;
    }
    ~MemoryDc() {
        if (dc_) {
            DeleteDC(dc_);
            gdi_count::give(dc_);
        }
    }
    MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    MemoryDc& operator=(MemoryDc&&) = delete;

    [[nodiscard]] HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // Hands the device context over to the caller, who deletes it.
    [[nodiscard]] HDC release() {
        gdi_count::give(dc_);
        return std::exchange(dc_, nullptr);
    }

  private:
    MemoryDc(std::nullptr_t, HDC dc) : dc_(dc) {}
    HDC dc_ = nullptr;
};

// The device context of a window (the screen's for a null window), released
// when it goes.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) { gdi_count::take(dc_); }
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
            gdi_count::give(dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    [[nodiscard]] HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a device context and selects the previous one back
// when it goes.
class ScopedSelectObject {
  public:
    ScopedSelectObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject() {
        if (previous_ && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

    // False when the object could not be selected.
    [[nodiscard]] bool ok() const { return previous_ && previous_ != HGDI_ERROR; }

  private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// A top-down 32-bit DIB section (pixels 0x00RRGGBB, all black when made)
// that owns its bitmap.
class DibSection {
  public:
    DibSection() = default;
    DibSection(int width, int height);

    [[nodiscard]] HBITMAP get() const { return bitmap_.get(); }
    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    [[nodiscard]] HBITMAP release() { return bitmap_.release(); }
    [[nodiscard]] PixelView pixels() const;

  private:
    ScopedBitmap bitmap_;
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// The pixel memory of a 32-bit top-down DIB section, as DibSection makes
// them; an empty view for any other kind of bitmap. (GetObject reports the
// height of every section as positive, so the rows of a bottom-up section
// would come out upside down: pass only top-down ones.) Pending GDI drawing
// is flushed first so the memory is up to date.
[[nodiscard]] PixelView pixelsOfBitmap(HBITMAP bitmap);
// The same for the bitmap selected into a device context.
[[nodiscard]] PixelView pixelsOfDc(HDC dc);

// DIB pixels are 0x00RRGGBB, COLORREF is 0x00BBGGRR.
[[nodiscard]] constexpr uint32_t pixelOfColour(COLORREF colour) {
    return packPixel(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
[[nodiscard]] constexpr COLORREF colourOfPixel(uint32_t pixel) {
    return RGB(redOf(pixel), greenOf(pixel), blueOf(pixel));
}
