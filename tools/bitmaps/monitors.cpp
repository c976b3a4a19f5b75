// The monitor pictures. Every picture is built from one design record: the
// case colours, how much bezel surrounds the glass, the stand, the controls
// and a few extras (shading hood, speakers, gloss). The glass itself always
// covers exactly the illustration frame of the picture's layout, with a
// one-pixel rim around it that is lighter than any pixel of the glass, so
// the animation played there lines up with the drawing.
#include <algorithm>
#include <cmath>
#include <vector>

#include "pictures.h"
#include "resources/monitor_pictures.h"

namespace art {

namespace {

enum class Stand {
    Swivel,      // cathode-ray tube: neck and round tilt-swivel base
    Plinth,      // cathode-ray tube: wide rectangular plinth
    RoundFoot,   // flat panel: slim neck, oval foot
    Column,      // flat panel: height-adjustable column, rectangular base
    RingFoot,    // flat panel: slim neck, open ring foot
    SquareFoot,  // flat panel: slim neck, thin square plate
    Blade,       // flat panel: one bent aluminium blade
};

enum class Controls {
    ButtonRow,   // a row of push buttons beside the power switch
    Door,        // buttons hidden behind a hinged door
    Minimal,     // power switch only
    Touch,       // printed touch keys
    Dots,        // tiny keys along the lower edge
    Knobs,       // two round knobs and a rocker switch
};

struct Design {
    int id;
    Colour body;    // case and stand
    Colour bezel;   // front frame
    Colour accent;  // badge and trim
    float left, top, right, bottom;  // bezel around the glass, pixels
    float corner;
    Stand stand;
    Controls controls;
    Colour led;
    float depth = 9;  // cathode-ray tube: visible depth of the case top
    bool hood = false;
    bool speakers = false;
    bool glossy = false;
    bool chin = false;        // the lower bezel juts out as a wedge
    float sideDepth = 0;      // cathode-ray tube: visible depth of the right side
    Colour frame = {0, 0, 0, 0};  // a second colour ringing the bezel, if any
};

// Case colours.
constexpr Colour kIvory = rgb(228, 223, 205);
constexpr Colour kBeige = rgb(216, 207, 182);
constexpr Colour kPearl = rgb(238, 238, 234);
constexpr Colour kLightGrey = rgb(206, 208, 211);
constexpr Colour kGraphite = rgb(76, 79, 85);
constexpr Colour kCharcoal = rgb(56, 58, 63);
constexpr Colour kBlack = rgb(36, 37, 40);
constexpr Colour kMidnight = rgb(38, 42, 58);
constexpr Colour kSilver = rgb(201, 205, 211);
constexpr Colour kWhite = rgb(242, 242, 239);
constexpr Colour kAluminium = rgb(208, 211, 215);
constexpr Colour kNeutral = rgb(160, 162, 166);
// Trim and lamps.
constexpr Colour kChrome = rgb(214, 218, 224);
constexpr Colour kGold = rgb(196, 168, 104);
constexpr Colour kGreenLed = rgb(70, 214, 112);
constexpr Colour kAmberLed = rgb(244, 172, 44);
constexpr Colour kBlueLed = rgb(80, 156, 255);
constexpr Colour kDarkLed = rgb(96, 100, 104);

const std::vector<Design>& designs() {
    static const std::vector<Design> table = {
        // Cathode-ray tubes.
        {.id = IDB_MONITOR_CRT_IVORY_COMPACT, .body = kIvory, .bezel = kIvory, .accent = kChrome,
         .left = 10, .top = 10, .right = 10, .bottom = 20, .corner = 7, .stand = Stand::Swivel,
         .controls = Controls::Minimal, .led = kGreenLed, .depth = 9},
        {.id = IDB_MONITOR_CRT_IVORY_17, .body = kIvory, .bezel = kIvory, .accent = kChrome,
         .left = 12, .top = 12, .right = 12, .bottom = 22, .corner = 9, .stand = Stand::Swivel,
         .controls = Controls::ButtonRow, .led = kGreenLed, .depth = 11},
        {.id = IDB_MONITOR_CRT_GRAPHITE_FLAT, .body = kGraphite, .bezel = kGraphite,
         .accent = kChrome, .left = 11, .top = 11, .right = 11, .bottom = 23, .corner = 4,
         .stand = Stand::Swivel, .controls = Controls::ButtonRow, .led = kBlueLed, .depth = 10,
         .chin = true},
        {.id = IDB_MONITOR_CRT_BLACK_19, .body = kBlack, .bezel = kBlack, .accent = kChrome,
         .left = 12, .top = 13, .right = 12, .bottom = 23, .corner = 6, .stand = Stand::Plinth,
         .controls = Controls::Door, .led = kGreenLed, .depth = 11, .sideDepth = 7},
        {.id = IDB_MONITOR_CRT_GREY_ROUNDED, .body = kLightGrey, .bezel = kLightGrey,
         .accent = kCharcoal, .left = 12, .top = 12, .right = 12, .bottom = 21, .corner = 14,
         .stand = Stand::Swivel, .controls = Controls::ButtonRow, .led = kAmberLed, .depth = 10},
        {.id = IDB_MONITOR_CRT_IVORY_21, .body = kBeige, .bezel = kIvory, .accent = kGold,
         .left = 13, .top = 14, .right = 13, .bottom = 25, .corner = 8, .stand = Stand::Plinth,
         .controls = Controls::Door, .led = kGreenLed, .depth = 12, .sideDepth = 7},
        {.id = IDB_MONITOR_CRT_SILVER_TWO_TONE, .body = kCharcoal, .bezel = kSilver,
         .accent = kCharcoal, .left = 12, .top = 11, .right = 12, .bottom = 22, .corner = 8,
         .stand = Stand::Swivel, .controls = Controls::ButtonRow, .led = kBlueLed, .depth = 10},
        {.id = IDB_MONITOR_CRT_PEARL, .body = kPearl, .bezel = kPearl, .accent = kSilver,
         .left = 11, .top = 12, .right = 11, .bottom = 21, .corner = 11, .stand = Stand::Swivel,
         .controls = Controls::Minimal, .led = kBlueLed, .depth = 10, .frame = kSilver},
        {.id = IDB_MONITOR_CRT_HOODED, .body = kCharcoal, .bezel = kCharcoal, .accent = kChrome,
         .left = 12, .top = 12, .right = 12, .bottom = 22, .corner = 5, .stand = Stand::Plinth,
         .controls = Controls::ButtonRow, .led = kGreenLed, .depth = 0, .hood = true},
        {.id = IDB_MONITOR_CRT_BEIGE_CLASSIC, .body = kBeige, .bezel = kBeige, .accent = kCharcoal,
         .left = 14, .top = 14, .right = 14, .bottom = 20, .corner = 5, .stand = Stand::Swivel,
         .controls = Controls::Knobs, .led = kAmberLed, .depth = 12},
        {.id = IDB_MONITOR_CRT_MIDNIGHT, .body = kMidnight, .bezel = kMidnight, .accent = kSilver,
         .left = 12, .top = 12, .right = 12, .bottom = 23, .corner = 10, .stand = Stand::Swivel,
         .controls = Controls::Door, .led = kBlueLed, .depth = 10, .chin = true},
        // Flat panels, 4:3 and 5:4.
        {.id = IDB_MONITOR_LCD_SILVER_ROUND_FOOT, .body = kSilver, .bezel = kSilver,
         .accent = kCharcoal, .left = 8, .top = 8, .right = 8, .bottom = 13, .corner = 4,
         .stand = Stand::RoundFoot, .controls = Controls::Dots, .led = kBlueLed},
        {.id = IDB_MONITOR_LCD_BLACK_COLUMN, .body = kBlack, .bezel = kBlack, .accent = kSilver,
         .left = 7, .top = 7, .right = 7, .bottom = 12, .corner = 3, .stand = Stand::Column,
         .controls = Controls::Dots, .led = kGreenLed},
        {.id = IDB_MONITOR_LCD_WHITE_ARC, .body = kWhite, .bezel = kWhite, .accent = kSilver,
         .left = 9, .top = 9, .right = 9, .bottom = 14, .corner = 6, .stand = Stand::RingFoot,
         .controls = Controls::Touch, .led = kBlueLed},
        {.id = IDB_MONITOR_LCD_SILVER_SQUARE_FOOT, .body = kSilver, .bezel = kBlack,
         .accent = kSilver, .left = 7, .top = 7, .right = 7, .bottom = 13, .corner = 3,
         .stand = Stand::SquareFoot, .controls = Controls::Dots, .led = kGreenLed,
         .frame = kSilver},
        {.id = IDB_MONITOR_LCD_SPEAKERS, .body = kGraphite, .bezel = kGraphite, .accent = kChrome,
         .left = 6, .top = 7, .right = 6, .bottom = 12, .corner = 3, .stand = Stand::RoundFoot,
         .controls = Controls::Dots, .led = kBlueLed, .speakers = true},
        {.id = IDB_MONITOR_LCD_GRAPHITE_HOODED, .body = kCharcoal, .bezel = kGraphite,
         .accent = kChrome, .left = 7, .top = 7, .right = 7, .bottom = 12, .corner = 2,
         .stand = Stand::Column, .controls = Controls::Dots, .led = kGreenLed, .hood = true},
        {.id = IDB_MONITOR_LCD_IVORY, .body = kIvory, .bezel = kIvory, .accent = kChrome,
         .left = 11, .top = 11, .right = 11, .bottom = 16, .corner = 6,
         .stand = Stand::SquareFoot, .controls = Controls::ButtonRow, .led = kGreenLed},
        {.id = IDB_MONITOR_DEFAULT, .body = kNeutral, .bezel = kNeutral, .accent = kNeutral,
         .left = 8, .top = 8, .right = 8, .bottom = 13, .corner = 4, .stand = Stand::RoundFoot,
         .controls = Controls::Minimal, .led = kDarkLed},
        {.id = IDB_MONITOR_LCD_GLOSS_BLACK, .body = kBlack, .bezel = kBlack, .accent = kSilver,
         .left = 8, .top = 8, .right = 8, .bottom = 13, .corner = 5, .stand = Stand::RingFoot,
         .controls = Controls::Touch, .led = kBlueLed, .glossy = true},
        {.id = IDB_MONITOR_LCD_ALUMINIUM, .body = kAluminium, .bezel = kAluminium,
         .accent = kCharcoal, .left = 7, .top = 7, .right = 7, .bottom = 11, .corner = 3,
         .stand = Stand::Blade, .controls = Controls::Minimal, .led = kBlueLed},
        // Wide flat panels.
        {.id = IDB_MONITOR_LCD_WIDE_BLACK, .body = kBlack, .bezel = kBlack, .accent = kSilver,
         .left = 5, .top = 5, .right = 5, .bottom = 9, .corner = 3, .stand = Stand::RoundFoot,
         .controls = Controls::Touch, .led = kBlueLed, .glossy = true},
        {.id = IDB_MONITOR_LCD_WIDE_SILVER, .body = kSilver, .bezel = kSilver,
         .accent = kCharcoal, .left = 5, .top = 5, .right = 5, .bottom = 10, .corner = 3,
         .stand = Stand::SquareFoot, .controls = Controls::Dots, .led = kBlueLed},
    };
    return table;
}

float luma(Colour c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }
bool isDark(Colour c) { return luma(c) < 0.45f; }

// Top-lit plastic: lighter at the top, darker at the bottom.
Paint plastic(Colour c, float y0, float y1) {
    return linear({0, y0}, {0, y1},
                  {{0, lighter(c, 0.18f)}, {0.45f, c}, {1, darker(c, 0.14f)}});
}

// Light catching the upper edge and the lower edge in shade.
void edgeLight(Canvas& canvas, const Shape& shape, float y0, float y1) {
    canvas.fill(innerBand(shape, 1.2f),
                linear({0, y0}, {0, y1},
                       {{0, rgb(255, 255, 255, 0.55f)},
                        {0.25f, rgb(255, 255, 255, 0.0f)},
                        {0.75f, rgb(0, 0, 0, 0.0f)},
                        {1, rgb(0, 0, 0, 0.28f)}}));
}

void contour(Canvas& canvas, const Shape& shape, Colour c) {
    canvas.fill(innerBand(shape, 0.9f), darker(c, isDark(c) ? 0.35f : 0.42f), 0.9f);
}

// A soft shadow where the stand meets the desk.
void deskShadow(Canvas& canvas, float cx, float cy, float rx, float ry) {
    canvas.shadow(ellipse(cx, cy, rx, ry), rgb(0, 0, 0, 0.30f), 2, 0, 0);
}

// Glass, its rim and the sloped lip of the bezel around it.
void paintScreen(Canvas& canvas, const PictureRect& g, const Design& d, bool tube) {
    float x0 = static_cast<float>(g.x), y0 = static_cast<float>(g.y);
    float x1 = x0 + g.width, y1 = y0 + g.height;
    Colour bezel = d.bezel;
    bool dark = isDark(bezel);

    // The lip slopes towards the glass: the top lip faces down and lies in
    // shade, the bottom lip faces up and catches the light.
    float w = tube ? 5.0f : 2.0f;
    float ox0 = x0 - 1, oy0 = y0 - 1, ox1 = x1 + 1, oy1 = y1 + 1;
    Colour top = dark ? lighter(bezel, 0.06f) : darker(bezel, 0.30f);
    Colour side = dark ? lighter(bezel, 0.12f) : darker(bezel, 0.18f);
    Colour bottom = dark ? lighter(bezel, 0.22f) : lighter(bezel, 0.10f);
    canvas.fill(polygon({{ox0 - w, oy0 - w}, {ox1 + w, oy0 - w}, {ox1, oy0}, {ox0, oy0}}), top);
    canvas.fill(polygon({{ox0 - w, oy1 + w}, {ox1 + w, oy1 + w}, {ox1, oy1}, {ox0, oy1}}), bottom);
    canvas.fill(polygon({{ox0 - w, oy0 - w}, {ox0, oy0}, {ox0, oy1}, {ox0 - w, oy1 + w}}), side);
    canvas.fill(polygon({{ox1 + w, oy0 - w}, {ox1, oy0}, {ox1, oy1}, {ox1 + w, oy1 + w}}),
                darker(side, 0.06f));

    // The rim: one pixel around the glass, always lighter than the glass.
    Colour rim = dark ? lighter(bezel, 0.34f) : darker(bezel, 0.26f);
    canvas.fill(subtract(rect(ox0, oy0, ox1, oy1), rect(x0, y0, x1, y1)), rim);

    Shape glass = rect(x0, y0, x1, y1);
    if (tube) {
        // A switched-off tube: grey-green phosphor, darker towards the
        // curved edges, with a window's reflection near the top left.
        canvas.fill(glass, radial({x0 + g.width * 0.45f, y0 + g.height * 0.42f}, g.width * 0.72f,
                                  g.height * 0.78f,
                                  {{0, rgb(60, 68, 67)}, {0.7f, rgb(40, 47, 47)}, {1, rgb(22, 27, 28)}}));
        // A window's reflection near the top left, softly curved.
        Shape glare = intersect(glass, polygon({{x0 + g.width * 0.08f, y0 + g.height * 0.08f},
                                                 {x0 + g.width * 0.52f, y0 + g.height * 0.06f},
                                                 {x0 + g.width * 0.46f, y0 + g.height * 0.20f},
                                                 {x0 + g.width * 0.06f, y0 + g.height * 0.30f}}));
        Shape glareShape = glare;
        canvas.fill(glare, [glareShape, x0, y0, g](float x, float y) {
            float inside = std::clamp(-glareShape.distance(x, y) / 5.0f, 0.0f, 1.0f);
            float along = 1.0f - std::clamp(((x - x0) / g.width + (y - y0) / g.height) * 1.6f, 0.0f, 1.0f);
            return rgb(255, 255, 255, 0.11f * inside * (0.4f + 0.6f * along));
        });
    } else {
        canvas.fill(glass, linear({x0, y0}, {x0 + g.width * 0.35f, y1},
                                  {{0, rgb(42, 45, 52)}, {1, rgb(13, 14, 17)}}));
        // A faint sheen across the upper left of the panel.
        canvas.fill(intersect(glass, polygon({{x0, y0}, {x0 + g.width * 0.55f, y0},
                                               {x0, y0 + g.height * 0.75f}})),
                    linear({x0, y0}, {x0 + g.width * 0.3f, y0 + g.height * 0.4f},
                           {{0, rgb(255, 255, 255, 0.07f)}, {1, rgb(255, 255, 255, 0.0f)}}));
    }
}

void paintLed(Canvas& canvas, float x, float y, Colour led) {
    canvas.fill(circle(x, y, 2.6f), radial({x, y}, 2.6f, {{0, withAlpha(led, 0.45f)}, {1, withAlpha(led, 0.0f)}}));
    canvas.fill(circle(x, y, 1.2f), radial({x - 0.3f, y - 0.3f}, 1.3f, {{0, lighter(led, 0.5f)}, {1, led}}));
}

void paintPowerButton(Canvas& canvas, float x, float y, Colour bezel) {
    Colour face = isDark(bezel) ? lighter(bezel, 0.18f) : darker(bezel, 0.08f);
    canvas.fill(circle(x, y + 0.5f, 3.4f), darker(bezel, 0.35f), 0.6f);
    canvas.fill(circle(x, y, 3.2f), radial({x - 1, y - 1}, 4.0f, {{0, lighter(face, 0.25f)}, {1, face}}));
    canvas.fill(outline(circle(x, y, 3.2f), 0.6f), darker(bezel, 0.4f), 0.7f);
    // The switch symbol.
    Colour mark = isDark(bezel) ? rgb(210, 214, 220) : rgb(90, 92, 96);
    canvas.fill(arc({x, y}, 1.6f, 1.6f, 2.2f, 2.0f * 3.14159f + 0.94f, 0.55f), mark, 0.9f);
    canvas.fill(capsule({x, y - 2.0f}, {x, y - 0.6f}, 0.3f), mark, 0.9f);
}

void paintKey(Canvas& canvas, float x, float y, float w, float h, Colour bezel) {
    Shape key = roundRect(x, y, x + w, y + h, 1.2f);
    canvas.fill(translate(key, 0, 0.6f), darker(bezel, 0.4f), 0.5f);
    Colour face = isDark(bezel) ? lighter(bezel, 0.14f) : darker(bezel, 0.06f);
    canvas.fill(key, plastic(face, y, y + h));
    canvas.fill(innerBand(key, 0.6f), lighter(face, 0.3f), 0.5f);
}

void paintBadge(Canvas& canvas, float cx, float cy, float w, Colour accent) {
    Shape badge = roundRect(cx - w / 2, cy - 2.2f, cx + w / 2, cy + 2.2f, 1.6f);
    canvas.fill(badge, linear({0, cy - 2.2f}, {0, cy + 2.2f},
                              {{0, lighter(accent, 0.45f)}, {0.5f, accent}, {1, darker(accent, 0.25f)}}));
    canvas.fill(innerBand(badge, 0.6f), darker(accent, 0.45f), 0.6f);
}

void paintControls(Canvas& canvas, const Design& d, float bx0, float bx1, float stripY, bool tube) {
    float cx = (bx0 + bx1) / 2;
    switch (d.controls) {
        case Controls::ButtonRow:
            paintPowerButton(canvas, bx1 - 11.5f, stripY, d.bezel);
            paintLed(canvas, bx1 - 19.5f, stripY, d.led);
            for (int i = 0; i < 4; ++i) {
                paintKey(canvas, bx1 - 58 + i * 8.5f, stripY - 1.6f, 6, 3.2f, d.bezel);
            }
            paintBadge(canvas, tube ? bx0 + 20 : cx, stripY, tube ? 18 : 12, d.accent);
            break;
        case Controls::Door: {
            Shape door = roundRect(bx0 + 26, stripY - 4.5f, bx1 - 26, stripY + 4.5f, 2.5f);
            canvas.fill(door, plastic(isDark(d.bezel) ? lighter(d.bezel, 0.1f) : darker(d.bezel, 0.03f),
                                      stripY - 4.5f, stripY + 4.5f));
            canvas.fill(innerBand(door, 0.7f), isDark(d.bezel) ? lighter(d.bezel, 0.25f)
                                                                 : darker(d.bezel, 0.25f), 0.8f);
            canvas.fill(roundRect(cx - 6, stripY + 2.2f, cx + 6, stripY + 3.6f, 0.7f),
                        darker(d.bezel, 0.3f), 0.7f);  // finger recess
            paintPowerButton(canvas, bx1 - 13, stripY, d.bezel);
            paintLed(canvas, bx1 - 21, stripY, d.led);
            paintBadge(canvas, bx0 + 14, stripY, 10, d.accent);
            break;
        }
        case Controls::Minimal:
            paintPowerButton(canvas, bx1 - 11, stripY, d.bezel);
            paintLed(canvas, bx1 - 19, stripY, d.led);
            paintBadge(canvas, cx, stripY, tube ? 20 : 12, d.accent);
            break;
        case Controls::Touch: {
            Colour mark = isDark(d.bezel) ? rgb(178, 184, 192) : rgb(120, 124, 130);
            for (int i = 0; i < 4; ++i) {
                float x = bx1 - 34 + i * 6.5f;
                canvas.fill(circle(x, stripY, 0.9f), mark, 0.9f);
            }
            paintLed(canvas, bx1 - 7.5f, stripY, d.led);
            paintBadge(canvas, cx, stripY, 10, d.accent);
            break;
        }
        case Controls::Knobs: {
            for (int i = 0; i < 2; ++i) {
                float x = bx1 - 30 + i * 10;
                canvas.fill(circle(x + 0.4f, stripY + 0.8f, 3.6f), darker(d.bezel, 0.45f), 0.6f);
                canvas.fill(circle(x, stripY, 3.4f),
                            radial({x - 1.2f, stripY - 1.2f}, 4.2f, {{0, rgb(120, 122, 126)}, {1, rgb(52, 54, 58)}}));
                canvas.fill(capsule({x, stripY - 2.6f}, {x, stripY - 1.2f}, 0.45f), rgb(230, 230, 226));
            }
            Shape rocker = roundRect(bx1 - 13, stripY - 3, bx1 - 7, stripY + 3, 1.2f);
            canvas.fill(rocker, plastic(rgb(70, 72, 76), stripY - 3, stripY + 3));
            canvas.fill(rect(bx1 - 12, stripY - 0.3f, bx1 - 8, stripY + 0.3f), rgb(30, 30, 32), 0.7f);
            paintLed(canvas, bx1 - 39, stripY, d.led);
            paintBadge(canvas, bx0 + 20, stripY, 18, d.accent);
            break;
        }
        case Controls::Dots: {
            Colour mark = isDark(d.bezel) ? lighter(d.bezel, 0.3f) : darker(d.bezel, 0.3f);
            for (int i = 0; i < 5; ++i) {
                canvas.fill(roundRect(bx1 - 40 + i * 5.5f, stripY - 0.8f, bx1 - 37 + i * 5.5f,
                                      stripY + 0.8f, 0.8f),
                            mark);
            }
            paintLed(canvas, bx1 - 8, stripY, d.led);
            paintBadge(canvas, cx, stripY, 11, d.accent);
            break;
        }
    }
}

void paintSwivelBase(Canvas& canvas, const Design& d, float cx, float top, float rx) {
    float cy = std::min(top + 10, 161.0f);
    deskShadow(canvas, cx, cy + 5, rx + 2, 5);
    Colour c = d.body;
    // Neck from the case down into the base.
    canvas.fill(polygon({{cx - rx * 0.45f, top - 2}, {cx + rx * 0.45f, top - 2},
                         {cx + rx * 0.32f, cy}, {cx - rx * 0.32f, cy}}),
                linear({cx - rx * 0.45f, 0}, {cx + rx * 0.45f, 0},
                       {{0, darker(c, 0.28f)}, {0.35f, darker(c, 0.08f)}, {1, darker(c, 0.32f)}}));
    // Rim and top of the disc.
    canvas.fill(ellipse(cx, cy + 3, rx, 6.5f), darker(c, 0.30f));
    canvas.fill(ellipse(cx, cy, rx, 6.5f),
                radial({cx - rx * 0.2f, cy - 3}, rx * 1.1f, 8, {{0, lighter(c, 0.16f)}, {1, darker(c, 0.06f)}}));
    canvas.fill(innerBand(ellipse(cx, cy, rx, 6.5f), 0.8f), lighter(c, 0.35f), 0.5f);
    // The swivel joint seen under the neck.
    canvas.fill(ellipse(cx, cy - 0.5f, rx * 0.34f, 2.6f), darker(c, 0.22f));
}

void paintPlinth(Canvas& canvas, const Design& d, float cx, float top, float half) {
    Colour c = d.body;
    float y0 = top, y1 = top + 8, y2 = top + 12;
    deskShadow(canvas, cx, y2, half + 3, 3);
    canvas.fill(polygon({{cx - half + 6, y0}, {cx + half - 6, y0}, {cx + half, y1}, {cx - half, y1}}),
                linear({0, y0}, {0, y1}, {{0, darker(c, 0.10f)}, {1, lighter(c, 0.12f)}}));
    Shape front = roundRect(cx - half, y1, cx + half, y2, 1.5f);
    canvas.fill(front, plastic(darker(c, 0.18f), y1, y2));
    canvas.fill(innerBand(front, 0.7f), darker(c, 0.45f), 0.6f);
}

void paintFlatStand(Canvas& canvas, const Design& d, float cx, float top, bool wide) {
    Colour c = d.body;
    float foot = 162;
    switch (d.stand) {
        case Stand::RoundFoot: {
            float rx = wide ? 40 : 33;
            deskShadow(canvas, cx, foot + 4, rx + 2, 4.5f);
            canvas.fill(rect(cx - 6.5f, top - 2, cx + 6.5f, foot),
                        linear({cx - 6.5f, 0}, {cx + 6.5f, 0},
                               {{0, darker(c, 0.30f)}, {0.4f, lighter(c, 0.08f)}, {1, darker(c, 0.35f)}}));
            canvas.fill(ellipse(cx, foot + 2.5f, rx, 6), darker(c, 0.32f));
            canvas.fill(ellipse(cx, foot, rx, 6),
                        radial({cx - rx * 0.25f, foot - 3}, rx, 8, {{0, lighter(c, 0.2f)}, {1, darker(c, 0.05f)}}));
            canvas.fill(innerBand(ellipse(cx, foot, rx, 6), 0.8f), lighter(c, 0.4f), 0.45f);
            break;
        }
        case Stand::Column: {
            deskShadow(canvas, cx, foot + 6, 46, 3.5f);
            Shape column = roundRect(cx - 11, top - 8, cx + 11, foot + 3, 2.5f);
            canvas.fill(column, linear({cx - 11, 0}, {cx + 11, 0},
                                       {{0, darker(c, 0.25f)}, {0.3f, lighter(c, 0.10f)}, {1, darker(c, 0.30f)}}));
            canvas.fill(roundRect(cx - 1.2f, top + 2, cx + 1.2f, foot - 4, 1.2f), darker(c, 0.55f), 0.8f);
            canvas.fill(polygon({{cx - 38, foot + 1}, {cx + 38, foot + 1}, {cx + 45, foot + 7}, {cx - 45, foot + 7}}),
                        linear({0, foot + 1}, {0, foot + 7}, {{0, darker(c, 0.05f)}, {1, lighter(c, 0.15f)}}));
            Shape front = rect(cx - 45, foot + 7, cx + 45, foot + 10);
            canvas.fill(front, darker(c, 0.3f));
            break;
        }
        case Stand::RingFoot: {
            float rx = 34;
            deskShadow(canvas, cx, foot + 4, rx + 2, 4.5f);
            canvas.fill(rect(cx - 4.5f, top - 2, cx + 4.5f, foot - 2),
                        linear({cx - 4.5f, 0}, {cx + 4.5f, 0},
                               {{0, darker(c, 0.25f)}, {0.4f, lighter(c, 0.12f)}, {1, darker(c, 0.3f)}}));
            Shape ring = subtract(ellipse(cx, foot, rx, 6.5f), ellipse(cx, foot - 0.6f, rx - 9, 3.6f));
            canvas.fill(translate(ring, 0, 2.2f), darker(c, 0.35f));
            canvas.fill(ring, radial({cx, foot - 4}, rx, 8, {{0, lighter(c, 0.18f)}, {1, darker(c, 0.04f)}}));
            canvas.fill(ellipse(cx, foot - 0.5f, 6, 2.2f), darker(c, 0.2f));
            break;
        }
        case Stand::SquareFoot: {
            float half = wide ? 40 : 34;
            deskShadow(canvas, cx, foot + 5, half + 3, 3.5f);
            canvas.fill(rect(cx - 7, top - 2, cx + 7, foot + 1),
                        linear({cx - 7, 0}, {cx + 7, 0},
                               {{0, darker(c, 0.28f)}, {0.4f, lighter(c, 0.1f)}, {1, darker(c, 0.33f)}}));
            canvas.fill(polygon({{cx - half + 6, foot - 1}, {cx + half - 6, foot - 1},
                                 {cx + half, foot + 5}, {cx - half, foot + 5}}),
                        linear({0, foot - 1}, {0, foot + 5}, {{0, lighter(c, 0.05f)}, {1, lighter(c, 0.2f)}}));
            canvas.fill(rect(cx - half, foot + 5, cx + half, foot + 7), darker(c, 0.35f));
            break;
        }
        case Stand::Blade: {
            deskShadow(canvas, cx, foot + 5, 30, 3);
            canvas.fill(polygon({{cx - 15, top - 2}, {cx + 15, top - 2}, {cx + 19, foot + 2}, {cx - 19, foot + 2}}),
                        linear({cx - 19, 0}, {cx + 19, 0},
                               {{0, darker(c, 0.22f)}, {0.25f, lighter(c, 0.25f)}, {0.5f, c},
                                {0.75f, lighter(c, 0.15f)}, {1, darker(c, 0.28f)}}));
            canvas.fill(polygon({{cx - 19, foot + 2}, {cx + 19, foot + 2}, {cx + 27, foot + 6}, {cx - 27, foot + 6}}),
                        lighter(c, 0.1f));
            canvas.fill(rect(cx - 27, foot + 6, cx + 27, foot + 7.5f), darker(c, 0.3f));
            break;
        }
        case Stand::Swivel:
        case Stand::Plinth:
            break;
    }
}

void paintCrt(Canvas& canvas, const Design& d, const PictureRect& g) {
    float bx0 = g.x - d.left, by0 = g.y - d.top;
    float bx1 = g.x + g.width + d.right, by1 = g.y + g.height + d.bottom;
    float cx = (bx0 + bx1) / 2;

    if (d.stand == Stand::Plinth) {
        paintPlinth(canvas, d, cx, by1 + 2, (bx1 - bx0) * 0.36f);
        // The short pedestal between case and plinth.
        canvas.fill(rect(cx - 26, by1 - 2, cx + 26, by1 + 3), darker(d.body, 0.35f));
    } else {
        paintSwivelBase(canvas, d, cx, by1, (bx1 - bx0) * 0.30f);
    }

    if (d.hood) {
        // A shading hood over the top and the sides.
        Shape hood = roundRect(bx0 - 7, by0 - 10, bx1 + 7, by1 - 34, 3);
        canvas.fill(hood, plastic(darker(d.body, 0.1f), by0 - 10, by1 - 34));
        canvas.fill(polygon({{bx0 - 4, by0 - 7}, {bx1 + 4, by0 - 7}, {bx1, by0 + 4}, {bx0, by0 + 4}}),
                    linear({0, by0 - 7}, {0, by0 + 4}, {{0, darker(d.body, 0.45f)}, {1, darker(d.body, 0.25f)}}));
        edgeLight(canvas, hood, by0 - 10, by1 - 34);
        contour(canvas, hood, d.body);
    } else if (d.depth > 0) {
        // The tube's case behind the bezel, seen from slightly above (and,
        // with a side depth, slightly from the right).
        float depth = std::min(d.depth, by0 - 3);
        float inset = (bx1 - bx0) * 0.14f;
        float shift = d.sideDepth * 0.8f;
        Shape top = grow(polygon({{bx0 + 6, by0 + 3}, {bx1 - 6, by0 + 3},
                                  {bx1 - inset - 2 + shift, by0 - depth + 2},
                                  {bx0 + inset + 2 + shift, by0 - depth + 2}}),
                         2);
        canvas.fill(top, linear({0, by0 - depth}, {0, by0 + 3},
                                {{0, lighter(d.body, 0.14f)}, {0.6f, d.body}, {1, darker(d.body, 0.2f)}}));
        canvas.fill(innerBand(top, 1.0f), linear({0, by0 - depth}, {0, by0},
                                                 {{0, lighter(d.body, 0.45f)}, {1, d.body}}), 0.6f);
        contour(canvas, top, d.body);
        // Two groups of ventilation slots near the back.
        Colour slot = darker(d.body, isDark(d.body) ? 0.55f : 0.32f);
        float y0 = by0 - depth + 3.2f, y1 = by0 - depth * 0.35f;
        for (int group = -1; group <= 1; group += 2) {
            for (int i = 0; i < 5; ++i) {
                float x = cx + shift * 0.6f + group * (9 + i * 4.5f);
                canvas.fill(capsule({x, y0}, {x + group * 0.6f, y1}, 0.75f), slot, 0.75f);
            }
        }
    }
    if (d.sideDepth > 0) {
        // The bezel's right side, turned slightly towards the viewer.
        float sd = d.sideDepth;
        Shape side = polygon({{bx1 - 2, by0 + d.corner * 0.4f}, {bx1 + sd, by0 + d.corner * 0.4f - 2},
                              {bx1 + sd, by1 - d.corner * 0.4f - 3}, {bx1 - 2, by1 - d.corner * 0.4f}});
        canvas.fill(side, linear({bx1, 0}, {bx1 + sd, 0}, {{0, darker(d.body, 0.15f)}, {1, darker(d.body, 0.35f)}}));
        contour(canvas, side, d.body);
    }
    if (d.frame.a > 0) {
        Shape ring = roundRect(bx0 - 2.5f, by0 - 2.5f, bx1 + 2.5f, by1 + 2.5f, d.corner + 2);
        canvas.fill(ring, plastic(d.frame, by0, by1));
        edgeLight(canvas, ring, by0, by1);
        contour(canvas, ring, d.frame);
    }

    Shape bezel = roundRect(bx0, by0, bx1, by1, d.corner);
    canvas.fill(translate(bezel, 0.8f, 1.2f), darker(d.body, 0.5f), 0.6f);  // thickness
    canvas.fill(bezel, plastic(d.bezel, by0, by1));
    // A soft bulge: the bezel is lighter in the middle of each side.
    canvas.fill(innerBand(bezel, 3.5f), radial({cx, (by0 + by1) / 2}, (bx1 - bx0) * 0.7f, (by1 - by0) * 0.7f,
                                               {{0, rgb(255, 255, 255, 0.0f)}, {1, rgb(0, 0, 0, 0.10f)}}));
    edgeLight(canvas, bezel, by0, by1);
    contour(canvas, bezel, d.bezel);
    if (d.chin) {
        // The lower bezel juts out: a lit ridge, then a face sloping away.
        float ridge = g.y + g.height + 8.0f;
        Shape face = intersect(bezel, rect(bx0, ridge, bx1, by1));
        canvas.fill(face, linear({0, ridge}, {0, by1}, {{0, darker(d.bezel, 0.05f)}, {1, darker(d.bezel, 0.22f)}}));
        canvas.fill(intersect(bezel, rect(bx0, ridge - 0.6f, bx1, ridge + 0.8f)), lighter(d.bezel, 0.35f), 0.8f);
    }

    paintScreen(canvas, g, d, true);
    paintControls(canvas, d, bx0, bx1, g.y + g.height + 5 + (d.bottom - 5) / 2, true);
}

void paintFlatPanel(Canvas& canvas, const Design& d, const PictureRect& g, bool wide) {
    float bx0 = g.x - d.left, by0 = g.y - d.top;
    float bx1 = g.x + g.width + d.right, by1 = g.y + g.height + d.bottom;
    float cx = (bx0 + bx1) / 2;

    paintFlatStand(canvas, d, cx, by1, wide);

    if (d.hood) {
        Shape hood = roundRect(bx0 - 6, by0 - 9, bx1 + 6, by1 - 40, 2);
        canvas.fill(hood, plastic(darker(d.body, 0.05f), by0 - 9, by1 - 40));
        canvas.fill(polygon({{bx0 - 3, by0 - 6}, {bx1 + 3, by0 - 6}, {bx1, by0 + 2}, {bx0, by0 + 2}}),
                    linear({0, by0 - 6}, {0, by0 + 2}, {{0, darker(d.body, 0.45f)}, {1, darker(d.body, 0.2f)}}));
        edgeLight(canvas, hood, by0 - 9, by1 - 40);
        contour(canvas, hood, d.body);
    }
    if (d.speakers) {
        for (float side : {-1.0f, 1.0f}) {
            float x0 = side < 0 ? bx0 - 11 : bx1 + 1;
            Shape box = roundRect(x0, by0 + 8, x0 + 10, by1 - 4, 3);
            canvas.fill(box, plastic(d.body, by0 + 8, by1 - 4));
            Shape grille = roundRect(x0 + 2, by0 + 11, x0 + 8, by1 - 7, 2);
            canvas.fill(grille, darker(d.body, 0.45f));
            for (float y = by0 + 13; y < by1 - 8; y += 2.4f) {
                for (float x = x0 + 3.4f; x < x0 + 7.5f; x += 2.4f) {
                    canvas.fill(circle(x, y, 0.55f), lighter(d.body, 0.25f), 0.8f);
                }
            }
            edgeLight(canvas, box, by0 + 8, by1 - 4);
            contour(canvas, box, d.body);
        }
    }

    if (d.frame.a > 0) {
        Shape ring = roundRect(bx0 - 2, by0 - 2, bx1 + 2, by1 + 2, d.corner + 1.5f);
        canvas.fill(translate(ring, 1.0f, 1.4f), darker(d.body, 0.55f), 0.7f);
        canvas.fill(ring, plastic(d.frame, by0, by1));
        edgeLight(canvas, ring, by0, by1);
        contour(canvas, ring, d.frame);
    }
    Shape bezel = roundRect(bx0, by0, bx1, by1, d.corner);
    canvas.fill(translate(bezel, 1.0f, 1.4f), darker(d.body, 0.55f), 0.7f);  // panel thickness
    canvas.fill(bezel, plastic(d.bezel, by0, by1));
    if (d.glossy) {
        canvas.fill(intersect(bezel, polygon({{bx0, by0}, {bx0 + (bx1 - bx0) * 0.62f, by0},
                                               {bx0 + (bx1 - bx0) * 0.28f, by1}, {bx0, by1}})),
                    rgb(255, 255, 255, 0.07f));
    }
    edgeLight(canvas, bezel, by0, by1);
    contour(canvas, bezel, d.bezel);

    paintScreen(canvas, g, d, false);
    paintControls(canvas, d, bx0, bx1, g.y + g.height + 2 + (d.bottom - 2) / 2, false);
}

}  // namespace

Canvas drawMonitorPicture(int bitmapId) {
    Canvas canvas(kMonitorPictureSize, kMonitorPictureSize);
    const MonitorPicture* picture = findMonitorPicture(bitmapId);
    if (!picture) {
        return canvas;
    }
    for (const Design& d : designs()) {
        if (d.id != bitmapId) {
            continue;
        }
        PictureRect frame = illustrationFrame(picture->layout);
        if (picture->kind == MonitorKind::CathodeRayTube) {
            paintCrt(canvas, d, frame);
        } else {
            paintFlatPanel(canvas, d, frame, picture->layout == 2);
        }
    }
    return canvas;
}

}  // namespace art
