// The sprite strips of the item buttons on the geometry and other-settings
// pages. Each strip holds seven 16 x 16 frames of one animation; a frame is
// the top-left quarter of a 32 x 32 picture, and the program mirrors it into
// the other three quarters (running some of them in the opposite phase or
// holding them still). So every frame is drawn as the whole picture at one
// moment of the animation, clipped to its top-left quarter: mirrored, the
// quarters meet without a seam. Frame 3 is the picture at rest; frames 0
// and 6 are the two ends of the adjustment.
#include <cmath>
#include <vector>

#include "pictures.h"
#include "resources/resource_ids.h"

namespace art {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kFrames = 7;
constexpr int kFrame = 16;

constexpr Colour kScreen = rgb(206, 222, 244);
constexpr Colour kEdge = rgb(44, 78, 136);
constexpr Colour kInk = rgb(40, 48, 60);
constexpr Colour kRed = rgb(226, 32, 32);
constexpr Colour kGreen = rgb(24, 168, 48);
constexpr Colour kBlue = rgb(32, 72, 226);

// One frame: `ox` is its left edge in the strip, `t` runs from -1 (frame 0)
// through 0 (frame 3) to 1 (frame 6).
struct Frame {
    Canvas& canvas;
    float ox;
    float t;

    // Fills a shape given in the coordinates of the 32 x 32 picture, clipped
    // to the frame's quarter.
    void fill(const Shape& shape, Colour colour, float opacity = 1.0f) const {
        canvas.fill(clipped(shape), colour, opacity);
    }
    void fill(const Shape& shape, const Paint& paint) const {
        canvas.fill(clipped(shape), [this, paint](float x, float y) { return paint(x - ox, y); });
    }
    Shape clipped(const Shape& shape) const {
        return intersect(translate(shape, ox, 0), rect(ox, 0, ox + kFrame, kFrame));
    }
};

// Points of a quadratic curve from a through control c to b.
std::vector<Point> curve(Point a, Point c, Point b, int steps = 10) {
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const float s = static_cast<float>(i) / steps;
        const float u = 1 - s;
        points.push_back({u * u * a.x + 2 * u * s * c.x + s * s * b.x,
                          u * u * a.y + 2 * u * s * c.y + s * s * b.y});
    }
    return points;
}

// A screen outline from its top-left corner: the top edge runs from the
// corner to the middle column, the left edge from the corner to the middle
// row; both as point lists starting at the corner. The screen inside is
// filled, so no light grey is enclosed.
void screenQuarter(const Frame& f, const std::vector<Point>& top, const std::vector<Point>& left) {
    std::vector<Point> area = top;
    area.push_back({17, top.back().y});
    area.push_back({17, 17});
    area.push_back({left.back().x, 17});
    for (auto it = left.rbegin(); it != left.rend(); ++it) {
        area.push_back(*it);
    }
    f.fill(polygon(area), kScreen);
    std::vector<Point> topEdge = top;
    topEdge.push_back({18, top.back().y});
    std::vector<Point> leftEdge = left;
    leftEdge.push_back({left.back().x, 18});
    f.fill(polyline(topEdge, 1.6f), kEdge);
    f.fill(polyline(leftEdge, 1.6f), kEdge);
}

// A rectangle screen with its corner at (x, y).
void plainScreen(const Frame& f, float x, float y) {
    screenQuarter(f, {{x, y}, {16, y}}, {{x, y}, {x, 16}});
}

// Pincushion: the corner moves sideways while the middle of each side stays.
void pincushion(const Frame& f) {
    const Point corner{5 - 2.5f * f.t, 5};
    screenQuarter(f, {corner, {16, 5}}, curve(corner, {5, 10}, {5, 16}));
}

// Centre pincushion: the middle of the side bows, the corner stays.
void centrePincushion(const Frame& f) {
    const float middle = 5 + 2.5f * f.t;
    screenQuarter(f, {{5, 5}, {16, 5}}, curve({5, 5}, {5, 11}, {middle, 16}));
}

// Corner pincushion: the corner curls out or in, the sides stay straight
// near the middle.
void cornerPincushion(const Frame& f) {
    const Point corner{5 - 2 * f.t, 5 - 2 * f.t};
    screenQuarter(f, curve(corner, {8, 5}, {11, 5}), curve(corner, {5, 8}, {5, 11}));
}

// Rotation: the corner turns around the middle of the picture.
void rotation(const Frame& f) {
    const Point corner{5 + 2.2f * f.t, 5 - 1.8f * f.t};
    screenQuarter(f, {corner, {16, 5}}, {corner, {5, 16}});
}

// Size: the screen grows and shrinks from the middle.
void size(const Frame& f) {
    plainScreen(f, 5 - 2.5f * f.t, 5 - 2.5f * f.t);
}

// Position: the screen and its centre mark move sideways.
void position(const Frame& f) {
    const float dx = 2.5f * f.t;
    plainScreen(f, 5 + dx, 5);
    f.fill(capsule({10 + dx, 16}, {22 + dx, 16}, 0.8f), kEdge);
    f.fill(capsule({16 + dx, 10}, {16 + dx, 22}, 0.8f), kEdge);
}

// Convergence: red and blue lines part from the green one.
void convergenceLines(const Frame& f, bool horizontal, float at) {
    const float apart = 2.2f * f.t;
    const auto line = [&](float where) {
        // The lines stop short of the edge, so the background around them
        // stays one connected area.
        return horizontal ? capsule({3, where}, {31, where}, 0.7f)
                          : capsule({where, 3}, {where, 31}, 0.7f);
    };
    f.fill(line(at - apart), kRed);
    f.fill(line(at + apart), kBlue);
    f.fill(line(at), kGreen, 0.85f);
}

void verticalConvergence(const Frame& f) {
    convergenceLines(f, true, 10);
}

void horizontalConvergence(const Frame& f) {
    convergenceLines(f, false, 10);
}

// Convergence at an edge of the screen: the lines part near the top (or,
// turned, near the left) of a screen outline.
void edgeConvergence(const Frame& f, bool horizontal) {
    plainScreen(f, 2, 2);
    convergenceLines(f, horizontal, 7);
}

void topConvergence(const Frame& f) {
    edgeConvergence(f, true);
}

void sideConvergence(const Frame& f) {
    edgeConvergence(f, false);
}

// Vertical linearity: the spacing of the lines grows towards the top or the
// middle.
void linearity(const Frame& f) {
    plainScreen(f, 3, 3);
    const float power = 1 + 0.45f * f.t;
    for (int i = 1; i <= 3; ++i) {
        const float y = 16 - 12 * std::pow(i / 3.5f, power);
        f.fill(capsule({4, y}, {31, y}, 0.6f), kInk);
    }
}

// Linearity balance: the lines move up and down together.
void linearityBalance(const Frame& f) {
    plainScreen(f, 3, 3);
    for (int i = 1; i <= 3; ++i) {
        const float y = 16 - 3.6f * i - 1.2f * f.t;
        f.fill(capsule({4, y}, {31, y}, 0.6f), kInk);
    }
}

// Purity: a colour cast in the corner of a white screen.
void purity(const Frame& f) {
    screenQuarter(f, {{3, 3}, {16, 3}}, {{3, 3}, {3, 16}});
    f.fill(rect(4, 4, 17, 17), rgb(250, 250, 250));
    const float strength = 0.5f + 0.5f * f.t;
    f.fill(rect(4, 4, 17, 17), radial({4, 4}, 13,
                                      {{0, withAlpha(rgb(220, 40, 160), strength)},
                                       {1, withAlpha(rgb(220, 40, 160), 0)}}));
}

// Moiré: rings that ripple out from the middle, fading as they are cleared.
void moire(const Frame& f) {
    const Shape field = rect(2, 2, 17, 17);
    f.fill(field, rgb(236, 238, 242));
    const float shift = 1.5f * (f.t + 1);
    for (int i = 0; i < 4; ++i) {
        const float r = 2 + 4 * i + shift;
        // Kept inside the field, so the background around it stays whole.
        f.fill(intersect(outline(circle(16, 16, r), 1.2f), field), kEdge, 0.9f);
    }
}

// Vertical moiré: wavy lines whose waves grow and settle.
void verticalMoire(const Frame& f) {
    f.fill(rect(2, 2, 17, 17), rgb(236, 238, 242));
    const float amplitude = 1.6f * (f.t + 1) / 2 + 0.2f;
    for (int row = 0; row < 3; ++row) {
        std::vector<Point> wave;
        const float y = 5 + 4.5f * row;
        for (int i = 0; i <= 14; ++i) {
            const float x = 3 + i * 1.0f;
            wave.push_back({x, y + amplitude * std::sin(x * kPi / 3)});
        }
        f.fill(polyline(wave, 1.1f), kEdge);
    }
}

// Sharpness: the edge of a dark disc goes from soft to crisp.
void sharpness(const Frame& f) {
    f.fill(rect(2, 2, 17, 17), rgb(246, 246, 246));
    // A soft edge is a stack of faint discs spread over twice the blur.
    const float blur = 1.2f * (1 - f.t) + 0.05f;
    const Shape disc = circle(16, 16, 8.5f);
    constexpr int kLayers = 6;
    for (int i = 0; i < kLayers; ++i) {
        f.fill(grow(disc, blur * (2.0f * i / (kLayers - 1) - 1)), kInk, 1.0f / kLayers);
    }
    f.fill(grow(disc, -blur), kInk);
}

using FrameDrawer = void (*)(const Frame&);

struct Strip {
    int id;
    FrameDrawer draw;
};

constexpr Strip kStrips[] = {
    {IDB_SPRITE_PINCUSHION, pincushion},
    {IDB_SPRITE_CENTRE_PINCUSHION, centrePincushion},
    {IDB_SPRITE_CORNER_PINCUSHION, cornerPincushion},
    {IDB_SPRITE_ROTATION, rotation},
    {IDB_SPRITE_V_CONVERGENCE, verticalConvergence},
    {IDB_SPRITE_H_CONVERGENCE, horizontalConvergence},
    {IDB_SPRITE_LINEARITY, linearity},
    {IDB_SPRITE_PURITY, purity},
    {IDB_SPRITE_MOIRE, moire},
    {IDB_SPRITE_LINEARITY_BALANCE, linearityBalance},
    {IDB_SPRITE_SIZE, size},
    {IDB_SPRITE_POSITION, position},
    {IDB_SPRITE_EDGE_V_CONVERGENCE, topConvergence},
    {IDB_SPRITE_EDGE_H_CONVERGENCE, sideConvergence},
    {IDB_SPRITE_SHARPNESS, sharpness},
    {IDB_SPRITE_VERTICAL_MOIRE, verticalMoire},
};

}  // namespace

Canvas drawSpriteStrip(int bitmapId) {
    Canvas canvas(kFrames * kFrame, kFrame);
    for (const Strip& strip : kStrips) {
        if (strip.id != bitmapId) {
            continue;
        }
        for (int k = 0; k < kFrames; ++k) {
            strip.draw(Frame{canvas, static_cast<float>(k * kFrame), (k - 3) / 3.0f});
        }
    }
    return canvas;
}

}  // namespace art
