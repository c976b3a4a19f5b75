// The feature buttons of the geometry and other-settings pages: a picture
// button group whose pictures are drawn from the feature each button stands
// for, as a 32 x 32 icon put together from one 16 x 16 frame of the
// feature's sprite strip and its mirror images. The selected button's icon
// is animated: the page steps the animation on its 200 ms timer and has the
// selected button repainted, one cycle every 15 steps.
//
// Sprite strips are bitmap resources of seven 16 x 16 frames side by side
// on the light-grey background; a strip's mirrored copies are built once
// and kept while consecutive buttons use the same strip. Button identifiers
// are 4000 + the feature. User-interface thread only.
#pragma once

#include "draw/gdi_handles.h"
#include "draw/picture_button_group.h"

class ItemButtonGroup : public PictureButtonGroup {
  public:
    static constexpr int kPhases = 15;
    static constexpr int kIconSize = 32;

    ItemButtonGroup() = default;
    // Deletes the mirrored copies, then destroys the buttons.
    ~ItemButtonGroup() override;

    // The owner-draw handler: the button's icon on the shadow colour,
    // raised at (2, 2) with phase 0, or pressed at (3, 3) with the running
    // phase when it is the selected button, then the 3-D frame. Returns 0,
    // or -1 when the control is not in the group.
    int drawItem(const DRAWITEMSTRUCT* item) override;
    // Another button than the selected one restarts the animation.
    void select(int id) override;

    // Creates an owner-drawn button (no bitmap of its own) at (x, y) with
    // the given size and records it. Returns 0, or -1 (nothing recorded)
    // when the group is full or the window can't be created.
    [[nodiscard]] virtual int createItemButton(int id, int x, int y, int width, int height);
    // The selected button's animation: one step further, back to 0 after 14.
    virtual void stepAnimation();
    virtual void resetAnimation();
    // (Re)makes the horizontally mirrored, turned and vertically mirrored
    // copies of `strip`. Returns 0, or -1 when a copy can't be made.
    [[nodiscard]] virtual int buildMirrors(HDC dc, HBITMAP strip);
    // Draws the 32 x 32 icon of sprite strip `stripId` at (x, y) for the
    // current phase; `flags` set which quarters run in the opposite phase
    // (0x02 top right, 0x04 bottom left, 0x08 bottom right) or hold still
    // on the middle frame (0x10 top left, 0x20 top right, 0x40 bottom left,
    // 0x80 bottom right). The light-grey background touching the icon's
    // corners becomes the button face. Returns 0, or -1 when the strip
    // can't be loaded.
    [[nodiscard]] virtual int drawSprite(HDC dc, int stripId, int x, int y, int flags);
    // Draws the icon of feature `item` at (x, y): its strip and flags.
    [[nodiscard]] virtual int drawItemIcon(HDC dc, int item, int x, int y);

    [[nodiscard]] int animationCounter() const { return counter_; }

  private:
    ScopedBitmap horizontalMirror_;
    ScopedBitmap halfTurn_;
    ScopedBitmap verticalMirror_;
    int mirroredStrip_ = 0;  // strip the copies were made from; 0: none yet
    int phase_ = 0;          // phase of the picture being drawn
    int counter_ = 0;        // phase of the selected button
};

// The sprite strip and quarter flags that picture feature `item`.
struct ItemSprite {
    int strip;
    int flags;
};
[[nodiscard]] ItemSprite itemSprite(int item);

// Where the four quarters of an icon take their frame in phase `phase`
// (0..14): `forward` in the strip and the vertical mirror, `backward` in the
// horizontal mirror and the turned copy, as x offsets for frames of width
// `frameWidth`. `forward` walks the frames 0..6, 6..0, 0 over the phases.
struct SpriteOffsets {
    int backward;  // A
    int forward;   // B
    int middle;    // C
};
[[nodiscard]] SpriteOffsets spriteOffsets(int phase, int frameWidth);
