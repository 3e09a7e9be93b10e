#pragma once
// The one off-screen RGB565 drawing surface; row-major, stride = width.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace bt {

struct ClipRect {
  int32_t left, right, top, bottom;  // right and bottom exclusive
};

class FrameBuffer {
 public:
  FrameBuffer(int32_t width, int32_t height);  // black, clipRect = whole buffer

  void clear();
  void fill(uint16_t colour);
  void setPixel(int32_t x, int32_t y, uint16_t colour);  // ignored outside
  // One-pixel line including both end points; starting decision value
  // 4*minor - major, so the minor axis steps earlier than a midpoint line.
  void drawLine(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint16_t colour);
  // Darkens every pixel by step in the selected channels; true when the
  // selected channels were already black everywhere before this call.
  bool fadeStep(int step, bool red, bool green, bool blue);

  uint16_t pixel(int32_t x, int32_t y) const { return pixels_[y * width_ + x]; }
  uint16_t* pixels() { return pixels_.data(); }
  const uint16_t* pixels() const { return pixels_.data(); }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  const ClipRect& clipRect() const { return clip_; }
  size_t byteSize() const { return pixels_.size() * sizeof(uint16_t); }

 private:
  std::vector<uint16_t> pixels_;
  int32_t width_;
  int32_t height_;
  ClipRect clip_;
};

}  // namespace bt
