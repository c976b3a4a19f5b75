// A small anti-aliased 2-D painter for the bitmaps that ship with Lumetra.
// Shapes are signed-distance functions (negative inside, in pixels), so they
// combine freely (union, intersection, difference, outline) and every edge
// gets exact coverage: pixels far from an edge are decided by the distance
// alone, pixels near one are supersampled. Paints give the colour at a
// point (solid, linear and radial gradients). The canvas keeps premultiplied
// colour with coverage, so a finished picture can be flattened onto the
// light-grey key background that the program replaces with the button face.
// Host tool only; no Windows headers.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace art {

// Straight (not premultiplied) colour, channels 0..1.
struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};
constexpr Colour rgb(int r, int g, int b, float a = 1.0f) {
    return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}
Colour mix(Colour from, Colour to, float t);
Colour withAlpha(Colour c, float a);
Colour lighter(Colour c, float amount);  // towards white
Colour darker(Colour c, float amount);   // towards black

struct Point {
    float x, y;
};
struct Box {
    float x0, y0, x1, y1;
};

struct Shape {
    std::function<float(float, float)> distance;
    Box bounds;
};

Shape rect(float x0, float y0, float x1, float y1);
Shape roundRect(float x0, float y0, float x1, float y1, float radius);
Shape circle(float cx, float cy, float radius);
Shape ellipse(float cx, float cy, float rx, float ry);
Shape capsule(Point a, Point b, float radius);  // a line with round ends
Shape polygon(std::vector<Point> points);
Shape polyline(std::vector<Point> points, float width);  // round joints and ends
// An elliptical arc stroke from angle `from` to `to` (radians, counter-
// clockwise on screen from the right, y pointing down as in the picture).
Shape arc(Point centre, float rx, float ry, float from, float to, float width);

Shape unite(Shape a, Shape b);
Shape unite(std::initializer_list<Shape> shapes);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
Shape grow(Shape s, float by);         // outwards by `by` pixels (negative shrinks)
Shape outline(Shape s, float width);   // a band of `width` centred on the edge
Shape innerBand(Shape s, float width); // a band of `width` just inside the edge
Shape translate(Shape s, float dx, float dy);

using Paint = std::function<Colour(float, float)>;
struct Stop {
    float at;
    Colour colour;
};
Paint solid(Colour c);
Paint linear(Point from, Point to, std::vector<Stop> stops);
Paint radial(Point centre, float radius, std::vector<Stop> stops);
Paint radial(Point centre, float rx, float ry, std::vector<Stop> stops);

// Premultiplied pixel.
struct Pixel {
    float r = 0, g = 0, b = 0, a = 0;
};

struct Rgb8 {
    uint8_t r, g, b;
    bool operator==(const Rgb8&) const = default;
};
inline constexpr Rgb8 kGreyKey = {192, 192, 192};     // replaced by the button face
inline constexpr Rgb8 kTabMask = {0, 128, 128};       // transparent in tab images
inline constexpr Rgb8 kIllustrationBlue = {0, 0, 127};  // illustration message panel

// A finished picture: top row first, three bytes a pixel.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> pixels;
    Rgb8 at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    Rgb8& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

class Canvas {
  public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Paints `paint` over the shape with source-over blending; `opacity`
    // scales the coverage.
    void fill(const Shape& shape, const Paint& paint, float opacity = 1.0f);
    void fill(const Shape& shape, Colour colour, float opacity = 1.0f);
    // A soft shadow of the shape: coverage blurred by `blur` pixels.
    void shadow(const Shape& shape, Colour colour, float blur, float dx, float dy);
    // Copies another canvas over this one at (x, y), source-over.
    void draw(const Canvas& other, int x, int y);

    Pixel pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    // Coverage (0..1) of the shape in pixel (x, y).
    static float coverage(const Shape& shape, int x, int y);

  private:
    void blend(int x, int y, Colour c, float alpha);

    int width_;
    int height_;
    std::vector<Pixel> pixels_;
};

// The picture over a keyed background: untouched pixels become exactly `key`;
// partly covered pixels are blended with `assumed`, the colour the key will
// be replaced with, so edges do not show a fringe of the key; a drawn pixel
// that would come out as the key itself is nudged by one step so that the
// program's replacement never eats into the drawing.
Image flattenKeyed(const Canvas& canvas, Rgb8 key, Rgb8 assumed);
// The picture over an opaque background colour.
Image flattenOver(const Canvas& canvas, Rgb8 background);

}  // namespace art
