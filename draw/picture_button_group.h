// A row of square owner-drawn push buttons that carry pictures and behave as
// a radio group: the selected button stays drawn pressed in. The page that
// holds the buttons creates the group, attaches it, creates or adds its
// buttons and forwards WM_DRAWITEM of button controls to drawItem. Every
// button is painted off screen in the system's 3-D colours and copied to the
// button in one step, so nothing flickers. User-interface thread only.
//
// The operations are virtual, in a fixed order, so that groups which draw
// their pictures differently can derive from this one.
#pragma once

#include <functional>

#include "platform/win32.h"

class PictureButtonGroup {
  public:
    static constexpr int kCapacity = 30;

    PictureButtonGroup() = default;
    PictureButtonGroup(const PictureButtonGroup&) = delete;
    PictureButtonGroup& operator=(const PictureButtonGroup&) = delete;

    // Destroys every button window of the group, as clear() does.
    virtual ~PictureButtonGroup();

    // The owner-draw handler. Draws the button raised, or pressed when it is
    // the selected one or is being pushed, with its bitmap centred. Returns
    // 0, or -1 when the control is not in the group or has no bitmap (then
    // nothing is drawn).
    virtual int drawItem(const DRAWITEMSTRUCT* item);

    // Makes `id` the selected button and has every button redrawn; with no
    // buttons in the group the selection becomes -1.
    virtual void select(int id);
    // The selected control identifier, or -1 when the group has no buttons.
    [[nodiscard]] virtual int selected() const;

    // Draws bitmap resource `bitmapId` on the window's own device context,
    // as drawBitmapCentred. Returns 0, or -1 when it can't be loaded.
    [[nodiscard]] virtual int drawBitmapCentredInWindow(HWND window, int bitmapId, int cx, int cy);
    // Draws bitmap resource `bitmapId` with its centre at (cx, cy), its
    // light-grey background replaced by the button face. Returns 0, or -1
    // when it can't be loaded.
    [[nodiscard]] virtual int drawBitmapCentred(HDC dc, int bitmapId, int cx, int cy);

    // The page that holds the buttons; needed before buttons are created.
    virtual void attach(HWND parent);

    // Creates a button at (x, y) sized to bitmap `bitmapId` plus 5 pixels
    // each way, with control identifier `id`, and records it. Returns 0, or
    // -1 (nothing recorded) when the group is full, the bitmap can't be
    // loaded or the window can't be created.
    [[nodiscard]] virtual int createButton(int id, int bitmapId, int x, int y);
    // Records a button the page created itself. Returns 0, or -1 when full.
    [[nodiscard]] virtual int addButton(int id, int bitmapId);
    // Destroys every recorded button window and forgets them.
    virtual void clear();

    [[nodiscard]] HWND parent() const { return parent_; }
    [[nodiscard]] int count() const { return count_; }
    [[nodiscard]] int buttonId(int index) const { return ids_[index]; }

  protected:
    // Index of control `id` in the records, or -1.
    [[nodiscard]] int indexOf(int id) const;
    // Whether a draw request shows the button pressed: the selected button
    // always, any other one while it is being pushed.
    [[nodiscard]] bool drawsPressed(const DRAWITEMSTRUCT& item) const;
    // The one-pixel 3-D frame of a button whose item rectangle ends at
    // (right, bottom): light at the top left when raised, at the bottom
    // right when pressed.
    static void drawFrame(HDC dc, int right, int bottom, bool pressed);
    // Paints a button off screen and copies it in one step: the item
    // rectangle filled with system colour `background`, the picture (told
    // whether the button is drawn pressed), the frame, then the focus
    // rectangle when the button has the focus and keyboard cues show. Returns 0, or
    // -1 when the off-screen image can't be made.
    int paintButton(const DRAWITEMSTRUCT& item, int background,
                    const std::function<void(HDC, bool)>& paintPicture);

    HWND parent_ = nullptr;
    int selected_ = 0;
    int count_ = 0;
    int ids_[kCapacity] = {};
    int bitmapIds_[kCapacity] = {};  // 0: the button has no bitmap of its own

  private:
    void destroyButtons();
};
