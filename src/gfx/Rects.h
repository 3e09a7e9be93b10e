#pragma once
// Filled and outlined rectangles, clipped to the frame buffer.
#include <cstdint>

#include "gfx/FrameBuffer.h"

namespace bt {

inline void fillRect(FrameBuffer& fb, int32_t x0, int32_t y0, int32_t w, int32_t h,
                     uint16_t colour) {
  for (int32_t y = y0; y < y0 + h; ++y) {
    for (int32_t x = x0; x < x0 + w; ++x) fb.setPixel(x, y, colour);
  }
}

inline void frameRect(FrameBuffer& fb, int32_t x0, int32_t y0, int32_t w, int32_t h,
                      uint16_t colour) {
  fb.drawLine(x0, y0, x0 + w - 1, y0, colour);
  fb.drawLine(x0, y0 + h - 1, x0 + w - 1, y0 + h - 1, colour);
  fb.drawLine(x0, y0, x0, y0 + h - 1, colour);
  fb.drawLine(x0 + w - 1, y0, x0 + w - 1, y0 + h - 1, colour);
}

}  // namespace bt
