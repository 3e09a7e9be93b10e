#pragma once
// Wave output through Web Audio. Each written buffer is queued on the page's
// audio clock right after the one before; update, called once per animation
// frame, reports the buffers that have played. Until the player's first key
// or touch a page may not make sound: buffers then pass silently, each taking
// as long as it would have played, so the mixer keeps its pace.
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/WaveOut.h"

namespace bt::platform {

class WebWaveOut : public WaveOut {
 public:
  explicit WebWaveOut(std::function<uint32_t()> tickCount) : tickCount_(std::move(tickCount)) {}

  uint32_t deviceCount() override { return 1; }
  bool open(uint32_t device, const WaveFormat& format, WaveCallback callback,
            void* instance) override;
  bool prepare(WaveHeader& header) override;
  bool write(WaveHeader& header) override;
  void reset() override;
  void unprepare(WaveHeader& header) override;
  void close() override;

  // Reports every buffer that has finished playing.
  void update();

 private:
  struct Playing {
    WaveHeader* header;
    bool audible;     // queued on the audio clock, else timed by the tick count
    double finishMs;  // on the audio clock, or the tick at which it has passed
  };
  bool hasPlayed(const Playing& buffer, double audioNow, uint32_t now) const;
  void finish(const Playing& buffer);

  std::function<uint32_t()> tickCount_;
  bool open_ = false;
  WaveFormat format_;
  WaveCallback callback_ = nullptr;
  void* instance_ = nullptr;
  std::deque<Playing> playing_;
  uint32_t silentUntil_ = 0;  // when the last silent buffer has passed
};

}  // namespace bt::platform
