#include "draw/illustration_frames.h"

#include <algorithm>
#include <span>
#include <string>

#include "draw/animated_illustration.h"
#include "draw/draw_resources.h"
#include "draw/gdi_handles.h"
#include "draw/pixels/feature_frames.h"
#include "draw/pixels/geometry_warps.h"
#include "draw/pixels/illustration_geometry.h"

namespace {

constexpr COLORREF kPanelColour = RGB(0, 0, 127);
constexpr COLORREF kWarningColour = RGB(255, 0, 0);
constexpr COLORREF kMessageColour = RGB(255, 255, 0);
constexpr COLORREF kAboutColour = RGB(255, 255, 255);
constexpr COLORREF kMakerColour = RGB(127, 127, 255);

// The product's name, as on the window's title.
constexpr wchar_t kProductName[] = L"Lumetra";

// Message texts start this far down the frame; the about text and the
// missing-monitor warning a little higher, to leave room for their lines.
constexpr int kMessageTop = 10;
constexpr int kHighMessageTop = 5;

// The emblem's place in the frame.
constexpr int kEmblemX = 8;
constexpr int kEmblemY = 17;

struct MessageText {
    int code;
    int stringId;
    COLORREF colour;
    int top;
};

constexpr MessageText kMessageTexts[] = {
    {kIllustrationNoMonitor, IDS_MSG_NO_MONITOR_DETECTED, kWarningColour, kHighMessageTop},
    {kIllustrationDriverPortFailed, IDS_MSG_DRIVER_PORT, kMessageColour, kMessageTop},
    {kIllustrationLibraryMissing, IDS_MSG_DLL_MISSING, kMessageColour, kMessageTop},
    {kIllustrationReadingSettings, IDS_MSG_READING_SETTINGS, kMessageColour, kMessageTop},
    {kIllustrationNoAnimation, IDS_MSG_NO_ANIMATION, kMessageColour, kMessageTop},
    {kIllustrationSrgbLocked, IDS_MSG_SRGB_LOCKED, kMessageColour, kMessageTop},
    {kIllustrationColourModeLocked, IDS_MSG_COLOUR_MODE_LOCKED, kMessageColour, kMessageTop},
};

// One block of a message: its text and colour.
struct TextBlock {
    std::wstring text;
    COLORREF colour;
};

// Long lines wrap at blanks to stay inside the frame.
constexpr UINT kTextFormat = DT_CENTER | DT_NOPREFIX | DT_WORDBREAK;

int textHeight(HDC dc, const std::wstring& text, int width) {
    if (text.empty()) {
        return 0;
    }
    RECT area{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, kTextFormat | DT_CALCRECT);
    return area.bottom - area.top;
}

// Draws the blocks one below the other, each centred between the frame's
// sides, the whole stack centred in the frame from `top` down; on a
// transparent background, in the shared font.
void drawTextBlocks(const FrameCanvas& frame, std::span<const TextBlock> blocks, int top) {
    ScopedSelectObject selectFont(frame.dc, drawingFont());
    SetBkMode(frame.dc, TRANSPARENT);
    int total = 0;
    for (const TextBlock& block : blocks) {
        total += textHeight(frame.dc, block.text, frame.width);
    }
    int y = top + std::max(0, (frame.height - top - total) / 2);
    for (const TextBlock& block : blocks) {
        const int height = textHeight(frame.dc, block.text, frame.width);
        RECT area{0, y, frame.width, y + height};
        SetTextColor(frame.dc, block.colour);
        DrawTextW(frame.dc, block.text.c_str(), static_cast<int>(block.text.size()), &area,
                  kTextFormat);
        y += height;
    }
}

// The dark-blue panel with the caption strip of frame k.
void drawPanel(AnimatedIllustration& illustration, const FrameCanvas& frame, int k) {
    const PixelRect panel = messagePanelRect(frame.width, frame.height);
    const RECT area{panel.left, panel.top, panel.right, panel.bottom};
    ScopedBrush brush(CreateSolidBrush(kPanelColour));
    FillRect(frame.dc, &area, brush.get());
    (void)illustration.drawCaption(frame.dc, k);
}

void renderPanel(AnimatedIllustration& illustration, const FrameCanvas& frame, const CaptureSource&,
                 int, int k) {
    drawPanel(illustration, frame, k);
}

void renderMessage(AnimatedIllustration& illustration, const FrameCanvas& frame,
                   const CaptureSource&, int code, int k) {
    drawPanel(illustration, frame, k);
    for (const MessageText& message : kMessageTexts) {
        if (message.code == code) {
            const TextBlock block{loadStringResource(message.stringId), message.colour};
            drawTextBlocks(frame, {&block, 1}, message.top);
        }
    }
}

// Product name, version below it and the maker's line below that.
void renderAbout(AnimatedIllustration& illustration, const FrameCanvas& frame, const CaptureSource&,
                 int, int k) {
    drawPanel(illustration, frame, k);
    const TextBlock blocks[] = {{kProductName, kAboutColour},
                                {loadStringResource(IDS_VERSION_TEXT), kAboutColour},
                                {loadStringResource(IDS_ILLUSTRATION_MAKER), kMakerColour}};
    drawTextBlocks(frame, blocks, kHighMessageTop);
}

void renderEmblem(AnimatedIllustration& illustration, const FrameCanvas& frame,
                  const CaptureSource&, int, int k) {
    drawPanel(illustration, frame, k);
    ScopedBitmap emblem = loadBitmapResource(IDB_MAKER_EMBLEM);
    SIZE size{};
    if (!emblem || !bitmapSize(emblem.get(), &size)) {
        return;
    }
    MemoryDc source(frame.dc);
    ScopedSelectObject selectEmblem(source.get(), emblem.get());
    BitBlt(frame.dc, kEmblemX, kEmblemY, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
}

void renderSaturation(AnimatedIllustration& illustration, const FrameCanvas& frame,
                      const CaptureSource& capture, int code, int k) {
    // The effect writes one column left of x.
    (void)illustration.applySaturationEffect(capture.dc, frame.dc, capture.width, capture.height,
                                             kMiniatureLeft + 1, kMiniatureTop, k, code);
}

void renderHue(AnimatedIllustration& illustration, const FrameCanvas& frame,
               const CaptureSource& capture, int code, int k) {
    (void)illustration.applyHueEffect(capture.dc, frame.dc, capture.width, capture.height,
                                      kMiniatureLeft + 1, kMiniatureTop, k, code);
}

// Every other animated feature is pixel work on the frame's memory.
void renderPixels(AnimatedIllustration&, const FrameCanvas& frame, const CaptureSource& capture,
                  int code, int k) {
    (void)drawFeatureFrame(capture.pixels, frame.pixels, code, k);
}

struct RendererEntry {
    int first;  // codes first to last
    int last;
    FrameRenderer render;
};

constexpr RendererEntry kRenderers[] = {
    {kIllustrationNoMonitor, kIllustrationNoMonitor, renderMessage},
    {kIllustrationNoAnimation, kIllustrationDriverPortFailed, renderMessage},
    {kIllustrationAbout, kIllustrationAbout, renderAbout},
    {kIllustrationSrgbLocked, kIllustrationSrgbLocked, renderMessage},
    {kIllustrationMakerEmblem, kIllustrationMakerEmblem, renderEmblem},
    {kIllustrationColourModeLocked, kIllustrationColourModeLocked, renderMessage},
    {81, 81, renderSaturation},  // saturation
    {83, 88, renderHue},         // hue of red, yellow, green, cyan, blue, magenta
};

}  // namespace

FrameRenderer frameRendererFor(int code) {
    for (const RendererEntry& entry : kRenderers) {
        if (code >= entry.first && code <= entry.last) {
            return entry.render;
        }
    }
    return code >= 0 && hasFeatureFrame(code) ? renderPixels : renderPanel;
}
