// The pictures of Lumetra's bitmap resources, drawn on canvases. Each
// function draws one resource (or one image set) at its final size; the
// generator flattens them onto their background and writes the files.
// Host tool only.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace art {

// The monitor picture `bitmapId` (178 x 178) with its screen glass exactly
// on the illustration frame of its layout. An unknown number draws nothing.
Canvas drawMonitorPicture(int bitmapId);

// Product logo of the main window.
Canvas drawLogo();
// The maker's emblem shown in the illustration area, on its dark blue.
Canvas drawMakerEmblem();
// Animation frame 0..7 of the caption strip under illustration messages.
Canvas drawCaption(int frame);

// The main tab images (seven 15 x 15 images side by side) and the colour
// page's inner tab images (four).
Canvas drawTabImages();
Canvas drawColourTabImages();

// Pictures of the command and feature buttons (244..251).
Canvas drawButtonPicture(int bitmapId);

// A sprite strip of the item buttons (2000..2016): seven 16 x 16 frames,
// each the top-left quarter of the item's 32 x 32 picture.
Canvas drawSpriteStrip(int bitmapId);

// The program icon at one size (16..256 pixels square).
Canvas drawAppIcon(int size);

// Shared by several pictures: the product emblem (a screen with a spectrum
// and a light/dark disc) fitted in the square (x, y, size).
void paintEmblem(Canvas& canvas, float x, float y, float size);

// The bitmaps the test patterns tile or use as brushes, under their
// resource names ("MOIRE" to "MOIRE5", "H", "TEXT1" to "TEXT4"): exact
// black-and-white (and light-grey) pixels, no smoothing.
struct NamedImage {
    std::string name;
    Image image;
};
std::vector<NamedImage> drawPatternBitmaps();

// The test-pattern page's button pictures (1100..1127, in that order), each
// a small drawing of its pattern on the whole bitmap; only the button that
// closes the pattern shows the light-grey key around its picture.
struct NumberedImage {
    int id;
    Image image;
};
std::vector<NumberedImage> drawPatternButtons();

}  // namespace art
