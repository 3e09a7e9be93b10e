#include "Shapes.h"

#include <algorithm>

namespace bt::art {

namespace {

int pixelFloor(int64_t v) {
  return static_cast<int>((v >= 0 ? v : v - kSub + 1) / kSub);
}
int pixelCeil(int64_t v) {
  return pixelFloor(v + kSub - 1);
}

}  // namespace

int64_t isqrt(int64_t v) {
  if (v <= 0) return 0;
  int64_t r = 1;
  while (r * r <= v) r <<= 1;
  int64_t lo = r >> 1, hi = r;
  while (hi - lo > 1) {
    int64_t mid = (lo + hi) / 2;
    (mid * mid <= v ? lo : hi) = mid;
  }
  return lo;
}

int pseudoAngle(int64_t x, int64_t y) {
  if (x == 0 && y == 0) return 0;
  if (y >= 0) {
    if (x > 0) return static_cast<int>(y * 1024 / (x + y));
    return static_cast<int>(1024 + (-x) * 1024 / (-x + y));
  }
  if (x < 0) return static_cast<int>(2048 + (-y) * 1024 / (-x - y));
  return static_cast<int>(3072 + x * 1024 / (x - y));
}

void addCircle(Mask& m, int64_t cx, int64_t cy, int64_t r) {
  m.addShape(
      [=](int64_t x, int64_t y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; },
      pixelFloor(cx - r), pixelFloor(cy - r), pixelCeil(cx + r) + 1, pixelCeil(cy + r) + 1);
}

void addRing(Mask& m, int64_t cx, int64_t cy, int64_t outer, int64_t inner) {
  m.addShape(
      [=](int64_t x, int64_t y) {
        int64_t d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d <= outer * outer && d >= inner * inner;
      },
      pixelFloor(cx - outer), pixelFloor(cy - outer), pixelCeil(cx + outer) + 1,
      pixelCeil(cy + outer) + 1);
}

void addArc(Mask& m, int64_t cx, int64_t cy, int64_t outer, int64_t inner, int from, int to) {
  m.addShape(
      [=](int64_t x, int64_t y) {
        int64_t d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        if (d > outer * outer || d < inner * inner) return false;
        int a = pseudoAngle(x - cx, y - cy);
        return from <= to ? (a >= from && a <= to) : (a >= from || a <= to);
      },
      pixelFloor(cx - outer), pixelFloor(cy - outer), pixelCeil(cx + outer) + 1,
      pixelCeil(cy + outer) + 1);
}

void addRect(Mask& m, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  m.addShape([=](int64_t x, int64_t y) { return x >= x0 && x < x1 && y >= y0 && y < y1; },
             pixelFloor(x0), pixelFloor(y0), pixelCeil(x1) + 1, pixelCeil(y1) + 1);
}

void addRoundRect(Mask& m, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t radius) {
  m.addShape(
      [=](int64_t x, int64_t y) {
        if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
        int64_t cx = std::clamp(x, x0 + radius, x1 - radius);
        int64_t cy = std::clamp(y, y0 + radius, y1 - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
      },
      pixelFloor(x0), pixelFloor(y0), pixelCeil(x1) + 1, pixelCeil(y1) + 1);
}

void addPolygon(Mask& m, const std::vector<Point>& points) {
  if (points.size() < 3) return;
  int64_t minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
  for (const Point& p : points) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  m.addShape(
      [&points](int64_t x, int64_t y) {
        bool in = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          const Point& a = points[i];
          const Point& b = points[j];
          if ((a.y > y) == (b.y > y)) continue;
          // x of the edge at height y, compared without division.
          int64_t lhs = (x - a.x) * (b.y - a.y);
          int64_t rhs = (b.x - a.x) * (y - a.y);
          if (b.y > a.y ? lhs < rhs : lhs > rhs) in = !in;
        }
        return in;
      },
      pixelFloor(minX), pixelFloor(minY), pixelCeil(maxX) + 1, pixelCeil(maxY) + 1);
}

void addCapsule(Mask& m, Point a, Point b, int64_t halfWidth) {
  int64_t dx = b.x - a.x, dy = b.y - a.y;
  int64_t len2 = dx * dx + dy * dy;
  m.addShape(
      [=](int64_t x, int64_t y) {
        int64_t ax = x - a.x, ay = y - a.y;
        int64_t dot = ax * dx + ay * dy;
        if (dot <= 0 || len2 == 0) return ax * ax + ay * ay <= halfWidth * halfWidth;
        if (dot >= len2) {
          int64_t bx = x - b.x, by = y - b.y;
          return bx * bx + by * by <= halfWidth * halfWidth;
        }
        int64_t cross = ax * dy - ay * dx;
        return cross * cross <= halfWidth * halfWidth * len2;
      },
      pixelFloor(std::min(a.x, b.x) - halfWidth), pixelFloor(std::min(a.y, b.y) - halfWidth),
      pixelCeil(std::max(a.x, b.x) + halfWidth) + 1, pixelCeil(std::max(a.y, b.y) + halfWidth) + 1);
}

Mask circleMask(int w, int h, int64_t cx, int64_t cy, int64_t r) {
  Mask m(w, h);
  addCircle(m, cx, cy, r);
  return m;
}

Mask roundRectMask(int w, int h, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t radius) {
  Mask m(w, h);
  addRoundRect(m, x0, y0, x1, y1, radius);
  return m;
}

}  // namespace bt::art
