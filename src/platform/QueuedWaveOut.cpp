#include "platform/QueuedWaveOut.h"

namespace bt::platform {

bool QueuedWaveOut::open(uint32_t device, const WaveFormat& format, WaveCallback callback,
                         void* instance) {
  if (open_ || device >= deviceCount() || format.samplesPerSecond == 0 || !acceptsFormat(format)) {
    return false;
  }
  format_ = format;
  callback_ = callback;
  instance_ = instance;
  open_ = true;
  return true;
}

bool QueuedWaveOut::acceptsFormat(const WaveFormat&) const {
  return true;
}

bool QueuedWaveOut::prepare(WaveHeader& header) {
  if (!open_) return false;
  header.flags |= kWaveHeaderPrepared;
  return true;
}

bool QueuedWaveOut::acceptWrite(WaveHeader& header) {
  if (!open_ || (header.flags & kWaveHeaderPrepared) == 0 || !header.data) return false;
  header.flags &= ~kWaveHeaderDone;
  return true;
}

uint32_t QueuedWaveOut::finishOf(uint32_t start, uint32_t length) const {
  const uint64_t bytesPerSecond = format_.bytesPerSecond ? format_.bytesPerSecond : 8000;
  return start + static_cast<uint32_t>(length * 1000ull / bytesPerSecond);
}

void QueuedWaveOut::reportPlayed(const std::function<bool(const Queued&)>& played) {
  while (!queue_.empty() && played(queue_.front())) {
    const Queued buffer = queue_.front();
    queue_.pop_front();
    finish(buffer);
  }
}

void QueuedWaveOut::reset() {
  stopSound();
  reportPlayed([](const Queued&) { return true; });
}

void QueuedWaveOut::finish(const Queued& buffer) {
  buffer.header->flags |= kWaveHeaderDone;
  if (callback_) callback_(instance_, kWaveDoneMessage);
}

void QueuedWaveOut::unprepare(WaveHeader& header) {
  header.flags &= ~kWaveHeaderPrepared;
}

void QueuedWaveOut::close() {
  reset();
  open_ = false;
  callback_ = nullptr;
  instance_ = nullptr;
}

}  // namespace bt::platform
