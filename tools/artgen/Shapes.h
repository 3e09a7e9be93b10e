#pragma once
// Anti-aliased shapes, added to a Mask. Coordinates and sizes are in
// sub-pixel units (kSub per pixel); a pixel's centre is at px(x) + kSub / 2.
#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace bt::art {

struct Point {
  int64_t x, y;
};

int64_t isqrt(int64_t v);
// A monotonic stand-in for the angle of (x, y), 0 to 4095 for a full turn,
// clockwise on screen from the +x axis; exact at every multiple of 45
// degrees (512 units).
int pseudoAngle(int64_t x, int64_t y);

void addCircle(Mask& m, int64_t cx, int64_t cy, int64_t r);
void addRing(Mask& m, int64_t cx, int64_t cy, int64_t outer, int64_t inner);
// The part of a ring between two pseudo-angles (clockwise from `from` to `to`).
void addArc(Mask& m, int64_t cx, int64_t cy, int64_t outer, int64_t inner, int from, int to);
void addRect(Mask& m, int64_t x0, int64_t y0, int64_t x1, int64_t y1);
void addRoundRect(Mask& m, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t radius);
// Even-odd filled polygon.
void addPolygon(Mask& m, const std::vector<Point>& points);
// A line with round caps.
void addCapsule(Mask& m, Point a, Point b, int64_t halfWidth);

// Convenience: a new mask holding one shape.
Mask circleMask(int w, int h, int64_t cx, int64_t cy, int64_t r);
Mask roundRectMask(int w, int h, int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t radius);

}  // namespace bt::art
