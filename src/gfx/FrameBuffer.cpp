#include "gfx/FrameBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "gfx/Colour.h"

namespace bt {

FrameBuffer::FrameBuffer(int32_t width, int32_t height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), kBlack);
  clip_ = ClipRect{0, width_, 0, height_};
}

void FrameBuffer::clear() {
  if (!pixels_.empty()) std::memset(pixels_.data(), 0, byteSize());
}

void FrameBuffer::fill(uint16_t colour) {
  std::fill(pixels_.begin(), pixels_.end(), colour);
}

void FrameBuffer::setPixel(int32_t x, int32_t y, uint16_t colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = colour;
}

// Bresenham-style walk along the major axis, always downwards. Once the walk
// has left the buffer in a direction it cannot come back from, the remaining
// points would all be dropped, so the loop stops there.
void FrameBuffer::drawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint16_t colour) {
  if (y0 > y1) {
    std::swap(x0, x1);
    std::swap(y0, y1);
  }
  const int64_t dy = int64_t{y1} - y0;
  const int64_t dx = int64_t{x1} - x0;
  const int64_t sx = dx > 0 ? 1 : -1;
  const int64_t adx = std::llabs(dx);
  int64_t x = x0;
  int64_t y = y0;
  auto plot = [&] {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) {
      pixels_[static_cast<size_t>(y) * width_ + static_cast<size_t>(x)] = colour;
    }
  };
  auto gone = [&] { return y >= height_ || (sx > 0 ? x >= width_ : x < 0); };

  plot();
  if (adx > dy) {
    int64_t d = 4 * dy - adx;
    for (int64_t n = 0; n < adx && !gone(); ++n) {
      if (d >= 0) {
        ++y;
        d += 4 * dy - 4 * adx;
      } else {
        d += 4 * dy;
      }
      x += sx;
      plot();
    }
  } else {
    int64_t d = 4 * adx - dy;
    for (int64_t n = 0; n < dy && !gone(); ++n) {
      if (d >= 0) {
        x += sx;
        d += 4 * adx - 4 * dy;
      } else {
        d += 4 * adx;
      }
      ++y;
      plot();
    }
  }
}

// Each selected channel, widened to 8 bits, drops by step and stops at 0.
// done reports that nothing selected was left to darken before this call, so
// a white buffer at step 40 turns black on the seventh call and reports done
// on the eighth.
bool FrameBuffer::fadeStep(int step, bool red, bool green, bool blue) {
  if (pixels_.empty()) return true;
  auto darken = [step](int value, bool& done) {
    if (value == 0) return 0;
    done = false;
    return std::clamp(value - step, 0, 255);
  };
  bool done = true;
  for (uint16_t& p : pixels_) {
    int r = red8(p);
    int g = green8(p);
    int b = blue8(p);
    if (red) r = darken(r, done);
    if (green) g = darken(g, done);
    if (blue) b = darken(b, done);
    p = rgb565(static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b));
  }
  return done;
}

}  // namespace bt
