#pragma once
// A picture that slides at a fixed speed from where it starts to where it
// rests, one step per frame, and then stays. While a full step would not pass
// the rest point it moves a full step; after that it creeps one pixel per
// frame until it arrives. Items move along one axis: the other step is 0.
#include <cstdint>

#include "gfx/FrameBuffer.h"
#include "gfx/Sprite.h"

namespace bt {

struct SlidingItem {
  int32_t x = 0;
  int32_t y = 0;
  int32_t endX = 0;
  int32_t endY = 0;
  int32_t stepX = 0;
  int32_t stepY = 0;
  const Sprite* sprite = nullptr;  // borrowed from a bank of the screen

  void set(int32_t startX, int32_t startY, int32_t restX, int32_t restY, int32_t speedX,
           int32_t speedY, const Sprite* picture);
  // False when the item was already at rest, true when it moved.
  bool update();
  // update, then the opaque clipped blit, anchored, at the new place; the
  // result of update. An item without a sprite moves but draws nothing.
  bool draw(FrameBuffer& fb);
};

}  // namespace bt
