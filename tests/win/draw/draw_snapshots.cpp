// Renders what the drawing code shows into bitmap files for a person to look
// at: every message frame of the illustration in both layouts, and picture
// buttons raised and pressed. Usage: win_draw_snapshots.exe OUTPUT_FOLDER
// (writes illustration-messages.bmp and picture-buttons.bmp).
#include <cstdio>
#include <string>

#include "draw/animated_illustration.h"
#include "draw/picture_button_group.h"
#include "tests/win/draw/draw_test_support.h"

namespace {

constexpr int kGap = 6;

// Every message code, frame 0 and frame 5, one row per layout.
bool snapshotMessages(const std::wstring& folder) {
    const int codes[] = {-1, -3, -4, -5, -6, -7, -8, -9, -10, -11, 14};
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
                MemoryDc frameDc(nullptr);
                ScopedSelectObject selectFrame(frameDc.get(), illustration.frame(k));
                const IllustrationLayout g = illustration.geometry();
                BitBlt(sheetDc.get(), column * cellWidth, (row + (k ? 1 : 0)) * cellHeight,
                       g.frameWidth, g.frameHeight, frameDc.get(), 0, 0, SRCCOPY);
            }
        }
        row += 2;
    }
    return writeBitmapFile(folder + L"\\illustration-messages.bmp", sheet.get());
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
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(buttons[i].id);
        item.itemAction = buttons[i].action;
        item.itemState = buttons[i].state;
        item.hDC = button.dc();
        item.rcItem = RECT{0, 0, kSize, kSize};
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
    const bool ok = snapshotMessages(folder) && snapshotButtons(folder);
    std::fputs(ok ? "snapshots written\n" : "snapshots failed\n", ok ? stdout : stderr);
    return ok ? 0 : 1;
}
