// Renders what the drawing code shows into bitmap files for a person to look
// at: every message frame of the illustration in both layouts, the eight
// frames of every animated feature made from a picture of a desktop (one
// contact sheet per layout), and picture buttons raised and pressed.
// Usage: win_draw_snapshots.exe OUTPUT_FOLDER (writes
// illustration-messages.bmp, illustration-features-wide.bmp,
// illustration-features-square.bmp and picture-buttons.bmp).
#include <cstdio>
#include <string>
#include <vector>

#include "draw/animated_illustration.h"
#include "draw/picture_button_group.h"
#include "draw/pixels/feature_frames.h"
#include "tests/win/draw/draw_test_support.h"
#include "tests/win/draw/test_pictures.h"

namespace {

constexpr int kGap = 6;

// Frame k of `illustration` onto `sheet` with its top left at (x, y).
void copyFrame(const AnimatedIllustration& illustration, int k, HDC sheet, int x, int y) {
    MemoryDc frameDc(nullptr);
    ScopedSelectObject selectFrame(frameDc.get(), illustration.frame(k));
    const IllustrationLayout g = illustration.geometry();
    BitBlt(sheet, x, y, g.frameWidth, g.frameHeight, frameDc.get(), 0, 0, SRCCOPY);
}

// Every message code, frame 0 and frame 5, one row per layout.
bool snapshotMessages(const std::wstring& folder) {
    const int codes[] = {-1, -3, -4, -5, -6, -7, -8, -9, -10, -11, 47};
    constexpr int kCodes = static_cast<int>(std::size(codes));
    AnimatedIllustration illustration;
    const IllustrationLayout wide = illustrationLayout(2);
    const IllustrationLayout square = illustrationLayout(1);
    const int cellWidth = wide.frameWidth + kGap;
    const int cellHeight = square.frameHeight + kGap;
    DibSection sheet(cellWidth * kCodes, cellHeight * 4);
    MemoryDc sheetDc(nullptr);
    ScopedSelectObject selectSheet(sheetDc.get(), sheet.get());
    RECT all{0, 0, cellWidth * kCodes, cellHeight * 4};
    FillRect(sheetDc.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
    int row = 0;
    for (int layout : {2, 1}) {
        illustration.setLayout(layout);
        for (int column = 0; column < kCodes; ++column) {
            illustration.setItem(codes[column]);
            illustration.freeFrames();
            if (illustration.renderFrames(nullptr) != 0) {
                return false;
            }
            for (int k : {0, 5}) {
                copyFrame(illustration, k, sheetDc.get(), column * cellWidth,
                          (row + (k ? 1 : 0)) * cellHeight);
            }
        }
        row += 2;
    }
    return writeBitmapFile(folder + L"\\illustration-messages.bmp", sheet.get());
}

// The illustration with the desktop picture for its miniature.
class DesktopIllustration : public AnimatedIllustration {
  public:
    HDC captureScreen(HWND window, bool capture) override {
        HDC dc = AnimatedIllustration::captureScreen(window, false);
        if (capture) {
            paintDesktopPicture(pixelsOfDc(dc));
        }
        return dc;
    }
};

// One row per animated feature, its number at the left, its eight frames in
// order to the right.
bool snapshotFeatures(const std::wstring& folder, int layout, const wchar_t* name) {
    std::vector<int> codes;
    for (int code = 0; code <= 96; ++code) {
        if (hasFeatureFrame(code) || code == 81 || (code >= 83 && code <= 88)) {
            codes.push_back(code);
        }
    }
    DesktopIllustration illustration;
    illustration.setLayout(layout);
    const IllustrationLayout g = illustration.geometry();
    constexpr int kLabel = 30;
    const int cellWidth = g.frameWidth + kGap;
    const int cellHeight = g.frameHeight + kGap;
    const int width = kLabel + kIllustrationFrames * cellWidth;
    const int height = static_cast<int>(codes.size()) * cellHeight;
    DibSection sheet(width, height);
    MemoryDc sheetDc(nullptr);
    ScopedSelectObject selectSheet(sheetDc.get(), sheet.get());
    ScopedSelectObject selectFont(sheetDc.get(), drawingFont());
    RECT all{0, 0, width, height};
    FillRect(sheetDc.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
    for (size_t row = 0; row < codes.size(); ++row) {
        illustration.setItem(codes[row]);
        illustration.freeFrames();
        if (illustration.renderFrames(nullptr) != 0) {
            return false;
        }
        const int y = static_cast<int>(row) * cellHeight;
        const std::wstring label = std::to_wstring(codes[row]);
        TextOutW(sheetDc.get(), 2, y + g.frameHeight / 2 - 6, label.c_str(),
                 static_cast<int>(label.size()));
        for (int k = 0; k < kIllustrationFrames; ++k) {
            copyFrame(illustration, k, sheetDc.get(), kLabel + k * cellWidth, y);
        }
    }
    return writeBitmapFile(folder + L"\\" + name, sheet.get());
}

// The brightness page's two 37 × 37 buttons: the selected one pressed, the
// other raised; then the other one being pushed and released.
bool snapshotButtons(const std::wstring& folder) {
    PictureButtonGroup group;
    if (group.addButton(1, IDB_BRIGHTNESS) != 0 || group.addButton(2, IDB_CONTRAST) != 0) {
        return false;
    }
    group.select(1);
    constexpr int kSize = 37;
    Canvas sheet(4 * (kSize + kGap), kSize + 2 * kGap);
    RECT all{0, 0, 4 * (kSize + kGap), kSize + 2 * kGap};
    FillRect(sheet.dc(), &all, GetSysColorBrush(COLOR_BTNFACE));
    struct Button {
        int id;
        UINT action;
        UINT state;
    };
    const Button buttons[] = {{1, ODA_DRAWENTIRE, 0},
                              {2, ODA_DRAWENTIRE, 0},
                              {2, ODA_SELECT, ODS_SELECTED},
                              {2, ODA_SELECT, 0}};
    for (int i = 0; i < 4; ++i) {
        Canvas button(kSize, kSize);
        const DRAWITEMSTRUCT item = drawRequest(buttons[i].id, button.dc(), kSize, kSize,
                                                buttons[i].action, buttons[i].state);
        if (group.drawItem(&item) != 0) {
            return false;
        }
        BitBlt(sheet.dc(), kGap + i * (kSize + kGap), kGap, kSize, kSize, button.dc(), 0, 0,
               SRCCOPY);
    }
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(sheet.dc(), OBJ_BITMAP));
    return writeBitmapFile(folder + L"\\picture-buttons.bmp", bitmap);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: win_draw_snapshots.exe OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    useSharedFont();
    const std::wstring folder = argv[1];
    const bool ok = snapshotMessages(folder) &&
                    snapshotFeatures(folder, 2, L"illustration-features-wide.bmp") &&
                    snapshotFeatures(folder, 1, L"illustration-features-square.bmp") &&
                    snapshotButtons(folder);
    std::fputs(ok ? "snapshots written\n" : "snapshots failed\n", ok ? stdout : stderr);
    return ok ? 0 : 1;
}
