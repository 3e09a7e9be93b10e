#pragma once
// A display that exists only in memory. Every present is captured: the last
// picture shown and how many were shown. Its properties can be set before
// open, to stand for displays of other formats or sizes.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Display.h"

namespace bt::platform {

class HeadlessDisplay : public Display {
 public:
  // Properties reported instead of the ones open derives from the window
  // size (the memory follows them).
  void forceProperties(const DisplayProperties& properties) { forced_ = properties; }

  bool open(int32_t width, int32_t height) override;
  DisplayProperties properties() const override { return properties_; }
  void* beginDraw() override;
  void endDraw() override;
  void* rawFrame() override;
  void releaseRawFrame() override;
  void suspend() override { suspended_ = true; }
  void resume() override { suspended_ = false; }
  void close() override;

  bool isOpen() const { return open_; }
  bool isSuspended() const { return suspended_; }
  int presentCount() const { return presentCount_; }
  int rawPresentCount() const { return rawPresentCount_; }
  // The last picture shown, width x height pixels row after row; black
  // before the first present.
  const std::vector<uint16_t>& shownPixels() const { return shown_; }
  int32_t shownWidth() const { return properties_.width; }
  int32_t shownHeight() const { return properties_.height; }

 private:
  void capture();

  std::optional<DisplayProperties> forced_;
  DisplayProperties properties_;
  std::vector<uint8_t> memory_;
  std::vector<uint16_t> shown_;
  bool open_ = false;
  bool suspended_ = false;
  bool drawing_ = false;
  int presentCount_ = 0;
  int rawPresentCount_ = 0;
};

}  // namespace bt::platform
