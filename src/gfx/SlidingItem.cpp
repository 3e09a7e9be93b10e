#include "gfx/SlidingItem.h"

#include "gfx/Blit.h"

namespace bt {

namespace {

// One axis of one frame: a full step while it does not pass the rest value,
// else a single pixel towards it. An axis at its rest value stays there even
// when its step is not 0.
int32_t moveAxis(int32_t value, int32_t rest, int32_t step) {
  if (value == rest || step == 0) return value;
  if (step < 0) return value + step < rest ? value - 1 : value + step;
  return value + step > rest ? value + 1 : value + step;
}

}  // namespace

void SlidingItem::set(int32_t startX, int32_t startY, int32_t restX, int32_t restY, int32_t speedX,
                      int32_t speedY, const Sprite* picture) {
  x = startX;
  y = startY;
  endX = restX;
  endY = restY;
  stepX = speedX;
  stepY = speedY;
  sprite = picture;
}

bool SlidingItem::update() {
  if (atRest()) return false;
  x = moveAxis(x, endX, stepX);
  y = moveAxis(y, endY, stepY);
  return true;
}

bool SlidingItem::draw(FrameBuffer& fb) {
  const bool moved = update();
  blitOpaqueClipped(sprite, fb, x, y, true);
  return moved;
}

}  // namespace bt
