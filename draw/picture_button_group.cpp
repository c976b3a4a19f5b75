#include "draw/picture_button_group.h"

#include <optional>

#include "draw/bitmap_background.h"
#include "draw/draw_resources.h"
#include "draw/gdi_handles.h"

namespace {

// A button is its bitmap plus this many pixels in each direction.
constexpr int kButtonMargin = 5;

constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_CENTER | BS_BITMAP | BS_OWNERDRAW;

// The focus cue runs this far inside the button's edge, clear of the frame.
constexpr int kFocusInset = 3;

// The focused button shows the system's focus rectangle, only while the
// window shows keyboard cues (after the keyboard was used), as push buttons
// do.
bool showsFocus(const DRAWITEMSTRUCT& item) {
    if (!(item.itemState & ODS_FOCUS) || (item.itemState & ODS_NOFOCUSRECT)) {
        return false;
    }
    return !item.hwndItem || !(SendMessageW(item.hwndItem, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

// One pen stroke from `from` through `corner` to `to` (the end point itself
// stays unpainted, as with every GDI line).
void strokePath(HDC dc, HPEN pen, POINT from, POINT corner, POINT to) {
    ScopedSelectObject selectPen(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, corner.x, corner.y);
    LineTo(dc, to.x, to.y);
}

}  // namespace

PictureButtonGroup::~PictureButtonGroup() {
    destroyButtons();
}

int PictureButtonGroup::drawItem(const DRAWITEMSTRUCT* item) {
    if (!item) {
        return -1;
    }
    const int index = indexOf(static_cast<int>(item->CtlID));
    if (index < 0 || bitmapIds_[index] == 0) {
        return -1;
    }
    const RECT& rect = item->rcItem;
    return paintButton(*item, COLOR_BTNFACE, [&](HDC dc, bool pressed) {
        // A pressed picture sinks one pixel down and to the right.
        const int sink = pressed ? 1 : 0;
        (void)drawBitmapCentred(dc, bitmapIds_[index], rect.right / 2 + sink,
                                rect.bottom / 2 + sink);
    });
}

int PictureButtonGroup::paintButton(const DRAWITEMSTRUCT& item, int background,
                                    const std::function<void(HDC, bool)>& paintPicture) {
    std::optional<WindowDc> buttonDc;
    HDC target = item.hDC;
    if (!target) {
        target = buttonDc.emplace(item.hwndItem).get();
    }
    const RECT& rect = item.rcItem;
    MemoryDc offscreen(target);
    ScopedBitmap image(CreateCompatibleBitmap(target, rect.right + 1, rect.bottom + 1));
    if (!offscreen || !image) {
        return -1;
    }
    ScopedSelectObject selectImage(offscreen.get(), image.get());
    FillRect(offscreen.get(), &rect, GetSysColorBrush(background));
    const bool pressed = drawsPressed(item);
    paintPicture(offscreen.get(), pressed);
    drawFrame(offscreen.get(), rect.right, rect.bottom, pressed);
    if (showsFocus(item)) {
        RECT cue = rect;
        InflateRect(&cue, -kFocusInset, -kFocusInset);
        DrawFocusRect(offscreen.get(), &cue);
    }
    BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
           offscreen.get(), rect.left, rect.top, SRCCOPY);
    return 0;
}

void PictureButtonGroup::select(int id) {
    if (count_ == 0) {
        selected_ = -1;
        return;
    }
    selected_ = id;
    for (int i = 0; i < count_; ++i) {
        if (HWND button = GetDlgItem(parent_, ids_[i])) {
            InvalidateRect(button, nullptr, FALSE);
        }
    }
}

int PictureButtonGroup::selected() const {
    return count_ == 0 ? -1 : selected_;
}

int PictureButtonGroup::drawBitmapCentredInWindow(HWND window, int bitmapId, int cx, int cy) {
    WindowDc dc(window);
    return dc ? drawBitmapCentred(dc.get(), bitmapId, cx, cy) : -1;
}

int PictureButtonGroup::drawBitmapCentred(HDC dc, int bitmapId, int cx, int cy) {
    ScopedBitmap bitmap = loadBitmapResource(bitmapId);
    SIZE size{};
    if (!bitmap || !bitmapSize(bitmap.get(), &size)) {
        return -1;
    }
    (void)replaceGreyPixels(bitmap.get(), GetSysColor(COLOR_BTNFACE));
    MemoryDc source(dc);
    ScopedSelectObject selectBitmap(source.get(), bitmap.get());
    if (!selectBitmap.ok()) {
        return -1;
    }
    BitBlt(dc, cx - size.cx / 2, cy - size.cy / 2, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    return 0;
}

void PictureButtonGroup::attach(HWND parent) {
    parent_ = parent;
}

int PictureButtonGroup::createButton(int id, int bitmapId, int x, int y) {
    if (count_ >= kCapacity) {
        return -1;
    }
    SIZE size{};
    if (!bitmapSize(loadBitmapResource(bitmapId).get(), &size)) {
        return -1;
    }
    HWND button = CreateWindowExW(
        0, L"BUTTON", L"", kButtonStyle, x, y, size.cx + kButtonMargin, size.cy + kButtonMargin,
        parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), resourceModule(), nullptr);
    if (!button) {
        return -1;
    }
    ids_[count_] = id;
    bitmapIds_[count_] = bitmapId;
    ++count_;
    return 0;
}

int PictureButtonGroup::addButton(int id, int bitmapId) {
    if (count_ >= kCapacity) {
        return -1;
    }
    ids_[count_] = id;
    bitmapIds_[count_] = bitmapId;
    ++count_;
    return 0;
}

void PictureButtonGroup::clear() {
    destroyButtons();
}

int PictureButtonGroup::indexOf(int id) const {
    for (int i = 0; i < count_; ++i) {
        if (ids_[i] == id) {
            return i;
        }
    }
    return -1;
}

bool PictureButtonGroup::drawsPressed(const DRAWITEMSTRUCT& item) const {
    if (static_cast<int>(item.CtlID) == selected_) {
        return true;
    }
    return (item.itemAction & ODA_SELECT) && (item.itemState & ODS_SELECTED);
}

void PictureButtonGroup::drawFrame(HDC dc, int right, int bottom, bool pressed) {
    ScopedPen light(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT)));
    ScopedPen black(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    ScopedPen shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    const int r = right;
    const int b = bottom;
    if (!pressed) {
        strokePath(dc, light.get(), {0, b - 1}, {0, 0}, {r - 1, 0});
        strokePath(dc, light.get(), {1, b - 2}, {1, 1}, {r - 2, 1});
        strokePath(dc, black.get(), {0, b - 1}, {r - 1, b - 1}, {r - 1, -1});
        strokePath(dc, shadow.get(), {1, b - 2}, {r - 2, b - 2}, {r - 2, 0});
    } else {
        strokePath(dc, light.get(), {0, b - 1}, {r - 1, b - 1}, {r - 1, -1});
        strokePath(dc, light.get(), {1, b - 2}, {r - 2, b - 2}, {r - 2, 0});
        strokePath(dc, black.get(), {0, b - 2}, {0, 0}, {r, 0});
        strokePath(dc, shadow.get(), {1, b - 3}, {1, 1}, {r - 1, 1});
    }
}

void PictureButtonGroup::destroyButtons() {
    for (int i = 0; i < count_; ++i) {
        if (HWND button = GetDlgItem(parent_, ids_[i])) {
            DestroyWindow(button);
        }
        ids_[i] = 0;
        bitmapIds_[i] = 0;
    }
    count_ = 0;
}
