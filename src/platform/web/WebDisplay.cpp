#include "platform/web/WebDisplay.h"

#include "platform/Rgb565.h"
#include "platform/web/WebPage.h"

namespace bt::platform {

bool WebDisplay::open(int32_t width, int32_t height) {
  if (open_ || width <= 0 || height <= 0) return false;
  if (!bt_canvas_open(width, height, scale_)) return false;
  properties_ = DisplayProperties{width, height, 2, width * 2, 16, kFormatDirect565};
  const auto pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
  memory_.assign(pixels, 0);
  rgba_.assign(pixels * 4, 0xFF);
  open_ = true;
  return true;
}

void* WebDisplay::beginDraw() {
  if (!open_ || suspended_) return nullptr;
  return memory_.data();
}

void WebDisplay::show() {
  if (!open_ || suspended_) return;
  uint8_t* out = rgba_.data();
  for (const uint16_t pixel : memory_) {
    const Rgb888 colour = widen565(pixel);
    out[0] = colour.r;
    out[1] = colour.g;
    out[2] = colour.b;
    out += 4;  // alpha stays opaque
  }
  bt_canvas_show(rgba_.data());
  ++shownCount_;
}

void WebDisplay::close() {
  if (!open_) return;
  bt_canvas_close();
  open_ = false;
  memory_.clear();
  rgba_.clear();
}

}  // namespace bt::platform
