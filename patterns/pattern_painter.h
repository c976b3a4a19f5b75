// Paints the 28 test patterns. Every pattern is computed from the size of
// the surface at paint time, so it fits any monitor; only the small named
// bitmaps ("H", "MOIRE" to "MOIRE5", "TEXT1" to "TEXT4") are tiled or used
// as brushes. The pens come from the pattern window, which makes them when
// it opens; brushes live only for one paint, and the device context gets
// its previous objects, colours and alignment back before paintPattern
// returns. Uses the drawing library and the program's resources.
#pragma once

#include "draw/gdi_handles.h"
#include "platform/win32.h"

// The six one-pixel pens of the patterns.
class PatternPens {
  public:
    // Makes the pens; false when one cannot be made (the others stay).
    bool create();
    void destroy();
    [[nodiscard]] bool ready() const { return static_cast<bool>(white_); }

    [[nodiscard]] HPEN white() const { return white_.get(); }
    [[nodiscard]] HPEN red() const { return red_.get(); }
    [[nodiscard]] HPEN green() const { return green_.get(); }
    [[nodiscard]] HPEN blue() const { return blue_.get(); }
    [[nodiscard]] HPEN lightGrey() const { return lightGrey_.get(); }
    [[nodiscard]] HPEN black() const { return black_.get(); }

  private:
    ScopedPen white_, red_, green_, blue_, lightGrey_, black_;
};

// Paints pattern `pattern` (1-28) over the surface (0, 0, width, height)
// of `dc`. Pattern 16 and numbers outside 1-28 leave it black. Returns 0.
int paintPattern(HDC dc, int pattern, int width, int height, const PatternPens& pens);
