#include "platform/sdl/SdlWaveOut.h"

#include <algorithm>
#include <cstring>

namespace bt::platform {

bool SdlWaveOut::open(uint32_t device, const WaveFormat& format, WaveCallback callback,
                      void* instance) {
  if (device_ != 0 || device != 0) return false;
  if (format.formatTag != 1 || format.bitsPerSample != 8 || format.channels == 0) return false;
  SDL_AudioSpec wanted{};
  wanted.freq = static_cast<int>(format.samplesPerSecond);
  wanted.format = AUDIO_U8;
  wanted.channels = static_cast<Uint8>(format.channels);
  wanted.samples = 512;  // 64 ms at 8000 Hz
  wanted.callback = &SdlWaveOut::audioCallback;
  wanted.userdata = this;
  callback_ = callback;
  instance_ = instance;
  SDL_AudioSpec obtained{};
  // SDL converts to whatever the sound card takes.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device_ == 0) {
    callback_ = nullptr;
    instance_ = nullptr;
    return false;
  }
  silence_ = obtained.silence;
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

bool SdlWaveOut::prepare(WaveHeader& header) {
  if (device_ == 0) return false;
  header.flags |= kWaveHeaderPrepared;
  return true;
}

bool SdlWaveOut::write(WaveHeader& header) {
  if (device_ == 0 || (header.flags & kWaveHeaderPrepared) == 0 || !header.data) return false;
  SDL_LockAudioDevice(device_);
  header.flags &= ~kWaveHeaderDone;
  queue_.push_back(&header);
  SDL_UnlockAudioDevice(device_);
  return true;
}

void SdlWaveOut::reset() {
  if (device_ == 0) return;
  SDL_LockAudioDevice(device_);
  for (WaveHeader* header : played_) reportDone(header);
  for (WaveHeader* header : queue_) reportDone(header);
  played_.clear();
  queue_.clear();
  position_ = 0;
  SDL_UnlockAudioDevice(device_);
}

void SdlWaveOut::unprepare(WaveHeader& header) {
  header.flags &= ~kWaveHeaderPrepared;
}

void SdlWaveOut::close() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);  // waits for the audio thread to end
  device_ = 0;
  queue_.clear();
  played_.clear();
  position_ = 0;
  callback_ = nullptr;
  instance_ = nullptr;
}

void SdlWaveOut::reportDone(WaveHeader* header) {
  header->flags |= kWaveHeaderDone;
  if (callback_) callback_(instance_, kWaveDoneMessage);
}

void SdlWaveOut::audioCallback(void* self, Uint8* stream, int length) {
  static_cast<SdlWaveOut*>(self)->fill(stream, length);
}

void SdlWaveOut::fill(Uint8* stream, int length) {
  // What the previous call handed over has been played by now.
  for (WaveHeader* header : played_) reportDone(header);
  played_.clear();
  auto remaining = static_cast<uint32_t>(length);
  while (remaining > 0 && !queue_.empty()) {
    WaveHeader* header = queue_.front();
    const uint32_t n = std::min(remaining, header->bufferLength - position_);
    std::memcpy(stream, header->data + position_, n);
    stream += n;
    remaining -= n;
    position_ += n;
    if (position_ >= header->bufferLength) {
      queue_.pop_front();
      position_ = 0;
      played_.push_back(header);
    }
  }
  if (remaining > 0) std::memset(stream, silence_, remaining);
}

}  // namespace bt::platform
