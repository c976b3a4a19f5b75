// The animated illustration beside a page's controls: eight frames played
// forward and back in the screen area of the monitor picture, showing what
// the selected adjustment does to a miniature of the user's own screen, or
// a message (no monitor, settings being read, function unavailable, the
// product's version) when there is nothing to animate.
//
// The main window owns the one object. Pages choose what it shows with
// setItem followed by freeFrames and drive it from their 200 ms timers: a
// ready illustration plays its next frame; otherwise the shell's worker
// thread renders the frames.
//
// Frames change hands once: the rendering builds a complete set of eight on
// its own thread and delivers it, tagged with the item's generation (every
// setItem starts a new one); the user-interface thread takes a delivered set
// when it asks whether the illustration is ready, keeps it only when its
// generation is still current and deletes it otherwise. Only that thread
// ever deletes a set it has taken, so a frame it is copying to the screen
// can't vanish under it, and frames of a replaced item are never shown.
#pragma once

#include <atomic>

#include "draw/gdi_handles.h"
#include "draw/pixels/illustration_geometry.h"
#include "platform/win32.h"

// Illustration codes below 0: messages instead of a feature's animation.
constexpr int kIllustrationNoMonitor = -1;          // no DDC/CI monitor found (red)
constexpr int kIllustrationDriverPortFailed = -3;   // the I2C driver port can't be opened
constexpr int kIllustrationLibraryMissing = -4;     // the display-interface library is missing
constexpr int kIllustrationReadingSettings = -5;    // please wait while the settings are read
constexpr int kIllustrationNoAnimation = -6;        // this feature has no animation
constexpr int kIllustrationAbout = -7;              // product name, version and maker
constexpr int kIllustrationSrgbLocked = -8;         // controls locked in the sRGB mode
constexpr int kIllustrationMakerEmblem = -9;        // the maker's emblem
constexpr int kIllustrationNothing = -10;           // the empty panel
constexpr int kIllustrationColourModeLocked = -11;  // control locked in the current colour mode

class AnimatedIllustration {
  public:
    // Layout 2, showing code -1, no frames.
    AnimatedIllustration();
    AnimatedIllustration(const AnimatedIllustration&) = delete;
    AnimatedIllustration& operator=(const AnimatedIllustration&) = delete;

    // Frees the frames. No rendering may be running.
    virtual ~AnimatedIllustration();

    // 1 when the eight frames of the current item are complete and can be
    // played, else 0. User-interface thread: takes delivered frames.
    [[nodiscard]] virtual int isReady() const;
    // 1 while a rendering is under way, else 0.
    [[nodiscard]] virtual int isBusy() const;

    // Hue rotation of one of the six hue axes (features 83 to 88, red to
    // magenta) by (k − 4)·16 degrees, each pixel turned by how much of that
    // hue it holds. Reads the width × height area at the top left of the
    // 32-bit DIB section selected into `source` and writes it into the one
    // selected into `target` at (column + x − 1, row + y). Returns 0, or -1
    // for another feature or a device context without a 32-bit DIB section.
    [[nodiscard]] virtual int applyHueEffect(HDC source, HDC target, int width, int height, int x,
                                             int y, int k, int feature);
    // Saturation k/6 over the area, written like applyHueEffect. Returns 0,
    // or -1 for a device context without a 32-bit DIB section.
    [[nodiscard]] virtual int applySaturationEffect(HDC source, HDC target, int width, int height,
                                                    int x, int y, int k, int feature);

    // Makes the capture bitmap (capture size, black) and, when `capture` is
    // true, fills it with a miniature of the monitor nearest the main window
    // (or `window` while there is none). Returns a new memory device context
    // with the capture selected, which the caller deletes before the capture
    // goes at the end of the rendering; null when it could not be made.
    [[nodiscard]] virtual HDC captureScreen(HWND window, bool capture);

    // Renders the eight frames of the current code on the calling thread:
    // sets busy, captures the screen (for features), draws every frame and
    // delivers the complete set unless the code was changed meanwhile.
    // Returns 0 when the frames were delivered; -1, delivering nothing, when
    // the code changed, when a device context or frame bitmap could not be
    // made, or when a rendering is already under way.
    [[nodiscard]] virtual int renderFrames(HWND window);

    // When ready, copies the frame of the current tick to the window at
    // the frame position in the monitor picture, and advances the tick.
    // Returns 0, or -1 when not ready or without a window. User-interface
    // thread.
    virtual int showNextFrame(HWND window);

    // Not ready any more: deletes the frames, shown and delivered alike, and
    // those of a rendering under way are thrown away when it ends.
    // User-interface thread.
    virtual void freeFrames();

    // Shows `code` (a feature or a message code) from the first frame on;
    // frames of the previous code are no longer ready. Follow it with
    // freeFrames so the next tick renders it.
    virtual void setItem(int code);
    [[nodiscard]] virtual int item() const;

    // Draws caption image k (0 to 7) centred near the frame's bottom edge.
    // Returns 0, or -1 when the image can't be loaded.
    [[nodiscard]] virtual int drawCaption(HDC dc, int k);

    // Layout 2, or layout 1 for any other value: frame and capture sizes and
    // the frame's place in the picture.
    virtual void setLayout(int layout);
    [[nodiscard]] virtual int layout() const;

    // Sizes and places of the current layout.
    [[nodiscard]] IllustrationLayout geometry() const;
    // The tick of the next frame to show, 0 to 15.
    [[nodiscard]] int tick() const { return counter_.load(); }
    // Frame k's bitmap (a 32-bit DIB section) of the frames ready to play,
    // null when there are none. User-interface thread.
    [[nodiscard]] HBITMAP frame(int k) const;

  private:
    // Eight frames and the generation of the item they show.
    struct FrameSet;
    static void deleteFrameSet(FrameSet* set);
    // Draws the eight frames of `code` into new bitmaps; false when a device
    // context or a bitmap could not be made (the frames made so far are in
    // `frames`, for the caller to delete).
    [[nodiscard]] bool drawFrames(HWND window, int code,
                                  ScopedBitmap (&frames)[kIllustrationFrames]);
    // Takes a delivered set: kept when it shows the current item, else deleted.
    void takeDeliveredFrames() const;
    [[nodiscard]] const FrameSet* readyFrames() const;

    std::atomic<int> item_{kIllustrationNoMonitor};
    std::atomic<unsigned> generation_{0};  // advanced by every setItem
    mutable std::atomic<int> counter_{0};  // restarts when frames are taken
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    int captureWidth_ = 0;
    int captureHeight_ = 0;
    int layout_ = 0;
    int frameX_ = 0;
    int frameY_ = 0;
    ScopedBitmap capture_;                               // exists only while frames are rendered
    mutable std::atomic<FrameSet*> delivered_{nullptr};  // rendered, not yet taken
    mutable FrameSet* shown_ = nullptr;                  // taken by the user-interface thread
    std::atomic<int> busy_{0};
};
