#include "draw/animated_illustration.h"

#include <array>

#include "draw/draw_resources.h"
#include "draw/illustration_frames.h"
#include "draw/pixels/colour_effects.h"

AnimatedIllustration::AnimatedIllustration() {
    setLayout(2);
}

AnimatedIllustration::~AnimatedIllustration() {
    deleteFrames();
}

int AnimatedIllustration::isReady() const {
    return ready_.load();
}

int AnimatedIllustration::isBusy() const {
    return busy_.load();
}

int AnimatedIllustration::applyHueEffect(HDC source, HDC target, int width, int height, int x,
                                         int y, int k, int feature) {
    HueAxis axis{};
    const PixelView from = pixelsOfDc(source);
    const PixelView to = pixelsOfDc(target);
    if (!hueAxisOfFeature(feature, &axis) || from.empty() || to.empty()) {
        return -1;
    }
    applyHueRotation(from, to, width, height, x, y, hueAngleOfFrame(k), axis);
    return 0;
}

int AnimatedIllustration::applySaturationEffect(HDC source, HDC target, int width, int height,
                                                int x, int y, int k, int /*feature*/) {
    const PixelView from = pixelsOfDc(source);
    const PixelView to = pixelsOfDc(target);
    if (from.empty() || to.empty()) {
        return -1;
    }
    applySaturation(from, to, width, height, x, y, saturationOfFrame(k));
    return 0;
}

HDC AnimatedIllustration::captureScreen(HWND window, bool capture) {
    capture_.reset();
    DibSection bitmap(captureWidth_, captureHeight_);
    MemoryDc dc(nullptr);
    if (!bitmap || !dc) {
        return nullptr;
    }
    // Stays selected: the caller deletes the device context first.
    SelectObject(dc.get(), bitmap.get());
    if (capture) {
        const HWND anchor =
            drawingEnvironment().mainWindow ? drawingEnvironment().mainWindow : window;
        HMONITOR monitor = anchor ? MonitorFromWindow(anchor, MONITOR_DEFAULTTONEAREST)
                                  : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
        MONITORINFO info{};
        info.cbSize = sizeof info;
        WindowDc screen(nullptr);
        if (monitor && GetMonitorInfoW(monitor, &info) && screen) {
            const RECT& m = info.rcMonitor;
            SetStretchBltMode(dc.get(), HALFTONE);
            SetBrushOrgEx(dc.get(), 0, 0, nullptr);
            for (const CaptureStrip& strip : captureStrips(
                     PixelRect{m.left, m.top, m.right, m.bottom}, captureWidth_, captureHeight_)) {
                StretchBlt(dc.get(), strip.targetX, strip.targetY, strip.targetWidth,
                           strip.targetHeight, screen.get(), strip.sourceX, strip.sourceY,
                           strip.sourceWidth, strip.sourceHeight, SRCCOPY);
            }
        }
    }
    capture_.reset(bitmap.release());
    return dc.release();
}

int AnimatedIllustration::renderFrames(HWND window) {
    int idle = 0;
    if (!busy_.compare_exchange_strong(idle, 1)) {
        return -1;  // one rendering at a time
    }
    ready_.store(0);
    const int code = item_.load();
    const FrameRenderer render = frameRendererFor(code);
    std::array<DibSection, kIllustrationFrames> rendered;
    {
        MemoryDc captureDc = MemoryDc::adopt(captureScreen(window, code >= 0));
        const CaptureSource source{captureDc.get(), pixelsOfDc(captureDc.get()), captureWidth_,
                                   captureHeight_};
        MemoryDc frameDc(nullptr);
        for (int k = 0; k < kIllustrationFrames && frameDc; ++k) {
            rendered[k] = DibSection(frameWidth_, frameHeight_);
            ScopedSelectObject selectFrame(frameDc.get(), rendered[k].get());
            if (!selectFrame.ok()) {
                continue;
            }
            const FrameCanvas canvas{frameDc.get(), rendered[k].pixels(), frameWidth_,
                                     frameHeight_};
            render(*this, canvas, source, code, k);
        }
        GdiFlush();
    }
    capture_.reset();

    // Frames of a code that was replaced meanwhile are never shown.
    const bool current = item_.load() == code;
    if (current) {
        for (int k = 0; k < kIllustrationFrames; ++k) {
            if (HBITMAP old = frames_[k].exchange(rendered[k].release())) {
                DeleteObject(old);
            }
        }
        counter_.store(0);
        ready_.store(1);
    }
    busy_.store(0);
    return current ? 0 : -1;
}

int AnimatedIllustration::showNextFrame(HWND window) {
    if (!ready_.load() || !window) {
        return -1;
    }
    const int counter = counter_.load();
    HBITMAP bitmap = frames_[frameForTick(counter)].load();
    WindowDc dc(window);
    MemoryDc source(dc.get());
    ScopedSelectObject selectFrame(source.get(), bitmap);
    if (!dc || !selectFrame.ok()) {
        return -1;
    }
    const PixelPoint at = framePagePosition(geometry());
    BitBlt(dc.get(), at.x, at.y, frameWidth_, frameHeight_, source.get(), 0, 0, SRCCOPY);
    counter_.store(nextTick(counter));
    return 0;
}

void AnimatedIllustration::freeFrames() {
    ready_.store(0);
    deleteFrames();
}

void AnimatedIllustration::setItem(int code) {
    item_.store(code);
    counter_.store(0);
}

int AnimatedIllustration::item() const {
    return item_.load();
}

int AnimatedIllustration::drawCaption(HDC dc, int k) {
    ScopedBitmap caption = loadBitmapResource(IDB_CAPTION_FIRST + k);
    SIZE size{};
    if (!caption || !bitmapSize(caption.get(), &size)) {
        return -1;
    }
    MemoryDc source(dc);
    ScopedSelectObject selectCaption(source.get(), caption.get());
    const PixelPoint at = captionPosition(frameWidth_, frameHeight_, size.cx, size.cy);
    BitBlt(dc, at.x, at.y, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    return 0;
}

void AnimatedIllustration::setLayout(int layout) {
    const IllustrationLayout chosen = illustrationLayout(layout);
    layout_ = chosen.layout;
    frameWidth_ = chosen.frameWidth;
    frameHeight_ = chosen.frameHeight;
    captureWidth_ = chosen.captureWidth;
    captureHeight_ = chosen.captureHeight;
    frameX_ = chosen.frameX;
    frameY_ = chosen.frameY;
}

int AnimatedIllustration::layout() const {
    return layout_;
}

IllustrationLayout AnimatedIllustration::geometry() const {
    return IllustrationLayout{.layout = layout_,
                              .frameWidth = frameWidth_,
                              .frameHeight = frameHeight_,
                              .captureWidth = captureWidth_,
                              .captureHeight = captureHeight_,
                              .frameX = frameX_,
                              .frameY = frameY_};
}

HBITMAP AnimatedIllustration::frame(int k) const {
    return k >= 0 && k < kIllustrationFrames ? frames_[k].load() : nullptr;
}

void AnimatedIllustration::deleteFrames() {
    for (std::atomic<HBITMAP>& frame : frames_) {
        if (HBITMAP old = frame.exchange(nullptr)) {
            DeleteObject(old);
        }
    }
}
