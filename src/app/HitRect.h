#pragma once
// A pen target: a rectangle whose right and bottom edges lie outside it, and
// the id handed to Screen::command when a pen-down lands in it.
#include <cstdint>

namespace bt {

struct HitRect {
  int32_t x0 = 0;
  int32_t x1 = 0;  // exclusive
  int32_t y0 = 0;
  int32_t y1 = 0;  // exclusive
  uint8_t id = 0;

  bool contains(int32_t x, int32_t y) const { return x0 <= x && x < x1 && y0 <= y && y < y1; }
};

}  // namespace bt
