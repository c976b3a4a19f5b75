// The illustration's rendering speed, under Wine: for every animated feature
//  1. the time to render all eight frames as the worker does, the screen
//     capture included (target: well under one 200 ms tick);
//  2. the pixel work alone, as a ratio to eight plain copies of the
//     miniature into the frames measured in the same run (target: within
//     10×);
// and once, for comparison, one effect done pixel by pixel through
// GetPixel/SetPixel. The screen shows a picture of a desktop meanwhile, so
// the capture and the effects see colours, greys and edges.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "draw/animated_illustration.h"
#include "draw/pixels/colour_effects.h"
#include "draw/pixels/feature_frames.h"
#include "draw/pixels/pixel_ops.h"
#include "tests/win/draw/test_pictures.h"

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

template <typename Work>
double medianMicroseconds(int runs, Work work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        work();
        times.push_back(microsecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A borderless window over the whole screen showing the desktop picture.
class DesktopWindow {
  public:
    DesktopWindow() {
        width_ = GetSystemMetrics(SM_CXSCREEN);
        height_ = GetSystemMetrics(SM_CYSCREEN);
        picture_ = DibSection(width_, height_);
        paintDesktopPicture(picture_.pixels());
        window_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                  width_, height_, nullptr, nullptr, nullptr, nullptr);
        paint();
    }
    ~DesktopWindow() { DestroyWindow(window_); }
    void paint() const {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        WindowDc dc(window_);
        MemoryDc source(dc.get());
        ScopedSelectObject select(source.get(), picture_.get());
        BitBlt(dc.get(), 0, 0, width_, height_, source.get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    [[nodiscard]] HWND get() const { return window_; }

  private:
    int width_ = 0;
    int height_ = 0;
    DibSection picture_;
    HWND window_ = nullptr;
};

bool isColourEffect(int code) {
    return code == 81 || (code >= 83 && code <= 88);
}

// The eight frames' pixel work of `code` from `capture` into `frames`.
void pixelWork(int code, const PixelView& capture, std::vector<DibSection>& frames) {
    for (int k = 0; k < kIllustrationFrames; ++k) {
        const PixelView frame = frames[k].pixels();
        fillPixels(frame, 0);
        if (code == 81) {
            applySaturation(capture, frame, capture.width, capture.height, 4, 3,
                            saturationOfFrame(k));
        } else if (isColourEffect(code)) {
            HueAxis axis{};
            (void)hueAxisOfFeature(code, &axis);
            applyHueRotation(capture, frame, capture.width, capture.height, 4, 3,
                             hueAngleOfFrame(k), axis);
        } else {
            (void)drawFeatureFrame(capture, frame, code, k);
        }
    }
}

// The same copies through GDI.
void gdiCopies(HDC capture, int width, int height, std::vector<DibSection>& frames) {
    MemoryDc frameDc(capture);
    for (int k = 0; k < kIllustrationFrames; ++k) {
        ScopedSelectObject select(frameDc.get(), frames[k].get());
        PatBlt(frameDc.get(), 0, 0, width + 6, height + 6, BLACKNESS);
        BitBlt(frameDc.get(), 3, 3, width, height, capture, 0, 0, SRCCOPY);
    }
    GdiFlush();
}

void plainCopies(const PixelView& capture, std::vector<DibSection>& frames) {
    for (int k = 0; k < kIllustrationFrames; ++k) {
        const PixelView frame = frames[k].pixels();
        fillPixels(frame, 0);
        copyView(capture, frame, 3, 3);
    }
}

// Contrast frame by frame through GetPixel and SetPixel.
void contrastPixelByPixel(HDC capture, int width, int height, std::vector<DibSection>& frames) {
    MemoryDc frameDc(capture);
    for (int k = 0; k < kIllustrationFrames; ++k) {
        ScopedSelectObject select(frameDc.get(), frames[k].get());
        const int factor = 255 - 20 * k;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const COLORREF c = GetPixel(capture, x, y);
                SetPixel(frameDc.get(), x + 3, y + 3,
                         RGB(GetRValue(c) * factor / 256, GetGValue(c) * factor / 256,
                             GetBValue(c) * factor / 256));
            }
        }
    }
}

void benchLayout(const DesktopWindow& desktop, int layout) {
    AnimatedIllustration illustration;
    illustration.setLayout(layout);
    const IllustrationLayout g = illustration.geometry();
    std::vector<DibSection> frames;
    for (int k = 0; k < kIllustrationFrames; ++k) {
        frames.emplace_back(g.frameWidth, g.frameHeight);
    }
    MemoryDc captureDc = MemoryDc::adopt(illustration.captureScreen(desktop.get(), true));
    const PixelView capture = pixelsOfDc(captureDc.get());

    constexpr int kRenders = 15;
    constexpr int kPixelRuns = 60;
    const double copies = medianMicroseconds(kPixelRuns, [&] { plainCopies(capture, frames); });
    const double gdi = medianMicroseconds(
        kPixelRuns, [&] { gdiCopies(captureDc.get(), g.captureWidth, g.captureHeight, frames); });
    std::printf(
        "\nlayout %d: frames %d x %d, miniature %d x %d; eight plain copies %.1f us "
        "(through GDI %.1f us)\n\n",
        layout, g.frameWidth, g.frameHeight, g.captureWidth, g.captureHeight, copies, gdi);
    std::printf(
        "| feature | eight frames, capture included (ms) | pixel work (us) | "
        "ratio to plain copies |\n|---|---|---|---|\n");
    double worstRender = 0.0;
    double worstRatio = 0.0;
    for (int code = 0; code <= 96; ++code) {
        if (!hasFeatureFrame(code) && !isColourEffect(code)) {
            continue;
        }
        const double render = medianMicroseconds(kRenders,
                                                 [&] {
                                                     illustration.setItem(code);
                                                     illustration.freeFrames();
                                                     (void)illustration.renderFrames(desktop.get());
                                                 }) /
                              1000.0;
        const double work =
            medianMicroseconds(kPixelRuns, [&] { pixelWork(code, capture, frames); });
        worstRender = std::max(worstRender, render);
        worstRatio = std::max(worstRatio, work / copies);
        std::printf("| %d | %.2f | %.1f | %.1f |\n", code, render, work, work / copies);
    }
    std::printf("\nlayout %d: slowest rendering %.2f ms, largest ratio %.1f\n", layout, worstRender,
                worstRatio);

    const double fast = medianMicroseconds(kPixelRuns, [&] { pixelWork(15, capture, frames); });
    const double slow = medianMicroseconds(
        3, [&] { contrastPixelByPixel(captureDc.get(), g.captureWidth, g.captureHeight, frames); });
    std::printf(
        "contrast, eight frames through GetPixel/SetPixel: %.1f ms, %.0f times the "
        "pixel work (%.1f us)\n",
        slow / 1000.0, slow / fast, fast);
}

}  // namespace

int main() {
    const DesktopWindow desktop;
    benchLayout(desktop, 2);
    benchLayout(desktop, 1);
    return 0;
}
