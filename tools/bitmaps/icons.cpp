// Small pictures: the tab images, the command and feature button pictures,
// the program icon and the product emblem they share. One light source from
// the upper left, one palette: warm yellow for light, the three primaries
// for colour, steel blue for geometry and commands, green for "go back".
#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures.h"
#include "resources/resource_ids.h"

namespace art {

namespace {

constexpr float kPi = 3.14159265358979f;

constexpr Colour kSunCore = rgb(255, 214, 64);
constexpr Colour kSunEdge = rgb(244, 150, 24);
constexpr Colour kRay = rgb(236, 156, 30);
constexpr Colour kSteel = rgb(62, 100, 156);
constexpr Colour kSteelLight = rgb(150, 186, 228);
constexpr Colour kInk = rgb(40, 48, 60);
constexpr Colour kReturn = rgb(46, 156, 74);  // the reset arrows
constexpr Colour kRed = rgb(232, 44, 40);
constexpr Colour kGreen = rgb(40, 190, 60);
constexpr Colour kBlue = rgb(40, 84, 232);

// A fully saturated colour of hue h (0..1 around the colour circle).
Colour hueColour(float h) {
    h = h - std::floor(h);
    float r = std::clamp(std::fabs(h * 6 - 3) - 1, 0.0f, 1.0f);
    float g = std::clamp(2 - std::fabs(h * 6 - 2), 0.0f, 1.0f);
    float b = std::clamp(2 - std::fabs(h * 6 - 4), 0.0f, 1.0f);
    return {r, g, b, 1};
}

// Colours running around a centre, as on a colour wheel.
Paint hueWheel(Point centre, float turn = 0) {
    return [=](float x, float y) {
        float a = std::atan2(centre.y - y, x - centre.x) / (2 * kPi) + turn;
        return hueColour(a);
    };
}

void paintSun(Canvas& c, float cx, float cy, float core, float rayIn, float rayOut, float rayWidth,
              int rays) {
    for (int i = 0; i < rays; ++i) {
        float a = i * 2 * kPi / rays;
        float out = (rays > 8 && i % 2) ? rayIn + (rayOut - rayIn) * 0.6f : rayOut;
        c.fill(capsule({cx + std::cos(a) * rayIn, cy - std::sin(a) * rayIn},
                       {cx + std::cos(a) * out, cy - std::sin(a) * out}, rayWidth / 2),
               kRay);
    }
    c.fill(circle(cx, cy, core), radial({cx - core * 0.35f, cy - core * 0.35f}, core * 1.3f,
                                        {{0, lighter(kSunCore, 0.5f)}, {0.5f, kSunCore}, {1, kSunEdge}}));
    c.fill(innerBand(circle(cx, cy, core), std::max(0.6f, core * 0.12f)), darker(kSunEdge, 0.2f), 0.7f);
}

// The brightness and contrast symbol: a disc, light on the left, dark on
// the right.
void paintContrastDisc(Canvas& c, float cx, float cy, float r) {
    Shape disc = circle(cx, cy, r);
    c.fill(disc, rgb(250, 250, 250));
    c.fill(intersect(disc, rect(cx, cy - r - 1, cx + r + 1, cy + r + 1)),
           radial({cx + r * 0.2f, cy - r * 0.3f}, r * 1.2f, {{0, rgb(70, 74, 82)}, {1, rgb(18, 20, 24)}}));
    c.fill(innerBand(disc, std::max(0.8f, r * 0.1f)), rgb(30, 34, 40));
}

// A circular arrow turning back (counter-clockwise), around (cx, cy).
void paintReturnArrow(Canvas& c, float cx, float cy, float r, float width, Colour colour) {
    float from = 0.35f * kPi, to = 1.95f * kPi;
    c.fill(arc({cx, cy}, r, r, from, to, width), colour);
    // Arrow head at the start of the arc, pointing along it backwards.
    float hx = cx + std::cos(from) * r, hy = cy - std::sin(from) * r;
    float tx = -std::sin(from), ty = -std::cos(from);  // tangent towards decreasing angle
    float nx = std::cos(from), ny = -std::sin(from);   // outwards
    float len = width * 1.6f;
    c.fill(polygon({{hx + tx * len, hy + ty * len},
                    {hx + nx * len * 0.95f - tx * len * 0.2f, hy + ny * len * 0.95f - ty * len * 0.2f},
                    {hx - nx * len * 0.95f - tx * len * 0.2f, hy - ny * len * 0.95f - ty * len * 0.2f}}),
           colour);
}

// A small display: dark frame, lit screen painted by `screen`.
void paintScreenBox(Canvas& c, float x0, float y0, float x1, float y1, const Paint& screen) {
    Shape frame = roundRect(x0, y0, x1, y1, 1.8f);
    c.fill(frame, linear({0, y0}, {0, y1}, {{0, rgb(96, 102, 112)}, {1, rgb(46, 50, 58)}}));
    c.fill(rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2), screen);
    c.fill(innerBand(frame, 0.8f), rgb(28, 30, 36));
}

// --- tab images -----------------------------------------------------------

void tabBrightness(Canvas& c, float x) { paintSun(c, x + 7.5f, 7.5f, 3.2f, 4.4f, 5.6f, 1.3f, 8); }

void tabColour(Canvas& c, float x) {
    c.fill(circle(x + 5.3f, 5.6f, 3.6f), kRed, 0.9f);
    c.fill(circle(x + 9.7f, 5.6f, 3.6f), kGreen, 0.85f);
    c.fill(circle(x + 7.5f, 9.4f, 3.6f), kBlue, 0.8f);
}

// A screen outline whose sides bow inwards, with a diagonal double arrow.
void tabGeometry(Canvas& c, float x) {
    std::vector<Point> pts;
    auto side = [&](Point a, Point b, float bow) {
        for (int i = 0; i < 8; ++i) {
            float t = i / 8.0f;
            float k = std::sin(t * kPi) * bow;
            float nx = -(b.y - a.y), ny = b.x - a.x;
            float len = std::hypot(nx, ny);
            pts.push_back({a.x + (b.x - a.x) * t + nx / len * k, a.y + (b.y - a.y) * t + ny / len * k});
        }
    };
    side({x + 1.5f, 2.5f}, {x + 13.5f, 2.5f}, 1.0f);
    side({x + 13.5f, 2.5f}, {x + 13.5f, 12.5f}, 1.3f);
    side({x + 13.5f, 12.5f}, {x + 1.5f, 12.5f}, 1.0f);
    side({x + 1.5f, 12.5f}, {x + 1.5f, 2.5f}, 1.3f);
    Shape screen = polygon(pts);
    c.fill(screen, linear({x, 2}, {x, 13}, {{0, kSteelLight}, {1, lighter(kSteel, 0.3f)}}));
    c.fill(innerBand(screen, 1.0f), kSteel);
    c.fill(capsule({x + 4.8f, 9.8f}, {x + 10.2f, 5.2f}, 0.55f), rgb(255, 255, 255));
    c.fill(polygon({{x + 11.2f, 4.2f}, {x + 7.9f, 4.8f}, {x + 10.6f, 7.5f}}), rgb(255, 255, 255));
    c.fill(polygon({{x + 3.8f, 10.8f}, {x + 7.1f, 10.2f}, {x + 4.4f, 7.5f}}), rgb(255, 255, 255));
}

void paintGear(Canvas& c, float cx, float cy, float r, Colour colour) {
    Shape gear = circle(cx, cy, r * 0.72f);
    for (int i = 0; i < 8; ++i) {
        float a = i * kPi / 4;
        gear = unite(gear, capsule({cx, cy}, {cx + std::cos(a) * r * 0.86f, cy - std::sin(a) * r * 0.86f},
                                   r * 0.17f));
    }
    gear = subtract(gear, circle(cx, cy, r * 0.3f));
    c.fill(gear, linear({cx - r, cy - r}, {cx + r, cy + r}, {{0, lighter(colour, 0.35f)}, {1, darker(colour, 0.2f)}}));
    c.fill(innerBand(gear, 0.7f), darker(colour, 0.45f), 0.8f);
}

void tabOther(Canvas& c, float x) { paintGear(c, x + 7.5f, 7.5f, 6.1f, rgb(120, 128, 142)); }

// Colour bars over a grey ramp.
void paintColourBars(Canvas& c, float x0, float y0, float x1, float y1) {
    static const Colour bars[] = {rgb(250, 250, 250), rgb(250, 230, 40), rgb(40, 220, 230),
                                  rgb(40, 210, 60),   rgb(226, 40, 220), rgb(230, 36, 36),
                                  rgb(40, 60, 230)};
    float w = (x1 - x0) / 7;
    float split = y0 + (y1 - y0) * 0.7f;
    for (int i = 0; i < 7; ++i) {
        c.fill(rect(x0 + i * w, y0, x0 + (i + 1) * w, split), bars[i]);
    }
    c.fill(rect(x0, split, x1, y1), linear({x0, 0}, {x1, 0}, {{0, rgb(10, 10, 10)}, {1, rgb(245, 245, 245)}}));
}

void tabTestPattern(Canvas& c, float x) {
    paintColourBars(c, x + 2, 3, x + 13, 12);
    c.fill(outline(rect(x + 1.5f, 2.5f, x + 13.5f, 12.5f), 1.0f), kInk);
}

// Not used as a tab at present: a small monitor, for an eighth page.
void tabMonitor(Canvas& c, float x) {
    paintScreenBox(c, x + 1, 2, x + 14, 11, linear({x, 3}, {x + 8, 10}, {{0, kSteelLight}, {1, kSteel}}));
    c.fill(rect(x + 6, 11, x + 9, 13), rgb(80, 86, 96));
    c.fill(rect(x + 4, 13, x + 11, 14), rgb(60, 66, 76));
}

void tabInformation(Canvas& c, float x) {
    Shape disc = circle(x + 7.5f, 7.5f, 6.5f);
    c.fill(disc, radial({x + 5.5f, 5.0f}, 8, {{0, rgb(110, 170, 250)}, {1, rgb(30, 90, 200)}}));
    c.fill(innerBand(disc, 0.8f), rgb(24, 66, 150));
    c.fill(circle(x + 7.5f, 4.3f, 1.15f), rgb(255, 255, 255));
    c.fill(roundRect(x + 6.5f, 6.3f, x + 8.5f, 11.6f, 0.5f), rgb(255, 255, 255));
}

// --- colour page tab images -------------------------------------------------

void colourTabGain(Canvas& c, float x) {
    const Colour colours[] = {kRed, kGreen, kBlue};
    const float heights[] = {9, 11.5f, 7};
    for (int i = 0; i < 3; ++i) {
        float x0 = x + 2 + i * 4;
        Shape bar = rect(x0, 13.5f - heights[i], x0 + 3, 13.5f);
        c.fill(bar, linear({x0, 0}, {x0 + 3, 0}, {{0, lighter(colours[i], 0.35f)}, {1, colours[i]}}));
        c.fill(innerBand(bar, 0.6f), darker(colours[i], 0.4f), 0.8f);
    }
}

void colourTabBias(Canvas& c, float x) {
    const Colour colours[] = {rgb(150, 20, 20), rgb(20, 120, 30), rgb(20, 40, 150)};
    const float heights[] = {3.5f, 5, 2.5f};
    c.fill(rect(x + 1, 12.2f, x + 14, 13.8f), rgb(20, 20, 24));
    for (int i = 0; i < 3; ++i) {
        float x0 = x + 2 + i * 4;
        c.fill(rect(x0, 12.2f - heights[i], x0 + 3, 12.2f), colours[i]);
    }
    // The arrow: black level lifted.
    c.fill(capsule({x + 7.5f, 5.8f}, {x + 7.5f, 3.0f}, 0.7f), kInk);
    c.fill(polygon({{x + 7.5f, 0.5f}, {x + 4.4f, 3.8f}, {x + 10.6f, 3.8f}}), kInk);
}

void colourTabTemperature(Canvas& c, float x) {
    float cx = x + 7.5f;
    Shape tube = unite(roundRect(cx - 1.8f, 1, cx + 1.8f, 11, 1.8f), circle(cx, 11.3f, 3.0f));
    c.fill(tube, rgb(250, 250, 252));
    c.fill(unite(rect(cx - 0.8f, 4.5f, cx + 0.8f, 11), circle(cx, 11.3f, 2.1f)),
           linear({0, 4}, {0, 13}, {{0, rgb(70, 120, 240)}, {1, rgb(228, 40, 32)}}));
    c.fill(innerBand(tube, 0.7f), kInk);
    for (int i = 0; i < 3; ++i) {
        c.fill(rect(cx + 2.4f, 2.5f + i * 2.5f, cx + 4.4f, 3.2f + i * 2.5f), kInk, 0.8f);
    }
}

void colourTabSixAxis(Canvas& c, float x) {
    Point centre{x + 7.5f, 7.5f};
    Shape wheel = circle(centre.x, centre.y, 6.5f);
    c.fill(wheel, hueWheel(centre));
    c.fill(circle(centre.x, centre.y, 6.5f),
           radial(centre, 6.5f, {{0, rgb(255, 255, 255)}, {0.55f, rgb(255, 255, 255, 0.15f)}, {1, rgb(255, 255, 255, 0)}}));
    c.fill(innerBand(wheel, 0.7f), kInk, 0.8f);
    for (int i = 0; i < 6; ++i) {
        float a = i * kPi / 3 + kPi / 6;
        float px = centre.x + std::cos(a) * 4.2f, py = centre.y - std::sin(a) * 4.2f;
        c.fill(circle(px, py, 1.1f), rgb(255, 255, 255));
        c.fill(innerBand(circle(px, py, 1.1f), 0.5f), kInk);
    }
}

// --- button pictures --------------------------------------------------------

void buttonBrightness(Canvas& c) { paintSun(c, 16, 16, 6.5f, 8.6f, 14, 2.0f, 12); }

void buttonContrast(Canvas& c) {
    c.shadow(circle(16, 16, 12), rgb(0, 0, 0, 0.35f), 2, 0.8f, 1.2f);
    paintContrastDisc(c, 16, 16, 12);
    // Gloss over the upper half.
    c.fill(intersect(circle(16, 16, 11), ellipse(14, 10, 9, 6)),
           linear({0, 4}, {0, 15}, {{0, rgb(255, 255, 255, 0.45f)}, {1, rgb(255, 255, 255, 0)}}));
}

void buttonResetBrightness(Canvas& c) {
    paintReturnArrow(c, 16, 16.5f, 11, 2.8f, kReturn);
    Shape disc = circle(16, 16, 6.5f);
    c.fill(intersect(disc, rect(9, 9, 16, 23)), radial({13, 13}, 8, {{0, lighter(kSunCore, 0.4f)}, {1, kSunEdge}}));
    c.fill(intersect(disc, rect(16, 9, 23, 23)), rgb(34, 36, 42));
    c.fill(innerBand(disc, 0.9f), kInk);
}

// A crosshatch screen, for geometry.
Paint crosshatch(float x0, float y0, float step) {
    return [=](float x, float y) {
        float gx = std::fmod(x - x0 + 1000 * step, step), gy = std::fmod(y - y0 + 1000 * step, step);
        bool line = gx < 1.0f || gy < 1.0f;
        return line ? rgb(240, 244, 250) : rgb(26, 44, 86);
    };
}

void buttonResetGeometry(Canvas& c) {
    paintReturnArrow(c, 16, 16.5f, 11.5f, 2.6f, kReturn);
    paintScreenBox(c, 8.5f, 10, 23.5f, 22, crosshatch(10.5f, 12, 3));
}

void paintSparkle(Canvas& c, float cx, float cy, float r) {
    c.fill(polygon({{cx, cy - r}, {cx + r * 0.22f, cy - r * 0.22f}, {cx + r, cy}, {cx + r * 0.22f, cy + r * 0.22f},
                    {cx, cy + r}, {cx - r * 0.22f, cy + r * 0.22f}, {cx - r, cy}, {cx - r * 0.22f, cy - r * 0.22f}}),
           radial({cx, cy}, r, {{0, rgb(255, 255, 230)}, {1, rgb(250, 196, 30)}}));
    c.fill(outline(polygon({{cx, cy - r}, {cx + r * 0.22f, cy - r * 0.22f}, {cx + r, cy},
                            {cx + r * 0.22f, cy + r * 0.22f}, {cx, cy + r}, {cx - r * 0.22f, cy + r * 0.22f},
                            {cx - r, cy}, {cx - r * 0.22f, cy - r * 0.22f}}),
                   0.7f),
           rgb(170, 110, 10), 0.8f);
}

void buttonAutoAdjust(Canvas& c) {
    paintScreenBox(c, 3, 7, 26, 25, linear({4, 8}, {20, 25}, {{0, rgb(80, 140, 230)}, {1, rgb(24, 56, 140)}}));
    // The picture snapping to the screen's edges.
    Colour arrow = rgb(255, 255, 255);
    const Point corners[] = {{5.8f, 9.8f}, {23.2f, 9.8f}, {5.8f, 22.2f}, {23.2f, 22.2f}};
    for (const Point& p : corners) {
        float dx = p.x < 14 ? 1.0f : -1.0f, dy = p.y < 16 ? 1.0f : -1.0f;
        c.fill(capsule({p.x + dx * 4.0f, p.y + dy * 3.2f}, {p.x + dx * 0.9f, p.y + dy * 0.9f}, 0.7f), arrow);
        c.fill(polygon({{p.x, p.y}, {p.x + dx * 3.2f, p.y}, {p.x, p.y + dy * 3.2f}}), arrow);
    }
    c.fill(outline(rect(10.5f, 13.5f, 18.5f, 18.5f), 1.0f), arrow, 0.9f);
    paintSparkle(c, 24.5f, 7.0f, 5.5f);
}

void buttonResetColour(Canvas& c) {
    c.fill(circle(7.6f, 7.0f, 4.4f), kRed, 0.9f);
    c.fill(circle(12.4f, 7.0f, 4.4f), kGreen, 0.85f);
    c.fill(circle(10.0f, 11.2f, 4.4f), kBlue, 0.8f);
    paintReturnArrow(c, 21.5f, 9, 4.6f, 1.8f, kReturn);
}

void buttonFactoryReset(Canvas& c) {
    // A factory: saw-tooth roof, chimney, lit windows.
    Colour wall = rgb(120, 132, 150);
    Shape building = polygon({{3, 27}, {3, 15}, {9, 11}, {9, 15}, {15, 11}, {15, 15}, {21, 11}, {21, 27}});
    Shape chimney = rect(22, 5, 25.5f, 27);
    c.fill(chimney, linear({22, 0}, {25.5f, 0}, {{0, rgb(176, 84, 60)}, {1, rgb(120, 50, 36)}}));
    c.fill(building, linear({0, 11}, {0, 27}, {{0, lighter(wall, 0.3f)}, {1, darker(wall, 0.15f)}}));
    c.fill(innerBand(building, 0.8f), rgb(50, 58, 72));
    c.fill(innerBand(chimney, 0.8f), rgb(90, 36, 26));
    for (int i = 0; i < 3; ++i) {
        c.fill(rect(5 + i * 5.5f, 19, 8 + i * 5.5f, 22), rgb(255, 226, 120));
    }
    c.fill(rect(2, 27, 27, 28.2f), rgb(60, 66, 76));
    // Back to the state it left the factory in.
    c.fill(circle(23.5f, 22.5f, 6.6f), rgb(255, 255, 255, 0.9f));
    paintReturnArrow(c, 23.5f, 22.5f, 4.5f, 2.0f, kReturn);
}

void buttonDegauss(Canvas& c) {
    // A tube showing the colour blotches that degaussing removes.
    paintScreenBox(c, 2, 3, 29, 23, [](float x, float y) {
        float h = std::atan2(y - 13, x - 16) / (2 * kPi) + 0.08f * std::sin(x * 0.5f);
        Colour blotch = hueColour(h);
        float fade = std::clamp(std::hypot(x - 16, (y - 13) * 1.3f) / 14.0f, 0.0f, 1.0f);
        return mix(mix(blotch, rgb(255, 255, 255), 0.25f), rgb(235, 238, 242), 1.0f - fade * 0.9f);
    });
    // A horseshoe magnet in front.
    Shape shoe = subtract(unite(circle(22.5f, 20, 6.5f), rect(16, 11.5f, 29, 20)),
                          unite(circle(22.5f, 20, 3.0f), rect(19.5f, 11.5f, 25.5f, 20)));
    c.fill(translate(shoe, 0.8f, 1.0f), rgb(0, 0, 0, 0.35f));
    c.fill(shoe, linear({16, 0}, {29, 0}, {{0, rgb(240, 70, 60)}, {1, rgb(170, 24, 24)}}));
    c.fill(intersect(shoe, rect(15, 11.5f, 30, 15)), linear({16, 0}, {29, 0}, {{0, rgb(236, 238, 242)}, {1, rgb(150, 156, 166)}}));
    c.fill(innerBand(shoe, 0.8f), rgb(90, 16, 16), 0.9f);
}

}  // namespace

void paintEmblem(Canvas& c, float x, float y, float size) {
    float s = size / 256.0f;
    auto X = [&](float v) { return x + v * s; };
    auto Y = [&](float v) { return y + v * s; };
    bool tiny = size < 24;
    // Stand.
    if (!tiny) {
        c.fill(polygon({{X(108), Y(190)}, {X(148), Y(190)}, {X(156), Y(226)}, {X(100), Y(226)}}),
               linear({X(100), 0}, {X(156), 0}, {{0, rgb(60, 64, 72)}, {0.4f, rgb(120, 126, 136)}, {1, rgb(50, 54, 62)}}));
        c.fill(ellipse(X(128), Y(230), 66 * s, 14 * s), rgb(40, 44, 50));
        c.fill(ellipse(X(128), Y(226), 66 * s, 13 * s),
               linear({0, Y(214)}, {0, Y(240)}, {{0, rgb(150, 156, 166)}, {1, rgb(70, 76, 86)}}));
    }
    // Bezel.
    float top = tiny ? 30 : 22, bottom = tiny ? 226 : 196;
    Shape bezel = roundRect(X(10), Y(top), X(246), Y(bottom), 22 * s);
    c.fill(bezel, linear({0, Y(top)}, {0, Y(bottom)}, {{0, rgb(86, 92, 104)}, {1, rgb(28, 30, 36)}}));
    c.fill(innerBand(bezel, std::max(0.8f, 4 * s)), linear({0, Y(top)}, {0, Y(bottom)},
                                                           {{0, rgb(170, 178, 192)}, {1, rgb(20, 22, 26)}}));
    // Screen: the colour circle swept from dark to light.
    float m = tiny ? 16 : 24;
    float sx0 = X(10 + m), sy0 = Y(top + m), sx1 = X(246 - m), sy1 = Y(bottom - m);
    Shape screen = roundRect(sx0, sy0, sx1, sy1, 8 * s);
    c.fill(screen, [=](float px, float py) {
        float h = (px - sx0) / (sx1 - sx0);
        float v = (py - sy0) / (sy1 - sy0);
        Colour hue = hueColour(0.62f - h * 0.75f);
        Colour lit = mix(hue, rgb(255, 255, 255), std::max(0.0f, 0.45f - v) * 0.9f);
        return mix(lit, rgb(8, 10, 20), std::max(0.0f, v - 0.55f) * 1.6f);
    });
    // Light and dark: the brightness and contrast disc.
    float r = (sy1 - sy0) * 0.30f;
    float cx = (sx0 + sx1) / 2, cy = (sy0 + sy1) / 2;
    c.shadow(circle(cx, cy, r), rgb(0, 0, 0, 0.45f), std::max(1.0f, 6 * s), 2 * s, 3 * s);
    paintContrastDisc(c, cx, cy, r);
    // Glass highlight.
    c.fill(intersect(screen, polygon({{sx0, sy0}, {sx1, sy0}, {sx0, sy1 - (sy1 - sy0) * 0.35f}})),
           rgb(255, 255, 255, 0.16f));
}

Canvas drawTabImages() {
    Canvas c(7 * kTabImageWidth, kTabImageWidth);
    using Draw = void (*)(Canvas&, float);
    const Draw images[] = {tabBrightness,  tabColour,  tabGeometry,   tabOther,
                           tabTestPattern, tabMonitor, tabInformation};
    for (int i = 0; i < 7; ++i) {
        images[i](c, static_cast<float>(i * kTabImageWidth));
    }
    return c;
}

Canvas drawColourTabImages() {
    Canvas c(4 * kTabImageWidth, kTabImageWidth);
    colourTabGain(c, 0);
    colourTabBias(c, 15);
    colourTabTemperature(c, 30);
    colourTabSixAxis(c, 45);
    return c;
}

Canvas drawButtonPicture(int bitmapId) {
    if (bitmapId == IDB_RESET_COLOUR) {
        Canvas c(28, 18);
        buttonResetColour(c);
        return c;
    }
    Canvas c(32, 32);
    switch (bitmapId) {
        case IDB_RESET_BRIGHTNESS_CONTRAST: buttonResetBrightness(c); break;
        case IDB_RESET_GEOMETRY: buttonResetGeometry(c); break;
        case IDB_AUTO_ADJUST: buttonAutoAdjust(c); break;
        case IDB_FACTORY_RESET: buttonFactoryReset(c); break;
        case IDB_DEGAUSS: buttonDegauss(c); break;
        case IDB_BRIGHTNESS: buttonBrightness(c); break;
        case IDB_CONTRAST: buttonContrast(c); break;
        default: break;
    }
    return c;
}

Canvas drawAppIcon(int size) {
    Canvas c(size, size);
    paintEmblem(c, 0, 0, static_cast<float>(size));
    return c;
}

}  // namespace art
