#include "draw/animated_illustration.h"

#include <new>
#include <utility>

#include "draw/draw_resources.h"
#include "draw/illustration_frames.h"
#include "draw/pixels/colour_effects.h"
#include "draw/pixels/pixel_ops.h"

struct AnimatedIllustration::FrameSet {
    ScopedBitmap frames[kIllustrationFrames];
    unsigned generation = 0;
};

AnimatedIllustration::AnimatedIllustration() {
    setLayout(2);
}

AnimatedIllustration::~AnimatedIllustration() {
    freeFrames();
}

int AnimatedIllustration::isReady() const {
    return readyFrames() ? 1 : 0;
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
    // Black first: a miniature that keeps a narrower screen's aspect leaves
    // margins the strips never reach.
    fillPixels(bitmap.pixels(), 0);
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
    // The generation first: a setItem in between then tags these frames
    // with a generation that is already gone.
    const unsigned generation = generation_.load();
    const int code = item_.load();
    FrameSet* set = new (std::nothrow) FrameSet;
    if (set) {
        set->generation = generation;
    }
    const bool complete = set && drawFrames(window, code, set->frames);
    capture_.reset();

    int result = -1;
    if (complete && generation_.load() == generation) {
        deleteFrameSet(delivered_.exchange(set));  // one the user never took
        result = 0;
    } else {
        deleteFrameSet(set);
    }
    busy_.store(0);
    return result;
}

bool AnimatedIllustration::drawFrames(HWND window, int code,
                                      ScopedBitmap (&frames)[kIllustrationFrames]) {
    const FrameRenderer render = frameRendererFor(code);
    MemoryDc captureDc = MemoryDc::adopt(captureScreen(window, code >= 0));
    MemoryDc frameDc(nullptr);
    if (!captureDc || !frameDc) {
        return false;
    }
    const CaptureSource source{captureDc.get(), pixelsOfDc(captureDc.get()), captureWidth_,
                               captureHeight_};
    for (int k = 0; k < kIllustrationFrames; ++k) {
        DibSection bitmap(frameWidth_, frameHeight_);
        ScopedSelectObject selectFrame(frameDc.get(), bitmap.get());
        if (!bitmap || !selectFrame.ok()) {
            return false;
        }
        const FrameCanvas canvas{frameDc.get(), bitmap.pixels(), frameWidth_, frameHeight_};
        render(*this, canvas, source, code, k);
        GdiFlush();
        frames[k].reset(bitmap.release());  // the selection above lets go of it first
    }
    return true;
}

int AnimatedIllustration::showNextFrame(HWND window) {
    const FrameSet* frames = readyFrames();
    if (!frames || !window) {
        return -1;
    }
    const int counter = counter_.load();
    WindowDc dc(window);
    MemoryDc source(dc.get());
    ScopedSelectObject selectFrame(source.get(), frames->frames[frameForTick(counter)].get());
    if (!dc || !selectFrame.ok()) {
        return -1;
    }
    const PixelPoint at = framePagePosition(geometry());
    BitBlt(dc.get(), at.x, at.y, frameWidth_, frameHeight_, source.get(), 0, 0, SRCCOPY);
    counter_.store(nextTick(counter));
    return 0;
}

void AnimatedIllustration::freeFrames() {
    // A rendering under way keeps its frames to itself and throws them away
    // when it ends: what was freed never becomes ready again, and the next
    // rendering captures the screen afresh.
    generation_.fetch_add(1);
    deleteFrameSet(delivered_.exchange(nullptr));
    deleteFrameSet(std::exchange(shown_, nullptr));
}

void AnimatedIllustration::setItem(int code) {
    // The code first: a rendering that reads the new generation then also
    // reads the new code.
    item_.store(code);
    generation_.fetch_add(1);
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
    const FrameSet* frames = readyFrames();
    return frames && k >= 0 && k < kIllustrationFrames ? frames->frames[k].get() : nullptr;
}

void AnimatedIllustration::deleteFrameSet(FrameSet* set) {
    delete set;  // its frames with it
}

void AnimatedIllustration::takeDeliveredFrames() const {
    FrameSet* set = delivered_.exchange(nullptr);
    if (!set) {
        return;
    }
    if (set->generation == generation_.load()) {
        deleteFrameSet(std::exchange(shown_, set));
        counter_.store(0);
    } else {
        deleteFrameSet(set);  // rendered for an item that was replaced meanwhile
    }
}

const AnimatedIllustration::FrameSet* AnimatedIllustration::readyFrames() const {
    takeDeliveredFrames();
    return shown_ && shown_->generation == generation_.load() ? shown_ : nullptr;
}
