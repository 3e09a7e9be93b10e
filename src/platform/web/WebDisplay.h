#pragma once
// The display as a page's <canvas>: the program draws RGB565 into memory as on
// the phone; each present widens it to RGBA and puts it on the canvas, which
// the page shows at a whole-number scale with crisp pixels.
#include <cstdint>
#include <vector>

#include "platform/Display.h"

namespace bt::platform {

class WebDisplay : public Display {
 public:
  // scale 0: the largest whole number that fits the page.
  explicit WebDisplay(int scale) : scale_(scale) {}

  bool open(int32_t width, int32_t height) override;
  DisplayProperties properties() const override { return properties_; }
  void* beginDraw() override;
  void endDraw() override { show(); }
  void* rawFrame() override { return beginDraw(); }
  void releaseRawFrame() override { show(); }
  void suspend() override { suspended_ = true; }
  void resume() override { suspended_ = false; }
  void close() override;

  // How many pictures the canvas has been given.
  uint64_t shownCount() const { return shownCount_; }

 private:
  void show();

  int scale_;
  DisplayProperties properties_;
  std::vector<uint16_t> memory_;
  std::vector<uint8_t> rgba_;
  bool open_ = false;
  bool suspended_ = false;
  uint64_t shownCount_ = 0;
};

}  // namespace bt::platform
