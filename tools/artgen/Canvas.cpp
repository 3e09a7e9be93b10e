#include "Canvas.h"

#include <algorithm>

namespace bt::art {

Rgb mix(Rgb a, Rgb b, int t) {
  t = std::clamp(t, 0, 255);
  auto channel = [t](int x, int y) {
    return static_cast<uint8_t>((x * (255 - t) + y * t + 127) / 255);
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Rgb shade(Rgb c, int percent) {
  auto channel = [percent](int x) {
    return static_cast<uint8_t>(std::clamp(x * percent / 100, 0, 255));
  };
  return {channel(c.r), channel(c.g), channel(c.b)};
}

Mask::Mask(int width, int height)
    : width_(width), height_(height), cover_(static_cast<size_t>(width) * height, 0) {}

uint8_t Mask::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return cover_[static_cast<size_t>(y) * width_ + x];
}

void Mask::set(int x, int y, uint8_t value) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  cover_[static_cast<size_t>(y) * width_ + x] = value;
}

void Mask::addShape(const std::function<bool(int64_t, int64_t)>& inside, int x0, int y0, int x1,
                    int y1) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, width_);
  y1 = std::min(y1, height_);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      int hits = 0;
      // Sample centres at 2, 6, 10 and 14 sixteenths of the pixel.
      for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
          if (inside(px(x) + 2 + 4 * i, px(y) + 2 + 4 * j)) ++hits;
        }
      }
      int value = (hits * 255 + 8) / 16;
      uint8_t& c = cover_[static_cast<size_t>(y) * width_ + x];
      c = static_cast<uint8_t>(std::max<int>(c, value));
    }
  }
}

void Mask::unite(const Mask& other, int dx, int dy) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) set(x, y, std::max(at(x, y), other.at(x - dx, y - dy)));
}

void Mask::subtract(const Mask& other, int dx, int dy) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      set(x, y, static_cast<uint8_t>(at(x, y) * (255 - other.at(x - dx, y - dy)) / 255));
}

void Mask::intersect(const Mask& other) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      set(x, y, static_cast<uint8_t>(at(x, y) * other.at(x, y) / 255));
}

Mask Mask::dilated(int radius) const {
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      uint8_t best = 0;
      for (int j = -radius; j <= radius; ++j)
        for (int i = -radius; i <= radius; ++i)
          if (i * i + j * j <= radius * radius + radius / 2)
            best = std::max(best, at(x + i, y + j));
      out.set(x, y, best);
    }
  }
  return out;
}

void Mask::scale(int percent) {
  for (uint8_t& c : cover_) c = static_cast<uint8_t>(std::clamp(c * percent / 100, 0, 255));
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), rgb_(static_cast<size_t>(width) * height * 3) {
  this->fill(fill);
}

Rgb Canvas::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  const uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
  return {p[0], p[1], p[2]};
}

void Canvas::set(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t* p = &rgb_[(static_cast<size_t>(y) * width_ + x) * 3];
  p[0] = c.r;
  p[1] = c.g;
  p[2] = c.b;
}

void Canvas::fill(Rgb c) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) set(x, y, c);
}

void Canvas::fill(const Paint& paint) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) set(x, y, paint(x, y));
}

void Canvas::paint(const Mask& mask, Rgb colour, int dx, int dy) {
  paint(
      mask, [colour](int, int) { return colour; }, dx, dy);
}

void Canvas::paint(const Mask& mask, const Paint& paint, int dx, int dy) {
  for (int my = 0; my < mask.height(); ++my) {
    for (int mx = 0; mx < mask.width(); ++mx) {
      int a = mask.at(mx, my);
      int x = mx + dx, y = my + dy;
      if (a == 0 || x < 0 || y < 0 || x >= width_ || y >= height_) continue;
      set(x, y, mix(at(x, y), paint(x, y), a));
    }
  }
}

void Canvas::draw(const Canvas& other, int dx, int dy) {
  for (int y = 0; y < other.height(); ++y)
    for (int x = 0; x < other.width(); ++x) set(x + dx, y + dy, other.at(x, y));
}

void Canvas::keepVisible(const Mask& mask) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (mask.at(x, y) < 128) continue;
      Rgb c = at(x, y);
      if (c.r < 8 && c.g < 4 && c.b < 8) set(x, y, {8, 4, 8});
    }
  }
}

}  // namespace bt::art
