#include "patterns/pattern_overlay.h"

#include <string>

#include "draw/draw_resources.h"
#include "draw/gdi_handles.h"
#include "patterns/pixels/hint_arrows.h"

namespace {

constexpr COLORREF kHintText = RGB(255, 255, 127);
constexpr COLORREF kHintBox = RGB(127, 127, 127);
constexpr COLORREF kDarkArrow = RGB(127, 127, 0);  // stands out on a green screen
constexpr int kArrowWidth = 4;

ScopedFont hintFont(int width) {
    return ScopedFont(CreateFontW(-(width / 40), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH,
                                  loadStringResource(IDS_HINT_FONT_FACE).c_str()));
}

}  // namespace

void paintHint(HDC dc, int feature, int width, int height, bool flatPanel) {
    if (!dc || feature < 0) {
        return;
    }
    const HintDrawing hint = hintDrawing(feature, width, height, flatPanel);
    ScopedFont font = hintFont(width);
    ScopedPen pen(CreatePen(PS_SOLID, kArrowWidth, hint.darkPen ? kDarkArrow : kHintText));
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    SetTextColor(dc, kHintText);
    SetBkColor(dc, kHintBox);
    SetBkMode(dc, OPAQUE);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SelectObject(dc, pen.get());
    SelectObject(dc, font.get());
    for (const ArrowStroke& stroke : hint.strokes) {
        MoveToEx(dc, stroke.x0, stroke.y0, nullptr);
        LineTo(dc, stroke.x1, stroke.y1);
    }
    if (hint.textString != 0) {
        std::wstring text = loadStringResource(hint.textString);
        RECT area{0, 2 * height / 3, width, height};
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area, DT_CENTER | DT_TOP);
    }
    // The previous pen and font go back in before the new ones are deleted.
    RestoreDC(dc, saved);
}
