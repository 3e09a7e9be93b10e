#include "app/Screen.h"

namespace bt {

void Screen::penDown(uint16_t x, uint16_t y) {
  for (const HitRect& rect : hitRects_) {
    if (rect.contains(x, y)) {
      command(rect.id);
      return;
    }
  }
}

}  // namespace bt
