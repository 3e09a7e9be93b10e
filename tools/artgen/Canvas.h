#pragma once
// Pictures are drawn in two steps: shapes are rasterised into a Mask (the
// coverage of each pixel, 0 to 255, found by 4x4 supersampling), then a
// Mask is painted onto a Canvas in a colour or a per-pixel paint. Everything
// is integer arithmetic, so the output is the same on every run.
#include <cstdint>
#include <functional>
#include <vector>

namespace bt::art {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// Blends a towards b by t / 255.
Rgb mix(Rgb a, Rgb b, int t);
// Scales every channel by percent / 100, clamped to 255.
Rgb shade(Rgb c, int percent);

// Shape geometry uses sub-pixel units: 16 units per pixel.
inline constexpr int kSub = 16;
constexpr int64_t px(int pixels) {
  return int64_t{pixels} * kSub;
}

class Mask {
 public:
  Mask(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  uint8_t at(int x, int y) const;
  void set(int x, int y, uint8_t value);

  // Unites the mask with a shape: inside(sx, sy) tells whether the point (in
  // sub-pixel units) is in the shape. Only pixels of the bounding box
  // [x0, x1) x [y0, y1) (pixels) are tested.
  void addShape(const std::function<bool(int64_t, int64_t)>& inside, int x0, int y0, int x1,
                int y1);
  void unite(const Mask& other, int dx = 0, int dy = 0);
  void subtract(const Mask& other, int dx = 0, int dy = 0);
  void intersect(const Mask& other);
  // Every pixel takes the largest coverage within the given radius.
  Mask dilated(int radius) const;
  // Coverage scaled by percent / 100.
  void scale(int percent);

 private:
  int width_, height_;
  std::vector<uint8_t> cover_;
};

using Paint = std::function<Rgb(int x, int y)>;

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb at(int x, int y) const;
  void set(int x, int y, Rgb c);
  void fill(Rgb c);
  void fill(const Paint& paint);

  // Blends the colour over the canvas by the mask's coverage; the mask's
  // (0, 0) lands on canvas (dx, dy).
  void paint(const Mask& mask, Rgb colour, int dx = 0, int dy = 0);
  void paint(const Mask& mask, const Paint& paint, int dx = 0, int dy = 0);
  // Copies another canvas onto this one at (dx, dy).
  void draw(const Canvas& other, int dx, int dy);
  // Where the mask covers, pixels that would turn into the key colour of
  // keyed drawing are lifted just above it, so that dark ink stays visible.
  void keepVisible(const Mask& mask);

  const std::vector<uint8_t>& rgb() const { return rgb_; }

 private:
  int width_, height_;
  std::vector<uint8_t> rgb_;
};

}  // namespace bt::art
