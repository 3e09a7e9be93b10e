#pragma once
// Wave output through an SDL audio device. Written buffers are queued and
// played one after another from SDL's audio thread; each is reported done
// from that thread at the start of the audio callback after the one that took
// its last sample, so it has been handed to the sound card by then.
#include <SDL.h>

#include <deque>
#include <vector>

#include "platform/WaveOut.h"

namespace bt::platform {

class SdlWaveOut : public WaveOut {
 public:
  SdlWaveOut() = default;
  ~SdlWaveOut() override { close(); }

  uint32_t deviceCount() override { return 1; }
  bool open(uint32_t device, const WaveFormat& format, WaveCallback callback,
            void* instance) override;
  bool prepare(WaveHeader& header) override;
  bool write(WaveHeader& header) override;
  void reset() override;
  void unprepare(WaveHeader& header) override;
  void close() override;

 private:
  static void audioCallback(void* self, Uint8* stream, int length);
  void fill(Uint8* stream, int length);
  void reportDone(WaveHeader* header);

  SDL_AudioDeviceID device_ = 0;
  Uint8 silence_ = 128;
  WaveCallback callback_ = nullptr;
  void* instance_ = nullptr;
  // Guarded by the device lock (held by SDL around the callback).
  std::deque<WaveHeader*> queue_;
  uint32_t position_ = 0;  // next byte of queue_.front()
  std::vector<WaveHeader*> played_;
};

}  // namespace bt::platform
