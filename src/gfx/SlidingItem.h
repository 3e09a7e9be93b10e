#pragma once
// A picture that slides from a start point to its rest point and then stays:
// the titles, rows and buttons of the front-end screens. Each frame an axis
// moves by its full step while that does not pass the rest value, then one
// pixel at a time, and stops at the rest value.
#include <cstdint>

#include "gfx/FrameBuffer.h"
#include "gfx/Sprite.h"

namespace bt {

struct SlidingItem {
  int32_t x = 0, y = 0;        // current anchored drawing point
  int32_t endX = 0, endY = 0;  // rest point
  int32_t stepX = 0, stepY = 0;
  const Sprite* sprite = nullptr;  // borrowed from a bank of the screen; none draws nothing

  // Starts a new slide.
  void set(int32_t startX, int32_t startY, int32_t restX, int32_t restY, int32_t speedX,
           int32_t speedY, const Sprite* picture);
  // One frame of movement; false when the item was already at rest.
  bool update();
  // update, then draws the sprite opaque and clipped at the new point;
  // returns what update returned.
  bool draw(FrameBuffer& fb);
  bool atRest() const { return x == endX && y == endY; }
};

}  // namespace bt
