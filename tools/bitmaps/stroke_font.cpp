#include "stroke_font.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace art {

namespace {

// Glyph units: capitals are 10 high, the baseline is y = 10 and the
// lower-case letters reach up to y = 3; y grows downwards.
using Stroke = std::vector<Point>;
struct Glyph {
    char letter;
    float advance;
    std::vector<Stroke> strokes;
};

constexpr float kDegrees = 3.14159265358979f / 180.0f;

// Points along an elliptical arc; angles in degrees, counter-clockwise from
// the right as seen on screen.
Stroke arcPoints(float cx, float cy, float rx, float ry, float from, float to) {
    Stroke points;
    int steps = std::max(6, static_cast<int>(std::fabs(to - from) / 10));
    for (int i = 0; i <= steps; ++i) {
        float a = (from + (to - from) * i / steps) * kDegrees;
        points.push_back({cx + std::cos(a) * rx, cy - std::sin(a) * ry});
    }
    return points;
}

Stroke join(Stroke a, const Stroke& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<Glyph>& glyphs() {
    static const std::vector<Glyph> table = [] {
        std::vector<Glyph> g;
        g.push_back({'A', 7.6f, {{{0, 10}, {3.6f, 0}, {7.2f, 10}}, {{1.4f, 6.5f}, {5.8f, 6.5f}}}});
        g.push_back({'E', 6.6f, {{{5.6f, 0}, {0, 0}, {0, 10}, {5.6f, 10}}, {{0, 5}, {4.8f, 5}}}});
        g.push_back({'L', 6.2f, {{{0, 0}, {0, 10}, {5.4f, 10}}}});
        g.push_back({'M', 9.4f, {{{0, 10}, {0, 0}, {4.2f, 7.2f}, {8.4f, 0}, {8.4f, 10}}}});
        g.push_back({'O', 10.4f, {arcPoints(4.8f, 5, 4.8f, 5, 0, 360)}});
        g.push_back({'R', 7.0f,
                     {join(join({{0, 10}, {0, 0}, {3.4f, 0}}, arcPoints(3.4f, 2.7f, 2.7f, 2.7f, 90, -90)),
                           {{0, 5.4f}}),
                      {{3.2f, 5.4f}, {6.2f, 10}}}});
        g.push_back({'T', 7.2f, {{{0, 0}, {7, 0}}, {{3.5f, 0}, {3.5f, 10}}}});
        g.push_back({'U', 8.0f, {join(join({{0, 0}}, arcPoints(3.4f, 6.6f, 3.4f, 3.4f, 180, 360)), {{6.8f, 0}})}});
        g.push_back({'V', 7.6f, {{{0, 0}, {3.6f, 10}, {7.2f, 0}}}});
        g.push_back({'a', 7.2f, {arcPoints(2.8f, 6.5f, 2.8f, 3.5f, 0, 360), {{5.6f, 3}, {5.6f, 10}}}});
        g.push_back({'e', 7.0f, {join({{0.2f, 6.5f}}, arcPoints(2.85f, 6.5f, 2.85f, 3.5f, 0, 315))}});
        g.push_back({'l', 2.4f, {{{0, 0}, {0, 10}}}});
        g.push_back({'m', 9.6f,
                     {{{0, 3}, {0, 10}},
                      join(arcPoints(1.95f, 5.6f, 1.95f, 2.6f, 180, 0), {{3.9f, 10}}),
                      join(arcPoints(5.85f, 5.6f, 1.95f, 2.6f, 180, 0), {{7.8f, 10}})}});
        g.push_back({'o', 7.2f, {arcPoints(2.9f, 6.5f, 2.9f, 3.5f, 0, 360)}});
        g.push_back({'r', 4.6f, {{{0, 3}, {0, 10}}, arcPoints(2.9f, 6.2f, 2.9f, 3.0f, 180, 75)}});
        g.push_back({'t', 4.6f,
                     {join({{1.4f, 0.8f}}, join(arcPoints(3.0f, 8.4f, 1.6f, 1.6f, 180, 270), {{3.8f, 10}})),
                      {{0, 3}, {3.6f, 3}}}});
        g.push_back({'u', 7.0f,
                     {join(join({{0, 3}}, arcPoints(2.7f, 7.2f, 2.7f, 2.8f, 180, 360)), {{5.4f, 3}}),
                      {{5.4f, 3}, {5.4f, 10}}}});
        g.push_back({'v', 6.4f, {{{0, 3}, {2.8f, 10}, {5.6f, 3}}}});
        g.push_back({' ', 3.4f, {}});
        return g;
    }();
    return table;
}

const Glyph* findGlyph(char c) {
    for (const Glyph& g : glyphs()) {
        if (g.letter == c) {
            return &g;
        }
    }
    return nullptr;
}

struct Segment {
    Point a, b;
};

float segmentDistance(Point p, Point a, Point b) {
    float px = p.x - a.x, py = p.y - a.y;
    float bx = b.x - a.x, by = b.y - a.y;
    float len2 = bx * bx + by * by;
    float h = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - bx * h, py - by * h);
}

// The strokes of the text in picture coordinates, pen starting at x.
std::vector<Segment> layOut(const std::string& text, float x, float baseline, const TextStyle& style) {
    float scale = style.capHeight / 10.0f;
    float top = baseline - style.capHeight;
    std::vector<Segment> segments;
    float pen = x;
    for (char c : text) {
        const Glyph* g = findGlyph(c);
        if (!g) {
            continue;
        }
        for (const Stroke& stroke : g->strokes) {
            auto place = [&](Point p) {
                float py = top + p.y * scale;
                return Point{pen + p.x * scale + style.slant * (baseline - py), py};
            };
            for (size_t i = 1; i < stroke.size(); ++i) {
                segments.push_back({place(stroke[i - 1]), place(stroke[i])});
            }
        }
        pen += g->advance * scale + style.tracking;
    }
    return segments;
}

// Leftmost and rightmost stroke centre.
std::pair<float, float> inkExtent(const std::vector<Segment>& segments) {
    float lo = 1e30f, hi = -1e30f;
    for (const Segment& s : segments) {
        lo = std::min({lo, s.a.x, s.b.x});
        hi = std::max({hi, s.a.x, s.b.x});
    }
    return {lo, hi};
}

}  // namespace

float textWidth(const std::string& text, const TextStyle& style) {
    std::vector<Segment> segments = layOut(text, 0, 0, style);
    if (segments.empty()) {
        return 0;
    }
    auto [lo, hi] = inkExtent(segments);
    return hi - lo + style.weight;
}

Shape textShape(const std::string& text, float x, float baseline, const TextStyle& style) {
    std::vector<Segment> segments = layOut(text, 0, baseline, style);
    float r = style.weight / 2;
    if (segments.empty()) {
        return {[](float, float) { return 1e30f; }, {x, baseline, x, baseline}};
    }
    // Shift so that the ink's left edge is at x.
    float shift = x + r - inkExtent(segments).first;
    for (Segment& s : segments) {
        s.a.x += shift;
        s.b.x += shift;
    }
    auto [lo, hi] = inkExtent(segments);
    Box bounds{lo - r - 1, baseline - style.capHeight - r - 1, hi + r + 1, baseline + r + 1};
    return {[segments = std::move(segments), r](float px, float py) {
                float best = 1e30f;
                for (const Segment& s : segments) {
                    best = std::min(best, segmentDistance({px, py}, s.a, s.b));
                }
                return best - r;
            },
            bounds};
}

}  // namespace art
