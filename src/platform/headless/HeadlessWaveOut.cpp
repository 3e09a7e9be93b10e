#include "platform/headless/HeadlessWaveOut.h"

namespace bt::platform {

bool HeadlessWaveOut::open(uint32_t device, const WaveFormat& format, WaveCallback callback,
                           void* instance) {
  if (open_ || device >= deviceCount_ || format.samplesPerSecond == 0) return false;
  format_ = format;
  callback_ = callback;
  instance_ = instance;
  open_ = true;
  return true;
}

bool HeadlessWaveOut::prepare(WaveHeader& header) {
  if (!open_) return false;
  header.flags |= kWaveHeaderPrepared;
  return true;
}

bool HeadlessWaveOut::write(WaveHeader& header) {
  if (!open_ || (header.flags & kWaveHeaderPrepared) == 0 || !header.data) return false;
  header.flags &= ~kWaveHeaderDone;
  written_.insert(written_.end(), header.data, header.data + header.bufferLength);
  ++buffersWritten_;
  // Buffers play one after another: this one starts when the last one ends.
  uint32_t start = clock_;
  if (!playing_.empty() && static_cast<int32_t>(playing_.back().finish - clock_) > 0) {
    start = playing_.back().finish;
  }
  const uint64_t bytesPerSecond = format_.bytesPerSecond ? format_.bytesPerSecond : 8000;
  const auto duration = static_cast<uint32_t>(header.bufferLength * 1000ull / bytesPerSecond);
  playing_.push_back(Playing{&header, start + duration});
  return true;
}

void HeadlessWaveOut::update() {
  while (!playing_.empty() && static_cast<int32_t>(clock_ - playing_.front().finish) >= 0) {
    const Playing buffer = playing_.front();
    playing_.pop_front();
    finish(buffer);
  }
}

void HeadlessWaveOut::reset() {
  while (!playing_.empty()) {
    const Playing buffer = playing_.front();
    playing_.pop_front();
    finish(buffer);
  }
}

void HeadlessWaveOut::finish(const Playing& buffer) {
  buffer.header->flags |= kWaveHeaderDone;
  if (callback_) callback_(instance_, kWaveDoneMessage);
}

void HeadlessWaveOut::unprepare(WaveHeader& header) {
  header.flags &= ~kWaveHeaderPrepared;
}

void HeadlessWaveOut::close() {
  reset();
  open_ = false;
  callback_ = nullptr;
  instance_ = nullptr;
}

}  // namespace bt::platform
