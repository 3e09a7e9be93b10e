#include "platform/headless/HeadlessWaveOut.h"

namespace bt::platform {

bool HeadlessWaveOut::write(WaveHeader& header) {
  if (!acceptWrite(header)) return false;
  written_.insert(written_.end(), header.data, header.data + header.bufferLength);
  ++buffersWritten_;
  // Buffers play one after another: this one starts when the last one ends.
  uint32_t start = clock_;
  if (!queue().empty() && static_cast<int32_t>(queue().back().finish - clock_) > 0) {
    start = queue().back().finish;
  }
  enqueue(Queued{&header, finishOf(start, header.bufferLength)});
  return true;
}

void HeadlessWaveOut::update() {
  const uint32_t now = clock_;
  reportPlayed(
      [now](const Queued& buffer) { return static_cast<int32_t>(now - buffer.finish) >= 0; });
}

}  // namespace bt::platform
