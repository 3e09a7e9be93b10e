#include "platform/web/WebWaveOut.h"

#include <algorithm>

#include "platform/web/WebPage.h"

namespace bt::platform {

bool WebWaveOut::open(uint32_t device, const WaveFormat& format, WaveCallback callback,
                      void* instance) {
  // The page plays 8-bit mono only, which is all the mixer makes.
  if (open_ || device != 0 || format.samplesPerSecond == 0 || format.channels != 1 ||
      format.bitsPerSample != 8) {
    return false;
  }
  format_ = format;
  callback_ = callback;
  instance_ = instance;
  open_ = true;
  return true;
}

bool WebWaveOut::prepare(WaveHeader& header) {
  if (!open_) return false;
  header.flags |= kWaveHeaderPrepared;
  return true;
}

bool WebWaveOut::write(WaveHeader& header) {
  if (!open_ || (header.flags & kWaveHeaderPrepared) == 0 || !header.data) return false;
  header.flags &= ~kWaveHeaderDone;
  const double audibleEnd = bt_audio_queue(header.data, static_cast<int>(header.bufferLength),
                                           static_cast<int>(format_.samplesPerSecond));
  if (audibleEnd >= 0) {
    playing_.push_back(Playing{&header, true, audibleEnd});
    return true;
  }
  const uint32_t now = tickCount_();
  const uint32_t start = static_cast<int32_t>(silentUntil_ - now) > 0 ? silentUntil_ : now;
  silentUntil_ =
      start + static_cast<uint32_t>(header.bufferLength * 1000ull / format_.samplesPerSecond);
  playing_.push_back(Playing{&header, false, static_cast<double>(silentUntil_)});
  return true;
}

bool WebWaveOut::hasPlayed(const Playing& buffer, double audioNow, uint32_t now) const {
  if (buffer.audible) return audioNow < 0 || audioNow >= buffer.finishMs;
  return static_cast<int32_t>(now - static_cast<uint32_t>(buffer.finishMs)) >= 0;
}

void WebWaveOut::update() {
  if (playing_.empty()) return;
  const double audioNow = bt_audio_now();
  const uint32_t now = tickCount_();
  while (!playing_.empty() && hasPlayed(playing_.front(), audioNow, now)) {
    const Playing buffer = playing_.front();
    playing_.pop_front();
    finish(buffer);
  }
}

void WebWaveOut::reset() {
  bt_audio_stop();
  silentUntil_ = tickCount_();
  while (!playing_.empty()) {
    const Playing buffer = playing_.front();
    playing_.pop_front();
    finish(buffer);
  }
}

void WebWaveOut::finish(const Playing& buffer) {
  buffer.header->flags |= kWaveHeaderDone;
  if (callback_) callback_(instance_, kWaveDoneMessage);
}

void WebWaveOut::unprepare(WaveHeader& header) {
  header.flags &= ~kWaveHeaderPrepared;
}

void WebWaveOut::close() {
  reset();
  open_ = false;
  callback_ = nullptr;
  instance_ = nullptr;
}

}  // namespace bt::platform
