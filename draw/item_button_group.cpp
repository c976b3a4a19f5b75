#include "draw/item_button_group.h"

#include "draw/bitmap_background.h"
#include "draw/draw_resources.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kFramesPerStrip = 7;
constexpr int kLastPhase = ItemButtonGroup::kPhases - 1;

constexpr DWORD kItemButtonStyle = WS_CHILD | WS_VISIBLE | BS_CENTER | BS_OWNERDRAW;

// Quarter flags: run in the opposite phase, or hold on the middle frame.
constexpr int kTopRightOpposite = 0x02;
constexpr int kBottomLeftOpposite = 0x04;
constexpr int kBottomRightOpposite = 0x08;
constexpr int kTopLeftStill = 0x10;
constexpr int kTopRightStill = 0x20;
constexpr int kBottomLeftStill = 0x40;
constexpr int kBottomRightStill = 0x80;

struct ItemSpriteRow {
    int item;
    ItemSprite sprite;
};

// The picture of each feature; every other feature shows the pincushion strip.
constexpr ItemSpriteRow kItemSprites[] = {
    {0, {IDB_SPRITE_POSITION, 0x0A}},
    {2, {IDB_SPRITE_POSITION, 0x0A}},
    {1, {IDB_SPRITE_SIZE, 0}},
    {3, {IDB_SPRITE_SIZE, 0}},
    {6, {IDB_SPRITE_CENTRE_PINCUSHION, 0}},
    {8, {IDB_SPRITE_PINCUSHION, 0x0C}},
    {9, {IDB_SPRITE_PINCUSHION, 0x06}},
    {10, {IDB_SPRITE_PINCUSHION, 0x0A}},
    {11, {IDB_SPRITE_LINEARITY, 0}},
    {12, {IDB_SPRITE_ROTATION, 0x06}},
    {13, {IDB_SPRITE_H_CONVERGENCE, 0x0A}},
    {40, {IDB_SPRITE_CORNER_PINCUSHION, 0}},
    {41, {IDB_SPRITE_CENTRE_PINCUSHION, 0x0A}},
    {42, {IDB_SPRITE_CORNER_PINCUSHION, 0x0A}},
    {43, {IDB_SPRITE_LINEARITY_BALANCE, 0x0C}},
    {44, {IDB_SPRITE_V_CONVERGENCE, 0x0C}},
    {45, {IDB_SPRITE_CORNER_PINCUSHION, 0xC0}},
    {46, {IDB_SPRITE_CORNER_PINCUSHION, 0xC2}},
    {47, {IDB_SPRITE_MOIRE, 0}},
    {51, {IDB_SPRITE_MOIRE, 0}},
    {48, {IDB_SPRITE_PURITY, 0x0A}},
    {49, {IDB_SPRITE_CORNER_PINCUSHION, 0x30}},
    {50, {IDB_SPRITE_CORNER_PINCUSHION, 0x38}},
    {62, {IDB_SPRITE_VERTICAL_MOIRE, 0}},
    {65, {IDB_SPRITE_PURITY, 0xD0}},
    {66, {IDB_SPRITE_PURITY, 0xE0}},
    {67, {IDB_SPRITE_PURITY, 0x70}},
    {68, {IDB_SPRITE_PURITY, 0xB0}},
    {73, {IDB_SPRITE_EDGE_V_CONVERGENCE, 0xCC}},
    {74, {IDB_SPRITE_EDGE_V_CONVERGENCE, 0x3C}},
    {75, {IDB_SPRITE_EDGE_H_CONVERGENCE, 0xA0}},
    {76, {IDB_SPRITE_EDGE_H_CONVERGENCE, 0x50}},
    {82, {IDB_SPRITE_SHARPNESS, 0}},
};

// The x offset one quarter copies from: the middle frame when held still,
// else `opposite` or `usual` of the two running offsets.
int quarterOffset(int flags, int stillFlag, int oppositeFlag, int opposite, int usual, int middle) {
    if (flags & stillFlag) {
        return middle;
    }
    return (flags & oppositeFlag) ? opposite : usual;
}

}  // namespace

ItemSprite itemSprite(int item) {
    for (const ItemSpriteRow& row : kItemSprites) {
        if (row.item == item) {
            return row.sprite;
        }
    }
    return ItemSprite{IDB_SPRITE_PINCUSHION, 0};
}

SpriteOffsets spriteOffsets(int phase, int frameWidth) {
    const int f = frameWidth;
    SpriteOffsets offsets{0, 0, 3 * f};
    if (phase <= 6) {
        offsets.backward = f * (6 - phase);
        offsets.forward = f * phase;
    } else if (phase <= 13) {
        offsets.backward = f * (phase - 7);
        offsets.forward = f * (13 - phase);
    } else {
        offsets.backward = 6 * f;
        offsets.forward = 0;
    }
    return offsets;
}

ItemButtonGroup::~ItemButtonGroup() {
    horizontalMirror_.reset();
    halfTurn_.reset();
    verticalMirror_.reset();
}

int ItemButtonGroup::drawItem(const DRAWITEMSTRUCT* item) {
    if (!item) {
        return -1;
    }
    const int id = static_cast<int>(item->CtlID);
    if (indexOf(id) < 0) {
        return -1;
    }
    return paintButton(*item, COLOR_BTNSHADOW, [&](HDC dc, bool pressed) {
        // Only the selected button animates; one being pushed shows phase 0.
        phase_ = pressed && id == selected_ ? counter_ : 0;
        const int corner = pressed ? 3 : 2;
        (void)drawItemIcon(dc, id - kCtlItemButtonBase, corner, corner);
    });
}

void ItemButtonGroup::select(int id) {
    if (id != selected_) {
        resetAnimation();
    }
    PictureButtonGroup::select(id);
}

int ItemButtonGroup::createItemButton(int id, int x, int y, int width, int height) {
    if (count_ >= kCapacity) {
        return -1;
    }
    HWND button = CreateWindowExW(0, L"BUTTON", L"", kItemButtonStyle, x, y, width, height, parent_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  resourceModule(), nullptr);
    if (!button) {
        return -1;
    }
    return addButton(id, 0);
}

void ItemButtonGroup::stepAnimation() {
    counter_ = counter_ >= kLastPhase ? 0 : counter_ + 1;
}

void ItemButtonGroup::resetAnimation() {
    counter_ = 0;
}

int ItemButtonGroup::buildMirrors(HDC dc, HBITMAP strip) {
    SIZE size{};
    if (!bitmapSize(strip, &size)) {
        return -1;
    }
    const int w = size.cx;
    const int h = size.cy;
    horizontalMirror_.reset(CreateCompatibleBitmap(dc, w, h));
    verticalMirror_.reset(CreateCompatibleBitmap(dc, w, h));
    halfTurn_.reset(CreateCompatibleBitmap(dc, w, h));
    MemoryDc target(dc);
    if (!target || !horizontalMirror_ || !verticalMirror_ || !halfTurn_) {
        mirroredStrip_ = 0;
        return -1;
    }
    {
        ScopedSelectObject select(target.get(), horizontalMirror_.get());
        for (int x = 0; x < w; ++x) {
            BitBlt(target.get(), x, 0, 1, h, dc, w - 1 - x, 0, SRCCOPY);
        }
    }
    {
        ScopedSelectObject select(target.get(), verticalMirror_.get());
        for (int y = 0; y < h; ++y) {
            BitBlt(target.get(), 0, y, w, 1, dc, 0, h - 1 - y, SRCCOPY);
        }
    }
    // The turned copy is the vertical mirror of the horizontal one.
    MemoryDc source(dc);
    ScopedSelectObject selectSource(source.get(), horizontalMirror_.get());
    ScopedSelectObject select(target.get(), halfTurn_.get());
    for (int y = 0; y < h; ++y) {
        BitBlt(target.get(), 0, y, w, 1, source.get(), 0, h - 1 - y, SRCCOPY);
    }
    return 0;
}

int ItemButtonGroup::drawSprite(HDC dc, int stripId, int x, int y, int flags) {
    ScopedBitmap strip = loadBitmapResource(stripId);
    SIZE size{};
    if (!strip || !bitmapSize(strip.get(), &size)) {
        return -1;
    }
    MemoryDc stripDc(dc);
    ScopedSelectObject selectStrip(stripDc.get(), strip.get());
    if (!selectStrip.ok()) {
        return -1;
    }
    if (stripId != mirroredStrip_) {
        if (buildMirrors(stripDc.get(), strip.get()) != 0) {
            return -1;
        }
        mirroredStrip_ = stripId;
    }
    const int f = size.cx / kFramesPerStrip;
    const int h = size.cy;
    const SpriteOffsets at = spriteOffsets(phase_, f);
    const auto copy = [&](HDC source, int toX, int toY, int fromX) {
        BitBlt(dc, toX, toY, f, h, source, fromX, 0, SRCCOPY);
    };
    copy(stripDc.get(), x, y, (flags & kTopLeftStill) ? at.middle : at.forward);
    MemoryDc mirrorDc(dc);
    {
        ScopedSelectObject select(mirrorDc.get(), horizontalMirror_.get());
        copy(mirrorDc.get(), x + f, y,
             quarterOffset(flags, kTopRightStill, kTopRightOpposite, at.forward, at.backward,
                           at.middle));
    }
    {
        ScopedSelectObject select(mirrorDc.get(), verticalMirror_.get());
        copy(mirrorDc.get(), x, y + h,
             quarterOffset(flags, kBottomLeftStill, kBottomLeftOpposite, at.backward, at.forward,
                           at.middle));
    }
    {
        ScopedSelectObject select(mirrorDc.get(), halfTurn_.get());
        copy(mirrorDc.get(), x + f, y + h,
             quarterOffset(flags, kBottomRightStill, kBottomRightOpposite, at.forward, at.backward,
                           at.middle));
    }
    // The background may reach any corner of the icon, whichever quarters
    // it crosses: fill from all four.
    ScopedBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    ScopedSelectObject selectFace(dc, face.get());
    const int right = x + 2 * f - 1;
    const int bottom = y + 2 * h - 1;
    for (const POINT seed :
         {POINT{x, y}, POINT{x, bottom}, POINT{right, y}, POINT{right, bottom}}) {
        ExtFloodFill(dc, seed.x, seed.y, kBitmapBackground, FLOODFILLSURFACE);
    }
    return 0;
}

int ItemButtonGroup::drawItemIcon(HDC dc, int item, int x, int y) {
    const ItemSprite sprite = itemSprite(item);
    return drawSprite(dc, sprite.strip, x, y, sprite.flags);
}
