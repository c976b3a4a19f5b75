// Renders the test patterns into bitmap files for a person to look at:
// every pattern, and a few patterns with an item's hint over them.
// Usage: win_pattern_snapshots.exe OUTPUT_FOLDER WIDTH HEIGHT (writes
// pattern-NN.bmp and hint-FF.bmp).
#include <cstdio>
#include <cwchar>
#include <string>

#include "patterns/pattern_overlay.h"
#include "patterns/pattern_painter.h"
#include "tests/win/draw/draw_test_support.h"

namespace {

bool snapshot(const std::wstring& path, int pattern, int feature, bool flatPanel, int w, int h,
              const PatternPens& pens) {
    Canvas canvas(w, h);
    if (paintPattern(canvas.dc(), pattern, w, h, pens) != 0) {
        return false;
    }
    if (feature >= 0) {
        paintHint(canvas.dc(), feature, w, h, flatPanel);
    }
    return writeBitmapFile(path, static_cast<HBITMAP>(GetCurrentObject(canvas.dc(), OBJ_BITMAP)));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fputs("usage: win_pattern_snapshots.exe OUTPUT_FOLDER WIDTH HEIGHT\n", stderr);
        return 2;
    }
    const std::wstring folder = argv[1];
    const int w = _wtoi(argv[2]);
    const int h = _wtoi(argv[3]);
    PatternPens pens;
    bool ok = pens.create();
    for (int pattern = 1; ok && pattern <= 28; ++pattern) {
        wchar_t name[32];
        swprintf(name, std::size(name), L"\\pattern-%02d.bmp", pattern);
        ok = snapshot(folder + name, pattern, -1, false, w, h, pens);
    }
    // (feature, its pattern, flat panel)
    const int hints[][3] = {{11, 1, 0},  {43, 1, 0},  {12, 14, 0}, {13, 22, 0},
                            {75, 22, 0}, {73, 21, 0}, {14, 23, 0}, {15, 23, 1},
                            {48, 8, 0},  {49, 1, 0},  {85, 5, 0},  {3, 15, 0}};
    for (const auto& hint : hints) {
        wchar_t name[32];
        swprintf(name, std::size(name), L"\\hint-%02d.bmp", hint[0]);
        ok = ok && snapshot(folder + name, hint[1], hint[0], hint[2] != 0, w, h, pens);
    }
    std::fputs(ok ? "snapshots written\n" : "snapshots failed\n", ok ? stdout : stderr);
    return ok ? 0 : 1;
}
