#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace art {

namespace {

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

Box unionBox(const Box& a, const Box& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1),
            std::max(a.y1, b.y1)};
}

Box expand(const Box& b, float by) { return {b.x0 - by, b.y0 - by, b.x1 + by, b.y1 + by}; }

Colour sampleStops(const std::vector<Stop>& stops, float t) {
    if (stops.empty()) {
        return {};
    }
    if (t <= stops.front().at) {
        return stops.front().colour;
    }
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const Stop& a = stops[i - 1];
            const Stop& b = stops[i];
            float span = b.at - a.at;
            return mix(a.colour, b.colour, span > 0 ? (t - a.at) / span : 1.0f);
        }
    }
    return stops.back().colour;
}

// Distance from p to the segment ab.
float segmentDistance(Point p, Point a, Point b) {
    float px = p.x - a.x, py = p.y - a.y;
    float bx = b.x - a.x, by = b.y - a.y;
    float len2 = bx * bx + by * by;
    float h = len2 > 0 ? clamp01((px * bx + py * by) / len2) : 0.0f;
    float dx = px - bx * h, dy = py - by * h;
    return std::sqrt(dx * dx + dy * dy);
}

Box pointsBox(const std::vector<Point>& points) {
    Box b{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const Point& p : points) {
        b.x0 = std::min(b.x0, p.x);
        b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x);
        b.y1 = std::max(b.y1, p.y);
    }
    return b;
}

}  // namespace

Colour mix(Colour from, Colour to, float t) {
    t = clamp01(t);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Colour withAlpha(Colour c, float a) {
    c.a = a;
    return c;
}

Colour lighter(Colour c, float amount) {
    return mix(c, Colour{1, 1, 1, c.a}, amount);
}

Colour darker(Colour c, float amount) {
    return mix(c, Colour{0, 0, 0, c.a}, amount);
}

Shape rect(float x0, float y0, float x1, float y1) { return roundRect(x0, y0, x1, y1, 0); }

Shape roundRect(float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2, hy = (y1 - y0) / 2;
    radius = std::min({radius, hx, hy});
    return {[=](float x, float y) {
                float qx = std::fabs(x - cx) - hx + radius;
                float qy = std::fabs(y - cy) - hy + radius;
                float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
                return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
            },
            {x0, y0, x1, y1}};
}

Shape circle(float cx, float cy, float radius) {
    return {[=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; },
            {cx - radius, cy - radius, cx + radius, cy + radius}};
}

Shape ellipse(float cx, float cy, float rx, float ry) {
    if (std::fabs(rx - ry) < 1e-4f) {
        return circle(cx, cy, rx);
    }
    return {[=](float x, float y) {
                float px = x - cx, py = y - cy;
                float k0 = std::hypot(px / rx, py / ry);
                float k1 = std::hypot(px / (rx * rx), py / (ry * ry));
                if (k1 < 1e-6f) {
                    return -std::min(rx, ry);
                }
                return k0 * (k0 - 1.0f) / k1;
            },
            {cx - rx, cy - ry, cx + rx, cy + ry}};
}

Shape capsule(Point a, Point b, float radius) {
    return {[=](float x, float y) { return segmentDistance({x, y}, a, b) - radius; },
            {std::min(a.x, b.x) - radius, std::min(a.y, b.y) - radius,
             std::max(a.x, b.x) + radius, std::max(a.y, b.y) + radius}};
}

Shape polygon(std::vector<Point> points) {
    Box bounds = pointsBox(points);
    return {[pts = std::move(points)](float x, float y) {
                // Exact signed distance: nearest edge, sign from the winding.
                float best = 1e30f;
                bool inside = false;
                size_t n = pts.size();
                for (size_t i = 0, j = n - 1; i < n; j = i++) {
                    const Point& a = pts[i];
                    const Point& b = pts[j];
                    best = std::min(best, segmentDistance({x, y}, a, b));
                    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
                        inside = !inside;
                    }
                }
                return inside ? -best : best;
            },
            bounds};
}

Shape polyline(std::vector<Point> points, float width) {
    float r = width / 2;
    Box bounds = expand(pointsBox(points), r);
    return {[pts = std::move(points), r](float x, float y) {
                float best = 1e30f;
                for (size_t i = 1; i < pts.size(); ++i) {
                    best = std::min(best, segmentDistance({x, y}, pts[i - 1], pts[i]));
                }
                if (pts.size() == 1) {
                    best = std::hypot(x - pts[0].x, y - pts[0].y);
                }
                return best - r;
            },
            bounds};
}

Shape arc(Point centre, float rx, float ry, float from, float to, float width) {
    int steps = std::max(8, static_cast<int>(std::fabs(to - from) * std::max(rx, ry) / 1.5f));
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        float t = from + (to - from) * i / steps;
        points.push_back({centre.x + std::cos(t) * rx, centre.y - std::sin(t) * ry});
    }
    return polyline(std::move(points), width);
}

Shape unite(Shape a, Shape b) {
    Box bounds = unionBox(a.bounds, b.bounds);
    return {[a = std::move(a.distance), b = std::move(b.distance)](float x, float y) {
                return std::min(a(x, y), b(x, y));
            },
            bounds};
}

Shape unite(std::initializer_list<Shape> shapes) {
    std::vector<Shape> all(shapes);
    Box bounds = all.front().bounds;
    for (const Shape& s : all) {
        bounds = unionBox(bounds, s.bounds);
    }
    return {[all = std::move(all)](float x, float y) {
                float best = 1e30f;
                for (const Shape& s : all) {
                    best = std::min(best, s.distance(x, y));
                }
                return best;
            },
            bounds};
}

Shape intersect(Shape a, Shape b) {
    Box bounds{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
               std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
    return {[a = std::move(a.distance), b = std::move(b.distance)](float x, float y) {
                return std::max(a(x, y), b(x, y));
            },
            bounds};
}

Shape subtract(Shape a, Shape b) {
    Box bounds = a.bounds;
    return {[a = std::move(a.distance), b = std::move(b.distance)](float x, float y) {
                return std::max(a(x, y), -b(x, y));
            },
            bounds};
}

Shape grow(Shape s, float by) {
    Box bounds = expand(s.bounds, std::max(by, 0.0f));
    return {[d = std::move(s.distance), by](float x, float y) { return d(x, y) - by; }, bounds};
}

Shape outline(Shape s, float width) {
    Box bounds = expand(s.bounds, width / 2);
    return {[d = std::move(s.distance), half = width / 2](float x, float y) {
                return std::fabs(d(x, y)) - half;
            },
            bounds};
}

Shape innerBand(Shape s, float width) {
    Box bounds = s.bounds;
    return {[d = std::move(s.distance), width](float x, float y) {
                float v = d(x, y);
                return std::max(v, -v - width);
            },
            bounds};
}

Shape translate(Shape s, float dx, float dy) {
    Box b = s.bounds;
    return {[d = std::move(s.distance), dx, dy](float x, float y) { return d(x - dx, y - dy); },
            {b.x0 + dx, b.y0 + dy, b.x1 + dx, b.y1 + dy}};
}

Paint solid(Colour c) {
    return [c](float, float) { return c; };
}

Paint linear(Point from, Point to, std::vector<Stop> stops) {
    float dx = to.x - from.x, dy = to.y - from.y;
    float len2 = dx * dx + dy * dy;
    return [=, stops = std::move(stops)](float x, float y) {
        float t = len2 > 0 ? ((x - from.x) * dx + (y - from.y) * dy) / len2 : 0.0f;
        return sampleStops(stops, t);
    };
}

Paint radial(Point centre, float radius, std::vector<Stop> stops) {
    return radial(centre, radius, radius, std::move(stops));
}

Paint radial(Point centre, float rx, float ry, std::vector<Stop> stops) {
    return [=, stops = std::move(stops)](float x, float y) {
        return sampleStops(stops, std::hypot((x - centre.x) / rx, (y - centre.y) / ry));
    };
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

float Canvas::coverage(const Shape& shape, int x, int y) {
    float d = shape.distance(x + 0.5f, y + 0.5f);
    if (d >= 1.5f) {
        return 0.0f;
    }
    if (d <= -1.5f) {
        return 1.0f;
    }
    constexpr int kSub = 8;
    int inside = 0;
    for (int sy = 0; sy < kSub; ++sy) {
        for (int sx = 0; sx < kSub; ++sx) {
            if (shape.distance(x + (sx + 0.5f) / kSub, y + (sy + 0.5f) / kSub) < 0.0f) {
                ++inside;
            }
        }
    }
    return static_cast<float>(inside) / (kSub * kSub);
}

void Canvas::blend(int x, int y, Colour c, float alpha) {
    float a = clamp01(c.a * alpha);
    if (a <= 0.0f) {
        return;
    }
    Pixel& p = pixels_[static_cast<size_t>(y) * width_ + x];
    float keep = 1.0f - a;
    p.r = c.r * a + p.r * keep;
    p.g = c.g * a + p.g * keep;
    p.b = c.b * a + p.b * keep;
    p.a = a + p.a * keep;
}

void Canvas::fill(const Shape& shape, const Paint& paint, float opacity) {
    int x0 = std::max(0, static_cast<int>(std::floor(shape.bounds.x0)) - 2);
    int y0 = std::max(0, static_cast<int>(std::floor(shape.bounds.y0)) - 2);
    int x1 = std::min(width_, static_cast<int>(std::ceil(shape.bounds.x1)) + 2);
    int y1 = std::min(height_, static_cast<int>(std::ceil(shape.bounds.y1)) + 2);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            float c = coverage(shape, x, y);
            if (c > 0.0f) {
                blend(x, y, paint(x + 0.5f, y + 0.5f), c * opacity);
            }
        }
    }
}

void Canvas::fill(const Shape& shape, Colour colour, float opacity) {
    fill(shape, solid(colour), opacity);
}

void Canvas::shadow(const Shape& shape, Colour colour, float blur, float dx, float dy) {
    std::vector<float> mask(static_cast<size_t>(width_) * height_, 0.0f);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            mask[static_cast<size_t>(y) * width_ + x] = coverage(shape, x, y);
        }
    }
    // Three box blurs approximate a Gaussian.
    int radius = std::max(1, static_cast<int>(std::lround(blur / 2)));
    std::vector<float> tmp(mask.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    int xx = std::clamp(x + k, 0, width_ - 1);
                    sum += mask[static_cast<size_t>(y) * width_ + xx];
                }
                tmp[static_cast<size_t>(y) * width_ + x] = sum / (2 * radius + 1);
            }
        }
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    int yy = std::clamp(y + k, 0, height_ - 1);
                    sum += tmp[static_cast<size_t>(yy) * width_ + x];
                }
                mask[static_cast<size_t>(y) * width_ + x] = sum / (2 * radius + 1);
            }
        }
    }
    int ox = static_cast<int>(std::lround(dx)), oy = static_cast<int>(std::lround(dy));
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int sx = x - ox, sy = y - oy;
            if (sx < 0 || sy < 0 || sx >= width_ || sy >= height_) {
                continue;
            }
            float m = mask[static_cast<size_t>(sy) * width_ + sx];
            if (m > 0.002f) {
                blend(x, y, colour, m);
            }
        }
    }
}

void Canvas::draw(const Canvas& other, int x, int y) {
    for (int sy = 0; sy < other.height_; ++sy) {
        for (int sx = 0; sx < other.width_; ++sx) {
            int tx = x + sx, ty = y + sy;
            if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) {
                continue;
            }
            Pixel s = other.pixel(sx, sy);
            Pixel& d = pixels_[static_cast<size_t>(ty) * width_ + tx];
            float keep = 1.0f - s.a;
            d = {s.r + d.r * keep, s.g + d.g * keep, s.b + d.b * keep, s.a + d.a * keep};
        }
    }
}

namespace {

uint8_t toByte(float v) { return static_cast<uint8_t>(std::lround(clamp01(v) * 255.0f)); }

Rgb8 over(const Pixel& p, Rgb8 background) {
    float keep = 1.0f - p.a;
    return {toByte(p.r + background.r / 255.0f * keep), toByte(p.g + background.g / 255.0f * keep),
            toByte(p.b + background.b / 255.0f * keep)};
}

}  // namespace

Image flattenKeyed(const Canvas& canvas, Rgb8 key, Rgb8 assumed) {
    Image image{canvas.width(), canvas.height(), {}};
    image.pixels.reserve(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            Pixel p = canvas.pixel(x, y);
            if (p.a < 0.5f / 255.0f) {
                image.pixels.push_back(key);
                continue;
            }
            Rgb8 c = over(p, assumed);
            if (c == key) {
                c.r = static_cast<uint8_t>(c.r < 255 ? c.r + 1 : c.r - 1);
            }
            image.pixels.push_back(c);
        }
    }
    return image;
}

Image flattenOver(const Canvas& canvas, Rgb8 background) {
    Image image{canvas.width(), canvas.height(), {}};
    image.pixels.reserve(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            image.pixels.push_back(over(canvas.pixel(x, y), background));
        }
    }
    return image;
}

}  // namespace art
