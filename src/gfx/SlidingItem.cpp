#include "gfx/SlidingItem.h"

#include "gfx/Blit.h"

namespace bt {

namespace {

// One axis: a full step unless it would pass the rest point, then one pixel.
int32_t stepTowards(int32_t position, int32_t rest, int32_t step) {
  if (step < 0) return position + step < rest ? position - 1 : position + step;
  if (step > 0) return position + step > rest ? position + 1 : position + step;
  return position;
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
  if (x == endX && y == endY) return false;
  x = stepTowards(x, endX, stepX);
  y = stepTowards(y, endY, stepY);
  return true;
}

bool SlidingItem::draw(FrameBuffer& fb) {
  const bool moved = update();
  blitOpaqueClipped(sprite, fb, x, y, true);
  return moved;
}

}  // namespace bt
