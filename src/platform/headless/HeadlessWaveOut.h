#pragma once
// Wave output on virtual time: everything written is kept, and each buffer is
// reported done once the virtual clock has passed the moment it would have
// finished playing at the opened sample rate.
#include <cstdint>
#include <vector>

#include "platform/QueuedWaveOut.h"

namespace bt::platform {

class HeadlessWaveOut : public QueuedWaveOut {
 public:
  explicit HeadlessWaveOut(const uint32_t& clock) : clock_(clock) {}

  uint32_t deviceCount() override { return 1; }
  bool write(WaveHeader& header) override;

  // Reports every buffer that has finished playing by the clock's time.
  void update();

  // Every byte written since start, in order.
  const std::vector<uint8_t>& written() const { return written_; }
  int buffersWritten() const { return buffersWritten_; }

 private:
  const uint32_t& clock_;
  std::vector<uint8_t> written_;
  int buffersWritten_ = 0;
};

}  // namespace bt::platform
