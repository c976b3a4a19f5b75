#include "draw/illustration_frames.h"

#include <string>

#include "app/app_state.h"
#include "draw/animated_illustration.h"
#include "draw/draw_resources.h"
#include "draw/gdi_handles.h"
#include "draw/pixels/illustration_geometry.h"

namespace {

constexpr COLORREF kPanelColour = RGB(0, 0, 127);
constexpr COLORREF kWarningColour = RGB(255, 0, 0);
constexpr COLORREF kMessageColour = RGB(255, 255, 0);
constexpr COLORREF kAboutColour = RGB(255, 255, 255);
constexpr COLORREF kMakerColour = RGB(127, 127, 255);

constexpr wchar_t kProductName[] = L"Lumetra";
constexpr wchar_t kVersionText[] = L"V1.1.27\n (100307)";

// Message texts start this far down the frame; the about text and the
// missing-monitor warning a little higher, to leave room for their lines.
constexpr int kMessageTop = 10;
constexpr int kHighMessageTop = 5;

// The emblem's place in the frame.
constexpr int kEmblemX = 8;
constexpr int kEmblemY = 17;

// The miniature's place in a frame.
constexpr int kMiniatureX = 3;
constexpr int kMiniatureY = 3;

struct MessageText {
    int code;
    int stringId;
    COLORREF colour;
    int top;
};

constexpr MessageText kMessageTexts[] = {
    {kIllustrationNoMonitor, kStringNoMonitor, kWarningColour, kHighMessageTop},
    {kIllustrationDriverPortFailed, kStringDriverPort, kMessageColour, kMessageTop},
    {kIllustrationLibraryMissing, kStringLibraryMissing, kMessageColour, kMessageTop},
    {kIllustrationReadingSettings, kStringReadingSettings, kMessageColour, kMessageTop},
    {kIllustrationNoAnimation, kStringNoAnimation, kMessageColour, kMessageTop},
    {kIllustrationSrgbLocked, kStringSrgbLocked, kMessageColour, kMessageTop},
    {kIllustrationColourModeLocked, kStringColourModeLocked, kMessageColour, kMessageTop},
};

HFONT messageFont() {
    return app().font ? app().font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// Draws `text` centred between the sides of the frame from `top` down, on a
// transparent background; returns the height the text took.
int drawCentredText(HDC dc, const std::wstring& text, int width, int height, int top,
                    COLORREF colour) {
    if (text.empty()) {
        return 0;
    }
    ScopedSelectObject selectFont(dc, messageFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT area{0, top, width, height};
    constexpr UINT kFormat = DT_CENTER | DT_NOPREFIX | DT_NOCLIP;
    const int length = static_cast<int>(text.size());
    const int used = DrawTextW(dc, text.c_str(), length, &area, kFormat);
    return used;
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
            drawCentredText(frame.dc, loadStringResource(message.stringId), frame.width,
                            frame.height, message.top, message.colour);
        }
    }
}

// Product name, version below it and the maker's line below that.
void renderAbout(AnimatedIllustration& illustration, const FrameCanvas& frame, const CaptureSource&,
                 int, int k) {
    drawPanel(illustration, frame, k);
    int top = kHighMessageTop;
    top += drawCentredText(frame.dc, kProductName, frame.width, frame.height, top, kAboutColour);
    top += drawCentredText(frame.dc, kVersionText, frame.width, frame.height, top, kAboutColour);
    drawCentredText(frame.dc, loadStringResource(kStringMakerName), frame.width, frame.height, top,
                    kMakerColour);
}

void renderEmblem(AnimatedIllustration& illustration, const FrameCanvas& frame,
                  const CaptureSource&, int, int k) {
    drawPanel(illustration, frame, k);
    ScopedBitmap emblem = loadBitmapResource(kBitmapMakerEmblem);
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
                                             kMiniatureX + 1, kMiniatureY, k, code);
}

void renderHue(AnimatedIllustration& illustration, const FrameCanvas& frame,
               const CaptureSource& capture, int code, int k) {
    (void)illustration.applyHueEffect(capture.dc, frame.dc, capture.width, capture.height,
                                      kMiniatureX + 1, kMiniatureY, k, code);
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
    return renderPanel;
}
