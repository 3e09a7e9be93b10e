#pragma once
// Wave output on virtual time: everything written is kept, and each buffer is
// reported done once the virtual clock has passed the moment it would have
// finished playing at the opened sample rate.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "platform/WaveOut.h"

namespace bt::platform {

class HeadlessWaveOut : public WaveOut {
 public:
  explicit HeadlessWaveOut(const uint32_t& clock) : clock_(clock) {}

  void setDeviceCount(uint32_t count) { deviceCount_ = count; }

  uint32_t deviceCount() override { return deviceCount_; }
  bool open(uint32_t device, const WaveFormat& format, WaveCallback callback,
            void* instance) override;
  bool prepare(WaveHeader& header) override;
  bool write(WaveHeader& header) override;
  void reset() override;
  void unprepare(WaveHeader& header) override;
  void close() override;

  // Reports every buffer that has finished playing by the clock's time.
  void update();

  bool isOpen() const { return open_; }
  // Every byte written since start, in order.
  const std::vector<uint8_t>& written() const { return written_; }
  int buffersWritten() const { return buffersWritten_; }
  size_t buffersPlaying() const { return playing_.size(); }

 private:
  struct Playing {
    WaveHeader* header;
    uint32_t finish;  // tick at which it has played
  };
  void finish(const Playing& buffer);

  const uint32_t& clock_;
  uint32_t deviceCount_ = 1;
  bool open_ = false;
  WaveFormat format_;
  WaveCallback callback_ = nullptr;
  void* instance_ = nullptr;
  std::deque<Playing> playing_;
  std::vector<uint8_t> written_;
  int buffersWritten_ = 0;
};

}  // namespace bt::platform
