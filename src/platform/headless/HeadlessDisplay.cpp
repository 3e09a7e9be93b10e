#include "platform/headless/HeadlessDisplay.h"

#include <algorithm>
#include <cstring>

namespace bt::platform {

bool HeadlessDisplay::open(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return false;
  if (forced_) {
    properties_ = *forced_;
  } else {
    properties_ = DisplayProperties{width, height, 2, width * 2, 16, kFormatDirect565};
  }
  const int32_t rows = std::max(0, properties_.height);
  memory_.assign(static_cast<size_t>(std::max(0, properties_.yPitch)) * rows, 0);
  shown_.assign(static_cast<size_t>(std::max(0, properties_.width)) * rows, 0);
  open_ = true;
  suspended_ = false;
  return true;
}

void* HeadlessDisplay::beginDraw() {
  if (!open_ || suspended_ || memory_.empty()) return nullptr;
  drawing_ = true;
  return memory_.data();
}

void HeadlessDisplay::endDraw() {
  if (!drawing_) return;
  drawing_ = false;
  capture();
  ++presentCount_;
}

void* HeadlessDisplay::rawFrame() {
  if (!open_ || suspended_ || memory_.empty()) return nullptr;
  drawing_ = true;
  return memory_.data();
}

void HeadlessDisplay::releaseRawFrame() {
  if (!drawing_) return;
  drawing_ = false;
  capture();
  ++presentCount_;
  ++rawPresentCount_;
}

void HeadlessDisplay::close() {
  open_ = false;
  drawing_ = false;
}

// Keeps the picture as the display shows it: width pixels from each row.
void HeadlessDisplay::capture() {
  if (properties_.xPitch != 2) return;
  const size_t rowBytes = static_cast<size_t>(std::max(0, properties_.width)) * 2;
  if (rowBytes > static_cast<size_t>(std::max(0, properties_.yPitch))) return;
  for (int32_t y = 0; y < properties_.height; ++y) {
    std::memcpy(&shown_[static_cast<size_t>(y) * properties_.width],
                &memory_[static_cast<size_t>(y) * properties_.yPitch], rowBytes);
  }
}

}  // namespace bt::platform
