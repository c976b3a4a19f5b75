#include "patterns/pixels/hint_arrows.h"

#include <initializer_list>

#include "patterns/pixels/pattern_geometry.h"
#include "resources/resource_ids.h"

namespace {

struct Point {
    int x = 0;
    int y = 0;
};

// The window's measures: unit u, mark spacing g, centre.
struct Frame {
    int w, h, u, g, cx, cy;
};

Frame frameOf(int width, int height) {
    return {width, height, height / 40, height / 20, width / 2, height / 2};
}

// A line from `from` to the tip, then each head stroke from the tip.
void arrow(std::vector<ArrowStroke>& out, Point from, Point tip,
           std::initializer_list<Point> heads) {
    out.push_back({from.x, from.y, tip.x, tip.y});
    for (Point head : heads) {
        out.push_back({tip.x, tip.y, head.x, head.y});
    }
}

// A vertical arrow with heads at both ends, between rows `top` and `bottom`.
void doubleArrow(std::vector<ArrowStroke>& out, const Frame& f, int x, int top, int bottom) {
    const int half = f.u / 2;
    arrow(out, {x, bottom}, {x, top}, {{x - half, top + half}, {x + half, top + half}});
    out.push_back({x, bottom, x - half, bottom - half});
    out.push_back({x, bottom, x + half, bottom - half});
}

void linearity(std::vector<ArrowStroke>& out, const Frame& f, int firstTop, int firstBottom) {
    doubleArrow(out, f, f.cx, firstTop, firstBottom);
    doubleArrow(out, f, f.cx, f.h - 6 * f.u, f.h - 2 * f.u);
    const int left = f.cx - f.h / 2 + 1;
    const int right = f.cx + f.h / 2 - 1;
    out.push_back({left, 1, right, f.h - 1});
    out.push_back({right, 1, left, f.h - 1});
}

void rotation(std::vector<ArrowStroke>& out, const Frame& f) {
    const int half = f.u / 2;
    for (int x : {f.u, f.w - f.u}) {
        arrow(out, {x, 4 * f.u}, {x, 0}, {{x - half, half}, {x + half, half}});
    }
}

// Two arrows pointing right at the vertical marks of column `px`.
void horizontalConvergence(std::vector<ArrowStroke>& out, const Frame& f, int px) {
    const int half = f.u / 2;
    for (int y : {f.cy + f.u, f.cy + 3 * f.u}) {
        arrow(out, {px - 3 * f.u, y}, {px - 4, y}, {{px - half, y - half}, {px - half, y + half}});
    }
}

// Two arrows pointing down at the horizontal marks of row `py`.
void verticalConvergence(std::vector<ArrowStroke>& out, const Frame& f, int py) {
    const int half = f.u / 2;
    for (int x : {f.cx - f.u, f.cx + 3 * f.u}) {
        arrow(out, {x, py - 3 * f.u}, {x, py - 4}, {{x - half, py - half}, {x + half, py - half}});
    }
}

// At the black square of the colour and greyscale pattern.
void brightness(std::vector<ArrowStroke>& out, const Frame& f) {
    const int tipX = f.w - 17 * f.u / 2;
    arrow(out, {f.w - 15 * f.u, 33 * f.u / 2 + f.u}, {tipX, 11 * f.u},
          {{tipX, 12 * f.u}, {tipX - f.u, 11 * f.u}});
}

// Above and below the bright end of the colour and greyscale pattern's
// grey ramp.
void contrast(std::vector<ArrowStroke>& out, const Frame& f) {
    const int s = 8 * f.w / 2560;
    const int px = f.cx + 126 * s + 1;
    const int top = f.h * 4 / 10;
    const int bottom = f.h * 6 / 10;
    const int half = f.u / 2;
    arrow(out, {px, top - 3 * f.u}, {px, top - 4},
          {{px - half, top - half}, {px + half, top - half}});
    arrow(out, {px, bottom + 3 * f.u}, {px, bottom + 4},
          {{px - half, bottom + half}, {px + half, bottom + half}});
}

enum Corner { kTopLeft = 1, kBottomLeft = 2, kBottomRight = 4, kTopRight = 8, kAllCorners = 15 };

void corners(std::vector<ArrowStroke>& out, const Frame& f, int which) {
    const int u = f.u;
    if (which & kTopLeft) {
        arrow(out, {8 * u, 8 * u}, {4 * u, 4 * u}, {{4 * u, 5 * u}, {5 * u, 4 * u}});
    }
    if (which & kBottomLeft) {
        arrow(out, {8 * u, f.h - 8 * u}, {4 * u, f.h - 4 * u},
              {{4 * u, f.h - 5 * u}, {5 * u, f.h - 4 * u}});
    }
    if (which & kBottomRight) {
        arrow(out, {f.w - 8 * u, f.h - 8 * u}, {f.w - 4 * u, f.h - 4 * u},
              {{f.w - 4 * u, f.h - 5 * u}, {f.w - 5 * u, f.h - 4 * u}});
    }
    if (which & kTopRight) {
        arrow(out, {f.w - 8 * u, 8 * u}, {f.w - 4 * u, 4 * u},
              {{f.w - 4 * u, 5 * u}, {f.w - 5 * u, 4 * u}});
    }
}

void topPincushion(std::vector<ArrowStroke>& out, const Frame& f) {
    const int u = f.u;
    arrow(out, {5 * u, 5 * u}, {u, u}, {{u, 2 * u}, {2 * u, u}});
    arrow(out, {f.w - 5 * u, 5 * u}, {f.w - u, u}, {{f.w - u, 2 * u}, {f.w - 2 * u, u}});
}

void bottomPincushion(std::vector<ArrowStroke>& out, const Frame& f) {
    const int u = f.u;
    arrow(out, {5 * u, f.h - 6 * u}, {u, f.h - 2 * u}, {{u, f.h - 3 * u}, {2 * u, f.h - 2 * u}});
    arrow(out, {f.w - 5 * u, f.h - 6 * u}, {f.w - u, f.h - 2 * u},
          {{f.w - u, f.h - 3 * u}, {f.w - 2 * u, f.h - 2 * u}});
}

// At the middle of the column where the colour ramps pattern's hue ramp
// shows hue `k` (0 red ... 5 magenta).
void hue(std::vector<ArrowStroke>& out, const Frame& f, int k) {
    const int s = rampStepWidth(f.w);
    const int px = upperRampStep(f.cx, s, hueRampColumn(k)).from + s / 2;
    const int tip = f.h - 2 * f.u;
    const int half = f.u / 2;
    arrow(out, {px, f.h - 6 * f.u}, {px, tip}, {{px - half, tip - half}, {px + half, tip - half}});
}

void addArrows(std::vector<ArrowStroke>& out, int feature, const Frame& f, bool flatPanel) {
    switch (feature) {
        case 11:
            return linearity(out, f, f.cy - 2 * f.u, f.cy + 2 * f.u);
        case 43:
            return linearity(out, f, 2 * f.u, 6 * f.u);
        case 12:
            return rotation(out, f);
        case 13:
            return horizontalConvergence(out, f, f.cx);
        case 75:
            return horizontalConvergence(out, f, f.cx - 11 * f.g);
        case 76:
            return horizontalConvergence(out, f, f.cx + 11 * f.g);
        case 44:
            return verticalConvergence(out, f, f.cy);
        case 73:
            return verticalConvergence(out, f, 2 * f.g);
        case 74:
            return verticalConvergence(out, f, 17 * f.g);
        case 14:
            return flatPanel ? void() : brightness(out, f);
        case 15:
            return flatPanel ? contrast(out, f) : void();
        case 40:
        case 42:
        case 48:
            return corners(out, f, kAllCorners);
        case 65:
            return corners(out, f, kTopRight);
        case 66:
            return corners(out, f, kTopLeft);
        case 67:
            return corners(out, f, kBottomRight);
        case 68:
            return corners(out, f, kBottomLeft);
        case 45:
        case 46:
            return topPincushion(out, f);
        case 49:
        case 50:
            return bottomPincushion(out, f);
        default:
            if (feature >= 83 && feature <= 88) {
                hue(out, f, feature - 83);
            }
            return;
    }
}

int textString(int feature, bool flatPanel) {
    if (feature == 2 || feature == 3) {
        return itemHintString(feature - 2);  // the vertical slider of position and size
    }
    if (flatPanel && feature == 14) {
        return IDS_HINT_CONTRAST;  // a panel's brightness is set to taste
    }
    if (flatPanel && feature == 15) {
        return 0;  // the arrows say it all
    }
    return itemHintString(feature);
}

}  // namespace

HintDrawing hintDrawing(int feature, int width, int height, bool flatPanel) {
    HintDrawing drawing;
    if (feature < 0) {
        return drawing;
    }
    drawing.textString = textString(feature, flatPanel);
    drawing.darkPen = feature == 48 || (feature >= 65 && feature <= 68);
    addArrows(drawing.strokes, feature, frameOf(width, height), flatPanel);
    return drawing;
}
