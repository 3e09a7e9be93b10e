#include "platform/web/WebWaveOut.h"

#include "platform/web/WebPage.h"

namespace bt::platform {

bool WebWaveOut::write(WaveHeader& header) {
  if (!acceptWrite(header)) return false;
  const double audibleEnd = bt_audio_queue(header.data, static_cast<int>(header.bufferLength),
                                           static_cast<int>(format().samplesPerSecond));
  if (audibleEnd >= 0) {
    enqueue(Queued{&header, static_cast<uint32_t>(audibleEnd), true});
    return true;
  }
  const uint32_t now = tickCount_();
  const uint32_t start = static_cast<int32_t>(silentUntil_ - now) > 0 ? silentUntil_ : now;
  silentUntil_ = finishOf(start, header.bufferLength);
  enqueue(Queued{&header, silentUntil_, false});
  return true;
}

void WebWaveOut::update() {
  if (queue().empty()) return;
  const double audioNow = bt_audio_now();
  const uint32_t now = tickCount_();
  reportPlayed([audioNow, now](const Queued& buffer) {
    // Audio that stopped running (the page hidden, say) has played too.
    if (buffer.onAudioClock) return audioNow < 0 || audioNow >= buffer.finish;
    return static_cast<int32_t>(now - buffer.finish) >= 0;
  });
}

void WebWaveOut::stopSound() {
  bt_audio_stop();
  silentUntil_ = tickCount_();
}

}  // namespace bt::platform
