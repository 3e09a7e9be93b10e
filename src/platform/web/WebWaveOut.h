#pragma once
// Wave output through Web Audio. Each written buffer is queued on the page's
// audio clock right after the one before; update, called once per step of
// the loop, reports the buffers that have played. Until the player's first
// key or touch a page may not make sound: buffers then pass silently, each
// taking as long as it would have played, so the mixer keeps its pace.
#include <cstdint>
#include <functional>

#include "platform/QueuedWaveOut.h"

namespace bt::platform {

class WebWaveOut : public QueuedWaveOut {
 public:
  explicit WebWaveOut(std::function<uint32_t()> tickCount) : tickCount_(std::move(tickCount)) {}

  uint32_t deviceCount() override { return 1; }
  bool write(WaveHeader& header) override;

  // Reports every buffer that has finished playing.
  void update();

 protected:
  // The page plays 8-bit mono only, which is all the mixer makes.
  bool acceptsFormat(const WaveFormat& format) const override {
    return format.channels == 1 && format.bitsPerSample == 8;
  }
  void stopSound() override;

 private:
  std::function<uint32_t()> tickCount_;
  uint32_t silentUntil_ = 0;  // the tick when the last silent buffer has passed
};

}  // namespace bt::platform
